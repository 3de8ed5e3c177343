#!/bin/bash
# Writes the template of every text a user can see, as xgettext finds it in
# the sources (uebersetzt(...) and N_(...) in C++, the same in the page's
# scripts), to the file named: po/katalog_pruefen.py compares the catalogues
# with it and scripts/katalog merges it into them.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
ziel=$1
gemeinsam=(--from-code=UTF-8 -k -kuebersetzt -kuebersetzt_q -kN_ --add-comments=Übersetzer --sort-by-file
  --package-name=vandrel --msgid-bugs-address=vandrel@users.noreply.github.com)
# The language of each file comes from its ending (.js is JavaScript).
# xgettext writes nothing where it finds no text; the template is then empty.
rm -f "$ziel"
xgettext "${gemeinsam[@]}" -C -o "$ziel" lens/*.cpp lens/*.h render/*.cpp render/*.h \
  form/*.cpp form/*.h ui/*.cpp ui/*.h web/*.cpp
xgettext "${gemeinsam[@]}" -L JavaScript -o "$ziel.js" web/*.js
if [ -f "$ziel.js" ]; then
  if [ -f "$ziel" ]; then msgcat --use-first -o "$ziel" "$ziel" "$ziel.js"; else mv "$ziel.js" "$ziel"; fi
  rm -f "$ziel.js"
fi
touch "$ziel"
