"""The world around the hero: the victory of an empty field, monsters coming and counted, the graveyard's
chest, and a long session that ends cleanly.

Each test writes the world it needs into its copy of the game: few monsters with one life point, the bow at
the first kill, blows without a random draw, a fixed seed.

With VARNHOLT_PICTURES set to a folder, the tests leave there the README's pictures of the world."""

import os
import re
import sys
import time
import unittest

sys.path.insert(0, os.path.dirname(__file__))
from harness import Game, differing_pixels, keep_picture, wait_for  # noqa: E402
from test_startup import windowed_config  # noqa: E402

WIDTH, HEIGHT = 1024, 768
SEED = {"VARNHOLT_SEED": "11"}
CLEAN_UP = ["-> Game Mainloop Stopped <-", "-> Stopping Timers & Starting Clean Up  <-",
            "GUI DESTRUCTED Successfully ", "-> Timers Stopped, Clean Up Successful <-"]
# The centre of the screen, where the victory window opens.
CENTRE = (240, 140, WIDTH // 2 - 120, HEIGHT // 2 - 70)
# The monsters' counters, right-aligned at the top right of the HUD.
COUNTERS = (330, 24, WIDTH - 340, 6)
# The inventory window, centred.
INVENTORY = (800, 600, (WIDTH - 800) // 2, (HEIGHT - 600) // 2)
# The hero's 64-pixel frame, centred while the camera follows him.
HERO = (64, 64, WIDTH // 2 - 32, HEIGHT // 2 - 32)


def replace(path, pattern, value):
    with open(path) as f:
        text = f.read()
    text, found = re.subn(pattern, value, text)
    assert found, f"{pattern} not in {path}"
    with open(path, "w") as f:
        f.write(text)


def world(hero=None, characters=None, items=None, **dev_config):
    """A windowed 1024 x 768 game.

    dev_config replaces Dev_Config.ini values; hero is the hero's start (x, y); characters and items map a
    description file to the element values it gets ({"c_Monster_Skeleton.xml": {"Life": 1}})."""
    def prepare(folder):
        windowed_config(folder, WIDTH, HEIGHT)
        config = os.path.join(folder, "Config", "Dev_Config.ini")
        for key, value in dev_config.items():
            replace(config, rf"(?m)^{key} = .*$", f"{key} = {value}")
        described = dict(characters or {})
        if hero:
            described.setdefault("c_Player.xml", {}).update(Initial_X=hero[0], Initial_Y=hero[1])
        for folder_name, files in (("Characters", described), ("Items", items or {})):
            for name, values in files.items():
                for key, value in values.items():
                    replace(os.path.join(folder, "Data", folder_name, name), rf"<{key}>[^<]*</{key}>",
                            f"<{key}>{value}</{key}>")
    return prepare


# Blows of one fixed strength: a skeleton of one life point and no armour falls at the first.
FIXED_BLOWS = {"Apprentice_Sword.xml": {"Damage_Min": 8, "Damage_Max": 8},
               "Apprentice_Bow.xml": {"Damage_Min": 12, "Damage_Max": 12}}
FRAIL_MONSTERS = {"c_Monster_Skeleton.xml": {"Life": 1, "Armor": 0},
                  "c_Monster_Worm.xml": {"Life": 1, "Armor": 0},
                  # He must outlive every test.
                  "c_Player.xml": {"Life": 100000}}


def started(game, settle=1.0):
    game.start()
    game.wait_log("-> Starting Game Mainloop & Timers <-", timeout=60)
    time.sleep(settle)
    return game


def press(game, *keys, pause=0.2):
    for key in keys:
        game.key(key)
        time.sleep(pause)


def hold(game, key, seconds):
    window = str(game.window_id())
    game._xdotool("keydown", "--window", window, key)
    time.sleep(seconds)
    game._xdotool("keyup", "--window", window, key)


def changed(a, b, region, fuzz="6%"):
    """The share of the region's pixels that differ between two screenshots."""
    w, h, _, _ = region
    return differing_pixels(a, region, b, region, fuzz) / float(w * h)


def errors_in(log):
    return [line for line in log.split("\n") if re.search(r"rror|xception|Failed", line)]


def quit_cleanly(test, game):
    game.key("alt+F4")
    test.assertEqual(game.wait_exit(30), 0)
    log = game.game_log()
    for entry in CLEAN_UP:
        test.assertIn(f"\nVarnholt : {entry}\n", log)
    test.assertEqual(errors_in(log), [])
    return log


class Monsters(unittest.TestCase):
    def test_an_empty_field_is_won_at_the_first_check_a_second_after_the_start(self):
        with Game(prepare=world(INITIAL_MONSTERS=0, MAX_MONSTERS_SIMULTANEOUSLY=0), env=SEED) as game:
            game.start()
            game.wait_log("-> Starting Game Mainloop & Timers <-", timeout=60)
            started_at = time.monotonic()
            playing = game.screenshot("playing.png")
            shots = []

            def victory():
                shot = game.screenshot(f"check{len(shots)}.png")
                shots.append(shot)
                return changed(playing, shot, CENTRE) > 0.25

            wait_for(victory, 10, interval=0.2, what="the victory window")
            self.assertLess(time.monotonic() - started_at, 3.5)
            # Nothing was generated, nobody was killed: the window stays and holds the time it was won in.
            time.sleep(1.5)
            self.assertGreater(changed(playing, game.screenshot("later.png"), CENTRE), 0.25)
            game._xdotool("type", "--window", str(game.window_id()), "--delay", "80", "Quick")
            press(game, "Return")
            line = wait_for(lambda: game.read("Best_Times.txt"), 5, what="the best-times line")
            # The check's first tick may come a little before the second is full.
            self.assertRegex(line, r"^Quick Killed 0 Monsters in: [01]s\n$")
            self.assertNotIn("Generate Monsters ", game.game_log())
            press(game, "Return")
            self.assertEqual(game.wait_exit(20), 0)

    def test_new_monsters_come_at_each_interval_up_to_the_most_of_each_kind(self):
        # Three of a kind at most: generations add skeletons and worms and change the counters; once both
        # kinds are full, generation goes on and the counters stay.
        prepare = world(INITIAL_MONSTERS=0, MAX_MONSTERS_SIMULTANEOUSLY=3, MONSTERS_GENERATION_INTERVAL=400)
        with Game(prepare=prepare, env=SEED) as game:
            started(game, settle=0)

            def after(n):
                wait_for(lambda: game.game_log().count("Generate Monsters ") >= n, 10, what=f"generation {n}")
                time.sleep(0.15)
                return game.screenshot(f"counters{n}.png")

            # Each kind comes two times in three at an empty factory: the counters change at most generations,
            # and a slow (sanitized) game may draw them a frame late.
            counters = [game.screenshot("counters0.png")]
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
            quit_cleanly(self, game)


class Chest(unittest.TestCase):
    def test_the_graveyard_chest_gives_its_sword_once(self):
        # Near the field's corner the camera rests at (0, 0): the chest is drawn where it lies.
        CHEST = (48, 40, 300, 300)
        # The hero stands on the chest, facing down, away from it; a monster of each kind keeps the game
        # from being won at once.
        prepare = world(hero=(300, 300), characters=FRAIL_MONSTERS, items=FIXED_BLOWS,
                        INITIAL_MONSTERS=1, MAX_MONSTERS_SIMULTANEOUSLY=1)
        with Game(prepare=prepare, env=SEED) as game:
            started(game)
            closed = game.screenshot("closed.png")
            # Empty-handed, keypad 1 draws nothing: Ctrl still swings a fist.
            press(game, "KP_1", "ctrl")
            game.wait_log(">>> Unarmed Miss <<< ", timeout=10)
            time.sleep(0.5)

            press(game, "Alt_L")
            time.sleep(0.3)
            opened = game.screenshot("opened.png")
            self.assertGreater(changed(closed, opened, CHEST), 0.1, "the chest looks the same")
            keep_picture(opened, "world-chest.png", (320, 240, 160, 200))

            press(game, "KP_1")
            time.sleep(0.5)
            press(game, "ctrl")
            game.wait_log(">>> Melee Miss <<< ", timeout=10)

            # Open and empty now: a second action adds nothing to the inventory.
            press(game, "r")
            time.sleep(0.5)
            press(game, "i")
            # A slow (sanitized) game may draw the window a few frames later.
            shots = []
            wait_for(lambda: changed(opened, shots.append(game.screenshot("one-sword.png")) or shots[-1],
                                     INVENTORY) > 0.5, 15, what="the inventory window")
            one_sword = shots[-1]
            press(game, "i", "Alt_L", "i")
            time.sleep(1.0)
            still = game.screenshot("still.png")
            press(game, "i")
            self.assertGreater(changed(opened, one_sword, INVENTORY), 0.5, "no inventory window")
            # The window lets the field show through: a passer-by behind it is not a second sword.
            self.assertLess(differing_pixels(one_sword, INVENTORY, still, INVENTORY), 40)
            quit_cleanly(self, game)


def strike_around(game, seconds, until=None):
    """Turns the hero to each side in turn and strikes, a step at a time, until the log holds until."""
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        for side in ("Up", "Right", "Down", "Left"):
            hold(game, side, 0.08)
            press(game, "ctrl", pause=0.6)
            if until and until in game.game_log():
                return True
            if not game.running():
                return False
    return False


class Session(unittest.TestCase):
    def test_a_minute_of_play_among_many_monsters_ends_cleanly(self):
        # New monsters five times a second, bags crumbling within seconds, the hero walking the graveyard
        # and striking all round: the world's timers and the main loop share everything for a minute.
        prepare = world(hero=(500, 450), characters=FRAIL_MONSTERS, items=FIXED_BLOWS,
                        MONSTERS_GENERATION_INTERVAL=200, CHECK_DROPS_EROSION=500, DROP_TIME_BF4_EROSION=2,
                        BOW_DROP=1)
        with Game(prepare=prepare, env=SEED) as game:
            started(game)
            keep_picture(game.screenshot("monsters.png"), "world-monsters.png", (480, 360, 0, 100))
            deadline = time.monotonic() + 60
            legs = [("Right", 1.5), ("Down", 1.0), ("Left", 1.5), ("Up", 1.0)]
            while time.monotonic() < deadline:
                for side, seconds in legs:
                    hold(game, side, seconds)
                    press(game, "KP_1", "ctrl")
                    strike_around(game, 2)
                self.assertTrue(game.running(), game.stderr()[-2000:])
            # A sanitized game's timers run late: play on until 200 generations have come.
            wait_for(lambda: game.game_log().count("Generate Monsters ") > 200, 90, interval=0.5,
                     what="200 generations")
            log = quit_cleanly(self, game)
            self.assertGreater(log.count("Generate Monsters "), 200)
            self.assertIn(" Miss <<< ", log)


if __name__ == "__main__":
    unittest.main(verbosity=2)
