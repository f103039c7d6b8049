#!/usr/bin/env bash
# Configures and builds one build tree.
# Usage: build.sh DIR [cmake options...]   (BUILD_TARGETS="a b" limits the build)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
dir=$1; shift
launcher=()
# ccache keeps the second and later builds of an unchanged file quick.
if command -v ccache >/dev/null; then
  launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
  export CCACHE_BASEDIR="$root" CCACHE_NOHASHDIR=1
fi
cmake -S "$root" -B "$dir" "${launcher[@]}" "$@" >/dev/null
targets=()
for target in ${BUILD_TARGETS:-}; do targets+=(--target "$target"); done
cmake --build "$dir" --parallel "$(nproc)" "${targets[@]}"
