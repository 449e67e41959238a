#!/usr/bin/env bash
# Starts the window under a virtual X server (Xvfb) with sample settings and favorites,
# prints how long it took until the window was on the screen, and saves the window as a PNG.
# The Linux (Qt) window by default; with --windows the native Windows window, favpage.exe,
# under Wine. --scale 2 shows it at 200 % (Qt: QT_SCALE_FACTOR; Windows: Wine's LogPixels
# 192, the per-monitor DPI the window lays itself out at). --all saves the four pictures
# docs/ shows: screenshot.png, screenshot-200.png, screenshot-windows.png and
# screenshot-windows-200.png.
# The user is "hanako": her home is /home/hanako (a private mount, where the system lets
# root make one; else a temporary folder), her Windows profile C:\Users\hanako.
# Usage: scripts/screenshot.sh [--windows] [--scale 1|2] [program] [output.png]
#        scripts/screenshot.sh --all
# Needs: Xvfb (package xvfb), python3; for --windows also wine, openbox, xdotool and
# x11-utils, and the Windows build (scripts/build-windows.sh).
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
# shellcheck source=scripts/wine-prefix.sh
. "$root/scripts/wine-prefix.sh"
if [ "${1:-}" = "--all" ]; then
  for face in "" --windows; do
    for scale in 1 2; do "$0" $face --scale "$scale"; done
  done
  exit 0
fi
windows=0
scale=1
while [ $# -gt 0 ]; do
  case $1 in
    --windows) windows=1 ;;
    --scale) scale=$2; shift ;;
    *) break ;;
  esac
  shift
done
suffix=${windows/#1/-windows}
suffix=${suffix/#0/}
[ "$scale" = 1 ] || suffix="$suffix-${scale}00"
out=${2:-$root/docs/screenshot$suffix.png}
work=$(mktemp -d)
pids=()
cleanup() {
  [ "$windows" = 1 ] && WINEPREFIX=$work/wine wineserver -k 2>/dev/null
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

# Large enough for the window at 200 %.
mkdir -p "$work/app" "$work/fb"
Xvfb -displayfd 3 -screen 0 2048x1536x24 -fbdir "$work/fb" -dpi 96 -nocursor -nolisten tcp 3>"$work/display" 2>/dev/null &
pids+=($!)
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.05; done
export DISPLAY=":$(cat "$work/display")"
mkdir -p "$(dirname "$out")"
shortcut() { printf '[InternetShortcut]\r\nURL=%s\r\n' "$2" >"$1"; }

if [ "$windows" = 0 ]; then
  program=${1:-$root/build/bin/favpage}
  # The program reads its data files and keeps its settings beside itself: run a copy, so
  # the screenshot shows the same sample state every time.
  mkdir -p "$work/home/Favorites/Tools"
  cp "$program" "$work/app/favpage"
  cp -r "$(dirname "$program")"/engine "$work/app/"
  cp "$(dirname "$program")"/*.html "$(dirname "$program")"/*.css "$(dirname "$program")"/favpage.png "$work/app/"
  rm -f "$work/app/sample.html"
  printf '[Setup]\r\nOutName=\\home\\hanako\\public_html\\links.html\r\nOutType=0\r\nReturnFlag=1\r\nStyleType=2\r\n' \
    >"$work/app/favpage.INI"
  shortcut "$work/home/Favorites/Debian.url" https://www.debian.org/
  shortcut "$work/home/Favorites/Tools/Qt.url" https://www.qt.io/
  # Window position 335,114 and client 480 x 565 as laid out, times the scale; no window
  # manager, no frame.
  start=$(date +%s.%N)
  run=(env HOME=/home/hanako QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR="$scale" "$work/app/favpage")
  if unshare -m --propagation private true 2>/dev/null; then
    unshare -m --propagation private sh -c 'mount -t tmpfs tmpfs /home &&
      mkdir /home/hanako && cp -r "$0"/. /home/hanako/ && exec "$@"' "$work/home" "${run[@]}" \
      >"$work/favpage.log" 2>&1 &
  else
    HOME=$work/home QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR=$scale "$work/app/favpage" \
      >"$work/favpage.log" 2>&1 &
  fi
  pids+=($!)
  python3 "$root/scripts/xwd_capture.py" "$work/fb/Xvfb_screen0" \
    "$((335 * scale)),$((114 * scale)),$((480 * scale)),$((565 * scale))" "$start" 4 "$out"
else
  bin=${1:-$root/build-win/bin}
  export WINEPREFIX=$work/wine WINEDLLOVERRIDES=mscoree= WINEDEBUG=-all USER=hanako
  openbox >/dev/null 2>&1 &
  pids+=($!)
  start_wine_prefix
  # The screen's scale.
  wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d $((96 * scale)) \
    /f >/dev/null 2>&1
  wineserver -k
  sleep 1
  wineserver -p
  cp "$bin/favpage.exe" "$bin"/sample-*.html "$bin"/mirelstyle*.css "$work/app/"
  profile=$(winepath -u "$(wine cmd /c echo %USERPROFILE% 2>/dev/null | tr -d '\r')" 2>/dev/null)
  mkdir -p "${profile%/}/Favorites/Tools" "${profile%/}/Documents"
  shortcut "${profile%/}/Favorites/Debian.url" https://www.debian.org/
  shortcut "${profile%/}/Favorites/Tools/ReactOS.url" https://reactos.org/
  printf '[Setup]\r\nOutName=C:\\Users\\hanako\\Documents\\links.html\r\nOutType=0\r\nReturnFlag=1\r\nStyleType=2\r\n' \
    >"$work/app/favpage.INI"
  start=$(date +%s.%N)
  wine "$work/app/favpage.exe" >"$work/favpage.log" 2>&1 &
  pids+=($!)
  window=
  for _ in $(seq 300); do
    window=$(xdotool search --onlyvisible --name '^Mirel-Favorite Manager$' 2>/dev/null | head -1) &&
      [ -n "$window" ] && break
    sleep 0.1
  done
  [ -n "$window" ] || { echo "favpage.exe did not show its window" >&2; exit 1; }
  awk -v start="$start" -v now="$(date +%s.%N)" 'BEGIN { printf "%.2f s\n", now - start }'
  sleep 3 # the controls finish painting
  python3 "$root/scripts/xwd_capture.py" --window "$window" "$work/fb/Xvfb_screen0" "$out"
fi
echo "saved $out"
