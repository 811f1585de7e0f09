#!/usr/bin/env bash
# Configures and builds into build/. In CI (CI set) warnings are errors.
set -euo pipefail
cd "$(dirname "$0")/.."

build_dir=${BUILD_DIR:-build}
extra=()
[ -n "${CI:-}" ] && extra+=(-DWARNINGS_AS_ERRORS=ON)
cmake -S . -B "$build_dir" "${extra[@]}" "$@" >/dev/null
cmake --build "$build_dir" -j"$(nproc)"
