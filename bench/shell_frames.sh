#!/usr/bin/env bash
# Times the application as whole processes, headless: start-up to the first
# painted frame (the start-up question, answered Quit at once), and typing
# into a document, one key a frame (each key is painted before the next is
# sent), as the difference between a run with N keys and one without.
# Usage: bench/shell_frames.sh [BUILD_DIR] [N_KEYS] [RUNS]
set -euo pipefail
build=${1:-build} n_keys=${2:-400} runs=${3:-7}
program=$(cd "$build" && pwd)/app/corvandile_veza
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export QT_QPA_PLATFORM=offscreen

echo "answer q" > "$work/start.vz"
printf 'answer n\n' > "$work/open.vz"
{ printf 'answer n\n'; for _ in $(seq "$n_keys"); do echo "type a"; done; } > "$work/typing.vz"

# The median of one figure of a farm-bench report: "A wall s" or "A cpu s".
median() { awk -v what="$2" 'index($0, what) == 1 { print $(NF - 1) }' "$1"; }

run() {
  farm-bench -n "$runs" --timeout 600 -- "$program" --script "$1" > "$work/$2.txt" 2>&1
}
run "$work/start.vz" start
run "$work/open.vz" open
run "$work/typing.vz" typing

for fig in "A wall s" "A cpu s"; do
  s=$(median "$work/start.txt" "$fig") o=$(median "$work/open.txt" "$fig") t=$(median "$work/typing.txt" "$fig")
  awk -v f="$fig" -v s="$s" -v o="$o" -v t="$t" -v n="$n_keys" 'BEGIN {
    printf "%-9s start-up to first frame and quit: %.0f ms; a key to its frame: %.3f ms (%d keys)\n",
           substr(f, 3), s * 1000, (t - o) * 1000 / n, n }'
done
