#!/usr/bin/env python3
"""A simulated day of the gauge: runs `day_cycles` (the core update cycle with the real client
and decoder) for 1,440 cycles, a day at one a minute, against local servers in this process:
one serving a report, one refusing it (550), one serving an empty file, one resetting the data
connection mid-transfer, a port nothing listens on, and one silent past the client's time-out.
Prints the figures day_cycles prints; never fails on them.
usage: day_bench.py [DAY_CYCLES] [CYCLES]
"""
import os
import socket
import struct
import subprocess
import sys
import threading
import time

from hostile_ftp_bench import answer, login, read_command

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
BINARY = sys.argv[1] if len(sys.argv) > 1 else os.path.join(ROOT, "build/bench/day_cycles")
CYCLES = int(sys.argv[2]) if len(sys.argv) > 2 else 1440
with open(os.path.join(ROOT, "tests/data/reports/EGLC.TXT"), "rb") as sample:
    REPORT = sample.read() * 40  # large enough to be cut off in the middle
SILENCE_S = 0.6  # the client gives up after 0.3 s


def until_close(conn):
    """Answers QUIT, if it comes, and waits for the client to close."""
    while True:
        command = read_command(conn)
        if not command:
            return
        conn.sendall(b"221 Goodbye\r\n" if command.startswith("QUIT") else b"500 What\r\n")


def passive_listener(conn):
    listener = socket.create_server(("127.0.0.1", 0))
    port = listener.getsockname()[1]
    answer(conn, f"227 Entering Passive Mode (127,0,0,1,{port // 256},{port % 256})")
    return listener


def transfer(conn, send):
    with passive_listener(conn) as listener:
        data, _ = listener.accept()
        answer(conn, "150 Opening BINARY mode data connection")
        send(data)
    conn.sendall(b"226 Transfer complete\r\n")


def good(conn):
    login(conn)
    transfer(conn, lambda data: (data.sendall(REPORT), data.close()))


def refuse(conn):
    login(conn)
    with passive_listener(conn):
        answer(conn, "550 No such file or directory.")


def empty(conn):
    login(conn)
    transfer(conn, lambda data: data.close())


def reset(data):
    data.sendall(REPORT[: len(REPORT) // 2])
    data.setsockopt(socket.SOL_SOCKET, socket.SO_LINGER, struct.pack("ii", 1, 0))
    data.close()


def reset_midway(conn):
    login(conn)
    transfer(conn, reset)


def silent(conn):
    time.sleep(SILENCE_S)


def serve(script):
    listener = socket.create_server(("127.0.0.1", 0), backlog=16)

    def session(conn):
        with conn:
            try:
                script(conn)
                until_close(conn)
            except OSError:
                pass

    def accept_forever():
        while True:
            conn, _ = listener.accept()
            threading.Thread(target=session, args=(conn,), daemon=True).start()

    threading.Thread(target=accept_forever, daemon=True).start()
    return listener.getsockname()[1]


def closed_port():
    probe = socket.create_server(("127.0.0.1", 0))
    port = probe.getsockname()[1]
    probe.close()
    return port


def main():
    ports = [serve(good), serve(refuse), serve(empty), serve(reset_midway), closed_port(),
             serve(silent)]
    subprocess.run([BINARY, str(CYCLES)] + [str(port) for port in ports], check=False)


if __name__ == "__main__":
    main()
