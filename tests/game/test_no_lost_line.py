"""What the game writes survives SIGKILL: the best-times line of a confirmed victory is whole, every completed log
entry is in the log, and Config.ini is never half-written while the options are saved."""

import contextlib
import os
import sys
import threading
import time
import unittest

sys.path.insert(0, os.path.dirname(__file__))
from harness import STARTED, Game, victory_window, wait_for, world  # noqa: E402


class Killed(unittest.TestCase):
    def test_the_best_times_line_and_the_log_are_whole_when_the_game_is_killed_right_after_the_victory(self):
        with Game(prepare=world(INITIAL_MONSTERS=0, MAX_MONSTERS_SIMULTANEOUSLY=0)) as game:
            # Killed at once when the file appears, and a few milliseconds later: never a part of the line.
            for delay in (0.0, 0.005, 0.05):
                with self.subTest(delay=delay):
                    with contextlib.suppress(FileNotFoundError):
                        os.remove(game.path("Best_Times.txt"))
                    game.started().frame_until(victory_window, "the victory window")
                    game.type_text("Victor")
                    game.press("Return")
                    wait_for(lambda: os.path.exists(game.path("Best_Times.txt")), interval=0.001, what="Best_Times.txt")
                    time.sleep(delay)
                    game.kill()
                    text = game.read("Best_Times.txt")
                    if delay or text:
                        self.assertRegex(text, r"^Victor Killed 0 Monsters in: [0-9]+s\n$")
                    # Every entry written, the frames' pictures during play among them, reached the file.
                    log = game.game_log()
                    self.assertTrue(log.endswith("\n"), log[-200:])
                    self.assertIn(f"\nVarnholt : {STARTED}\n", log)
                    self.assertGreaterEqual(log.count("Screenshot saved : "), 2)
                    self.assertTrue(all(line.startswith("Varnholt : ") for line in log.split("\n") if line), log)
                    self.assertIn("\nGLINT::SDL : SDL will use 1024x768@16", game.read("GLINT_Lumen.log"))

    def test_config_ini_is_never_half_written_when_the_game_is_killed_while_saving(self):
        with Game(prepare=world()) as game:
            expected = game.read("Config.ini")

            def saves():
                # The sound screen, then OK: each round saves Config.ini again, unchanged.
                for key in ["Return", "Up", "Return"] * 4:
                    if game.running():
                        game.press(key)

            for delay in (0.0, 0.01, 0.03, 0.08):
                with self.subTest(delay=delay):
                    os.utime(game.path("Config.ini"), (0, 0))
                    game.started().press("Escape", "Down", "Return")
                    burst = threading.Thread(target=saves)
                    burst.start()
                    try:
                        # A loaded machine may take the keys late: the kill waits for the first save, so it
                        # lands among the later ones.
                        wait_for(lambda: os.stat(game.path("Config.ini")).st_mtime > 0, interval=0.001,
                                 what="the first save of Config.ini")
                        time.sleep(delay)
                        game.kill()
                    finally:
                        burst.join()
                    self.assertEqual(game.read("Config.ini"), expected)


if __name__ == "__main__":
    unittest.main(verbosity=2)
