#!/usr/bin/env bash
# Fails when a relative link or picture of README.md or docs/*.md names a file that does not
# exist, relative to the page's folder. Anchors (#...) and absolute addresses (scheme:...) are
# not followed; a link's own anchor is cut off before its file is looked for. Fenced code
# blocks and code spans hold no links.
set -euo pipefail
cd "$(dirname "$0")/.."
status=0
for page in README.md docs/*.md; do
  folder=$(dirname "$page")
  # The targets of [text](target) and ![alt](target) outside code, one a line.
  targets=$(awk '/^ *```/ { code = !code; next } !code' "$page" | sed 's/`[^`]*`//g' |
            grep -oE '\]\([^)[:space:]]+' | cut -c3- || true)
  for target in $targets; do
    case "$target" in
      '#'* | *:*) continue ;;
    esac
    if [ ! -e "$folder/${target%%#*}" ]; then
      echo "$page: no file $target"
      status=1
    fi
  done
done
exit $status
