#!/usr/bin/env bash
# Builds the directory file fuzzer and the vCard and CSV reader fuzzers with
# clang and runs them: the first for SECONDS, the other two for
# CONTACT_FUZZ_SECONDS each (default 30).
# Usage: fuzz/run.sh SECONDS
# Exits non-zero when a fuzzer finds a crash or a failed check; the input
# that caused it is left in build-fuzz/ as crash-*.
set -euo pipefail
seconds=${1:?usage: fuzz/run.sh SECONDS}
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build-fuzz"
cxx=${FUZZ_CXX:-clang++}

# The record list and the directory file's reader and writer, without the
# parts that touch the disk.
data_sources=("$root"/data/{RecordList,RecordNodePool,DirectoryReader,DirectoryWriter}.cpp "$root"/base/{CString,Windows1252}.cpp)

mkdir -p "$build/corpus"
"$cxx" -std=c++17 -O1 -g -Wall -Wextra -Werror \
  -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined \
  -I"$root" \
  "$root/fuzz/DirectoryFileFuzzer.cpp" "${data_sources[@]}" \
  -o "$build/directory_file_fuzzer"

# Small directory files seed the corpus, the two-record directory of the
# tests among them; what the fuzzer adds stays in the build directory.
# Inputs are a few kilobytes at most, so reading one takes microseconds and
# little memory: an input that takes seconds, a single allocation of 64 MB,
# or a process grown past 1 GB (ASan's own bookkeeping included) is a path
# whose time or memory grows faster than its input, and fails the run.
cp "$root/fuzz/seeds/"* "$root/tests/data/two-records.dat" "$build/corpus/"
"$build/directory_file_fuzzer" \
  -max_total_time="$seconds" -timeout=2 -rss_limit_mb=1024 -malloc_limit_mb=64 -print_final_stats=1 \
  -artifact_prefix="$build/" "$build/corpus"

# The contact file readers use QtCore's character-set converters.
contact_seconds=${CONTACT_FUZZ_SECONDS:-30}
read -r -a qt_flags <<< "$(pkg-config --cflags --libs Qt6Core)"
for format in vcard csv; do
  is_csv=0; [[ $format == csv ]] && is_csv=1
  "$cxx" -std=c++17 -O1 -g -Wall -Wextra -Werror -fPIC \
    -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined \
    -DDIALSTACK_FUZZ_CSV=$is_csv -I"$root" \
    "$root/fuzz/ContactFileFuzzer.cpp" \
    "$root"/convert/{Charset,CsvReader,CsvWriter,DirectoryText,ImportReport,RecordImporter,VCardReader,VCardWriter}.cpp \
    "${data_sources[@]}" "${qt_flags[@]}" \
    -o "$build/${format}_fuzzer"

  # The golden files of the tests seed the corpus.
  mkdir -p "$build/corpus-$format"
  if [[ $format == csv ]]; then
    cp "$root"/tests/convert/golden/*.csv "$build/corpus-$format/"
  else
    cp "$root"/tests/convert/golden/*.vcf "$build/corpus-$format/"
  fi
  "$build/${format}_fuzzer" \
    -max_total_time="$contact_seconds" -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/" "$build/corpus-$format"
done
