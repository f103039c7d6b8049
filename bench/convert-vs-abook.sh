#!/usr/bin/env bash
# Import and export of 100,000 contacts by dialstack-convert, side by side
# with abook's conversion of the same cards (vCard to its own format, and
# its file of the same records back to vCard), when abook is installed. Time and peak memory come from
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

# vCard 4.0 cards, CRLF line ends, of the shape of a directory: FN and N
# from a small set of given and family names with and without accents, a
# voice number, a pager number, an e-mail address with an accent in it, a
# note with an escaped comma.
make_cards() {
  awk -v n="$cards" 'BEGIN {
    split("Chlo\303\251 Anna J\303\266rg Marc Zo\303\253 Paul In\303\250s Tom", given, " ")
    split("M\303\274ller Smith Bront\303\253 Jones Garc\303\255a Dupont Pe\303\261a Brown", family, " ")
    for (i = 1; i <= n; ++i) {
      g = given[i % 8 + 1]; f = family[int(i / 8) % 8 + 1]; k = i % 100
      printf "BEGIN:VCARD\r\nVERSION:4.0\r\nFN:%s %s %d\r\nN:%s;%s;;;\r\nTEL;TYPE=voice:+44 20 7946 %04d\r\n" \
             "TEL;TYPE=pager:555-0119\r\nEMAIL:%s.%d@example.org\r\nNOTE:met at the 2007 conference\\, room %d\r\n" \
             "END:VCARD\r\n", g, f, k, f, g, k, tolower(g), k, k
    }
  }'
}
make_cards > "$work/cards.vcf"
echo "$cards cards (vCard 4.0, CRLF), $(du -m "$work/cards.vcf" | cut -f1) MB; best of $runs runs"

# One run of a shell command: "seconds CPU-seconds peak-kB", bash's time to
# the millisecond and /usr/bin/time's peak memory.
run_once() {
  local TIMEFORMAT='%3R %3U %3S'
  { time /usr/bin/time -f '%M' -o "$work/rss" bash -c "$1" > /dev/null 2> "$work/err" || { cat "$work/err"; return 1; }; } \
    2> "$work/time"
  local t user sys rss
  read -r t user sys < "$work/time"
  read -r rss < "$work/rss"
  awk -v t="$t" -v u="$user" -v s="$sys" -v m="$rss" 'BEGIN { printf "%s %.3f %d\n", t, u + s, m }'
}

# Keeps the best time and the least processor time (with that run's peak
# memory) of each label: a busy machine stretches the time, hardly the
# processor time.
keep_best() {
  local file="$work/best-${1//[^A-Za-z0-9]/_}" t cpu rss bt bc br
  read -r t cpu rss <<< "$2"
  if [[ -f $file ]]; then
    read -r bt bc br < "$file"
    awk -v a="$t" -v b="$bt" 'BEGIN { exit !(a < b) }' || t=$bt
    awk -v a="$cpu" -v b="$bc" 'BEGIN { exit !(a < b) }' || { cpu=$bc; rss=$br; }
  fi
  echo "$t $cpu $rss" > "$file"
}
best() { cut -d' ' -f"$2" "$work/best-${1//[^A-Za-z0-9]/_}"; }
print_best() { printf '%-56s %8s %8s %14s\n' "$1" "$(best "$1" 1)" "$(best "$1" 2)" "$(($(best "$1" 3) / 1024))"; }

# Runs the command RUNS times and prints its best.
measure() {
  local label=$1
  for ((r = 0; r < runs; ++r)); do keep_best "$label" "$(run_once "$2")"; done
  print_best "$label"
}

# abook reads its settings from the home folder, and will not write over a
# file: each run starts without one. Each import starts from no directory,
# and the export after it writes that directory out. The programs take
# turns, run after run, so that a machine busier at one moment than at
# another weighs on all of them alike.
export HOME="$work"
labels=() commands=()
for i in "${!converters[@]}"; do
  converter=${converters[$i]}
  labels+=("import $converter" "export $converter")
  commands+=("rm -f '$work/Dialstack-$i.dat' && exec '$converter' import --format vcard --file '$work/Dialstack-$i.dat' \
'$work/cards.vcf'" "exec '$converter' export --format vcard --file '$work/Dialstack-$i.dat' --output '$work/out.vcf'")
done
has_abook=0
if command -v abook > /dev/null; then
  has_abook=1
  labels+=("import abook" "export abook")
  commands+=("rm -f '$work/cards.abook' && exec abook --convert --informat vcard --infile '$work/cards.vcf' --outformat abook \
--outfile '$work/cards.abook'" "rm -f '$work/abook-out.vcf' && exec abook --convert --informat abook \
--infile '$work/cards.abook' --outformat vcard --outfile '$work/abook-out.vcf'")
fi
for ((r = 0; r < runs; ++r)); do
  for i in "${!labels[@]}"; do keep_best "${labels[$i]}" "$(run_once "${commands[$i]}")"; done
done
printf '%-56s %8s %8s %14s\n' "run" "seconds" "CPU s" "peak RSS (MB)"
for label in "${labels[@]}"; do print_best "$label"; done

if [[ $has_abook == 1 ]]; then
  # The ratios of this run, side by side: below 1 is faster than abook.
  ratio() { awk -v a="$(best "$1 $2" "$3")" -v b="$(best "$1 abook" "$3")" 'BEGIN { printf "%.2fx", (b > 0 ? a / b : 0) }'; }
  printf '\n%-56s %14s %14s\n' "time against abook's" "import" "export"
  for converter in "${converters[@]}"; do
    printf '%-56s %14s %14s\n' "$converter, seconds" "$(ratio import "$converter" 1)" "$(ratio export "$converter" 1)"
    printf '%-56s %14s %14s\n' "$converter, CPU seconds" "$(ratio import "$converter" 2)" "$(ratio export "$converter" 2)"
  done
else
  echo "abook is not installed: no comparison"
fi

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
      measure "$name $shape ($size MB)" "rm -f '$work/shape.dat' && exec '$converter' import \
        --format $format --file '$work/shape.dat' '$work/$shape'"
    done
  done
fi
