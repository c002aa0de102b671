#!/usr/bin/python3
"""How much of one core the real game uses, paced at its frame rate with the
full world (every monster factory starts at its most, the seed is fixed), and
how evenly its frames reach the X server meanwhile.

The game runs under Xvfb from a copy of the game folder (through the
whole-game tests' harness); its CPU time (user + system, from /proc) is
read over the measured seconds once the main loop has run a while. Each
frame is a full-screen update of the screen, which the X server reports with
its own millisecond timestamp (the DAMAGE extension): the frames a second and
the share of frame-to-frame gaps within 2 ms of the ideal come from those.
By default another process keeps one core busy, as a player's machine may.

Usage: /usr/bin/python3 bench/paced_cpu.py [seconds] [WIDTHxHEIGHT] [--busy CORES]
"""

import argparse
import os
import re
import select
import statistics
import subprocess
import sys
import time

from Xlib import display as xdisplay
from Xlib.ext import damage

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "game"))
import harness  # noqa: E402

TOLERANCE_MS = 2.0


def full_world(folder):
    path = os.path.join(folder, "Config", "Dev_Config.ini")
    with open(path) as f:
        text = f.read()
    most = re.search(r"^MAX_MONSTERS_SIMULTANEOUSLY = (\d+)", text, re.M).group(1)
    text = re.sub(r"^INITIAL_MONSTERS = \d+", f"INITIAL_MONSTERS = {most}", text, flags=re.M)
    with open(path, "w") as f:
        f.write(text)


def frames_per_second(folder):
    with open(os.path.join(folder, "Config", "Dev_Config.ini")) as f:
        return int(re.search(r"^FRAMES_PER_SECOND = (\d+)", f.read(), re.M).group(1))


def cpu_seconds(pid):
    with open(f"/proc/{pid}/stat") as f:
        fields = f.read().rsplit(")", 1)[1].split()
    # utime and stime are the 14th and 15th fields; the split starts at the 3rd.
    return (int(fields[11]) + int(fields[12])) / os.sysconf("SC_CLK_TCK")


def status_mb(pid, field):
    with open(f"/proc/{pid}/status") as f:
        for line in f:
            if line.startswith(field + ":"):
                return int(line.split()[1]) / 1024
    return -1


def load_average():
    with open("/proc/loadavg") as f:
        return f.read().split()[0]


class Frames:
    """The X server's timestamps (ms) of the updates that cover the whole screen."""

    def __init__(self, name, width, height):
        self.display = xdisplay.Display(name)
        self.display.damage_query_version()
        self.display.screen().root.damage_create(damage.DamageReportRawRectangles)
        self.display.sync()
        self.whole = width * height
        self.stamps = []

    def collect(self, until):
        while time.monotonic() < until:
            if not self.display.pending_events():
                select.select([self.display.fileno()], [], [], max(0.0, min(0.05, until - time.monotonic())))
            while self.display.pending_events():
                event = self.display.next_event()
                # A window manager's or a cursor's small updates are not frames.
                if event.area.width * event.area.height >= self.whole:
                    self.stamps.append(event.timestamp)

    def close(self):
        self.display.close()


def frame_figures(stamps, ideal):
    # Server time is 32 bits of milliseconds.
    gaps = [(b - a) % (1 << 32) for a, b in zip(stamps, stamps[1:])]
    if not gaps:
        raise SystemExit("paced_cpu: no frame reached the X server")
    within = sum(1 for g in gaps if abs(g - ideal) <= TOLERANCE_MS)
    return {"fps": 1000.0 * len(gaps) / sum(gaps), "within": 100.0 * within / len(gaps),
            "median": statistics.median(gaps), "longest": max(gaps), "frames": len(stamps)}


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("seconds", nargs="?", type=float, default=10.0)
    parser.add_argument("mode", nargs="?", default="1024x768", help="WIDTHxHEIGHT")
    parser.add_argument("--busy", type=int, default=1, help="cores kept busy by another process (default 1)")
    args = parser.parse_args()
    width, height = (int(v) for v in args.mode.split("x"))
    load = load_average()
    with harness.Game(screen=(width, height), prepare=full_world, env={"VARNHOLT_SEED": "1234"}) as game:
        rate = frames_per_second(game.folder)
        ideal = 1000.0 / rate
        game.start()
        game.wait_log("-> Starting Game Mainloop & Timers <-", timeout=120)
        busy = [subprocess.Popen([sys.executable, "-c", "while True: pass"]) for _ in range(args.busy)]
        try:
            frames = Frames(game.xvfb.name, width, height)
            # The first frames convert and warm caches: not what is measured.
            frames.collect(time.monotonic() + 3)
            frames.stamps.clear()
            pid = game.proc.pid
            cpu0, wall0 = cpu_seconds(pid), time.monotonic()
            frames.collect(wall0 + args.seconds)
            cpu1, wall1 = cpu_seconds(pid), time.monotonic()
            frames.close()
        finally:
            for proc in busy:
                proc.kill()
                proc.wait()
        if not game.running():
            raise SystemExit("paced_cpu: the game stopped during the measure")
        share = 100.0 * (cpu1 - cpu0) / (wall1 - wall0)
        shown = frame_figures(frames.stamps, ideal)
        print(f"paced_cpu: {width}x{height}, full world, {wall1 - wall0:.1f} s at the game's frame rate, "
              f"{args.busy} other core(s) kept busy; load average {load} before the start")
        print(f"  frames at the X server: {shown['fps']:.2f} a second (target {rate - 0.5} to {rate + 0.5}); "
              f"gaps within {TOLERANCE_MS:.0f} ms of {ideal:.1f} ms: {shown['within']:.1f} % (target 95 %); "
              f"median gap {shown['median']:.0f} ms, longest {shown['longest']} ms")
        print(f"  CPU {cpu1 - cpu0:.2f} s = {share:.1f} % of one core (target: under 25 %); "
              f"resident peak {status_mb(pid, 'VmHWM'):.1f} MB")


if __name__ == "__main__":
    main()
