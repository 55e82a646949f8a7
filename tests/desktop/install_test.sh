#!/usr/bin/env bash
# `cmake --install` staged under DESTDIR: every file in its place, the entry
# valid, each icon of its size, the model type known to the MIME database,
# and the installed program runs.
set -euo pipefail
build=$1 source=$2
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
DESTDIR=$stage cmake --install "$build" --prefix /usr > /dev/null
root=$stage/usr
fail() { echo "$*"; exit 1; }

expected="bin/corvandile_veza
share/applications/corvandile-veza.desktop
share/doc/CorvandileVeza/README.md"
for size in 16 24 32 48 64 128 256; do
  expected+=$'\n'"share/icons/hicolor/${size}x${size}/apps/corvandile-veza.png"
done
expected+=$'\n'"share/icons/hicolor/scalable/apps/corvandile-veza.svg
share/mime/packages/corvandile-veza.xml"
actual=$(cd "$root" && find . -type f ! -path './share/doc/CorvandileVeza/examples/*' | sed 's|^\./||' | sort)
diff <(sort <<< "$expected") <(printf '%s\n' "$actual") || fail "installed files differ"
if [ -d "$source/examples" ]; then
  diff -r "$source/examples" "$root/share/doc/CorvandileVeza/examples" || fail "examples differ"
fi

desktop-file-validate "$root/share/applications/corvandile-veza.desktop" || fail "desktop entry invalid"
grep -qx 'Exec=corvandile_veza %f' "$root/share/applications/corvandile-veza.desktop" || fail "Exec line"
grep -qx 'MimeType=application/x-corvandile-model;' "$root/share/applications/corvandile-veza.desktop" ||
  fail "MimeType line"

# Each PNG's header gives its size: width and height at bytes 16 to 23.
for size in 16 24 32 48 64 128 256; do
  png=$root/share/icons/hicolor/${size}x${size}/apps/corvandile-veza.png
  read -r w h < <(od -An -tu1 -j16 -N8 "$png" | awk '{ print $1*16777216+$2*65536+$3*256+$4, $5*16777216+$6*65536+$7*256+$8 }')
  [ "$w $h" = "$size $size" ] || fail "icon $size is $w x $h"
done

update-mime-database "$root/share/mime" 2> "$stage/mime.log" || fail "MIME database: $(cat "$stage/mime.log")"
grep -qx '60:application/x-corvandile-model:\*.mm' "$root/share/mime/globs2" || fail "no glob for *.mm"

"$root/bin/corvandile_veza" --help | head -1 | grep -qx 'Usage: corvandile_veza \[--script FILE\] \[MODEL\]' ||
  fail "the installed program does not run"
echo "installed and checked"
