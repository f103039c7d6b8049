#!/usr/bin/env bash
# Takes the screenshots of docs/sync (or of the folder given): the window's
# sync set up and settled against a real Radicale with the real
# dialstack-sync, under Xvfb and openbox, driven with xdotool as a user
# drives it from the keyboard.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=${1:-$root/docs/sync}
mkdir -p "$out"
BUILD_TARGETS="dialstack dialstack-sync dialstack_translations" "$root/scripts/build.sh" "$root/build"

work=$(mktemp -d)
pids=()
# shellcheck source=scripts/wm-session.sh
source "$root/scripts/wm-session.sh"
servers=$work/servers
stop_all() {
  "$root/tests/sync/carddav-server.sh" stop "$servers/plain" || true
  "$root/tests/sync/carddav-server.sh" stop "$servers/tls" || true
  end_wm_session
}
trap stop_all EXIT
deadline=30
start_wm_session 800x600
# A user manager as a desktop session has one: its socket, and a systemctl
# that takes the timer (nothing is installed for real).
mkdir -p "$XDG_RUNTIME_DIR/systemd" && : > "$XDG_RUNTIME_DIR/systemd/private"
"$root/tests/sync/carddav-server.sh" start radicale "$servers/plain"
"$root/tests/sync/carddav-server.sh" start radicale-tls "$servers/tls"
plain=$(cat "$servers/plain/url")
tls=$(cat "$servers/tls/url")

# An address book named $2 at the URL $1.
make_book() {
  curl -ks -o /dev/null -u user:secret -X MKCOL "$1" --data "<?xml version=\"1.0\"?>
<D:mkcol xmlns:D=\"DAV:\" xmlns:C=\"urn:ietf:params:xml:ns:carddav\"><D:set><D:prop>
<D:resourcetype><D:collection/><C:addressbook/></D:resourcetype><D:displayname>$2</D:displayname>
</D:prop></D:set></D:mkcol>"
}
make_book "$plain/user/work/" Work
make_book "$plain/user/home/" Home
make_book "$tls/user/contacts/" Contacts

mkdir "$work/dir"
write_directory "$work/dir/Dialstack.dat" \
  '("Ann Lee", "Sister", "555 0101", "", "ann@example.org")' '("Bob Hart", "", "", "555 0199", "")' \
  '("Corner Shop", "Open late", "555 0100", "", "")' '("Dr Field", "", "555 0120", "", "")' \
  '("Eve Marsh", "", "555 0130", "", "")' '("Fay Long", "", "555 0140", "", "")' \
  '("Gil Stone", "", "555 0150", "", "")' '("Vet", "", "555 0199", "555 0142", "")'

# The real sync, the password kept in a file (no keyring), a systemctl that
# takes the timer.
(cd "$work/dir" && unset DBUS_SESSION_BUS_ADDRESS && exec env DIALSTACK_SYNC_PROGRAM="$root/build/dialstack-sync" \
  DIALSTACK_SYSTEMCTL_PROGRAM=true XDG_CONFIG_HOME="$work/config" XDG_STATE_HOME="$work/state" \
  "$root/build/dialstack") &
pids+=($!)
wait_until "the main window appears" has_window "Quillaven Dialstack"
xdotool mousemove 0 0
main=$(window_named "Quillaven Dialstack")

active() { xdotool getactivewindow; }
last=
# Whether a window other than the main window and the last one shot is
# active (the program's answer to a key, not the window it returned to).
new_window() { local now; now=$(active); [[ $now != "$last" && $now != "$main" ]]; }
# Takes the screen once two pictures in a row are the same.
snap() {
  local file=$out/$1
  sleep 0.3
  painted() {
    import -window root "$work/shot.png"
    [[ -f $work/previous.png ]] && cmp -s "$work/shot.png" "$work/previous.png" && return 0
    mv "$work/shot.png" "$work/previous.png"
    return 1
  }
  wait_until "the screen is painted" painted
  # 64 colours are plenty for the dialogs, and keep the files small.
  convert "$work/shot.png" -colors 64 "PNG8:$file"
  rm -f "$work/shot.png" "$work/previous.png"
  last=$(active)
  echo "Screenshot written to $file"
}
key() { xdotool key --clearmodifiers "$@"; sleep 0.2; }
type_text() { xdotool type --delay 5 "$1"; }
sync_now() { key shift+F10; key n; }

# A new user's path: the window menu, the dialog filled, a book chosen, the
# first sync told with the timer offered, the timer on.
last=$(active)
key shift+F10
snap 01-menu.png
key u
wait_until "Set Up Sync opens" has_window "Set Up Sync"
type_text "$plain"; key Tab; type_text user; key Tab; type_text secret
snap 02-setup-filled.png
key Return
sleep 2
key alt+a; key Down
snap 03-book-chosen.png
key alt+c
wait_until "the first sync is told" new_window
snap 04-first-sync.png
key alt+e
wait_until "the timer is told" new_window
snap 05-timer-on.png
key Return

# The password changed on the server: the window asks for the new one.
sed -i 's/^user:secret$/user:changed/' "$servers/plain/users"
sync_now
wait_until "the password is asked" has_window "Sync Password"
type_text changed
snap 06-password.png
key Return
wait_until "the sync is told" new_window
key Return

# Most cards deleted on the server: three buttons.
hrefs=$(curl -s -u user:changed -X PROPFIND -H 'Depth: 1' "$plain/user/home/" | grep -o '<href>[^<]*\.vcf</href>' \
  | sed 's/<[^>]*>//g' | head -n 6)
for href in $hrefs; do curl -s -o /dev/null -u user:changed -X DELETE "$plain$href"; done
last=$(active)
sync_now
wait_until "the deletions are asked" new_window
snap 07-deletions.png
key alt+b
wait_until "the sync is told" new_window
key Return

# The address book gone: Sync Settings opens, and a server with a
# certificate of its own is trusted from the window.
curl -s -o /dev/null -u user:changed -X DELETE "$plain/user/home/"
last=$(active)
sync_now
wait_until "the address book gone is told" new_window
snap 08-book-gone.png
key Return
wait_until "Sync Settings opens" has_window "Sync Settings"
key alt+s; key ctrl+a; type_text "$tls"; key alt+p; type_text secret
last=$(active)
key alt+c
wait_until "the certificate is asked" new_window
snap 09-certificate.png
key alt+t
wait_until "the first sync is told" new_window
snap 10-trusted-first-sync.png
key alt+n
