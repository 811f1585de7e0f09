#!/usr/bin/env bash
# Fails when a C++ file of the project is not formatted as .clang-format says.
# With --fix, formats them instead.
set -euo pipefail
cd "$(dirname "$0")/.."
files=$(git ls-files '*.cpp' '*.h')
if [ "${1:-}" = "--fix" ]; then
  clang-format -i $files
else
  clang-format --dry-run --Werror $files
fi
