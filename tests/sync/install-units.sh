#!/usr/bin/env bash
# Installs the sync (component sync) into a fresh HOME with the prefix
# ~/.local; every user unit must lie on systemctl --user's search path, and
# each service's ExecStart name an installed program by its full path.
set -euo pipefail
command -v systemd-analyze >/dev/null || { echo "skipped: no systemd-analyze to ask for the search path"; exit 77; }
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
# The defaults a user's session starts with, not the test runner's.
run() { env -u XDG_CONFIG_HOME -u XDG_DATA_HOME -u XDG_DATA_DIRS -u XDG_RUNTIME_DIR HOME="$home" "$@"; }
prefix=$home/.local
run cmake --install "$1" --component sync --prefix "$prefix" >/dev/null
search=$(run systemd-analyze --user unit-paths)
units=$(find "$prefix" -name 'dialstack-sync*.service' -o -name 'dialstack-sync*.timer')
[[ $(wc -l <<<"$units") -eq 4 ]] || { echo "not the four units: $units" >&2; exit 1; }
for unit in $units; do
  grep -qxF "$(dirname "$unit")" <<<"$search" || { echo "$unit: not on the search path: $search" >&2; exit 1; }
  [[ $unit == *.service ]] || continue
  program=$(sed -n 's/^ExecStart="\{0,1\}\([^" ]*\).*/\1/p' "$unit")
  [[ $program == "$prefix"/* && -x $program ]] || { echo "$unit: ExecStart runs '$program'" >&2; exit 1; }
done
