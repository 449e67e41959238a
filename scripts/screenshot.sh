#!/usr/bin/env bash
# Starts the window under a virtual X server (Xvfb) with sample settings and favorites,
# prints how long it took until the window was on the screen, and saves the window as
# docs/screenshot.png.
# Usage: scripts/screenshot.sh [path/to/favpage] [output.png]
# Needs: Xvfb (package xvfb), python3.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
program=${1:-$root/build/bin/favpage}
out=${2:-$root/docs/screenshot.png}
work=$(mktemp -d)
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

# The program reads its data files and keeps its settings beside itself: run a copy, so
# the screenshot shows the same sample state every time.
mkdir -p "$work/app" "$work/home/Favorites/Tools" "$work/fb"
cp "$program" "$work/app/favpage"
cp "$(dirname "$program")"/*.html "$(dirname "$program")"/*.css "$(dirname "$program")"/favpage.png "$work/app/"
rm -f "$work/app/sample.html"
printf '[Setup]\r\nOutName=\\home\\me\\public_html\\links.html\r\nOutType=0\r\nReturnFlag=1\r\nStyleType=2\r\n' \
  >"$work/app/favpage.INI"
printf '[InternetShortcut]\r\nURL=https://www.debian.org/\r\n' >"$work/home/Favorites/Debian.url"
printf '[InternetShortcut]\r\nURL=https://www.qt.io/\r\n' >"$work/home/Favorites/Tools/Qt.url"

# Window position 335,114 and client 480 x 565 as laid out; no window manager, no frame.
Xvfb -displayfd 3 -screen 0 1024x768x24 -fbdir "$work/fb" -dpi 96 -nocursor -nolisten tcp 3>"$work/display" 2>/dev/null &
pids+=($!)
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.05; done
display=":$(cat "$work/display")"

start=$(date +%s.%N)
DISPLAY=$display HOME=$work/home QT_QPA_PLATFORM=xcb "$work/app/favpage" >"$work/favpage.log" 2>&1 &
pids+=($!)
mkdir -p "$(dirname "$out")"
python3 "$root/scripts/xwd_capture.py" "$work/fb/Xvfb_screen0" 335,114,480,565 "$start" 4 "$out"
echo "saved $out"
