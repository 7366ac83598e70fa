#!/usr/bin/python3
"""A local HTTPS server of the sample reports for the tests, the benchmark and the demo.

usage: https_server.py ROOT CERT KEY [PORT [ADDRESS]]
Serves ROOT on ADDRESS (127.0.0.1 unless given; ::1 for IPv6) at PORT (or one the system picks)
and writes "serving HTTPS on ADDRESS:PORT" to standard error once it listens. Besides the files, paths
that begin with these names behave as a hostile or unusual server would:
  /status/CODE/...     answers CODE
  /redirect-http/P     redirects to http://127.0.0.1:PORT/P
  /redirect-https/P    redirects to https://127.0.0.1:PORT/P
  /redirect-loop/      redirects to itself
  /trickle/P           sends P one byte every 50 ms
  /unsized/P           sends P without a Content-Length
  /silent/             never answers, and says "request /silent/" on standard error
  /etag/P              sends P with an ETag instead of Last-Modified, and 304 to a request
                       that names that ETag alone
  /big-header/         answers with a header of 1 MB
  /header-trickle/     sends its header one byte every 50 ms
  /long-status/        answers 500 with a status text of 60 KB
  /planted/NAME/P      sends P with the validator PLANTED[NAME], 304 to a request whose
                       condition begins as that validator does, 400 to one with X-Injected
"""
import http.server
import os
import socket
import ssl
import sys
import time


# Validators a hostile or broken server plants: (header, value).
PLANTED = {
    "etag": ("ETag", '"abc"'),
    "etag-cr": ("ETag", '"abc\rX-Injected: yes"'),
    "etag-esc": ("ETag", '"abc\x1b[2J"'),
    "etag-long": ("ETag", '"' + "e" * 1100 + '"'),
    "time": ("Last-Modified", "Mon, 07 Dec 2026 10:00:00 GMT"),
    "time-cr": ("Last-Modified", "Mon, 07 Dec 2026 10:00:00 GMT\rX-Injected: yes"),
}


class Handler(http.server.SimpleHTTPRequestHandler):
    def __init__(self, *args, **kwargs):
        super().__init__(*args, directory=ROOT, **kwargs)

    def log_message(self, format, *args):
        pass

    def redirect(self, scheme, rest):
        self.send_response(302)
        self.send_header("Location", f"{scheme}://127.0.0.1:{PORT}/{rest}")
        self.send_header("Content-Length", "0")
        self.end_headers()

    def file_bytes(self, rest):
        with open(os.path.join(ROOT, rest), "rb") as f:
            return f.read()

    def send_tagged(self, rest):
        body = self.file_bytes(rest)
        tag = f'"{len(body)}-{os.stat(os.path.join(ROOT, rest)).st_mtime_ns}"'
        asked = self.headers.get("If-None-Match")
        unchanged = asked == tag and "If-Modified-Since" not in self.headers
        self.send_response(304 if unchanged else 200)
        self.send_header("ETag", tag)
        self.send_header("Content-Length", "0" if unchanged else str(len(body)))
        self.end_headers()
        if not unchanged:
            self.wfile.write(body)

    def send_planted(self, rest):
        name, path = rest.split("/", 1)
        header, value = PLANTED[name]
        body = self.file_bytes(path)
        sent = self.headers.get("If-None-Match") or self.headers.get("If-Modified-Since") or ""
        if "X-Injected" in self.headers:
            self.send_error(400)
            return
        unchanged = sent != "" and sent[:8] == value[:8]
        self.send_response(304 if unchanged else 200)
        self.send_header(header, value)
        self.send_header("Content-Length", "0" if unchanged else str(len(body)))
        self.end_headers()
        if not unchanged:
            self.wfile.write(body)

    def do_GET(self):
        parts = self.path.split("/", 2)
        kind = parts[1]
        rest = parts[2] if len(parts) > 2 else ""
        try:
            if kind == "status":
                self.send_error(int(rest.split("/")[0]))
            elif kind in ("redirect-http", "redirect-https"):
                self.redirect(kind.split("-")[1], rest)
            elif kind == "redirect-loop":
                self.redirect("https", "redirect-loop/")
            elif kind in ("trickle", "unsized"):
                body = self.file_bytes(rest)
                self.send_response(200)
                if kind == "trickle":
                    self.send_header("Content-Length", str(len(body)))
                self.end_headers()
                step = 1 if kind == "trickle" else 65536
                for at in range(0, len(body), step):
                    self.wfile.write(body[at:at + step])
                    self.wfile.flush()
                    if kind == "trickle":
                        time.sleep(0.05)
            elif kind == "etag":
                self.send_tagged(rest)
            elif kind == "planted":
                self.send_planted(rest)
            elif kind == "big-header":
                self.send_response(200)
                self.send_header("X-Big", "b" * 1024 * 1024)
                self.end_headers()
            elif kind == "header-trickle":
                for byte in b"HTTP/1.1 200 OK\r\nX-Slow: " + b"s" * 400:
                    self.wfile.write(bytes([byte]))
                    self.wfile.flush()
                    time.sleep(0.05)
            elif kind == "long-status":
                self.send_response(500, "L" * 60 * 1024)
                self.send_header("Content-Length", "0")
                self.end_headers()
            elif kind == "silent":
                print("request /silent/", file=sys.stderr, flush=True)
                time.sleep(600)
            else:
                super().do_GET()
        except (BrokenPipeError, ConnectionResetError, ssl.SSLError):
            pass


class Ipv6Server(http.server.ThreadingHTTPServer):
    address_family = socket.AF_INET6


ROOT = sys.argv[1]
ADDRESS = sys.argv[5] if len(sys.argv) > 5 else "127.0.0.1"
context = ssl.SSLContext(ssl.PROTOCOL_TLS_SERVER)
context.load_cert_chain(sys.argv[2], sys.argv[3])
server = (Ipv6Server if ":" in ADDRESS else http.server.ThreadingHTTPServer)(
    (ADDRESS, int(sys.argv[4]) if len(sys.argv) > 4 else 0), Handler)
server.daemon_threads = True
server.socket = context.wrap_socket(server.socket, server_side=True)
PORT = server.server_address[1]
print(f"serving HTTPS on {ADDRESS}:{PORT}", file=sys.stderr, flush=True)
server.serve_forever()
