"""The four phases of a run: start-up with audio and sounds, the loading screen, clean-up, failures."""

import os
import sys
import unittest

sys.path.insert(0, os.path.dirname(__file__))
from harness import Game, differing_pixels, wait_for  # noqa: E402
from test_startup import windowed_config  # noqa: E402


def windowed_1024(folder):
    windowed_config(folder, 1024, 768)


class Lifecycle(unittest.TestCase):
    def test_a_full_run_logs_every_phase_in_order(self):
        with Game(prepare=windowed_1024) as game:
            game.start()
            game.wait_log("-> Starting Game Mainloop & Timers <-", timeout=60)
            self.assertEqual(game.close_and_wait(20), 0)
            log = game.game_log()
            phases = ["Configuration : Set", "Init Video : OK ", "Init Timer : OK ", "TTF Init : OK ",
                      "Video Surface Creation : OK ", "Set Windows Icon : OK ", "Audio Init : OK ",
                      "SFXs Sounds & Musics Creation : OK ", "-> Initialization Successful <-",
                      "-> Starting Implementation <-", "-> Implementation Successful <-",
                      "-> Starting Game Mainloop & Timers <-", "-> Game Mainloop Stopped <-",
                      "-> Stopping Timers & Starting Clean Up  <-",
                      "-> Timers Stopped, Clean Up Successful <-"]
            positions = [log.find(f"\nVarnholt : {p}\n") for p in phases]
            self.assertNotIn(-1, positions, log)
            self.assertEqual(positions, sorted(positions), log)

    def test_missing_sound_file_stops_the_start_on_the_loading_screen(self):
        def remove_a_sound(folder):
            windowed_1024(folder)
            os.remove(os.path.join(folder, "Data", "SFXs", "SFX_OpenChest.wav"))

        with Game(prepare=remove_a_sound) as game:
            game.start()
            game.wait_log("From Init_Sounds_And_Musics(), ", timeout=60)
            # The error wait leaves the loading screen up, telling where to look.
            shot = game.screenshot("loading.png")
            self.assertEqual(game.wait_exit(20), 1)

            background = game.path("Data/Interface/LS_Initial.png")
            # The picture is centred on the 1024 x 768 display; its upper part carries no text.
            self.assertLess(differing_pixels(shot, (800, 300, 112, 84), background, (800, 300, 0, 0)), 200)
            log = game.game_log()
            self.assertIn("SFX_OpenChest.wav", log)
            self.assertNotIn("-> Initialization Successful <-", log)


if __name__ == "__main__":
    unittest.main(verbosity=2)
