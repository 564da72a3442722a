#!/usr/bin/python3
"""A mock frame of the card-game screen, for judging the table art together
(not part of the build): a background, the table mask at full strength, a
layout of cards with the deck and its spots, the panels, the pass meter with
the kicker and the ball, the scoreboard slid in, and every text the screen
draws at its place in the game's fonts, positioned and rotated the way the
game does it (a text's top-left is its pivot).

Card art comes from --cards (a game folder holding gfx/cards and the deck
pictures); without it the cards are simple sketches.

Usage: table_mock.py --game <game folder> [--cards <game folder>]
                     [--background <n>] [--pass <0..2>] [--frame <kick frame>]
                     --out /tmp/<file>.png
"""

import argparse
import math
import os
import random
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "tools"))

from PIL import Image, ImageDraw, ImageFont  # noqa: E402

import palette as pal  # noqa: E402
import shapes  # noqa: E402

W, H = 1024, 768
CARD_W, CARD_H = 72, 100
MAX_PASS = 2.0
# Stand-ins for the lines of txt/mainGame.txt the screen shows.
TXT = {"pass": "RUN ", "score": "POINTS", "cardsLeft": "CARDS LEFT", "time": "TIME", "restore": "RESTORE",
       "noRestore": "NO MORE"}


def load(path):
    return Image.open(path).convert("RGBA") if os.path.isfile(path) else None


def font(game, rel, size):
    path = os.path.join(game, rel)
    if not os.path.isfile(path):
        path = "/usr/share/fonts/truetype/dejavu/DejaVuSansCondensed-Bold.ttf"
    return ImageFont.truetype(path, size)


def text_size(f, text):
    ascent, descent = f.getmetrics()
    return int(f.getlength(text)), ascent + descent


def draw_text(canvas, text, x, y, f, rgb, alpha=1.0, rotation=0.0):
    """Text with its top-left at (x, y), turned clockwise by rotation
    degrees about that point, as the game's renderer does."""
    w, h = text_size(f, text)
    c = int(math.hypot(w, h)) + 8
    layer = Image.new("RGBA", (2 * c, 2 * c), rgb + (0,))
    d = ImageDraw.Draw(layer)
    d.text((c, c + f.getmetrics()[0]), text, font=f, fill=rgb + (int(255 * alpha),), anchor="ls")
    if rotation:
        layer = layer.rotate(-rotation, resample=Image.BICUBIC, center=(c, c))
    canvas.alpha_composite(layer, (int(round(x)) - c, int(round(y)) - c)) if x - c >= 0 and y - c >= 0 else \
        _paste_clipped(canvas, layer, int(round(x)) - c, int(round(y)) - c)


def _paste_clipped(canvas, layer, x, y):
    box = (max(0, -x), max(0, -y), layer.width, layer.height)
    canvas.alpha_composite(layer.crop(box), (max(0, x), max(0, y)))


def centred_text(canvas, text, x, y, f, rgb, rotation=0.0):
    w, h = text_size(f, text)
    draw_text(canvas, text, x - w // 2, y - h // 2, f, rgb, rotation=rotation)


def info_text(canvas, text, x, y, f, rgb):
    """The screen's outlined text: a soft shadow, a black outline, the text."""
    w, h = text_size(f, text)
    x0, y0 = x - w // 2, y - h // 2
    draw_text(canvas, text, x0 + 3, y0 + 3, f, (0, 0, 0), alpha=0.35)
    for dx, dy in ((-1, -1), (1, -1), (-1, 1), (1, 1)):
        draw_text(canvas, text, x0 + dx, y0 + dy, f, (0, 0, 0))
    draw_text(canvas, text, x0, y0, f, rgb)


def put(canvas, img, x, y, handle=(0, 0), scale=1.0, alpha=1.0, rotation=0.0, tint=None):
    if img is None:
        return
    if tint is not None:
        r, g, b, a = img.split()
        img = Image.merge("RGBA", (r.point(lambda v: v * tint[0] // 255), g.point(lambda v: v * tint[1] // 255),
                                   b.point(lambda v: v * tint[2] // 255), a))
    if alpha != 1.0:
        img = img.copy()
        img.putalpha(img.getchannel("A").point(lambda v: int(v * alpha)))
    hx, hy = handle
    if scale != 1.0:
        img = img.resize((max(1, int(img.width * scale)), max(1, int(img.height * scale))), Image.LANCZOS)
        hx, hy = hx * scale, hy * scale
    if rotation:
        big = Image.new("RGBA", (img.width * 3, img.height * 3), (0, 0, 0, 0))
        big.alpha_composite(img, (img.width, img.height))
        img = big.rotate(-rotation, resample=Image.BICUBIC, center=(img.width + hx, img.height + hy))
        hx, hy = hx + img.width / 3, hy + img.height / 3
    _paste_clipped(canvas, img, int(round(x - hx)), int(round(y - hy)))


def bitmap_line(canvas, game, text, right_x, y):
    """The scoreboard line in the game's bitmap font (BMFont v3 binary),
    right-aligned at right_x with its top at y. Returns False when the font
    is not there."""
    import struct
    path = os.path.join(game, "gfx", "fonts", "whitesmall_22.fnt")
    if not os.path.isfile(path):
        return False
    data = open(path, "rb").read()
    pos, pages, chars = 4, [], {}
    while pos + 5 <= len(data):
        kind, size = data[pos], struct.unpack_from("<I", data, pos + 1)[0]
        block = data[pos + 5:pos + 5 + size]
        if kind == 3:
            pages = [n.decode("latin-1") for n in block.split(b"\0") if n]
        elif kind == 4:
            for k in range(0, len(block) - 19, 20):
                cid, x, yy, w, h, xo, yo, xa, page, _ = struct.unpack_from("<IHHHHhhhBB", block, k)
                chars[cid] = (x, yy, w, h, xo, yo, xa, page)
        pos += 5 + size
    images = [load(os.path.join(game, "gfx", "fonts", n)) for n in pages]
    width = sum(chars.get(ord(c), (0,) * 8)[6] for c in text)
    x = right_x - width
    for c in text:
        g = chars.get(ord(c))
        if not g:
            continue
        gx, gy, w, h, xo, yo, xa, page = g
        if w and h and images[page] is not None:
            canvas.alpha_composite(images[page].crop((gx, gy, gx + w, gy + h)), (int(x + xo), int(y + yo)))
        x += xa
    return width


# --- Cards --------------------------------------------------------------------

class Cards:
    def __init__(self, folder):
        self.faces, self.back, self.holder, self.spot = [], None, None, None
        base = os.path.join(folder, "gfx", "cards") if folder else None
        if base and os.path.isdir(base):
            for n in range(1, 5):
                strip = load(os.path.join(base, "faces-%d.png" % n))
                if strip:
                    self.faces += [strip.crop((k * CARD_W, 0, (k + 1) * CARD_W, CARD_H)) for k in range(13)]
            self.back = load(os.path.join(base, "card-revers-1.png"))
            self.holder = load(os.path.join(folder, "gfx", "gui", "mainGame", "deck-holder.png"))
            self.spot = load(os.path.join(folder, "gfx", "gui", "mainGame", "deck-1.png"))
        if not self.faces:
            font_path = "/usr/share/fonts/truetype/dejavu/DejaVuSansCondensed-Bold.ttf"
            for suit in ("spades", "hearts", "diamonds", "clubs"):
                for rank in ("A", "K", "Q", "J", "10", "9", "8", "7", "6", "5", "4", "3", "2"):
                    self.faces.append(shapes.card_face(CARD_W, CARD_H, rank, suit, font_path))
        if self.back is None:
            self.back = shapes.card_back(CARD_W, CARD_H)

    def shadowed(self, canvas, img, x, y, rot=0.0):
        shadow = Image.new("RGBA", img.size, (0, 0, 0, 0))
        shadow.putalpha(img.getchannel("A").point(lambda v: int(v * 0.45)))
        put(canvas, shadow, x + 4, y + 5, (CARD_W / 2, CARD_H / 2), rotation=rot)
        put(canvas, img, x, y, (CARD_W / 2, CARD_H / 2), rotation=rot)


def layout():
    """A three-peaks layout: rows of cards, the lower ones face up."""
    cards = []
    peaks = [250, 512, 774]
    for row in range(4):
        y = 150 + row * 62
        for px in peaks:
            count = row + 1
            for k in range(count):
                x = px + (k - (count - 1) / 2) * 78
                cards.append((x, y, row == 3))
    for k in range(9):
        cards.append((200 + k * 78, 410, True))
    return cards


# --- The frame ----------------------------------------------------------------

def meter_point(angle):
    a = math.radians(angle + 180)
    return 528 + 161 * math.cos(a), 744 + 83 * math.sin(a)


def compose(game, cards_dir, background, pass_value, kick_frame):
    mg = os.path.join(game, "gfx", "gui", "mainGame")
    canvas = Image.new("RGBA", (W, H), (0, 0, 0, 255))
    back = load(os.path.join(game, "gfx", "backgrounds", "background-%d.jpg" % background))
    put(canvas, back, 0, 0)
    mask = load(os.path.join(mg, "maska.png"))
    put(canvas, mask, 0, 0, alpha=0.6)

    cards = Cards(cards_dir)
    rng = random.Random(7)
    deck_x, deck_y = 170, 560
    put(canvas, load(os.path.join(cards_dir or game, "gfx", "cards", "restore_card.png")), deck_x, deck_y,
        (CARD_W / 2, CARD_H / 2), alpha=0.5)
    for x, y, up in layout():
        img = cards.faces[rng.randrange(len(cards.faces))] if up else cards.back
        cards.shadowed(canvas, img, x, y, rng.uniform(-3, 3))
    put(canvas, cards.holder, deck_x, deck_y, (140, 57))
    for i in (1, 2):
        put(canvas, cards.spot, deck_x + 90 * i, deck_y, (CARD_W / 2, CARD_H / 2))
    k, x = 0.1, float(deck_x)
    for _ in range(12):
        put(canvas, cards.back, x, deck_y, (CARD_W / 2, CARD_H / 2))
        x -= k * CARD_W
        k *= 0.9
    cards.shadowed(canvas, cards.faces[5], deck_x + 90, deck_y)

    info = font(game, "gfx/fonts/bluehigh.ttf", 26)
    info_text(canvas, "12", int(x), deck_y, info, (0, 255, 0))
    info_text(canvas, "2", deck_x - 120, deck_y - 3, info, (255, 255, 0))

    # Panels and their texts.
    panel = load(os.path.join(mg, "panel.png"))
    put(canvas, panel, 0, H - panel.height)
    put(canvas, load(os.path.join(mg, "panel_gorny.png")), 800, 0)
    put(canvas, load(os.path.join(mg, "panel_czasu.png")), 60, 0)
    green = (0, 255, 0)
    small = font(game, "gfx/fonts/terminal.ttf", 12)
    timef = font(game, "gfx/fonts/terminal.ttf", 16)
    draw_text(canvas, TXT["cardsLeft"], 818, 24, small, green, rotation=6)
    draw_text(canvas, TXT["score"], 910, 36, small, green, rotation=10)
    draw_text(canvas, TXT["time"], 105, 33, timef, green, rotation=-9)

    # The scoreboard, slid all the way in.
    board = load(os.path.join(mg, "panel_Wynikow.png"))
    y = -93 + 140
    put(canvas, board, 512, y, (board.width // 2, board.height // 2))
    line = "ENG 2:1 GER"
    probe = Image.new("RGBA", (W, H))
    width = bitmap_line(probe, game, line, 0, 0)
    if width:
        bitmap_line(canvas, game, line, 512 + width // 2, y - 18)
    else:
        score = font(game, "gfx/fonts/bluehigh.ttf", 22)
        draw_text(canvas, line, 512 - text_size(score, line)[0] // 2, y - 18, score, (255, 255, 255))

    # The pass meter.
    kick = load(os.path.join(mg, "kick-anim.png"))
    put(canvas, kick.crop((kick_frame * 62, 0, kick_frame * 62 + 62, 93)), 326, 756, (23, 88))
    passf = font(game, "gfx/fonts/bluehigh.ttf", 16)
    for value, tilt, dx, dy in ((0.5, 75, -14, 2), (1.0, 89, -7, -5), (1.5, 105, 2, -8), (2.0, 160, -4, -6)):
        a = 15 + 147 * value / MAX_PASS
        px, py = meter_point(a)
        px, py = px + dx, py + dy
        label = "%.1f" % (value + 1)
        w, h = text_size(passf, label)
        draw_text(canvas, label, px + 1 - w // 2, py + 1 - h // 2, passf, (0, 0, 0), rotation=a - tilt)
        draw_text(canvas, label, px - w // 2, py - h // 2, passf, (255, 255, 255), rotation=a - tilt)
    a = 15 + 147 * pass_value / MAX_PASS
    ball = load(os.path.join(mg, "pilka.png"))
    bx, by = meter_point(a)
    put(canvas, ball, bx, by, (ball.width / 2, ball.height / 2), scale=0.4 + 0.6 * pass_value / MAX_PASS)
    draw_text(canvas, TXT["pass"] + "3", 512, 680, passf, (0, 0, 0))

    # Stand-ins for the assist buttons of game.gui, in the panel's sockets.
    glyphs = font(game, "gfx/fonts/font.ttf", 18)
    for (x, y), glyph in zip(((84, 713), (96, 746), (143, 750)), ("\u21c4", "\u21bb", "\u21b6")):
        d = ImageDraw.Draw(canvas)
        d.ellipse((x - 15, y - 15, x + 15, y + 15), fill=pal.NIGHT_HAZE + (255,), outline=pal.GOLD + (255,), width=2)
        centred_text(canvas, glyph, x, y, glyphs, pal.TEXT_WHITE)

    # _drawInfo and the pairs counter.
    centred_text(canvas, "38", 860, 55, small, green, rotation=7)
    centred_text(canvas, "1250", 925, 65, small, green, rotation=9)
    centred_text(canvas, "34:10", 129, 59, small, green, rotation=-9)
    pairs = font(game, "gfx/fonts/bluehigh.ttf", 20)
    draw_text(canvas, "3", 170, 747, pairs, (0, 0, 0))
    draw_text(canvas, "(1)", 33, 742, pairs, (0, 0, 0), rotation=-10)
    draw_text(canvas, "(2)", 23, 712, pairs, (0, 0, 0), rotation=-10)
    draw_text(canvas, "4", 230, 750, pairs, (0, 0, 0), rotation=9)
    return canvas.convert("RGB")


def main():
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument("--game", required=True)
    ap.add_argument("--cards")
    ap.add_argument("--background", type=int, default=1)
    ap.add_argument("--pass", dest="pass_value", type=float, default=0.6)
    ap.add_argument("--frame", type=int, default=0)
    ap.add_argument("--out", required=True)
    args = ap.parse_args()
    if not args.out.startswith("/tmp/"):
        sys.exit("table_mock: write the mock under /tmp")
    compose(args.game, args.cards, args.background, args.pass_value, args.frame).save(args.out)


if __name__ == "__main__":
    main()
