#!/usr/bin/env bash
# Builds everything and runs one program from build/bin, from whatever folder it is started
# in, with any options given after the program's name:
#   ./run.sh [juglist|jugview|tileview|permlist] [options]
set -euo pipefail
# The project's folder, also when this script is started through a link to it.
root=$(cd -P -- "$(dirname -- "$(readlink -f -- "${BASH_SOURCE[0]}")")" >/dev/null && pwd)

program=${1:-juglist}
case "$program" in
  juglist|jugview|tileview|permlist) ;;
  *) echo "usage: ./run.sh [juglist|jugview|tileview|permlist] [options]" >&2; exit 2 ;;
esac
shift $(($# > 0 ? 1 : 0))

"$root/scripts/install-deps.sh"
"$root/scripts/build.sh" >/dev/null

if [ ! -x "$root/build/bin/$program" ]; then
  echo "$program is not built yet." >&2
  exit 1
fi
# The window programs find their font beside them, whatever the working directory.
exec "$root/build/bin/$program" "$@"
