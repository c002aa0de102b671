"""The interface under the player's hands: the inventory and characteristics windows, every menu screen, the
options written to Config.ini and read again, a rebound key, the map of what is left, the victory with its
best-times line, the death picture and the credits, the start's hint over snow and a hidden hero's outline;
and the README's pictures of them (scripts/pictures-interface)."""

import os
import re
import subprocess
import sys
import time
import unittest

sys.path.insert(0, os.path.dirname(__file__))
from harness import (STARTED, Game, changed, crop, differing_pixels, keep_picture, scrolled,  # noqa: E402
                     victory_window, wait_for, world)
from test_world import COUNTERS, FRAIL_MONSTERS, SEED  # noqa: E402

WIDTH, HEIGHT = 1024, 768


def centred(w, h):
    return (w, h, (WIDTH - w) // 2, (HEIGHT - h) // 2)


# The centre of the screen, where every menu window opens, and the menus with some field around them.
CENTRE, MENU = centred(240, 140), centred(560, 440)


# The map: the 3328 x 4096 field fitted into four fifths of the screen's height, centred; a monster's mark is
# 5 x 5 pixels of red in a dark ring.
MAP = (494, 608, 265, 80)
MONSTER, MARK = (236, 40, 40), 25


def marks(picture, colour=MONSTER, region=MAP):
    """The sizes of the patches of colour in the region, smallest first: whole marks, or what shows of them."""
    w, h, x, y = region
    rgb = subprocess.run(["convert", picture, "-crop", f"{w}x{h}+{x}+{y}", "+repage", "-depth", "8", "rgb:-"],
                         capture_output=True, check=True).stdout
    # A 16-bit screen rounds the colour.
    hit = {(i % w, i // w) for i in range(w * h) if all(abs(rgb[3 * i + c] - colour[c]) <= 24 for c in range(3))}
    sizes = []
    while hit:
        patch, size = [hit.pop()], 0
        while patch:
            px, py = patch.pop()
            size += 1
            for near in ((px + 1, py), (px - 1, py), (px, py + 1), (px, py - 1)):
                if near in hit:
                    hit.remove(near)
                    patch.append(near)
        sizes.append(size)
    return sorted(sizes)


def setting(text, key):
    return re.search(rf"(?m)^{key} = (.*)$", text).group(1)


def saved(game, line):
    """Config.ini once it holds line."""
    return wait_for(lambda: line in game.read("Config.ini") and game.read("Config.ini"), what=line)


def pixels_of(path, region, colour, fuzz="6%"):
    """Pixels of region (w, h, x, y) within fuzz of colour."""
    return int(float(subprocess.run(
        ["convert", crop(path, region), "-fuzz", fuzz, "-fill", "black", "+opaque", colour, "-fill", "white",
         "-opaque", colour, "-format", "%[fx:mean*w*h]", "info:"],
        capture_output=True, text=True, check=True, timeout=60).stdout))


class Screens(unittest.TestCase):
    def test_i_and_c_toggle_their_windows_every_menu_screen_left_unsaved_keeps_config_then_exit_to_desktop(self):
        with Game(prepare=world()) as game:
            game.started()
            config = game.read("Config.ini")
            playing = game.frame()
            keep_picture(playing, "hud.png")

            # I opens and closes the inventory; C closes it and opens the characteristics, whose picture sits
            # centred under its title bar (a 304 x 154 window for the 300 x 136 picture).
            window_area = centred(800, 600)
            game.press("i")
            inventory = game.frame()
            self.assertGreater(changed(playing, inventory, window_area), 0.5, "no inventory")
            game.press("i")
            self.assertLess(changed(playing, game.frame(), window_area), 0.1, "the inventory stayed open")
            game.press("i", "c")
            characteristics = game.frame()
            left, top = (WIDTH - 304) // 2 + 2, (HEIGHT - 154) // 2 + 16
            self.assertLess(differing_pixels(characteristics, (80, 70, left + 4, top + 8),
                                             game.path("Data/Interface/Characteristics_Win_BG.png"), (80, 70, 4, 8)),
                            40, "no characteristics")
            self.assertLess(changed(playing, characteristics, (800, 40, window_area[2], window_area[3])), 0.1,
                            "the inventory stayed open")
            game.press("c")
            self.assertLess(changed(playing, game.frame(), window_area), 0.1, "the characteristics stayed open")
            keep_picture(inventory, "inventory.png", centred(820, 650))
            keep_picture(characteristics, "characteristics.png", centred(400, 240))

            # The escape menu (focus on Back), Options (Down), each option screen and back; the first key button
            # captured, then cancelled with Ctrl+C, and Up to Cancel.
            screens = []
            for name, keys in [("escape", ["Escape"]), ("options", ["Down", "Return"]), ("sound", ["Return"]),
                               ("video", ["Escape", "Down", "Return"]),
                               ("inputs", ["Escape", "Down", "Down", "Return"]), ("inputs-capture", ["Down", "Return"]),
                               ("options again", ["ctrl+c", "Up", "Return"]), ("escape again", ["Escape"])]:
                if keys[0] == "ctrl+c":
                    game.key(keys.pop(0))
                game.press(*keys)
                # No F12 while a key is captured: it could be the key.
                screens.append((name, game.shot_until(lambda s: changed(screens[-1][1], s, CENTRE) > 0.02, name)
                                if name == "inputs-capture" else game.frame()))
            game.press("Escape")
            self.assertLess(changed(playing, game.frame(), CENTRE), 0.15, "the menu did not close")

            for name, picture in screens:
                self.assertGreater(changed(playing, picture, CENTRE), 0.25, f"no menu on screen at {name}")
            for (name_a, a), (name_b, b) in zip(screens, screens[1:]):
                self.assertGreater(changed(a, b, CENTRE), 0.02, f"{name_a} and {name_b} look the same")
            for name, picture in screens[:6]:
                keep_picture(picture, f"menu-{name}.png", MENU)
            self.assertEqual(game.read("Config.ini"), config)

            # Quit Game, then the dialog, which opens on Cancel: Exit To Desktop is just before it.
            game.press("Escape", "Up", "Return")
            keep_picture(game.frame(), "menu-quit.png", MENU)
            game.quit(self, press=lambda game: game.press("Left", "Return"))
            self.assertEqual(game.read("Config.ini"), config)


class Snow(unittest.TestCase):
    def test_at_the_narrowest_size_the_start_says_the_goal_over_snow_and_a_pine_hides_the_hero_but_his_outline(self):
        # The hero behind a snow pine in the northern snowfield, the camera centred on him.
        with Game(screen=(800, 600), prepare=world(800, 600, 32, hero=(1380, 425))) as game:
            game.started()
            top, hero = (800, 80, 0, 0), (64, 64, 368, 268)
            # Screenshots: an F12 frame would put its own message on the status line.
            shot = game.shot_until(lambda s: pixels_of(s, top, "#ff9696") > 300 and pixels_of(s, hero, "#fbf236") > 20,
                                   "the status line's goal and keys, the hero's outline in the pine")
            keep_picture(shot, "hud-snow.png")
            zoom = shot + ".zoom.png"
            subprocess.run(["convert", crop(shot, (128, 112, 336, 236)), "-scale", "300%", zoom], check=True, timeout=60)
            keep_picture(zoom, "outline.png")
            game.quit(self)


class Options(unittest.TestCase):
    def test_sound_and_a_rebound_key_are_written_read_again_after_a_restart_and_the_new_key_moves_the_hero(self):
        with Game(prepare=world(PAUSE_ANIM_TIME=1000), env={"VARNHOLT_SEED": "7"}) as game:
            game.started()
            game.press("Escape", "Down", "Return", "Return")
            game.frame()
            # The effects slider, first row of the sound screen: the screen is centred and 193 pixels high, its
            # rows 20 apart; the middle of the screen falls inside every slider.
            game._xdotool("mousemove", "--sync", str(WIDTH // 2), str((HEIGHT - 193) // 2 + 16 + 21))
            game._xdotool("click", "1")
            # Cancel has the focus; Down twice reaches the music box, Space unticks it, Up thrice is OK.
            game.press("Down", "Down", "space", "Up", "Up", "Up", "Return")
            config = saved(game, "ENABLE_MUSIC_SOUNDS = 0")
            self.assertTrue(5 <= int(setting(config, "SFXS_VOLUME")) <= 50, setting(config, "SFXS_VOLUME"))
            self.assertEqual(setting(config, "ENABLE_ALL_SOUNDS"), "1")
            # Back on the options screen, Inputs; from Cancel, seven steps down is the first key of Right; D goes
            # there; Up eight times is OK.
            game.press("Down", "Down", "Return", *["Down"] * 7, "Return", "d", *["Up"] * 8, "Return")
            config = saved(game, "RIGHT_1 = KD")
            self.assertEqual(setting(config, "RIGHT_2"), "KRIGHT")
            self.assertEqual(setting(config, "ENABLE_MUSIC_SOUNDS"), "0")
            self.assertEqual(setting(config, "UP_1"), "KW")
            game.press("Escape", "Escape")
            game.quit(self)

            # Read at the next start: OK on the sound screen without a change writes the same file again.
            game.started()
            self.assertEqual(game.read("Config.ini"), config)
            os.utime(game.path("Config.ini"), (0, 0))
            game.press("Escape", "Down", "Return", "Return", "Up", "Return")
            wait_for(lambda: os.stat(game.path("Config.ini")).st_mtime > 0, what="Config.ini written")
            self.assertEqual(game.read("Config.ini"), config)
            game.press("Escape", "Escape")

            # The first step comes with the first frame after a key goes down: E no longer moves him, D does.
            before = game.frame()
            with game.holding("e"):
                with_e = game.frame()
            with game.holding("d"):
                with_d = game.frame()
            self.assertEqual(scrolled(before, with_e), (0, 0), "the old key still moves the hero")
            self.assertLess(scrolled(with_e, with_d)[0], 0, "the new key does not move the hero right")
            game.quit(self)


class Map(unittest.TestCase):
    def test_tab_shows_and_hides_the_map_and_a_killed_monsters_mark_goes(self):
        # One monster of each kind, each in its own ground, far apart; the autopilot hunts one of them.
        prepare = world(characters=FRAIL_MONSTERS, INITIAL_MONSTERS=1, MAX_MONSTERS_SIMULTANEOUSLY=1,
                        MONSTERS_GENERATION_INTERVAL=3600000)
        with Game(prepare=prepare, env=SEED) as game:
            game.start("varnholt-autoplay", "--seconds", "900")
            game.wait_log(STARTED)
            field = game.frame()
            game.press("Tab")
            game.wait_log("Map shown")
            shown = game.frame()
            self.assertGreater(changed(field, shown, MAP), 0.8, "no map")
            self.assertEqual(marks(shown), [MARK, MARK])
            game.press("Tab")
            game.wait_log("Map hidden")
            self.assertGreater(changed(shown, game.frame(), MAP), 0.8, "the map stayed")

            # The first kill changes the counters; by then only the other monster's mark is left, whole: the
            # dead one's is not hiding under the hero's.
            game.press("Tab")
            game.wait_log("Map shown", count=2)
            game.frame_until(lambda shot: differing_pixels(shown, COUNTERS, shot, COUNTERS) > 10 and
                             marks(shot) == [MARK], "one monster's mark after the first kill", timeout=300)
            # The bot ends with 1 when it has not won.
            game.key("alt+F4")
            game.wait_exit()
            game.ended_cleanly(self)


class Endings(unittest.TestCase):
    def test_victory_takes_a_name_appends_one_line_then_the_credits_end_the_game(self):
        with Game(prepare=world(INITIAL_MONSTERS=0, MAX_MONSTERS_SIMULTANEOUSLY=0)) as game:
            with open(game.path("Best_Times.txt"), "w") as f:
                f.write("Earlier Killed 3 Monsters in: 2mn 5s\n")
            began = time.monotonic()
            # Without monsters the game is won at the first check, a second after the start.
            victory = game.started().frame_until(victory_window, "the victory window")
            seen = time.monotonic() - began
            game.type_text("Tester")
            keep_picture(game.frame(), "victory.png", centred(520, 420))
            game.press("Return")
            lines = wait_for(lambda: game.read("Best_Times.txt").count("\n") == 2 and game.read("Best_Times.txt"),
                             what="the best-times line")
            won = re.fullmatch(r"Earlier Killed 3 Monsters in: 2mn 5s\nTester Killed 0 Monsters in: (\d+)s\n", lines)
            self.assertTrue(won, lines)
            # The time it was won in, not the time the name was confirmed.
            self.assertLessEqual(int(won.group(1)), seen)
            credits = game.frame()
            keep_picture(credits, "credits.png", centred(760, 660))
            self.assertGreater(changed(victory, credits, CENTRE), 0.1)
            game.quit(self, press=lambda game: game.press("Return"))
            self.assertEqual(game.read("Best_Times.txt"), lines)

    def test_the_heros_death_shows_the_skull_and_return_leads_to_the_credits(self):
        # A hero of one life point, and beside him the guard, who hates him for once.
        prepare = world(characters={"c_Player.xml": {"Life": 1}, "c_NPC_Guard_w_OneH_Sword.xml": {
            "Initial_X": 1630, "Initial_Y": 2048, "Attitude_Vs_PB": "Aggressive"}})
        with Game(prepare=prepare, env={"VARNHOLT_SEED": "3"}) as game:
            # The middle of the skull, clear of the colour key.
            skull = game.path("Data/Interface/DeathHead.png")
            dead = game.started().frame_until(lambda f: differing_pixels(
                f, (60, 40, (WIDTH - 260) // 2 + 100, (HEIGHT - 230) // 2 + 60), skull, (60, 40, 100, 60)) < 20,
                "the death picture")
            keep_picture(dead, "death.png", centred(400, 340))
            game.press("Return")
            self.assertGreater(changed(dead, game.frame(), CENTRE), 0.1, "no credits")
            game.quit(self, press=lambda game: game.press("Return"))
            self.assertNotIn("Best_Times.txt", os.listdir(game.folder))


if __name__ == "__main__":
    unittest.main(verbosity=2)
