"""Runs the real varnholt binary under Xvfb for the whole-game tests.

Each Game gets its own copy of the built game folder and its own X display,
so tests never share files or screens. Every wait has a timeout and every
process started here is stopped by its own PID.
"""

import os
import shutil
import signal
import subprocess
import tempfile
import threading
import time

from Xlib import X, XK, display as xdisplay, protocol

GAME_DIR = os.environ.get("VARNHOLT_GAME_DIR") or os.path.join(
    os.path.dirname(__file__), "..", "..", "build", "game")


def wait_for(predicate, timeout, interval=0.1, what="condition"):
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        value = predicate()
        if value:
            return value
        time.sleep(interval)
    raise AssertionError(f"timed out after {timeout}s waiting for {what}")


_displays_used = set()
# Tests start screens from several threads at once; the existence checks below let another thread in.
_displays_lock = threading.Lock()


def free_display_number():
    with _displays_lock:
        return _claim_display_number()


def _claim_display_number():
    # Never reuse a number within one run: a server that was just stopped may linger.
    start = 100 + (os.getpid() * 7) % 800
    for offset in range(900):
        number = 100 + (start - 100 + offset) % 900
        if number in _displays_used:
            continue
        if not os.path.exists(f"/tmp/.X11-unix/X{number}") and not os.path.exists(f"/tmp/.X{number}-lock"):
            _displays_used.add(number)
            return number
    raise RuntimeError("no free X display number")


class Xvfb:
    def __init__(self, width=1024, height=768, depth=24):
        # Another test process may take the same number at the same moment: then our server
        # exits at once, and we try the next number.
        for _ in range(5):
            self.number = free_display_number()
            self.name = f":{self.number}"
            self.proc = subprocess.Popen(
                ["Xvfb", self.name, "-screen", "0", f"{width}x{height}x{depth}", "-nolisten", "tcp", "-noreset"],
                stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            if wait_for(self._ready_or_gone, 15, what="Xvfb") == "ready":
                return
        raise RuntimeError("Xvfb: every display number tried was taken")

    # -noreset: the readiness probe below is a client too, and a server that
    # resets when its last client leaves would refuse the game meanwhile.
    def _ready_or_gone(self):
        if self.proc.poll() is not None:
            return "gone"
        # Only our own server counts: another one on this number would answer the probe too,
        # and its owner would stop it under our game.
        try:
            with open(f"/tmp/.X{self.number}-lock") as f:
                if int(f.read().strip()) != self.proc.pid:
                    return None
        except (OSError, ValueError):
            return None
        try:
            xdisplay.Display(self.name).close()
            return "ready"
        except Exception:
            return None

    def stop(self):
        if self.proc.poll() is None:
            self.proc.terminate()
            try:
                self.proc.wait(5)
            except subprocess.TimeoutExpired:
                self.proc.kill()
                self.proc.wait()


class Game:
    """One run of the game in a private folder on a private screen."""

    def __init__(self, screen=(1024, 768), prepare=None, env=None):
        self.dir = tempfile.mkdtemp(prefix="varnholt-test-")
        self.folder = os.path.join(self.dir, "game")
        shutil.copytree(GAME_DIR, self.folder)
        # Files a player's own run may have left in the build folder.
        for leftover in ("Config.ini", "GLINT_Lumen.log", "Varnholt.log", "Best_Times.txt"):
            if os.path.exists(os.path.join(self.folder, leftover)):
                os.remove(os.path.join(self.folder, leftover))
        if prepare:
            prepare(self.folder)
        self.xvfb = Xvfb(*screen)
        self.env = dict(os.environ, DISPLAY=self.xvfb.name, SDL_AUDIODRIVER="dummy")
        self.env.update(env or {})
        self.stdout_path = os.path.join(self.dir, "stdout.txt")
        self.stderr_path = os.path.join(self.dir, "stderr.txt")
        self.proc = None

    # -- process ---------------------------------------------------------
    def start(self, program="varnholt", *args):
        exe = os.path.join(self.folder, program)
        with open(self.stdout_path, "wb") as out, open(self.stderr_path, "wb") as err:
            self.proc = subprocess.Popen([exe, *args], cwd=self.folder, env=self.env, stdout=out, stderr=err)
        return self

    def wait_exit(self, timeout):
        try:
            return self.proc.wait(timeout)
        except subprocess.TimeoutExpired:
            raise AssertionError(f"game still running after {timeout}s")

    def running(self):
        return self.proc is not None and self.proc.poll() is None

    def stop(self):
        if self.proc is not None and self.proc.poll() is None:
            self.proc.send_signal(signal.SIGKILL)
            self.proc.wait()
        self.xvfb.stop()

    def cleanup(self):
        self.stop()
        if os.environ.get("VARNHOLT_KEEP_TEST_DIRS"):
            print(f"kept {self.dir}")
        else:
            shutil.rmtree(self.dir, ignore_errors=True)

    def __enter__(self):
        return self

    def __exit__(self, *exc):
        self.cleanup()

    # -- files ---------------------------------------------------------------
    def path(self, name):
        return os.path.join(self.folder, name)

    def read(self, name):
        try:
            with open(self.path(name), encoding="utf-8", errors="replace") as f:
                return f.read()
        except FileNotFoundError:
            return ""

    def game_log(self):
        return self.read("Varnholt.log")

    def media_log(self):
        return self.read("GLINT_Lumen.log")

    def stdout(self):
        with open(self.stdout_path, encoding="utf-8", errors="replace") as f:
            return f.read()

    def stderr(self):
        with open(self.stderr_path, encoding="utf-8", errors="replace") as f:
            return f.read()

    def wait_log(self, text, timeout=30, log="Varnholt.log"):
        return wait_for(lambda: text in self.read(log) or (not self.running() and self._fail_early(text)),
                        timeout, what=repr(text))

    def _fail_early(self, text):
        raise AssertionError(f"game exited ({self.proc.returncode}) before logging {text!r}\n"
                             f"--- game log:\n{self.game_log()}\n--- stderr:\n{self.stderr()}")

    # -- X ---------------------------------------------------------------------
    def _xdotool(self, *args):
        return subprocess.run(["xdotool", *args], env=self.env, capture_output=True, text=True, timeout=10)

    def window_id(self, timeout=20):
        """The top-level window carrying the game's title."""
        def find():
            r = self._xdotool("search", "--name", ".")
            ids = [int(w) for w in r.stdout.split()]
            for wid in ids:
                name = self._xdotool("getwindowname", str(wid)).stdout.strip()
                if name:
                    return wid
            return None
        return wait_for(find, timeout, what="game window")

    def window_name(self):
        return self._xdotool("getwindowname", str(self.window_id())).stdout.strip()

    def close_window(self):
        """Asks the window to close as a window manager would (WM_DELETE_WINDOW)."""
        wid = self.window_id()
        d = xdisplay.Display(self.xvfb.name)
        try:
            window = d.create_resource_object("window", wid)
            protocols = d.intern_atom("WM_PROTOCOLS")
            delete = d.intern_atom("WM_DELETE_WINDOW")
            event = protocol.event.ClientMessage(window=window, client_type=protocols,
                                                 data=(32, [delete, X.CurrentTime, 0, 0, 0]))
            window.send_event(event, event_mask=X.NoEventMask)
            d.flush()
        finally:
            d.close()

    def close_and_wait(self, timeout=20):
        """Closes the window and returns the exit code; asks again if the first request is missed."""
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline:
            if self.running():
                self.close_window()
            try:
                return self.proc.wait(min(3, max(0.1, deadline - time.monotonic())))
            except subprocess.TimeoutExpired:
                continue
        raise AssertionError(f"game still running {timeout}s after its window was closed")

    def resize_window(self, width, height):
        self._xdotool("windowsize", str(self.window_id()), str(width), str(height))

    def key(self, *keys):
        self._xdotool("key", "--window", str(self.window_id()), *keys)

    def type_keys(self, keys, delay=0.03):
        """Plain keys (no modifiers), each pressed and let go, delay apart, with real timestamps.

        xdotool's events to a window all carry time 0, and SDL takes a release followed at once by a
        press of the same key for auto-repeat: a game reading its queue late drops the second press."""
        d = xdisplay.Display(self.xvfb.name)
        try:
            window = d.create_resource_object("window", self.window_id())
            root = d.screen().root
            start = time.monotonic()
            for key in keys:
                code = d.keysym_to_keycode(XK.string_to_keysym(key))
                if not code:
                    raise ValueError(f"no key named {key}")
                stamp = int((time.monotonic() - start) * 1000) + 1000
                for kind, mask, t in ((protocol.event.KeyPress, X.KeyPressMask, stamp),
                                      (protocol.event.KeyRelease, X.KeyReleaseMask, stamp + 5)):
                    event = kind(time=t, root=root, window=window, same_screen=1, child=X.NONE,
                                 root_x=0, root_y=0, event_x=0, event_y=0, state=0, detail=code)
                    window.send_event(event, event_mask=mask, propagate=True)
                d.flush()
                time.sleep(delay)
        finally:
            d.close()

    def screenshot(self, name="shot.png"):
        out = os.path.join(self.dir, name)
        subprocess.run(["import", "-display", self.xvfb.name, "-window", "root", out],
                       check=True, timeout=20, capture_output=True)
        return out


def image_size(path):
    r = subprocess.run(["identify", "-format", "%w %h", path], capture_output=True, text=True, check=True)
    w, h = r.stdout.split()
    return int(w), int(h)


def unique_colours(path, region=None):
    """Number of distinct colours in the picture, or in region (w, h, x, y)."""
    args = ["convert", path]
    if region:
        w, h, x, y = region
        args += ["-crop", f"{w}x{h}+{x}+{y}", "+repage"]
    args += ["-format", "%k", "info:"]
    r = subprocess.run(args, capture_output=True, text=True, check=True)
    return int(r.stdout.strip())


def entries(log_text):
    """The entries of a log: each starts on its own line with the prefix and ' : '."""
    return [line for line in log_text.split("\n") if line]


def differing_pixels(shot, shot_region, reference, reference_region, fuzz="6%"):
    """Pixels of a screenshot region that differ from a region of a reference picture.

    Regions are (w, h, x, y). The fuzz absorbs the colour rounding of a 16-bit display.
    """
    def crop(path, region, out):
        w, h, x, y = region
        subprocess.run(["convert", path, "-crop", f"{w}x{h}+{x}+{y}", "+repage", "-alpha", "off", out],
                       check=True, capture_output=True)
    a, b = shot + ".a.png", shot + ".b.png"
    crop(shot, shot_region, a)
    crop(reference, reference_region, b)
    r = subprocess.run(["compare", "-metric", "AE", "-fuzz", fuzz, a, b, "null:"],
                       capture_output=True, text=True)
    return int(float(r.stderr.split()[0]))


def keep_picture(path, name, region=None):
    """With VARNHOLT_PICTURES set to a folder, saves a screenshot there as a README picture, cropped to
    region (w, h, x, y), on a 64-colour palette."""
    folder = os.environ.get("VARNHOLT_PICTURES")
    if not folder:
        return
    args = ["convert", path]
    if region:
        w, h, x, y = region
        args += ["-crop", f"{w}x{h}+{x}+{y}", "+repage"]
    args += ["+dither", "-colors", "64", os.path.join(folder, name)]
    subprocess.run(args, check=True, capture_output=True)
