#!/usr/bin/env bash
# Builds fuzz/<name>.cpp with clang, libFuzzer and the address and undefined-behaviour sanitizers
# (in build-fuzz/, against the project's libraries built the same way) and runs it on its corpus.
#   scripts/fuzz.sh NAME [SECONDS] [more libFuzzer options]
# New inputs go to build-fuzz/corpus/NAME/ (the seeds in fuzz/corpus/NAME/ are only read);
# inputs that fail go to build-fuzz/artifacts/. Copy the ones worth keeping into fuzz/corpus/NAME/.
set -euo pipefail
cd "$(dirname "$0")/.."
if [ $# -lt 1 ]; then
  echo "usage: scripts/fuzz.sh NAME [SECONDS] [libFuzzer options]" >&2
  exit 2
fi
name=$1
seconds=${2:-600}
shift $(( $# < 2 ? $# : 2 ))
[ -f "fuzz/$name.cpp" ] || { echo "no fuzz target fuzz/$name.cpp" >&2; exit 2; }

build=build-fuzz
if [ ! -f "$build/build.ninja" ]; then
  CC=clang CXX=clang++ cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DORVA_FUZZ=ON >/dev/null
fi
cmake --build "$build" --target "fuzz_$name" -j "${ORVA_JOBS:-4}"

mkdir -p "$build/corpus/$name" "$build/artifacts" "fuzz/corpus/$name"
options=(-max_total_time="$seconds" -artifact_prefix="$build/artifacts/$name-" -print_final_stats=1)
[ -f "fuzz/$name.dict" ] && options+=(-dict="fuzz/$name.dict")
seeds=("fuzz/corpus/$name")
if [ -f "fuzz/$name.seeds" ]; then
  while IFS= read -r dir; do [ -n "$dir" ] && seeds+=("$dir"); done < "fuzz/$name.seeds"
fi
exec "$build/fuzz/fuzz_$name" "${options[@]}" "$@" "$build/corpus/$name" "${seeds[@]}"
