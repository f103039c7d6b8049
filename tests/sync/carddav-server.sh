#!/usr/bin/env bash
# Starts or stops a CardDAV server for the sync tests, in a folder of its own
# on a free local port. Radicale runs with htpasswd authentication (user
# "user", password "secret"); xandikos without authentication. radicale-tls
# is Radicale over https with a certificate made at start (DIR/cert.pem).
#   carddav-server.sh start radicale|radicale-tls|xandikos DIR   writes DIR/url, DIR/pid
#   carddav-server.sh stop DIR
# Exits 0 without starting anything (and without DIR/url) where the server is
# not installed: the tests then skip themselves. RADICALE_LOG_LEVEL=info logs
# every request to DIR/log (the benchmark counts them).
set -euo pipefail
action=$1
if [[ $action == stop ]]; then
  dir=$2
  if [[ -f $dir/pid ]]; then
    kill "$(cat "$dir/pid")" 2>/dev/null || true
  fi
  rm -rf "$dir"
  exit 0
fi
kind=$2
dir=$3
rm -rf "$dir"
mkdir -p "$dir"
command -v "${kind%-tls}" > /dev/null || exit 0
scheme=http

port=$(python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
case $kind in
  radicale|radicale-tls)
    printf 'user:secret\n' > "$dir/users"
    tls=
    if [[ $kind == radicale-tls ]]; then
      command -v openssl > /dev/null || exit 0
      openssl req -x509 -newkey rsa:2048 -nodes -keyout "$dir/key.pem" -out "$dir/cert.pem" -days 2 \
        -subj /CN=127.0.0.1 -addext subjectAltName=IP:127.0.0.1 2> /dev/null
      tls="ssl = True
certificate = $dir/cert.pem
key = $dir/key.pem"
      scheme=https
    fi
    cat > "$dir/config" <<CONFIG
[server]
hosts = 127.0.0.1:$port
$tls
[auth]
type = htpasswd
htpasswd_filename = $dir/users
htpasswd_encryption = plain
[storage]
filesystem_folder = $dir/collections
[logging]
level = ${RADICALE_LOG_LEVEL:-warning}
CONFIG
    radicale --config "$dir/config" < /dev/null > "$dir/log" 2>&1 &
    ;;
  xandikos)
    xandikos --defaults -d "$dir/data" -l 127.0.0.1 -p "$port" < /dev/null > "$dir/log" 2>&1 &
    ;;
esac
echo $! > "$dir/pid"
# Ready once it answers.
for _ in $(seq 100); do
  if python3 -c "import socket; socket.create_connection(('127.0.0.1', $port), 0.2)" 2> /dev/null; then
    echo "$scheme://127.0.0.1:$port" > "$dir/url"
    exit 0
  fi
  sleep 0.1
done
echo "$kind did not start:" >&2
cat "$dir/log" >&2
exit 1
