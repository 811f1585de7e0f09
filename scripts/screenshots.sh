#!/usr/bin/env bash
# Regenerates the README pictures in docs/ from the real programs, run under Xvfb:
# jugview on solution 12, tileview's first and last pages, and an excerpt of juglist.
set -euo pipefail
cd "$(dirname "$0")/.."

./scripts/install-deps.sh
./scripts/build.sh >/dev/null
bin=$PWD/build/bin
docs=$PWD/docs
mkdir -p "$docs"

. "$PWD/scripts/xvfb.sh"

# The id of the running program's window, looked up at each use rather than kept: at
# start-up SDL shows a first window for about a millisecond before the one the program
# draws in, so a window counts only once it is still shown a moment after it is found.
window() {
  local found
  for _ in $(seq 50); do
    found=$(xdotool search --sync --onlyvisible --pid "$program_pid" | head -n 1)
    sleep 0.2
    if xdotool search --onlyvisible --pid "$program_pid" | grep -x "$found" >/dev/null; then
      echo "$found"
      return
    fi
  done
  echo "no window of $program_pid stays shown" >&2
  return 1
}

# Starts a window program from build/bin as $program_pid, and waits for its window.
start() {
  (cd "$bin" && exec "./$1") </dev/null >/dev/null &
  program_pid=$!
  window >/dev/null
}

# Presses the space bar n times, letting each page finish.
turn_pages() {
  xdotool windowfocus --sync "$(window)"
  for _ in $(seq "$1"); do xdotool key space; sleep 0.3; done
  sleep 0.5
}

snap() { import -window "$(window)" "$docs/$1"; echo "docs/$1"; }

start jugview
sleep 0.5
turn_pages 11
snap jugview-solution-12.png
kill "$program_pid"; wait "$program_pid" 2>/dev/null || true

start tileview
sleep 0.5
snap tileview-page-1.png
turn_pages 5
snap tileview-last-page.png
kill "$program_pid"; wait "$program_pid" 2>/dev/null || true
program_pid=

# The first solutions and the summary of juglist, as its own output prints them, under
# the command line that started it.
excerpt=$(printf '$ ./run.sh juglist\n'; "$bin/juglist" </dev/null | sed -n '1,9p;28,$p')
convert -background black -fill '#d0d0d0' -font /usr/share/fonts/truetype/liberation2/LiberationMono-Regular.ttf \
  -pointsize 14 "label:$excerpt" -bordercolor black -border 12 "$docs/juglist-excerpt.png"
echo docs/juglist-excerpt.png

# No creation dates in the files, so that an unchanged picture stays byte for byte the same.
mogrify -strip "$docs"/*.png
