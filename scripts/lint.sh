#!/usr/bin/env bash
# clang-tidy over the project's own sources. Each file is checked with the compile
# commands of the first build folder that compiles it (dev, then release for the
# benchmarks, then fuzz for the fuzz target).
set -euo pipefail
cd "$(dirname "$0")/.."
[ "$#" -gt 0 ] || set -- build/dev
list="$(mktemp)"
trap 'rm -f "$list"' EXIT
for f in $(git ls-files 'src/*.cpp' 'tests/*.cpp' 'bench/*.cpp' 'fuzz/*.cpp' | grep -v '^src/core/codec/cp936_table'); do
  for build in "$@"; do
    if grep -q "\"file\": \".*/$f\"" "$build/compile_commands.json"; then
      echo "$build $f" >>"$list"
      break
    fi
  done
done
# clang-tidy counts the warnings it suppressed in system headers on stderr; keep only findings.
xargs -P "${JOBS:-2}" -L 1 sh -c 'clang-tidy -p "$0" --quiet "$1"' <"$list" 2>&1 \
  | { grep -v 'warnings generated\.$' || true; }
