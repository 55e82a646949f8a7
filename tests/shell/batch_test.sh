#!/usr/bin/env bash
# The batch commands on a model saved by the program itself and on broken
# files: what each prints on stdout and stderr, its exit status, the files
# it writes, and that a failure writes none.
set -uo pipefail
program=$(realpath "$1")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 1
status=0
fail() { echo "FAIL: $1"; status=1; }
# expect STATUS STDOUT STDERR ARGS...: stderr compared by its first line.
expect() {
  local want_rc=$1 want_out=$2 want_err=$3
  shift 3
  "$program" "$@" >out.txt 2>err.txt
  local rc=$? out err
  out=$(cat out.txt) err=$(head -n 1 err.txt)
  [[ $rc == "$want_rc" && $out == "$want_out" && $err == "$want_err" ]] ||
    fail "$*: status $rc, stdout '$out', stderr '$err'"
}
png_size() { file "$1" | sed -n 's/.*PNG image data, \([0-9]* x [0-9]*\),.*/\1/p'; }

cat >make.vz <<'VZ'
answer n
type a*x+b
menu File/Save As...
file line.mm
menu File/New
key Up
menu Edit/Select More
menu Edit/Select More
menu Edit/Select More
clip \rx	-10	10	#000000\rt	0	4	#008000
key ctrl+v
key Down
menu Edit/Select More
menu Edit/Select More
type y=t+x/10
menu File/Save As...
file two.mm
menu File/New
menu Edit/Select More
type y^2=sin(x)
menu File/Save As...
file sin.mm
menu File/New
menu Edit/Select More
type 2*y=x
menu Analyze/Solve
key End
key Backspace
type 3
menu File/Save As...
file stale.mm
VZ
QT_QPA_PLATFORM=offscreen "$program" --script make.vz >/dev/null 2>&1 || fail "make.vz"
head -c 9 line.mm >cut.mm
printf '\x03\x00' >v30.mm
{ printf '\x02\x00'; tail -c +3 line.mm; } >v20.mm

expect 0 "y=a*x+b" "" --solve line.mm
expect 0 "y=3/2" "" --solve stale.mm
# The header: the title (a file name in UTF-8), the version, today's date.
cp line.mm lïne.mm
expect 0 "" "" --print lïne.mm --pdf line.pdf
text=$(pdftotext -layout line.pdf - | tr -s ' \n' ' ')
today=$(LC_ALL=C date +'%Y.%b.%d %a')
[[ $text == "lïne.mm Corvandile Veza 2.5 $today page 1 "*"Constraints y = ax + b Parameters Solutions "* ]] ||
  fail "line.pdf: $text"
# A model with Solutions prints their graph, as its window shows it.
expect 0 "" "" --print stale.mm --pdf stale.pdf
text=$(pdftotext -layout stale.pdf - | tr -s ' \n' ' ')
[[ $text == *"Solutions y= x 2 Graphs y 10.00 "*" Trace: x=0.0 y=0.0 "* ]] || fail "stale.pdf: $text"
expect 0 "" "" --render line.mm --png line.png --svg line.svg
expect 0 "" "" --render line.mm --png line2.png --dpi 192
read -r w x h <<<"$(png_size line.png)"
[[ $(png_size line2.png) == "$((2 * w)) x $((2 * h))" && $w -gt 300 ]] || fail "sizes $w x $h, $(png_size line2.png)"
grep -q '<svg width=' line.svg || fail "line.svg is no SVG picture"
expect 0 "" "corvandile_veza: v20.mm: Converting from file version 2.0" --render v20.mm --png v20.png
expect 0 "" "" --render line.mm --graph 1 --png panel.png --svg panel.svg
expect 0 "" "" --render line.mm --graph 1 --large --png large.png
[[ $(png_size panel.png) == "200 x 200" && $(png_size large.png) == "400 x 400" ]] ||
  fail "panels $(png_size panel.png), $(png_size large.png)"

# Two independent variables: panel 2 is t's, and there is no panel 3.
expect 0 "" "" --render two.mm --graph 2 --no-grid --png t.png
expect 0 "" "" --render two.mm --graph 1 --no-grid --png x.png
[[ $(png_size t.png) == "200 x 200" ]] && ! cmp -s t.png x.png || fail "panels of two.mm"
expect 1 "" "corvandile_veza: two.mm: No graph 3: the model has 2 independent variables" --render two.mm --graph 3 --png three.png
expect 1 "" "corvandile_veza: sin.mm: Transcendental expression" --render sin.mm --graph 1 --png sin.png

expect 1 "" "corvandile_veza: missing.mm: File not found (missing, not a file, or name wrong?) (2)" --render missing.mm --png m.png
expect 1 "" "corvandile_veza: v30.mm: You need to start Corvandile (or Corvandile Veza) version 3.0 or later to read this file." \
  --print v30.mm --pdf v30.pdf
expect 1 "" "corvandile_veza: cut.mm: Not enough input" --render cut.mm --svg cut.svg
expect 1 "" "corvandile_veza: line.mm: No graph 2: the model has 1 independent variable" --render line.mm --graph 2 --png two.png
expect 1 "" "corvandile_veza: nowhere/line.svg: File not found (missing, not a file, or name wrong?) (2)" \
  --render line.mm --png line3.png --svg nowhere/line.svg
expect 1 "" "corvandile_veza: nowhere/line.pdf: File not found (missing, not a file, or name wrong?) (2)" \
  --print line.mm --pdf nowhere/line.pdf
expect 2 "" "corvandile_veza: --print needs --pdf OUT" --print line.mm
for f in m.png v30.pdf cut.svg line3.png two.png three.png sin.png; do [ ! -e $f ] || fail "a failed command wrote $f"; done
exit $status
