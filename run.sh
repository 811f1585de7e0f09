#!/usr/bin/env bash
# Builds everything and runs one program from build/bin: ./run.sh [juglist|jugview|tileview|tilelist|permlist]
set -euo pipefail
cd "$(dirname "$0")"

program=${1:-juglist}
case "$program" in
  juglist|jugview|tileview|tilelist|permlist) ;;
  *) echo "usage: ./run.sh [juglist|jugview|tileview|tilelist|permlist]" >&2; exit 2 ;;
esac

./scripts/install-deps.sh
./scripts/build.sh >/dev/null

if [ ! -x "build/bin/$program" ]; then
  echo "$program is not built yet." >&2
  exit 1
fi
# The window programs open "times.ttf" from the working directory, which the build puts
# beside them.
cd build/bin
exec "./$program"
