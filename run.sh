#!/usr/bin/env bash
# Builds everything and runs one program from build/bin: ./run.sh [juglist|jugview|tileview|permlist]
# ./run.sh web builds the programs for the browser and serves their page on this machine.
set -euo pipefail
cd "$(dirname "$0")"

program=${1:-juglist}
case "$program" in
  juglist|jugview|tileview|permlist|web) ;;
  *) echo "usage: ./run.sh [juglist|jugview|tileview|permlist|web]" >&2; exit 2 ;;
esac

./scripts/install-deps.sh

if [ "$program" = web ]; then
  if ! command -v em-config >/dev/null; then
    echo "Emscripten is not installed (Debian package emscripten): no web build." >&2
    exit 1
  fi
  ./scripts/build-web.sh >/dev/null
  port=${PORT:-8000}
  echo "The page: http://127.0.0.1:$port/   (Ctrl-C stops the server)"
  exec python3 -m http.server "$port" --bind 127.0.0.1 --directory build-web/site
fi

./scripts/build.sh >/dev/null

if [ ! -x "build/bin/$program" ]; then
  echo "$program is not built yet." >&2
  exit 1
fi
# The window programs open "times.ttf" from the working directory, which the build puts
# beside them.
cd build/bin
exec "./$program"
