"""The game as players get it: installed under a prefix and started by its launcher in a folder of the
player's own, F12 pictures there, and a gamepad that walks the hero and works the escape menu.

The machine has no /dev/uinput for a virtual pad, so the pad's events come through tests/game/pad_feed.c,
preloaded into the real game: lines written to a file become joystick events in SDL's queue."""

import os
import shutil
import subprocess
import sys
import tempfile
import unittest

sys.path.insert(0, os.path.dirname(__file__))
from harness import Game, differing_pixels, image_size, keep_picture, scrolled  # noqa: E402

HERE = os.path.dirname(os.path.abspath(__file__))
BUILD_DIR = os.environ.get("VARNHOLT_BUILD_DIR") or os.path.join(HERE, "..", "..", "build")
PAD_FEED_LIB = os.environ.get("VARNHOLT_PAD_FEED_LIB") or os.path.join(BUILD_DIR, "tests", "pad_feed.so")
# Buttons as Linux numbers an Xbox-style pad.
PAD_A, PAD_START = 0, 7


def snapshot(folder):
    """Every path under folder with its kind, size and modification time."""
    stat = lambda path: (os.lstat(path).st_mode, os.lstat(path).st_size, os.lstat(path).st_mtime_ns)
    return {os.path.relpath(os.path.join(root, name), folder): stat(os.path.join(root, name))
            for root, dirs, files in os.walk(folder) for name in dirs + files}


class Pad:
    """Joystick events for the game, through pad_feed.so."""

    def __init__(self, folder):
        self.path = os.path.join(folder, "pad.txt")
        open(self.path, "w").close()

    def env(self):
        # In a sanitized game the feed comes before the sanitizer's runtime in the list of libraries;
        # that is harmless, since it intercepts nothing of the C library.
        asan = ":".join(o for o in (os.environ.get("ASAN_OPTIONS"), "verify_asan_link_order=0") if o)
        return {"LD_PRELOAD": PAD_FEED_LIB, "VARNHOLT_PAD_FEED": self.path, "ASAN_OPTIONS": asan}

    def send(self, *lines):
        with open(self.path, "a") as f:
            f.write("".join(line + "\n" for line in lines))

    def tap(self, button):
        self.send(f"button {button} 1", f"button {button} 0")


class Install(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.tmp = tempfile.mkdtemp(prefix="varnholt-prefix-")
        cls.prefix = os.path.join(cls.tmp, "usr")
        r = subprocess.run(["cmake", "--install", BUILD_DIR, "--prefix", cls.prefix], capture_output=True, text=True,
                           timeout=300)
        assert r.returncode == 0, r.stdout + r.stderr

    @classmethod
    def tearDownClass(cls):
        shutil.rmtree(cls.tmp, ignore_errors=True)

    def test_the_layout_and_its_desktop_files_pass_their_validators(self):
        p = self.prefix
        for path in ["bin/varnholt", "libexec/varnholt/varnholt"]:
            self.assertTrue(os.access(os.path.join(p, path), os.X_OK), path)
        for path in ["share/games/varnholt/Config/Dev_Config.ini", "share/games/varnholt/Credits.txt",
                     "share/games/varnholt/Data/Fonts/SlimSansSerif.ttf", "share/man/man6/varnholt.6"]:
            self.assertTrue(os.path.isfile(os.path.join(p, path)), path)
        for name in os.listdir(os.path.join(p, "share/games/varnholt")):
            self.assertIn(name, ["Config", "Data", "Credits.txt", "Varnholt_ico.png"])
        for size in (32, 64, 128, 256):
            icon = os.path.join(p, f"share/icons/hicolor/{size}x{size}/apps/varnholt.png")
            self.assertEqual(image_size(icon), (size, size))
        desktop = os.path.join(p, "share/applications/org.varnholt.Varnholt.desktop")
        r = subprocess.run(["desktop-file-validate", desktop], capture_output=True, text=True)
        self.assertEqual((r.returncode, r.stdout + r.stderr), (0, ""))
        with open(desktop) as f:
            self.assertIn("\nCategories=Game;RolePlaying;ActionGame;\n", f.read())
        metainfo = os.path.join(p, "share/metainfo/org.varnholt.Varnholt.metainfo.xml")
        r = subprocess.run(["appstreamcli", "validate", "--no-net", "--strict", metainfo],
                           capture_output=True, text=True)
        self.assertEqual(r.returncode, 0, r.stdout + r.stderr)

    def test_the_launcher_plays_in_the_players_folder_where_a_gamepad_walks_the_hero_and_works_the_menu(self):
        self.assertTrue(os.path.exists(PAD_FEED_LIB), PAD_FEED_LIB)
        home, data_home = os.path.join(self.tmp, "home"), os.path.join(self.tmp, "xdg-data")
        os.makedirs(home)
        before = snapshot(self.prefix)
        pad = Pad(self.tmp)
        with Game(folder=os.path.join(data_home, "varnholt"),
                  env=dict(pad.env(), HOME=home, XDG_DATA_HOME=data_home)) as game:
            game.started(os.path.join(self.prefix, "bin", "varnholt"), cwd="/")
            self.assertIn("Varnholt : Init Joystick : 0 pad(s) ", game.game_log())
            # F12: the screen as it is, in the player's folder, told in the status line, numbered on (the frames
            # below are F12 pictures too). Below the status line only the passers-by may move in between.
            game.press("F12")
            game.wait_log("Screenshot saved : Varnholt-001.png")
            picture = game.path("Varnholt-001.png")
            self.assertEqual(image_size(picture), (1024, 768))
            below = (1024, 700, 0, 68)
            game.shot_until(lambda s: differing_pixels(picture, below, s, below) < 1024 * 700 // 50, "the picture")

            # The stick, then the d-pad, walk him left: the first step comes with the first frame; once let go,
            # he stands.
            game.press("q")  # he faces left in every picture
            for walk, stop in (("axis 0 -32767", "axis 0 0"), ("hat 0 8", "hat 0 0")):
                before_walk = game.frame()
                pad.send(walk)
                walking = game.frame()
                pad.send(stop)
                stopped = game.frame()
                dx, dy = scrolled(before_walk, stopped)
                self.assertGreater(dx, 0, walk)
                self.assertEqual(dy, 0, walk)
                self.assertEqual(scrolled(stopped, game.frame()), (0, 0), stop)
            keep_picture(walking, "play-village.png", (480, 360, 272, 204))

            # Start opens the escape menu; up, A: the quit dialog; left, A: Exit To Desktop.
            centre = (300, 200, 362, 284)
            pad.tap(PAD_START)
            menu = game.frame()
            self.assertGreater(differing_pixels(menu, centre, stopped, centre), 300 * 200 // 4)
            pad.send("axis 1 -32767", "axis 1 0")
            pad.tap(PAD_A)
            self.assertGreater(differing_pixels(game.frame(), centre, menu, centre), 1000)
            log = game.quit(self, press=lambda game: (pad.send("axis 0 -32767", "axis 0 0"), pad.tap(PAD_A)))
            self.assertIn("GamepadInput DESTRUCTED Successfully ", log)
            self.assertNotIn("pad_feed", game.stderr())

            folder = game.folder
            self.assertEqual(folder, os.path.join(data_home, "varnholt"))
            for name in ["Config.ini", "Varnholt.log", "GLINT_Lumen.log", "Varnholt-002.png"]:
                self.assertTrue(os.path.isfile(os.path.join(folder, name)), name)
            self.assertTrue(os.path.islink(os.path.join(folder, "Data")))
            self.assertTrue(os.path.realpath(os.path.join(folder, "Data")).startswith(
                os.path.realpath(self.prefix) + os.sep))
        self.assertEqual(snapshot(self.prefix), before)
        self.assertEqual(os.listdir(home), [], "the launcher wrote outside XDG_DATA_HOME")

    def test_a_newer_install_is_used_at_the_next_start_and_the_players_files_are_kept(self):
        # A stand-in for the game shows the folder it was started in, so no game need run.
        def prefix_with_stand_in(name):
            prefix = os.path.join(self.tmp, name)
            shutil.copytree(self.prefix, prefix, symlinks=True)
            game = os.path.join(prefix, "libexec", "varnholt", "varnholt")
            with open(game, "w") as f:
                f.write("#!/bin/sh\npwd -P\nls\nreadlink Data || echo \"Data is no link\"\n")
            return prefix

        home = os.path.join(self.tmp, "home-2")
        os.makedirs(home)

        def launch(prefix, **env):
            base = {k: v for k, v in os.environ.items() if k != "XDG_DATA_HOME"}
            r = subprocess.run([os.path.join(prefix, "bin", "varnholt")], cwd="/", capture_output=True, text=True,
                               env=dict(base, HOME=home, **env), timeout=30)
            self.assertEqual(r.returncode, 0, r.stderr)
            return r.stdout.split("\n"), r.stderr

        old, new = prefix_with_stand_in("old"), prefix_with_stand_in("new")
        # No XDG_DATA_HOME, then a relative one: both mean ~/.local/share.
        folder = os.path.join(home, ".local", "share", "varnholt")
        out, _ = launch(old)
        self.assertEqual(out[0], folder)
        self.assertEqual(out[-2], os.path.join(old, "share", "games", "varnholt", "Data"))
        for name, text in [("Config.ini", "SCREEN_WIDTH = 640\n"), ("Best_Times.txt", "Ana 3 00:01:02\n"),
                           ("Varnholt-001.png", "picture")]:
            with open(os.path.join(folder, name), "w") as f:
                f.write(text)
        # A file of the old install that the new one has not.
        os.symlink(os.path.join(old, "share", "games", "varnholt", "Gone.txt"), os.path.join(folder, "Gone.txt"))

        out, _ = launch(new, XDG_DATA_HOME="relative/path")
        self.assertEqual(out[0], folder)
        self.assertEqual(out[-2], os.path.join(new, "share", "games", "varnholt", "Data"))
        self.assertEqual(sorted(out[1:-2]), ["Best_Times.txt", "Config", "Config.ini", "Credits.txt", "Data",
                                             "Varnholt-001.png", "Varnholt_ico.png"])
        with open(os.path.join(folder, "Config.ini")) as f:
            self.assertEqual(f.read(), "SCREEN_WIDTH = 640\n")

        # A Data folder of the player's own is kept, and said so.
        os.remove(os.path.join(folder, "Data"))
        os.mkdir(os.path.join(folder, "Data"))
        out, said = launch(new, XDG_DATA_HOME=os.path.join(home, ".local", "share"))
        self.assertIn("Data is your own", said)
        self.assertIn("Data is no link", out)
        self.assertFalse(os.path.islink(os.path.join(folder, "Data")))



if __name__ == "__main__":
    unittest.main(verbosity=2)
