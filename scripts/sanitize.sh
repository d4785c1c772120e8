#!/usr/bin/env bash
# Builds everything with the address and undefined-behaviour sanitizers (gcc, in build-sanitize/)
# and runs the tests there, the browser tests on the program built that way included. A report
# fails the run; the reports are kept in build-sanitize/sanitizer-logs/. Leaks are not looked for:
# the program leaves its window's tree to the system when it exits, and the tests their fixtures.
# Slow (the build takes about half an hour on four cores): run it by hand, not from ./test.
#   scripts/sanitize.sh [ctest arguments]
set -euo pipefail
cd "$(dirname "$0")/.."
export CCACHE_BASEDIR="$PWD" CCACHE_NOHASHDIR=1
build=build-sanitize
flags="-fsanitize=address,undefined -fno-omit-frame-pointer"
if [ ! -f "$build/build.ninja" ]; then
  CC=gcc CXX=g++ cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_C_FLAGS="$flags" -DCMAKE_CXX_FLAGS="$flags" \
    -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" >/dev/null
fi
cmake --build "$build" -j "${ORVA_JOBS:-$(nproc)}"

logs="$PWD/$build/sanitizer-logs"
rm -rf "$logs"
mkdir -p "$logs"
status=0
(cd "$build" && ASAN_OPTIONS="detect_leaks=0:log_path=$logs/asan" \
  UBSAN_OPTIONS="print_stacktrace=1:log_path=$logs/ubsan" \
  ctest -j "${ORVA_JOBS:-$(nproc)}" --timeout 900 "$@") || status=$?
if compgen -G "$logs/*" >/dev/null; then
  echo "sanitize: reports in $logs:" >&2
  grep -h "^SUMMARY\|runtime error" "$logs"/* | sort | uniq -c >&2
  exit 1
fi
exit "$status"
