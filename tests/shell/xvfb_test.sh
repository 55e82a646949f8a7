#!/usr/bin/env bash
# The real window under Xvfb: types an expression with xdotool, takes a
# screenshot, and looks for the driver's rendering of the same keys in it.
set -uo pipefail
program=$1
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
xvfb_pid="" app_pid=""
cleanup() {
  [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
  wait 2>/dev/null
  [ -n "${KEEP_WORK:-}" ] || rm -rf "$work"
}
trap cleanup EXIT

for tool in Xvfb xdotool xwd python3; do
  command -v $tool > /dev/null || { echo "missing $tool (scripts/install-deps.sh installs it)"; exit 1; }
done

# A display number nobody uses now.
display=""
for n in $(seq 90 199); do
  if [ ! -e /tmp/.X11-unix/X$n ] && [ ! -e /tmp/.X$n-lock ]; then display=$n; break; fi
done
[ -n "$display" ] || { echo "no free display"; exit 1; }
Xvfb :$display -screen 0 1280x1024x24 -dpi 96 -nolisten tcp > "$work/xvfb.log" 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do [ -e /tmp/.X11-unix/X$display ] && break; sleep 0.1; done
export DISPLAY=:$display
# Under the sanitizers: what the display's system libraries keep is theirs.
export LSAN_OPTIONS="suppressions=$here/lsan_x11.supp${LSAN_OPTIONS:+:$LSAN_OPTIONS}"

# The driver's rendering of the same keys, on the same display so that
# resolution and font smoothing are the screen's.
cat > "$work/keys.vz" <<SCRIPT
answer n
type x+1=y
key alt+g
type a
key ctrl+Left
render $work/driver.ppm
SCRIPT
QT_QPA_PLATFORM=xcb timeout 60 "$program" --script "$work/keys.vz" > /dev/null 2>&1 || { echo "driver failed"; exit 1; }

QT_QPA_PLATFORM=xcb "$program" > "$work/app.log" 2>&1 &
app_pid=$!
wid=$(timeout 30 xdotool search --sync --onlyvisible --name '^Corvandile Veza$' | head -1)
[ -n "$wid" ] || { echo "no window"; cat "$work/app.log"; exit 1; }
sleep 1
xdotool windowfocus --sync "$wid" 2>/dev/null || true
xdotool key --delay 50 n
sleep 0.5
xdotool type --delay 50 'x+1=y'
xdotool key --delay 50 alt+g a ctrl+Left
sleep 1
timeout 20 xwd -root -silent -out "$work/screen.xwd" || { echo "no screenshot"; exit 1; }
python3 "$here/find_patch.py" "$work/driver.ppm" "$work/screen.xwd"
