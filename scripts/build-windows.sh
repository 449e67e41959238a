#!/usr/bin/env bash
# Cross-builds the core, its tests and favpage-cli for 64-bit Windows with MinGW-w64 into
# build-win/ (toolchain cmake/mingw-w64-x86_64.cmake). GoogleTest is built from Debian's
# sources with the same toolchain into build-win-gtest/, since Debian ships none for MinGW.
# Extra arguments go to CMake's configure step. Shared by the Wine tests and the packages.
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
  -DGTest_DIR="$gtest_prefix/lib/cmake/GTest" "$@" >/dev/null
cmake --build build-win -j"$(nproc)"
