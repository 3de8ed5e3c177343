#!/usr/bin/env bash
# The distribution's own checkers on what the package ships: the AppStream
# metainfo, the desktop entry, the manual page, and lintian on the package
# itself, built into a temporary folder.
set -euo pipefail
quelle=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
bau=$1
ziel=$(mktemp -d)
trap 'rm -rf "$ziel"' EXIT
fehler=0
melde() { echo "$1"; fehler=1; }

for werkzeug in appstreamcli desktop-file-validate groff mandoc lintian cpack; do
  command -v "$werkzeug" > /dev/null || melde "fehlt: $werkzeug (scripts/einrichten.sh installiert es)"
done
[ $fehler -eq 0 ] || exit 1

appstreamcli validate --no-net "$quelle/io.github.vandrel.Vandrel.metainfo.xml" > "$ziel/appstream.txt" 2>&1 \
  || { cat "$ziel/appstream.txt"; melde "appstreamcli: Metainfo ungültig"; }
desktop-file-validate "$quelle/io.github.vandrel.Vandrel.desktop" || melde "desktop-file-validate: Fehler"

# Both renderers, warnings included, on the English and the German page:
# neither may say anything.
for seite in vandrel.1 vandrel.de.1; do
  meldungen=$(groff -ww -z -man -Tutf8 "$quelle/$seite" 2>&1 || echo "groff endete mit $?")
  [ -z "$meldungen" ] || { echo "$meldungen"; melde "groff: Meldungen zur Handbuchseite $seite"; }
  meldungen=$(mandoc -T lint "$quelle/$seite" 2>&1 || echo "mandoc endete mit $?")
  [ -z "$meldungen" ] || { echo "$meldungen"; melde "mandoc: Meldungen zur Handbuchseite $seite"; }
done

cpack -G DEB -B "$ziel/paket" --config "$bau/CPackConfig.cmake" > "$ziel/cpack.txt" 2>&1 \
  || { cat "$ziel/cpack.txt"; melde "cpack: Paket nicht gebaut"; }
paket=$(ls "$ziel"/paket/*.deb 2>/dev/null | head -n1)
if [ -n "$paket" ]; then
  # Errors and warnings fail; what lintian only mentions is shown.
  lintian --fail-on error,warning "$paket" 2> /dev/null || melde "lintian: Fehler oder Warnungen"
fi

[ $fehler -eq 0 ] && echo "Prüfer zufrieden"
exit $fehler
