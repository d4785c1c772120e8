#!/usr/bin/env bash
# Compiles the program's libraries and one small fuzz target with clang, as scripts/fuzz.sh does
# for long fuzzing runs, so that a construct that only gcc accepts is noticed by every test run
# and not first by the next person who fuzzes. Unoptimised and without debug information (only
# whether it compiles matters here), in build-clang/, through ccache like the main build.
set -euo pipefail
cd "$(dirname "$0")/.."
command -v clang++ >/dev/null || { echo "clang-check: clang++ is not installed" >&2; exit 1; }
export CCACHE_BASEDIR="$PWD" CCACHE_NOHASHDIR=1
build=build-clang
if [ ! -f "$build/build.ninja" ]; then
  CC=clang CXX=clang++ cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug \
    -DCMAKE_C_FLAGS_DEBUG=-O0 -DCMAKE_CXX_FLAGS_DEBUG=-O0 >/dev/null
fi
cmake --build "$build" --target fuzz_url -j "${ORVA_JOBS:-$(nproc)}"
