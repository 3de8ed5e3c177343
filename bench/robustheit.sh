#!/usr/bin/env bash
# Robustness figures: the random-input test at a large count, then the whole
# test suite and the program built with the address, undefined-behaviour and
# leak sanitizers.
# Usage: bench/robustheit.sh [count]   (default 100000)
set -euo pipefail
wurzel=$(cd "$(dirname "$0")/.." && pwd)
anzahl=${1:-100000}

VANDREL_BAU=$wurzel/build source "$wurzel/scripts/einrichten.sh"
echo "== Zufallseingaben: $anzahl"
VANDREL_ZUFALL_ANZAHL=$anzahl timeout 3600 \
  "$wurzel/build/tests/tests_modell" --gtest_filter='*Random*'

echo "== Sanitizer (address, undefined, leaks)"
VANDREL_BAU=$wurzel/build-asan VANDREL_CMAKE_FLAGS="-DVANDREL_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug" \
  source "$wurzel/scripts/einrichten.sh"
cd "$wurzel/build-asan"
# The leak checker runs at the exit of every test program; what it may ignore
# is listed, with the reason, in the suppressions file.
export ASAN_OPTIONS=detect_leaks=1
export LSAN_OPTIONS="suppressions=$wurzel/bench/lsan_unterdrueckungen.txt:print_suppressions=1"
export UBSAN_OPTIONS=print_stacktrace=1
ctest --output-on-failure -E '^e2e_|installation' -j2

# The real program on the X platform, through the end-to-end session up to
# "Ende": a leak makes it exit with a status the session reports. The leak
# check at exit takes its time, so "Ende" may take longer here.
echo "== Sanitizer: Programm unter Xvfb"
E2E_ENDE_MS=20000 E2E_AUSGABE="$wurzel/build-asan/e2e" \
  bash "$wurzel/tests/e2e/eingabe.sh" "$wurzel/build-asan/vandrel" \
  "$wurzel/build-asan/tests/bildschirmfoto" "$wurzel/build-asan/tests/ablageverwalter"
grep -A4 "Suppressions used" "$wurzel/build-asan/e2e/vandrel.log" || true
