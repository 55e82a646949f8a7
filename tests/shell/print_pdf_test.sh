#!/usr/bin/env bash
# Prints through the script of doc_print_clip.vz and checks the PDF it makes:
# a line two and a bit pages wide takes three pages across, each with its
# header and number. Tiling down the pages is the placement tests' part.
set -uo pipefail
program=$(realpath "$1")
script=$(dirname "$(realpath "$0")")/scripts/doc_print_clip.vz
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work" && QT_QPA_PLATFORM=offscreen timeout 60 "$program" --script "$script" >/dev/null 2>&1
status=0
fail() { echo "$1"; status=1; }
pages() { pdfinfo "$1" | sed -n 's/^Pages: *//p'; }
page_text() { pdftotext -layout -f "$2" -l "$2" "$1" - | tr -s ' \n' ' '; }
expect_page() {  # file, page, title, text that must be there, text that must not
  local t
  t=$(page_text "$1" "$2")
  # Text clipped away at a tile's edge is still in the file, so the header
  # cells are looked for one by one.
  [[ $t == *"$3 Corvandile Veza 2.5 "* && $t == *"page $2 "* ]] || fail "$1 page $2 header: $t"
  [[ $t == *"$4"* ]] || fail "$1 page $2 lacks $4"
  [[ -z $5 || $t != *"$5"* ]] || fail "$1 page $2 has $5"
}
[ "$(pages wide.pdf)" = 3 ] || fail "wide.pdf: $(pages wide.pdf) pages"
expect_page wide.pdf 1 Untitled "a0 + a1 " "a30"
expect_page wide.pdf 2 Untitled "a25 + " "a0 "
expect_page wide.pdf 3 Untitled "a36 + a37" "a0 "

exit $status
