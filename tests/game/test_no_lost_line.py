"""What the game writes survives SIGKILL: the best-times line of a confirmed victory is whole, Config.ini is
never half-written while the options are saved, and every completed log entry is in the log."""

import os
import re
import signal
import sys
import threading
import time
import unittest

sys.path.insert(0, os.path.dirname(__file__))
from harness import Game, entries, wait_for  # noqa: E402
from test_interface import PAUSE, press, started, world  # noqa: E402

EMPTY_FIELD = world(INITIAL_MONSTERS=0, MAX_MONSTERS_SIMULTANEOUSLY=0)
LINE = re.compile(r"^Victor Killed 0 Monsters in: [0-9]+s\n$")


def kill(game):
    game.proc.send_signal(signal.SIGKILL)
    game.proc.wait()


class Killed(unittest.TestCase):
    def test_the_best_times_line_is_whole_when_the_game_is_killed_right_after_the_victory(self):
        # Killed at once when the file appears, and a few milliseconds later: never a part of the line.
        for delay in (0.0, 0.005, 0.05):
            with self.subTest(delay=delay), Game(prepare=EMPTY_FIELD) as game:
                started(game, settle=2.5)
                game._xdotool("type", "--window", str(game.window_id()), "--delay", "80", "Victor")
                time.sleep(PAUSE)
                game.key("Return")
                wait_for(lambda: os.path.exists(game.path("Best_Times.txt")), 20, interval=0.001,
                         what="Best_Times.txt")
                time.sleep(delay)
                kill(game)
                text = game.read("Best_Times.txt")
                if delay or text:
                    self.assertRegex(text, LINE)

    def test_config_ini_is_never_half_written_when_the_game_is_killed_while_saving(self):
        with Game(prepare=world()) as game:
            expected = game.read("Config.ini")
            for delay in (0.0, 0.01, 0.03, 0.08):
                with self.subTest(delay=delay):
                    os.utime(game.path("Config.ini"), (0, 0))
                    started(game, settle=0.5)
                    # The sound screen, then OK: each round saves Config.ini again, unchanged.
                    press(game, "Escape", "Down", "Return")
                    burst = threading.Thread(target=game.type_keys, args=(["Return", "Up", "Return"] * 4,))
                    burst.start()
                    try:
                        # A loaded machine may take the keys late: the kill waits for the first save,
                        # so it lands among the later ones.
                        wait_for(lambda: os.stat(game.path("Config.ini")).st_mtime > 0, 30, interval=0.001,
                                 what="the first save of Config.ini")
                        time.sleep(delay)
                        kill(game)
                    finally:
                        burst.join()
                    self.assertEqual(game.read("Config.ini"), expected)

    def test_every_completed_log_entry_is_in_the_log_after_sigkill(self):
        # One monster far away keeps the field from being won while the hero swings.
        with Game(prepare=world(INITIAL_MONSTERS=1, MAX_MONSTERS_SIMULTANEOUSLY=1)) as game:
            started(game, settle=0.5)
            # Fists at the air: each swing logs its miss.
            for _ in range(4):
                press(game, "ctrl")
                time.sleep(0.6)
            wait_for(lambda: game.game_log().count("Miss <<< ") >= 4, 10, what="four misses")
            kill(game)
            log = game.game_log()
            self.assertTrue(log.endswith("\n"), log[-200:])
            self.assertIn("\nVarnholt : -> Starting Game Mainloop & Timers <-\n", log)
            self.assertGreaterEqual(log.count(" Miss <<< \n"), 4)
            self.assertTrue(all(line.startswith("Varnholt : ") for line in entries(log)), log)
            self.assertIn("\nGLINT::SDL : SDL will use 1024x768@16", game.media_log())


if __name__ == "__main__":
    unittest.main(verbosity=2)
