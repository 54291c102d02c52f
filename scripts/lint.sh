#!/usr/bin/env bash
# clang-tidy over the project's own sources, with the compile commands of a build folder.
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD="${1:-build/dev}"
git ls-files 'src/*.cpp' 'tests/*.cpp' 'bench/*.cpp' 'fuzz/*.cpp' \
  | grep -v '^src/core/codec/cp936_table' \
  | while read -r f; do grep -q "\"file\": \".*/$f\"" "$BUILD/compile_commands.json" && echo "$f"; done \
  | xargs -P "${JOBS:-2}" -n 4 clang-tidy -p "$BUILD" --quiet
