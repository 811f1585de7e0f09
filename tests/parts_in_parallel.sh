#!/usr/bin/env bash
# Counts cut into parts and run by GNU parallel, as they would be across machines: each part
# prints its closing line with the part named, and the parts' counts add up to the whole.
# Usage: tests/parts_in_parallel.sh BIN_DIR
set -euo pipefail
bin=$1
parts=16

# The program's arguments, the awk field of the whole run's count, that of a part's count.
check() {
  local whole_field=$1 part_field=$2; shift 2
  local whole lines sum
  whole=$("$@" --count --no-wait </dev/null | awk "NF { print \$$whole_field }")
  lines=$(parallel --will-cite -q -k -j2 "$@" --count --no-wait --jobs 1 --part {}/$parts \
            ::: $(seq $parts) </dev/null)
  sum=$(awk "{ s += \$$part_field } END { print s }" <<<"$lines")
  if [ "$sum" != "$whole" ] || [ "$(grep -c "^part [0-9]*/$parts: " <<<"$lines")" != $parts ]; then
    echo "$*: the parts add up to $sum, the whole is $whole:"
    echo "$lines"
    exit 1
  fi
  echo "$*: $parts parts add up to $whole"
}

check NF NF "$bin/tilelist" --board 8x6
check 6 8 "$bin/juglist" --jugs 12,8,5 --goal '6,6,*'
