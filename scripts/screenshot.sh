#!/usr/bin/env bash
# Takes screenshots of the main window with a few records, framed by the
# openbox window manager under Xvfb: docs/main-window.png at the default
# desktop font, docs/main-window-16pt.png at a 16-point desktop font,
# docs/main-window-de.png, -fr.png and -it.png in German, French and Italian,
# and docs/unsaved-question-de.png and -it.png, the question asked on leaving
# with a record deleted and not saved (or into the folder given).
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

# Captures the window $1 with its frame into $2 once two pictures in a row
# are the same, so that it has been painted.
capture_painted() {
  local window=$1 file=$2
  painted() {
    import -window "$window" -frame "$work/shot.png"
    [[ -f $work/previous.png ]] && cmp -s "$work/shot.png" "$work/previous.png" && return 0
    mv "$work/shot.png" "$work/previous.png"
    return 1
  }
  wait_until "the window is painted" painted
  mv "$work/shot.png" "$file"
  rm -f "$work/previous.png"
}

# Starts "$@" in the directory and waits until its main window is active;
# sets $app and $main.
start_window() {
  (cd "$work/dir" && exec "$@") &
  app=$!
  pids+=("$app")
  wait_until "the main window appears" has_window "Quillaven Dialstack"
  main=$(window_named "Quillaven Dialstack")
  wait_until "the main window is active" is_active "$main"
  xdotool mousemove 0 0
}

# Takes the framed main window of "$@" into $1.
shoot() {
  local file=$1; shift
  start_window "$@"
  capture_painted "$main" "$file"
  kill "$app"
  wait "$app" 2>/dev/null || true
  wait_until "the main window is gone" has_no_window "Quillaven Dialstack"
  echo "Screenshot written to $file"
}

# Clicks the main window's button whose centre is at ($1, $2) in dialog
# units of its 308 x 191 template, wherever the desktop font puts it.
click_in_main() {
  local width height
  width=$(xdotool getwindowgeometry --shell "$main" | sed -n 's/^WIDTH=//p')
  height=$(xdotool getwindowgeometry --shell "$main" | sed -n 's/^HEIGHT=//p')
  xdotool mousemove --window "$main" $((width * $1 / 308)) $((height * $2 / 191)) click 1
  xdotool mousemove 0 0
}

# Takes the framed question "$@" asks on leaving with a record deleted and not
# saved into $1, then leaves without saving with the key $2 (that button's
# mnemonic in the language), and checks the directory file is as it was.
shoot_question() {
  local file=$1 leave_key=$2; shift 2
  cp "$work/dir/Dialstack.dat" "$work/before.dat"
  start_window "$@"
  capture_painted "$main" "$work/main.png"
  # Delete Name (centre 92, 12 of the template) deletes the selected record.
  click_in_main 92 12
  deleted() { capture_painted "$main" "$work/after.png"; ! cmp -s "$work/main.png" "$work/after.png"; }
  wait_until "the record is deleted" deleted
  xdotool key --clearmodifiers Escape
  # The question box, titled after the program, owned by the main window.
  asked() { local now; now=$(xdotool getactivewindow); [[ $now != "$main" ]] && echo "$now" > "$work/box"; }
  wait_until "the question is asked" asked
  local box
  box=$(cat "$work/box")
  capture_painted "$box" "$file"
  xdotool key --clearmodifiers "$leave_key"
  ended() { ! kill -0 "$app"; }
  wait_until "the window ends" ended
  local status=0
  wait "$app" || status=$?
  ((status == 0)) || fail "the window ended with status $status after leaving without saving"
  cmp -s "$work/dir/Dialstack.dat" "$work/before.dat" || fail "leaving without saving changed the directory file"
  echo "Screenshot written to $file"
}

shoot "$out/main-window.png" "$root/build/dialstack"
shoot "$out/main-window-16pt.png" "$root/build/tests/dialstack_with_font" 16
shoot "$out/main-window-de.png" env LANGUAGE= LC_ALL=de_DE.UTF-8 "$root/build/dialstack"
shoot "$out/main-window-fr.png" env LANGUAGE= LC_ALL=fr_FR.UTF-8 "$root/build/dialstack"
shoot "$out/main-window-it.png" env LANGUAGE= LC_ALL=it_IT.UTF-8 "$root/build/dialstack"
# "&Ohne Speichern beenden" and "&Esci senza salvare".
shoot_question "$out/unsaved-question-de.png" alt+o env LANGUAGE= LC_ALL=de_DE.UTF-8 "$root/build/dialstack"
shoot_question "$out/unsaved-question-it.png" alt+e env LANGUAGE= LC_ALL=it_IT.UTF-8 "$root/build/dialstack"
