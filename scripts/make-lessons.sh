#!/usr/bin/env bash
# Makes the lesson files examples/lesson1.mm ... again through the program
# itself: each examples/lessonN.vz types its lesson into a new model and
# saves it there, and each is drawn as lessonN.png. Needs the program built
# (scripts/start.sh or scripts/test.sh).
set -euo pipefail
cd "$(dirname "$0")/.."
program=$(realpath "${1:-build/app/corvandile_veza}")
cd examples
for script in lesson*.vz; do
  rm -f "${script%.vz}.mm"
  QT_QPA_PLATFORM=offscreen "$program" --script "$script" >/dev/null
  [ -f "${script%.vz}.mm" ] || { echo "$script saved nothing"; exit 1; }
done
# Each lesson as the program draws it: the README's pictures and the
# references the lessons' test compares with.
for lesson in lesson*.mm; do
  "$program" --render "$lesson" --png "${lesson%.mm}.png"
done
