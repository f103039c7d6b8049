#!/usr/bin/env bash
# Installs the sync (cmake --install, component sync) into a fresh HOME with
# the prefix ~/.local and checks that every user unit lies in a folder of
# systemctl --user's search path and that its ExecStart names an installed
# program by its full path. Usage: install-units.sh BUILD_DIR
set -euo pipefail
build=$1
if ! command -v systemd-analyze >/dev/null; then
  echo "skipped: systemd-analyze is not installed, so the user unit search path is unknown"
  exit 77
fi
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
# The defaults a user's session starts with, not the test runner's.
run() { env -u XDG_CONFIG_HOME -u XDG_DATA_HOME -u XDG_DATA_DIRS -u XDG_RUNTIME_DIR HOME="$home" "$@"; }
prefix=$home/.local
run cmake --install "$build" --component sync --prefix "$prefix" >/dev/null
search=$(run systemd-analyze --user unit-paths)

units=$(find "$prefix" -name 'dialstack-sync*.service' -o -name 'dialstack-sync*.timer' | sort)
if [[ $(wc -l <<<"$units") -ne 4 ]]; then
  echo "expected four units, found: $units" >&2
  exit 1
fi
failed=0
for unit in $units; do
  if ! grep -qxF "$(dirname "$unit")" <<<"$search"; then
    echo "$unit: not in systemctl --user's search path:" $search >&2
    failed=1
  fi
  [[ $unit == *.service ]] || continue
  program=$(sed -n 's/^ExecStart="\{0,1\}\([^" ]*\).*/\1/p' "$unit")
  if [[ $program != "$prefix"/* || ! -x $program ]]; then
    echo "$unit: ExecStart's program '$program' is not an installed program under $prefix" >&2
    failed=1
  fi
done
exit $failed
