#!/usr/bin/env bash
# Regenerates the README's pictures of the web page, docs/web-page-1280.png, -1920.png and
# -390.png: the page in headless Chromium at three screen sizes, tileview stepping through
# the 4x3 board with its panels, as the web page's classroom test leaves it; and
# docs/web-own-search.png, "Your own search" showing N-queens at its first solution.
set -euo pipefail
cd "$(dirname "$0")/.."

./scripts/install-deps.sh
./scripts/build.sh >/dev/null
./scripts/build-web.sh >/dev/null
node tests/web/classroom_test.js build-web/site build/bin docs >/dev/null
node tests/web/own_search_test.js build-web/site build/tests/web/step_keys_probe docs >/dev/null
# No creation dates in the files, so that an unchanged picture stays byte for byte the same.
mogrify -strip docs/web-page-*.png docs/web-own-search.png
ls docs/web-page-*.png docs/web-own-search.png
