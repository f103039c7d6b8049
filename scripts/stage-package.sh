#!/usr/bin/env bash
# The package stage: builds the Debian package and checks it the way a
# user's system meets it. lintian reports no errors; the desktop entry and
# the AppStream data validate; apt-get installs it; /usr/bin/dialstack starts
# under Xvfb and shows its main window with the icon at every size; apt-get
# removes and purges it, leaving none of its files behind.
# Needs root for apt-get. Usage: stage-package.sh [BUILD_DIR]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
dir=${1:-$root/build-package}
app_id=io.github.dialstack.Dialstack
main_title="Quillaven Dialstack"
icon_sizes="16 22 24 32 48 64 128 256"

if [[ $(id -u) -ne 0 ]]; then
  echo "stage-package: installing the package needs root" >&2
  exit 1
fi

"$root/scripts/package.sh" "$dir"
debs=("$dir"/dialstack_*_amd64.deb)
deb=${debs[0]}
work=$(mktemp -d)
installed=0
# A stage that fails half-way leaves no package behind on the machine.
cleanup() {
  rm -rf "$work"
  if ((installed)); then dpkg --purge dialstack >/dev/null || true; fi
}
trap cleanup EXIT

echo "== lintian"
# Errors fail the stage; any other tag is printed with its explanation.
lintian --fail-on error --info "$deb"

echo "== desktop entry and AppStream data, as packaged"
dpkg-deb -x "$deb" "$work/unpacked"
desktop-file-validate "$work/unpacked/usr/share/applications/$app_id.desktop"
metainfo="$work/unpacked/usr/share/metainfo/$app_id.metainfo.xml"
appstreamcli validate --no-net "$metainfo"
release=$(grep -o '<release version="[^"]*"' "$metainfo" | head -n 1 | cut -d'"' -f2)
version=$(dpkg-deb -f "$deb" Version)
if [[ $release != "$version" ]]; then
  echo "stage-package: the newest AppStream release is $release, the package $version" >&2
  exit 1
fi

echo "== apt-get install"
# apt takes a local package by a path with a slash in it.
installed=1
apt-get install -y -q "$(realpath "$deb")"

# Runs inside Xvfb: starts the installed program in an empty folder, waits
# (at most a minute) until its main window is viewable, checks the window
# icon's sizes, and ends the program.
check_main_window() {
  cd "$work/home"
  XDG_RUNTIME_DIR="$work/runtime" QT_QPA_PLATFORM=xcb /usr/bin/dialstack 2>"$work/stderr" &
  local pid=$!
  local win
  if ! win=$(timeout 60 xdotool search --sync --onlyvisible --name "^$main_title\$"); then
    echo "stage-package: no main window within a minute; the program said:" >&2
    cat "$work/stderr" >&2
    kill "$pid" 2>/dev/null || true
    return 1
  fi
  win=${win%%$'\n'*}
  xwininfo -id "$win" | grep -E 'Map State|Width|Height'
  local sizes
  # -len: the property is larger than xprop shows by default.
  sizes=$(xprop -len 1000000 -notype -id "$win" _NET_WM_ICON | grep -o 'Icon ([0-9]* x' | grep -o '[0-9]*' | sort -n | xargs)
  echo "window icon sizes: $sizes"
  kill "$pid"
  wait "$pid" || true
  [[ $sizes == "$icon_sizes" ]] || { echo "stage-package: window icon sizes '$sizes'" >&2; return 1; }
}

echo "== /usr/bin/dialstack under Xvfb"
mkdir -p "$work/home" "$work/runtime"
chmod 700 "$work/runtime"
export work main_title icon_sizes
xvfb-run -a -s "-screen 0 1024x768x24" bash -c "set -euo pipefail; $(declare -f check_main_window); check_main_window"

echo "== apt-get remove, purge"
files=$(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ {print substr($6, 2)}')
apt-get remove -y -q dialstack
[[ ! -e /usr/bin/dialstack ]] || { echo "stage-package: /usr/bin/dialstack left after remove" >&2; exit 1; }
# apt forgets a local package once it is removed; dpkg purges what is left.
dpkg --purge dialstack
installed=0
if dpkg-query -W -f='${Status}\n' dialstack 2>/dev/null | grep -q installed; then
  echo "stage-package: dialstack still known to dpkg after purge" >&2
  exit 1
fi
left=0
for file in $files; do
  [[ -e $file ]] && { echo "stage-package: $file left after purge" >&2; left=1; }
done
((left == 0))
echo "stage-package: the package builds, installs, starts and removes cleanly"
