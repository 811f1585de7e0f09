#!/usr/bin/env bash
# Installs what is missing, builds, and runs the whole test suite through CTest.
#   ./test.sh             the normal build, in build/: every test (what CI runs)
#   ./test.sh --sanitize  the same suite built with AddressSanitizer (leak checks included)
#                         and UndefinedBehaviorSanitizer, in build-sanitize/
#   ./test.sh --quick     for a change in progress: the normal build, in build/, and the unit,
#                         console, window, end-to-end and install tests with the quick static
#                         checks; it installs nothing, and leaves out clang-tidy, the web build
#                         and its tests, the package test and the sanitizers
set -euo pipefail
# The project's folder, whatever folder this is started from, also through a link to it.
cd -P -- "$(dirname -- "$(readlink -f -- "${BASH_SOURCE[0]}")")" >/dev/null

mode=${1:-}
if [ $# -gt 1 ] || { [ -n "$mode" ] && [ "$mode" != --sanitize ] && [ "$mode" != --quick ]; }; then
  echo "test.sh: unknown option '$*'" >&2
  echo "Usage: ./test.sh [--sanitize | --quick]" >&2
  exit 2
fi

ctest_selection=()
if [ "$mode" = --quick ]; then
  # The labels and the test that take minutes or need more than the build: ctest -L web,
  # -L package and the tidy test of -L static.
  ctest_selection=(-LE '^(web|package)$' -E '^tidy$')
else
  ./scripts/install-deps.sh
fi

if [ "$mode" = --sanitize ]; then
  export BUILD_DIR=build-sanitize
  ./scripts/build.sh -DSANITIZE=ON
  # Full unwinding lets the leak report see which library call made a block, so that
  # tests/lsan.supp can name the system libraries' own leaks and nothing else.
  export ASAN_OPTIONS=detect_leaks=1:fast_unwind_on_malloc=0:strict_string_checks=1
  export LSAN_OPTIONS=suppressions=$PWD/tests/lsan.supp:print_suppressions=0
  export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
else
  export BUILD_DIR=build
  ./scripts/build.sh
fi

cd "$BUILD_DIR"
ctest --output-on-failure -j2 "${ctest_selection[@]}"
