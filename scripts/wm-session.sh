# Shared by the scripts that run the program under a window manager: an X
# server of their own (Xvfb picks a free display) with openbox on it, and
# polling with a deadline instead of fixed sleeps. Source it; it needs $work
# (a scratch directory) and appends the processes it starts to $pids.

fail() {
  echo "FAIL: $*" >&2
  xprop -root _NET_CLIENT_LIST_STACKING _NET_ACTIVE_WINDOW >&2 || true
  exit 1
}

# Polls "$@" until it succeeds, for up to $deadline seconds.
deadline=${deadline:-10}
wait_until() {
  local description=$1; shift
  local end=$((SECONDS + deadline))
  until "$@" >/dev/null 2>&1; do
    ((SECONDS < end)) || fail "timed out waiting until $description"
    sleep 0.05
  done
}

# Starts Xvfb (screen WIDTHxHEIGHT) and openbox, and points DISPLAY at them.
start_wm_session() {
  local screen=${1:-1280x900}
  Xvfb -displayfd 3 -screen 0 "${screen}x24" -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
  pids+=($!)
  display_written() { [[ -s $work/display ]]; }
  wait_until "Xvfb is up" display_written
  export DISPLAY=:$(head -n1 "$work/display")
  export HOME=$work XDG_RUNTIME_DIR=$work/runtime QT_QPA_PLATFORM=xcb
  mkdir -p -m 700 "$XDG_RUNTIME_DIR"
  # DIALSTACK_WM=xfwm4 tries another window manager by hand.
  if [[ ${DIALSTACK_WM:-openbox} == xfwm4 ]]; then
    dbus-run-session -- xfwm4 --compositor=off --sm-client-disable >"$work/wm.log" 2>&1 &
  else
    openbox --sm-disable >"$work/wm.log" 2>&1 &
  fi
  pids+=($!)
  wm_running() { xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id'; }
  wait_until "the window manager runs" wm_running
}

# Ends the processes started, newest first, and removes $work.
end_wm_session() {
  local i
  for ((i = ${#pids[@]} - 1; i >= 0; i--)); do kill "${pids[i]}" 2>/dev/null || true; done
  for ((i = ${#pids[@]} - 1; i >= 0; i--)); do wait "${pids[i]}" 2>/dev/null || true; done
  rm -rf "$work"
}

window_named() { xdotool search --onlyvisible --name "^$1\$" | head -n1; }
has_window() { [[ -n $(window_named "$1") ]]; }
has_no_window() { [[ -z $(window_named "$1") ]]; }
hex() { printf '0x%x' "$1"; }
is_active() { xprop -root _NET_ACTIVE_WINDOW | grep -Eq "# $(hex "$1")(,|$)"; }

# Writes a directory file of the records given as Python tuples (name, misc,
# phone, pager, email), one argument each, to the file $1.
write_directory() {
  python3 - "$@" <<'PY'
import ast, sys
records = [ast.literal_eval(arg) for arg in sys.argv[2:]]
out = b"0\xa5" + str(len(records)).encode()
for rec in records:
    for field in rec:
        out += field.encode("cp1252").replace(b" ", b"\xa5") + b"\x16"
open(sys.argv[1], "wb").write(out)
PY
}
