#!/usr/bin/env python3
"""A misbehaving WebDAV server for the sync's network tests.

fake-dav-server.py MODE HOST [TARGET]
Listens on HOST at a free port, prints the port on the first line of
standard output, and answers every request by MODE:
  principal  a 207 whose current-user-principal is TARGET
  home       a 207 whose addressbook-home-set is TARGET
  redirect   a 307 to TARGET
  trickle    a 207 that sends one byte a second and never ends
  record     a 404; each request line and its headers go to standard error
"""
import sys
import time
from http.server import BaseHTTPRequestHandler, ThreadingHTTPServer

MODE, HOST = sys.argv[1], sys.argv[2]
TARGET = sys.argv[3] if len(sys.argv) > 3 else ""


def multistatus(prop):
    return ('<?xml version="1.0"?><d:multistatus xmlns:d="DAV:" '
            'xmlns:c="urn:ietf:params:xml:ns:carddav"><d:response><d:href>/</d:href>'
            '<d:propstat><d:prop><d:resourcetype><d:collection/></d:resourcetype>'
            + prop + '</d:prop><d:status>HTTP/1.1 200 OK</d:status></d:propstat>'
            '</d:response></d:multistatus>').encode()


class Handler(BaseHTTPRequestHandler):
    protocol_version = "HTTP/1.1"

    def log_message(self, *args):
        pass

    def answer(self, status, body=b"", headers=()):
        self.send_response(status)
        for name, value in headers:
            self.send_header(name, value)
        self.send_header("Content-Length", str(len(body)))
        self.end_headers()
        self.wfile.write(body)

    def handle_any(self):
        length = int(self.headers.get("Content-Length") or 0)
        self.rfile.read(length)
        if MODE == "principal":
            self.answer(207, multistatus('<d:current-user-principal><d:href>' + TARGET
                                         + '</d:href></d:current-user-principal>'))
        elif MODE == "home":
            self.answer(207, multistatus('<c:addressbook-home-set><d:href>' + TARGET
                                         + '</d:href></c:addressbook-home-set>'))
        elif MODE == "redirect":
            self.answer(307, headers=[("Location", TARGET)])
        elif MODE == "trickle":
            self.send_response(207)
            self.send_header("Content-Length", "100000")
            self.end_headers()
            try:
                while True:
                    self.wfile.write(b" ")
                    self.wfile.flush()
                    time.sleep(1)
            except OSError:
                pass
        else:
            sys.stderr.write(self.requestline + "\n" + str(self.headers))
            sys.stderr.flush()
            self.answer(404)

    do_GET = do_PROPFIND = do_REPORT = do_PUT = do_DELETE = handle_any


server = ThreadingHTTPServer((HOST, 0), Handler)
print(server.server_address[1], flush=True)
server.serve_forever()
