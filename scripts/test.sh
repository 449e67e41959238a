#!/usr/bin/env bash
# Installs what is missing, builds favpage and runs every test through CTest: the whole
# build with the window, then the core alone under AddressSanitizer and
# UndefinedBehaviorSanitizer (which also proves the core builds without Qt), and last the
# core and favpage-cli cross-built for Windows and tested under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh

werror=OFF
[ "${CI:-}" = "true" ] && werror=ON

FAVPAGE_BUILD_DIR=build scripts/build.sh -DFAVPAGE_WERROR=$werror
ctest --test-dir build --output-on-failure -j2
# The HTML5 pages of the sample tree and the bookmark fixtures through the W3C checker,
# which it installs when missing.
scripts/check-html5.sh build

FAVPAGE_BUILD_DIR=build-asan scripts/build.sh -DFAVPAGE_WERROR=$werror -DFAVPAGE_WITH_QT=OFF \
  -DFAVPAGE_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --test-dir build-asan --output-on-failure -j2

# The Debian package, installed and removed for real (FAVPAGE_SKIP_PACKAGE_TEST=1 skips).
scripts/package_test.sh

scripts/test-windows.sh
