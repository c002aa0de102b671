"""Every file the game reads, damaged three ways: deleted, truncated to half, corrupted in the middle.

Each case starts the real game in a folder of its own in which only that file differs. The game must
either start (the file is not needed, or it is a sound or picture the game does without) or end with
exit 1 and an entry naming the file, in a log or on the console; never a signal, a hang or an exit that
names nothing. A game that starts is closed as a player would close it and must clean up with 0.
Credits.txt is read at the end of a game: its cases win an empty field and reach the credits.

VARNHOLT_DAMAGE_EVERY=N runs every Nth case only (the sanitizer suites, where a game is slow);
VARNHOLT_DAMAGE_WORKERS sets how many games run side by side, each on its own screen."""

import os
import random
import re
import shutil
import subprocess
import sys
import tempfile
import threading
import time
import unittest

sys.path.insert(0, os.path.dirname(__file__))
from harness import GAME_DIR, Game, Xvfb  # noqa: E402
from test_startup import default_config  # noqa: E402

KINDS = ("deleted", "truncated", "corrupted")
STARTED = "-> Starting Game Mainloop & Timers <-"
# Files the game writes; the executable is not data.
WRITTEN = {"Config.ini", "GLINT_Lumen.log", "Varnholt.log", "Best_Times.txt", "varnholt"}
# A slow (sanitized) game on a busy machine takes a while to load; a hang takes forever.
CASE_TIMEOUT = float(os.environ.get("VARNHOLT_DAMAGE_TIMEOUT", "120"))
WIDTH, HEIGHT = 800, 600


def data_files(game_dir):
    """Every file of the game folder the game reads, relative, plus the Config.ini a player has."""
    found = ["Config.ini"]
    for root, _, files in os.walk(game_dir):
        for name in files:
            relative = os.path.relpath(os.path.join(root, name), game_dir)
            if relative not in WRITTEN:
                found.append(relative)
    return sorted(found)


def damage(path, kind, seed):
    if kind == "deleted":
        os.remove(path)
        return
    with open(path, "rb") as f:
        data = f.read()
    if kind == "truncated":
        data = data[:len(data) // 2]
    else:
        # A run of random bytes over the middle: a sector gone bad.
        rng = random.Random(seed)
        span = max(1, min(64, len(data) // 4))
        start = max(0, len(data) // 2 - span // 2)
        data = data[:start] + bytes(rng.randrange(256) for _ in range(span)) + data[start + span:]
    with open(path, "wb") as f:
        f.write(data)


class Case(Game):
    """One damaged game: a symlinked copy of the game folder on a worker's screen."""

    def __init__(self, xvfb, relative, kind):
        self.relative, self.kind = relative, kind
        self.dir = tempfile.mkdtemp(prefix="varnholt-damage-")
        self.folder = os.path.join(self.dir, "game")
        # Symbolic links for everything: only the damaged file is a file of its own.
        subprocess.run(["cp", "-rs", os.path.abspath(GAME_DIR), self.folder], check=True)
        for leftover in WRITTEN - {"varnholt"}:
            if os.path.lexists(self.path(leftover)):
                os.remove(self.path(leftover))
        with open(self.path("Config.ini"), "w") as f:
            f.write(default_config(WIDTH, HEIGHT).replace("FULLSCREEN = 1", "FULLSCREEN = 0"))
        if relative == "Credits.txt":
            # The credits follow a victory: an empty field is won a second after the start.
            self._set_dev_config(INITIAL_MONSTERS=0, MAX_MONSTERS_SIMULTANEOUSLY=0)
        target = self.path(relative)
        if os.path.islink(target):
            source = os.readlink(target)
            os.remove(target)
            shutil.copyfile(source, target)
        damage(target, kind, relative + kind)
        self.xvfb = xvfb
        self.env = dict(os.environ, DISPLAY=xvfb.name, SDL_AUDIODRIVER="dummy")
        self.stdout_path = os.path.join(self.dir, "stdout.txt")
        self.stderr_path = os.path.join(self.dir, "stderr.txt")
        self.proc = None

    def _set_dev_config(self, **values):
        path = self.path("Config/Dev_Config.ini")
        with open(os.readlink(path)) as f:
            text = f.read()
        os.remove(path)
        for key, value in values.items():
            text = re.sub(rf"(?m)^{key} = .*$", f"{key} = {value}", text)
        with open(path, "w") as f:
            f.write(text)

    def stop(self):
        if self.proc is not None and self.proc.poll() is None:
            self.proc.send_signal(9)
            self.proc.wait()

    def said(self):
        """Everything the game wrote: console and every file it created (a damaged Dev_Config.ini may
        name another log)."""
        text = self.stdout() + self.stderr()
        for root, _, files in os.walk(self.folder):
            for name in files:
                path = os.path.join(root, name)
                if not os.path.islink(path) and name != "Config.ini" and path != self.path(self.relative):
                    with open(path, encoding="utf-8", errors="replace") as f:
                        text += f.read()
        return text

    def run(self):
        """The outcome: 'refused', 'started, logged', 'started' or a failure beginning with 'FAIL'."""
        self.start()
        deadline = time.monotonic() + CASE_TIMEOUT
        while time.monotonic() < deadline:
            if self.proc.poll() is not None or STARTED in self.said():
                break
            time.sleep(0.05)
        else:
            return "FAIL: no start and no exit (hang)"
        if self.proc.poll() is None:
            return self._close(deadline)
        return self._judge_exit(self.proc.returncode)

    def _close(self, deadline):
        if self.relative == "Credits.txt":
            time.sleep(2.5)
            self.key("Return")  # no name: the result is written, the credits come
            time.sleep(1)
            if self.running():
                self.key("Return")
        try:
            code = self.proc.wait(0.5) if self.relative == "Credits.txt" else None
        except subprocess.TimeoutExpired:
            code = None
        if code is None:
            try:
                code = self.close_and_wait(max(5, deadline - time.monotonic()))
            except AssertionError:
                return "FAIL: started, then would not close (hang)"
        if code == 1 and self.relative == "Credits.txt":
            return self._judge_exit(code)
        if code != 0:
            return self._judge_exit(code, started=True)
        return "started, logged" if self._named() else "started"

    def _named(self):
        name = os.path.basename(self.relative)
        return name in self.said()

    def _judge_exit(self, code, started=False):
        if code < 0:
            return f"FAIL: killed by signal {-code}"
        if code != 1:
            return f"FAIL: exit {code}"
        if started:
            return "FAIL: started, then exit 1"
        return "refused" if self._named() else "FAIL: exit 1 without naming the file"


def last_lines(case, count=12):
    try:
        lines = case.said().splitlines()
    except OSError as e:
        return f"(nothing readable: {e})"
    return "\n".join("    " + line for line in lines[-count:]) or "    (nothing)"


class DamagedData(unittest.TestCase):
    def test_every_file_deleted_truncated_and_corrupted(self):
        files = data_files(GAME_DIR)
        self.assertGreater(len(files), 100, "the game folder is not built")
        cases = [(f, k) for f in files for k in KINDS]
        every = max(1, int(os.environ.get("VARNHOLT_DAMAGE_EVERY", "1")))
        cases = cases[::every]
        workers = max(1, int(os.environ.get("VARNHOLT_DAMAGE_WORKERS", "4")))

        outcomes = {}
        lock = threading.Lock()
        pending = list(reversed(cases))
        errors = []

        def work():
            xvfb = Xvfb(WIDTH, HEIGHT)
            try:
                while True:
                    with lock:
                        if not pending:
                            return
                        relative, kind = pending.pop()
                    case = Case(xvfb, relative, kind)
                    try:
                        outcome = case.run()
                    except Exception as e:  # the test's own trouble, not the game's
                        outcome = f"FAIL: {type(e).__name__}: {e}"
                    finally:
                        if outcome.startswith("FAIL"):
                            outcome += "; the game said, last:\n" + last_lines(case)
                        if outcome.startswith("FAIL") and os.environ.get("VARNHOLT_KEEP_TEST_DIRS"):
                            print(f"kept {case.dir}")
                        else:
                            shutil.rmtree(case.dir, ignore_errors=True)
                        case.stop()
                    with lock:
                        outcomes[(relative, kind)] = outcome
            except Exception as e:
                errors.append(e)
            finally:
                xvfb.stop()

        started_at = time.monotonic()
        threads = [threading.Thread(target=work) for _ in range(workers)]
        for t in threads:
            t.start()
        for t in threads:
            t.join()
        self.assertEqual(errors, [])

        counts = {}
        for outcome in outcomes.values():
            counts[outcome.split(":")[0]] = counts.get(outcome.split(":")[0], 0) + 1
        print(f"\n{len(cases)} damaged-data cases ({len(files)} files, every {every}) in "
              f"{time.monotonic() - started_at:.0f}s: " + ", ".join(f"{n} {o}" for o, n in sorted(counts.items())))
        for kind in KINDS:
            by_kind = [o.split(":")[0] for (_, k), o in outcomes.items() if k == kind]
            print(f"  {kind}: " + ", ".join(f"{by_kind.count(o)} {o}" for o in sorted(set(by_kind))))
        if os.environ.get("VARNHOLT_DAMAGE_VERBOSE"):
            for (relative, kind), outcome in sorted(outcomes.items()):
                print(f"  {relative} {kind}: {outcome}")
        failures = [f"{relative} {kind}: {outcome}" for (relative, kind), outcome in sorted(outcomes.items())
                    if outcome.startswith("FAIL")]
        self.assertEqual(failures, [])
        self.assertEqual(len(outcomes), len(cases))


if __name__ == "__main__":
    unittest.main(verbosity=2)
