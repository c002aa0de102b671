#!/usr/bin/python3
"""How much of one core the real game uses, paced at its frame rate with the
full world: every monster factory starts at its most, the seed is fixed.

The game runs under Xvfb from a copy of the game folder (through the
whole-game tests' harness); its CPU time (user + system, from /proc) is
read over the measured seconds once the main loop has run a while.

Usage: /usr/bin/python3 bench/paced_cpu.py [seconds] [WIDTHxHEIGHT]
"""

import os
import re
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "game"))
import harness  # noqa: E402


def full_world(folder):
    path = os.path.join(folder, "Config", "Dev_Config.ini")
    with open(path) as f:
        text = f.read()
    most = re.search(r"^MAX_MONSTERS_SIMULTANEOUSLY = (\d+)", text, re.M).group(1)
    text = re.sub(r"^INITIAL_MONSTERS = \d+", f"INITIAL_MONSTERS = {most}", text, flags=re.M)
    with open(path, "w") as f:
        f.write(text)


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


def main():
    seconds = float(sys.argv[1]) if len(sys.argv) > 1 else 20.0
    width, height = (int(v) for v in (sys.argv[2] if len(sys.argv) > 2 else "1024x768").split("x"))
    with harness.Game(screen=(width, height), prepare=full_world, env={"VARNHOLT_SEED": "1234"}) as game:
        game.start()
        game.wait_log("-> Starting Game Mainloop & Timers <-", timeout=120)
        # The first frames convert and warm caches: not what is measured.
        time.sleep(3)
        pid = game.proc.pid
        cpu0, wall0 = cpu_seconds(pid), time.monotonic()
        time.sleep(seconds)
        cpu1, wall1 = cpu_seconds(pid), time.monotonic()
        if not game.running():
            raise SystemExit("paced_cpu: the game stopped during the measure")
        share = 100.0 * (cpu1 - cpu0) / (wall1 - wall0)
        with open("/proc/loadavg") as f:
            load = f.read().split()[0]
        print(f"paced_cpu: {width}x{height}, full world, {wall1 - wall0:.1f} s at the game's frame rate")
        print(f"  CPU {cpu1 - cpu0:.2f} s = {share:.1f} % of one core (target: under 25 %); "
              f"resident peak {status_mb(pid, 'VmHWM'):.1f} MB; load average {load}")


if __name__ == "__main__":
    main()
