#!/usr/bin/env bash
# ESLint (installed by scripts/install-deps.sh into tests/web/node_modules, its rules in
# tests/web/eslint.config.js) over the page's JavaScript and the web tests; a warning fails
# it too. Where ESLint is not installed it says so and exits 77, which CTest counts as skipped.
set -euo pipefail
cd "$(dirname "$0")/.."
eslint=tests/web/node_modules/eslint/bin/eslint.js
if ! command -v node >/dev/null || [ ! -f "$eslint" ]; then
  echo "ESLint is not installed (scripts/install-deps.sh installs it in tests/web): skipped"
  exit 77
fi
exec node "$eslint" --config tests/web/eslint.config.js --max-warnings 0 "$@" web tests/web
