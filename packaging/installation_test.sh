#!/usr/bin/env bash
# Installs into a temporary prefix and checks that every file is where a
# desktop expects it, and that the installed program answers --help and
# --version and draws a picture without a display.
set -euo pipefail
bau=$1
ziel=$(mktemp -d)
trap 'rm -rf "$ziel"' EXIT
cmake --install "$bau" --prefix "$ziel" > /dev/null
fehler=0
eintrag=share/applications/io.github.vandrel.Vandrel.desktop
for datei in bin/vandrel $eintrag share/metainfo/io.github.vandrel.Vandrel.metainfo.xml \
             share/icons/hicolor/16x16/apps/vandrel.png share/icons/hicolor/32x32/apps/vandrel.png \
             share/icons/hicolor/scalable/apps/vandrel.svg \
             share/man/man1/vandrel.1.gz share/man/de/man1/vandrel.1.gz \
             share/doc/vandrel/copyright share/doc/vandrel/changelog.gz; do
  [ -s "$ziel/$datei" ] || { echo "fehlt: $datei"; fehler=1; }
done
# The manual page in each language where man finds it.
zcat "$ziel/share/man/man1/vandrel.1.gz" | grep -q '^\.SH DESCRIPTION$' || { echo "man1: keine englische Seite"; fehler=1; }
zcat "$ziel/share/man/de/man1/vandrel.1.gz" | grep -q '^\.SH BESCHREIBUNG$' || { echo "de/man1: keine deutsche Seite"; fehler=1; }
[ -x "$ziel/bin/vandrel" ] || { echo "bin/vandrel ist nicht ausführbar"; fehler=1; }
grep -q '^Categories=Education;Physics;$' "$ziel/$eintrag" || { echo "Kategorien fehlen"; fehler=1; }
grep -q '^Comment\[de\]=' "$ziel/$eintrag" || { echo "deutscher Kommentar fehlt"; fehler=1; }
# PNG header: width and height as 32-bit numbers at bytes 16..23
for kante in 16 32; do
  hex=$(head -c 24 "$ziel/share/icons/hicolor/${kante}x${kante}/apps/vandrel.png" | od -An -tx1 | tr -d ' \n')
  printf -v erwartet '%08x%08x' "$kante" "$kante"
  [ "${hex:32:16}" = "$erwartet" ] || { echo "Symbol ${kante}: falsche Größe"; fehler=1; }
done
# The installed program answers on the command line where no display is:
# with QT_QPA_PLATFORM=xcb and no DISPLAY, any window-system start would abort.
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:[A-Z]*=//p' "$bau/CMakeCache.txt")
ohne_anzeige() { env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb "$ziel/bin/vandrel" "$@"; }
rc=0; ausgabe=$(ohne_anzeige --version 2>&1) || rc=$?
[ $rc -eq 0 ] && [ "${ausgabe%%$'\n'*}" = "vandrel $version" ] || { echo "--version: $rc, $ausgabe"; fehler=1; }
rc=0; ausgabe=$(ohne_anzeige --help 2>&1) || rc=$?
[ $rc -eq 0 ] && [[ $ausgabe == Aufruf:* ]] || { echo "--help: $rc, $ausgabe"; fehler=1; }
rc=0; ausgabe=$(ohne_anzeige --farbe 2>&1 > /dev/null) || rc=$?
[ $rc -eq 2 ] && [[ $ausgabe == *"unbekannte Option „--farbe“"* ]] || { echo "--farbe: $rc, $ausgabe"; fehler=1; }
# A picture needs no display either, even where the environment names one platform.
rc=0; ausgabe=$(ohne_anzeige --bild "$ziel/bild.png" --abbildung --strahlen 2>&1) || rc=$?
[ $rc -eq 0 ] && [ "$(head -c 8 "$ziel/bild.png" 2>/dev/null | od -An -tx1 | tr -d ' \n')" = 89504e470d0a1a0a ] \
  || { echo "--bild: $rc, $ausgabe"; fehler=1; }
[ $fehler -eq 0 ] && echo "Installation vollständig"
exit $fehler
