#!/usr/bin/env python3
"""Measures the real gauge window under an X server (run it through xvfb-run): start-up to the
first painted frame, the rhythm of the frames during a sweep, CPU time while idle, and peak
memory beside that of the smallest comparable Qt program (bench/MinimalWindow.cpp) on the same
display, at start (nothing fetched), after a fetch from a local FTP server and after one from a
local HTTPS server; names the largest files the gauge maps at start that the yardstick does not;
leaves a screenshot of the window after the FTP fetch.

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

ROOT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..")
REPORTS = os.path.join(ROOT, "tests", "data", "reports")
LOCAL_SERVERS = os.path.join(ROOT, "tests", "net")
SERVED = "data/observations/metar/decoded"
STATION = "KBFI.TXT"  # the longest sweep of the sample reports
WINDOW = (213, 102, 475, 256)  # where a fresh store puts the window, and its size
IDLE_SECONDS = 60
FRAME = re.compile(r"painted \w+ (\d+)")
LARGEST_SHOWN = 8


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


def resident_files_kib(pid):
    """Resident memory per mapped file, from /proc/PID/smaps."""
    resident = {}
    name = None
    with open(f"/proc/{pid}/smaps") as f:
        for line in f:
            fields = line.split()
            if re.match(r"^[0-9a-f]+-[0-9a-f]+ ", line):
                name = fields[5] if len(fields) > 5 and fields[5].startswith("/") else None
            elif fields[0] == "Rss:" and name:
                resident[name] = resident.get(name, 0) + int(fields[1])
    return resident


def maps_curl(pid):
    with open(f"/proc/{pid}/maps") as f:
        return "libcurl" in f.read()


def minimal_window(program):
    """Peak memory of the yardstick once it has painted and settled for a second, and the files
    it maps."""
    window = subprocess.Popen([program], stderr=subprocess.PIPE, text=True)
    try:
        deadline = time.monotonic() + 60
        while not FRAME.search(window.stderr.readline()):
            if time.monotonic() > deadline or window.poll() is not None:
                sys.exit("the minimal window painted nothing")
        time.sleep(1.0)
        return peak_memory_kib(window.pid), resident_files_kib(window.pid)
    finally:
        window.kill()
        window.wait()


def wait_for_port(port):
    for _ in range(100):
        with socket.socket() as s:
            if s.connect_ex(("127.0.0.1", port)) == 0:
                return
        time.sleep(0.05)
    sys.exit(f"no server on port {port}")


def start_https_server(work, root):
    """tests/net/https_server.py with a throwaway CA; gives the process, its port and the CA."""
    certs = os.path.join(work, "certs")
    subprocess.run(["bash", os.path.join(LOCAL_SERVERS, "make_test_ca.sh"), certs], check=True)
    server = subprocess.Popen(
        ["/usr/bin/python3", os.path.join(LOCAL_SERVERS, "https_server.py"), root,
         os.path.join(certs, "server.pem"), os.path.join(certs, "server.key")],
        stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, text=True)
    match = re.search(r"serving HTTPS on 127\.0\.0\.1:(\d+)", server.stderr.readline())
    if not match:
        sys.exit("the HTTPS server did not start")
    return server, int(match.group(1)), os.path.join(certs, "ca.pem")


class Gauge:
    """The gauge on a settings file of its own, its painted frames read from its log."""

    def __init__(self, program, work, name, settings, extra_env=None):
        config = os.path.join(work, name, "Brightmoor")
        os.makedirs(config)
        with open(os.path.join(config, "Stormbell.conf"), "w") as f:
            f.write("[General]\n" + "".join(f"{k}={v}\n" for k, v in settings.items()))
        env = dict(os.environ, XDG_CONFIG_HOME=os.path.dirname(config),
                   XDG_DATA_HOME=os.path.join(work, name, "data"),
                   QT_LOGGING_RULES="stormbell.frames.debug=true",
                   QT_MESSAGE_PATTERN="%{message}", **(extra_env or {}))
        self.started = time.monotonic()
        self.process = subprocess.Popen([program], cwd=work, env=env, stderr=subprocess.PIPE,
                                        text=True)
        os.set_blocking(self.process.stderr.fileno(), False)
        self.frames = []

    def settle(self, frames):
        """Reads frames until at least `frames` were painted and none came for a second."""
        quiet_since = time.monotonic()
        while time.monotonic() - quiet_since < 1.0 or len(self.frames) < frames:
            line = self.process.stderr.readline()
            if not line:
                time.sleep(0.005)
                if time.monotonic() - self.started > 60:
                    sys.exit(f"fewer than {frames} frames within 60 s")
                continue
            match = FRAME.search(line)
            if match:
                self.frames.append(int(match.group(1)) / 1e6)
                quiet_since = time.monotonic()

    def stop(self):
        self.process.kill()
        self.process.wait()


def main():
    if len(sys.argv) != 4:
        sys.exit(__doc__)
    program, minimal, screenshot = (os.path.abspath(a) for a in sys.argv[1:])
    minimal_peak, minimal_files = minimal_window(minimal)
    work = tempfile.mkdtemp(prefix="stormbell-bench-")
    servers, gauges = [], []
    try:
        root = os.path.join(work, "root")
        served = os.path.join(root, SERVED)
        os.makedirs(served)
        for name in os.listdir(REPORTS):
            if name.endswith(".TXT"):
                shutil.copy(os.path.join(REPORTS, name), served)
        port = free_port()
        servers.append(subprocess.Popen(
            ["/usr/bin/python3", "-m", "pyftpdlib", "-i", "127.0.0.1", "-p", str(port),
             "-d", root], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL))
        wait_for_port(port)
        https, https_port, ca = start_https_server(work, root)
        servers.append(https)

        # At start: nothing fetched, one frame painted.
        idle = Gauge(program, work, "start", {"OCityStr": STATION, "RunOnStart": "false"})
        gauges.append(idle)
        idle.settle(1)
        start_peak = peak_memory_kib(idle.process.pid)
        gauge_files = resident_files_kib(idle.process.pid)
        curl = {"at start": maps_curl(idle.process.pid)}
        idle.stop()

        # After an FTP fetch: the sweep, the screenshot, then idle.
        gauge = Gauge(program, work, "ftp", {"Host": "127.0.0.1", "UseProxy": "true",
                                             "FTPPortNum": port, "OCityStr": STATION,
                                             "RunOnStart": "true"})
        gauges.append(gauge)
        gauge.settle(2)
        subprocess.run(["import", "-window", "root", "-crop",
                        "{2}x{3}+{0}+{1}".format(*WINDOW), "+repage", screenshot], check=True)
        idle_from = cpu_seconds(gauge.process.pid)
        time.sleep(IDLE_SECONDS)
        idle_cpu = cpu_seconds(gauge.process.pid) - idle_from
        ftp_peak = peak_memory_kib(gauge.process.pid)
        curl["after an FTP fetch"] = maps_curl(gauge.process.pid)
        frames, started = gauge.frames, gauge.started
        gauge.stop()

        secure = Gauge(program, work, "https", {"Host": f"https://127.0.0.1:{https_port}",
                                                "OCityStr": STATION, "RunOnStart": "true"},
                       {"SSL_CERT_FILE": ca})
        gauges.append(secure)
        secure.settle(2)
        https_peak = peak_memory_kib(secure.process.pid)
        curl["after an HTTPS fetch"] = maps_curl(secure.process.pid)
        secure.stop()

        sweep = [b - a for a, b in zip(frames[1:], frames[2:])]
        print(f"start-up to the first painted frame: {(frames[0] - started) * 1000:.0f} ms")
        print(f"frames painted: {len(frames)} (the first at start-up, then the sweep)")
        print(f"interval between sweep frames (pause 25 ms): median "
              f"{statistics.median(sweep) * 1000:.1f} ms, worst {max(sweep) * 1000:.1f} ms")
        print(f"CPU time while idle for {IDLE_SECONDS} s: {idle_cpu:.2f} s")
        print(f"peak memory (VmHWM) of the minimal window: {minimal_peak / 1024:.1f} MiB")
        for when, peak in (("at start", start_peak), ("after an FTP fetch", ftp_peak),
                           ("after an HTTPS fetch", https_peak)):
            print(f"  the gauge {when}: {peak / 1024:.1f} MiB; ratio {peak / minimal_peak:.2f}; "
                  f"libcurl {'mapped' if curl[when] else 'not mapped'}")
        extra = sorted(((kib, name) for name, kib in gauge_files.items()
                        if name not in minimal_files), reverse=True)
        print("largest files mapped at start that the minimal window does not map (resident):")
        for kib, name in extra[:LARGEST_SHOWN]:
            print(f"  {kib / 1024:5.2f} MiB  {name}")
    finally:
        for process in gauges:
            process.stop()
        for process in servers:
            process.kill()
            process.wait()
        shutil.rmtree(work, ignore_errors=True)


if __name__ == "__main__":
    main()
