#!/usr/bin/python3
"""A contact sheet of the card layouts, for judging their figures (not part
of the build): every level file of a game folder drawn small, cards as
outlines in drawing order, face-up cards light and covered cards darker the
deeper they lie, the deck row, the reserve slots and the corner panels.
With --art the layouts are drawn with the game's own pictures instead (the
level's background, card faces for face-up cards, backs for the others,
the deck holder and the panels), as the table looks at the start.

Usage: levels_sheet.py --game <game folder> --out /tmp/<file>.png
                       [--only <name prefix>] [--scale 0.3] [--columns 4] [--art]
"""

import argparse
import glob
import math
import os
import re
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "levels"))

from PIL import Image, ImageDraw, ImageFont  # noqa: E402

import card_deal  # noqa: E402
import card_geometry as geo  # noqa: E402

FONT = "/usr/share/fonts/truetype/dejavu/DejaVuSansCondensed-Bold.ttf"


def read_level(path):
    text = open(path, encoding="ascii").read()
    cards = []
    for m in re.finditer(r"card\d+ \{\s*id = (\d+)\s*dim = (-?\d+), (-?\d+), (-?\d+)", text):
        cards.append((int(m.group(1)), int(m.group(2)), int(m.group(3)), int(m.group(4))))
    setting = {k: int(v) for k, v in re.findall(r"\b(deckX|deckY|background|xdeckImg) = (-?\d+)", text)}
    reserve = [(int(x), int(y)) for x, y in re.findall(r"rez\d+ = \d+, (\d+), (\d+)", text)]
    deck = len(re.findall(r"\bd\d+ = ", text))
    return cards, setting, reserve, deck


def depth_below(places):
    """For each card, how many cards lie over it along the longest chain."""
    above = geo.covering(places)
    depth = [0] * len(places)
    for i in range(len(places) - 1, -1, -1):
        if above[i]:
            depth[i] = 1 + max(depth[j] for j in above[i])
    return depth


def draw_layout(path, scale):
    cards, setting, reserve, deck = read_level(path)
    return draw(os.path.splitext(os.path.basename(path))[0], cards, setting, reserve, deck, scale)


def draw(name, cards, setting, reserve, deck, scale):
    """One layout: cards are (id, x, y, rot) in drawing order."""
    w, h = int(geo.SCREEN_W * scale), int(geo.SCREEN_H * scale)
    img = Image.new("RGB", (w, h), (22, 70, 40))
    d = ImageDraw.Draw(img)
    s = scale
    d.rectangle((geo.TABLE_LEFT * s, geo.TABLE_TOP * s, geo.TABLE_RIGHT * s, geo.TABLE_BOTTOM * s),
                outline=(40, 100, 60))
    d.rectangle((0, 0, geo.CLOCK_PANEL[0] * s, geo.CLOCK_PANEL[1] * s), fill=(20, 30, 60))
    d.rectangle((geo.SCORE_PANEL[0] * s, 0, w, geo.SCORE_PANEL[1] * s), fill=(20, 30, 60))
    d.rectangle((0, h - 90 * s, w, h), fill=(20, 30, 60))
    dx, dy = setting.get("deckX", 512), setting.get("deckY", 700)
    d.rectangle(((dx - geo.HOLDER_REACH) * s, (dy - 57) * s, (dx + 44) * s, (dy + 57) * s), outline=(200, 170, 60))
    for k, (x, y) in enumerate(geo.spots(dx, dy)):
        poly = [(px * s, py * s) for px, py in geo.outline(x, y, 0)]
        d.polygon(poly, fill=(30, 50, 120) if k == 0 else None, outline=(200, 170, 60))
    for x, y in reserve:
        d.polygon([(px * s, py * s) for px, py in geo.outline(x, y, 0)], outline=(150, 200, 255))
    places = [(x, y, r) for _, x, y, r in cards]
    depth = depth_below(places)
    for (cid, x, y, r), dep in zip(cards, depth):
        poly = [(px * s, py * s) for px, py in geo.outline(x, y, r)]
        if cid in (card_deal.PADLOCK, card_deal.KEY):
            fill = (200, 120, 40)
        elif dep == 0:
            fill = (245, 240, 225)
        else:
            v = max(40, 170 - 40 * dep)
            fill = (v // 2, v // 2, v)
        d.polygon(poly, fill=fill, outline=(10, 10, 10))
    f = ImageFont.truetype(FONT, max(10, int(28 * s)))
    up = sum(1 for dep in depth if dep == 0)
    label = "%s  %d cards  %d up  depth %d  deck %d  bg %d" % (name, len(cards), up, 1 + max(depth, default=0),
                                                               deck, setting.get("background", 1))
    d.text((4, h - 26 * s - 4), label, font=f, fill=(255, 255, 255))
    return img


class Art:
    """The game's pictures a layout is drawn with."""

    def __init__(self, game):
        def load(rel):
            path = os.path.join(game, rel)
            return Image.open(path).convert("RGBA") if os.path.isfile(path) else None
        self.load = load
        self.faces = {}
        for suit in range(1, 5):
            strip = load("gfx/cards/faces-%d.png" % suit)
            for k in range(13):
                self.faces[13 * (suit - 1) + k + 1] = strip.crop((k * 72, 0, k * 72 + 72, 100))
        pieces = load("gfx/cards/pieces.png")
        for k in range(5):
            self.faces[101 + k] = pieces.crop((k * 72, 0, k * 72 + 72, 100))
        self.back = load("gfx/cards/card-revers-1.png")
        self.holders = [load("gfx/gui/mainGame/deck-holder.png"), load("gfx/gui/mainGame/deck-holder-green.png")]
        self.spot = load("gfx/gui/mainGame/deck-1.png")
        self.panels = [(load("gfx/gui/mainGame/panel.png"), "bottom"), (load("gfx/gui/mainGame/panel_gorny.png"), 800),
                       (load("gfx/gui/mainGame/panel_czasu.png"), 60)]


def _put(canvas, img, x, y, rot=0):
    """img centred on (x, y), turned clockwise by rot degrees."""
    if rot:
        img = img.rotate(-rot, resample=Image.BICUBIC, expand=True)
    canvas.alpha_composite(img, (int(round(x - img.width / 2)), int(round(y - img.height / 2))))


def draw_with_art(name, cards, setting, reserve, deck, scale, art):
    canvas = Image.new("RGBA", (geo.SCREEN_W, geo.SCREEN_H), (0, 0, 0, 255))
    bg = art.load("gfx/backgrounds/background-%d.jpg" % setting.get("background", 1))
    if bg:
        canvas.alpha_composite(bg)
    places = [(x, y, r) for _, x, y, r in cards]
    above = geo.covering(places)
    for (cid, x, y, r), a in zip(cards, above):
        _put(canvas, art.faces.get(cid, art.back) if not a else art.back, x, y, r)
    dx, dy = setting.get("deckX", 512), setting.get("deckY", 700)
    holder = art.holders[setting.get("xdeckImg", 0) % 2]
    canvas.alpha_composite(holder, (dx - 140, dy - 57))
    for k in (1, 2):
        _put(canvas, art.spot, dx + 90 * k, dy)
    for k in range(min(deck, 8)):
        _put(canvas, art.back, dx - k * 5, dy)
    for x, y in reserve:
        _put(canvas, art.faces[101], x, y)
    for img, where in art.panels:
        if img is not None:
            canvas.alpha_composite(img, (0, geo.SCREEN_H - img.height) if where == "bottom" else (where, 0))
    out = canvas.convert("RGB").resize((int(geo.SCREEN_W * scale), int(geo.SCREEN_H * scale)), Image.LANCZOS)
    d = ImageDraw.Draw(out)
    d.text((4, 4), name, font=ImageFont.truetype(FONT, max(10, int(28 * scale))), fill=(255, 255, 255))
    return out


def sort_key(path):
    name = os.path.splitext(os.path.basename(path))[0]
    prefix, n = name.rsplit("-", 1)
    return (len(prefix), prefix, int(n))


def main():
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument("--game", required=True)
    ap.add_argument("--out", required=True)
    ap.add_argument("--only", default="")
    ap.add_argument("--scale", type=float, default=0.3)
    ap.add_argument("--columns", type=int, default=4)
    ap.add_argument("--art", action="store_true", help="draw with the game's pictures")
    args = ap.parse_args()
    if not args.out.startswith("/tmp/"):
        sys.exit("levels_sheet: write the sheet under /tmp")
    paths = sorted((p for p in glob.glob(os.path.join(args.game, "data", "levels", "*.lvl"))
                    if os.path.basename(p).startswith(args.only)), key=sort_key)
    if args.art:
        art = Art(args.game)
        tiles = []
        for p in paths:
            cards, setting, reserve, deck = read_level(p)
            name = os.path.splitext(os.path.basename(p))[0]
            tiles.append(draw_with_art(name, cards, setting, reserve, deck, args.scale, art))
    else:
        tiles = [draw_layout(p, args.scale) for p in paths]
    if not tiles:
        sys.exit("levels_sheet: no level files")
    tw, th = tiles[0].size
    cols = min(args.columns, len(tiles))
    rows = math.ceil(len(tiles) / cols)
    sheet = Image.new("RGB", (cols * (tw + 6), rows * (th + 6)), (0, 0, 0))
    for k, t in enumerate(tiles):
        sheet.paste(t, ((k % cols) * (tw + 6), (k // cols) * (th + 6)))
    sheet.save(args.out)


if __name__ == "__main__":
    main()
