#!/usr/bin/env bash
# Installs into a temporary prefix and checks that every file is where a
# desktop expects it.
set -euo pipefail
bau=$1
ziel=$(mktemp -d)
trap 'rm -rf "$ziel"' EXIT
cmake --install "$bau" --prefix "$ziel" > /dev/null
fehler=0
for datei in bin/vandrel share/applications/vandrel.desktop \
             share/icons/hicolor/16x16/apps/vandrel.png share/icons/hicolor/32x32/apps/vandrel.png \
             share/icons/hicolor/scalable/apps/vandrel.svg; do
  [ -s "$ziel/$datei" ] || { echo "fehlt: $datei"; fehler=1; }
done
[ -x "$ziel/bin/vandrel" ] || { echo "bin/vandrel ist nicht ausführbar"; fehler=1; }
grep -q '^Categories=Education;Science;Physics;$' "$ziel/share/applications/vandrel.desktop" || { echo "Kategorien fehlen"; fehler=1; }
grep -q '^Comment\[de\]=' "$ziel/share/applications/vandrel.desktop" || { echo "deutscher Kommentar fehlt"; fehler=1; }
# PNG header: width and height as 32-bit numbers at bytes 16..23
for kante in 16 32; do
  hex=$(head -c 24 "$ziel/share/icons/hicolor/${kante}x${kante}/apps/vandrel.png" | od -An -tx1 | tr -d ' \n')
  printf -v erwartet '%08x%08x' "$kante" "$kante"
  [ "${hex:32:16}" = "$erwartet" ] || { echo "Symbol ${kante}: falsche Größe"; fehler=1; }
done
if command -v desktop-file-validate > /dev/null; then
  desktop-file-validate "$ziel/share/applications/vandrel.desktop" || fehler=1
fi
[ $fehler -eq 0 ] && echo "Installation vollständig"
exit $fehler
