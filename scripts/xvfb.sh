# Sourced by the scripts that run the window programs: starts an Xvfb server on a free
# display, exports DISPLAY, and stops the server (and $program_pid, if set) on exit.
# Xvfb picks the display itself and names it once it takes connections (-displayfd): on a
# busy machine that can take seconds, and a program started earlier finds no display.
display_file=$(mktemp)
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$display_file" >/dev/null 2>&1 &
xvfb_pid=$!
program_pid=
stop_xvfb() {
  [ -n "$program_pid" ] && kill -9 "$program_pid" 2>/dev/null || true
  kill "$xvfb_pid" 2>/dev/null || true
  rm -f "$display_file"
}
trap stop_xvfb EXIT
for _ in $(seq 300); do [ -s "$display_file" ] && break; sleep 0.1; done
if [ ! -s "$display_file" ]; then
  echo "Xvfb did not start within 30 s" >&2
  exit 1
fi
export DISPLAY=":$(head -n 1 "$display_file")"
unset SDL_VIDEODRIVER
