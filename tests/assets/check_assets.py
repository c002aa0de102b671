#!/usr/bin/env python3
"""Checks over the game data written by assetgen into the game folder.

Usage: check_assets.py CHECK --game DIR --generator EXE --xmllint EXE
"""
import argparse
import filecmp
import os
import struct
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET
from collections import deque

ZONES = [  # x, y, w, h, allowed Character_IDs
    (0, 0, 1200, 1200, {3}),
    (2000, 2496, 1328, 1600, {2}),
    (0, 2992, 512, 1104, {3, 2}),
    (2096, 0, 640, 640, {3, 2}),
]
# Ground types each kind may stand on; everything else blocks it.
GROUND_OK = {
    "player": {"Grass", "Earth", "Sand", "River", "Way", "Bridge", "Snow"},
    "skeleton": {"Grass", "Earth", "River", "Way", "Bridge", "Snow"},
    "worm": {"Grass", "Earth", "Sand", "Way", "Bridge"},
}
GROUND_OK["npc"] = GROUND_OK["player"]
ENV_OK = {"Small_Vegetal", "Small_Mineral"}
MONSTER_FILES = {3: "Data/Characters/c_Monster_Skeleton.xml", 2: "Data/Characters/c_Monster_Worm.xml"}
MONSTER_RULES = {3: "skeleton", 2: "worm"}


class Failure(Exception):
    pass


def png_size(path):
    with open(path, "rb") as f:
        head = f.read(24)
    if head[:8] != b"\x89PNG\r\n\x1a\n":
        raise Failure(f"{path}: not a PNG file")
    return struct.unpack(">II", head[16:24])


def text(root, name):
    node = root.find(f".//{name}")
    return None if node is None else (node.text or "").strip()


def load(game, rel):
    path = os.path.join(game, rel)
    if not os.path.isfile(path):
        raise Failure(f"missing file {rel}")
    return ET.parse(path).getroot()


def bf_map_path(game):
    with open(os.path.join(game, "Config", "Dev_Config.ini")) as f:
        for line in f:
            if "#" not in line and line.startswith("BF_Map"):
                return line.split("=", 1)[1].strip()
    raise Failure("BF_Map not set in Config/Dev_Config.ini")


def all_xml(game):
    out = []
    for base, _, files in os.walk(os.path.join(game, "Data")):
        out += [os.path.relpath(os.path.join(base, f), game) for f in files if f.endswith(".xml")]
    return sorted(out)


# ---------------------------------------------------------------- checks

def check_xml_valid(args):
    files = all_xml(args.game)
    if len(files) < 100:
        raise Failure(f"only {len(files)} XML files under Data/")
    res = subprocess.run([args.xmllint, "--valid", "--noout"] + files, cwd=args.game,
                         capture_output=True, text=True)
    if res.returncode != 0:
        raise Failure("xmllint found invalid files:\n" + res.stderr[:4000])
    for rel in files:  # each names its DTD by a relative path
        with open(os.path.join(args.game, rel)) as f:
            head = f.read(300)
        if 'SYSTEM "' not in head or 'SYSTEM "/' in head:
            raise Failure(f"{rel}: DOCTYPE without a relative SYSTEM id")
    return f"{len(files)} XML files valid"


# Per root tag, the names a data file gives: (key, relative to the file's own folder, optional).
NAMES = {
    "BF_Sprite": [("Tileset_File", True, False)],
    "Battlefield": [("Mapping_File", False, False)],
    "Animation": [("Animation_TS_Filename", True, False)],
    "Item": [("Thunbnail_Name", False, False), ("TS_Filename", False, True)],
    "Actionable_Tileset": [("Tileset_Filename", False, False)],
    "Bars_Tileset": [("Tileset_Filename", False, False)],
    "Interface_Sprite": [("Sprite_Filename", False, False)],
}


def named_files(game):
    """Every (data file, named file) pair, as the loaders resolve them. The files
    the program itself names are what every start of the game opens."""
    pairs = []
    for rel in all_xml(game):
        root = ET.parse(os.path.join(game, rel)).getroot()
        here = os.path.dirname(rel) + "/"
        tag = root.tag
        for key, relative, optional in NAMES.get(tag, ()):
            name = text(root, key)
            if name is None and not optional:
                raise Failure(f"{rel}: no {key}")
            if name:
                pairs.append((rel, (here if relative else "") + name))
        if tag == "BF_Mapping":
            for s in ("BF_BG_Sprite_Mapping", "BF_Env_Sprite_Mapping"):
                folder = text(root, f"{s}/{s}_File_Default_Folder")
                pairs += [(rel, folder + text(el, f"{s}_File")) for el in root.findall(f"{s}/{s}_El")]
        elif tag == "Animation_Center":
            pairs += [(rel, here + c.text.strip()) for c in root if c.tag.endswith("_Animation_Filename")]
        elif tag in ("Character_Description", "Player_Description"):
            folder = text(root, "Data_Root_Directory")
            for key in ("Primary_Attack_Animation_Center_Filename", "Secondary_Attack_Animation_Center_Filename"):
                if text(root, key):
                    pairs.append((rel, folder + text(root, key)))
        elif tag == "Weapon_Styles":
            pairs += [(rel, here + n.text.strip()) for n in root.iter() if n.tag.endswith("_Center") and n.text]
    return pairs


def check_files_named(args):
    pairs = named_files(args.game)
    missing = [f"{src} names {f}" for src, f in pairs if not os.path.isfile(os.path.join(args.game, f))]
    if missing:
        raise Failure("missing files:\n" + "\n".join(missing[:40]))
    with open(os.path.join(args.game, "Credits.txt")) as f:
        credits = f.read()
    for word in ("Varnholt", "DejaVu", "SDL", "libxml2", "Guichan", "libpng"):
        if word not in credits:
            raise Failure(f"Credits.txt does not mention {word}")
    return f"{len(pairs)} named files present"


def check_sheet_sizes(args):
    count = 0
    for rel in all_xml(args.game):
        root = ET.parse(os.path.join(args.game, rel)).getroot()
        if root.tag == "Animation_Center":  # all seven sheets named, so no slot is ever empty
            for act in ("Stop", "Walk", "Run", "Attack", "Hit", "Pause", "Death"):
                if not text(root, f"{act}_Animation_Filename"):
                    raise Failure(f"{rel}: no {act} sheet")
        if root.tag != "Animation":
            continue
        frames, w, h = int(text(root, "Frames")), int(text(root, "Width")), int(text(root, "Height"))
        size = png_size(os.path.join(args.game, os.path.dirname(rel), text(root, "Animation_TS_Filename")))
        if size != (frames * w, 8 * h):
            raise Failure(f"{rel}: sheet is {size}, expected {(frames * w, 8 * h)}")
        if frames > 1 and not text(root, "Frames_Interval"):
            raise Failure(f"{rel}: {frames} frames but no Frames_Interval")
        key = text(root, "KeyFrame")
        if key is not None and not 0 <= int(key) < frames:
            raise Failure(f"{rel}: KeyFrame {key} outside 0..{frames - 1}")
        count += 1
    if count < 49:
        raise Failure(f"only {count} animation files")
    return f"{count} sheets of frames x 8 rows"


def check_picture_sizes(args):
    g = args.game
    size = lambda rel: png_size(os.path.join(g, rel))
    for rel, want in (("Data/Interface/Inventory_Win_BG.png", (800, 600)),
                      ("Data/Interface/LS_Initial.png", (800, 600)), ("Varnholt_ico.png", (32, 32))):
        if size(rel) != want:
            raise Failure(f"{rel} is not {want[0]} x {want[1]}")
    cw, ch = size("Data/Interface/Characteristics_Win_BG.png")
    if cw < 280 or ch < 125:
        raise Failure("characteristics background too small for its four values")
    chest = load(g, "Data/Battlefield/Environment/Actionables/Chest.xml")
    cw, ch = int(text(chest, "Width")), int(text(chest, "Height"))
    if size(text(chest, "Tileset_Filename")) != (3 * cw, 2 * ch) or max(cw, ch) > 255:
        raise Failure("chest tileset is not 3 x 2 cells of at most 255")
    for rel, rows in (("Data/Interface/Player_Characteristics_Bars_TS.xml", 4),
                      ("Data/Interface/Character_Life_Bar_TS.xml", 2)):
        bars = load(g, rel)
        bw, bh = int(text(bars, "Bars_Width")), int(text(bars, "Bars_Height"))
        if not (0 < bw < 256 and 0 < bh < 256) or size(text(bars, "Tileset_Filename")) != (bw, rows * bh):
            raise Failure(f"{rel}: tileset is not {rows} strips of {bw} x {bh}, each side 1..255")
    arrow = load(g, "Data/Items/Normal_Arrow.xml")
    if size(text(arrow, "TS_Filename")) != (int(text(arrow, "TS_Width")), 8 * int(text(arrow, "TS_Height"))):
        raise Failure("arrow tileset is not one row per direction")
    # Thumbnails fit the inventory boxes they go to (weapons, bow, quiver, potions).
    for item, box in (("Apprentice_Sword", (112, 192)), ("Apprentice_Bow", (160, 256)),
                      ("Normal_Arrow", (48, 160)), ("Healing_Potion", (48, 48))):
        tw, th = size(text(load(g, f"Data/Items/{item}.xml"), "Thunbnail_Name"))
        if tw > box[0] or th > box[1]:
            raise Failure(f"{item} thumbnail {tw} x {th} does not fit {box}")
    return "chest, windows, bars, arrow, thumbnails and icon sized right"


def check_deterministic(args):
    with tempfile.TemporaryDirectory() as tmp:
        out = os.path.join(tmp, "game")
        res = subprocess.run([args.generator, out, os.path.join(tmp, "a.png"), os.path.join(tmp, "b.png")],
                             capture_output=True, text=True)
        if res.returncode != 0:
            raise Failure("generator failed: " + res.stderr)
        count = 0
        for base, _, files in os.walk(out):
            for f in files:
                rel = os.path.relpath(os.path.join(base, f), out)
                if not filecmp.cmp(os.path.join(out, rel), os.path.join(args.game, rel), shallow=False):
                    raise Failure(f"{rel} differs between two runs of the generator")
                count += 1
        if count < 200:
            raise Failure(f"generator wrote only {count} files")
    return f"{count} files byte-identical across runs"


# ------------------------------------------------------------ the field

class Field:
    """The battlefield's solid boxes, as the collision tests see them."""

    CELL = 64

    def __init__(self, game):
        desc = load(game, bf_map_path(game))
        self.width, self.height = int(text(desc, "BF_Width")), int(text(desc, "BF_Height"))
        mapping = load(game, text(desc, "Mapping_File"))
        sprites = {}
        for layer, section in (("Background", "BF_BG_Sprite_Mapping"), ("Environment", "BF_Env_Sprite_Mapping")):
            folder = text(mapping, f"{section}/{section}_File_Default_Folder")
            kinds = {}
            for el in mapping.findall(f"{section}/{section}_El"):
                sprite = load(game, folder + text(el, f"{section}_File"))
                w, h = int(text(sprite, "Display_Width")), int(text(sprite, "Display_Height"))
                box = (0, 0, w, h)
                if sprite.find("CollisionBox_Dimensions") is not None:
                    box = tuple(int(text(sprite, k)) for k in ("X_Modifier", "Y_Modifier", "CB_Width", "CB_Height"))
                kinds[int(text(el, f"{section}_Id"))] = (text(sprite, "Type"), box)
            sprites[layer] = kinds
        self.grid = {}
        for layer in ("Background", "Environment"):
            for el in desc.findall(f"{layer}/{layer}_Sprite"):
                x, y = int(text(el, f"{layer}_Sprite_X")), int(text(el, f"{layer}_Sprite_Y"))
                sid = int(text(el, f"{layer}_Sprite_Id"))
                if sid not in sprites[layer]:
                    raise Failure(f"{layer} sprite id {sid} not in the mapping")
                kind, (bx, by, bw, bh) = sprites[layer][sid]
                entry = (layer, kind, (x + bx, y + by, bw, bh))
                for cx in range((x + bx) // self.CELL, (x + bx + bw) // self.CELL + 1):
                    for cy in range((y + by) // self.CELL, (y + by + bh) // self.CELL + 1):
                        self.grid.setdefault((cx, cy), []).append(entry)

    def free(self, rule, box):
        x, y, w, h = box
        if x < 0 or y < 0 or x + w > self.width or y + h > self.height:
            return False
        for cx in range(x // self.CELL, (x + w) // self.CELL + 1):
            for cy in range(y // self.CELL, (y + h) // self.CELL + 1):
                for layer, kind, (bx, by, bw, bh) in self.grid.get((cx, cy), ()):
                    if min(x + w, bx + bw) <= max(x, bx) or min(y + h, by + bh) <= max(y, by):
                        continue  # touching is no collision
                    allowed = GROUND_OK[rule] if layer == "Background" else ENV_OK
                    if kind not in allowed:
                        return False
        return True


def body(game, rel):
    root = load(game, rel)
    return tuple(int(text(root, k)) for k in ("X_Modifier", "Y_Modifier", "CB_Width", "CB_Height"))


def check_monster_zones(args):
    field = Field(args.game)
    report = []
    for zx, zy, zw, zh, ids in ZONES:
        for cid in sorted(ids):
            mx, my, mw, mh = body(args.game, MONSTER_FILES[cid])
            spots = free = 0
            for x in range(zx, zx + zw, 16):
                for y in range(zy, zy + zh, 16):
                    spots += 1
                    if field.free(MONSTER_RULES[cid], (x + mx, y + my, mw, mh)):
                        free += 1
            share = free / spots
            report.append(f"zone ({zx},{zy}) {MONSTER_RULES[cid]}: {100 * share:.0f}% free")
            # Placement draws random spots: it must succeed in a few tries.
            if share < 0.25:
                raise Failure("too little room: " + report[-1])
    return "; ".join(report)


def check_paths_open(args):
    """The hero can walk from the start to the chest, the merchant, the guard's
    patrol and every monster zone; NPCs start on free ground."""
    g = args.game
    field = Field(g)
    px, py, pw, ph = body(g, "Data/Characters/c_Player.xml")
    player = load(g, "Data/Characters/c_Player.xml")
    start = (int(text(player, "Initial_X")), int(text(player, "Initial_Y")))
    if not field.free("player", (start[0] + px, start[1] + py, pw, ph)):
        raise Failure("the player starts on blocked ground")
    seen, todo = {start}, deque([start])
    while todo:  # 8-pixel steps
        x, y = todo.popleft()
        for n in ((x + 8, y), (x - 8, y), (x, y + 8), (x, y - 8)):
            if n not in seen and field.free("player", (n[0] + px, n[1] + py, pw, ph)):
                seen.add(n)
                todo.append(n)
    targets = {"the chest at (300, 300)": (300 - px, 300 - py, 24)}
    for rel in ("Data/Characters/c_NPC_Merchant.xml", "Data/Characters/c_NPC_Guard_w_OneH_Sword.xml"):
        root = load(g, rel)
        bx, by, bw, bh = body(g, rel)
        points = [(int(text(p, "Initial_X")), int(text(p, "Initial_Y"))) for p in root.findall("Coords/Position")]
        points += [(int(text(c, "Attitude_Position_Coord_X")), int(text(c, "Attitude_Position_Coord_Y")))
                   for c in root.findall("Attitude_Position_List/Attitude_Position_Coord")]
        for x, y in points:
            if not field.free("npc", (x + bx, y + by, bw, bh)):
                raise Failure(f"{rel}: ({x}, {y}) is on blocked ground")
            targets[f"{os.path.basename(rel)} at ({x}, {y})"] = (x, y, 64)
    for zx, zy, zw, zh, _ in ZONES:
        targets[f"zone at ({zx}, {zy})"] = (zx + zw // 2, zy + zh // 2, min(zw, zh) // 2)
    for name, (tx, ty, radius) in targets.items():
        if not any(abs(x - tx) <= radius and abs(y - ty) <= radius for x, y in seen):
            raise Failure(f"the hero cannot reach {name}")
    return f"{len(targets)} places reachable from the start, {len(seen)} free spots"


CHECKS = {name[len("check_"):]: f for name, f in globals().items() if name.startswith("check_")}


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("check", choices=sorted(CHECKS) + ["all"])
    parser.add_argument("--game", required=True)
    parser.add_argument("--generator", required=True)
    parser.add_argument("--xmllint", default="xmllint")
    args = parser.parse_args()
    names = sorted(CHECKS) if args.check == "all" else [args.check]
    failed = 0
    for name in names:
        try:
            print(f"{name}: ok, {CHECKS[name](args)}")
        except (Failure, OSError, ET.ParseError, ValueError) as e:
            failed += 1
            print(f"{name}: FAILED, {e}")
    print(f"{len(names) - failed} passed, {failed} failed")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
