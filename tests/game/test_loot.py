"""Loot: a skeleton killed with the sword by keys, the bag it leaves picked up with the action key and what was
in it named on the status line, and an arrow of the bow found in it seen flying and gone.

The autopilot stages the meeting (it takes the chest's sword, kills one monster and hands the hero over facing
the next); from then on only keys play."""

import contextlib
import os
import re
import sys
import time
import unittest

sys.path.insert(0, os.path.dirname(__file__))
from harness import Game, differing_pixels, keep_picture, wait_for, world  # noqa: E402
from test_world import FRAIL_MONSTERS, HEIGHT, SEED, WIDTH  # noqa: E402

# Blows of one fixed strength: a skeleton of one life point and no armour falls at the first.
FIXED_BLOWS = {"Apprentice_Sword.xml": {"Damage_Min": 8, "Damage_Max": 8},
               "Apprentice_Bow.xml": {"Damage_Min": 12, "Damage_Max": 12}}
# Every blow ends with its entry: ">>> Melee Miss <<< ", ">>> Undead Hit <<< "...
BLOW = " <<< "


class Loot(unittest.TestCase):
    def test_a_skeleton_killed_with_the_sword_leaves_the_bow_in_a_bag_and_an_arrow_flies_from_it(self):
        prepare = world(characters=FRAIL_MONSTERS, items=FIXED_BLOWS, INITIAL_MONSTERS=2,
                        MAX_MONSTERS_SIMULTANEOUSLY=2, MONSTERS_GENERATION_INTERVAL=3600000, BOW_DROP=2)
        with Game(prepare=prepare, env=SEED) as game:
            game.start("varnholt-autoplay", "--seconds", "900", "--hand-over")
            # The bot walks to the chest and fights its first monster: a sanitized build takes minutes.
            wait_for(lambda: "Hand over:" in game.stdout(), 600, interval=0.5, what="the hand-over")
            self.assertIn(", sword", game.stdout())
            keep_picture(game.frame(), "world-fight.png", (320, 240, 352, 264))

            # The sword by keys: the monster may step aside, and a blow is lost while the hero takes one, so
            # turn round striking until a blow lands.
            game.press("KP_1")
            hits = game.game_log().count(" Hit <<< ")
            for turn in range(60):
                if game.game_log().count(" Hit <<< ") > hits:
                    break
                blows = game.game_log().count(BLOW)
                game.press(["Up", "Right", "Down", "Left"][turn % 4], "Control_L")
                with contextlib.suppress(AssertionError):
                    game.wait_log(BLOW, timeout=10, count=blows + 1)
            self.assertGreater(game.game_log().count(" Hit <<< "), hits, "no blow landed")
            wait_for(lambda: "2 killed" in game.stdout(), interval=0.5, what="the second kill")

            # The bag: walk until it lies inside the hero's box (20 x 36 pixels; a frame's step is 4), then the
            # action key. The bot tells where it lies every 30 frames.
            keep_picture(game.frame(), "world-bag.png", (320, 240, 352, 264))
            for _ in range(20):
                reports = game.stdout().count("Bag:")
                wait_for(lambda: game.stdout().count("Bag:") > reports + 1, what="where the bag lies")
                at = re.findall(r"Bag: (?:at (-?\d+), (-?\d+)|none near the hero)", game.stdout())[-1]
                if at == ("", ""):
                    break
                x, y = int(at[0]), int(at[1])
                if abs(x) >= 6 or abs(y) >= 12:
                    # A short step, some way short of the bag: the next report tells the rest.
                    side, distance = (("Right" if x > 0 else "Left"), abs(x) - 2) if abs(x) >= 6 else \
                        (("Down" if y > 0 else "Up"), abs(y) - 4)
                    with game.holding(side):
                        time.sleep(max(0.02, distance / 240.0))
                else:
                    game.press("Alt_L")
            self.assertEqual(at, ("", ""), "the bag is still there")
            # The second kill's bag held the bow (and maybe a potion first): the status line says so.
            found = re.compile(r"^Varnholt : Found: (?:Healing Potion, )?Apprentice Bow, Normal Arrow$", re.M)
            wait_for(lambda: found.search(game.game_log()), what="the pickup message")
            keep_picture(game.screenshot(), "pickup-message.png", (456, 424, 232, 0))

            # The bow and its arrows came with it: keypad 2 draws it, Ctrl shoots up the screen. The blow's entry
            # comes as the bow is lowered, the arrow still in flight.
            game.press("Up")
            before = game.frame()
            misses = game.game_log().count(">>> Distant Miss <<< ")
            game.press("KP_2", "Control_L")
            flying = []
            wait_for(lambda: flying.append(game.frame()) or game.game_log().count(">>> Distant Miss <<< ") > misses
                     and len(flying) > 4, interval=0, what="the arrow's flight")
            # Up the screen from the hero (who may stand off the centre near the field's edge): the stripe where
            # the arrow shows is the stripe it leaves later.
            band = lambda x, width=64: (width, 300, x, HEIGHT // 2 - 340)
            best = max(flying, key=lambda shot: differing_pixels(before, band(0, WIDTH), shot, band(0, WIDTH)))
            seen, x = max((differing_pixels(before, band(x), best, band(x)), x) for x in range(0, WIDTH - 63, 32))
            self.assertGreater(seen, 10, "no arrow seen")
            game.frame_until(lambda shot: differing_pixels(before, band(x), shot, band(x)) < 10, "the arrow gone")
            # The bot ends with 1 when it has not won.
            game.key("alt+F4")
            game.wait_exit()
            game.ended_cleanly(self)


if __name__ == "__main__":
    unittest.main(verbosity=2)
