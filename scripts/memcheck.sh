#!/usr/bin/env bash
# Runs each of the programs to its end under valgrind's memcheck, keys supplied:
# the console programs read their key from /dev/null, the window programs get key presses
# in an Xvfb server until they exit, and run once more writing their pages with --save, also in
# step mode; tracetree reads a trace from a pipe.
# Fails on any invalid read or write, any use of an uninitialised value, and any block
# definitely lost that the system libraries' suppressions in scripts/valgrind.supp do not
# name.
set -euo pipefail
cd "$(dirname "$0")/.."

./scripts/install-deps.sh
./scripts/build.sh >/dev/null
bin=$PWD/build/bin
logs=$PWD/build/memcheck
mkdir -p "$logs"

memcheck=(valgrind --tool=memcheck --error-exitcode=99 --leak-check=full
          --show-leak-kinds=definite --errors-for-leak-kinds=definite --keep-debuginfo=yes --num-callers=30
          --suppressions="$PWD/scripts/valgrind.supp" --gen-suppressions=all)

status=0
report() {
  if [ "$2" -eq 0 ]; then
    echo "memcheck $1: clean"
  else
    echo "memcheck $1: FAILED (status $2), log in build/memcheck/$1.log"
    grep -E '^==[0-9]+== (Invalid|Conditional|Use of|Syscall|.*definitely lost)' "$logs/$1.log" | head -20 || true
    status=1
  fi
}

for program in juglist permlist tilelist; do
  rc=0
  (cd "$bin" && "${memcheck[@]}" "./$program") </dev/null >/dev/null 2>"$logs/$program.log" || rc=$?
  report "$program" "$rc"
done

# tracetree reading juglist's trace and drawing its tree.
rc=0
(cd "$bin" && ./juglist --trace --no-wait | "${memcheck[@]}" ./tracetree --tree "$logs/tracetree.svg") \
  >/dev/null 2>"$logs/tracetree.log" || rc=$?
report tracetree "$rc"

# Counts on threads and in parts, and estimates, each run under its own name.
long_runs=(
  "tilelist-count-threads tilelist --board 6x6 --count --jobs 3"
  "juglist-count-part juglist --count --jobs 3 --part 2/3"
  "tilelist-estimate tilelist --estimate --probes 2000 --jobs 2"
  "juglist-estimate juglist --estimate --probes 2000"
  "permlist-estimate permlist --estimate --probes 2000"
)
for run in "${long_runs[@]}"; do
  read -r name program arguments <<<"$run"
  rc=0
  (cd "$bin" && "${memcheck[@]}" "./$program" $arguments --no-wait) </dev/null >/dev/null \
    2>"$logs/$name.log" || rc=$?
  report "$name" "$rc"
done

# The window programs writing their pages as files: no display, no keys.
for program in jugview tileview; do
  rc=0
  pages=$(mktemp -d)
  (cd "$bin" && "${memcheck[@]}" "./$program" --save "$pages") </dev/null >/dev/null \
    2>"$logs/$program-save.log" || rc=$?
  rm -rf "$pages"
  report "$program-save" "$rc"
done

# Step mode writing every step as a page, on small instances: the record of the steps, the
# views rebuilt from it, and the tree view with its tree.
while read -r name program arguments; do
  rc=0
  pages=$(mktemp -d)
  # shellcheck disable=SC2086 # the arguments are words
  (cd "$bin" && "${memcheck[@]}" "./$program" $arguments --save "$pages") </dev/null \
    >/dev/null 2>"$logs/$name.log" || rc=$?
  rm -rf "$pages"
  report "$name" "$rc"
done <<'RUNS'
jugview-steps jugview --jugs 4,3,1 --goal *,*,1 --steps
tileview-steps-tree tileview --board 2x4 --steps --view tree
RUNS

. "$PWD/scripts/xvfb.sh"

for program in jugview tileview; do
  (cd "$bin" && exec "${memcheck[@]}" "./$program") </dev/null >/dev/null 2>"$logs/$program.log" &
  program_pid=$!
  # Keys go in until the program has ended: extra ones are never read.
  for _ in $(seq 600); do
    kill -0 "$program_pid" 2>/dev/null || break
    window=$(xdotool search --pid "$program_pid" 2>/dev/null | head -n 1 || true)
    if [ -n "$window" ]; then
      xdotool windowfocus "$window" key space 2>/dev/null || true
    fi
    sleep 0.5
  done
  rc=0
  if kill -0 "$program_pid" 2>/dev/null; then
    kill -9 "$program_pid" 2>/dev/null || true
    rc=124
  fi
  wait "$program_pid" || rc=$?
  program_pid=
  report "$program" "$rc"
done
exit $status
