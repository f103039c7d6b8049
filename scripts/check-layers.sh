#!/usr/bin/env bash
# Fails when a source file includes from a layer its folder may not use.
# Each folder is a layer; includes go only down:
#   base      the standard library only
#   data      base (QtCore only inside its .cpp files)
#   l10n      base (QtCore only inside its .cpp files)
#   framework base, l10n, Qt
#   printer   base, libcups
#   res       base, framework
#   vcard     base, data (QtCore only inside its .cpp files)
#   shell     base, data, l10n, vcard, Qt (QtCore)
#   convert   base, data, l10n, vcard, shell (QtCore only inside its .cpp files)
#   sync      base, data, l10n, vcard, shell, Qt (QtCore, QtNetwork, QtDBus)
#   ui        base, data, framework, printer, res
#   app       everything above, and Qt
# Qt stays out of ui/: the dialogs speak the framework's terms.
# Usage: check-layers.sh [ROOT]   (default: the project's root)
set -euo pipefail
root=${1:-$(cd "$(dirname "$0")/.." && pwd)}
cd "$root"

declare -A allowed=(
  [base]="base"
  [data]="base data"
  [l10n]="base l10n"
  [framework]="base l10n framework"
  [printer]="base printer"
  [res]="base framework res"
  [vcard]="base data vcard"
  [shell]="base data l10n vcard shell"
  [convert]="base data l10n vcard shell convert"
  [sync]="base data l10n vcard shell sync"
  [ui]="base data framework printer res ui"
  [app]="base data l10n framework printer res ui app"
)
# Which system headers a layer may use, beyond the standard library's.
declare -A qt_allowed=([framework]=all [res]=none [ui]=none [app]=all [base]=none [printer]=none [data]=cpp [l10n]=cpp [vcard]=cpp [shell]=all [convert]=cpp [sync]=all)
declare -A cups_allowed=([printer]=1)

failures=0
fail() {
  echo "$1:$2: $3" >&2
  failures=$((failures + 1))
}

for layer in "${!allowed[@]}"; do
  [[ -d $layer ]] || continue
  while IFS= read -r -d '' file; do
    lineno=0
    while IFS= read -r line; do
      lineno=$((lineno + 1))
      [[ $line =~ ^[[:space:]]*#[[:space:]]*include[[:space:]]*([\"\<])([^\"\>]+) ]] || continue
      kind=${BASH_REMATCH[1]}
      path=${BASH_REMATCH[2]}
      if [[ $kind == '"' ]]; then
        target=${path%%/*}
        if [[ $path != */* ]] || [[ " ${allowed[$layer]} " != *" $target "* ]]; then
          fail "$file" "$lineno" "$layer/ may not include \"$path\" (allowed: ${allowed[$layer]})"
        fi
      elif [[ $path =~ ^Q|^qt|^Qt ]]; then
        case ${qt_allowed[$layer]} in
          all) ;;
          cpp) [[ $file == *.cpp ]] ||
                 fail "$file" "$lineno" "$layer/ uses Qt only inside its .cpp files, not in <$path>" ;;
          *) fail "$file" "$lineno" "$layer/ may not use Qt (<$path>)" ;;
        esac
      elif [[ $path == cups/* ]] && [[ -z ${cups_allowed[$layer]:-} ]]; then
        fail "$file" "$lineno" "$layer/ may not use libcups (<$path>)"
      fi
    done < "$file"
  done < <(find "$layer" -type f \( -name '*.h' -o -name '*.cpp' \) -print0)
done

if ((failures > 0)); then
  echo "check-layers: $failures include(s) break the layering" >&2
  exit 1
fi
echo "check-layers: every include goes down"
