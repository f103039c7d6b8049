#!/usr/bin/env bash
# Runs the real program under Xvfb with the openbox window manager and
# drives it with keys and clicks, as a user would:
#   - the main window is an ordinary window; the command line is Qt's no more
#     (it is started with "-platform offscreen -reverse" and still shows);
#   - "&Help" opens help above the main window, and a click on either window
#     raises it; F1 brings help, open behind the main window, to the front
#     with the focus; help closes with Escape and Ctrl+W; F1 opens it too;
#   - Shift+F10 opens the window menu, whose About item opens the About box
#     above the main window; Move moves the window from the keyboard and the
#     next click still reaches the program;
#   - the close box asks about an unsaved change and "Leave without saving"
#     leaves without saving; "Save / Quit" saves;
#   - what a screen reader speaks, read through AT-SPI (scripts/atspi-speech.py):
#     the selected name when Tab reaches the name list, the window menu's
#     first item on Shift+F10, help as a read-only text whose lines the
#     arrow keys read.
# Usage: stage-wm.sh [DIALSTACK_EXECUTABLE]   (default: builds build/dialstack)
# Exits 77 (skipped) where a tool is missing, unless DIALSTACK_WM_REQUIRED=1.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

skip() {
  echo "SKIP: $1 (scripts/setup.sh installs it)"
  [[ ${DIALSTACK_WM_REQUIRED:-0} == 1 ]] && exit 1
  exit 77
}
for tool in Xvfb openbox xdotool xprop wmctrl python3 dbus-run-session busctl; do
  command -v "$tool" >/dev/null || skip "$tool is not installed"
done
# The accessibility check runs on the system's Python, which has the AT-SPI
# bindings (python3-pyatspi) and the accessibility bus (at-spi2-core).
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null || skip "python3-pyatspi is not installed"
[[ -x /usr/libexec/at-spi-bus-launcher ]] || skip "at-spi2-core is not installed"

if [[ $# -ge 1 ]]; then
  exe=$(realpath "$1")
else
  BUILD_TARGETS=dialstack "$root/scripts/build.sh" "$root/build"
  exe=$root/build/dialstack
fi

work=$(mktemp -d)
pids=()
# shellcheck source=scripts/wm-session.sh
source "$root/scripts/wm-session.sh"
trap end_wm_session EXIT
start_wm_session 1280x900
# In a sanitizer build, what the desktop's own libraries keep until exit
# (D-Bus) is not the program's leak.
printf 'leak:libdbus-1.so\n' >"$work/lsan.supp"
export LSAN_OPTIONS="suppressions=$work/lsan.supp${LSAN_OPTIONS:+:$LSAN_OPTIONS}"

# --- a directory of three records, and what saving it less the first gives ---
mkdir "$work/dir"
ann='("Ann Lee", "Sister", "555 0101", "", "ann@example.org")'
bob='("Bob Hart", "", "", "555 0199", "bhart-home")'
shop='("Corner Shop", "Open late", "555 0100", "", "")'
write_directory "$work/dir/Dialstack.dat" "$ann" "$bob" "$shop"
write_directory "$work/expected.dat" "$bob" "$shop"
cp "$work/dir/Dialstack.dat" "$work/original.dat"

# --- helpers over the windows ------------------------------------------------
# Position of a window in the window manager's stacking order (bottom first).
stack_position() {
  xprop -root _NET_CLIENT_LIST_STACKING | sed 's/.*# //' | tr ',' '\n' | tr -d ' ' \
    | grep -nx "$(hex "$1")" | cut -d: -f1
}
is_above() {
  local upper lower
  upper=$(stack_position "$1") && lower=$(stack_position "$2") && [[ -n $upper && -n $lower ]] && ((upper > lower))
}
process_ended() { ! kill -0 "$1" 2>/dev/null; }

# Clicks the centre of a control given in the main window's dialog units:
# the layout scales every unit alike, so proportions of the window hold.
click_control() {
  local window=$1 x=$2 y=$3 cx=$4 cy=$5
  eval "$(xdotool getwindowgeometry --shell "$window")"
  xdotool mousemove --window "$window" $(((x * 2 + cx) * WIDTH / 616)) $(((y * 2 + cy) * HEIGHT / 382)) click 1
}
click_help() { click_control "$1" 246 20 55 14; }
click_delete_name() { click_control "$1" 65 5 55 15; }
click_save_quit() { click_control "$1" 246 5 55 14; }
click_name_list() { click_control "$1" 7 40 294 95; }
# Clicks the first of the points given (per mille of window $1's width and
# height) that window $2 does not cover.
click_uncovered() {
  local window=$1 other=$2 px py
  shift 2
  eval "$(xdotool getwindowgeometry --shell "$other")"
  local ox=$X oy=$Y ow=$WIDTH oh=$HEIGHT
  eval "$(xdotool getwindowgeometry --shell "$window")"
  # Positions may be off by a frame's title bar, but both alike: compare
  # them, and click relative to the window.
  while (($# >= 2)); do
    px=$(($1 * WIDTH / 1000)) py=$(($2 * HEIGHT / 1000))
    shift 2
    if ((X + px < ox || X + px >= ox + ow || Y + py < oy || Y + py >= oy + oh)); then
      xdotool mousemove --window "$window" "$px" "$py" click 1
      return
    fi
  done
  fail "window $other covers the points of window $window"
}
# The free part of the name list, below the names; the corners of a window.
name_list_points=(40 650 250 650 500 650 750 650 960 650)
corner_points=(950 950 50 950 950 50 50 50)

# Opens the window menu with Shift+F10 and waits for it ($menu).
open_window_menu() {
  local before
  before=$(xdotool search --onlyvisible --class dialstack | sort)
  xdotool key shift+F10
  new_window() {
    menu=$(comm -13 <(echo "$before") <(xdotool search --onlyvisible --class dialstack | sort) | head -n1)
    [[ -n $menu ]]
  }
  wait_until "Shift+F10 opens the window menu" new_window
}
# Clicks the first or the last item of the open window menu (Move, Close,
# a separator, About): a click reaches the menu however soon it comes.
click_menu_item() {
  eval "$(xdotool getwindowgeometry --shell "$menu")"
  local y=$((Y + HEIGHT / 8))
  [[ $1 == last ]] && y=$((Y + HEIGHT - HEIGHT / 8))
  xdotool mousemove $((X + WIDTH / 2)) "$y" click 1
}

# Clicks a free part of the name list, and says whether that made the main
# window active (a window manager may still be busy with a closed window).
click_until_active() {
  is_active "$1" && return 0
  click_name_list "$1"
  is_active "$1"
}

start_program() {
  # Qt must not take these: the window still appears on this display.
  (cd "$work/dir" && exec "$exe" -platform offscreen -reverse) &
  app=$!
  pids+=("$app")
  wait_until "the main window appears" has_window "Quillaven Dialstack"
  main=$(window_named "Quillaven Dialstack")
  wait_until "the main window is active" click_until_active "$main"
}

# --- first run: the windows, help, the window menu, the close box -----------
echo "== window manager: main window, help and About box"
start_program
eval "$(xdotool getwindowgeometry --shell "$main")"
width_at_scale_1=$WIDTH
props=$(xprop -id "$main" _NET_WM_WINDOW_TYPE _NET_WM_STATE WM_TRANSIENT_FOR)
grep -q '_NET_WM_WINDOW_TYPE(ATOM) = _NET_WM_WINDOW_TYPE_NORMAL' <<<"$props" || fail "the main window is not a normal window: $props"
grep -q '_NET_WM_STATE_MODAL' <<<"$props" && fail "the main window is announced as modal: $props"
grep -q 'WM_TRANSIENT_FOR(WINDOW)' <<<"$props" && fail "the main window has an owner: $props"

# Aside, as a user would put it, so that help has room beside it.
xdotool windowmove "$main" 0 0
click_help "$main"
wait_until "\"&Help\" opens help" has_window "Dialstack Help"
help=$(window_named "Dialstack Help")
wait_until "help opens above the main window" is_above "$help" "$main"
eval "$(xdotool getwindowgeometry --shell "$help")"
((X >= 0 && Y >= 0 && X + WIDTH <= 1280 && Y + HEIGHT <= 900)) || fail "help is not on the screen: ${WIDTH}x$HEIGHT at $X,$Y"
click_uncovered "$main" "$help" "${name_list_points[@]}"
wait_until "a click raises the main window above help" is_above "$main" "$help"
xdotool key F1
wait_until "F1 brings help above the main window again" is_above "$help" "$main"
wait_until "F1 gives help the focus" is_active "$help"
# A corner this time: two clicks on the name list would be a double-click.
click_uncovered "$main" "$help" "${corner_points[@]}"
wait_until "a click raises the main window above help" is_above "$main" "$help"
click_uncovered "$help" "$main" "${corner_points[@]}"
wait_until "a click raises help above the main window again" is_above "$help" "$main"
wait_until "help is active" is_active "$help"
xdotool key Escape
wait_until "Escape closes help" has_no_window "Dialstack Help"

wait_until "a click activates the main window" click_until_active "$main"
xdotool key F1
wait_until "F1 opens help" has_window "Dialstack Help"
help=$(window_named "Dialstack Help")
wait_until "help is active" is_active "$help"
xdotool key ctrl+w
wait_until "Ctrl+W closes help" has_no_window "Dialstack Help"

wait_until "a click activates the main window" click_until_active "$main"
open_window_menu
click_menu_item last
wait_until "the About item opens the About box" has_window "About Quillaven Dialstack"
about=$(window_named "About Quillaven Dialstack")
wait_until "the About box is above the main window" is_above "$about" "$main"
xprop -id "$about" WM_TRANSIENT_FOR | grep -q "$(hex "$main")\$" || fail "the About box is not owned by the main window"
wait_until "the About box is active" is_active "$about"
xdotool key Escape
wait_until "Escape closes the About box" has_no_window "About Quillaven Dialstack"

echo "== window manager: the close box asks about the unsaved change, then leaves without saving"
wait_until "the main window is active" is_active "$main"
click_delete_name "$main"
wmctrl -i -c "$(hex "$main")"
wait_until "the close box asks about the unsaved change" has_window "dialstack"
question=$(window_named "dialstack")
wait_until "the question is active" is_active "$question"
xdotool key alt+l
wait_until "Leave without saving ends the program" process_ended "$app"
wait "$app" || fail "the program ended with status $?"
cmp -s "$work/original.dat" "$work/dir/Dialstack.dat" || fail "the close box saved the directory"

# --- second run: Move from the keyboard, then "Save / Quit" ------------------
echo "== window manager: at scale factor 2, help, Move, then Save / Quit"
# Qt's environment still counts: the window doubles in size, and help still
# fits the screen.
QT_SCALE_FACTOR=2 start_program
eval "$(xdotool getwindowgeometry --shell "$main")"
((WIDTH >= 2 * width_at_scale_1 - 2)) || fail "QT_SCALE_FACTOR=2 did not double the window: $WIDTH, $width_at_scale_1"
xdotool key F1
wait_until "F1 opens help" has_window "Dialstack Help"
help=$(window_named "Dialstack Help")
eval "$(xdotool getwindowgeometry --shell "$help")"
((Y + HEIGHT <= 900)) || fail "at scale factor 2 help is not on the screen: ${WIDTH}x$HEIGHT at $X,$Y"
wait_until "help is active" is_active "$help"
xdotool key Escape
wait_until "Escape closes help" has_no_window "Dialstack Help"
wait_until "a click activates the main window" click_until_active "$main"
eval "$(xdotool getwindowgeometry --shell "$main")"
x_before=$X
open_window_menu
click_menu_item first
moved_right() {
  xdotool key Right
  eval "$(xdotool getwindowgeometry --shell "$main")"
  ((X > x_before))
}
wait_until "the arrow keys move the window" moved_right
xdotool key Return
# The click after the move reaches the program: Delete Name, then Save / Quit.
click_delete_name "$main"
click_save_quit "$main"
wait_until "\"Save / Quit\" ends the program" process_ended "$app"
wait "$app" || fail "the program ended with status $?"
cmp -s "$work/expected.dat" "$work/dir/Dialstack.dat" || fail "\"Save / Quit\" did not save the directory less the deleted record"
# --- third run: what a screen reader speaks ------------------------------------
echo "== window manager: what a screen reader speaks, through AT-SPI"
write_directory "$work/dir/Dialstack.dat" "$ann" "$bob" "$shop"
dbus-run-session -- /usr/bin/python3 "$root/scripts/atspi-speech.py" "$exe" "$work/dir" "$work/speech.txt" \
  2>"$work/atspi.log" || { cat "$work/atspi.log" >&2; fail "a screen reader would not speak what it should"; }
echo "window manager: all checks passed"
