#!/usr/bin/env bash
# Robustness figures: the random-input test at a large count, then the whole
# test suite built with the address and undefined-behaviour sanitizers.
# Usage: bench/robustheit.sh [count]   (default 100000)
set -euo pipefail
wurzel=$(cd "$(dirname "$0")/.." && pwd)
anzahl=${1:-100000}

VANDREL_BAU=$wurzel/build source "$wurzel/scripts/einrichten.sh"
echo "== Zufallseingaben: $anzahl"
VANDREL_ZUFALL_ANZAHL=$anzahl timeout 3600 \
  "$wurzel/build/tests/tests_modell" --gtest_filter='*Random*'

echo "== Sanitizer (address, undefined)"
VANDREL_BAU=$wurzel/build-asan VANDREL_CMAKE_FLAGS="-DVANDREL_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug" \
  source "$wurzel/scripts/einrichten.sh"
cd "$wurzel/build-asan"
ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1 ctest --output-on-failure -E '^e2e_|installation' -j2
