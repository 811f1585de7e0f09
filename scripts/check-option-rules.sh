#!/usr/bin/env bash
# Fails unless the table under "## Combinations refused" in docs/options.md states the rules
# between options as the programs hold them: a row for each rule, in the order they are
# checked, whose last cell is the rule's message as code, any value standing for {value}.
# Usage: scripts/check-option-rules.sh RULE_LIST (the program that prints the rules)
set -euo pipefail
cd "$(dirname "$0")/.."
rules=$("$1")
# The rows' last cells that are code, the code marks taken off.
mapfile -t stated < <(awk '/^## /{ on = $0 == "## Combinations refused" } on' docs/options.md |
                      sed -n 's/^|.*| `\(.*\)` |$/\1/p')
status=0
k=0
while IFS=$'\t' read -r rule message; do
  # The message as a basic regular expression: its own characters plain, {value} any value.
  pattern=$(printf '%s' "$message" | sed -e 's/[][\.*^$]/\\&/g' -e 's/{value}/[^`]*/')
  if ! printf '%s\n' "${stated[k]:-}" | grep -qx -- "$pattern"; then
    echo "docs/options.md, combinations refused, row $((k + 1)) is not $rule: $message"
    status=1
  fi
  k=$((k + 1))
done <<< "$rules"
if [ "${#stated[@]}" -ne "$k" ]; then
  echo "docs/options.md, combinations refused: ${#stated[@]} rows for $k rules"
  status=1
fi
exit $status
