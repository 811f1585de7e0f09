#!/usr/bin/env bash
# Fails when a manual page makes groff warn (groff -man -ww -z) or lacks one of the sections
# every page of the project has. Usage: scripts/check-manual.sh PAGE...
set -euo pipefail
sections=(NAME SYNOPSIS DESCRIPTION OPTIONS '"EXIT STATUS"' FILES EXAMPLES)
status=0
for page in "$@"; do
  warnings=$(groff -man -ww -z "$page" 2>&1) || true
  if [ -n "$warnings" ]; then
    echo "$page: groff warns:"; echo "$warnings"; status=1
  fi
  for s in "${sections[@]}"; do
    if ! grep -qx "\.SH $s" "$page"; then
      echo "$page: no section $s"; status=1
    fi
  done
done
exit $status
