"""The world around the hero: monsters coming and counted, and the graveyard's chest.

Each test writes the world it needs into its copy of the game: few monsters with one life point, blows
without a random draw, a hero who outlives every test, a fixed seed."""

import os
import sys
import unittest

sys.path.insert(0, os.path.dirname(__file__))
from harness import Game, changed, differing_pixels, keep_picture, world  # noqa: E402

WIDTH, HEIGHT = 1024, 768
SEED = {"VARNHOLT_SEED": "11"}
# The monsters' counters, right-aligned at the top right of the HUD.
COUNTERS = (330, 24, WIDTH - 340, 6)
INVENTORY = (800, 600, (WIDTH - 800) // 2, (HEIGHT - 600) // 2)
FRAIL_MONSTERS = {"c_Monster_Skeleton.xml": {"Life": 1, "Armor": 0},
                  "c_Monster_Worm.xml": {"Life": 1, "Armor": 0},
                  "c_Player.xml": {"Life": 100000}}


class Monsters(unittest.TestCase):
    def test_new_monsters_come_at_each_interval_up_to_the_most_of_each_kind(self):
        # Three of a kind at most: generations add skeletons and worms and change the counters; once both
        # kinds are full, generation goes on and the counters stay. The hero waits in the graveyard.
        prepare = world(hero=(500, 450), characters=FRAIL_MONSTERS, INITIAL_MONSTERS=0, MAX_MONSTERS_SIMULTANEOUSLY=3,
                        MONSTERS_GENERATION_INTERVAL=400)
        with Game(prepare=prepare, env=SEED) as game:
            game.started()

            def after(n):
                game.wait_log("Generate Monsters ", count=n)
                return game.frame()

            # Each kind comes two times in three at an empty factory: the counters change at most generations.
            counters = [game.frame()]
            generation = 0
            while len(counters) < 3:
                generation += 1
                self.assertLessEqual(generation, 12, "generation does not change the counters")
                shot = after(generation)
                if differing_pixels(counters[-1], COUNTERS, shot, COUNTERS) > 10:
                    counters.append(shot)
            keep_picture(counters[-1], "world-counters.png", COUNTERS)
            # A spot may be taken once in a while: a kind is full a little later then.
            while True:
                generation += 3
                last = after(generation)
                if differing_pixels(counters[-1], COUNTERS, last, COUNTERS) == 0:
                    break
                counters.append(last)
                self.assertLess(generation, 30, "the counters never settle")
            self.assertEqual(differing_pixels(last, COUNTERS, after(generation + 3), COUNTERS), 0)
            keep_picture(last, "world-monsters.png", (480, 360, 0, 100))
            game.quit(self)


class Chest(unittest.TestCase):
    def test_the_graveyard_chest_gives_its_sword_once(self):
        # The hero stands on the chest, facing down, away from it; a monster of each kind keeps the game
        # from being won at once.
        prepare = world(hero=(300, 300), characters=FRAIL_MONSTERS, INITIAL_MONSTERS=1, MAX_MONSTERS_SIMULTANEOUSLY=1)
        with Game(prepare=prepare, env=SEED) as game:
            game.started()
            closed = game.frame()
            # Empty-handed, keypad 1 draws nothing: Ctrl still swings a fist. The miss is told as the blow ends.
            game.press("KP_1", "Control_L")
            game.wait_log(">>> Unarmed Miss <<< ")
            game.press("Alt_L")
            opened = game.frame()
            # Near the field's corner the camera rests at (0, 0): the chest is drawn where it lies.
            self.assertGreater(changed(closed, opened, (48, 40, 300, 300)), 0.1, "the chest looks the same")
            keep_picture(opened, "world-chest.png", (320, 240, 160, 200))
            game.press("KP_1", "Control_L")
            game.wait_log(">>> Melee Miss <<< ")

            # Open and empty now: a second action adds nothing to the inventory.
            game.press("r", "i")
            one_sword = game.frame()
            game.press("i", "Alt_L", "i")
            still = game.frame()
            game.press("i")
            self.assertGreater(changed(opened, one_sword, INVENTORY), 0.5, "no inventory window")
            # The window lets the field show through: a passer-by behind it is not a second sword.
            self.assertLess(differing_pixels(one_sword, INVENTORY, still, INVENTORY), 40)
            game.quit(self)


if __name__ == "__main__":
    unittest.main(verbosity=2)
