"""Start-up and shutdown of the real game: the first run's configuration, window and logs, a display-sized
window, and starts that fail naming their reason."""

import os
import sys
import time
import unittest

sys.path.insert(0, os.path.dirname(__file__))
from harness import (STARTED, Game, changed, default_config, differing_pixels, edit, unique_colours,  # noqa: E402
                     wait_for, world)

# Every phase of a run, in the order it logs them; before Config.ini exists the log is not open, and the
# first entry reaches the console.
PHASES = ["Configuration : Set", "Init Timer : OK ", "TTF Init : OK ", "Video Surface Creation : OK ",
          "Set Windows Icon : OK ", "Audio Init : OK ", "SFXs Sounds & Musics Creation : OK ",
          "-> Initialization Successful <-", "-> Starting Implementation <-", "-> Implementation Successful <-",
          STARTED, "-> Game Mainloop Stopped <-", "-> Stopping Timers & Starting Clean Up  <-",
          "-> Timers Stopped, Clean Up Successful <-"]


class Starting(unittest.TestCase):
    def test_first_run_writes_config_fills_the_screen_and_logs_every_phase_then_sizes_of_0_take_the_display(self):
        with Game(screen=(1152, 864)) as game:
            game.started()
            self.assertEqual(game.read("Config.ini"), default_config(1152, 864))
            self.assertEqual(game._xdotool("getwindowname", str(game.window_id())).stdout.strip(), "Varnholt")
            game.shot_until(lambda s: unique_colours(s, (128, 64, 1152 - 128, 864 - 64)) > 8, "the field in the corner")
            self.assertEqual(game.close_and_wait(), 0)

            self.assertIn("\nVarnholt : Init Video : OK \n", game.stderr())
            log = game.game_log()
            positions = [log.find(f"\nVarnholt : {phase}\n") for phase in PHASES]
            self.assertNotIn(-1, positions, log)
            self.assertEqual(positions, sorted(positions), log)
            self.assertTrue(all(line.startswith("Varnholt : ") for line in log.split("\n") if line), log)
            self.assertIn("GLINT::SDL : SDL will use 1152x864@16", game.read("GLINT_Lumen.log"))

            # Windowed, every size 0: the display chooses, and the field fills the window too.
            for key in ("SCREEN_WIDTH", "SCREEN_HEIGHT", "SCREEN_BPP", "FULLSCREEN"):
                edit(game.path("Config.ini"), rf"{key} = \d+", f"{key} = 0")
            game.started()
            game.shot_until(lambda s: unique_colours(s, (200, 150, 1152 - 200, 864 - 150)) > 8, "the field")
            self.assertEqual(game.close_and_wait(), 0)
            self.assertIn("SDL will use 1152x864@", game.read("GLINT_Lumen.log"))
            self.assertIn("\nVarnholt : Init Video : OK \n", game.game_log())


class Settings(unittest.TestCase):
    def test_config_ini_out_of_range_or_not_writable_starts_on_the_built_in_values_and_the_log_says_so(self):
        # Edited by hand past its ranges: the built-in height, the loudest music.
        with Game(prepare=world()) as game:
            for key, value in (("SCREEN_HEIGHT", -5), ("MUSIC_VOLUME", 101)):
                edit(game.path("Config.ini"), rf"{key} = \d+", f"{key} = {value}")
            game.started()
            log = game.quit(self)
            self.assertIn("\nVarnholt : Config.ini : SCREEN_HEIGHT = -5 is out of range (0 to 16384), 768 used instead\n",
                          log)
            self.assertIn("\nVarnholt : Config.ini : MUSIC_VOLUME = 101 is out of range (0 to 100), 100 used instead\n",
                          log)
            self.assertIn("SDL will use 1024x768@16", game.read("GLINT_Lumen.log"))

        # A game folder nobody may write to, without Config.ini: the defaults stay in memory and Escape opens the
        # menu, whose quit dialog ends the game. The log goes beside the folder.
        def read_only(folder):
            log = os.path.join(os.path.dirname(folder), "Varnholt.log")
            edit(os.path.join(folder, "Config", "Dev_Config.ini"), r"(?m)^Log_Name = [^\n]*$", f"Log_Name = {log}")
            os.chmod(folder, 0o555)
        with Game(prepare=read_only) as game:
            try:
                log = lambda: game.read(os.path.join(game.dir, "Varnholt.log"))
                # Root writes anywhere: the game runs without that privilege.
                program = ["/usr/bin/setpriv", "--bounding-set=-all", "--", game.path("varnholt")] \
                    if os.geteuid() == 0 else ["varnholt"]
                game.start(*program)
                wait_for(lambda: STARTED in log() or not game.running(), what="the start")
                background = game.path("Data/Interface/LS_Initial.png")
                game.shot_until(
                    lambda s: differing_pixels(s, (800, 300, 112, 84), background, (800, 300, 0, 0)) > 200, "the field")
                playing = game.screenshot("playing.png")
                game.press("Escape", "Up", "Return")
                game.shot_until(lambda s: changed(playing, s, (240, 140, 392, 314)) > 0.25, "the quit dialog")
                game.press("Left", "Return")
                self.assertEqual(game.wait_exit(), 0)
                self.assertFalse(os.path.exists(game.path("Config.ini")))
                self.assertIn("\nVarnholt : Config.ini can't be written here: the default settings are used for this "
                              "run\n", log())
            finally:
                os.chmod(game.folder, 0o755)


# What is broken, what the game must name, in its log or on the console.
BROKEN = [
    ("no developer configuration", dict(remove=["Config/Dev_Config.ini"]), ["Can't Read Config/Dev_Config.ini File"]),
    ("a frame rate of 0", dict(FRAMES_PER_SECOND=0), ["Config/Dev_Config.ini", "FRAMES_PER_SECOND"]),
    ("no battlefield mapping", dict(remove=["Data/Battlefield/Varnholt_BF_Mapping.xml"]),
     ["From BattleField Constructor, From BattleField::Fill_BF_Mapping(), ", "Varnholt_BF_Mapping.xml"]),
    ("no sound", dict(remove=["Data/SFXs/SFX_OpenChest.wav"]),
     ["From Init_Sounds_And_Musics(), ", "SFX_OpenChest.wav"]),
]


class Failing(unittest.TestCase):
    def test_a_broken_start_names_its_reason_on_the_loading_screen_a_while_then_exits_1(self):
        for what, broken, named in BROKEN:
            with self.subTest(what), Game(prepare=world(**broken)) as game:
                began = time.monotonic()
                game.start()
                if what == "no sound":
                    # The loading screen stays up while the player reads where to look; its upper part
                    # carries no text.
                    background = game.path("Data/Interface/LS_Initial.png")
                    loading = lambda s: differing_pixels(s, (800, 300, 112, 84), background, (800, 300, 0, 0)) < 200
                    game.wait_log(named[0])
                    shot = game.shot_until(lambda s: loading(s) or not game.running(), "the loading screen")
                    self.assertTrue(loading(shot), "the loading screen went with the game")
                self.assertEqual(game.wait_exit(), 1)
                self.assertGreaterEqual(time.monotonic() - began, 1.9, "no wait before the error exit")
                said = game.game_log() + game.stderr()
                for text in named:
                    self.assertIn(text, said)
                self.assertNotIn(STARTED, said)


if __name__ == "__main__":
    unittest.main(verbosity=2)
