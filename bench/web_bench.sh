#!/usr/bin/env bash
# The worst accepted redraw in headless Chromium against the native one,
# then the object dragged in the page (web_ziehen.cjs):
#   bench/web_bench.sh BUILD [REDRAWS] [MOVES]
# BUILD is a build folder with the browser edition and its test driver
# (scripts/test makes both) and bench_vandrel.
set -euo pipefail
BAU=$(cd "${1:?build folder}" && pwd)
export NODE_PATH="$BAU/web_test/node_modules"
node "$(dirname "$0")/web_bench.cjs" "$BAU/web/seite" "$BAU/bench/bench_vandrel" "${2:-40}"
echo
node "$(dirname "$0")/web_ziehen.cjs" "$BAU/web/seite" "${3:-120}"
