"""Start-up and shutdown of the real game: configuration, window, logs, exit codes."""

import os
import sys
import time
import unittest

sys.path.insert(0, os.path.dirname(__file__))
from harness import Game, entries, image_size, unique_colours  # noqa: E402


def default_config(width, height):
    keys1 = ["UP_1 = KW", "DOWN_1 = KS", "LEFT_1 = KQ", "RIGHT_1 = KE", "ATTACK_1 = KLCTRL",
             "DRAW_MELEE_W_1 = KKP1", "DRAW_DISTANT_W_1 = KKP2", "DRAW_THROW_W_1 = KKP3",
             "DRAW_MAGIC_SPELL_1 = KKP4", "HIDE_WEAPON_1 = KR", "MENU_CALL_1 = KESCAPE",
             "WINDOW_MODE_1 = KF11", "INVENTORY_1 = KI", "CHARACTERISTICS_1 = KC", "RUN_1 = KLSHIFT",
             "HEAL_1 = KH", "ACTION_1 = KLALT"]
    unbound = ["DRAW_MELEE_W_2", "DRAW_DISTANT_W_2", "DRAW_THROW_W_2", "DRAW_MAGIC_SPELL_2",
               "HIDE_WEAPON_2", "MENU_CALL_2", "WINDOW_MODE_2", "INVENTORY_2", "CHARACTERISTICS_2",
               "RUN_2", "HEAL_2"]
    lines = ["#screen def", f"SCREEN_WIDTH = {width}", f"SCREEN_HEIGHT = {height}", "SCREEN_BPP = 16",
             "FULLSCREEN = 1", "", "#Audio"]
    lines += [f"{k}_VOLUME = 100" for k in ["ALL_SOUNDS", "SFXS", "MUSIC", "VOICE", "VIDEO", "INTERFACE"]]
    lines += [f"ENABLE_{k}_SOUNDS = 1" for k in ["ALL", "SFXS", "MUSIC", "VOICE", "VIDEO", "INTERFACE"]]
    lines += ["", "###KEYS NAMES ARE ALL CAPITALIZED EXCEPT LETTERS NAME###", "#Keys 1"] + keys1
    lines += ["", "#Keys 2", "UP_2 = KUP", "DOWN_2 = KDOWN", "LEFT_2 = KLEFT", "RIGHT_2 = KRIGHT",
              "ATTACK_2 = KRCTRL"] + [f"{k} = " for k in unbound] + ["ACTION_2 = KRALT"]
    return "\n".join(lines) + "\n"


def windowed_config(folder, width=800, height=600):
    with open(os.path.join(folder, "Config.ini"), "w") as f:
        f.write(default_config(width, height).replace("FULLSCREEN = 1", "FULLSCREEN = 0"))


class FirstRun(unittest.TestCase):
    def test_first_run_writes_config_shows_window_and_exits_cleanly(self):
        with Game(screen=(1152, 864)) as game:
            game.start()
            game.wait_log("-> Starting Game Mainloop & Timers <-", timeout=40)
            self.assertEqual(game.read("Config.ini"), default_config(1152, 864))
            self.assertEqual(game.window_name(), "Varnholt")

            time.sleep(1.5)
            shot = game.screenshot()
            self.assertEqual(image_size(shot), (1152, 864))
            self.assertGreater(unique_colours(shot), 8, "screen is blank")
            # The field reaches every corner of the screen.
            self.assertGreater(unique_colours(shot, (128, 64, 1152 - 128, 864 - 64)), 8)

            self.assertEqual(game.close_and_wait(20), 0)

            # Before Config.ini exists the game log is not open: the first entries reach the console.
            self.assertIn("\nVarnholt : Init Video : OK \n", game.stderr())
            log = game.game_log()
            for entry in ["Configuration : Set", "Init Timer : OK ", "TTF Init : OK ",
                          "Video Surface Creation : OK ", "Set Windows Icon : OK ",
                          "-> Initialization Successful <-", "-> Implementation Successful <-",
                          "-> Game Mainloop Stopped <-", "-> Stopping Timers & Starting Clean Up  <-",
                          "-> Timers Stopped, Clean Up Successful <-"]:
                self.assertIn(f"\nVarnholt : {entry}\n", log)
            # Entries are separated by blank lines and carry the prefix.
            self.assertTrue(all(line.startswith("Varnholt : ") for line in entries(log)), log)
            self.assertIn("GLINT::SDL : SDL will use 1152x864@16", game.media_log())


class BrokenConfiguration(unittest.TestCase):
    def test_missing_developer_configuration_is_reported_and_exits_1(self):
        def remove_dev_config(folder):
            windowed_config(folder)
            os.remove(os.path.join(folder, "Config", "Dev_Config.ini"))

        with Game(prepare=remove_dev_config) as game:
            started = time.monotonic()
            game.start()
            self.assertEqual(game.wait_exit(20), 1)
            self.assertGreaterEqual(time.monotonic() - started, 1.9, "no wait before the error exit")
            self.assertIn("Can't Read Config/Dev_Config.ini File", game.stderr())

    def test_zero_frame_rate_is_refused_with_the_key_and_the_file(self):
        def zero_fps(folder):
            windowed_config(folder)
            path = os.path.join(folder, "Config", "Dev_Config.ini")
            with open(path) as f:
                text = f.read()
            with open(path, "w") as f:
                f.write(text.replace("FRAMES_PER_SECOND = 60", "FRAMES_PER_SECOND = 0"))

        with Game(prepare=zero_fps) as game:
            game.start()
            self.assertEqual(game.wait_exit(20), 1)
            log = game.game_log() + game.stderr()
            self.assertIn("Config/Dev_Config.ini", log)
            self.assertIn("FRAMES_PER_SECOND", log)


class Windowed(unittest.TestCase):
    def test_zero_sizes_let_the_display_choose_and_the_field_fills_it(self):
        def zero_sizes(folder):
            windowed_config(folder)
            path = os.path.join(folder, "Config.ini")
            with open(path) as f:
                text = f.read()
            text = text.replace("SCREEN_WIDTH = 800", "SCREEN_WIDTH = 0")
            text = text.replace("SCREEN_HEIGHT = 600", "SCREEN_HEIGHT = 0").replace("SCREEN_BPP = 16", "SCREEN_BPP = 0")
            with open(path, "w") as f:
                f.write(text)

        with Game(screen=(960, 720), prepare=zero_sizes) as game:
            game.start()
            game.wait_log("-> Starting Game Mainloop & Timers <-", timeout=60)
            time.sleep(1)
            shot = game.screenshot()
            # The bottom-right corner of the desktop-sized window shows the field too.
            self.assertGreater(unique_colours(shot, (200, 150, 760, 570)), 8)
            self.assertEqual(game.close_and_wait(20), 0)
            self.assertIn("SDL will use 960x720@", game.media_log())

    def test_escape_calls_the_menu_once_the_game_has_its_own_keys(self):
        with Game(prepare=windowed_config) as game:
            game.start()
            game.wait_log("-> Starting Game Mainloop & Timers <-", timeout=40)
            time.sleep(1)
            shot = game.screenshot()
            self.assertGreater(unique_colours(shot, (800, 600, 0, 0)), 8)
            # The window's own keyboard quit on its release; the game's opens the menu.
            game.key("Escape")
            time.sleep(2)
            self.assertTrue(game.running())
            self.assertEqual(game.close_and_wait(20), 0)
            self.assertIn("-> Timers Stopped, Clean Up Successful <-", game.game_log())


if __name__ == "__main__":
    unittest.main(verbosity=2)
