#!/usr/bin/env bash
# Builds the renderer benchmark optimised and without sanitizers, then runs it.
#   bench/run_render_bench.sh [BUILD_FOLDER]
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$top/build-bench}
cmake -S "$top" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_FLAGS_RELEASE="-O2 -DNDEBUG" \
  -DVB_SANITIZE=OFF >/dev/null
ninja -C "$build" -j2 render_bench >/dev/null
"$build/bench/render_bench"
