#!/usr/bin/env bash
# The worst accepted redraw in headless Chromium against the native one:
#   bench/web_bench.sh BUILD [REDRAWS]
# BUILD is a build folder with the browser edition and its test driver
# (scripts/test makes both) and bench_vandrel.
set -euo pipefail
BAU=$(cd "${1:?build folder}" && pwd)
NODE_PATH="$BAU/web_test/node_modules" exec node "$(dirname "$0")/web_bench.cjs" \
  "$BAU/web/seite" "$BAU/bench/bench_vandrel" "${2:-40}"
