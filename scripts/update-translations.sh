#!/usr/bin/env bash
# Makes the catalogues from the sources: lupdate reads every text the code
# translates and writes translations/dialstack_LL.ts for each language, with
# where each text is used, keeping every translation already made. A text no
# code uses any more leaves its catalogue (the run names the translations it
# drops); a new one comes in unfinished, for a translator to write.
#
#   update-translations.sh [ROOT]           update ROOT's catalogues
#   update-translations.sh --check [ROOT]   change nothing; fail when an
#       update would change a catalogue, or an entry is unfinished or lacks a
#       placeholder (%1 ... %9, %n) of its source (a CTest test)
#
# What lupdate reads: the helpers' Tr calls (CSyncText::Tr, ConvertText::Tr,
# CReasonText::Tr and unqualified Tr in a class marked DIALSTACK_TR_CONTEXT),
# and the texts kept in tables, marked DIALSTACK_TR_NOOP / DIALSTACK_TR_N_NOOP
# (base/TextMarkers.h). A count is one text, Tr("%n record added", nullptr,
# n): its English forms are in the English catalogue (dialstack_en.ts, which
# holds only the texts that count).
set -euo pipefail

check=0
if [[ ${1:-} == --check ]]; then
  check=1
  shift
fi
root=$(cd "${1:-$(dirname "$0")/..}" && pwd)
lupdate=${LUPDATE:-$(command -v lupdate || echo /usr/lib/qt6/bin/lupdate)}
lconvert=${LCONVERT:-$(dirname "$lupdate")/lconvert}

# The folders of the programs' sources, and the languages translated into.
folders=(app base convert data framework l10n printer res shell sync ui vcard)
languages=(de fr es it nl pt)
aliases=tr+=Tr,Q_DECLARE_TR_FUNCTIONS+=DIALSTACK_TR_CONTEXT
aliases+=,QT_TRANSLATE_NOOP+=DIALSTACK_TR_NOOP,QT_TRANSLATE_N_NOOP+=DIALSTACK_TR_N_NOOP

# Catalogues kept the earlier way, three files a language (dialstack_LL,
# convert_LL, sync_LL) with the tools' contexts named after the programs,
# are folded into the one file of each language first.
fold_old_catalogues() {
  local folder=$1 language old
  for language in "${languages[@]}"; do
    old=()
    for kind in convert sync; do
      [[ -f $folder/${kind}_$language.ts ]] && old+=(-i "$folder/${kind}_$language.ts")
    done
    if [[ ${#old[@]} -gt 0 ]]; then
      "$lconvert" -i "$folder/dialstack_$language.ts" "${old[@]}" -o "$folder/dialstack_$language.ts"
      rm -f "$folder/convert_$language.ts" "$folder/sync_$language.ts"
    fi
  done
  sed -i -e 's#<name>dialstack-convert</name>#<name>DialstackConvert</name>#' \
    -e 's#<name>dialstack-sync</name>#<name>DialstackSync</name>#' "$folder"/dialstack_*.ts
}

# The finished translations of a catalogue, one "context|source" a line.
finished() {
  python3 - "$@" <<'EOF'
import sys, xml.etree.ElementTree as ElementTree
for context in ElementTree.parse(sys.argv[1]).getroot().iter('context'):
    for message in context.iter('message'):
        if message.find('translation').get('type') is None:
            print('%s|%s' % (context.findtext('name'), message.findtext('source')))
EOF
}

# lupdate over the sources in ROOT, into ROOT/translations; fails on a Tr
# call lupdate cannot give a context.
update() {
  local top=$1 log before
  cd "$top"
  fold_old_catalogues translations
  before=$(mktemp -d)
  for ts in translations/dialstack_*.ts; do
    finished "$ts" | sort >"$before/$(basename "$ts")"
  done
  log=$(mktemp)
  local common=(-I . "${folders[@]}" -tr-function-alias "$aliases" -source-language en -locations absolute
    -no-obsolete -silent)
  local ts=()
  for language in "${languages[@]}"; do
    ts+=("translations/dialstack_$language.ts")
  done
  "$lupdate" "${common[@]}" -ts "${ts[@]}" >/dev/null 2>>"$log"
  "$lupdate" "${common[@]}" -pluralonly -target-language en -ts translations/dialstack_en.ts >/dev/null 2>>"$log"
  # lupdate's guess at the class of a function returning std::string is
  # noise; a context it gets wrong that way is caught by validate.
  grep -v "Qualifying with unknown namespace/class ::std" "$log" >&2 || true
  # A Tr call in a function of no marked class, or one lupdate qualifies
  # oddly, would go to a context the programs never look in.
  if grep -E "cannot be called without context|lacks Q_OBJECT macro" "$log" >&2; then
    echo "update-translations: give these calls their helper's context (CSyncText::Tr, ConvertText::Tr, CShellText::Tr," \
      "or DIALSTACK_TR_CONTEXT in their class)" >&2
    return 1
  fi
  for ts in translations/dialstack_*.ts; do
    [[ -f $before/$(basename "$ts") ]] || continue
    comm -23 "$before/$(basename "$ts")" <(finished "$ts" | sort) | sed "s#^#$ts: dropped, no source uses it: #" >&2
  done
  rm -rf "$before" "$log"
}

# Every entry finished, in a context the programs look in, with every
# placeholder of its source in each of its forms.
validate() {
  python3 - "$@" <<'EOF'
import re, sys, xml.etree.ElementTree as ElementTree
CONTEXTS = {'Resources', 'Framework', 'Reasons', 'DialstackConvert', 'DialstackSync', 'DialstackTools', 'dialstack'}
bad = 0
def fail(ts, source, why):
    global bad
    bad += 1
    print('%s: "%s": %s' % (ts, source, why))
for ts in sys.argv[1:]:
    for context in ElementTree.parse(ts).getroot().iter('context'):
        name = context.findtext('name')
        for message in context.iter('message'):
            source = message.findtext('source')
            if name not in CONTEXTS:
                fail(ts, source, 'in context %s, which no program looks in' % name)
            translation = message.find('translation')
            forms = [form.text or '' for form in translation.iter('numerusform')] or [translation.text or '']
            if translation.get('type') is not None:
                fail(ts, source, translation.get('type'))
            elif not all(forms):
                fail(ts, source, 'a form is empty')
            for placeholder in sorted(set(re.findall(r'%[1-9n]', source))):
                if not all(placeholder in form for form in forms):
                    fail(ts, source, 'a translation lacks %s' % placeholder)
sys.exit(1 if bad else 0)
EOF
}

if [[ $check -eq 0 ]]; then
  update "$root"
  # What is left for a translator (or for a mark in the code).
  validate "$root"/translations/dialstack_*.ts || true
  exit 0
fi

copy=$(mktemp -d)
trap 'rm -rf "$copy"' EXIT
for folder in "${folders[@]}" translations; do
  cp -r "$root/$folder" "$copy/"
done
(update "$copy")
status=0
if ! diff -ru "$root/translations" "$copy/translations" --exclude='*.txt' --exclude='*.cmake'; then
  echo "update-translations: the catalogues are not as the sources make them; run scripts/update-translations.sh" >&2
  status=1
fi
validate "$root"/translations/dialstack_*.ts || status=1
exit $status
