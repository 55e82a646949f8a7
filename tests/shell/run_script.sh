#!/usr/bin/env bash
# Runs the program on a script of user actions, headless, and compares what
# it prints with the script's .out file beside it.
set -uo pipefail
program=$(realpath "$1") script=$(realpath "$2")
expected=${script%.vz}.out
# Files the script makes go to a fresh folder, its current one.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
actual=$(cd "$work" && QT_QPA_PLATFORM=offscreen timeout 60 "$program" --script "$script" 2>/dev/null)
status=$?
if [ $status -ne 0 ]; then
  echo "exit status $status"
  printf '%s\n' "$actual"
  exit 1
fi
diff -u "$expected" <(printf '%s\n' "$actual")
