#!/usr/bin/env python3
"""Measures the real gauge window under an X server (run it through xvfb-run): start-up to the
first painted frame, the rhythm of the frames during a sweep, CPU time while idle and peak
memory, the last beside that of the smallest comparable Qt program (bench/MinimalWindow.cpp) on
the same display; leaves a screenshot of the window after a fetch from a local FTP server.

usage: xvfb-run -a -s "-screen 0 800x500x24" bench/window_bench.py STORMBELL MINIMAL_WINDOW \
           SCREENSHOT.png
"""
import os
import random
import re
import shutil
import socket
import statistics
import subprocess
import sys
import tempfile
import time

REPORTS = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "data", "reports")
SERVED = "data/observations/metar/decoded"
STATION = "KBFI.TXT"  # the longest sweep of the sample reports
WINDOW = (213, 102, 475, 256)  # where a fresh store puts the window, and its size
IDLE_SECONDS = 60
FRAME = re.compile(r"painted Image\d (\d+)")


def free_port():
    """A loopback port the gauge's proxy port field (0..32766) can hold."""
    for _ in range(200):
        port = random.randint(20000, 32766)
        with socket.socket() as s:
            try:
                s.bind(("127.0.0.1", port))
                return port
            except OSError:
                continue
    sys.exit("no free port below 32767")


def cpu_seconds(pid):
    with open(f"/proc/{pid}/stat") as f:
        fields = f.read().rsplit(")", 1)[1].split()
    return (int(fields[11]) + int(fields[12])) / os.sysconf("SC_CLK_TCK")


def peak_memory_kib(pid):
    with open(f"/proc/{pid}/status") as f:
        return int(re.search(r"VmHWM:\s+(\d+)", f.read()).group(1))


def minimal_window_peak_kib(program):
    """Peak memory of the yardstick once it has painted and settled for a second."""
    window = subprocess.Popen([program], stderr=subprocess.PIPE, text=True)
    try:
        deadline = time.monotonic() + 60
        while not FRAME.search(window.stderr.readline()):
            if time.monotonic() > deadline or window.poll() is not None:
                sys.exit("the minimal window painted nothing")
        time.sleep(1.0)
        return peak_memory_kib(window.pid)
    finally:
        window.kill()
        window.wait()


def main():
    if len(sys.argv) != 4:
        sys.exit(__doc__)
    program, minimal, screenshot = (os.path.abspath(a) for a in sys.argv[1:])
    minimal_peak = minimal_window_peak_kib(minimal)
    work = tempfile.mkdtemp(prefix="stormbell-bench-")
    server = gauge = None
    try:
        served = os.path.join(work, "root", SERVED)
        os.makedirs(served)
        for name in os.listdir(REPORTS):
            if name.endswith(".TXT"):
                shutil.copy(os.path.join(REPORTS, name), served)
        port = free_port()
        server = subprocess.Popen(
            ["/usr/bin/python3", "-m", "pyftpdlib", "-i", "127.0.0.1", "-p", str(port),
             "-d", os.path.join(work, "root")],
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        for _ in range(100):
            with socket.socket() as s:
                if s.connect_ex(("127.0.0.1", port)) == 0:
                    break
            time.sleep(0.05)

        config = os.path.join(work, "config", "Brightmoor")
        os.makedirs(config)
        with open(os.path.join(config, "Stormbell.conf"), "w") as f:
            f.write(f"[General]\nHost=127.0.0.1\nUseProxy=true\nFTPPortNum={port}\n"
                    f"OCityStr={STATION}\nRunOnStart=true\n")
        env = dict(os.environ, XDG_CONFIG_HOME=os.path.join(work, "config"),
                   XDG_DATA_HOME=os.path.join(work, "data"),
                   QT_LOGGING_RULES="stormbell.frames.debug=true",
                   QT_MESSAGE_PATTERN="%{message}")

        started = time.monotonic()
        gauge = subprocess.Popen([program], cwd=work, env=env, stderr=subprocess.PIPE, text=True)
        os.set_blocking(gauge.stderr.fileno(), False)
        frames = []
        quiet_since = time.monotonic()
        # The sweep is over once no frame has been painted for a second.
        while time.monotonic() - quiet_since < 1.0 or len(frames) < 2:
            line = gauge.stderr.readline()
            if not line:
                time.sleep(0.005)
                if time.monotonic() - started > 60:
                    sys.exit("no sweep within 60 s")
                continue
            match = FRAME.search(line)
            if match:
                frames.append(int(match.group(1)) / 1e6)
                quiet_since = time.monotonic()

        subprocess.run(["import", "-window", "root", "-crop",
                        "{2}x{3}+{0}+{1}".format(*WINDOW), "+repage", screenshot], check=True)

        idle_from = cpu_seconds(gauge.pid)
        time.sleep(IDLE_SECONDS)
        idle_cpu = cpu_seconds(gauge.pid) - idle_from

        sweep = [b - a for a, b in zip(frames[1:], frames[2:])]
        print(f"start-up to the first painted frame: {(frames[0] - started) * 1000:.0f} ms")
        print(f"frames painted: {len(frames)} (the first at start-up, then the sweep)")
        print(f"interval between sweep frames (pause 25 ms): median "
              f"{statistics.median(sweep) * 1000:.1f} ms, worst {max(sweep) * 1000:.1f} ms")
        print(f"CPU time while idle for {IDLE_SECONDS} s: {idle_cpu:.2f} s")
        peak = peak_memory_kib(gauge.pid)
        print(f"peak memory (VmHWM): {peak / 1024:.1f} MiB; the minimal window "
              f"{minimal_peak / 1024:.1f} MiB; ratio {peak / minimal_peak:.2f}")
    finally:
        for process in (gauge, server):
            if process is not None:
                process.kill()
                process.wait()
        shutil.rmtree(work, ignore_errors=True)


if __name__ == "__main__":
    main()
