#!/usr/bin/env bash
# Time from the start of the program to its first drawn picture, and its peak
# resident memory, under Xvfb. Usage: bench/startzeit.sh [build dir] [runs]
set -euo pipefail
bau=${1:-$(dirname "$0")/../build}
laeufe=${2:-10}
anzeige=:73
Xvfb $anzeige -screen 0 1280x800x24 -nolisten tcp > /dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null || true' EXIT
for _ in $(seq 50); do xdpyinfo -display $anzeige > /dev/null 2>&1 && break; sleep 0.1; done
summe=0; max_ms=0; max_rss=0
for i in $(seq "$laeufe"); do
  start=$(date +%s%N)
  ausgabe=$(DISPLAY=$anzeige VANDREL_STARTZEIT=ende timeout 20 "$bau/vandrel")
  bild=$(sed -n 's/^erstes_bild_ns //p' <<< "$ausgabe")
  rss=$(sed -n 's/^spitze_rss \([0-9]*\).*/\1/p' <<< "$ausgabe")
  ms=$(( (bild - start) / 1000000 ))
  echo "Lauf $i: erstes Bild nach $ms ms, Spitze $((rss / 1024)) MB ($rss kB)"
  summe=$((summe + ms)); (( ms > max_ms )) && max_ms=$ms; (( rss > max_rss )) && max_rss=$rss
done
echo "Mittel $((summe / laeufe)) ms, höchstens $max_ms ms; Spitze des Speichers höchstens $((max_rss / 1024)) MB"
