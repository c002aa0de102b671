"""The interface under the player's hands: every menu screen, the options written to Config.ini and read
again, a rebound key, the inventory and characteristics windows, the victory with its best-times line,
the death picture and the credits.

With VARNHOLT_PICTURES set to a folder, the tests leave there the README's pictures of the interface
(scripts/pictures-interface)."""

import os
import re
import sys
import time
import unittest

sys.path.insert(0, os.path.dirname(__file__))
from harness import Game, differing_pixels, keep_picture, wait_for  # noqa: E402
from test_startup import windowed_config  # noqa: E402

WIDTH, HEIGHT = 1024, 768
PAUSE = 0.15
CLEAN_UP = ["-> Game Mainloop Stopped <-", "GUI DESTRUCTED Successfully ",
            "-> Timers Stopped, Clean Up Successful <-"]
# The centre of the screen, where every menu window opens.
CENTRE = (240, 140, WIDTH // 2 - 120, HEIGHT // 2 - 70)
# A stretch of ground clear of the hero, the HUD and the menus: it moves only when the field scrolls.
GROUND = (220, 160, 40, 560)


def world(**dev_config):
    """A windowed 1024 x 768 game; Dev_Config keys given here replace the shipped values."""
    def prepare(folder):
        windowed_config(folder, WIDTH, HEIGHT)
        path = os.path.join(folder, "Config", "Dev_Config.ini")
        with open(path) as f:
            text = f.read()
        for key, value in dev_config.items():
            text, found = re.subn(rf"^{key} = .*$", f"{key} = {value}", text, flags=re.M)
            if not found:
                text += f"{key} = {value}\n"
        with open(path, "w") as f:
            f.write(text)
    return prepare


def described(prepare, character, **values):
    """prepare, then a character's description file (c_Player.xml...) with these values."""
    def both(folder):
        prepare(folder)
        path = os.path.join(folder, "Data", "Characters", character)
        with open(path) as f:
            text = f.read()
        for key, value in values.items():
            text, found = re.subn(rf"<{key}>[^<]*</{key}>", f"<{key}>{value}</{key}>", text, count=1)
            assert found, f"{key} not in {character}"
        with open(path, "w") as f:
            f.write(text)
    return both


def started(game, settle=1.0):
    # A second start must not find the first one's entries.
    if os.path.exists(game.path("Varnholt.log")):
        os.remove(game.path("Varnholt.log"))
    game.start()
    game.wait_log("-> Starting Game Mainloop & Timers <-", timeout=60)
    time.sleep(settle)
    return game


def press(game, *keys):
    """Each key pressed and let go, as a player would, a little apart."""
    for key in keys:
        game.key(key)
        time.sleep(PAUSE)


def click(game, x, y):
    """A real click (XTEST) at (x, y) of the game's window, which sits at the screen's corner."""
    game._xdotool("mousemove", "--sync", str(x), str(y))
    time.sleep(PAUSE)
    game._xdotool("click", "1")
    time.sleep(PAUSE)


def hold(game, key, seconds):
    window = str(game.window_id())
    game._xdotool("keydown", "--window", window, key)
    time.sleep(seconds)
    game._xdotool("keyup", "--window", window, key)
    time.sleep(0.5)


def shot(game, name):
    time.sleep(0.2)
    return game.screenshot(name)


def shot_until(game, name, condition, what, timeout=15):
    """Screenshots until one meets condition: a slow (sanitized) game draws a window some frames late."""
    shots = []
    wait_for(lambda: condition(shots.append(shot(game, name)) or shots[-1]), timeout, what=what)
    return shots[-1]


def changed(a, b, region, fuzz="6%"):
    """The share of the region's pixels that differ between two screenshots."""
    w, h, _, _ = region
    return differing_pixels(a, region, b, region, fuzz) / float(w * h)


def menu_region(margin=60):
    """The middle of the screen, where the menus open, with some field around them."""
    w, h = 440 + 2 * margin, 380 + margin
    return (w, h, (WIDTH - w) // 2, (HEIGHT - h) // 2)


def setting(text, key):
    match = re.search(rf"^{key} = (.*)$", text, flags=re.M)
    return match.group(1) if match else None


def quit_by_the_menu(test, game):
    """Escape, Quit Game, Exit To Dekstop; the game ends with 0 and cleans up."""
    press(game, "Escape", "Up", "Return")
    quit_dialog = shot(game, "quit.png")
    keep_picture(quit_dialog, "menu-quit.png", menu_region())
    # The dialog opens on Cancel; Exit To Dekstop is just before it.
    press(game, "Left", "Return")
    test.assertEqual(game.wait_exit(20), 0)
    log = game.game_log()
    for entry in CLEAN_UP:
        test.assertIn(f"\nVarnholt : {entry}\n", log)
    return quit_dialog


class Menus(unittest.TestCase):
    def test_every_screen_left_without_saving_keeps_config_then_exit_to_desktop(self):
        with Game(prepare=world()) as game:
            started(game)
            config = game.read("Config.ini")
            playing = shot(game, "playing.png")
            keep_picture(playing, "hud.png")

            screens = []
            # Escape menu (focus on Back), Options (Down to Options), then each option screen and back.
            press(game, "Escape")
            screens.append(("escape", shot(game, "escape.png")))
            press(game, "Down", "Return")
            screens.append(("options", shot(game, "options.png")))
            press(game, "Return")
            screens.append(("sound", shot(game, "sound.png")))
            press(game, "Escape", "Down", "Return")
            screens.append(("video", shot(game, "video.png")))
            press(game, "Escape", "Down", "Down", "Return")
            screens.append(("inputs", shot(game, "inputs.png")))
            # The first key button, captured then cancelled with Ctrl+C; Up goes to Cancel.
            press(game, "Down", "Return")
            screens.append(("capture", shot(game, "capture.png")))
            press(game, "ctrl+c", "Up", "Return")
            screens.append(("options again", shot(game, "options-again.png")))
            press(game, "Escape")
            screens.append(("escape again", shot(game, "escape-again.png")))
            press(game, "Escape")
            closed = shot(game, "closed.png")

            for name, picture in screens:
                self.assertGreater(changed(playing, picture, CENTRE), 0.25, f"no menu on screen at {name}")
            for (name_a, a), (name_b, b) in zip(screens, screens[1:]):
                self.assertGreater(changed(a, b, CENTRE), 0.02, f"{name_a} and {name_b} look the same")
            self.assertLess(changed(playing, closed, CENTRE), 0.15, "the menu did not close")
            for name, picture in screens[:5]:
                keep_picture(picture, f"menu-{name}.png", menu_region())
            keep_picture(screens[5][1], "menu-inputs-capture.png", menu_region())

            self.assertEqual(game.read("Config.ini"), config)
            quit_by_the_menu(self, game)
            self.assertEqual(game.read("Config.ini"), config)

    def test_sound_options_are_written_and_read_again_after_a_restart(self):
        with Game(prepare=world()) as game:
            started(game)
            press(game, "Escape", "Down", "Return", "Return")
            # The effects slider, first row of the sound screen: the screen is centred and 193 pixels
            # high, its rows 20 apart; the middle of the screen falls inside every slider.
            click(game, WIDTH // 2, (HEIGHT - 193) // 2 + 16 + 21)
            # Cancel has the focus; Down twice reaches the music box, Space unticks it, Up thrice is OK.
            press(game, "Down", "Down", "space", "Up", "Up", "Up", "Return")
            saved = wait_for(lambda: game.read("Config.ini") if "ENABLE_MUSIC_SOUNDS = 0" in game.read("Config.ini")
                             else None, 5, what="Config.ini with the music off")
            volume = int(setting(saved, "SFXS_VOLUME"))
            self.assertTrue(5 <= volume <= 50, volume)
            self.assertEqual(setting(saved, "ENABLE_ALL_SOUNDS"), "1")
            self.assertEqual(setting(saved, "UP_1"), "KW")
            press(game, "Escape", "Escape")
            game.key("alt+F4")
            self.assertEqual(game.wait_exit(20), 0)

            # Read at the next start: OK without a change writes the same file again.
            started(game)
            self.assertEqual(game.read("Config.ini"), saved)
            os.utime(game.path("Config.ini"), (0, 0))
            press(game, "Escape", "Down", "Return", "Return", "Up", "Return")
            wait_for(lambda: os.stat(game.path("Config.ini")).st_mtime > 0, 5, what="Config.ini written")
            self.assertEqual(game.read("Config.ini"), saved)
            press(game, "Escape", "Escape")
            game.key("alt+F4")
            self.assertEqual(game.wait_exit(20), 0)

    def test_a_rebound_movement_key_moves_the_hero_after_a_restart(self):
        with Game(prepare=world(), env={"VARNHOLT_SEED": "7"}) as game:
            started(game)
            press(game, "Escape", "Down", "Return", "Down", "Down", "Return")
            # From Cancel, seven steps down is the first key of Right; D goes there.
            press(game, *["Down"] * 7, "Return", "d", *["Up"] * 8, "Return")
            saved = wait_for(lambda: game.read("Config.ini") if "RIGHT_1 = KD" in game.read("Config.ini") else None,
                             5, what="Config.ini with RIGHT_1 = KD")
            self.assertEqual(setting(saved, "RIGHT_2"), "KRIGHT")
            press(game, "Escape", "Escape")
            game.key("alt+F4")
            self.assertEqual(game.wait_exit(20), 0)

            started(game)
            before = shot(game, "before.png")
            hold(game, "e", 1.2)
            after_e = shot(game, "after-e.png")
            hold(game, "d", 1.2)
            after_d = shot(game, "after-d.png")
            self.assertLess(changed(before, after_e, GROUND, "3%"), 0.1, "the old key still moves the hero")
            self.assertGreater(changed(after_e, after_d, GROUND, "3%"), 0.3, "the new key does not move the hero")
            game.key("alt+F4")
            self.assertEqual(game.wait_exit(20), 0)


class Windows(unittest.TestCase):
    def test_i_and_c_toggle_the_inventory_and_the_characteristics(self):
        with Game(prepare=world()) as game:
            started(game)
            window_area = (800, 600, (WIDTH - 800) // 2, (HEIGHT - 600) // 2)
            playing = shot(game, "playing.png")
            opened = lambda picture: changed(playing, picture, window_area) > 0.5
            shut = lambda picture: changed(playing, picture, window_area) < 0.1
            press(game, "i")
            inventory = shot_until(game, "inventory.png", opened, "the inventory")
            press(game, "i")
            shot_until(game, "closed.png", shut, "the inventory closed")
            # C closes the inventory and opens the characteristics, whose picture sits centred under
            # its title bar (a 304 x 154 window for the 300 x 136 picture).
            background = game.path("Data/Interface/Characteristics_Win_BG.png")
            left, top = (WIDTH - 304) // 2 + 2, (HEIGHT - 154) // 2 + 16
            shown = lambda picture: differing_pixels(picture, (80, 70, left + 4, top + 8), background,
                                                     (80, 70, 4, 8)) < 40
            press(game, "i", "c")
            characteristics = shot_until(game, "characteristics.png", shown, "the characteristics")
            self.assertLess(changed(playing, characteristics, (800, 40, window_area[2], window_area[3])), 0.1,
                            "the inventory stayed open")
            press(game, "c")
            shot_until(game, "closed-again.png", shut, "the characteristics closed")
            keep_picture(inventory, "inventory.png", (820, 650, (WIDTH - 820) // 2, (HEIGHT - 650) // 2))
            keep_picture(characteristics, "characteristics.png", (400, 240, (WIDTH - 400) // 2, (HEIGHT - 240) // 2))
            game.key("alt+F4")
            self.assertEqual(game.wait_exit(20), 0)


class Endings(unittest.TestCase):
    def test_victory_takes_a_name_appends_one_line_then_the_credits_end_the_game(self):
        # Without monsters the game is won at the first check, a second after the start.
        with Game(prepare=world(INITIAL_MONSTERS=0, MAX_MONSTERS_SIMULTANEOUSLY=0)) as game:
            with open(game.path("Best_Times.txt"), "w") as f:
                f.write("Earlier Killed 3 Monsters in: 2mn 5s\n")
            started(game, settle=2.5)
            victory = shot(game, "victory.png")
            game._xdotool("type", "--window", str(game.window_id()), "--delay", "80", "Tester")
            time.sleep(PAUSE)
            keep_picture(shot(game, "victory-named.png"), "victory.png", menu_region(40))
            press(game, "Return")
            lines = wait_for(lambda: game.read("Best_Times.txt").count("\n") == 2 and game.read("Best_Times.txt"),
                             5, what="the best-times line")
            self.assertRegex(lines, r"^Earlier Killed 3 Monsters in: 2mn 5s\nTester Killed 0 Monsters in: [0-3]s\n$")
            credits = shot(game, "credits.png")
            keep_picture(credits, "credits.png", (760, 600, (WIDTH - 760) // 2, (HEIGHT - 600) // 2))
            self.assertGreater(changed(victory, credits, CENTRE), 0.1)
            press(game, "Return")
            self.assertEqual(game.wait_exit(20), 0)
            self.assertEqual(game.read("Best_Times.txt"), lines)

    def test_without_credits_the_game_ends_with_1_naming_the_file(self):
        def no_credits(folder):
            world(INITIAL_MONSTERS=0, MAX_MONSTERS_SIMULTANEOUSLY=0)(folder)
            os.remove(os.path.join(folder, "Credits.txt"))

        with Game(prepare=no_credits) as game:
            started(game, settle=2.5)
            press(game, "Return")
            self.assertEqual(game.wait_exit(40), 1)
            self.assertIn("Error In GUI::Show_Credits(): Can't Read Credits.txt File", game.game_log())
            self.assertEqual(game.read("Best_Times.txt").count("\n"), 1, "the result was written first")

    def test_the_heros_death_shows_the_skull_and_return_leads_to_the_credits(self):
        # A hero of one life point, and beside him the guard, who hates him for once.
        prepare = described(described(world(), "c_Player.xml", Life=1),
                            "c_NPC_Guard_w_OneH_Sword.xml", Initial_X=1630, Initial_Y=2048, Attitude_Vs_PB="Aggressive")
        skull = None
        with Game(prepare=prepare, env={"VARNHOLT_SEED": "3"}) as game:
            started(game)
            picture = game.path("Data/Interface/DeathHead.png")
            # The middle of the skull, clear of the colour key.
            inside = (60, 40, 100, 60)

            def dead():
                nonlocal skull
                skull = game.screenshot("dead.png")
                w, h, x, y = inside
                at = (w, h, (WIDTH - 260) // 2 + x, (HEIGHT - 230) // 2 + y)
                return differing_pixels(skull, at, picture, inside) < 20

            wait_for(dead, 120, interval=1.0, what="the death picture")
            keep_picture(skull, "death.png", (400, 340, (WIDTH - 400) // 2, (HEIGHT - 340) // 2))
            press(game, "Return")
            credits = shot(game, "credits.png")
            self.assertGreater(changed(skull, credits, CENTRE), 0.1)
            press(game, "Return")
            self.assertEqual(game.wait_exit(20), 0)
            self.assertNotIn("Best_Times.txt", os.listdir(game.folder))


if __name__ == "__main__":
    unittest.main(verbosity=2)
