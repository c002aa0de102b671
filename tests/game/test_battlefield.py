"""The battlefield on screen: the shipped map around the player's start, window resizes, a broken map."""

import os
import re
import subprocess
import sys
import time
import unittest
import xml.etree.ElementTree as ET

sys.path.insert(0, os.path.dirname(__file__))
from harness import Game, image_size, unique_colours  # noqa: E402
from test_startup import default_config  # noqa: E402


def windowed_config(width, height, bpp):
    def prepare(folder):
        text = default_config(width, height).replace("FULLSCREEN = 1", "FULLSCREEN = 0")
        with open(os.path.join(folder, "Config.ini"), "w") as f:
            f.write(text.replace("SCREEN_BPP = 16", f"SCREEN_BPP = {bpp}"))
        townsfolk_out_of_sight(folder)
    return prepare


def townsfolk_out_of_sight(folder):
    """Sends the merchant and the guard to the field's far corner, standing, so
    the village square shows the map alone."""
    for name, x in (("c_NPC_Merchant.xml", 3000), ("c_NPC_Guard_w_OneH_Sword.xml", 3100)):
        path = os.path.join(folder, "Data", "Characters", name)
        with open(path) as f:
            text = f.read()
        text = re.sub(r"<Initial_X>\d+</Initial_X>", f"<Initial_X>{x}</Initial_X>", text)
        text = re.sub(r"<Initial_Y>\d+</Initial_Y>", "<Initial_Y>3900</Initial_Y>", text)
        text = re.sub(r"<Allowed_Area>.*?</Allowed_Area>", "", text, flags=re.S)
        text = text.replace("<Default_Attitude>Guard</Default_Attitude>", "<Default_Attitude>Passive</Default_Attitude>")
        with open(path, "w") as f:
            f.write(text)


def text_of(root, name, default=None):
    node = root.find(f".//{name}")
    return node.text.strip() if node is not None and node.text else default


class Map:
    """The shipped battlefield as its files describe it, read independently of the game."""

    def __init__(self, folder):
        self.folder = folder
        with open(os.path.join(folder, "Config", "Dev_Config.ini")) as f:
            config = f.read()
        bf_file = [line.split("=", 1)[1].strip() for line in config.splitlines() if line.startswith("BF_Map")][0]
        root = ET.parse(self.path(bf_file)).getroot()
        self.width = int(text_of(root, "BF_Width"))
        self.height = int(text_of(root, "BF_Height"))
        self.default_id = int(text_of(root, "BF_Default_BG_Id"))
        mapping = ET.parse(self.path(text_of(root, "Mapping_File"))).getroot()
        self.sprites = {}
        for layer, section in (("Background", "BF_BG_Sprite_Mapping"), ("Environment", "BF_Env_Sprite_Mapping")):
            self.sprites[layer] = self.read_mapping(mapping, section)
        self.layers = {}
        for layer in ("Background", "Environment"):
            placed = []
            for order, el in enumerate(root.find(layer).findall(f"{layer}_Sprite")):
                value = lambda suffix: int(text_of(el, f"{layer}_Sprite_{suffix}", "0"))
                placed.append((value("X"), value("Y"), order, value("Id"), value("SubType"), value("Orientation")))
            # Drawn by X, then Y, then file order.
            self.layers[layer] = sorted(placed)
        player = ET.parse(self.path("Data/Characters/c_Player.xml")).getroot()
        self.start = (int(text_of(player, "Initial_X")), int(text_of(player, "Initial_Y")))
        self.player_size = (int(text_of(player, "Default_Sprite_Width")), int(text_of(player, "Default_Sprite_Height")))

    def path(self, relative):
        return os.path.join(self.folder, relative)

    def read_mapping(self, mapping, section):
        node = mapping.find(section)
        sprites = {}
        if node is None:
            return sprites
        folder = text_of(node, f"{section}_File_Default_Folder")
        for el in node.findall(f"{section}_El"):
            description = folder + text_of(el, f"{section}_File")
            s = ET.parse(self.path(description)).getroot()
            keyed = s.find("TS_ColorKey_RGB") is not None
            key = tuple(int(text_of(s, c)) for c in ("ColorKey_R", "ColorKey_G", "ColorKey_B")) if keyed else None
            sprites[int(text_of(el, f"{section}_Id"))] = {
                "file": self.path(os.path.dirname(description) + "/" + text_of(s, "Tileset_File")),
                "w": int(text_of(s, "Display_Width")), "h": int(text_of(s, "Display_Height")), "key": key}
        return sprites

    def hero_and_bars(self, width, height):
        """What the game draws over the map, as (w, h, x, y) areas: the hero's frame, his bars,
        the monster counters at the top right."""
        cx, cy = self.camera(width, height)
        bars = ET.parse(self.path("Data/Interface/Player_Characteristics_Bars_TS.xml")).getroot()
        bars_w, bars_h = int(text_of(bars, "Bars_Width")), int(text_of(bars, "Bars_Height"))
        return [(*self.player_size, self.start[0] - cx, self.start[1] - cy), (bars_w, 3 * bars_h, 0, 0),
                (420, 40, width - 420, 0)]

    def camera(self, width, height):
        """The screen-sized view centred on the player's start, kept inside the field."""
        x, y = self.start
        cx = min(max(x + self.player_size[0] // 2 - width // 2, 0), self.width - width)
        cy = min(max(y + self.player_size[1] // 2 - height // 2, 0), self.height - height)
        return cx, cy

    def reference(self, width, height, out):
        """Draws with ImageMagick what the game should show: default ground, ground layer, scenery."""
        cx, cy = self.camera(width, height)
        args = ["convert", "-size", f"{width}x{height}", "xc:black"]
        registered = {}

        def image(layer, sprite_id):
            sprite = self.sprites[layer][sprite_id]
            name = f"mpr:{layer[0]}{sprite_id}"
            if name not in registered:
                registered[name] = True
                load = ["(", sprite["file"]]
                if sprite["key"]:
                    load += ["-transparent", "#%02x%02x%02x" % sprite["key"]]
                args.extend(load + ["-write", name, "+delete", ")"])
            return name, sprite

        name, ground = image("Background", self.default_id)
        for y in range(-(cy % ground["h"]), height + 1, ground["h"]):
            for x in range(-(cx % ground["w"]), width + 1, ground["w"]):
                args.extend([name, "-geometry", f"{x:+d}{y:+d}", "-composite"])
        for layer in ("Background", "Environment"):
            for x, y, _, sprite_id, subtype, orientation in self.layers[layer]:
                name, s = image(layer, sprite_id)
                if x + s["w"] < cx or y + s["h"] < cy or x > cx + width or y > cy + height:
                    continue
                crop = f"{s['w']}x{s['h']}+{orientation * s['w']}+{subtype * s['h']}"
                args.extend(["(", name, "-crop", crop, "+repage", ")",
                             "-geometry", f"{x - cx:+d}{y - cy:+d}", "-composite"])
        args.append(out)
        subprocess.run(args, check=True, timeout=120, capture_output=True)
        return out


def different_pixels(shot, reference, width, height, fuzz, masks=()):
    """Pixels of the screenshot's top-left width x height further than fuzz from the reference,
    outside the masks (w, h, x, y)."""
    cropped = shot + ".crop.png"
    covers = []
    for w, h, x, y in masks:
        covers += ["-draw", f"rectangle {x},{y} {x + w - 1},{y + h - 1}"]
    subprocess.run(["convert", shot, "-crop", f"{width}x{height}+0+0", "+repage", "-fill", "black", *covers,
                    cropped], check=True, timeout=30, capture_output=True)
    if masks:
        masked = reference + ".masked.png"
        subprocess.run(["convert", reference, "-fill", "black", *covers, masked],
                       check=True, timeout=30, capture_output=True)
        reference = masked
    r = subprocess.run(["compare", "-metric", "AE", "-fuzz", fuzz, cropped, reference, "null:"],
                       capture_output=True, text=True, timeout=60)
    return int(float(r.stderr.split()[0]))


# The scenery's shadow pixels carry an alpha of 254 in their files, which the
# reference blends and the game, drawing keyed tilesets by their key alone,
# does not: one level of difference.
FULL_DEPTH = "1%"
# Five or six bits a channel.
SIXTEEN_BITS = "3%"


class ShippedMap(unittest.TestCase):
    def test_the_map_around_the_start_then_a_resize(self):
        with Game(screen=(1280, 1024), prepare=windowed_config(1024, 768, 32)) as game:
            game.start()
            game.wait_log("-> Starting Game Mainloop & Timers <-", timeout=60)
            field = Map(game.folder)
            time.sleep(1.5)

            shot = game.screenshot("start.png")
            # The art keeps to one small palette; a blank or logo screen has a handful of colours.
            self.assertGreater(unique_colours(shot, (1024, 768, 0, 0)), 16, "not the map: too few colours")
            reference = field.reference(1024, 768, os.path.join(game.dir, "reference-start.png"))
            self.assertEqual(different_pixels(shot, reference, 1024, 768, FULL_DEPTH,
                                              field.hero_and_bars(1024, 768)), 0,
                             f"screen differs from the map drawn from its files ({shot}, {reference})")

            game.resize_window(1200, 900)
            game.wait_log("Resize : OK ", timeout=20)
            time.sleep(1.5)
            shot = game.screenshot("resized.png")
            self.assertEqual(image_size(shot), (1280, 1024))
            # The window's new bottom-right corner is drawn too, and what is drawn is the map.
            self.assertGreater(unique_colours(shot, (100, 100, 1100, 800)), 8, "new area left blank")
            reference = field.reference(1200, 900, os.path.join(game.dir, "reference-resized.png"))
            self.assertEqual(different_pixels(shot, reference, 1200, 900, FULL_DEPTH,
                                              field.hero_and_bars(1200, 900)), 0,
                             f"resized screen differs from the map ({shot}, {reference})")

            self.assertEqual(game.close_and_wait(20), 0)
            log = game.game_log()
            for entry in ["Engine CONSTRUCTED Successfully ", "Resize : OK ", "Engine DESTRUCTED Successfully ",
                          "-> Timers Stopped, Clean Up Successful <-"]:
                self.assertIn(f"\nVarnholt : {entry}\n", log)

    def test_on_a_16_bit_screen_the_picture_is_the_same_within_its_precision(self):
        with Game(prepare=windowed_config(800, 600, 16)) as game:
            game.start()
            game.wait_log("-> Starting Game Mainloop & Timers <-", timeout=60)
            field = Map(game.folder)
            time.sleep(1.5)
            shot = game.screenshot()
            reference = field.reference(800, 600, os.path.join(game.dir, "reference.png"))
            self.assertEqual(different_pixels(shot, reference, 800, 600, SIXTEEN_BITS,
                                              field.hero_and_bars(800, 600)), 0, f"{shot} vs {reference}")
            self.assertEqual(game.close_and_wait(20), 0)


class BrokenMap(unittest.TestCase):
    def test_a_missing_mapping_file_stops_the_start_naming_it(self):
        def remove_mapping(folder):
            windowed_config(800, 600, 32)(folder)
            os.remove(os.path.join(folder, "Data", "Battlefield", "Varnholt_BF_Mapping.xml"))

        with Game(prepare=remove_mapping) as game:
            game.start()
            self.assertEqual(game.wait_exit(30), 1)
            log = game.game_log()
            self.assertIn("From BattleField Constructor, From BattleField::Fill_BF_Mapping(), ", log)
            self.assertIn("Varnholt_BF_Mapping.xml", log)


if __name__ == "__main__":
    unittest.main(verbosity=2)
