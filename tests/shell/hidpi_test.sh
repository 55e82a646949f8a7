#!/usr/bin/env bash
# On a screen of two device pixels to the window's pixel, a document is drawn
# with all of them: an image painted at the window's pixels and enlarged
# would repeat each pixel in a 2 x 2 block. The main window renders too. A
# selection's highlight covers four times the device pixels it covers on a
# screen of one device pixel to the window's pixel.
set -euo pipefail
program=$1
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
printf 'answer n\ntype y=a*x^2+b/c\nrender %s/doc.ppm\nrender-main %s/main.png\nkey ctrl+a\nrender %s/sel@.ppm\n' \
  "$dir" "$dir" "$dir" > "$dir/doc.vz"
for scale in 1 2; do
  sed "s/@/$scale/" "$dir/doc.vz" > "$dir/doc$scale.vz"
  QT_SCALE_FACTOR=$scale QT_QPA_PLATFORM=offscreen "$program" --script "$dir/doc$scale.vz" > /dev/null 2>&1
done
python3 - "$dir" "$(dirname "$0")" <<'PY'
import sys
sys.path.insert(0, sys.argv[2])
from find_patch import read_ppm
w, h, rows = read_ppm(sys.argv[1] + "/doc.ppm")
px = lambda x, y: rows[y][3 * x:3 * x + 3]
ink = mixed = 0
for y in range(0, h - 1, 2):
    for x in range(0, w - 1, 2):
        block = {px(x, y), px(x + 1, y), px(x, y + 1), px(x + 1, y + 1)}
        if block != {b'\xff\xff\xff'}:
            ink += 1
            mixed += len(block) > 1
dark = [sum(sum(1 for v in r[0::3] if v < 128) for r in read_ppm(f"{sys.argv[1]}/sel{s}.ppm")[2]) for s in (1, 2)]
print(f"{w}x{h}: {ink} blocks with ink, {mixed} of them mixed; dark pixels selected {dark[0]} and {dark[1]}")
sys.exit(0 if ink > 50 and mixed * 4 > ink and 2.5 * dark[0] < dark[1] < 5.5 * dark[0] else 1)
PY
