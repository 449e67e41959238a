#!/usr/bin/env bash
# Builds every package of favpage into dist/: on Linux the Debian package
# dist/favpage_<version>_<arch>.deb. Builds the programs into build/ (or
# $FAVPAGE_BUILD_DIR) first when they are not built yet; extra arguments go to CMake's
# configure step then.
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${FAVPAGE_BUILD_DIR:-build}
dist_dir=dist

if [ ! -f "$build_dir/CPackConfig.cmake" ]; then
  FAVPAGE_BUILD_DIR="$build_dir" scripts/build.sh "$@"
fi
mkdir -p "$dist_dir"

# CPack works in a folder of its own, so the build tree and its tests are left as they
# are; only the finished package reaches dist/.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

package_deb() {
  command -v dpkg-shlibdeps >/dev/null || scripts/deps.sh dpkg-dev
  rm -f "$dist_dir"/favpage_*.deb
  cpack --config "$build_dir/CPackConfig.cmake" -G DEB -B "$work/deb" >"$work/deb.log" ||
    { cat "$work/deb.log" >&2; return 1; }
  mv "$work"/deb/favpage_*.deb "$dist_dir"/
  ls "$dist_dir"/favpage_*.deb
}

# Windows: the zip and the installer are built here (package_windows_zip,
# package_windows_installer), each into dist/ beside the .deb.

case "$(uname -s)" in
  Linux) package_deb ;;
  *) echo "package.sh: no package for $(uname -s) yet" >&2; exit 1 ;;
esac
