#!/usr/bin/env bash
# Drives the real window under a virtual X server with a window manager (openbox) and
# prints what a user would notice: how long until the window is on the screen, where the
# confirmation box and the About box sit against the screen's centre (whole frame,
# caption bar included), and how long the window stays on the screen after Ctrl+Q.
# Keys go through XTEST to the focused window, as a keyboard's would.
# Before that the program is started and closed again STARTS times (FAVPAGE_STARTS, 7 by
# default; 0 for none) after one unmeasured start, so every start finds the program and its
# libraries in the page cache, and the median of those warm starts is printed.
# The Windows program (a path ending in .exe) is timed the same way under Wine, in a prefix
# of its own whose server stays up between the starts, as a user's Wine keeps it; for it
# only the warm starts are timed.
# FAVPAGE_WINEDEBUG sets Wine's WINEDEBUG (e.g. +timestamp,+loaddll) and FAVPAGE_KEEP_LOG=FILE
# keeps what the program printed, to see where a start spends its time.
# Usage: scripts/window_timing.sh [path/to/favpage | path/to/favpage.exe] [openbox|none]
# Needs: Xvfb (xvfb), xdotool, xwininfo and xprop (x11-utils), openbox; wine for a .exe.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/deps.sh" xvfb xdotool x11-utils openbox
program=${1:-$root/build/bin/favpage}
manager=${2:-openbox}
starts=${FAVPAGE_STARTS:-7}
work=$(mktemp -d)
pids=()
cleanup() {
  [ -n "${WINEPREFIX:-}" ] && wineserver -k 2>/dev/null
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  wait 2>/dev/null || true
  [ -n "${FAVPAGE_KEEP_LOG:-}" ] && cp "$work/favpage.log" "$FAVPAGE_KEEP_LOG"
  rm -rf "$work"
}
trap cleanup EXIT

mkdir -p "$work/app" "$work/home/Favorites"
cp "$program" "$work/app/"
# The window's preview engine, a module it loads from its own folder.
[[ "$program" == *.exe ]] || cp -r "$(dirname "$program")"/engine "$work/app/"
cp "$(dirname "$program")"/*.html "$(dirname "$program")"/*.css "$work/app/"
# No output name: the create command answers with its confirmation box.
printf '[Setup]\r\nOutType=0\r\nStyleType=1\r\n' >"$work/app/favpage.INI"
printf '[InternetShortcut]\r\nURL=https://www.debian.org/\r\n' >"$work/home/Favorites/Debian.url"

Xvfb -displayfd 3 -screen 0 1024x768x24 -dpi 96 -nolisten tcp 3>"$work/display" 2>/dev/null &
pids+=($!)
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.05; done
export DISPLAY=":$(cat "$work/display")"
if [ "$manager" != none ]; then
  "$manager" >/dev/null 2>&1 &
  pids+=($!)
  sleep 1
fi

launch=(env HOME="$work/home" QT_QPA_PLATFORM=xcb "$work/app/favpage")
if [[ "$program" == *.exe ]]; then
  # shellcheck source=scripts/wine-prefix.sh
  . "$root/scripts/wine-prefix.sh"
  export WINEPREFIX=$work/wine WINEDLLOVERRIDES=mscoree= WINEDEBUG=${FAVPAGE_WINEDEBUG:--all}
  start_wine_prefix
  # The user's favorites folder, where the shell says it is.
  profile=$(wine cmd /c echo %USERPROFILE% 2>/dev/null | tr -d '\r')
  favorites=$(winepath -u "$profile\\Favorites" 2>/dev/null)
  mkdir -p "$favorites"
  cp "$work/home/Favorites/Debian.url" "$favorites/"
  launch=(wine "$work/app/$(basename "$program")")
fi

now() { date +%s.%N; }
elapsed() { python3 -c "import sys; print(f'{(float(sys.argv[2]) - float(sys.argv[1])) * 1000:.0f} ms')" "$1" "$2"; }
visible() { xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -1; }
wait_visible() {
  for _ in $(seq 2000); do
    id=$(visible "$1")
    [ -n "$id" ] && { echo "$id"; return 0; }
    sleep 0.005
  done
  echo "no window '$1'" >&2
  return 1
}
# The frame's offset from the screen's centre: client geometry widened by the frame
# extents that the window manager announces.
offset() {
  sleep 0.5
  local id=$1 x y w h l r t b
  eval "$(xwininfo -id "$id" | awk '/Absolute upper-left X/{print "x=" $NF} /Absolute upper-left Y/{print "y=" $NF} /Width:/{print "w=" $NF} /Height:/{print "h=" $NF}')"
  read -r l r t b < <(xprop -id "$id" _NET_FRAME_EXTENTS | sed 's/.*= //; s/,//g; s/.*not found.*/0 0 0 0/')
  echo "frame $((w + l + r))x$((h + t + b)) at $((x - l)),$((y - t)):" \
    "centre off by $(((x - l) + (w + l + r) / 2 - 512)),$(((y - t) + (h + t + b) / 2 - 384)) px"
}

ms() { python3 -c "import sys; print(round((float(sys.argv[2]) - float(sys.argv[1])) * 1000))" "$1" "$2"; }
# One start until the window is mapped; the window is closed again with Ctrl+Q and the
# program waited for. Prints the milliseconds.
timed_start() {
  local begin pid id shown
  begin=$(now)
  "${launch[@]}" >>"$work/favpage.log" 2>&1 &
  pid=$!
  id=$(wait_visible "Mirel-Favorite Manager")
  shown=$(now)
  sleep 0.5
  xdotool windowactivate --sync "$id" 2>/dev/null || xdotool windowfocus --sync "$id"
  xdotool key ctrl+q
  wait "$pid" || true
  ms "$begin" "$shown"
}
if [ "$starts" -gt 0 ]; then
  timed_start >/dev/null
  times=()
  for _ in $(seq "$starts"); do times+=("$(timed_start)"); done
  median=$(printf '%s\n' "${times[@]}" | sort -n | awk '{a[NR]=$1} END {print (NR % 2) ? a[(NR+1)/2] : (a[NR/2]+a[NR/2+1])/2}')
  echo "warm starts: window mapped after ${times[*]} ms; median ${median} ms of ${starts} ($(uptime | sed 's/.*load/load/'))"
fi
[[ "$program" == *.exe ]] && exit 0

start=$(now)
HOME=$work/home QT_QPA_PLATFORM=xcb "$work/app/favpage" >"$work/favpage.log" 2>&1 &
app=$!
pids+=($app)
main=$(wait_visible "Mirel-Favorite Manager")
echo "start-up: main window mapped after $(elapsed "$start" "$(now)")"
sleep 2
# The preview's engine has arrived by now; a window made anew for it would have a new id.
if [ "$(visible "Mirel-Favorite Manager")" = "$main" ]; then
  echo "preview: the window stayed on the screen as the engine arrived"
else
  echo "preview: the window was made anew as the engine arrived"
fi

xdotool windowactivate --sync "$main" 2>/dev/null || xdotool windowfocus --sync "$main"
xdotool key ctrl+r
box=$(wait_visible "確認")
echo "confirmation box: $(offset "$box")"
xdotool windowfocus --sync "$box" key Escape
sleep 0.5

xdotool windowactivate --sync "$main" 2>/dev/null || xdotool windowfocus --sync "$main"
xdotool key alt+h
sleep 0.3
xdotool key v
box=$(wait_visible "ﾊﾞｰｼﾞｮﾝ情報")
echo "About box: $(offset "$box")"
xdotool windowfocus --sync "$box" key Escape
sleep 0.5

xdotool windowactivate --sync "$main" 2>/dev/null || xdotool windowfocus --sync "$main"
# What the user sees go is the window manager's frame around the window, when there is one.
shown=$main
parent=$(xwininfo -tree -id "$main" | grep 'Parent window id')
case "$parent" in *"root window"*) ;; *) shown=$(echo "$parent" | awk '{print $4}') ;; esac
pressed=$(now)
xdotool key ctrl+q
while xwininfo -id "$shown" 2>/dev/null | grep -q IsViewable; do sleep 0.002; done
echo "close: window gone $(elapsed "$pressed" "$(now)") after Ctrl+Q"
wait "$app" || true
echo "close: program ended $(elapsed "$pressed" "$(now)") after Ctrl+Q"
