#!/usr/bin/env bash
# Takes a screenshot of the main window with a few records under Xvfb and
# writes it to docs/main-window.png (or the path given).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=${1:-$root/docs/main-window.png}
mkdir -p "$(dirname "$out")"

"$root/scripts/setup.sh"
BUILD_TARGETS=dialstack "$root/scripts/build.sh" "$root/build"

work=$(mktemp -d)
trap 'kill "${app:-}" 2>/dev/null || true; rm -rf "$work"' EXIT
# A small directory: the file's spaces are stored as byte 0xA5 and every
# field ends with byte 0x16.
python3 - "$work/Dialstack.dat" <<'PY'
import sys
records = [
    ("Corner Shop", "Open late", "555 0100", "", ""),
    ("Vet", "", "555 0199", "555 0142", ""),
    ("Ann Lee", "Sister", "555 0101", "", "ann@example.org"),
    ("Bob Hart", "", "", "555 0199", "bhart-home"),
]
out = b"0\xa5" + str(len(records)).encode()
for rec in records:
    for field in rec:
        out += field.encode("cp1252").replace(b" ", b"\xa5") + b"\x16"
open(sys.argv[1], "wb").write(out)
PY

cd "$work"
xvfb-run -a -s "-screen 0 800x600x24" bash -c '
  QT_QPA_PLATFORM=xcb "$1" &
  app=$!
  sleep 3
  import -window root "$2"
  kill $app
' _ "$root/build/dialstack" "$out"
echo "Screenshot written to $out"
