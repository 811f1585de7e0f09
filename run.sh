#!/usr/bin/env bash
# Builds everything and runs one program from build/bin, from whatever folder it is started
# in, with any options given after the program's name:
#   ./run.sh [juglist|jugview|tileview|tilelist|permlist|tracetree] [options]
# ./run.sh web builds the programs for the browser and serves their page on this machine.
set -euo pipefail
# The project's folder, also when this script is started through a link to it.
root=$(cd -P -- "$(dirname -- "$(readlink -f -- "${BASH_SOURCE[0]}")")" >/dev/null && pwd)

program=${1:-juglist}
case "$program" in
  juglist|jugview|tileview|tilelist|permlist|tracetree|web) ;;
  *) echo "usage: ./run.sh [juglist|jugview|tileview|tilelist|permlist|tracetree] [options] | ./run.sh web" >&2; exit 2 ;;
esac
shift $(($# > 0 ? 1 : 0))

if [ "$program" = web ]; then
  "$root/scripts/install-deps.sh" web
  if ! command -v em-config >/dev/null; then
    echo "Emscripten is not installed (Debian package emscripten): no web build." >&2
    exit 1
  fi
  "$root/scripts/build-web.sh" >/dev/null
  port=${PORT:-8000}
  echo "The page: http://127.0.0.1:$port/   (Ctrl-C stops the server)"
  exec python3 -m http.server "$port" --bind 127.0.0.1 --directory "$root/build-web/site"
fi

"$root/scripts/install-deps.sh" build
"$root/scripts/build.sh" >/dev/null

if [ ! -x "$root/build/bin/$program" ]; then
  echo "$program is not built yet." >&2
  exit 1
fi
# The window programs find their font beside them, whatever the working directory.
exec "$root/build/bin/$program" "$@"
