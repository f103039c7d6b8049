#!/usr/bin/env bash
# Sets up the machine, builds Dialstack and starts it in the current
# directory (the directory file "Dialstack.dat" lives there).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
here=$(pwd)

"$root/scripts/setup.sh"
BUILD_TARGETS="dialstack" "$root/scripts/build.sh" "$root/build"

# Says plainly when there is no desktop to show the window on, rather than
# leaving it to the toolkit's own start-up errors.
display_reachable() {
  [[ -n "${QT_QPA_PLATFORM:-}" ]] && return 0
  if [[ -n "${WAYLAND_DISPLAY:-}" ]]; then
    local socket=$WAYLAND_DISPLAY
    [[ $socket == /* ]] || socket="${XDG_RUNTIME_DIR:-/run/user/$(id -u)}/$socket"
    [[ -S $socket ]] && return 0
  fi
  if [[ -n "${DISPLAY:-}" ]]; then
    # A local display :N has its socket in /tmp/.X11-unix; others (over the
    # network, forwarded by ssh) are left to the program to reach.
    if [[ $DISPLAY =~ ^(unix)?:([0-9]+) ]]; then
      [[ -S /tmp/.X11-unix/X${BASH_REMATCH[2]} ]] && return 0
    else
      return 0
    fi
  fi
  return 1
}

if ! display_reachable; then
  echo "Dialstack is a desktop program, but no graphical display is reachable here" >&2
  echo "(DISPLAY='${DISPLAY:-}', WAYLAND_DISPLAY='${WAYLAND_DISPLAY:-}')." >&2
  echo "Run it from a terminal inside your desktop session." >&2
  exit 1
fi
cd "$here"
exec "$root/build/dialstack"
