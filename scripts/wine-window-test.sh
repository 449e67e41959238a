#!/usr/bin/env bash
# Tries the native window, favpage.exe, under Wine on a virtual X screen as a user would:
# the window appears; Ctrl+R writes the pages, the very bytes the Linux favpage-cli writes
# for the same settings; Alt+H, V shows the About box; typing a title and Ctrl+Q close the
# window at once and leave the settings and the typed title in their files. With a third argument the window is also
# saved as a PNG there.
# The caller provides the Wine prefix with a running server (WINEPREFIX) and the X screen
# with a window manager, started with -fbdir (DISPLAY; FAVPAGE_FRAMEBUFFER: the screen's XWD
# file). Without a window manager Wine waits 2 s for one each time it hides a window.
# Usage: wine-window-test.sh BUILD_BIN_DIR LINUX_CLI [SCREENSHOT.png]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bin=$1
linux_cli=$2
screenshot=${3:-}
work=$(mktemp -d)
pid=
out=
cleanup() {
  [ -n "$pid" ] && kill "$pid" 2>/dev/null
  rm -rf "$work" ${out:+"$out"}
}
trap cleanup EXIT
fail() {
  echo "favpage.exe under Wine: $*" >&2
  exit 1
}
# Waits up to 30 s for a condition.
wait_for() {
  for _ in $(seq 300); do
    "$@" && return 0
    sleep 0.1
  done
  return 1
}
window_named() { xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1; }
window_gone() { ! window_named "$1"; }

mkdir -p "$work/app" "$work/cli"
# The pages go where a user might put them, inside the Wine prefix's drive C.
out_windows='C:\web'
out=$(winepath -u "$out_windows" 2>/dev/null)
out=${out%/}
rm -rf "$out"
mkdir -p "$out"
cp "$bin/favpage.exe" "$bin"/sample-top.html "$bin"/sample-bottom.html "$bin"/sample-html5-*.html \
  "$bin"/mirelstyle*.css \
  "$work/app/"
# The user's favorites folder, where the shell says it is.
profile=$(wine cmd /c echo %USERPROFILE% 2>/dev/null | tr -d '\r')
favorites=$(winepath -u "$profile\\Favorites" 2>/dev/null)
favorites=${favorites%/}
rm -rf "$favorites"
mkdir -p "$favorites"
cp -r "$root/examples/Favorites/." "$favorites/"
printf '[Setup]\r\nOutName=%s\r\nOutType=1\r\nReturnFlag=1\r\nReturnLine=Back\r\nReturnURL=../index.html\r\nStyleType=3\r\n' \
  "$out_windows\links.html" >"$work/app/favpage.INI"
printf 'My links\r\nUpdated daily\r\n' >"$work/app/favpage.tit"

started=$(date +%s%N)
wine "$work/app/favpage.exe" >"$work/wine.log" 2>&1 &
pid=$!
wait_for window_named "Mirel-Favorite Manager" || fail "the window did not appear"
shown=$(date +%s%N)
echo "favpage.exe: window on the screen $(((shown - started) / 1000000)) ms after start"
window=$(xdotool search --onlyvisible --name "^Mirel-Favorite Manager\$" | head -1)

if [ -n "$screenshot" ]; then
  sleep 1 # the controls finish painting
  python3 "$root/scripts/xwd_capture.py" --window "$window" "$FAVPAGE_FRAMEBUFFER" "$screenshot"
  echo "saved $screenshot"
fi

# Keys go to the focused window, as a person's do.
xdotool windowfocus --sync "$window"
xdotool key ctrl+r
pages_written() { [ -f "$out/links.html" ] && [ -f "$out/mirelstyle2.css" ] && window_gone Working; }
wait_for pages_written || fail "Ctrl+R wrote no pages"
"$linux_cli" --favorites "$favorites" --out "$work/cli/links.html" --type tree --style 2 \
  --no-blank --return-caption Back --return-url ../index.html --title "My links" \
  --title "Updated daily" --quiet
diff -r "$work/cli" "$out" >&2 || fail "the window and favpage-cli wrote different pages"
echo "favpage.exe: Ctrl+R wrote $(find "$out" -type f | wc -l) files, as favpage-cli does"

# The Help menu by its letter, its item by its letter: the About box; Escape closes it.
xdotool windowfocus --sync "$window"
xdotool key alt+h
sleep 0.3
xdotool key v
wait_for window_named "ﾊﾞｰｼﾞｮﾝ情報" || fail "Alt+H, V showed no About box"
xdotool key Escape
wait_for window_gone "ﾊﾞｰｼﾞｮﾝ情報" || fail "Escape left the About box open"
echo "favpage.exe: Alt+H, V showed the About box; Escape closed it"

# Tab from the first control (the output type) to the title edit, which selects its text.
xdotool windowfocus --sync "$window"
xdotool key Tab
xdotool type --delay 20 "Zed"
asked=$(date +%s%N)
xdotool key ctrl+q
wait_for window_gone "Mirel-Favorite Manager" || fail "Ctrl+Q did not close the window"
gone=$(date +%s%N)
closing=$(((gone - asked) / 1000000))
echo "favpage.exe: window gone $closing ms after Ctrl+Q"
[ "$closing" -lt 1000 ] || fail "the window took $closing ms to go after Ctrl+Q"
wait "$pid" || fail "the program ended with status $?"
pid=
for key in OutName OutType ReturnFlag ReturnLine ReturnURL StyleType SetBlank; do
  grep -q "^$key=" "$work/app/favpage.INI" || fail "Ctrl+Q left $key out of the settings"
done
[ "$(cat "$work/app/favpage.tit")" = "Zed" ] ||
  fail "the title file holds \"$(cat "$work/app/favpage.tit")\", not the typed \"Zed\""
echo "favpage.exe: Ctrl+Q wrote the settings and the typed title"
