"""The hero under the player's hands: walking and running with the camera, the field's edge, a blow,
quitting with Alt+F4 however it is typed, and the window-mode key."""

import os
import re
import subprocess
import sys
import time
import unittest

sys.path.insert(0, os.path.dirname(__file__))
from harness import Game, unique_colours, wait_for  # noqa: E402
from test_startup import windowed_config  # noqa: E402

WIDTH, HEIGHT = 800, 600
SEED = {"VARNHOLT_SEED": "7"}
# The hero's 64-pixel frame sits here while the camera follows him; this is his torso.
TORSO = (12, 20, WIDTH // 2 - 6, HEIGHT // 2 - 4)
CLEAN_UP = ["-> Game Mainloop Stopped <-", "KeyboardInput DESTRUCTED Successfully ",
            "MouseInput DESTRUCTED Successfully ", "-> Timers Stopped, Clean Up Successful <-"]


def hero_at(x=None, y=None):
    """A windowed 800 x 600 game, the hero starting at (x, y) when given."""
    def prepare(folder):
        windowed_config(folder, WIDTH, HEIGHT)
        if x is None:
            return
        path = os.path.join(folder, "Data", "Characters", "c_Player.xml")
        with open(path) as f:
            text = f.read()
        text = re.sub(r"<Initial_X>\d+</Initial_X>", f"<Initial_X>{x}</Initial_X>", text)
        text = re.sub(r"<Initial_Y>\d+</Initial_Y>", f"<Initial_Y>{y}</Initial_Y>", text)
        with open(path, "w") as f:
            f.write(text)
    return prepare


def started(game, settle=1.0):
    game.start()
    game.wait_log("-> Starting Game Mainloop & Timers <-", timeout=60)
    time.sleep(settle)
    return game


def hold(game, keys, seconds):
    """Presses the keys in order, holds them, lets them go in reverse order."""
    window = str(game.window_id())
    for key in keys:
        game._xdotool("keydown", "--window", window, key)
        time.sleep(0.05)
    time.sleep(seconds)
    for key in reversed(keys):
        game._xdotool("keyup", "--window", window, key)


def find(shot, patch_file, area):
    """Where the patch matches best inside area (w, h, x, y) of shot: (x, y, normalised error)."""
    w, h, x, y = area
    strip = shot + ".strip.png"
    subprocess.run(["convert", shot, "-crop", f"{w}x{h}+{x}+{y}", "+repage", strip], check=True, capture_output=True)
    r = subprocess.run(["compare", "-metric", "RMSE", "-dissimilarity-threshold", "1", "-subimage-search",
                        strip, patch_file, "null:"], capture_output=True, text=True, timeout=60)
    m = re.search(r"\(([\d.e+-]+)\) @ (-?\d+),(-?\d+)", r.stderr)
    if not m:
        raise AssertionError(f"compare said: {r.stderr}")
    return x + int(m.group(2)), y + int(m.group(3)), float(m.group(1))


def crop(shot, region, out):
    w, h, x, y = region
    subprocess.run(["convert", shot, "-crop", f"{w}x{h}+{x}+{y}", "+repage", out], check=True, capture_output=True)
    return out


def scrolled(before, after, reach=420):
    """How far the scenery moved right on screen from before to after: (dx, dy).

    Two pieces of ground (clear of the hero, the bars and the edges) are looked for in after; the one that
    matches best wins, so a passer-by spoiling one piece does not spoil the answer."""
    best = None
    for x, y in ((110, 470), (110, 120)):
        patch = crop(before, (48, 48, x, y), before + f".{x}-{y}.png")
        fx, fy, error = find(after, patch, (48 + reach, 48 + 16, x, y - 8))
        if best is None or error < best[2]:
            best = (fx - x, fy - y, error)
    if best[2] > 0.05:
        raise AssertionError(f"the ground of {before} is nowhere in {after} (error {best[2]})")
    return best[0], best[1]


def torso_in(before, after):
    """Where the hero's torso, centred in before, is in after: (x, y, error)."""
    patch = crop(before, TORSO, before + ".torso.png")
    return find(after, patch, (WIDTH, TORSO[1] + 16, 0, TORSO[3] - 8))


def errors_in(log):
    return [line for line in log.split("\n") if re.search(r"rror|xception|Failed", line)]


def walk_left(running, seconds=1.5, start=(None, None), turn_first=True):
    """Walks (or runs) the hero left: the screenshots before and after and the game's log.

    Turning him left first (a tap) makes him look the same in both pictures."""
    with Game(prepare=hero_at(*start), env=SEED) as game:
        started(game)
        if turn_first:
            game.key("q")
            time.sleep(0.6)
        before = game.screenshot("before.png")
        hold(game, ["q", "shift"] if running else ["q"], seconds)
        time.sleep(0.6)
        after = game.screenshot("after.png")
        shift = scrolled(before, after)
        torso = torso_in(before, after)
        centre = crop(after, TORSO, after + ".centre.png")
        behind = crop(before, (TORSO[0], TORSO[1], TORSO[2] - shift[0], TORSO[3] - shift[1]), before + ".behind.png")
        ground_at_centre = differing(centre, behind) == 0
        game.key("alt+F4")
        code = game.wait_exit(20)
        return shift, torso, ground_at_centre, code, game.game_log()


def differing(a, b):
    r = subprocess.run(["compare", "-metric", "AE", "-fuzz", "3%", a, b, "null:"], capture_output=True, text=True)
    return int(float(r.stderr.split()[0]))


class Walking(unittest.TestCase):
    def test_the_field_scrolls_under_the_hero_who_stays_centred(self):
        (dx, dy), (tx, ty, error), _, code, log = walk_left(running=False)
        # About 90 pixels a second.
        self.assertGreater(dx, 60)
        self.assertEqual(dy, 0)
        self.assertEqual((tx, ty), TORSO[2:], f"the hero left the centre (match error {error})")
        self.assertEqual(code, 0)
        self.assertEqual(errors_in(log), [])

    def test_shift_runs_farther_in_the_same_time(self):
        (walked, _), _, _, _, _ = walk_left(running=False)
        (ran, dy), (tx, ty, _), _, code, log = walk_left(running=True)
        self.assertGreater(ran, 1.5 * walked)
        self.assertEqual(dy, 0)
        self.assertEqual((tx, ty), TORSO[2:])
        self.assertEqual(code, 0)
        self.assertEqual(errors_in(log), [])

    def test_at_the_fields_edge_the_camera_stops_and_the_hero_walks_on(self):
        # 520 + 32 - 400: the camera starts 152 pixels from the field's left edge.
        (dx, dy), _, ground_at_centre, code, log = walk_left(running=False, seconds=2.5, start=(520, 3600),
                                                             turn_first=False)
        self.assertEqual((dx, dy), (152, 0))
        # He walked on past the camera's stop: the centre of the screen shows the ground he left.
        self.assertTrue(ground_at_centre)
        self.assertEqual(code, 0)
        self.assertEqual(errors_in(log), [])


class Striking(unittest.TestCase):
    def test_ctrl_swings_a_fist_and_reports_the_miss(self):
        with Game(prepare=hero_at(), env=SEED) as game:
            started(game)
            game.key("ctrl")
            game.wait_log(">>> Unarmed Miss <<< ", timeout=10)
            game.key("alt+F4")
            self.assertEqual(game.wait_exit(20), 0)
            self.assertEqual(errors_in(game.game_log()), [])


class Quitting(unittest.TestCase):
    def quit_ten_times(self, press):
        for attempt in range(10):
            with Game(prepare=hero_at()) as game:
                started(game, settle=0.3)
                press(game)
                self.assertEqual(game.wait_exit(20), 0, f"attempt {attempt + 1}")
                log = game.game_log()
                for entry in CLEAN_UP:
                    self.assertIn(f"\nVarnholt : {entry}\n", log, f"attempt {attempt + 1}")

    def test_a_quick_alt_f4_quits_every_time(self):
        # Both keys go down and up before the game reads its events: only the
        # F4 event itself still knows Alt was held.
        self.quit_ten_times(lambda game: game.key("alt+F4"))

    def test_alt_held_then_f4_quits_every_time(self):
        def press(game):
            window = str(game.window_id())
            game._xdotool("keydown", "--window", window, "alt")
            time.sleep(0.3)
            game._xdotool("key", "--window", window, "F4")
            time.sleep(0.2)
            game._xdotool("keyup", "--window", window, "alt")
        self.quit_ten_times(press)


class WindowMode(unittest.TestCase):
    def test_f11_switches_to_fullscreen_and_back(self):
        # On the 1024 x 768 X screen the 800 x 600 fullscreen picture is centred, leaving a black border;
        # the window sits in the top-left corner.
        corner = (100, 30, 0, 50)
        with Game(prepare=hero_at()) as game:
            started(game)
            for switch, fullscreen in ((1, True), (2, False)):
                resizes = game.game_log().count("Resize : OK ")
                game.key("F11")
                wait_for(lambda: game.game_log().count("Resize : OK ") > resizes or not game.running(), 10,
                         what=f"the resize of switch {switch}")
                time.sleep(1)
                self.assertTrue(game.running(), f"switch {switch}")
                shot = game.screenshot(f"switch{switch}.png")
                self.assertGreater(unique_colours(shot, (200, 150, 300, 225)), 8, f"switch {switch}: no field")
                if fullscreen:
                    self.assertEqual(unique_colours(shot, corner), 1, "fullscreen: no border")
                else:
                    self.assertGreater(unique_colours(shot, corner), 2, "windowed: not in the corner")
            game.key("alt+F4")
            self.assertEqual(game.wait_exit(20), 0)
            self.assertEqual(errors_in(game.game_log()), [])


if __name__ == "__main__":
    unittest.main(verbosity=2)
