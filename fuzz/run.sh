#!/usr/bin/env bash
# Builds the fuzzers of everything read from outside (the directory file,
# vCard and CSV files, a CardDAV server's replies) with clang and runs them:
# the first for SECONDS, the contact file readers for CONTACT_FUZZ_SECONDS
# each (default 30), the CardDAV replies for DAV_FUZZ_SECONDS (default 30).
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
data_sources=("$root"/data/{RecordList,RecordNodePool,DirectoryReader,DirectoryWriter}.cpp "$root"/base/{CString,ReasonText,Windows1252Map}.cpp)

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

# The contact file readers use QtCore for character sets beyond UTF-8 and
# Windows-1252. Each input has a time and a memory limit, so that a path
# whose time or memory grows faster than its input fails the run.
contact_seconds=${CONTACT_FUZZ_SECONDS:-30}
read -r -a qt_flags <<< "$(pkg-config --cflags --libs Qt6Core)"
# The tools' texts come through l10n, which has English's plural forms
# compiled in from the English catalogue.
/usr/lib/qt6/bin/lrelease -silent "$root/translations/dialstack_en.ts" -qm "$build/dialstack_en.qm"
cmake -DINPUT="$build/dialstack_en.qm" -DOUTPUT="$build/EnglishCatalogue.cpp" -DFUNCTION=EnglishCatalogueQm \
  -P "$root/res/EmbedFile.cmake"
l10n_sources=("$root/l10n/Translators.cpp" "$build/EnglishCatalogue.cpp")
contact_sources=("$root"/convert/{ContactReader,CsvColumns,CsvReader,CsvTokenizer,CsvWriter,ImportReport,InputText,RecordImporter,VCardReader}.cpp
  "$root"/shell/{PrintableText,ToolText}.cpp "${l10n_sources[@]}"
  "$root"/vcard/{CardKind,Charset,DirectoryText,FieldChoice,LeftOut,NameParts,NumberChoice,VCardLexer,VCardMapper,VCardParameters,VCardUnfolder,VCardValue,VCardWriter}.cpp
  "$root"/sync/Card.cpp)
for format in vcard csv; do
  is_csv=0; [[ $format == csv ]] && is_csv=1
  "$cxx" -std=c++17 -O1 -g -Wall -Wextra -Werror -fPIC \
    -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined \
    -DDIALSTACK_FUZZ_CSV=$is_csv -DDIALSTACK_CONTACT_LIMIT=1024 -I"$root" \
    "$root/fuzz/ContactFileFuzzer.cpp" "${contact_sources[@]}" \
    "${data_sources[@]}" "${qt_flags[@]}" \
    -o "$build/${format}_fuzzer"

  # The golden files of the tests and the hostile shapes (wide rows, a
  # card of many properties, control characters) seed the corpus.
  mkdir -p "$build/corpus-$format"
  if [[ $format == csv ]]; then
    cp "$root"/tests/convert/golden/*.csv "$root"/fuzz/contact-seeds/*.csv "$build/corpus-$format/"
  else
    cp "$root"/tests/convert/golden/*.vcf "$root"/fuzz/contact-seeds/*.vcf "$build/corpus-$format/"
  fi
  # One contact may hold 1 KiB under the fuzzer, so inputs of 24 KB reach
  # every limit. A reader whose memory follows its input needs little for
  # one: no single allocation may pass 64 MB, and the process limit leaves
  # room for the sanitizer's own quarantine.
  ASAN_OPTIONS=${ASAN_OPTIONS:-quarantine_size_mb=64} "$build/${format}_fuzzer" \
    -max_total_time="$contact_seconds" -max_len=24576 -timeout=2 -malloc_limit_mb=64 -rss_limit_mb=1024 \
    -print_final_stats=1 \
    -artifact_prefix="$build/" "$build/corpus-$format"
done

# The reader of a CardDAV server's replies and the card model of the sync,
# with QtCore's XML reader and character-set converters.
dav_seconds=${DAV_FUZZ_SECONDS:-30}
"$cxx" -std=c++17 -O1 -g -Wall -Wextra -Werror -fPIC \
  -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined \
  -I"$root" \
  "$root/fuzz/DavReplyFuzzer.cpp" "$root"/sync/{Card,DavMultiStatus,SyncText}.cpp "$root/shell/ToolText.cpp" "${l10n_sources[@]}" \
  "$root"/vcard/{CardKind,Charset,DirectoryText,FieldChoice,NumberChoice,VCardLexer,VCardParameters,VCardUnfolder,VCardValue,VCardWriter}.cpp \
  "${data_sources[@]}" "${qt_flags[@]}" \
  -o "$build/dav_reply_fuzzer"
mkdir -p "$build/corpus-dav"
cp "$root"/fuzz/dav-seeds/* "$build/corpus-dav/"
"$build/dav_reply_fuzzer" \
  -max_total_time="$dav_seconds" -timeout=10 -print_final_stats=1 \
  -artifact_prefix="$build/" "$build/corpus-dav"
