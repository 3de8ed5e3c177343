#!/bin/bash
# The real program on a virtual X server: first picture, switching the rays
# on with a click, moving the lens by typing a new position, the object's tip
# dragged with the mouse (the image, the boxes and the measured values
# following, a release outside the window ending the drag), the info window
# opened from the menu and closed with Enter, and at last a copy of the
# drawing followed by "Ende", which must end the program and leave the
# picture with the clipboard manager. How fast "Ende" is, is a figure of
# bench/startzeit.sh; here a generous bound only catches a hang.
#
#   eingabe.sh <vandrel> <bildschirmfoto> <ablageverwalter>
#
# Screenshots go to $E2E_AUSGABE when set, otherwise to a fresh directory
# under /tmp that is named at the end.

set -u

VANDREL=$1
FOTO=$2
VERWALTER=$3
AUS=${E2E_AUSGABE:-$(mktemp -d /tmp/vandrel-e2e.XXXXXX)}
mkdir -p "$AUS"

XVFB_PID=""
PROG_PID=""
VERWALTER_PID=""

aufraeumen() {
    [ -n "$PROG_PID" ] && kill "$PROG_PID" 2>/dev/null && wait "$PROG_PID" 2>/dev/null
    [ -n "$VERWALTER_PID" ] && kill "$VERWALTER_PID" 2>/dev/null && wait "$VERWALTER_PID" 2>/dev/null
    [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null && wait "$XVFB_PID" 2>/dev/null
}
trap aufraeumen EXIT

fehler() {
    echo "FEHLER: $*" >&2
    echo "Bildschirmfotos in $AUS" >&2
    exit 1
}

# ---- a display of its own

source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/xvfb.sh"
xvfb_starten 1920x1200x24 "$AUS/xvfb.log" || fehler "Xvfb startet nicht (siehe $AUS/xvfb.log)"
echo "Xvfb auf $DISPLAY"

# ---- the program

QT_QPA_PLATFORM=xcb "$VANDREL" >"$AUS/vandrel.log" 2>&1 &
PROG_PID=$!

WID=$(timeout 20 xdotool search --sync --onlyvisible --name "Geometrische Optik" 2>/dev/null | head -n 1)
[ -n "$WID" ] || fehler "kein Fenster 'Geometrische Optik' nach 20 s"
kill -0 "$PROG_PID" 2>/dev/null || fehler "das Programm ist beendet"
eval "$(xdotool getwindowgeometry --shell "$WID")"   # X Y WIDTH HEIGHT
echo "Fenster $WID bei $X,$Y, $WIDTH x $HEIGHT"
xdotool windowfocus --sync "$WID" 2>/dev/null || true

GELB=FFFF00      # lens outline
ROT=FF0000       # rays outside the glass
RAHMEN=000000    # frame and axis: the button-text colour

# World x to screen column: the client area shows x from -3.75 to 153.75
# (Nmax 150) over the window's width.
spalte() { awk -v x="$1" -v x0="$X" -v w="$WIDTH" 'BEGIN { printf "%d", x0 + (x + 3.75) / 157.5 * w }'; }
pixel_je_einheit() { awk -v w="$WIDTH" 'BEGIN { printf "%.4f", w / 157.5 }'; }

foto() { "$FOTO" "$AUS/$1" || fehler "Bildschirmfoto $1 misslungen"; }
# count minx miny maxx maxy of a colour inside the window
im_fenster() { "$FOTO" --zaehle "$AUS/$1" "$2" "$X" "$Y" "$WIDTH" "$HEIGHT"; }

# Waits (at most about 15 s) until the screenshot $1 shows colour $2 inside the
# window in a way that makes "$3" (a test on the variables n minx miny maxx maxy)
# true.
warte_auf() {
    local bild=$1 farbe=$2 bedingung=$3
    for _ in $(seq 75); do
        foto "$bild"
        read -r n minx miny maxx maxy < <(im_fenster "$bild" "$farbe")
        if eval "$bedingung"; then
            return 0
        fi
        sleep 0.2
    done
    return 1
}

# ---- 1. the first picture

warte_auf 1_start.png $GELB '[ "$n" -gt 100 ]' || fehler "keine gelbe Linse im ersten Bild"
read -r n gx0 gy0 gx1 gy1 < <(im_fenster 1_start.png $GELB)
echo "Linse: $n gelbe Pixel, x $gx0..$gx1, y $gy0..$gy1"

# The frame's top and bottom edges and the axis are the only long horizontal
# lines in the button-text colour: top edge, axis, bottom edge, in this order.
l=$(spalte 5)
r=$(spalte 145)
read -r -a zeilen < <("$FOTO" --linien "$AUS/1_start.png" $RAHMEN "$l" "$Y" $((r - l)) "$HEIGHT" \
    $(((r - l) * 95 / 100)))
laeufe=()
vorher=-10
for y in "${zeilen[@]}"; do
    [ "$y" -gt $((vorher + 1)) ] && laeufe+=("$y")
    vorher=$y
done
[ "${#laeufe[@]}" -eq 3 ] || fehler "Rahmen und Achse nicht gefunden (Linien bei: ${zeilen[*]:-keine})"
oben=${laeufe[0]}
ACHSE=${laeufe[1]}
unten=${laeufe[2]}
echo "Rahmen oben $oben, Achse $ACHSE, unten $unten"
mitte=$(((oben + unten) / 2))
[ $((ACHSE - mitte)) -le 1 ] && [ $((mitte - ACHSE)) -le 1 ] \
    || fehler "die Achse liegt nicht in der Mitte des Rahmens"
# y = 20 at the top edge, 10 units of margin above it: the client area's top.
OBEN=$(awk -v o="$oben" -v u="$unten" 'BEGIN { printf "%d", o - 10 * (u - o) / 40 + 0.5 }')
echo "Zeichenfläche beginnt bei y $OBEN"

nahe() {  # nahe WERT SOLL TOLERANZ
    awk -v a="$1" -v b="$2" -v t="$3" 'BEGIN { d = a - b; if (d < 0) d = -d; exit !(d <= t) }'
}
nahe "$gx0" "$(spalte 42.36)" 3 || fehler "linker Scheitel bei $gx0, erwartet $(spalte 42.36)"
nahe "$gx1" "$(spalte 56.28)" 3 || fehler "rechter Scheitel bei $gx1, erwartet $(spalte 56.28)"
nahe "$gy0" "$oben" 3 || fehler "die Linse reicht nicht bis zum oberen Rand ($gy0, Rand $oben)"
nahe "$gy1" "$unten" 3 || fehler "die Linse reicht nicht bis zum unteren Rand ($gy1, Rand $unten)"
read -r n _ < <(im_fenster 1_start.png $ROT)
[ "$n" -eq 0 ] || fehler "Lichtstrahlen gezeichnet, obwohl 'Lichtstrahlen' aus ist ($n rote Pixel)"

# ---- 2. "Lichtstrahlen" on: the beam crosses the axis behind the lens

# The check box's box sits at the left of the control at (120, 45) twips.
xdotool mousemove --sync $((X + 8 + 6)) $((OBEN + 3 + 8)) click 1
warte_auf 2_strahlen.png $ROT '[ "$n" -gt 500 ]' || fehler "nach dem Klick auf 'Lichtstrahlen' keine roten Strahlen"
# Where the mirrored rays meet on the axis row, right of the lens: each pair
# leaves one short run of red pixels centred on its crossing point.
rechts_der_linse=$(spalte 57)
laeufe=()   # "start end" of each run
start=-1
ende=-10
for x in $("$FOTO" --zeile "$AUS/2_strahlen.png" $ROT "$ACHSE") -1; do
    [ "$x" -ge 0 ] && [ "$x" -lt "$rechts_der_linse" ] && continue
    if [ "$x" -ne $((ende + 1)) ]; then
        [ "$start" -ge 0 ] && laeufe+=("$start $ende")
        start=$x
    fi
    ende=$x
done
echo "Strahlen auf der Achse: ${laeufe[*]:-keine} (F' bei $(spalte 85.69))"
[ "${#laeufe[@]}" -gt 0 ] || fehler "kein Strahl kreuzt die Achse"
read -r s0 _ <<<"${laeufe[0]}"
read -r s1 e1 <<<"${laeufe[${#laeufe[@]} - 1]}"
# The innermost pair crosses at about 85.3, the outer ones closer to the lens
# (the pair from height 15 at 74.5).
nahe $(((s1 + e1) / 2)) "$(spalte 85.3)" 4 \
    || fehler "innerster Strahl kreuzt bei $(((s1 + e1) / 2)), erwartet $(spalte 85.3)"
[ "$s0" -ge "$(spalte 72)" ] || fehler "ein Strahl kreuzt die Achse schon bei $s0"

# ---- 3. a new lens position typed into txt_X1_0

# The box stands at (2280, 300) twips, 500 x 300.
xdotool mousemove --sync $((X + 152 + 16)) $((OBEN + 20 + 10)) click 1
sleep 0.3
xdotool key --clearmodifiers ctrl+a
xdotool type --delay 50 "80"
xdotool key Tab
verschiebung=$(awk -v p="$(pixel_je_einheit)" 'BEGIN { printf "%d", 30 * p + 0.5 }')
warte_auf 3_verschoben.png $GELB "[ \"\$n\" -gt 100 ] && [ \"\$minx\" -gt $((gx0 + verschiebung / 2)) ]" \
    || fehler "die Linse hat sich nach der Eingabe 80 nicht bewegt"
read -r n hx0 _ hx1 _ < <(im_fenster 3_verschoben.png $GELB)
echo "Linse nach X1_0 = 80: x $hx0..$hx1 (um $((hx0 - gx0)) Pixel, erwartet $verschiebung)"
nahe $((hx0 - gx0)) "$verschiebung" 2 || fehler "linker Scheitel um $((hx0 - gx0)) statt $verschiebung Pixel verschoben"
nahe $((hx1 - gx1)) "$verschiebung" 2 || fehler "rechter Scheitel um $((hx1 - gx1)) statt $verschiebung Pixel verschoben"

# ---- 3b. a bad radius left by a click on "Abbildung": after "Unfug !" and OK
# the click is finished, the imaging mode shows the object

GRUEN=008000     # object and image
read -r n _ < <(im_fenster 3_verschoben.png $GRUEN)
[ "$n" -eq 0 ] || fehler "Objekt gezeichnet, obwohl 'Fokus' gewählt ist"
# The Tab after the position put the focus into r 1 with its text selected.
xdotool type --delay 50 "abc"
# "Abbildung" stands at (6840, 360) twips.
xdotool mousemove --sync $((X + 456 + 8)) $((OBEN + 24 + 12)) click 1
BOX=$(timeout 10 xdotool search --sync --onlyvisible --name "^Vandrel$" 2>/dev/null | head -n 1)
[ -n "$BOX" ] || fehler "nach 'abc' in r 1 und dem Klick auf 'Abbildung' kein 'Unfug !'"
xdotool windowfocus --sync "$BOX" 2>/dev/null || true
xdotool key Return
warte_auf 3b_abbildung.png $GRUEN '[ "$n" -gt 100 ]' \
    || fehler "nach OK ist 'Abbildung' nicht gewählt: kein Objekt gezeichnet"
echo "nach 'Unfug !' ist der Klick auf 'Abbildung' ausgeführt"

# ---- 3c. the object's tip taken by the hand and dragged inside F: the
# picture shows the image there, the boxes and the measured values follow;
# a second drag let go outside the window ends there

# World y to screen row: y = 20 on the frame's top edge, 0 on the axis.
zeile() { awk -v y="$1" -v a="$ACHSE" -v o="$oben" 'BEGIN { printf "%d", a - y * (a - o) / 20 + 0.5 }'; }
# A box's text, copied from it as a user would; waits (at most 5 s) for the
# clipboard to change, which it does unless it held that text already.
box_text() {
    local vorher text
    xdotool mousemove --sync "$1" "$2" click 1
    sleep 0.3
    vorher=$("$FOTO" --ablage)
    xdotool key --clearmodifiers ctrl+a ctrl+c
    for _ in $(seq 50); do
        text=$("$FOTO" --ablage)
        [ "$text" != "$vorher" ] && break
        sleep 0.1
    done
    echo "$text"
}
# Green pixels in a band of columns around world x, above the axis.
gruen_bei() { "$FOTO" --zaehle "$AUS/$1" $GRUEN $(($(spalte "$2") - 4)) "$oben" 9 $((ACHSE - oben - 2)); }

xdotool windowfocus --sync "$WID" 2>/dev/null || true
xdotool key --clearmodifiers alt+m
MWID=$(timeout 10 xdotool search --sync --onlyvisible --name "Vandrel - Messwerte" 2>/dev/null | head -n 1)
[ -n "$MWID" ] || fehler "'&Messwerte' öffnet kein Fenster 'Vandrel - Messwerte'"
# Beside the main window, which the window system put at the same place.
xdotool windowmove --sync "$MWID" $((X + WIDTH + 20)) "$Y" 2>/dev/null || true
eval "$(xdotool getwindowgeometry --shell "$MWID" | sed 's/^/M_/')"
xdotool windowfocus --sync "$WID" 2>/dev/null || true
sleep 0.5
foto 3c_vorher.png
"$FOTO" --ausschnitt "$AUS/3c_vorher.png" "$AUS/3c_werte_vorher.png" "$M_X" "$M_Y" "$M_WIDTH" "$M_HEIGHT"

# From the tip at (0, 10) to (62, 6), in steps as a hand moves; the picture
# follows while the button is held.
xdotool mousemove --sync "$(spalte 0)" "$(zeile 10)" mousedown 1
for x in 8 16 24 32 40 48 56 62; do
    xdotool mousemove --sync "$(spalte $x)" "$(zeile 6)"
    sleep 0.05
done
for _ in $(seq 75); do
    foto 3c_ziehen.png
    read -r n _ < <(gruen_bei 3c_ziehen.png 62)
    [ "$n" -gt 30 ] && break
    sleep 0.2
done
[ "$n" -gt 30 ] || fehler "beim Ziehen auf x = 62 steht dort kein Gegenstand ($n grüne Pixel)"
xdotool mouseup 1

ort=$(box_text $((X + 592 + 16)) $((OBEN + 20 + 10)))
hoehe=$(box_text $((X + 640 + 16)) $((OBEN + 20 + 10)))
echo "Felder nach dem Ziehen: Ort $ort, Höhe $hoehe"
nahe "${ort/,/.}" 62 0.5 || fehler "Objekt: Ort zeigt '$ort' statt etwa 62"
nahe "${hoehe/,/.}" 6 0.5 || fehler "Objekt: Höhe zeigt '$hoehe' statt etwa 6"

# The measured values followed: their window shows another picture, and the
# copied text puts the object where the box does (g, from H) and the image
# where the picture now shows it, inside F and virtual, where before there
# was none.
foto 3c_nachher.png
"$FOTO" --ausschnitt "$AUS/3c_nachher.png" "$AUS/3c_werte_nachher.png" "$M_X" "$M_Y" "$M_WIDTH" "$M_HEIGHT"
cmp -s "$AUS/3c_werte_vorher.png" "$AUS/3c_werte_nachher.png" && fehler "das Fenster Messwerte ist nach dem Ziehen unverändert"
xdotool windowfocus --sync "$MWID" 2>/dev/null || true
xdotool key --clearmodifiers alt+k
BOX=$(timeout 10 xdotool search --sync --onlyvisible --name "^Vandrel$" 2>/dev/null | head -n 1)
[ -n "$BOX" ] || fehler "'Kopieren' im Fenster Messwerte meldet nichts"
xdotool windowfocus --sync "$BOX" 2>/dev/null || true
xdotool key Return
"$FOTO" --ablage >"$AUS/3c_messwerte.txt"
messwert() { awk -F '\t' -v n="$1" '$1 == n { print $3; exit }' "$AUS/3c_messwerte.txt"; }
g=$(messwert "Gegenstandsweite (von H)" | tr , .)
x_h=$(messwert "Hauptebene H" | tr , .)
bild_x=$(messwert "Ort des Bildes" | tr , .)
echo "Messwerte: g = $g von H bei $x_h, Bild bei x = $bild_x ($(messwert Bild))"
nahe "$(awk -v a="$x_h" -v b="$g" 'BEGIN { print a - b }')" "${ort/,/.}" 0.011 \
    || fehler "Messwerte: Gegenstand bei $x_h - $g statt $ort"
[ "$(messwert Bild)" = "virtuell, aufrecht" ] || fehler "Messwerte: das Bild ist '$(messwert Bild)'"
read -r n _ < <(gruen_bei 3c_nachher.png "$bild_x")
[ "$n" -gt 15 ] || fehler "kein Bild bei x = $bild_x ($n grüne Pixel)"
read -r n0 _ < <(gruen_bei 3c_vorher.png "$bild_x")
[ "$n0" -eq 0 ] || fehler "schon vor dem Ziehen $n0 grüne Pixel bei x = $bild_x"
echo "das virtuelle Bild bei x = $bild_x: $n grüne Pixel, vor dem Ziehen keine"

# Taken again and let go below the window: the drag ends there, at the
# lowest height, and the pointer coming back moves nothing.
xdotool windowfocus --sync "$WID" 2>/dev/null || true
xdotool mousemove --sync "$(spalte "${ort/,/.}")" "$(zeile "${hoehe/,/.}")" mousedown 1
xdotool mousemove --sync "$(spalte 50)" "$(zeile 3)"
xdotool mousemove --sync "$(spalte 50)" $((Y + HEIGHT + 60))
xdotool mouseup 1
xdotool mousemove --sync "$(spalte 20)" "$(zeile 10)"
sleep 0.5
ort=$(box_text $((X + 592 + 16)) $((OBEN + 20 + 10)))
hoehe=$(box_text $((X + 640 + 16)) $((OBEN + 20 + 10)))
echo "Felder nach dem Loslassen unter dem Fenster: Ort $ort, Höhe $hoehe"
nahe "${ort/,/.}" 50 0.5 && [ "$hoehe" = "0,1" ] || fehler "nach dem Loslassen draußen: Ort '$ort', Höhe '$hoehe'"

# ---- 4. the info window from the menu, closed again with Enter

xdotool windowfocus --sync "$WID" 2>/dev/null || true
xdotool key --clearmodifiers alt+i
IWID=$(timeout 10 xdotool search --sync --onlyvisible --name "Vandrel - Info" 2>/dev/null | head -n 1)
[ -n "$IWID" ] || fehler "'&Info' öffnet kein Fenster 'Vandrel - Info'"
eval "$(xdotool getwindowgeometry --shell "$IWID" | sed 's/^/I_/')"
echo "Info-Fenster $IWID bei $I_X,$I_Y, $I_WIDTH x $I_HEIGHT"
# 6885 x 8970 twips, grown by a quarter so that every caption fits in the form font.
[ "$I_WIDTH" -eq 574 ] && [ "$I_HEIGHT" -eq 748 ] || fehler "Info-Fenster $I_WIDTH x $I_HEIGHT statt 574 x 748"
# Its formula pictures are drawn in their own near-black ink.
for _ in $(seq 50); do
    foto 4_info.png
    read -r n _ < <("$FOTO" --zaehle "$AUS/4_info.png" 040404 "$I_X" "$I_Y" "$I_WIDTH" "$I_HEIGHT")
    [ "$n" -gt 1000 ] && break
    sleep 0.2
done
[ "$n" -gt 1000 ] || fehler "das Info-Fenster zeigt keine Formeln ($n Pixel Formeltinte)"
xdotool windowfocus --sync "$IWID" 2>/dev/null || true
xdotool key Escape
sleep 0.5
xdotool search --onlyvisible --name "Vandrel - Info" >/dev/null 2>&1 || fehler "Escape hat das Info-Fenster geschlossen"
xdotool key Return
weg=0
for _ in $(seq 50); do
    if ! xdotool search --onlyvisible --name "Vandrel - Info" >/dev/null 2>&1; then
        weg=1
        break
    fi
    sleep 0.2
done
[ "$weg" -eq 1 ] || fehler "Enter auf OK schließt das Info-Fenster nicht"
xdotool search --onlyvisible --name "Geometrische Optik" >/dev/null 2>&1 || fehler "nach OK ist das Hauptfenster weg"
kill -0 "$PROG_PID" 2>/dev/null || fehler "das Programm ist während des Tests beendet"

# ---- 4b. the window system's largest size: the window goes back to its own
# largest one (8192 device pixels a side) and keeps answering

xdotool windowsize "$WID" 32767 32767 2>/dev/null || true
# On a busy machine the resize back can take a while; it must come.
for _ in $(seq 50); do
    sleep 0.2
    eval "$(xdotool getwindowgeometry --shell "$WID" | sed 's/^/G_/')"
    [ "$G_WIDTH" -le 8192 ] && [ "$G_HEIGHT" -le 8192 ] && break
done
echo "nach 32767 x 32767: $G_WIDTH x $G_HEIGHT"
[ "$G_WIDTH" -le 8192 ] && [ "$G_HEIGHT" -le 8192 ] || fehler "das Fenster bleibt $G_WIDTH x $G_HEIGHT groß"
kill -0 "$PROG_PID" 2>/dev/null || fehler "das Programm ist nach der Vergrößerung beendet"

# ---- 5. a copy of the drawing, then "Ende": the program is gone at once and
# the clipboard manager has the picture

# A manager takes the clipboard over when its owner exits; a large drawing
# makes a slow hand-over show.
"$VERWALTER" "$AUS/ablage.bild" >"$AUS/ablage.log" 2>&1 &
VERWALTER_PID=$!
for _ in $(seq 50); do
    grep -q bereit "$AUS/ablage.log" 2>/dev/null && break
    sleep 0.1
done
grep -q bereit "$AUS/ablage.log" || fehler "der Zwischenablage-Verwalter startet nicht"
xdotool windowsize --sync "$WID" 1900 1150 2>/dev/null || true
eval "$(xdotool getwindowgeometry --shell "$WID")"
echo "Fenster jetzt $WIDTH x $HEIGHT"
[ "$WIDTH" -eq 1900 ] || fehler "das Fenster lässt sich nicht auf 1900 Pixel verbreitern"
sleep 0.5

# Opened from the keyboard the menu highlights "&Kopieren"; one step down is "Ende".
xdotool windowfocus --sync "$WID" 2>/dev/null || true
xdotool key --clearmodifiers alt+d
sleep 0.5
xdotool key Return
BOX=$(timeout 10 xdotool search --sync --onlyvisible --name "^Vandrel$" 2>/dev/null | head -n 1)
[ -n "$BOX" ] || fehler "nach '&Kopieren' keine Meldung"
xdotool windowfocus --sync "$BOX" 2>/dev/null || true
xdotool key Return
sleep 0.5

xdotool windowfocus --sync "$WID" 2>/dev/null || true
xdotool key --clearmodifiers alt+d
sleep 0.5
xdotool key Down
sleep 0.3
# Gone means exited: a zombie waiting for this script counts as gone.
laeuft() {
    local zustand
    zustand=$(awk '{ print $3 }' "/proc/$PROG_PID/stat" 2>/dev/null) || return 1
    [ -n "$zustand" ] && [ "$zustand" != Z ]
}
# Only a hang is an error here, on however busy a machine; a sanitizer
# build checks for leaks at exit and may ask for more (E2E_ENDE_MS).
grenze_ms=${E2E_ENDE_MS:-5000}
start=$(date +%s%N)
xdotool key Return
while laeuft; do
    [ $(($(date +%s%N) - start)) -gt $((grenze_ms * 1000000)) ] && break
    sleep 0.01
done
dauer_ms=$((($(date +%s%N) - start) / 1000000))
laeuft && fehler "'Ende' beendet das Programm nicht (nach $grenze_ms ms läuft es noch)"
echo "nach 'Ende' beendet (nach $dauer_ms ms; die Zeit misst bench/startzeit.sh)"
wait "$PROG_PID"
rc=$?
PROG_PID=""
[ "$rc" -eq 0 ] || fehler "das Programm endet nach 'Ende' mit Status $rc"

# The picture survived the program: a bitmap as wide as the window.
grep -q uebernommen "$AUS/ablage.log" || fehler "der Verwalter hat die Zwischenablage nicht übernommen"
echo "übernommen: $(grep -v -e bereit -e uebernommen "$AUS/ablage.log" | tr '\n' ' ')"
bildbreite=$(od -An -t d4 -j 18 -N 4 "$AUS/ablage.bild" 2>/dev/null | tr -d ' ')
[ "$(head -c 2 "$AUS/ablage.bild" 2>/dev/null)" = BM ] && [ "$bildbreite" = "$WIDTH" ] \
    || fehler "die übernommene Zwischenablage ist keine Bitmap von $WIDTH Pixel Breite"

echo "e2e eingabe: alles gut (Bildschirmfotos in $AUS)"
exit 0
