#!/usr/bin/env bash
# Builds the libFuzzer targets (clang, AddressSanitizer, UndefinedBehaviorSanitizer) into
# build-fuzz/ and runs each one for the given seconds (30 by default) on a copy of its
# seed corpus in fuzz/corpus/, so the checked-in corpus never grows. Prints each
# target's executions and fails on any crash, leak, timeout or sanitizer report; the
# inputs that failed are kept in build-fuzz/fuzz-artifacts/.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-30}
root=$PWD

FAVPAGE_WITH_QT=OFF scripts/deps.sh clang libclang-rt-14-dev

werror=OFF
[ "${CI:-}" = "true" ] && werror=ON
build_dir=build-fuzz
FAVPAGE_BUILD_DIR=$build_dir scripts/build.sh -DFAVPAGE_FUZZ=ON -DFAVPAGE_WERROR=$werror \
  -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo

work=$(mktemp -d "${TMPDIR:-/tmp}/favpage-fuzz.XXXXXX")
trap 'rm -rf "$work"' EXIT
artifacts=$root/$build_dir/fuzz-artifacts

failed=()
while read -r target; do
  [ -n "$target" ] || continue
  corpus=$work/corpus-$target
  mkdir -p "$corpus" "$work/tmp-$target" "$work/artifacts-$target"
  [ -d "fuzz/corpus/$target" ] && cp -R "fuzz/corpus/$target/." "$corpus/"
  log=$work/$target.log
  status=0
  (cd "$work" &&
    TMPDIR="$work/tmp-$target" ASAN_OPTIONS=detect_leaks=1 \
      UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
      "$root/$build_dir/bin/fuzz_$target" -max_total_time="$seconds" -timeout=10 \
      -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$work/artifacts-$target/" \
      "$corpus") >"$log" 2>&1 || status=$?
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
  if [ "$status" -ne 0 ] ||
    grep -qE 'ERROR: (AddressSanitizer|LeakSanitizer|libFuzzer)|runtime error:' "$log"; then
    failed+=("$target")
    mkdir -p "$artifacts"
    cp -R "$work/artifacts-$target/." "$artifacts/" 2>/dev/null || true
    echo "fuzz_$target: FAILED after ${runs:-?} executions (exit $status)"
    tail -n 40 "$log"
  else
    echo "fuzz_$target: ${runs:-?} executions, no findings"
  fi
done <"$build_dir/fuzz/targets.txt"

if [ ${#failed[@]} -gt 0 ]; then
  echo "Fuzzing found faults in: ${failed[*]} (inputs in $artifacts)"
  exit 1
fi
