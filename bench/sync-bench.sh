#!/usr/bin/env bash
# Times dialstack-sync against a local Radicale beside vdirsyncer (skipped
# where it is not installed) and beside a bare loop of the same PUTs on one
# kept-alive connection, the server's own limit:
#   - a first sync of 300 and of 2,000 records into an empty address book;
#   - a sync with nothing to do, for 2,000 records: requests sent, and the
#     client's own CPU time;
#   - the client's peak memory;
#   - a first sync through a proxy that drops the ETag from every PUT's
#     reply, as DAViCal sends none, beside the bare loop through it.
# Usage: [REPEAT=2] [SIZES="300 2000"] bench/sync-bench.sh [BUILD]
#        (BUILD: default build/, with dialstack-sync)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
sync_bin=$(realpath "${1:-$root/build}")/dialstack-sync
[[ -x $sync_bin ]] || { echo "no $sync_bin: build the dialstack-sync target first" >&2; exit 1; }
work=$(mktemp -d)
server=$work/radicale
cleanup() {
  [[ -n ${proxy_pid:-} ]] && kill "$proxy_pid" 2>/dev/null
  "$root/tests/sync/carddav-server.sh" stop "$server"
  rm -rf "$work"
}
trap cleanup EXIT
[[ -n ${KEEP_LOG:-} ]] && trap 'cp "$server/log" "$KEEP_LOG"; cleanup' EXIT

# The test suite's Radicale (user "user", password "secret"), logging every
# request.
RADICALE_LOG_LEVEL=info "$root/tests/sync/carddav-server.sh" start radicale "$server"
[[ -f $server/url ]] || { echo "radicale is not installed" >&2; exit 1; }
base=$(cat "$server/url")

# A new, empty address book; prints its URL.
make_book() {
  python3 - "$base" "$1" <<'PY'
import http.client, sys, urllib.parse
base, name = sys.argv[1], sys.argv[2]
u = urllib.parse.urlparse(base)
c = http.client.HTTPConnection(u.hostname, u.port)
body = ('<?xml version="1.0"?><D:mkcol xmlns:D="DAV:" xmlns:C="urn:ietf:params:xml:ns:carddav"><D:set><D:prop>'
        '<D:resourcetype><D:collection/><C:addressbook/></D:resourcetype></D:prop></D:set></D:mkcol>')
c.request("MKCOL", f"/user/{name}/", body, {"Authorization": "Basic dXNlcjpzZWNyZXQ=", "Content-Type": "application/xml"})
assert c.getresponse().status == 201
print(f"{base}/user/{name}/")
PY
}

# N records as a directory file, and the same records as N .vcf files.
make_records() {
  python3 - "$1" "$2" "$3" <<'PY'
import os, sys, uuid
n, dat, vcf_dir = int(sys.argv[1]), sys.argv[2], sys.argv[3]
os.makedirs(vcf_dir, exist_ok=True)
fields = []
for i in range(n):
    name, phone = f"Person {i:05d}", f"555 {i:04d}"
    email = f"person{i}@example.org"
    fields.append((name, "", phone, "", email))   # name, misc, phone, pager, email
    uid = str(uuid.uuid4())
    with open(os.path.join(vcf_dir, uid + ".vcf"), "w", newline="") as f:
        f.write(f"BEGIN:VCARD\r\nVERSION:4.0\r\nUID:{uid}\r\nFN:{name}\r\nN:{name};;;;\r\n"
                f"TEL;TYPE=voice:{phone}\r\nEMAIL:{email}\r\nEND:VCARD\r\n")
out = bytearray(b"0\xa5" + str(n).encode())
for record in fields:
    for field in record:
        out += field.encode("cp1252").replace(b" ", b"\xa5") + b"\x16"
open(dat, "wb").write(out)
PY
}

# The bare loop: every .vcf PUT in turn on one kept-alive connection.
bare_loop() {
  python3 - "$1" "$2" <<'PY'
import http.client, os, sys, time, urllib.parse
url, vcf_dir = sys.argv[1], sys.argv[2]
u = urllib.parse.urlparse(url)
c = http.client.HTTPConnection(u.hostname, u.port)
start = time.monotonic()
for name in sorted(os.listdir(vcf_dir)):
    c.request("PUT", u.path + name, open(os.path.join(vcf_dir, name), "rb").read(),
              {"Content-Type": "text/vcard; charset=utf-8", "If-None-Match": "*",
               "Authorization": "Basic dXNlcjpzZWNyZXQ="})
    r = c.getresponse(); r.read()
    assert r.status == 201, r.status
print(f"{time.monotonic() - start:.2f}")
PY
}

# A proxy in front of Radicale that answers every PUT without its ETag, as
# DAViCal does; writes its port to $work/proxy-port.
start_no_etag_proxy() {
  python3 - "$base" "$work/proxy-port" <<'PY' &
import http.client, http.server, socketserver, sys, urllib.parse
upstream = urllib.parse.urlparse(sys.argv[1])
class Handler(http.server.BaseHTTPRequestHandler):
    protocol_version = "HTTP/1.1"
    def log_message(self, *args): pass
    def forward(self):
        if not hasattr(self, "upstream"):
            self.upstream = http.client.HTTPConnection(upstream.hostname, upstream.port)
        length = int(self.headers.get("Content-Length") or 0)
        body = self.rfile.read(length) if length else None
        headers = {k: v for k, v in self.headers.items() if k.lower() not in ("host", "connection")}
        self.upstream.request(self.command, self.path, body, headers)
        reply = self.upstream.getresponse()
        data = reply.read()
        self.send_response(reply.status, reply.reason)
        for k, v in reply.getheaders():
            if k.lower() in ("transfer-encoding", "connection", "content-length"):
                continue
            if k.lower() == "etag" and self.command == "PUT":
                continue
            self.send_header(k, v)
        self.send_header("Content-Length", str(len(data)))
        self.end_headers()
        self.wfile.write(data)
    do_GET = do_PUT = do_PROPFIND = do_REPORT = do_DELETE = do_OPTIONS = do_MKCOL = forward
class Server(socketserver.ThreadingMixIn, http.server.HTTPServer):
    daemon_threads = True
server = Server(("127.0.0.1", 0), Handler)
open(sys.argv[2], "w").write(str(server.server_address[1]))
server.serve_forever()
PY
  proxy_pid=$!
  while [[ ! -s $work/proxy-port ]]; do sleep 0.1; done
}

requests_since() {
  tail -c +"$(( $1 + 1 ))" "$server/log" | grep -c " request for " || true
}

# Runs dialstack-sync; prints "wall user+sys peak_kB".
run_sync() {
  local dat=$1 url=$2
  printf 'secret\n' > "$work/password"; chmod 600 "$work/password"
  XDG_STATE_HOME=$work/state DBUS_SESSION_BUS_ADDRESS= /usr/bin/time -f "%e %U %S %M" -o "$work/time" \
    "$sync_bin" --file "$dat" --url "$url" --user user --password-file "$work/password" > /dev/null
  awk '{ printf "%.2f %.3f %d\n", $1, $2 + $3, $4 }' "$work/time"
}

vdirsyncer_first_sync() {
  local url=$1 vcf_dir=$2 n=$3
  command -v vdirsyncer > /dev/null || { echo "-"; return; }
  mkdir -p "$work/vdir-status-$n"
  cat > "$work/vdir-$n.conf" <<CONF
[general]
status_path = "$work/vdir-status-$n"
[pair bench]
a = "local"
b = "remote"
collections = null
[storage local]
type = "filesystem"
path = "$vcf_dir"
fileext = ".vcf"
[storage remote]
type = "carddav"
url = "$url"
username = "user"
password = "secret"
CONF
  export VDIRSYNCER_CONFIG=$work/vdir-$n.conf
  yes | vdirsyncer discover > /dev/null 2>&1
  /usr/bin/time -f "%e" -o "$work/vtime" vdirsyncer sync > /dev/null 2>&1
  cat "$work/vtime"
}

min() { awk -v a="$1" -v b="$2" 'BEGIN { if (a == "" || a == "-") print b; else if (b == "-" || a + 0 < b + 0) print a; else print b }'; }

# Each first sync runs REPEAT times (default 2), in turn with the others and
# in a rotating order, and the fastest run counts: the machine may be busy.
repeat=${REPEAT:-2}
read -r -a sizes <<< "${SIZES:-300 2000}"
largest=${sizes[-1]}
printf '%-34s %10s %10s %12s\n' "" "dialstack" "vdirsyncer" "bare loop"
for n in "${sizes[@]}"; do
  make_records "$n" "$work/Dialstack-$n.dat" "$work/vcf-$n"
  wall= vdir= bare= cpu= peak=
  for r in $(seq "$repeat"); do
    cp "$work/Dialstack-$n.dat" "$work/Dialstack-$n-$r.dat"
    ds_book=$(make_book "ds-$n-$r")
    order=(ds vdir bare)
    ((r % 2 == 0)) && order=(bare vdir ds)
    for tool in "${order[@]}"; do
      case $tool in
        ds)
          read -r w c p < <(run_sync "$work/Dialstack-$n-$r.dat" "$ds_book")
          [[ -z $wall ]] || awk -v a="$w" -v b="$wall" 'BEGIN { exit !(a < b) }' && { wall=$w; cpu=$c; }
          peak=$(( p > ${peak:-0} ? p : ${peak:-0} ))
          book=$ds_book dat=$work/Dialstack-$n-$r.dat ;;
        vdir) vdir=$(min "$vdir" "$(vdirsyncer_first_sync "$(make_book "vdir-$n-$r")" "$work/vcf-$n" "$n-$r")") ;;
        bare) bare=$(min "$bare" "$(bare_loop "$(make_book "bare-$n-$r")" "$work/vcf-$n")") ;;
      esac
    done
  done
  printf '%-34s %9ss %9ss %11ss\n' "first sync, $n records" "$wall" "$vdir" "$bare"
  printf '%-34s %9ss\n' "  client CPU" "$cpu"
  printf '%-34s %9sMB\n' "  client peak memory" "$((peak / 1024))"
  if [[ $n == "$largest" ]]; then
    offset=$(stat -c %s "$server/log")
    read -r w c p < <(run_sync "$dat" "$book")
    printf '%-34s %9ss  requests %s, client CPU %ss, peak %sMB\n' "nothing to do, $n records" "$w" \
      "$(requests_since "$offset")" "$c" "$((p / 1024))"
  fi
done
printf '%-34s %9sKB\n' "directory file, $largest records" "$(( $(stat -c %s "$work/Dialstack-$largest.dat") / 1024 ))"

# DAViCal-like: no ETag after a PUT. The sync asks for the new ETags in one
# batch; the bare loop of PUTs goes through the same proxy.
start_no_etag_proxy
proxy_base="http://127.0.0.1:$(cat "$work/proxy-port")"
for n in "${sizes[@]}"; do
  wall= bare=
  for r in $(seq "$repeat"); do
    cp "$work/Dialstack-$n.dat" "$work/Dialstack-noetag-$n-$r.dat"
    book=$(make_book "noetag-ds-$n-$r")
    offset=$(stat -c %s "$server/log")
    read -r w c p < <(run_sync "$work/Dialstack-noetag-$n-$r.dat" "${book/$base/$proxy_base}")
    requests=$(requests_since "$offset")
    [[ -z $wall ]] || awk -v a="$w" -v b="$wall" 'BEGIN { exit !(a < b) }' && wall=$w
    bare_book=$(make_book "noetag-bare-$n-$r")
    bare=$(min "$bare" "$(bare_loop "${bare_book/$base/$proxy_base}" "$work/vcf-$n")")
  done
  printf '%-34s %9ss %10s %11ss  requests %s\n' "no ETag after PUT, $n records" "$wall" "" "$bare" "$requests"
done
