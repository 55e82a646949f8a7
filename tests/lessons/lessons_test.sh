#!/usr/bin/env bash
# Every lesson of examples/ opens in the window without a message, solves,
# prints, and renders a picture that matches its lessonN.png there within a
# few pixels (a font may differ by a pixel here and there).
set -uo pipefail
program=$(realpath "$1") png_diff=$(realpath "$2") examples=$(realpath "$3")
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
  "$program" --print "$path" --pdf "$name.pdf" 2>err.txt || fail "$name: --print: $(cat err.txt)"
  [[ $(pdftotext "$name.pdf" - | head -n 1) == "$name.mm" ]] || fail "$name.pdf: $(pdftotext "$name.pdf" - | head -n 3)"
  "$program" --render "$path" --png "$name.png" 2>err.txt || fail "$name: --render: $(cat err.txt)"
  "$png_diff" "$name.png" "$examples/$name.png" "$(max_diff "$name.png")" >/dev/null ||
    fail "$("$png_diff" "$name.png" "$examples/$name.png" 0)"
done

# Next File from lesson 1 to 8, then Previous File back: each button's
# middle row in the lesson's picture (next, previous), clicked in content
# units (192 a pixel, the picture's edge 576).
rows=("543 0" "577 616" "743 782" "671 710" "617 656" "703 742" "543 582" "0 517")
{
  for k in 0 1 2 3 4 5 6; do read -r next _ <<<"${rows[$k]}"; printf 'click 34848 %d\nprint title\n' $((480 - 192 * next)); done
  for k in 7 6 5 4 3 2 1; do read -r _ prev <<<"${rows[$k]}"; printf 'click 34848 %d\nprint title\n' $((480 - 192 * prev)); done
} >walk.vz
walked=$(QT_QPA_PLATFORM=offscreen timeout 60 "$program" --script walk.vz "$examples/lesson1.mm" 2>/dev/null | tr '\n' ' ')
[[ $walked == "$(printf 'title: lesson%d.mm ' 2 3 4 5 6 7 8 7 6 5 4 3 2 1)" ]] || fail "walk: $walked"
exit $status
