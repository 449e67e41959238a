#!/usr/bin/env bash
# Builds the Debian package, judges it with lintian and appstreamcli, installs it for
# real with apt-get (so its dependencies resolve), checks what it puts on the system,
# publishes the sample favorites with the installed favpage-cli as an ordinary
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
scripts/deps.sh lintian appstream file
export FAVPAGE_PACKAGES=deb  # the Windows packages are tried by scripts/test-windows.sh
scripts/package.sh >/dev/null 2>&1 || { scripts/package.sh; exit 1; }
deb=$(ls dist/favpage_*.deb)
echo "package test: built $deb ($(stat -c %s "$deb") bytes)"

# The package as Debian's tools judge it: lintian with no error and no warning that is
# not overridden with its reason (packaging/debian/lintian-overrides), informational
# tags shown for the record.
lintian_log=$(mktemp)
lintian_status=0
lintian --display-info --tag-display-limit 0 "$deb" >"$lintian_log" 2>&1 ||
  lintian_status=$?
sed 's/^/  lintian: /' "$lintian_log"
if [ "$lintian_status" -ne 0 ] || grep -q '^[EW]: ' "$lintian_log"; then
  rm -f "$lintian_log"
  fail "lintian found errors or warnings in $deb"
fi
echo "package test: lintian: $(grep -c '^[IPX]: ' "$lintian_log") informational tags," \
  "no errors or warnings"
rm -f "$lintian_log"
version=$(dpkg-deb -f "$deb" Version)
changelog_version=$(sed -n '1s/^favpage (\([^)]*\)).*/\1/p' packaging/debian/changelog)
[ "$changelog_version" = "$version" ] ||
  fail "packaging/debian/changelog begins with $changelog_version, the package is $version"

work=$(mktemp -d)
installed=""
cleanup() {
  [ -n "$installed" ] && $sudo apt-get -o DPkg::Lock::Timeout=600 remove -y -qq favpage >/dev/null 2>&1
  $sudo rm -rf "$work"
}
trap cleanup EXIT

DEBIAN_FRONTEND=noninteractive $sudo apt-get -o DPkg::Lock::Timeout=600 install -y -qq "./$deb" >"$work/apt.log" 2>&1 ||
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
  for size in 16 32 48 64 128 256; do
    icon=/usr/share/icons/hicolor/${size}x${size}/apps/favpage.png
    [ -e "$icon" ] || fail "the $size px icon is not installed"
    file "$icon" | grep -q "PNG image data, $size x $size," || fail "$icon is not $size x $size"
  done
  [ -e /usr/share/icons/hicolor/scalable/apps/favpage.svg ] || fail "the scalable icon is missing"
  metainfo=/usr/share/metainfo/org.example.favpage.metainfo.xml
  [ -e "$metainfo" ] || fail "the AppStream metadata is not installed"
  appstreamcli validate --no-net "$metainfo" >"$work/appstream.log" 2>&1 ||
    { cat "$work/appstream.log" >&2; fail "appstreamcli refuses $metainfo"; }
  echo "package test: appstreamcli: $(tail -n 1 "$work/appstream.log")"
  [ -e /usr/share/man/man1/favpage.1.gz ] || fail "favpage(1) is not installed"
fi
for file in /usr/share/man/man1/favpage-cli.1.gz /usr/share/bash-completion/completions/favpage-cli \
  /usr/share/doc/favpage/copyright /usr/share/doc/favpage/changelog.Debian.gz; do
  [ -e "$file" ] || fail "$file is not installed"
done
# The installed manual pages, as man shows them, without a warning.
for page in /usr/share/man/man1/favpage*.1.gz; do
  warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l "$page" 2>&1 >/dev/null)
  [ -z "$warnings" ] || fail "man warns about $page: $warnings"
done
LC_ALL=C man -w favpage-cli >/dev/null 2>&1 || fail "man does not find favpage-cli"
# The installed completion offers the installed program's options.
completed=$(bash -c 'source /usr/share/bash-completion/completions/favpage-cli
  COMP_WORDS=(favpage-cli --ty); COMP_CWORD=1; _favpage_cli; echo "${COMPREPLY[*]}"')
[ "$completed" = "--type" ] || fail "the installed completion offered \"$completed\" for --ty"

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

$sudo apt-get -o DPkg::Lock::Timeout=600 remove -y -qq favpage >"$work/apt.log" 2>&1 ||
  { cat "$work/apt.log" >&2; fail "apt-get remove failed"; }
installed=""
dpkg-query -W -f='${Status}' favpage 2>/dev/null | grep -q " installed" &&
  fail "favpage is still installed"
while read -r path; do
  if [ -e "$path" ] || [ -L "$path" ]; then fail "$path is left after removal"; fi
done <<<"$owned"

elapsed_ms=$((($(date +%s%N) - started) / 1000000))
printf 'package test: passed in %d.%03d s\n' $((elapsed_ms / 1000)) $((elapsed_ms % 1000))
