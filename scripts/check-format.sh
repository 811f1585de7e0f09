#!/usr/bin/env bash
# Fails when a C++ file of the project is not formatted as .clang-format says.
# With --fix, formats them instead.
set -euo pipefail
cd "$(dirname "$0")/.."
# The project's own files: those git tracks, or (outside a checkout) those outside build trees.
files=$(git ls-files '*.cpp' '*.h' 2>/dev/null ||
        find . -path './build*' -prune -o \( -name '*.cpp' -o -name '*.h' \) -print)
if [ "${1:-}" = "--fix" ]; then
  clang-format -i $files
else
  clang-format --dry-run --Werror $files
fi
