#!/usr/bin/env bash
# Runs every test: formatting and lint, the developer build with the unit, Qt and
# end-to-end tests, the unit tests under AddressSanitizer and UndefinedBehaviorSanitizer,
# and the fuzz target for a bounded time.
set -euo pipefail
cd "$(dirname "$0")/.."
JOBS="${JOBS:-2}"
FUZZ_SECONDS="${FUZZ_SECONDS:-60}"

step() { printf '\n=== %s\n' "$*"; }

# Every ctest run's summary is kept, so that the closing line can count them all.
SUMMARY="$(mktemp)"
trap 'rm -f "$SUMMARY"' EXIT
counted_ctest() { ctest "$@" | tee -a "$SUMMARY"; }

step "Formatting"
git ls-files '*.cpp' '*.h' | grep -v '^src/core/codec/cp936_table' | xargs clang-format --dry-run --Werror

step "Developer build and tests"
cmake --preset dev
cmake --build --preset dev -j "$JOBS"
counted_ctest --preset dev -j "$JOBS"

step "Lint"
cmake --preset release >/dev/null
cmake --preset fuzz >/dev/null
scripts/lint.sh build/dev build/release build/fuzz

step "Unit tests under AddressSanitizer and UndefinedBehaviorSanitizer"
cmake --preset sanitize
cmake --build --preset sanitize -j "$JOBS"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=0 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  counted_ctest --preset sanitize -j "$JOBS"

step "Fuzzing for ${FUZZ_SECONDS} s"
cmake --preset fuzz
cmake --build --preset fuzz -j "$JOBS"
scripts/fuzz.sh build/fuzz "$FUZZ_SECONDS"

step "All tests passed"
# ctest: "100% tests passed, 0 tests failed out of 105"
awk '/tests failed out of/ { failed += $4; total += $NF }
     END { printf "ctest: %d passed, %d failed\n", total - failed, failed }' "$SUMMARY"
