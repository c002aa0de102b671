"""The battlefield on screen: the shipped map around the player's start against a picture drawn from its files,
at full and 16-bit depth, and after a window resize."""

import os
import re
import subprocess
import sys
import unittest
import xml.etree.ElementTree as ET

sys.path.insert(0, os.path.dirname(__file__))
from harness import Game, world  # noqa: E402


# The merchant and the guard stand in the field's far corner, so the village square shows the map alone.
TOWNSFOLK_AWAY = {"c_NPC_Merchant.xml": {"Initial_X": 3000, "Initial_Y": 3900, "Allowed_Area": None},
                  "c_NPC_Guard_w_OneH_Sword.xml": {"Initial_X": 3100, "Initial_Y": 3900, "Allowed_Area": None,
                                                   "Default_Attitude": "Passive"}}


def text_of(root, name, default=None):
    node = root.find(f".//{name}")
    return node.text.strip() if node is not None and node.text else default


class Map:
    """The shipped battlefield as its files describe it, read independently of the game."""

    def __init__(self, folder):
        self.folder = folder
        with open(os.path.join(folder, "Config", "Dev_Config.ini")) as f:
            bf_file = re.search(r"(?m)^BF_Map = (.*)$", f.read()).group(1).strip()
        root = ET.parse(self.path(bf_file)).getroot()
        self.width, self.height = int(text_of(root, "BF_Width")), int(text_of(root, "BF_Height"))
        self.default_id = int(text_of(root, "BF_Default_BG_Id"))
        mapping = ET.parse(self.path(text_of(root, "Mapping_File"))).getroot()
        self.sprites = {"Background": self.read_mapping(mapping, "BF_BG_Sprite_Mapping"),
                        "Environment": self.read_mapping(mapping, "BF_Env_Sprite_Mapping")}
        self.layers = {}
        for layer in ("Background", "Environment"):
            value = lambda el, suffix: int(text_of(el, f"{layer}_Sprite_{suffix}", "0"))
            # Drawn by X, then Y, then file order.
            self.layers[layer] = sorted((value(el, "X"), value(el, "Y"), order, value(el, "Id"), value(el, "SubType"),
                                         value(el, "Orientation"))
                                        for order, el in enumerate(root.find(layer).findall(f"{layer}_Sprite")))
        player = ET.parse(self.path("Data/Characters/c_Player.xml")).getroot()
        self.start = (int(text_of(player, "Initial_X")), int(text_of(player, "Initial_Y")))
        self.player_size = (int(text_of(player, "Default_Sprite_Width")), int(text_of(player, "Default_Sprite_Height")))

    def path(self, relative):
        return os.path.join(self.folder, relative)

    def read_mapping(self, mapping, section):
        node, sprites = mapping.find(section), {}
        for el in node.findall(f"{section}_El") if node is not None else []:
            description = text_of(node, f"{section}_File_Default_Folder") + text_of(el, f"{section}_File")
            s = ET.parse(self.path(description)).getroot()
            key = tuple(int(text_of(s, c)) for c in ("ColorKey_R", "ColorKey_G", "ColorKey_B")) \
                if s.find("TS_ColorKey_RGB") is not None else None
            sprites[int(text_of(el, f"{section}_Id"))] = {
                "file": self.path(os.path.dirname(description) + "/" + text_of(s, "Tileset_File")),
                "w": int(text_of(s, "Display_Width")), "h": int(text_of(s, "Display_Height")), "key": key}
        return sprites

    def hero_and_bars(self, width, height):
        """What the game draws over the map, blacked out: the hero's frame, his bars, the monster counters at
        the top right."""
        cx, cy = self.camera(width, height)
        bars = ET.parse(self.path("Data/Interface/Player_Characteristics_Bars_TS.xml")).getroot()
        bars_w, bars_h = int(text_of(bars, "Bars_Width")), int(text_of(bars, "Bars_Height"))
        covers = ["-fill", "black"]
        for w, h, x, y in [(*self.player_size, self.start[0] - cx, self.start[1] - cy), (bars_w, 3 * bars_h, 0, 0),
                           (420, 40, width - 420, 0)]:
            covers += ["-draw", f"rectangle {x},{y} {x + w - 1},{y + h - 1}"]
        return covers

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
        registered = set()

        def image(layer, sprite_id):
            sprite = self.sprites[layer][sprite_id]
            name = f"mpr:{layer[0]}{sprite_id}"
            if name not in registered:
                registered.add(name)
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
        subprocess.run(args + self.hero_and_bars(width, height) + [out], check=True, timeout=120, capture_output=True)
        return out


def different_pixels(shot, reference, width, height, fuzz, covers):
    """Pixels of the screenshot's top-left width x height, covered as the reference is, further than fuzz
    from the reference."""
    subprocess.run(["convert", shot, "-crop", f"{width}x{height}+0+0", "+repage", *covers, shot + ".covered.png"],
                   check=True, timeout=60, capture_output=True)
    r = subprocess.run(["compare", "-metric", "AE", "-fuzz", fuzz, shot + ".covered.png", reference, "null:"],
                       capture_output=True, text=True, timeout=60)
    return int(float(r.stderr.split()[0]))


# The scenery's shadow pixels carry an alpha of 254 in their files, which the reference blends and the game,
# drawing keyed tilesets by their key alone, does not: one level of difference.
FULL_DEPTH = "1%"
# Five or six bits a channel.
SIXTEEN_BITS = "3%"


class ShippedMap(unittest.TestCase):
    def test_the_map_around_the_start_is_drawn_as_its_files_describe_it_at_both_depths_and_after_a_resize(self):
        # X screen, window, depth, precision, the window's size after a resize.
        for screen, (width, height), bpp, fuzz, resized in [((1280, 1024), (1024, 768), 32, FULL_DEPTH, (1200, 900)),
                                                            ((1024, 768), (800, 600), 16, SIXTEEN_BITS, None)]:
            # The start's hint on the status line passes quickly.
            with self.subTest(bpp=bpp), Game(screen=screen, prepare=world(width, height, bpp, characters=TOWNSFOLK_AWAY,
                                                                          RESET_STATUS_MSG_INTERVAL=300)) as game:
                game.started()
                field = Map(game.folder)
                for w, h in [(width, height)] + ([resized] if resized else []):
                    if (w, h) != (width, height):
                        game._xdotool("windowsize", str(game.window_id()), str(w), str(h))
                        game.wait_log("Resize : OK ")
                    reference = field.reference(w, h, os.path.join(game.dir, f"reference-{w}.png"))
                    covers = field.hero_and_bars(w, h)
                    game.shot_until(lambda shot: different_pixels(shot, reference, w, h, fuzz, covers) == 0,
                                    f"the map as its files draw it at {w} x {h}")
                self.assertEqual(game.close_and_wait(), 0)
                game.ended_cleanly(self)


if __name__ == "__main__":
    unittest.main(verbosity=2)
