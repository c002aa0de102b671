"""The hero under the player's hands: walking and running with the camera, the field's edge, the window-mode
key, and quitting with Alt+F4 however it is typed."""

import os
import sys
import time
import unittest

sys.path.insert(0, os.path.dirname(__file__))
from harness import Game, crop, differing_pixels, find, scrolled, unique_colours, world  # noqa: E402

WIDTH, HEIGHT = 800, 600
# The hero's 64-pixel frame sits here while the camera follows him; this is his torso.
TORSO = (12, 20, WIDTH // 2 - 6, HEIGHT // 2 - 4)
# 520 + 32 - 400: the camera starts 152 pixels from the field's left edge.
START, EDGE = (520, 3600), 152


def speed(game, *keys):
    """Pixels a second the scenery scrolls while the keys are held, timed by the game's own pictures, and
    the vertical scroll meanwhile."""
    with game.holding(*keys):
        first = game.frame()
        time.sleep(1)
        last = game.frame()
    dx, dy = scrolled(first, last)
    return dx / ((os.stat(last).st_mtime_ns - os.stat(first).st_mtime_ns) / 1e9), dy


class Walking(unittest.TestCase):
    def test_the_field_scrolls_under_the_centred_hero_running_twice_as_fast_up_to_the_fields_edge_then_f11(self):
        # PAUSE_ANIM_TIME: he stands the same way in every picture.
        with Game(prepare=world(WIDTH, HEIGHT, hero=START, PAUSE_ANIM_TIME=1000), env={"VARNHOLT_SEED": "7"}) as game:
            game.started()
            game.press("e")  # he faces right in both pictures
            start = game.frame()
            walked, walked_dy = speed(game, "e")
            ran, ran_dy = speed(game, "e", "Shift_L")
            self.assertLess(walked, 0)
            self.assertEqual((walked_dy, ran_dy), (0, 0))
            # Both scroll by the frames' clock: a loaded machine slows both alike.
            self.assertGreater(ran / walked, 1.5)
            self.assertEqual(find(game.frame(), crop(start, TORSO), (WIDTH, TORSO[1] + 16, 0, TORSO[3] - 8))[:2],
                             TORSO[2:], "the hero left the centre")

            # Back left: the camera stops at the field's edge, and he walks on past the centre, which then
            # shows the ground he left.
            def at_the_edge(picture):
                try:
                    moved = scrolled(start, picture)
                except AssertionError:
                    return False
                w, h, x, y = TORSO
                return moved == (EDGE, 0) and differing_pixels(picture, TORSO, start, (w, h, x - EDGE, y), "3%") == 0

            with game.holding("q"):
                game.frame_until(at_the_edge, "the camera at the field's edge and the hero past the centre")

            # F11: on the 1024 x 768 X screen the 800 x 600 fullscreen picture is centred, leaving a black
            # border; the window sits in the top-left corner.
            corner = (100, 30, 0, 50)
            for switch, border in ((1, lambda colours: colours == 1), (2, lambda colours: colours > 2)):
                game.press("F11")
                game.wait_log("Resize : OK ", count=switch)
                game.shot_until(lambda s: unique_colours(s, (200, 150, 300, 225)) > 8 and border(
                    unique_colours(s, corner)), f"the field, and the corner after switch {switch}")
            game.quit(self)


class Quitting(unittest.TestCase):
    def test_alt_f4_quits_every_time_typed_at_once_or_with_alt_held(self):
        def at_once(game):
            # Both keys go down and up before the game reads its events: only the F4 event itself still
            # knows Alt was held.
            game.key("alt+F4")

        def held(game):
            with game.holding("Alt_L"):
                game.press("F4")

        with Game(prepare=world(WIDTH, HEIGHT)) as game:
            for attempt, press in enumerate([at_once, held] * 10):
                with self.subTest(attempt=attempt, press=press.__name__):
                    game.started()
                    game.quit(self, press=press)


if __name__ == "__main__":
    unittest.main(verbosity=2)
