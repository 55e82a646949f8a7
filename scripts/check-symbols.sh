#!/usr/bin/env bash
# Fails when a global symbol is defined in more than one object file of the
# given static libraries: such a program links only by the order of the
# libraries, and the copy that wins may change silently.
set -euo pipefail
# Strong definitions only: weak ones (inline functions, templates) may repeat.
dups=$(nm -A -P -g --defined-only "$@" | awk '$3 ~ /^[TDBR]$/ { print $2 }' | sort | uniq -d)
if [ -n "$dups" ]; then
  echo "Global symbols defined more than once:"
  for sym in $dups; do
    echo "  $(c++filt "$sym")"
    nm -A -P -g --defined-only "$@" | awk -v s="$sym" '$2 == s && $3 ~ /^[TDBR]$/ { print "    " $1 }'
  done
  exit 1
fi
echo "No global symbol is defined twice in $# libraries."
