#!/usr/bin/env bash
# Takes screenshots of the main window with a few records, framed by the
# openbox window manager under Xvfb: docs/main-window.png at the default
# desktop font, docs/main-window-16pt.png at a 16-point desktop font, and
# docs/main-window-de.png and docs/main-window-fr.png in German and French
# (or into the folder given).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=${1:-$root/docs}
mkdir -p "$out"

"$root/scripts/setup.sh"
BUILD_TARGETS="dialstack dialstack_with_font" "$root/scripts/build.sh" "$root/build" -DDIALSTACK_BUILD_TESTS=ON

work=$(mktemp -d)
pids=()
# shellcheck source=scripts/wm-session.sh
source "$root/scripts/wm-session.sh"
trap end_wm_session EXIT
start_wm_session 1024x768

mkdir "$work/dir"
write_directory "$work/dir/Dialstack.dat" \
  '("Corner Shop", "Open late", "555 0100", "", "")' \
  '("Vet", "", "555 0199", "555 0142", "")' \
  '("Ann Lee", "Sister", "555 0101", "", "ann@example.org")' \
  '("Bob Hart", "", "", "555 0199", "bhart-home")'

# Takes the framed main window once two pictures in a row are the same, so
# that it has been painted.
shoot() {
  local file=$1; shift
  (cd "$work/dir" && exec "$@") &
  local app=$!
  pids+=("$app")
  wait_until "the main window appears" has_window "Quillaven Dialstack"
  local main
  main=$(window_named "Quillaven Dialstack")
  wait_until "the main window is active" is_active "$main"
  xdotool mousemove 0 0
  painted() {
    import -window "$main" -frame "$work/shot.png"
    [[ -f $work/previous.png ]] && cmp -s "$work/shot.png" "$work/previous.png" && return 0
    mv "$work/shot.png" "$work/previous.png"
    return 1
  }
  wait_until "the main window is painted" painted
  mv "$work/shot.png" "$file"
  rm -f "$work/previous.png"
  kill "$app"
  wait "$app" 2>/dev/null || true
  wait_until "the main window is gone" has_no_window "Quillaven Dialstack"
  echo "Screenshot written to $file"
}

shoot "$out/main-window.png" "$root/build/dialstack"
shoot "$out/main-window-16pt.png" "$root/build/tests/dialstack_with_font" 16
shoot "$out/main-window-de.png" env LANGUAGE= LC_ALL=de_DE.UTF-8 "$root/build/dialstack"
shoot "$out/main-window-fr.png" env LANGUAGE= LC_ALL=fr_FR.UTF-8 "$root/build/dialstack"
