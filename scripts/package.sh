#!/usr/bin/env bash
# Builds the Debian package and the source tarball into build/packages/, named by the
# project's version, and shows what lintian says of the package:
#   build/packages/backtrack_VERSION_ARCH.deb
#   build/packages/backtrack-VERSION.tar.gz
set -euo pipefail
cd -P -- "$(dirname -- "$(readlink -f -- "${BASH_SOURCE[0]}")")/.." >/dev/null

./scripts/install-deps.sh
./scripts/build.sh >/dev/null
cd build
rm -f packages/*.deb packages/*.tar.gz
cpack -G DEB >/dev/null
cpack --config CPackSourceConfig.cmake >/dev/null
ls -1 "$PWD"/packages/*.deb "$PWD"/packages/*.tar.gz
# Errors fail; warnings and notes are shown.
lintian --fail-on error --display-info packages/*.deb
