#!/usr/bin/python3
"""Contact sheets of the effects art as the game shows it, for looking at
while drawing (not part of the build).

Writes into --out (default /tmp/fieldstack-effects):
  captions.png   every caption picture over a table: the top pictures at
                 (512, 184), the spinning ones at the middle, cards under them
  game.png       one game moment: GOAL! at the top, a goal spin in the
                 middle and points rows beside the cards, as the game lays
                 them out (rows 40 px apart)
  points.png     the digits, plus and words at 1:1 and at 2x
  particles.png  the particle images additively blended on navy and on grass,
                 tinted the way their makers tint them, and a bonus trail,
                 a pass-bow star burst and a falling-spark shower
  confetti.png   the six confetti pieces at 4x and a shower of them over a
                 tournament-screen like background

Usage: effects_sheet.py --game-dir <build>/game [--out DIR]
"""

import argparse
import math
import os
import random
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "tools"))

from PIL import Image, ImageChops, ImageDraw, ImageFont  # noqa: E402

import imaging  # noqa: E402
import palette as pal  # noqa: E402
import shapes  # noqa: E402

FONT = "/usr/share/fonts/truetype/dejavu/DejaVuSansCondensed-Bold.ttf"


def table(w, h, seed=3):
    """A pitch-green table darkened to navy at the edges, like the game's
    backgrounds."""
    img = Image.new("RGB", (w, h), pal.PITCH_GREEN_DARK)
    d = ImageDraw.Draw(img)
    for i in range(0, w, 64):
        if (i // 64) % 2 == 0:
            d.rectangle((i, 0, i + 63, h), fill=pal.PITCH_GREEN_LIGHT)
    d.ellipse((w / 2 - 90, h / 2 - 90, w / 2 + 90, h / 2 + 90), outline=pal.PITCH_LINE_WHITE, width=3)
    d.line((w / 2, 0, w / 2, h), fill=pal.PITCH_LINE_WHITE, width=3)
    v = imaging.radial_mask(w * 1.6, h * 1.6, power=1.5, inner=0.3).point(lambda x: 255 - x)
    full = Image.new("L", (w, h), 0)
    full.paste(v, (int(w / 2 - v.width / 2), int(h / 2 - v.height / 2)))
    imaging.shade(img, full, pal.NIGHT_NAVY_DEEP, opacity=0.7)
    return img.convert("RGBA")


def lay_cards(canvas, seed, count=14):
    rng = random.Random(seed)
    ranks = ["A", "K", "Q", "J", "10", "9", "7", "5"]
    suits = ["spades", "hearts", "diamonds", "clubs"]
    for i in range(count):
        face = shapes.card_face(72, 100, rng.choice(ranks), rng.choice(suits), FONT)
        x = 110 + (i % 7) * 120 + rng.randint(-10, 10)
        y = 150 + (i // 7) * 260 + rng.randint(-10, 10)
        canvas.alpha_composite(face, (x, y))


def place_centred(canvas, img, cx, cy, scale=1.0):
    if scale != 1.0:
        img = img.resize((max(1, int(img.width * scale)), max(1, int(img.height * scale))), Image.BICUBIC)
    canvas.alpha_composite(img, (int(cx - img.width / 2), int(cy - img.height / 2)))


def label(canvas, xy, text, size=14, fill=(255, 255, 255, 255)):
    d = ImageDraw.Draw(canvas)
    d.text(xy, text, font=ImageFont.truetype(FONT, size), fill=fill)


def captions_sheet(game, out):
    names = ["goal", "opponent-goal", "match-begin", "long-pass", "../captions/txt/perfect",
             "neu-1", "neu-2", "neu-3", "win-1", "win-2", "win-3", "win-4", "bad-1", "bad-2", "bad-3", "bad-4"]
    cols, cw, ch = 2, 760, 300
    rows = (len(names) + cols - 1) // cols
    sheet = Image.new("RGBA", (cols * cw, rows * ch), (0, 0, 0, 255))
    for i, n in enumerate(names):
        img = Image.open(os.path.join(game, "gfx/effects", n + ".png")).convert("RGBA")
        cell = table(cw, ch, seed=i)
        lay_cards(cell, i, count=7)
        place_centred(cell, img, cw / 2, ch / 2)
        d = ImageDraw.Draw(cell)
        x0, y0 = cw / 2 - img.width / 2, ch / 2 - img.height / 2
        d.rectangle((x0, y0, x0 + img.width - 1, y0 + img.height - 1), outline=(255, 0, 255, 90))
        label(cell, (8, 6), "%s  %dx%d" % (n.split("/")[-1], img.width, img.height))
        sheet.alpha_composite(cell, ((i % cols) * cw, (i // cols) * ch))
    imaging.save_png(sheet, os.path.join(out, "captions.png"))


def load(game, rel):
    return Image.open(os.path.join(game, rel)).convert("RGBA")


def points_row(canvas, game, value, word, x, y):
    """A points caption drawn as the game draws it."""
    plus = load(game, "gfx/captions/txt/plus.png")
    digits = [load(game, "gfx/captions/cyfry/%s.png" % c) for c in str(value)]
    pen = x
    canvas.alpha_composite(plus, (pen, y + 10))
    pen += plus.width
    for dimg in digits:
        canvas.alpha_composite(dimg, (pen, y))
        pen += dimg.width
    if word:
        canvas.alpha_composite(load(game, "gfx/captions/txt/%s.png" % word), (pen + 10, y))


def game_sheet(game, out):
    canvas = table(1024, 768, seed=7)
    lay_cards(canvas, 11)
    place_centred(canvas, load(game, "gfx/effects/goal.png"), 512, 184)
    place_centred(canvas, load(game, "gfx/effects/win-3.png"), 512, 384)
    # A pair scored: rows 40 px apart around the card.
    points_row(canvas, game, 75, "points", 120, 380)
    points_row(canvas, game, 37, "color-match", 120, 420)
    points_row(canvas, game, 75, "perfect-match", 120, 460)
    points_row(canvas, game, 1, "sequence", 120, 500)
    points_row(canvas, game, 500, None, 700, 560)
    points_row(canvas, game, 1234567890, "special-match", 560, 640)
    imaging.save_png(canvas, os.path.join(out, "game.png"))

    cleared = table(1024, 768, seed=8)
    lay_cards(cleared, 12, count=4)
    place_centred(cleared, load(game, "gfx/captions/txt/perfect.png"), 512, 184)
    place_centred(cleared, load(game, "gfx/effects/win-4.png"), 512, 384)
    points_row(cleared, game, 500, None, 482, 84)
    place_centred(cleared, load(game, "gfx/effects/opponent-goal.png"), 512, 600, 0.8)
    imaging.save_png(cleared, os.path.join(out, "game2.png"))


def points_sheet(game, out):
    sheet = table(900, 260, seed=2)
    x = 20
    for c in "0123456789":
        img = load(game, "gfx/captions/cyfry/%s.png" % c)
        sheet.alpha_composite(img, (x, 20))
        d = ImageDraw.Draw(sheet)
        d.rectangle((x, 20, x + img.width - 1, 20 + img.height - 1), outline=(255, 0, 255, 80))
        x += img.width + 8
    plus = load(game, "gfx/captions/txt/plus.png")
    sheet.alpha_composite(plus, (x, 30))
    x = 20
    for w in ("color-match", "perfect-match", "points", "sequence", "special-match"):
        img = load(game, "gfx/captions/txt/%s.png" % w)
        sheet.alpha_composite(img, (x, 80))
        x += img.width + 12
    row = Image.new("RGBA", (450, 50), (0, 0, 0, 0))
    points_row(row, game, 150, "points", 0, 0)
    sheet.alpha_composite(row.resize((900, 100), Image.NEAREST), (0, 140))
    imaging.save_png(sheet, os.path.join(out, "points.png"))


# --- Particles -------------------------------------------------------------------

def particle_images(game):
    path = os.path.join(game, "data/particles.dat")
    images = {}
    with open(path) as f:
        for line in f:
            line = line.strip()
            if line.startswith("p") and "=" in line:
                key, val = line.split("=", 1)
                images[int(key.strip()[1:])] = load(game, val.strip().strip('"'))
    return images


def additive(canvas, img, cx, cy, rgb=(255, 255, 255), alpha=1.0, scale=1.0, rot=0.0):
    """Light blending as the game does it: colour x alpha added to what is below."""
    if scale != 1.0:
        img = img.resize((max(1, int(img.width * scale)), max(1, int(img.height * scale))), Image.BICUBIC)
    if rot:
        img = img.rotate(-rot, resample=Image.BICUBIC, expand=True)
    r, g, b, a = img.split()
    a = a.point(lambda v: int(v * alpha))
    tint = [ImageChops.multiply(ch, Image.new("L", img.size, c)) for ch, c in zip((r, g, b), rgb)]
    add = Image.merge("RGB", [ImageChops.multiply(t, a) for t in tint])
    x, y = int(cx - img.width / 2), int(cy - img.height / 2)
    base = canvas.convert("RGB")
    region = base.crop((x, y, x + img.width, y + img.height))
    base.paste(ImageChops.add(region, add), (x, y))
    canvas.paste(base.convert("RGBA"), (0, 0))


def blended(canvas, img, cx, cy, alpha=1.0, rot=0.0, scale=1.0):
    if scale != 1.0:
        img = img.resize((max(1, int(img.width * scale)), max(1, int(img.height * scale))), Image.BICUBIC)
    if rot:
        img = img.rotate(-rot, resample=Image.BICUBIC, expand=True)
    if alpha != 1.0:
        img = img.copy()
        img.putalpha(img.getchannel("A").point(lambda v: int(v * alpha)))
    canvas.alpha_composite(img, (int(cx - img.width / 2), int(cy - img.height / 2)))


def bezier(p0, m, p1, t):
    return (p0[0] + 2 * t * (m[0] - p0[0]) + t * t * (p0[0] + p1[0] - 2 * m[0]),
            p0[1] + 2 * t * (m[1] - p0[1]) + t * t * (p0[1] + p1[1] - 2 * m[1]))


def particles_sheet(game, out):
    imgs = particle_images(game)
    rng = random.Random(5)
    W, H = 1024, 640
    sheet = Image.new("RGBA", (W, H), pal.NIGHT_NAVY + (255,))
    grass = table(W // 2, H // 2, seed=4)
    sheet.alpha_composite(grass, (W // 2, 0))
    sheet.alpha_composite(table(W, H // 2, seed=6), (0, H // 2))
    # Each image at 1:1 and 2x, white, on navy (left) and on grass (right).
    for i in sorted(imgs):
        img = imgs[i]
        for side in (0, 1):
            x = 40 + (i % 9) * 54 + side * W // 2
            if i in (7, 8):
                blended(sheet, img, x, 40)
                blended(sheet, img, x, 110, scale=2.0)
            else:
                additive(sheet, img, x, 40)
                additive(sheet, img, x, 110, scale=2.0)
            label(sheet, (x - 8, 160), "p%d" % i, size=12)
    # Sparkles along a pass bow (kind 1: random colours) and a score bow
    # (kind 3: green), as the emitters drop them.
    for kind, p0, p1, m in ((1, (60, 300), (460, 200), (500, 300)), (3, (560, 300), (980, 190), (600, 190))):
        for k in range(68):
            t = min(1.0, k * 0.015)
            x, y = bezier(p0, m, p1, t)
            for _ in range(2 if kind == 1 else 1):
                n = rng.randint(0, 3)
                rgb = (rng.randint(0, 255), rng.randint(0, 255), rng.randint(0, 255)) if kind == 1 \
                    else (0, rng.randint(0, 255), 0)
                life = rng.random()
                additive(sheet, imgs[n], x + rng.randint(-10, 10) * life, y + rng.randint(-10, 10) * life,
                         rgb=rgb, alpha=1 - life, rot=360 * life)
    # The pass-bow arrival burst and a bonus trail of spinning stars.
    blended(sheet, imgs[7], 470, 200, rot=40)
    p0, p1 = (80, 600), (460, 380)
    for k in range(101):
        t = min(1.0, (k + 1) * 0.01)
        x, y = bezier(p0, (p1[0], p0[1]), p1, t)
        age = (100 - k) / 100.0
        if age < 0.4:
            blended(sheet, imgs[8], x + rng.randint(-5, 5), y + rng.randint(-5, 5), alpha=1 - age * 2.5,
                    rot=360 * age)
    # Falling sparks where points are taken from the score, over grass.
    for _ in range(55):
        x0, y0 = 760 + rng.randint(-10, 10), 380 + rng.randint(-10, 10)
        d = rng.randint(30, 80) * (1 if rng.randint(0, 1) else -1)
        h = rng.randint(60, 120)
        life = rng.random()
        x, y = bezier((x0, y0), (x0 + d, y0), (x0 + d, y0 + h), life)
        additive(sheet, imgs[4], x, y, rgb=(rng.randint(200, 255), 0, 0), alpha=1 - life, scale=0.2 + 1.3 * life)
    # A find-the-ball point burst: 120 rays of image 3.
    for k in range(120):
        ang = math.radians(1 + 3 * k)
        life = 0.35 + 0.1 * rng.random()
        x, y = 900 + 80 * life * math.cos(ang), 540 + 80 * life * math.sin(ang)
        rgb = (rng.randint(200, 255), rng.randint(0, 25), rng.randint(0, 25)) if rng.randint(0, 1) else \
            ((lambda v: (v, v, rng.randint(0, 25)))(rng.randint(200, 255)))
        additive(sheet, imgs[3], x, y, rgb=rgb, alpha=1 - life, scale=1 + life)
    # Main-menu stars (images 0 and 1) over navy.
    for k in range(10):
        life = k / 10.0
        v = rng.randint(200, 255)
        additive(sheet, imgs[k % 2], 560 + k * 44, 600, rgb=(v, v, v), alpha=1 - life, scale=0.2 + 1.3 * life)
    imaging.save_png(sheet, os.path.join(out, "particles.png"))


# --- Confetti ---------------------------------------------------------------------

CONFETTI = ["img-1", "img-2", "img-3", "img-blur-1", "img-blur-2", "img-4"]


def confetti_sheet(game, out):
    imgs = [load(game, "gfx/konfetti/%s.png" % n) for n in CONFETTI]
    W, H = 1024, 600
    sheet = Image.new("RGBA", (W, H), pal.NIGHT_NAVY + (255,))
    back = table(W, H, seed=9)
    sheet.alpha_composite(back.crop((0, 0, W, H)))
    shade = Image.new("RGBA", (W, 150), pal.NIGHT_NAVY + (255,))
    sheet.alpha_composite(shade, (0, 0))
    for i, img in enumerate(imgs):
        big = img.resize((img.width * 4, img.height * 4), Image.NEAREST)
        place_centred(sheet, big, 70 + i * 130, 70)
        label(sheet, (40 + i * 130, 130), "%s %dx%d" % (CONFETTI[i], img.width, img.height), size=11)
    rng = random.Random(12)
    for _ in range(260):
        n = rng.randint(0, 5)
        s = rng.uniform(0.5, 1.0)
        sx = math.cos(rng.uniform(0, math.pi))
        img = imgs[n]
        w = max(1, int(abs(img.width * s * sx)))
        piece = img.resize((w, max(1, int(img.height * s))), Image.BICUBIC)
        piece = piece.rotate(rng.uniform(0, 360), resample=Image.BICUBIC, expand=True)
        sheet.alpha_composite(piece, (rng.randint(0, W - 30), rng.randint(160, H - 30)))
    imaging.save_png(sheet, os.path.join(out, "confetti.png"))


def main():
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument("--game-dir", required=True)
    ap.add_argument("--out", default="/tmp/fieldstack-effects")
    ap.add_argument("--only", help="captions, game, points, particles or confetti")
    args = ap.parse_args()
    os.makedirs(args.out, exist_ok=True)
    jobs = {"captions": captions_sheet, "game": game_sheet, "points": points_sheet,
            "particles": particles_sheet, "confetti": confetti_sheet}
    for name, job in jobs.items():
        if args.only and args.only != name:
            continue
        if name in ("particles",) and not os.path.exists(os.path.join(args.game_dir, "data/particles.dat")):
            continue
        if name == "confetti" and not os.path.exists(os.path.join(args.game_dir, "gfx/konfetti/img-1.png")):
            continue
        job(args.game_dir, args.out)


if __name__ == "__main__":
    main()
