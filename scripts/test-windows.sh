#!/usr/bin/env bash
# Cross-builds the core, favpage.exe and favpage-cli for 64-bit Windows into build-win/
# (scripts/build-windows.sh), checks under Wine that favpage-cli.exe writes the pages the
# Linux build writes, tries the window as a user would (scripts/wine-window-test.sh), builds
# the Windows zip and installer and tries both (install, run, uninstall), and last runs the
# tests under Wine through CTest. Wine gets a prefix of its own, which is removed at the end,
# one server kept warm for the whole run, and a virtual X screen with a window manager for
# the windows. FAVPAGE_WINDOWS_SCREENSHOT=FILE.png also saves the window there.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
started=$SECONDS
# shellcheck source=scripts/wine-prefix.sh
. scripts/wine-prefix.sh
FAVPAGE_WITH_QT=OFF scripts/deps.sh nsis zip unzip xvfb xdotool x11-utils openbox \
  fonts-ipafont-gothic
scripts/build-windows.sh

werror=OFF
[ "${CI:-}" = "true" ] && werror=ON

# The Linux program the Windows one is compared with.
linux_cli=build/bin/favpage-cli
if [ ! -x "$linux_cli" ]; then
  FAVPAGE_BUILD_DIR=build-core scripts/build.sh -DFAVPAGE_WITH_QT=OFF -DFAVPAGE_WERROR=$werror
  linux_cli=build-core/bin/favpage-cli
fi

scratch=$(mktemp -d)
export WINEPREFIX=$scratch/wine WINEDLLOVERRIDES=mscoree= WINEDEBUG=-all
# Never `wineserver -w` here: it waits forever for a persistent server.
x_pids=()
cleanup() {
  wineserver -k 2>/dev/null || true
  for pid in "${x_pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  rm -rf "$scratch"
}
trap cleanup EXIT
# The windows' screen: 96 pixels per inch, as the layout is drawn for, and a window manager,
# as on a desktop (Wine waits for one whenever it hides a window). Large enough for the
# window laid out at 200 %, which no window may exceed.
mkdir -p "$scratch/fb"
Xvfb -displayfd 3 -screen 0 2048x1536x24 -fbdir "$scratch/fb" -dpi 96 -nocursor -nolisten tcp \
  3>"$scratch/display" 2>/dev/null &
x_pids+=($!)
for _ in $(seq 100); do [ -s "$scratch/display" ] && break; sleep 0.05; done
export DISPLAY=":$(cat "$scratch/display")" FAVPAGE_FRAMEBUFFER=$scratch/fb/Xvfb_screen0
openbox >/dev/null 2>&1 &
x_pids+=($!)
# The first start makes the prefix (a few seconds), before the tests start Wine in parallel.
start_wine_prefix

# favpage-cli.exe must write the very bytes the Linux build writes, in both modes.
windows_path() { echo "Z:${1//\//\\}"; }
favorites=$root/examples/Favorites
same=0
differ=0
compare() {
  local name=$1
  shift
  mkdir -p "$scratch/linux/$name" "$scratch/windows/$name"
  "$linux_cli" --favorites "$favorites" --out "$scratch/linux/$name/links.html" --quiet "$@"
  wine build-win/bin/favpage-cli.exe --favorites "$(windows_path "$favorites")" \
    --out "$(windows_path "$scratch/windows/$name/links.html")" --quiet "$@"
  if diff -r "$scratch/linux/$name" "$scratch/windows/$name"; then
    same=$((same + 1))
  else
    echo "favpage-cli.exe and the Linux favpage-cli wrote different pages ($name)" >&2
    differ=$((differ + 1))
  fi
}
single_args=(--type single --style 0 --title "私のリンク集" --title "更新"
  --return-caption "戻る" --return-url "../index.html")
tree_args=(--type tree --style 2 --title "リンク" --no-return --blank)
compare single "${single_args[@]}"
compare tree "${tree_args[@]}"

# Every other fixture, as a single page and as a tree, in Shift_JIS and in UTF-8: the
# bookmark files of tests/data/bookmarks, and a favorites folder with names that Windows'
# own path rules would take for devices or shorten, which both builds read as names.
reserved=$scratch/Reserved
mkdir -p "$reserved/trail." "$reserved/space " "$reserved/PRN" "$reserved/dots..."
shortcut() { printf '[InternetShortcut]\r\nURL=%s\r\n' "$2" >"$1"; }
shortcut "$reserved/CON.url" https://con.example/
shortcut "$reserved/aux.url" https://aux.example/
shortcut "$reserved/name..url" https://name.example/
printf 'not a shortcut\r\n' >"$reserved/nul.txt"
shortcut "$reserved/trail./inside.url" https://trail.example/
shortcut "$reserved/space /COM1.url" https://space.example/
shortcut "$reserved/PRN/lpt1.url" https://prn.example/
shortcut "$reserved/dots.../x.url" https://dots.example/
: >"$scratch/empty.ini"
compare_source() {
  local name=$1 source=$2
  shift 2
  mkdir -p "$scratch/linux/$name" "$scratch/windows/$name"
  "$linux_cli" --source "$source" --out "$scratch/linux/$name/links.html" --quiet \
    --settings "$scratch/empty.ini" "$@"
  wine build-win/bin/favpage-cli.exe --source "$(windows_path "$source")" \
    --out "$(windows_path "$scratch/windows/$name/links.html")" --quiet \
    --settings "$(windows_path "$scratch/empty.ini")" "$@"
  if diff -r "$scratch/linux/$name" "$scratch/windows/$name"; then
    same=$((same + 1))
  else
    echo "favpage-cli.exe and the Linux favpage-cli wrote different pages ($name)" >&2
    differ=$((differ + 1))
  fi
}
for source in "$favorites" "$reserved" "$root"/tests/data/bookmarks/*; do
  for type in single tree; do
    for charset in shift_jis utf-8; do
      compare_source "$(basename "$source")-$type-$charset" "$source" --type "$type" \
        --charset "$charset" --style 1 --title "リンク" --return-caption "戻る" \
        --return-url "../"
    done
  done
done
grep -q "https://trail.example/" "$scratch/windows/Reserved-tree-utf-8"/links_*.html ||
  { echo "the folder trail. has no page" >&2; differ=$((differ + 1)); }
grep -q '"https://con.example/"' "$scratch/windows/Reserved-single-utf-8/links.html" ||
  { echo "CON.url lost its address" >&2; differ=$((differ + 1)); }

# The browsers found in this Windows user's own folders: Chrome's profile (by the name it
# shows) publishes the same pages as its Bookmarks file does on Linux. Firefox's database
# needs the system's SQLite, which Wine does not have: the run is refused, naming the
# file, and writes nothing.
local_appdata=$(winepath -u "$(wine cmd /c echo %LOCALAPPDATA% | tr -d '\r')" 2>/dev/null)
roaming_appdata=$(winepath -u "$(wine cmd /c echo %APPDATA% | tr -d '\r')" 2>/dev/null)
chrome_data="${local_appdata%/}/Google/Chrome/User Data"
mkdir -p "$chrome_data/Profile 1"
cp tests/data/bookmarks/Bookmarks "$chrome_data/Profile 1/Bookmarks"
printf '{"profile": {"info_cache": {"Profile 1": {"name": "\\u4ed5\\u4e8b"}}}}' \
  >"$chrome_data/Local State"
mkdir -p "$scratch/windows/chrome"
wine build-win/bin/favpage-cli.exe --source chrome --profile "仕事" \
  --out "$(windows_path "$scratch/windows/chrome/links.html")" --quiet \
  --settings "$(windows_path "$scratch/empty.ini")" --type tree --charset utf-8 --style 1 \
  --title "リンク" --return-caption "戻る" --return-url "../"
if diff -r "$scratch/linux/Bookmarks-tree-utf-8" "$scratch/windows/chrome"; then
  same=$((same + 1))
else
  echo "--source chrome under Wine wrote other pages than the Bookmarks file on Linux" >&2
  differ=$((differ + 1))
fi
firefox_data="${roaming_appdata%/}/Mozilla/Firefox"
mkdir -p "$firefox_data/Profiles/work"
printf '[Profile0]\r\nName=Work/Home\r\nIsRelative=1\r\nPath=Profiles/work\r\n' \
  >"$firefox_data/profiles.ini"
python3 - "$firefox_data/Profiles/work/places.sqlite" <<'PY'
import sqlite3, sys
db = sqlite3.connect(sys.argv[1])
db.executescript("""
  CREATE TABLE moz_places (id INTEGER PRIMARY KEY, url LONGVARCHAR, title LONGVARCHAR);
  CREATE TABLE moz_bookmarks (id INTEGER PRIMARY KEY, type INTEGER, fk INTEGER,
    parent INTEGER, position INTEGER, title LONGVARCHAR, guid TEXT);
  INSERT INTO moz_bookmarks VALUES (1, 2, NULL, 0, 0, '', 'root________');
  INSERT INTO moz_bookmarks VALUES (2, 2, NULL, 1, 0, 'menu', 'menu________');
  INSERT INTO moz_places VALUES (1, 'https://fox.example/', NULL);
  INSERT INTO moz_bookmarks VALUES (3, 1, 1, 2, 0, 'Fox', 'a');
""")
db.commit()
PY
for source in "$firefox_data/Profiles/work/places.sqlite" firefox; do
  status=0
  [ "$source" = firefox ] && profile=(--profile Work/Home) || profile=()
  [ "$source" = firefox ] || source=$(windows_path "$source")
  message=$(wine build-win/bin/favpage-cli.exe --source "$source" "${profile[@]}" \
    --out "$(windows_path "$scratch/windows/fox/links.html")" --quiet 2>&1 >/dev/null) ||
    status=$?
  message=${message//$'\r'/}
  if [ "$status" -eq 1 ] && [ ! -e "$scratch/windows/fox" ] &&
    [[ "$message" == *'places.sqlite: this system has no SQLite (winsqlite3.dll)' ]]; then
    same=$((same + 1))
  else
    echo "--source $source under Wine: exit $status, \"$message\"" >&2
    differ=$((differ + 1))
  fi
done
echo "comparisons: $same passed, $differ failed"
[ "$differ" -eq 0 ]
echo "Windows build, Wine prefix and page comparisons: $((SECONDS - started)) s"

window_started=$SECONDS
scripts/wine-window-test.sh build-win/bin "$linux_cli" ${FAVPAGE_WINDOWS_SCREENSHOT:+"$FAVPAGE_WINDOWS_SCREENSHOT"}
echo "Windows window tried in $((SECONDS - window_started)) s"

# The packages as a user meets them: the installer, silent, for this user only; its
# favpage-cli.exe (which finds the style sheets beside itself) writes the build's very
# pages; the silent uninstaller takes its files, its folder and its registry entry away.
# The zip's favpage-cli.exe runs from wherever it is unpacked.
packages_started=$SECONDS
package_fail() {
  echo "Windows packages: $*" >&2
  exit 1
}
FAVPAGE_PACKAGES=win64 scripts/package.sh >"$scratch/package.log" 2>&1 ||
  { cat "$scratch/package.log" >&2; package_fail "scripts/package.sh failed"; }
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' build-win/CMakeCache.txt)
zip=dist/favpage-$version-win64.zip
installer=dist/favpage-$version-win64-setup.exe
for package in "$zip" "$installer"; do
  [ -f "$package" ] || package_fail "$package was not built"
  echo "Windows package: $package ($(stat -c %s "$package") bytes)"
done

mkdir -p "$scratch/zip"
unzip -q "$zip" -d "$scratch/zip"
unpacked=$scratch/zip/favpage-$version-win64
shipped=$(cd "$unpacked" && ls)
[ "$(tr -cd '\r' <"$unpacked/README.txt" | wc -c)" -eq "$(wc -l <"$unpacked/README.txt")" ] ||
  package_fail "README.txt in the zip has a line without CR LF"
[ "$(head -c 3 "$unpacked/README.txt" | od -An -tx1 | tr -d ' ')" = efbbbf ] ||
  package_fail "README.txt in the zip does not start with the UTF-8 byte-order mark"
zip_version=$(wine "$unpacked/favpage-cli.exe" --version | tr -d '\r')
[ "$zip_version" = "favpage-cli $version" ] ||
  package_fail "the zip's favpage-cli.exe --version printed \"$zip_version\""
# One language per run, from the locale, through the same UTF-8 a file or pipe gets.
for lang in C.UTF-8 ja_JP.UTF-8; do
  said=$(LC_ALL= LC_MESSAGES= LANG=$lang wine "$unpacked/favpage-cli.exe" --type pages 2>&1 |
    tr -d '\r' || true)  # exit 2, the usage error's
  case $lang in
    ja*) expected=$'favpage-cli: --type には single|tree のどれかを指定します (\'pages\' は使えません)\n詳しくは \'favpage-cli --help\' を見てください。' ;;
    *) expected=$'favpage-cli: --type takes single|tree, not \'pages\'\nTry \'favpage-cli --help\'.' ;;
  esac
  [ "$said" = "$expected" ] || package_fail "favpage-cli.exe with LANG=$lang said \"$said\""
done

key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\favpage'
registered() { wine reg query "$key" >/dev/null 2>&1; }
registry_value() {
  wine reg query "$key" /v "$1" 2>/dev/null | tr -d '\r' | sed -n "s/^ *$1 *REG_SZ *//p"
}
registered && package_fail "favpage is registered before the installer ran"
wine "$installer" /S || package_fail "the silent install failed"
registered || package_fail "the installer wrote no uninstall entry under $key"
expected_location="$(wine cmd /c echo %LOCALAPPDATA% | tr -d '\r')\Programs\favpage"
location=$(registry_value InstallLocation)
[ "$location" = "$expected_location" ] ||
  package_fail "installed in \"$location\", not \"$expected_location\""
declare -A expected_values=(
  [DisplayName]="favpage" [DisplayVersion]="$version" [Publisher]="favpage"
  [UninstallString]="\"$location\\uninstall.exe\""
  [QuietUninstallString]="\"$location\\uninstall.exe\" /S")
for name in "${!expected_values[@]}"; do
  value=$(registry_value "$name")
  [ "$value" = "${expected_values[$name]}" ] ||
    package_fail "$name is \"$value\", not \"${expected_values[$name]}\""
done
installed=$(winepath -u "$location" 2>/dev/null)
installed=${installed%/}
[ "$(cd "$installed" && ls)" = "$(printf '%s\n' "$shipped" uninstall.exe | sort)" ] ||
  package_fail "the installer and the zip ship different files"

start_menu=$(winepath -u "$(wine cmd /c echo %APPDATA% | tr -d '\r')\Microsoft\Windows\Start Menu\Programs" 2>/dev/null)
[ -f "$start_menu/favpage.lnk" ] || package_fail "the installer made no Start-menu shortcut"
[ "$(registry_value DisplayIcon)" = "$location\favpage.exe" ] ||
  package_fail "DisplayIcon is \"$(registry_value DisplayIcon)\""

mkdir -p "$scratch/installed/tree"
wine "$installed/favpage-cli.exe" --favorites "$(windows_path "$favorites")" \
  --out "$(windows_path "$scratch/installed/tree/links.html")" --quiet "${tree_args[@]}" ||
  package_fail "the installed favpage-cli.exe failed"
diff -r "$scratch/windows/tree" "$scratch/installed/tree" ||
  package_fail "the installed favpage-cli.exe wrote other pages than the build's"

# The uninstaller runs from a copy of itself in the temporary folder, so that it can delete
# itself, and returns at once: wait for the copy to finish (it drops the entry last).
uninstall() {
  wine "$installed/uninstall.exe" /S || package_fail "the silent uninstall failed"
  for _ in $(seq 100); do
    registered || [ -e "$installed/uninstall.exe" ] || return 0
    sleep 0.2
  done
  package_fail "the uninstall entry or uninstall.exe is left after uninstalling"
}
uninstall
[ ! -e "$installed" ] || package_fail "$installed is left after uninstalling: $(ls -A "$installed")"
[ ! -e "$start_menu/favpage.lnk" ] || package_fail "the Start-menu shortcut is left after uninstalling"

# The folder joins the user's PATH only when asked (/ADDTOPATH, or the option on the
# installer's first page), at the end, once; uninstalling takes out only that entry.
user_path() {
  wine reg query 'HKCU\Environment' /v Path 2>/dev/null | tr -d '\r' |
    sed -n 's/^ *Path *REG_[A-Z_]*SZ *//p'
}
wine reg add 'HKCU\Environment' /v Path /t REG_EXPAND_SZ /d 'C:\keep;%USERPROFILE%\bin' /f >/dev/null 2>&1
wine "$installer" /S || package_fail "the silent install (PATH left alone) failed"
[ "$(user_path)" = 'C:\keep;%USERPROFILE%\bin' ] ||
  package_fail "a silent install changed PATH to \"$(user_path)\""
uninstall
wine "$installer" /S /ADDTOPATH || package_fail "the silent install with /ADDTOPATH failed"
[ "$(user_path)" = "C:\\keep;%USERPROFILE%\\bin;$location" ] ||
  package_fail "/ADDTOPATH made PATH \"$(user_path)\""
wine "$installer" /S /ADDTOPATH || package_fail "the second install with /ADDTOPATH failed"
[ "$(user_path)" = "C:\\keep;%USERPROFILE%\\bin;$location" ] ||
  package_fail "a second /ADDTOPATH made PATH \"$(user_path)\""
uninstall
[ "$(user_path)" = 'C:\keep;%USERPROFILE%\bin' ] ||
  package_fail "uninstalling left PATH \"$(user_path)\""
wine reg delete 'HKCU\Environment' /v Path /f >/dev/null 2>&1

# The settings the programs saved beside themselves outlive an uninstall (and so a reinstall).
wine "$installer" /S || package_fail "the second silent install failed"
printf '[Setup]\r\nOutType=1\r\n' >"$installed/favpage.INI"
uninstall
[ "$(ls -A "$installed")" = favpage.INI ] ||
  package_fail "uninstalling did not leave exactly the saved settings: $(ls -A "$installed")"
echo "Windows packages: zip and installer tried in $((SECONDS - packages_started)) s"

# Last, so that its summary closes the run.
ctest --test-dir build-win --output-on-failure -j2 "$@"
