#!/usr/bin/env bash
# Builds every package of favpage into dist/:
#   deb    the Debian package dist/favpage_<version>_<arch>.deb, from build/ (or
#          $FAVPAGE_BUILD_DIR), built first when it is not there yet; extra arguments go
#          to CMake's configure step then.
#   win64  the Windows zip dist/favpage-<version>-win64.zip and the installer
#          dist/favpage-<version>-win64-setup.exe, from the MinGW-w64 build in build-win/
#          (scripts/build-windows.sh brings it up to date first).
# FAVPAGE_PACKAGES picks some of them ("deb", "win64"); all by default.
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${FAVPAGE_BUILD_DIR:-build}
win_build_dir=build-win
dist_dir=dist
packages=${FAVPAGE_PACKAGES:-deb win64}

# What the Windows packages ship, beside a README: the programs of build-win/bin (one name
# a line; each becomes <name>.exe) and the data files they read from their own folder.
windows_programs=(
  favpage
  favpage-cli
)
windows_data=(mirelstyle0.css mirelstyle1.css mirelstyle2.css sample-top.html sample-bottom.html
  sample-html5-top.html sample-html5-bottom.html)

mkdir -p "$dist_dir"

# CPack works in a folder of its own, so the build tree and its tests are left as they
# are; only the finished package reaches dist/.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

package_deb() {
  if [ ! -f "$build_dir/CPackConfig.cmake" ]; then
    FAVPAGE_BUILD_DIR="$build_dir" scripts/build.sh "$@"
  fi
  command -v dpkg-shlibdeps >/dev/null || scripts/deps.sh dpkg-dev
  rm -f "$dist_dir"/favpage_*.deb
  cpack --config "$build_dir/CPackConfig.cmake" -G DEB -B "$work/deb" >"$work/deb.log" ||
    { cat "$work/deb.log" >&2; return 1; }
  mv "$work"/deb/favpage_*.deb "$dist_dir"/
  ls "$dist_dir"/favpage_*.deb
}

# The version is CMake's project version, as the build that made the programs saw it.
windows_version() {
  sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$win_build_dir/CMakeCache.txt"
}

# Lays out in $work/win64/favpage-<version>-win64/ exactly what both Windows packages ship,
# and writes $work/win64/files.nsh, the installer's list of the same files (what it installs
# and what its uninstaller removes).
stage_windows() {
  local version=$1
  local stage=$work/win64/favpage-$version-win64
  mkdir -p "$stage"
  for program in "${windows_programs[@]}"; do
    x86_64-w64-mingw32-strip -o "$stage/$program.exe" "$win_build_dir/bin/$program.exe"
  done
  for data in "${windows_data[@]}"; do
    cp data/"$data" "$stage/"
  done
  # Notepad before Windows 10 shows a file with bare LF line ends as one line, and reads
  # a file without a byte-order mark in the ANSI code page: UTF-8 with BOM and CR LF.
  {
    printf '\xEF\xBB\xBF'
    sed -e "s/@VERSION@/$version/" -e 's/$/\r/' packaging/windows/README.txt
  } >"$stage/README.txt"

  local names
  names=$(cd "$stage" && ls)
  {
    echo '!macro FavpageInstallFiles'
    for name in $names; do echo "  File \"$name\""; done
    echo '!macroend'
    echo '!macro FavpageUninstallFiles'
    for name in $names; do echo "  Delete \"\$INSTDIR\\$name\""; done
    echo '!macroend'
  } >"$work/win64/files.nsh"
}

package_windows_zip() {
  local version=$1
  local zip=$dist_dir/favpage-$version-win64.zip
  command -v zip >/dev/null || FAVPAGE_WITH_QT=OFF scripts/deps.sh zip
  rm -f "$zip"
  # One folder inside, so unpacking never scatters the files among others.
  (cd "$work/win64" && zip -q -r -X -9 - "favpage-$version-win64") >"$zip"
  ls "$zip"
}

package_windows_installer() {
  local version=$1
  local installer=$dist_dir/favpage-$version-win64-setup.exe
  command -v makensis >/dev/null || FAVPAGE_WITH_QT=OFF scripts/deps.sh nsis
  rm -f "$installer"
  # -NOCD keeps the staged folder current, so the list names its files without a path.
  # The script is UTF-8 (its Japanese texts); the icon is the window's own.
  (cd "$work/win64/favpage-$version-win64" && makensis -V2 -INPUTCHARSET UTF8 -NOCD \
    -DVERSION="$version" -DFILES="$work/win64/files.nsh" -DICON="$OLDPWD/src/ui/win32/favpage.ico" \
    -DOUTFILE="$work/win64/setup.exe" "$OLDPWD/packaging/windows/favpage.nsi") \
    >"$work/nsis.log" 2>&1 ||
    { cat "$work/nsis.log" >&2; return 1; }
  mv "$work/win64/setup.exe" "$installer"
  ls "$installer"
}

package_windows() {
  scripts/build-windows.sh
  local version
  version=$(windows_version)
  [ -n "$version" ] || { echo "package.sh: no project version in $win_build_dir" >&2; return 1; }
  rm -f "$dist_dir"/favpage-*-win64.zip "$dist_dir"/favpage-*-win64-setup.exe
  stage_windows "$version"
  package_windows_zip "$version"
  package_windows_installer "$version"
}

for package in $packages; do
  case "$package" in
    deb)
      [ "$(uname -s)" = Linux ] || { echo "package.sh: the .deb is built on Linux" >&2; exit 1; }
      package_deb "$@"
      ;;
    win64) package_windows ;;
    *) echo "package.sh: no package \"$package\" (deb, win64)" >&2; exit 2 ;;
  esac
done
