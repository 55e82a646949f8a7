#!/usr/bin/env bash
# Runs the program on a script of user actions, headless, and compares what
# it prints with the script's .out file beside it.
set -uo pipefail
program=$1 script=$2
expected=${script%.vz}.out
actual=$(QT_QPA_PLATFORM=offscreen timeout 60 "$program" --script "$script" 2>/dev/null)
status=$?
if [ $status -ne 0 ]; then
  echo "exit status $status"
  printf '%s\n' "$actual"
  exit 1
fi
diff -u "$expected" <(printf '%s\n' "$actual")
