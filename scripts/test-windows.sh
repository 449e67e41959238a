#!/usr/bin/env bash
# Cross-builds the core and favpage-cli for 64-bit Windows into build-win/ and runs the
# core's tests under Wine through CTest. GoogleTest is built from Debian's sources with the
# same toolchain, since Debian ships none for MinGW. Wine gets a prefix of its own, which
# is removed at the end, and one server kept warm for the whole run.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
started=$SECONDS
FAVPAGE_WITH_QT=OFF scripts/deps.sh g++-mingw-w64-x86-64-posix wine wine64 googletest

werror=OFF
[ "${CI:-}" = "true" ] && werror=ON
toolchain=$root/cmake/mingw-w64-x86_64.cmake
gtest_prefix=$root/build-win-gtest/install

if [ ! -f "$gtest_prefix/lib/cmake/GTest/GTestConfig.cmake" ]; then
  cmake -S /usr/src/googletest -B build-win-gtest/build -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_INSTALL_PREFIX="$gtest_prefix" -DBUILD_GMOCK=OFF >/dev/null
  cmake --build build-win-gtest/build -j"$(nproc)"
  cmake --install build-win-gtest/build >/dev/null
fi

cmake -S . -B build-win -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
  -DFAVPAGE_WITH_QT=OFF -DFAVPAGE_WERROR=$werror \
  -DGTest_DIR="$gtest_prefix/lib/cmake/GTest" >/dev/null
cmake --build build-win -j"$(nproc)"

# The Linux program the Windows one is compared with.
linux_cli=build/bin/favpage-cli
if [ ! -x "$linux_cli" ]; then
  FAVPAGE_BUILD_DIR=build-core scripts/build.sh -DFAVPAGE_WITH_QT=OFF -DFAVPAGE_WERROR=$werror
  linux_cli=build-core/bin/favpage-cli
fi

scratch=$(mktemp -d)
export WINEPREFIX=$scratch/wine WINEDLLOVERRIDES=mscoree= WINEDEBUG=-all
# Never `wineserver -w` here: it waits forever for a persistent server.
cleanup() {
  wineserver -k 2>/dev/null || true
  rm -rf "$scratch"
}
trap cleanup EXIT
# The persistent server keeps every start short. The first start makes the prefix (a few
# seconds), before the tests start Wine in parallel.
mkdir -p "$WINEPREFIX"
wineserver -p
wine cmd /c exit 0 >/dev/null 2>&1

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
compare single --type single --style 0 --title "私のリンク集" --title "更新" \
  --return-caption "戻る" --return-url "../index.html"
compare tree --type tree --style 2 --title "リンク" --no-return --blank
echo "comparisons: $same passed, $differ failed"
[ "$differ" -eq 0 ]
echo "Windows build, Wine prefix and page comparisons: $((SECONDS - started)) s"

# Last, so that its summary closes the run.
ctest --test-dir build-win --output-on-failure -j2 "$@"
