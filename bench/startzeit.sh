#!/usr/bin/env bash
# Time from the start of the program to its first drawn picture and its peak
# resident memory, then the time "Ende" takes to end it, under Xvfb.
# Usage: bench/startzeit.sh [build dir] [runs]
#
# "Ende" is timed as the end-to-end test takes it: the window at 1900 x 1150
# pixels, its drawing copied, a clipboard manager running that takes the
# picture over when the program exits; from the Enter on the menu item to
# the program's exit.
set -euo pipefail
bau=$(cd "${1:-$(dirname "$0")/../build}" && pwd)
laeufe=${2:-10}
source "$(dirname "$0")/../scripts/xvfb.sh"
arbeit=$(mktemp -d)
XVFB_PID=""
programm=""
verwalter=""
aufraeumen() {
  for p in "$programm" "$verwalter" "$XVFB_PID"; do
    [ -n "$p" ] && { kill "$p"; wait "$p"; } 2> /dev/null || true
  done
  rm -rf "$arbeit"
}
trap aufraeumen EXIT
xvfb_starten 1920x1200x24 || { echo "Xvfb startet nicht" >&2; exit 1; }

summe=0; max_ms=0; max_rss=0
for i in $(seq "$laeufe"); do
  start=$(date +%s%N)
  ausgabe=$(VANDREL_STARTZEIT=ende timeout 20 "$bau/vandrel")
  bild=$(sed -n 's/^erstes_bild_ns //p' <<< "$ausgabe")
  rss=$(sed -n 's/^spitze_rss \([0-9]*\).*/\1/p' <<< "$ausgabe")
  ms=$(( (bild - start) / 1000000 ))
  echo "Lauf $i: erstes Bild nach $ms ms, Spitze $((rss / 1024)) MB ($rss kB)"
  summe=$((summe + ms)); (( ms > max_ms )) && max_ms=$ms; (( rss > max_rss )) && max_rss=$rss
done
echo "Mittel $((summe / laeufe)) ms, höchstens $max_ms ms; Spitze des Speichers höchstens $((max_rss / 1024)) MB"

# Waits up to 10 s for a visible window with this title; prints its id.
fenster() { { timeout 10 xdotool search --sync --onlyvisible --name "$1" 2> /dev/null | head -n 1; } || true; }

# One clipboard manager for all runs: it takes each run's picture over.
"$bau/tests/ablageverwalter" "$arbeit/ablage.bild" > "$arbeit/ablage.log" 2>&1 &
verwalter=$!
for _ in $(seq 50); do grep -q bereit "$arbeit/ablage.log" && break; sleep 0.1; done
grep -q bereit "$arbeit/ablage.log" || { echo "der Zwischenablage-Verwalter startet nicht" >&2; exit 1; }
summe=0; max_ms=0
for i in $(seq "$laeufe"); do
  "$bau/vandrel" > /dev/null 2>&1 &
  programm=$!
  wid=$(fenster "Geometrische Optik")
  [ -n "$wid" ] || { echo "kein Hauptfenster" >&2; exit 1; }
  xdotool windowsize --sync "$wid" 1900 1150
  sleep 0.5
  # "&Datei" highlights "&Kopieren"; one step down is "Ende".
  xdotool windowfocus --sync "$wid"
  xdotool key --clearmodifiers alt+d
  sleep 0.5
  xdotool key Return
  meldung=$(fenster "^Vandrel$")
  [ -n "$meldung" ] || { echo "keine Meldung nach dem Kopieren" >&2; exit 1; }
  xdotool windowfocus --sync "$meldung"
  xdotool key Return
  sleep 0.5
  xdotool windowfocus --sync "$wid"
  xdotool key --clearmodifiers alt+d
  sleep 0.5
  xdotool key Down
  sleep 0.3
  sleep 20 &
  wache=$!
  start=$(date +%s%N)
  xdotool key Return
  wait -n "$programm" "$wache" || true
  ms=$(( ($(date +%s%N) - start) / 1000000 ))
  if kill -0 "$programm" 2> /dev/null; then
    echo "Lauf $i: \"Ende\" beendet das Programm nach 20 s nicht" >&2
    exit 1
  fi
  programm=""
  kill "$wache" 2> /dev/null || true
  wait "$wache" 2> /dev/null || true
  uebernommen=$(grep -c uebernommen "$arbeit/ablage.log" || true)
  [ "$uebernommen" -eq "$i" ] && bild="übernommen" || bild="NICHT übernommen"
  echo "Lauf $i: \"Ende\" nach $ms ms (Bild vom Verwalter $bild)"
  summe=$((summe + ms)); (( ms > max_ms )) && max_ms=$ms
done
echo "\"Ende\" bis zum Programmende: Mittel $((summe / laeufe)) ms, höchstens $max_ms ms"
