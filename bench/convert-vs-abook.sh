#!/usr/bin/env bash
# Import and export of 100,000 contacts by dialstack-convert, side by side
# with abook's conversion of the same cards (vCard to its own format and
# back), when abook is installed. Time and peak memory come from
# /usr/bin/time; run by hand on a quiet machine, never by CI:
#   cmake -S . -B build-bench -DDIALSTACK_BUILD_BENCH=ON -DCMAKE_BUILD_TYPE=Release
#   cmake --build build-bench --target dialstack-convert
#   bench/convert-vs-abook.sh [build-bench/dialstack-convert [OTHER-BUILD/dialstack-convert]]
# A second converter, an older build say, is measured beside the first.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
converters=("${1:-$root/build-bench/dialstack-convert}")
[[ $# -ge 2 ]] && converters+=("$2")
cards=${CARDS:-100000}
runs=${RUNS:-5}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# vCard 4.0 cards of the shapes an address book exports: "plain", a name
# in FN and N, a number, an e-mail address and a note; "richer", two
# numbers and a note with escapes (a comma, a semicolon, a line break);
# "accented", the same with accented names and notes.
make_cards() {
  awk -v n="$cards" -v shape="$1" 'BEGIN {
    for (i = 1; i <= n; ++i) {
      if (shape == "plain") {
        printf "BEGIN:VCARD\r\nVERSION:4.0\r\nFN:Person %06d Example\r\nN:Example;Person %06d;;;\r\n" \
               "TEL;TYPE=cell:+1 555 %07d\r\nEMAIL:person%06d@example.com\r\nNOTE:Table %d\r\nEND:VCARD\r\n", \
               i, i, i, i, i % 97
        continue
      }
      given = shape == "accented" ? "Zo\303\253 %06d" : "Zoe %06d"
      family = shape == "accented" ? "Bront\303\253" : "Bronte"
      note = shape == "accented" ? "Caf\303\251 au coin\\, table %d\\; clef \303\240 gauche\\ndeuxi\303\250me ligne" \
                                 : "Corner cafe\\, table %d\\; key on the left\\nsecond line"
      printf "BEGIN:VCARD\r\nVERSION:4.0\r\nFN:" given " " family "\r\nN:" family ";" given ";;;\r\n" \
             "TEL;TYPE=cell:+49 170 %07d\r\nTEL;TYPE=home:+49 30 %07d\r\nEMAIL:zoe%06d@example.com\r\n" \
             "NOTE:" note "\r\nEND:VCARD\r\n", i, i, i, i, i, i % 97
    }
  }'
}
shapes=(${CARD_SHAPES:-plain richer accented})
for shape in "${shapes[@]}"; do make_cards "$shape" > "$work/cards-$shape.vcf"; done
echo "$cards cards of each shape (${shapes[*]}), vCard 4.0; best of $runs runs"
printf '%-56s %8s %8s %14s\n' "run" "seconds" "CPU s" "peak RSS (MB)"

# Runs the command RUNS times; prints its best time, the processor time of
# that run (less disturbed by a busy machine) and its peak memory.
measure() {
  local label=$1; shift
  local best_time="" best_cpu="" best_rss=""
  for ((r = 0; r < runs; ++r)); do
    /usr/bin/time -f '%e %U %S %M' -o "$work/time" "$@" > /dev/null 2> "$work/err" || { cat "$work/err"; return 1; }
    read -r t user sys rss < "$work/time"
    if [[ -z $best_time ]] || awk -v a="$t" -v b="$best_time" 'BEGIN { exit !(a < b) }'; then
      best_time=$t; best_cpu=$(awk -v u="$user" -v s="$sys" 'BEGIN { printf "%.2f", u + s }'); best_rss=$rss
    fi
  done
  printf '%-56s %8s %8s %14s\n' "$label" "$best_time" "$best_cpu" "$((best_rss / 1024))"
}

for shape in "${shapes[@]}"; do
  input_mb=$(du -m "$work/cards-$shape.vcf" | cut -f1)
  for converter in "${converters[@]}"; do
    name=$converter
    # Each import starts from no directory; the last one's is exported.
    measure "$name import $shape" bash -c "rm -f '$work/Dialstack.dat' && exec '$converter' import --format vcard --file '$work/Dialstack.dat' '$work/cards-$shape.vcf'"
    directory_mb=$(du -m "$work/Dialstack.dat" | cut -f1)
    measure "$name export $shape" "$converter" export --format vcard --file "$work/Dialstack.dat" --output "$work/out.vcf"
    echo "  (directory file $directory_mb MB; import's memory target: 2 x $input_mb + $directory_mb MB)"
  done
  if command -v abook > /dev/null; then
    export HOME="$work"   # abook reads its settings from the home folder
    # abook will not write over a file: each run starts without one.
    measure "abook vcard -> abook $shape" bash -c "rm -f '$work/cards.abook' && exec abook --convert --informat vcard \
      --infile '$work/cards-$shape.vcf' --outformat abook --outfile '$work/cards.abook'"
    measure "abook abook -> vcard $shape" bash -c "rm -f '$work/abook-out.vcf' && exec abook --convert --informat abook \
      --infile '$work/cards.abook' --outformat vcard --outfile '$work/abook-out.vcf'"
  fi
done
command -v abook > /dev/null || echo "abook is not installed: no comparison"

# Shapes that once took time or memory growing faster than the input: a
# wide header over many one-cell rows, a row of millions of empty cells,
# many rows of many cells, one card of millions of properties. Time and
# memory must stay in proportion to the file.
if [[ ${SHAPES:-1} == 1 ]]; then
  awk 'BEGIN { n = 60000; printf "Name"; for (i = 0; i < n; ++i) printf ",c%d", i; print "";
               for (i = 0; i < n; ++i) print "p" i }' > "$work/wide.csv"
  awk 'BEGIN { printf "Name,Phone\nAnn"; for (i = 0; i < 2000000; ++i) printf ",,,,,,,,,,"; print "" }' > "$work/commas.csv"
  awk 'BEGIN { printf "Name"; for (i = 1; i < 50; ++i) printf ",c%d", i; print "";
               for (r = 0; r < 200000; ++r) { printf "a"; for (i = 1; i < 50; ++i) printf ",a"; print "" } }' > "$work/rows.csv"
  awk 'BEGIN { print "BEGIN:VCARD\nVERSION:3.0\nFN:Big"; for (i = 0; i < 3000000; ++i) print "TEL:1";
               print "END:VCARD" }' > "$work/card.vcf"
  for converter in "${converters[@]}"; do
    name=$converter
    for shape in wide.csv commas.csv rows.csv card.vcf; do
      size=$(du -m "$work/$shape" | cut -f1)
      format=csv; [[ $shape == *.vcf ]] && format=vcard
      measure "$name $shape ($size MB)" bash -c "rm -f '$work/shape.dat' && exec '$converter' import \
        --format $format --file '$work/shape.dat' '$work/$shape'"
    done
  done
fi
