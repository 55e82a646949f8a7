#!/usr/bin/env bash
# Makes the lesson files examples/lesson1.mm ... again through the program
# itself: each examples/lessonN.vz types its lesson into a new model and
# saves it there. Needs the program built (scripts/start.sh or scripts/test.sh).
set -euo pipefail
cd "$(dirname "$0")/../examples"
program=${1:-../build/app/corvandile_veza}
for script in lesson*.vz; do
  rm -f "${script%.vz}.mm"
  QT_QPA_PLATFORM=offscreen "$program" --script "$script" >/dev/null
  [ -f "${script%.vz}.mm" ] || { echo "$script saved nothing"; exit 1; }
done
