#!/usr/bin/env bash
# Installs the Debian 12 packages Dialstack needs to build, test and run.
# As root it runs apt-get; otherwise it prints the exact command to run.
set -euo pipefail

packages=(
  build-essential cmake pkg-config zlib1g-dev
  qt6-base-dev libgl-dev qt6-wayland
  libgtest-dev libgmock-dev googletest libbenchmark-dev
  libcups2-dev cups-daemon cups-client
  clang libclang-rt-14-dev
  xvfb xauth x11-apps imagemagick fonts-dejavu-core
  # under a real window manager: openbox, driven by xdotool, read by xprop
  openbox xdotool x11-utils wmctrl dbus
  # the Debian package and its desktop integration
  dpkg-dev fakeroot file lintian appstream desktop-file-utils librsvg2-bin
  # printing to queues with a driver, and reading back what they received
  cups-filters poppler-utils libfontconfig-dev libfreetype-dev
  # compiler cache: the suite builds the tree twice
  ccache
  # dialstack-sync: the keyring, and two real CardDAV servers to test against
  libsecret-1-dev radicale xandikos apache2-utils
  # what a screen reader hears, through AT-SPI
  at-spi2-core python3-pyatspi
  # a Wayland compositor for the keyboard-move checks
  sway wtype
  # the desktop's style and font under GNOME and Xfce
  qt6-gtk-platformtheme
  # translations (lupdate, lrelease) and telephone numbers as people write them
  qt6-l10n-tools qt6-tools-dev qt6-translations-l10n libphonenumber-dev
  # desktop notifications seen on a private session bus
  dbus-x11
)

missing=()
for pkg in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$pkg")
done

if [[ ${#missing[@]} -eq 0 ]]; then
  exit 0
fi

cmd="apt-get install -y --no-install-recommends ${missing[*]}"
if [[ $(id -u) -ne 0 ]]; then
  echo "Dialstack needs these Debian packages: ${missing[*]}" >&2
  echo "Install them with:" >&2
  echo "  sudo apt-get update && sudo $cmd" >&2
  exit 1
fi

echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
apt-get update -q
# shellcheck disable=SC2086
$cmd -q
