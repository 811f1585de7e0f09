# Sourced by the scripts that run the window programs: starts an Xvfb server on a free
# display, exports DISPLAY, and stops the server (and $program_pid, if set) on exit.
display=90
while [ -e "/tmp/.X11-unix/X$display" ]; do display=$((display + 1)); done
Xvfb ":$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
program_pid=
stop_xvfb() {
  [ -n "$program_pid" ] && kill -9 "$program_pid" 2>/dev/null || true
  kill "$xvfb_pid" 2>/dev/null || true
}
trap stop_xvfb EXIT
export DISPLAY=":$display"
unset SDL_VIDEODRIVER
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
