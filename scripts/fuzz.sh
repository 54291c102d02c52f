#!/usr/bin/env bash
# Runs every libFuzzer target of a fuzz build for a bounded time each.
set -euo pipefail
BUILD="${1:-build/fuzz}"
SECONDS_EACH="${2:-60}"
found=0
for fuzzer in "$BUILD"/fuzz/*_fuzzer; do
  [ -x "$fuzzer" ] || continue
  found=1
  corpus="$(mktemp -d)"
  echo "--- $(basename "$fuzzer") for ${SECONDS_EACH} s"
  "$fuzzer" -max_total_time="$SECONDS_EACH" -print_final_stats=1 "$corpus" 2>&1 | tail -n 12
  rm -rf "$corpus"
done
[ "$found" -eq 1 ] || { echo "no fuzz target in $BUILD/fuzz" >&2; exit 1; }
