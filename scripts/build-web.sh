#!/usr/bin/env bash
# Builds the programs for the browser with Emscripten into build-web/site/: the page, its
# scripts and each program's .js and .wasm, a folder that any static web host can serve.
# In CI (CI set) warnings are errors.
set -euo pipefail
cd "$(dirname "$0")/.."

build_dir=${WEB_BUILD_DIR:-build-web}
extra=()
[ -n "${CI:-}" ] && extra+=(-DWARNINGS_AS_ERRORS=ON)
# Emscripten's JavaScript optimizer loads Debian's acorn, which node looks for only here.
export NODE_PATH=${NODE_PATH:+$NODE_PATH:}/usr/share/nodejs
toolchain=$(em-config EMSCRIPTEN_ROOT)/cmake/Modules/Platform/Emscripten.cmake
cmake -S . -B "$build_dir" -DCMAKE_TOOLCHAIN_FILE="$toolchain" "${extra[@]}" "$@" >/dev/null
cmake --build "$build_dir" -j"$(nproc)"
