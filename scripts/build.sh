#!/usr/bin/env bash
# Configures and builds one build tree.
# Usage: build.sh DIR [cmake options...]   (BUILD_TARGETS="a b" limits the build)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
dir=$1; shift
cmake -S "$root" -B "$dir" "$@" >/dev/null
targets=()
for target in ${BUILD_TARGETS:-}; do targets+=(--target "$target"); done
cmake --build "$dir" --parallel "$(nproc)" "${targets[@]}"
