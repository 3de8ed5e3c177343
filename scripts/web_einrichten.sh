# Set-up of the browser edition, shared by scripts/web and scripts/test:
# installs Debian's Emscripten, Chromium and Firefox ESR where missing and builds the page
# into $BAU/web/seite. Sourced after einrichten.sh, not run.

WEB_PAKETE=(emscripten chromium firefox-esr python3-fonttools python3-brotli)
# The test driver needs node 20 and npm; machines of this project's kind
# bring both, a bare Debian gets its own.
command -v npm > /dev/null || WEB_PAKETE+=(nodejs npm)

pakete_installieren "${WEB_PAKETE[@]}"

if ! grep -q '^VANDREL_WEB:BOOL=ON$' "$BAU/CMakeCache.txt"; then
  cmake -DVANDREL_WEB=ON "$BAU" > /dev/null
fi
cmake --build "$BAU" -j2
SEITE=$BAU/web/seite

# The browser-test driver, from the committed lock file; once installed, it
# is installed again only when the lock changes.
web_testtreiber() {
  local treiber=$BAU/web_test
  if ! cmp -s "$WURZEL/web/test/package-lock.json" "$treiber/package-lock.json" ||
     [ ! -f "$treiber/node_modules/puppeteer-core/package.json" ]; then
    mkdir -p "$treiber"
    cp "$WURZEL/web/test/package.json" "$WURZEL/web/test/package-lock.json" "$treiber/"
    (cd "$treiber" && npm ci --ignore-scripts --no-audit --no-fund --loglevel=error)
  fi
}
