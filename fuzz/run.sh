#!/usr/bin/env bash
# Builds the directory file fuzzer with clang and runs it.
# Usage: fuzz/run.sh SECONDS
# Exits non-zero when the fuzzer finds a crash or a failed check; the input
# that caused it is left in build-fuzz/ as crash-*.
set -euo pipefail
seconds=${1:?usage: fuzz/run.sh SECONDS}
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build-fuzz"
cxx=${FUZZ_CXX:-clang++}

mkdir -p "$build/corpus"
"$cxx" -std=c++17 -O1 -g -Wall -Wextra -Werror \
  -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined \
  -I"$root" \
  "$root/fuzz/DirectoryFileFuzzer.cpp" \
  "$root/data/RecordList.cpp" \
  "$root/data/RecordNodePool.cpp" \
  "$root/data/DirectoryReader.cpp" \
  "$root/data/DirectoryWriter.cpp" \
  "$root/base/CString.cpp" \
  -o "$build/directory_file_fuzzer"

# The worked examples seed the corpus; what the fuzzer adds stays in the
# build directory.
cp "$root/fuzz/seeds/"* "$build/corpus/"
"$build/directory_file_fuzzer" \
  -max_total_time="$seconds" -timeout=10 -print_final_stats=1 \
  -artifact_prefix="$build/" "$build/corpus"
