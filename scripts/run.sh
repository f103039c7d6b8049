#!/usr/bin/env bash
# Sets up the machine, builds Dialstack and starts it in the current
# directory (the directory file "Dialstack.dat" lives there).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
here=$(pwd)

"$root/scripts/setup.sh"
"$root/scripts/build.sh" "$root/build" -DDIALSTACK_BUILD_TESTS=OFF

if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" && -z "${QT_QPA_PLATFORM:-}" ]]; then
  echo "Dialstack needs a graphical desktop, and none is reachable here" >&2
  echo "(neither DISPLAY nor WAYLAND_DISPLAY is set). Start it from a desktop session." >&2
  exit 1
fi
cd "$here"
exec "$root/build/dialstack"
