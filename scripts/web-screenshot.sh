#!/usr/bin/env bash
# Regenerates the README's picture of the web page, docs/web-page.png, from the web build
# in headless Chromium.
set -euo pipefail
cd "$(dirname "$0")/.."

./scripts/install-deps.sh
./scripts/build-web.sh >/dev/null
node scripts/web-screenshot.js build-web/site docs/web-page.png
# No creation dates in the file, so that an unchanged picture stays byte for byte the same.
mogrify -strip docs/web-page.png
echo docs/web-page.png
