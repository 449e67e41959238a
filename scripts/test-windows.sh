#!/usr/bin/env bash
# Cross-builds the core and favpage-cli for 64-bit Windows into build-win/ and runs the
# core's tests under Wine through CTest. GoogleTest is built from Debian's sources with the
# same toolchain, since Debian ships none for MinGW. Wine gets a prefix of its own, which
# is removed at the end, and one server kept warm for the whole run.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
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

prefix_root=$(mktemp -d)
export WINEPREFIX=$prefix_root/wine WINEDLLOVERRIDES=mscoree= WINEDEBUG=-all
# Never `wineserver -w` here: it waits forever for a persistent server.
cleanup() {
  wineserver -k 2>/dev/null || true
  rm -rf "$prefix_root"
}
trap cleanup EXIT
wineserver -p
wine cmd /c exit 0 >/dev/null 2>&1  # creates the prefix once, before tests run in parallel

ctest --test-dir build-win --output-on-failure -j2 "$@"
