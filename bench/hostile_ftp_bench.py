#!/usr/bin/env python3
"""Time `stormbell-cli fetch` takes to give up on hostile FTP servers, at its default limits.

Each case is a scripted server on loopback; all run at once, so the whole script takes about as
long as the slowest case (about 30 s). Prints figures; never fails on them.
usage: hostile_ftp_bench.py [STORMBELL_CLI]
"""
import os
import select
import socket
import subprocess
import sys
import threading
import time

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
CLI = sys.argv[1] if len(sys.argv) > 1 else os.path.join(ROOT, "build/tools/cli/stormbell-cli")
STRANGER = "127.0.0.2"  # still loopback, but not the server's address
GIVE_UP_S = 120  # far past every bound: a case still running by then is a hang


def read_command(conn):
    line = b""
    while not line.endswith(b"\n"):
        byte = conn.recv(1)
        if not byte:
            break
        line += byte
    return line.decode("latin-1")


def answer(conn, reply):
    read_command(conn)
    conn.sendall(reply.encode() + b"\r\n")


def login(conn):
    conn.sendall(b"220 Ready\r\n")
    for reply in ("331 Password", "230 In", "200 Binary", "250 CWD ok"):
        answer(conn, reply)


def repeat(conn, unit, gap_s):
    """Sends `unit` every `gap_s` seconds until the client closes the connection."""
    try:
        while True:
            if select.select([conn], [], [], gap_s)[0] and not conn.recv(1):
                return
            conn.sendall(unit)
    except OSError:
        pass


def passive_data(conn):
    listener = socket.create_server(("127.0.0.1", 0))
    port = listener.getsockname()[1]
    answer(conn, f"227 Entering Passive Mode (127,0,0,1,{port // 256},{port % 256})")
    data, _ = listener.accept()
    answer(conn, "150 Opening")
    return data


def active_target(conn):
    numbers = read_command(conn).split(" ", 1)[1].strip().split(",")
    conn.sendall(b"200 PORT ok\r\n")
    answer(conn, "150 Opening")
    return ".".join(numbers[:4]), int(numbers[4]) * 256 + int(numbers[5])


def stranger_then(server_too):
    def script(conn):
        login(conn)
        target = active_target(conn)
        stranger = socket.create_connection(target, source_address=(STRANGER, 0))
        stranger.sendall(b"forged report\r\n")
        stranger.close()
        if server_too:
            data = socket.create_connection(target)
            data.sendall(b"true report\r\n")
            data.close()
            conn.sendall(b"226 Done\r\n")
            answer(conn, "221 Bye")
        repeat(conn, b"", 1)

    return script


def wait_for_close(conn):
    repeat(conn, b"", 1)


CASES = [
    # name, script, cli options, documented bound at the defaults
    ("flood of LF", lambda c: repeat(c, b"\n" * 65536, 0), [], "90 s (64 KiB)"),
    ("flood of CR", lambda c: repeat(c, b"\r" * 65536, 0), [], "90 s (64 KiB)"),
    ("endless continuation",
     lambda c: (c.sendall(b"220-Welcome\r\n"), repeat(c, b"220-and more\r\n" * 4096, 0)), [],
     "90 s (64 KiB)"),
    ("silent", wait_for_close, [], "30 s"),
    ("one byte every 20 s", lambda c: repeat(c, b"2", 20), [], "90 s"),
    ("a reply line every 10 s",
     lambda c: (c.sendall(b"220-Welcome\r\n"), repeat(c, b" still here\r\n", 10)), [], "90 s"),
    ("data, one byte every 20 s",
     lambda c: (login(c), repeat(passive_data(c), b"x", 20)), [], "30 s x (1 + N / 30 KiB)"),
    ("stranger alone on the data port", stranger_then(False), ["--active"], "15 s"),
    ("stranger, then the server", stranger_then(True), ["--active"], "15 s"),
]


def run_case(name, script, options, bound, results):
    listener = socket.create_server(("127.0.0.1", 0))
    port = listener.getsockname()[1]

    def serve():
        conn, _ = listener.accept()
        try:
            script(conn)
        except OSError:
            pass
        finally:
            conn.close()

    threading.Thread(target=serve, daemon=True).start()
    start = time.monotonic()
    try:
        done = subprocess.run([CLI, "fetch", "--host", "127.0.0.1", "--port", str(port)] +
                              options + ["KJLN"], capture_output=True, timeout=GIVE_UP_S)
        outcome = (done.stderr.decode(errors="replace").strip().splitlines() or
                   [done.stdout.decode(errors="replace").strip()])[-1]
    except subprocess.TimeoutExpired:
        outcome = f"STILL RUNNING after {GIVE_UP_S} s"
    results[name] = (time.monotonic() - start, bound, outcome)


def main():
    results = {}
    threads = [threading.Thread(target=run_case, args=(*case, results)) for case in CASES]
    for thread in threads:
        thread.start()
    for thread in threads:
        thread.join()
    print("time to give up on hostile servers, stormbell-cli fetch at the default limits:")
    for name, _, _, _ in CASES:
        taken, bound, outcome = results[name]
        print(f"  {name:34} {taken:6.2f} s (bound {bound}): {outcome[:100]}")


if __name__ == "__main__":
    main()
