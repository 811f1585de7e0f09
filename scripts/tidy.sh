#!/usr/bin/env bash
# Runs clang-tidy with the checks of .clang-tidy over every C++ source of the project.
# Usage: scripts/tidy.sh [build-dir]   (the build dir must hold compile_commands.json)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
# The *_entry.cpp files only include a program's main file under another name. The browser's
# platform layer (web/) is built by Emscripten only, against its own headers.
{ git ls-files '*.cpp' 2>/dev/null || find . -path './build*' -prune -o -name '*.cpp' -print; } |
  grep -v -e '_entry\.cpp$' -e '^\(\./\)\?web/' |
  # The build's flags are GCC's: a warning option that clang does not know (GCC 12's
  # -Wno-restrict) is no fault of the code, also where -Werror makes it an error.
  xargs -P "$(nproc)" -n 4 clang-tidy -p "$build" --quiet --extra-arg=-Wno-unknown-warning-option
