"""Runs the real varnholt binary under Xvfb for the whole-game tests.

Each Game gets its own copy of the built game folder and its own X display, so tests never share files or
screens, and every process started here is stopped by its own PID. Nothing waits a fixed time and then looks:
a test waits, with a timeout, for a log entry, a file, an exit or a picture, so a loaded machine makes it
slower, never red."""

import contextlib
import itertools
import os
import re
import shutil
import subprocess
import tempfile
import threading
import time

from Xlib import X, XK, display as xdisplay, protocol

GAME_DIR = os.environ.get("VARNHOLT_GAME_DIR") or os.path.join(os.path.dirname(__file__), "..", "..", "build", "game")
STARTED = "-> Starting Game Mainloop & Timers <-"
CLEAN_UP = ["-> Game Mainloop Stopped <-", "-> Stopping Timers & Starting Clean Up  <-", "GUI DESTRUCTED Successfully ",
            "KeyboardInput DESTRUCTED Successfully ", "-> Timers Stopped, Clean Up Successful <-"]
SANITIZER_REPORTS = re.compile(r"ERROR: AddressSanitizer|WARNING: ThreadSanitizer|runtime error:|LeakSanitizer")
# Generous: only a hung game reaches it, not a slow (sanitized, loaded) one.
TIMEOUT = 90


def wait_for(predicate, timeout=TIMEOUT, interval=0.1, what="condition"):
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        value = predicate()
        if value:
            return value
        time.sleep(interval)
    raise AssertionError(f"timed out after {timeout}s waiting for {what}")


# Each action's two keys, as the game's first start writes them.
KEYS = [("UP", "KW", "KUP"), ("DOWN", "KS", "KDOWN"), ("LEFT", "KQ", "KLEFT"), ("RIGHT", "KE", "KRIGHT"),
        ("ATTACK", "KLCTRL", "KRCTRL"), ("DRAW_MELEE_W", "KKP1", ""), ("DRAW_DISTANT_W", "KKP2", ""),
        ("DRAW_THROW_W", "KKP3", ""), ("DRAW_MAGIC_SPELL", "KKP4", ""), ("HIDE_WEAPON", "KR", ""),
        ("MENU_CALL", "KESCAPE", ""), ("WINDOW_MODE", "KF11", ""), ("INVENTORY", "KI", ""),
        ("CHARACTERISTICS", "KC", ""), ("RUN", "KLSHIFT", ""), ("HEAL", "KH", ""), ("ACTION", "KLALT", "KRALT")]


def default_config(width, height, bpp=16, fullscreen=1):
    """The Config.ini the game writes at its first start."""
    sounds = ["ALL_SOUNDS", "SFXS", "MUSIC", "VOICE", "VIDEO", "INTERFACE"]
    lines = ["#screen def", f"SCREEN_WIDTH = {width}", f"SCREEN_HEIGHT = {height}", f"SCREEN_BPP = {bpp}",
             f"FULLSCREEN = {fullscreen}", "", "#Audio"] + [f"{k}_VOLUME = 100" for k in sounds]
    lines += [f"ENABLE_{k.replace('_SOUNDS', '')}_SOUNDS = 1" for k in sounds]
    lines += ["", "###KEYS NAMES ARE ALL CAPITALIZED EXCEPT LETTERS NAME###", "#Keys 1"]
    lines += [f"{a}_1 = {k}" for a, k, _ in KEYS] + ["", "#Keys 2"] + [f"{a}_2 = {k}" for a, _, k in KEYS]
    return "\n".join(lines) + "\n"


def edit(path, pattern, value):
    """Replaces what pattern matches in the file; the pattern must be there."""
    with open(path) as f:
        text, found = re.subn(pattern, value, f.read(), flags=re.S)
    assert found, f"{pattern} not in {path}"
    with open(path, "w") as f:
        f.write(text)


def world(width=1024, height=768, bpp=16, hero=None, characters=None, items=None, remove=(), **dev_config):
    """A windowed game of width x height: dev_config replaces Dev_Config.ini values, hero is the hero's
    start (x, y), characters and items map a description file to the element values it gets
    ({"c_Monster_Skeleton.xml": {"Life": 1}}; None drops the element), remove lists files to delete."""
    def prepare(folder):
        with open(os.path.join(folder, "Config.ini"), "w") as f:
            f.write(default_config(width, height, bpp, fullscreen=0))
        for key, value in dev_config.items():
            edit(os.path.join(folder, "Config", "Dev_Config.ini"), rf"(?m)^{key} = [^\n]*$", f"{key} = {value}")
        described = {name: dict(values) for name, values in (characters or {}).items()}
        if hero:
            described.setdefault("c_Player.xml", {}).update(Initial_X=hero[0], Initial_Y=hero[1])
        for kind, files in (("Characters", described), ("Items", items or {})):
            for name, values in files.items():
                for key, value in values.items():
                    edit(os.path.join(folder, "Data", kind, name), rf"<{key}>.*?</{key}>",
                         "" if value is None else f"<{key}>{value}</{key}>")
        for name in remove:
            os.remove(os.path.join(folder, name))
    return prepare


_displays_used = set()
# Tests start screens from several threads at once; the existence checks below let another thread in.
_displays_lock = threading.Lock()


def free_display_number():
    with _displays_lock:
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
            if wait_for(self._ready_or_gone, 30, what="Xvfb") == "ready":
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


# X timestamps of the keys we type, always growing: SDL takes a release followed by a press of the same key
# within 2 ms for auto-repeat and drops both (xdotool's events all carry time 0).
_stamps = itertools.count(1000, 10)


class Game:
    """One run of the game in a private folder on a private screen."""

    def __init__(self, screen=(1024, 768), prepare=None, env=None, folder=None, linked=False, xvfb=None):
        """folder: the game plays there as it is (an installed game's player folder); else in a copy of the
        game folder, of symbolic links if linked. xvfb: a screen of the caller's."""
        self.dir = tempfile.mkdtemp(prefix="varnholt-test-")
        self.folder = folder or os.path.join(self.dir, "game")
        if not folder:
            if linked:
                subprocess.run(["cp", "-rs", os.path.abspath(GAME_DIR), self.folder], check=True)
            else:
                shutil.copytree(GAME_DIR, self.folder)
            # Files a player's own run may have left in the build folder.
            for leftover in ("Config.ini", "GLINT_Lumen.log", "Varnholt.log", "Best_Times.txt"):
                with contextlib.suppress(FileNotFoundError):
                    os.remove(self.path(leftover))
        if prepare:
            prepare(self.folder)
        self.xvfb = xvfb or Xvfb(*screen)
        self.env = {**os.environ, "DISPLAY": self.xvfb.name, "SDL_AUDIODRIVER": "dummy", **(env or {})}
        self.stdout_path, self.stderr_path = os.path.join(self.dir, "stdout.txt"), os.path.join(self.dir, "stderr.txt")
        self.proc = self._window = None

    def start(self, program="varnholt", *args, cwd=None):
        # A second start must not find the first one's entries.
        with contextlib.suppress(FileNotFoundError):
            os.remove(self.path("Varnholt.log"))
        self._window = None
        exe = program if os.path.isabs(program) else os.path.join(self.folder, program)
        with open(self.stdout_path, "wb") as out, open(self.stderr_path, "wb") as err:
            self.proc = subprocess.Popen([exe, *args], cwd=cwd or self.folder, env=self.env, stdout=out, stderr=err)
        return self

    def started(self, *args, **where):
        """Started and playing: its keys are the game's from here on."""
        self.start(*args, **where)
        self.wait_log(STARTED)
        return self

    def wait_exit(self, timeout=TIMEOUT):
        try:
            return self.proc.wait(timeout)
        except subprocess.TimeoutExpired:
            raise AssertionError(f"game still running after {timeout}s") from None

    def running(self):
        return self.proc is not None and self.proc.poll() is None

    def kill(self):
        if self.running():
            self.proc.kill()
            self.proc.wait()

    def quit(self, test, press=lambda game: game.key("alt+F4")):
        """Quits as a player does: the game ends with 0, cleanly."""
        press(self)
        test.assertEqual(self.wait_exit(), 0)
        return self.ended_cleanly(test)

    def ended_cleanly(self, test):
        """The game cleaned up, logged no error and, in a sanitized build, drew no report."""
        log = self.game_log()
        for entry in CLEAN_UP:
            test.assertIn(f"\nVarnholt : {entry}\n", log)
        test.assertEqual(errors_in(log), [])
        test.assertIsNone(SANITIZER_REPORTS.search(self.stderr()), self.stderr()[-3000:])
        return log

    def __enter__(self):
        return self

    def __exit__(self, *exc):
        self.kill()
        self.xvfb.stop()
        if os.environ.get("VARNHOLT_KEEP_TEST_DIRS"):
            print(f"kept {self.dir}")
        else:
            shutil.rmtree(self.dir, ignore_errors=True)

    def path(self, name):
        return os.path.join(self.folder, name)

    def read(self, name):
        with contextlib.suppress(FileNotFoundError), open(self.path(name), encoding="utf-8", errors="replace") as f:
            return f.read()
        return ""

    def game_log(self):
        return self.read("Varnholt.log")

    def stdout(self):
        return self.read(self.stdout_path)

    def stderr(self):
        return self.read(self.stderr_path)

    def wait_log(self, text, timeout=TIMEOUT, count=1, interval=0.05):
        """Until the game log holds text count times; a game that exits first fails at once."""
        def seen():
            if self.game_log().count(text) >= count:
                return True
            if not self.running():
                raise AssertionError(f"game exited ({self.proc.returncode}) before logging {text!r}\n"
                                     f"--- game log:\n{self.game_log()[-3000:]}\n--- stderr:\n{self.stderr()[-3000:]}")
        return wait_for(seen, timeout, interval, what=repr(text))

    def _xdotool(self, *args):
        return subprocess.run(["xdotool", *args], env=self.env, capture_output=True, text=True, timeout=30)

    def window_id(self, timeout=TIMEOUT):
        """The top-level window carrying the game's title."""
        def find():
            for wid in self._xdotool("search", "--name", ".").stdout.split():
                if self._xdotool("getwindowname", wid).stdout.strip():
                    return int(wid)
            return None
        if self._window is None:
            self._window = wait_for(find, timeout, what="game window")
        return self._window

    @contextlib.contextmanager
    def _x(self):
        d = xdisplay.Display(self.xvfb.name)
        try:
            yield d, d.create_resource_object("window", self.window_id())
            # A round trip: requests merely flushed may be lost when the connection closes at once.
            d.sync()
        finally:
            d.close()

    def close_and_wait(self, timeout=TIMEOUT):
        """Closes the window as a window manager would (WM_DELETE_WINDOW) and returns the exit code; asks again
        if the first request is missed."""
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline:
            if self.running():
                with self._x() as (d, window):
                    window.send_event(protocol.event.ClientMessage(
                        window=window, client_type=d.intern_atom("WM_PROTOCOLS"),
                        data=(32, [d.intern_atom("WM_DELETE_WINDOW"), X.CurrentTime, 0, 0, 0])), X.NoEventMask)
            try:
                return self.proc.wait(min(3, max(0.1, deadline - time.monotonic())))
            except subprocess.TimeoutExpired:
                continue
        raise AssertionError(f"game still running {timeout}s after its window was closed")

    def key(self, *keys):
        """Keys through xdotool, for chords (alt+F4, ctrl+c): the modifiers go with the event."""
        self._xdotool("key", "--window", str(self.window_id()), *keys)

    def send(self, *events):
        """(key name, pressed) pairs as X key events with real, growing timestamps."""
        with self._x() as (d, window):
            root = d.screen().root
            for key, pressed in events:
                code = d.keysym_to_keycode(XK.string_to_keysym(key))
                if not code:
                    raise ValueError(f"no key named {key}")
                kind, mask = (protocol.event.KeyPress, X.KeyPressMask) if pressed else \
                    (protocol.event.KeyRelease, X.KeyReleaseMask)
                event = kind(time=next(_stamps), root=root, window=window, same_screen=1, child=X.NONE,
                             root_x=0, root_y=0, event_x=0, event_y=0, state=0, detail=code)
                window.send_event(event, event_mask=mask, propagate=True)

    def press(self, *keys, delay=0.03):
        """Plain keys (keysym names: Escape, Return, Control_L, KP_1...), each pressed and let go."""
        for key in keys:
            self.send((key, True), (key, False))
            time.sleep(delay)

    @contextlib.contextmanager
    def holding(self, *keys):
        """The keys go down in order and come up in reverse order."""
        self.send(*[(key, True) for key in keys])
        try:
            yield
        finally:
            self.send(*[(key, False) for key in reversed(keys)])

    def type_text(self, text):
        self._xdotool("type", "--window", str(self.window_id()), "--delay", "80", text)

    def frame(self, timeout=TIMEOUT):
        """The game's own picture (F12) of a frame it drew after reading every key and pad event sent so far.

        The first F12 may be read together with those keys; the second, sent once the first is saved, is
        read in a later round of events, and a frame is drawn between two rounds."""
        for _ in range(2):
            saved = self.game_log().count("Screenshot saved : ")
            self.press("F12", delay=0)
            self.wait_log("Screenshot saved : ", timeout, count=saved + 1, interval=0.01)
        return self.path(re.findall(r"Screenshot saved : (\S+)", self.game_log())[-1])

    def screenshot(self, name="shot.png"):
        """The X screen as it is (import), for what F12 cannot show: the loading screen, the borders."""
        out = os.path.join(self.dir, name)
        subprocess.run(["import", "-display", self.xvfb.name, "-window", "root", out],
                       check=True, timeout=60, capture_output=True)
        return out

    def frame_until(self, condition, what, timeout=TIMEOUT, take=None):
        """Pictures (the game's frames, or screenshots) until one meets condition."""
        found = []
        wait_for(lambda: condition(found.append((take or self.frame)()) or found[-1]), timeout, 0, what=what)
        return found[-1]

    def shot_until(self, condition, what, timeout=TIMEOUT):
        return self.frame_until(condition, what, timeout, take=self.screenshot)


def _magick(*args):
    return subprocess.run(args, capture_output=True, text=True, check=True, timeout=120).stdout


def image_size(path):
    return tuple(int(n) for n in _magick("identify", "-format", "%w %h", path).split())


def crop(path, region, out=None):
    """The region (w, h, x, y) of a picture as a picture of its own."""
    w, h, x, y = region
    out = out or f"{path}.{w}x{h}+{x}+{y}.png"
    _magick("convert", path, "-crop", f"{w}x{h}+{x}+{y}", "+repage", "-alpha", "off", out)
    return out


def unique_colours(path, region=None):
    """Number of distinct colours in the picture, or in region (w, h, x, y)."""
    return int(_magick("convert", crop(path, region) if region else path, "-format", "%k", "info:"))


def differing_pixels(shot, shot_region, reference, reference_region, fuzz="6%"):
    """Pixels of a screenshot region that differ from a region of a reference picture.

    Regions are (w, h, x, y). The fuzz absorbs the colour rounding of a 16-bit display."""
    r = subprocess.run(["compare", "-metric", "AE", "-fuzz", fuzz, crop(shot, shot_region),
                        crop(reference, reference_region), "null:"], capture_output=True, text=True)
    return int(float(r.stderr.split()[0]))


def changed(a, b, region, fuzz="6%"):
    """The share of the region's pixels that differ between two pictures."""
    return differing_pixels(a, region, b, region, fuzz) / float(region[0] * region[1])


def find(picture, patch, area):
    """Where the patch matches best inside area (w, h, x, y) of the picture: (x, y, normalised error)."""
    w, h, x, y = area
    r = subprocess.run(["compare", "-metric", "RMSE", "-dissimilarity-threshold", "1", "-subimage-search",
                        crop(picture, area), patch, "null:"], capture_output=True, text=True, timeout=120)
    m = re.search(r"\(([\d.e+-]+)\) @ (-?\d+),(-?\d+)", r.stderr)
    if not m:
        raise AssertionError(f"compare said: {r.stderr}")
    return x + int(m.group(2)), y + int(m.group(3)), float(m.group(1))


def scrolled(before, after, reach=300):
    """How far the scenery moved on screen from before to after, sideways: (dx, dy), right positive.

    Two pieces of ground above and below the hero (clear of the bars) are looked for in after; the one
    that matches best wins, so a passer-by spoiling one piece does not spoil the answer."""
    width, height = image_size(before)
    x, found = width // 2 - 24, []
    for y in (120, height - 130):
        fx, fy, error = find(after, crop(before, (48, 48, x, y)), (48 + 2 * reach, 64, x - reach, y - 8))
        found.append((error, fx - x, fy - y))
    error, dx, dy = min(found)
    if error > 0.05:
        raise AssertionError(f"the ground of {before} is nowhere in {after} (error {error})")
    return dx, dy


def victory_window(picture):
    """Whether the victory window is up: its empty name field is a white box no field shows."""
    w, h = image_size(picture)
    return float(_magick("convert", crop(picture, (76, 10, w // 2 - 110, h // 2 + 47)), "-format", "%[fx:minima]",
                         "info:")) > 0.99


def errors_in(log):
    return [line for line in log.split("\n") if re.search(r"rror|xception|Failed", line)]


def keep_picture(path, name, region=None):
    """With VARNHOLT_PICTURES set to a folder (scripts/pictures), saves a picture there for the README,
    cropped to region (w, h, x, y), on a 64-colour palette."""
    folder = os.environ.get("VARNHOLT_PICTURES")
    if folder:
        _magick("convert", crop(path, region) if region else path, "+dither", "-colors", "64",
                os.path.join(folder, name))
