"""The autopilot plays a stretch of the real game with monsters coming five times a second, bags crumbling
and the status line resetting all the time: play goes on and ends cleanly, and under the sanitized builds
with no report. VARNHOLT_SOAK_SECONDS sets the stretch's length (120 s of play by default)."""

import os
import sys
import unittest

sys.path.insert(0, os.path.dirname(__file__))
from harness import Game, keep_picture, world  # noqa: E402
from test_autoplay import BUSY  # noqa: E402


class Soak(unittest.TestCase):
    def test_play_goes_on_cleanly_while_monsters_come_five_times_a_second(self):
        prepare = world(INITIAL_MONSTERS=3, MAX_MONSTERS_SIMULTANEOUSLY=4, MONSTERS_GENERATION_INTERVAL=200, **BUSY)
        with Game(prepare=prepare, env={"VARNHOLT_SEED": "8"}) as game:
            game.started("varnholt-autoplay", "--seconds", os.environ.get("VARNHOLT_SOAK_SECONDS", "120"))
            game.wait_log("Generate Monsters ", count=100, timeout=300)
            keep_picture(game.screenshot("autopilot.png"), "autopilot.png", (480, 360, 272, 204))
            game.wait_exit(600)
            self.assertRegex(game.stdout().strip().split("\n")[-1],
                             r"^(Out of time|Death) after .* of play: [1-9]\d* monsters killed, ")
            log = game.ended_cleanly(self)
            # The timers worked as hard as asked: about five generations a second.
            self.assertGreater(log.count("Generate Monsters "), 100)


if __name__ == "__main__":
    unittest.main(verbosity=2)
