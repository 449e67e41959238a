#!/usr/bin/env bash
# Builds the Debian package, installs it for real with apt-get (so its dependencies
# resolve), publishes the sample favorites with the installed favpage-cli as an ordinary
# user, checks the desktop entry, then removes the package and checks that nothing of it
# is left. Needs root (or sudo); CI runs it after the tests. FAVPAGE_SKIP_PACKAGE_TEST=1
# skips it, for a developer who does not want favpage installed on the machine.
set -euo pipefail
cd "$(dirname "$0")/.."

if [ "${FAVPAGE_SKIP_PACKAGE_TEST:-}" = 1 ]; then
  echo "package test: skipped (FAVPAGE_SKIP_PACKAGE_TEST=1)"
  exit 0
fi
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
if dpkg-query -W -f='${Status}' favpage 2>/dev/null | grep -q "installed"; then
  echo "package test: favpage is already installed here; remove it first" \
    "or set FAVPAGE_SKIP_PACKAGE_TEST=1" >&2
  exit 1
fi

fail() {
  echo "package test: $*" >&2
  exit 1
}

started=$(date +%s%N)
export FAVPAGE_PACKAGES=deb  # the Windows packages are tried by scripts/test-windows.sh
scripts/package.sh >/dev/null 2>&1 || { scripts/package.sh; exit 1; }
deb=$(ls dist/favpage_*.deb)
echo "package test: built $deb ($(stat -c %s "$deb") bytes)"

work=$(mktemp -d)
installed=""
cleanup() {
  [ -n "$installed" ] && $sudo apt-get remove -y -qq favpage >/dev/null 2>&1
  $sudo rm -rf "$work"
}
trap cleanup EXIT

DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "./$deb" >"$work/apt.log" 2>&1 ||
  { cat "$work/apt.log" >&2; fail "apt-get install failed"; }
installed=yes
# What removal must take away: every file and link of the package, and its own folder.
owned=$(dpkg-query -L favpage | while read -r path; do
  [ -d "$path" ] && [ ! -L "$path" ] || echo "$path"
done)
owned+=$'\n/usr/lib/favpage'

for file in /usr/bin/favpage-cli /usr/lib/favpage/favpage-cli /usr/lib/favpage/mirelstyle2.css \
  /usr/share/applications/favpage.desktop; do
  [ -e "$file" ] || fail "$file is not installed"
done
if [ -e /usr/lib/favpage/favpage ]; then
  [ -e /usr/bin/favpage ] || fail "the window has no link in /usr/bin"
  grep -q '^Exec=favpage$' /usr/share/applications/favpage.desktop ||
    fail "the desktop entry does not start favpage"
  [ -e /usr/share/icons/hicolor/32x32/apps/favpage.png ] || fail "the icon is not installed"
fi

# An ordinary user, who may not write /usr/lib/favpage: the settings and title lines
# come from the configuration folder, $XDG_CONFIG_HOME/favpage when it is set, else
# ~/.config/favpage.
cp -r examples/Favorites "$work/Favorites"
publish() {  # publish NAME CONFIG_FOLDER [XDG_CONFIG_HOME]
  local name=$1 config=$2 xdg=${3:-}
  local site="$work/$name/site"
  local page="$site/links.html"
  mkdir -p "$config/favpage" "$work/$name/home"
  # The settings file holds paths in the program's own form, with "\" between folders.
  printf '[Setup]\r\nOutName=%s\r\nOutType=1\r\nStyleType=3\r\n' "${page//\//\\}" \
    >"$config/favpage/favpage.INI"
  printf 'Title %s\r\n' "$name" >"$config/favpage/favpage.tit"
  $sudo chown -R nobody:nogroup "$work"
  local env=(HOME="$work/$name/home")
  [ -n "$xdg" ] && env+=(XDG_CONFIG_HOME="$xdg")
  (cd "$work" && $sudo setpriv --reuid=nobody --regid=nogroup --clear-groups \
    env -u XDG_CONFIG_HOME "${env[@]}" favpage-cli --favorites "$work/Favorites" --quiet) ||
    fail "favpage-cli failed ($name)"
  grep -q "<TITLE>Title $name</TITLE>" "$site/links.html" ||
    fail "$site/links.html lacks the stored title ($name)"
  [ -e "$site/links_0.html" ] || fail "the stored page type was not used ($name)"
  [ -e "$site/mirelstyle2.css" ] || fail "the stored style was not used ($name)"
}
publish xdg "$work/xdg/config" "$work/xdg/config"
publish home "$work/home/home/.config"
for stored in favpage.INI favpage.tit; do
  [ ! -e "/usr/lib/favpage/$stored" ] || fail "/usr/lib/favpage/$stored was written"
done

$sudo apt-get remove -y -qq favpage >"$work/apt.log" 2>&1 ||
  { cat "$work/apt.log" >&2; fail "apt-get remove failed"; }
installed=""
dpkg-query -W -f='${Status}' favpage 2>/dev/null | grep -q " installed" &&
  fail "favpage is still installed"
while read -r path; do
  if [ -e "$path" ] || [ -L "$path" ]; then fail "$path is left after removal"; fi
done <<<"$owned"

elapsed_ms=$((($(date +%s%N) - started) / 1000000))
printf 'package test: passed in %d.%03d s\n' $((elapsed_ms / 1000)) $((elapsed_ms % 1000))
