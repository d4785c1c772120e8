#!/usr/bin/env bash
# Configures (once) and builds everything in build/.
set -euo pipefail
cd "$(dirname "$0")/.."
jobs=${ORVA_JOBS:-$(nproc)}
# Let ccache share results between clones of the project in different folders.
export CCACHE_BASEDIR="$PWD" CCACHE_NOHASHDIR=1
if [ ! -f build/build.ninja ]; then
  cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
fi
cmake --build build -j "$jobs"
