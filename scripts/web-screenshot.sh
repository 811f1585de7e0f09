#!/usr/bin/env bash
# Regenerates the README's pictures of the web page, docs/web-page-1280.png, -1920.png and
# -390.png: the page in headless Chromium at three screen sizes, tileview stepping through
# the 4x3 board with its panels, as the web page's classroom test leaves it; and
# docs/web-own-search.png, "Your own search" showing N-queens at its first solution.
# With SKIP_INSTALL_AND_BUILD=1 (as scripts/screenshots.sh calls it, having done both) it
# neither installs the packages nor builds the desktop programs; it builds the web page always.
set -euo pipefail
cd "$(dirname "$0")/.."

if [ "${SKIP_INSTALL_AND_BUILD:-}" != 1 ]; then
  ./scripts/install-deps.sh
  ./scripts/build.sh >/dev/null
fi
./scripts/build-web.sh >/dev/null
node tests/web/classroom_test.js build-web/site build/bin docs >/dev/null
node tests/web/own_search_test.js build-web/site build/tests/web/step_keys_probe docs >/dev/null
# No creation dates in the files, so that an unchanged picture stays byte for byte the same.
mogrify -strip docs/web-page-*.png docs/web-own-search.png
ls docs/web-page-*.png docs/web-own-search.png
