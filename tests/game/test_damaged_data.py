"""Every file the game reads, damaged three ways: deleted, truncated to half, corrupted in the middle.

Each case starts the real game in a folder of its own in which only that file differs. The game must either
start (the file is not needed, or it is a sound or picture the game does without) or end with exit 1 and an
entry naming the file, in a log or on the console; never a signal, a hang or an exit that names nothing. A
game that starts is closed as a player would close it and must clean up with 0. Credits.txt is read at the
end of a game: its cases win an empty field and must reach the credits.

A fixed sample runs (Credits.txt's cases always), VARNHOLT_DAMAGE_SAMPLE=N cases; VARNHOLT_DAMAGE_EVERY=N
runs every Nth case instead, 1 all of them. VARNHOLT_DAMAGE_WORKERS games run side by side."""

import collections
import concurrent.futures
import os
import queue
import random
import shutil
import sys
import time
import unittest

sys.path.insert(0, os.path.dirname(__file__))
from harness import GAME_DIR, STARTED, Game, Xvfb, default_config, edit, victory_window, wait_for  # noqa: E402

KINDS = ("deleted", "truncated", "corrupted")
# About a minute of a plain build's games on two workers.
SAMPLE = 60
# Files the game writes; the executable is not data.
WRITTEN = {"Config.ini", "GLINT_Lumen.log", "Varnholt.log", "Best_Times.txt", "varnholt"}
# A slow (sanitized) game on a busy machine takes a while to load; a hang takes forever.
CASE_TIMEOUT = float(os.environ.get("VARNHOLT_DAMAGE_TIMEOUT", "120"))
WIDTH, HEIGHT = 800, 600


def data_files(game_dir):
    """Every file of the game folder the game reads, relative, plus the Config.ini a player has."""
    found = [os.path.relpath(os.path.join(root, name), game_dir) for root, _, files in os.walk(game_dir)
             for name in files]
    return sorted(["Config.ini"] + [relative for relative in found if relative not in WRITTEN])


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
        # What the test wrote is not what the game said.
        self.ours = set()
        # Symbolic links for everything: only the damaged file is a file of its own.
        super().__init__(prepare=self._damage, linked=True, xvfb=xvfb)

    def _damage(self, folder):
        with open(self._own("Config.ini"), "w") as f:
            f.write(default_config(WIDTH, HEIGHT, fullscreen=0))
        if self.relative == "Credits.txt":
            # The credits follow a victory: an empty field is won a second after the start.
            for key in ("INITIAL_MONSTERS", "MAX_MONSTERS_SIMULTANEOUSLY"):
                edit(self._own("Config/Dev_Config.ini"), rf"(?m)^{key} = \d+", f"{key} = 0")
        damage(self._own(self.relative), self.kind, self.relative + self.kind)

    def _own(self, relative):
        """The file as a copy of its own rather than a link into the built game."""
        path = self.path(relative)
        self.ours.add(path)
        if os.path.islink(path):
            source = os.readlink(path)
            os.remove(path)
            shutil.copyfile(source, path)
        return path

    def said(self):
        """Everything the game wrote: console and every file it created (a damaged Dev_Config.ini may
        name another log)."""
        text = self.stdout() + self.stderr()
        for root, _, files in os.walk(self.folder):
            for name in files:
                path = os.path.join(root, name)
                if not os.path.islink(path) and path not in self.ours and not name.endswith(".png"):
                    with open(path, encoding="utf-8", errors="replace") as f:
                        text += f.read()
        return text

    def outcome(self):
        """'refused', 'started, logged', 'started', 'credits' or a failure beginning with 'FAIL'."""
        try:
            result = self._run()
        except Exception as e:  # the test's own trouble, not the game's
            result = f"FAIL: {type(e).__name__}: {e}"
        finally:
            self.kill()
        if result.startswith("FAIL"):
            try:
                result += "; the game said, last:\n" + "\n".join("    " + s for s in self.said().splitlines()[-12:])
            except OSError as e:
                result += f"; nothing readable: {e}"
        if result.startswith("FAIL") and os.environ.get("VARNHOLT_KEEP_TEST_DIRS"):
            print(f"kept {self.dir}")
        else:
            shutil.rmtree(self.dir, ignore_errors=True)
        return result

    def _run(self):
        self.start()
        deadline = time.monotonic() + CASE_TIMEOUT
        try:
            wait_for(lambda: not self.running() or STARTED in self.said(), CASE_TIMEOUT, 0.05)
        except AssertionError:
            return "FAIL: no start and no exit (hang)"
        if not self.running():
            return self._judge_exit(self.proc.returncode)
        if self.relative == "Credits.txt":
            return self._credits(deadline)
        try:
            code = self.close_and_wait(max(5, deadline - time.monotonic()))
        except AssertionError:
            return "FAIL: started, then would not close (hang)"
        if code != 0:
            return self._judge_exit(code, started=True)
        return "started, logged" if self._named() else "started"

    def _credits(self, deadline):
        """The victory, Return without a name, the result written, the credits, Return: exit 0, or 1 naming the
        file when the credits cannot be read."""
        left = lambda: max(5, deadline - time.monotonic())
        try:
            self.frame_until(victory_window, "the victory window", left())
            self.press("Return")
            wait_for(lambda: self.read("Best_Times.txt").endswith("\n") or not self.running(), left(),
                     what="the result")
            if not self.read("Best_Times.txt"):
                return "FAIL: the result was not written before the credits"
            self.frame()
            self.press("Return")
            code = self.wait_exit(left())
        except AssertionError as e:
            code = self.proc.poll()
            if code is None:
                return f"FAIL: no credits ({e})"
        return self._judge_exit(code) if code else "credits"

    def _named(self):
        return os.path.basename(self.relative) in self.said()

    def _judge_exit(self, code, started=False):
        if code < 0:
            return f"FAIL: killed by signal {-code}"
        if code != 1:
            return f"FAIL: exit {code}"
        if started:
            return "FAIL: started, then exit 1"
        return "refused" if self._named() else "FAIL: exit 1 without naming the file"


class DamagedData(unittest.TestCase):
    def test_every_file_deleted_truncated_and_corrupted(self):
        files = data_files(GAME_DIR)
        self.assertGreater(len(files), 100, "the game folder is not built")
        cases = [(f, k) for f in files for k in KINDS]
        every = int(os.environ.get("VARNHOLT_DAMAGE_EVERY", "0"))
        if every > 0:
            cases = cases[::every]
        else:
            credits = [case for case in cases if case[0] == "Credits.txt"]
            others = [case for case in cases if case not in credits]
            size = min(int(os.environ.get("VARNHOLT_DAMAGE_SAMPLE", SAMPLE)), len(cases)) - len(credits)
            cases = credits + random.Random(18).sample(others, size)
        workers = max(1, int(os.environ.get("VARNHOLT_DAMAGE_WORKERS", "2")))

        screens = queue.Queue()

        def outcome(case):
            xvfb = screens.get()
            try:
                return case, Case(xvfb, *case).outcome()
            finally:
                screens.put(xvfb)

        started_at = time.monotonic()
        try:
            for _ in range(workers):
                screens.put(Xvfb(WIDTH, HEIGHT))
            with concurrent.futures.ThreadPoolExecutor(workers) as pool:
                outcomes = dict(pool.map(outcome, cases))
        finally:
            while not screens.empty():
                screens.get().stop()

        counts = collections.Counter((kind, result.split(":")[0]) for (_, kind), result in outcomes.items())
        print(f"\n{len(cases)} damaged-data cases of {len(files) * len(KINDS)} in {time.monotonic() - started_at:.0f}s")
        for kind in KINDS:
            print(f"  {kind}: " + ", ".join(f"{n} {result}" for (k, result), n in sorted(counts.items()) if k == kind))
        if os.environ.get("VARNHOLT_DAMAGE_VERBOSE"):
            print("\n".join(f"  {relative} {kind}: {result}" for (relative, kind), result in sorted(outcomes.items())))
        failures = [f"{relative} {kind}: {result}" for (relative, kind), result in sorted(outcomes.items())
                    if result.startswith("FAIL")]
        if failures:
            self.fail("\n".join(failures))


if __name__ == "__main__":
    unittest.main(verbosity=2)
