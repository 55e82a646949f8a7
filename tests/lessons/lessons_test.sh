#!/usr/bin/env bash
# Every lesson of examples/ opens in the window without a message, solves,
# and renders a picture that matches its reference beside this script within
# a few pixels (fonts may differ by a pixel here and there); the batch
# commands on broken copies of a lesson fail with their messages.
set -uo pipefail
program=$(realpath "$1") png_diff=$(realpath "$2") examples=$(realpath "$3")
refs=$(dirname "$(realpath "$0")")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 1
status=0
fail() { echo "FAIL: $1"; status=1; }
# A picture may differ from its reference in this share of its pixels.
max_diff() { echo $(($(file "$1" | sed -n 's/.* \([0-9]*\) x \([0-9]*\),.*/\1 * \2/p') / 200)); }

lessons=("$examples"/lesson[0-9]*.mm)
[ ${#lessons[@]} -ge 8 ] || fail "${#lessons[@]} lessons"
for path in "${lessons[@]}"; do
  name=$(basename "$path" .mm)
  printf 'print title\n' >open.vz
  out=$(QT_QPA_PLATFORM=offscreen timeout 60 "$program" --script open.vz "$path" 2>/dev/null)
  [[ $out == "title: $name.mm" ]] || fail "$name opens with: $out"
  "$program" --solve "$path" >solved.txt 2>err.txt || fail "$name: --solve: $(cat err.txt)"
  [[ -s solved.txt && ! -s err.txt ]] || fail "$name: --solve printed '$(cat solved.txt)' '$(cat err.txt)'"
  "$program" --render "$path" --png "$name.png" 2>err.txt || fail "$name: --render: $(cat err.txt)"
  "$png_diff" "$name.png" "$refs/$name.png" "$(max_diff "$name.png")" >/dev/null ||
    fail "$("$png_diff" "$name.png" "$refs/$name.png" 0)"
done
exit $status
