#!/usr/bin/env bash
# Applies the project's .clang-format to the C++ sources under src/, tests/ and bench/.
# Generated sources (the PDF writer's font tables) are left as their generator writes them.
# Usage: scripts/format.sh [--check]   (--check lists the files it would change, exit 1 if any)
set -euo pipefail
cd "$(dirname "$0")/.."
format=${CLANG_FORMAT:-clang-format}
mapfile -t files < <(git ls-files 'src/*.cpp' 'src/*.h' 'tests/*.cpp' 'tests/*.h' 'bench/*.cpp' 'bench/*.h' |
                     grep -v '^src/pdf/cpdfFontTables\.cpp$')
if [ "${1:-}" = "--check" ]; then
  changed=0
  for f in "${files[@]}"; do
    if ! "$format" --style=file "$f" | cmp -s - "$f"; then echo "$f"; changed=1; fi
  done
  exit $changed
fi
"$format" --style=file -i "${files[@]}"
