"""The autopilot plays the real game: a short game won and signed in the best times, ending cleanly, and
under the sanitized builds with no report."""

import os
import sys
import unittest

sys.path.insert(0, os.path.dirname(__file__))
from harness import Game, world  # noqa: E402

# Timers at work all the time: short erosion, short status resets (the soak's too).
BUSY = dict(CHECK_DROPS_EROSION=500, DROP_TIME_BF4_EROSION=3, RESET_STATUS_MSG_INTERVAL=300, BOW_DROP=1)


class Autopilot(unittest.TestCase):
    def test_a_short_game_is_won_and_signed_in_the_best_times(self):
        # Two monsters of each kind, none coming later, each falling at the first blow: the game is the walk
        # between them, short enough for the sanitized builds.
        frail = {name: {"Life": 1, "Armor": 0} for name in ("c_Monster_Skeleton.xml", "c_Monster_Worm.xml")}
        prepare = world(characters=frail, INITIAL_MONSTERS=2, MAX_MONSTERS_SIMULTANEOUSLY=2,
                        MONSTERS_GENERATION_INTERVAL=3600000, **BUSY)
        with Game(prepare=prepare, env={"VARNHOLT_SEED": "5"}) as game:
            game.start("varnholt-autoplay", "--seconds", "900")
            self.assertEqual(game.wait_exit(1000), 0, game.stdout()[-3000:])
            self.assertRegex(game.stdout().strip().split("\n")[-1],
                             r"^Victory after .* of play: 4 monsters killed, \d+ potions drunk, \d+ arrows shot, "
                             r"\d+ frames$")
            self.assertRegex(game.read("Best_Times.txt"), r"^Autopilot Killed 4 Monsters in: (\d+mn )?\d+s\n$")
            self.assertIn("Victory: the window is open", game.stdout())
            game.ended_cleanly(self)


if __name__ == "__main__":
    unittest.main(verbosity=2)
