#!/usr/bin/env bash
# Builds the sanitizer configuration and runs the whole test suite under CTest.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/build.sh sanitize
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export LSAN_OPTIONS="suppressions=$PWD/scripts/lsan.supp:print_suppressions=0"
ctest --test-dir build-sanitize --output-on-failure -j "$(nproc)"
