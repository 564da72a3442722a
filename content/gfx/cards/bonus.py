#!/usr/bin/python3
"""Bonus overlays and the restore markers under the deck.

The four bonus overlays are card-sized and transparent except a round gold
badge in the lower half of the card carrying a white pictogram: shuffle (two
crossing arrows), retry (a circular arrow), undo (an arrow turning back) and
restore (a deck with a plus). The game draws them over the face of a card
that hides a bonus.

The restore markers lie under the deck at half alpha and show once the deck
is empty: restore_card.png (restores left: a green card place with a circular
arrow) and restore_end.png (none left: a red card place with a bar sign).

Usage: bonus.py --out-dir <game>/gfx/cards
Writes shuffle-card.png, retry-card.png, undo-card.png, restore-card.png,
restore_card.png and restore_end.png.
"""

import math
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from PIL import Image, ImageChops, ImageDraw, ImageFilter  # noqa: E402

import cardart as ca  # noqa: E402
from cardart import pal, imaging  # noqa: E402

S = ca.SS
BADGE_X, BADGE_Y, BADGE_R = 36.0, 71.0, 14.5


def P(x, y):
    return (x * S, y * S)


def blank_mask():
    return Image.new("L", (ca.W * S, ca.H * S), 0)


# --- Pictograms (L masks, drawn around a centre in final pixels) -----------------

def arrow_head(d, tip, angle, size):
    """A filled arrow head with its tip at tip, pointing along angle (degrees)."""
    a = math.radians(angle)
    back = (tip[0] - size * math.cos(a), tip[1] - size * math.sin(a))
    n = (-math.sin(a), math.cos(a))
    w = size * 0.72
    d.polygon([P(*tip), P(back[0] + n[0] * w, back[1] + n[1] * w), P(back[0] - n[0] * w, back[1] - n[1] * w)],
              fill=255)


def tangent_head(d, cx, cy, r, angle, size):
    """An arrow head continuing a clockwise arc of radius r that ends at the
    given angle (degrees, screen coordinates)."""
    a = math.radians(angle)
    end = (cx + r * math.cos(a), cy + r * math.sin(a))
    tip = (end[0] - math.sin(a) * size * 0.8, end[1] + math.cos(a) * size * 0.8)
    arrow_head(d, tip, angle + 90, size)


def stroke(d, pts, width):
    d.line([P(x, y) for x, y in pts], fill=255, width=int(round(width * S)), joint="curve")
    r = width / 2
    for x, y in (pts[0],):
        d.ellipse((P(x - r, y - r) + P(x + r, y + r)), fill=255)


def arc_points(cx, cy, r, a0, a1, n=40):
    return [(cx + r * math.cos(math.radians(a0 + (a1 - a0) * i / n)),
             cy + r * math.sin(math.radians(a0 + (a1 - a0) * i / n))) for i in range(n + 1)]


def pict_shuffle(cx, cy):
    m = blank_mask()
    d = ImageDraw.Draw(m)
    lw = 2.0
    for sgn in (1, -1):
        # An S-bend from the left to the right; the second passes over the
        # first with a little gap, as two ribbons cross.
        pts = []
        for i in range(25):
            t = i / 24
            x = cx - 8.5 + 12.0 * t
            y = cy + sgn * (-4.5 + 9.0 * (3 * t * t - 2 * t * t * t))
            pts.append((x, y))
        pts.append((cx + 5.0, cy + sgn * 4.5))
        if sgn < 0:
            d.line([P(x, y) for x, y in pts[6:19]], fill=0, width=int(round((lw + 2.2) * S)))
        stroke(d, pts, lw)
        arrow_head(d, (cx + 9.0, cy + sgn * 4.5), 0, 4.4)
    return m


def pict_retry(cx, cy):
    m = blank_mask()
    d = ImageDraw.Draw(m)
    r = 6.2
    stroke(d, arc_points(cx, cy, r, -50, 200), 2.3)
    tangent_head(d, cx, cy, r, 200, 5.6)
    return m


def pict_undo(cx, cy):
    m = blank_mask()
    d = ImageDraw.Draw(m)
    # An arrow pointing left whose tail turns down through the right side.
    r = 4.8
    y0 = cy - 3.6
    pts = [(cx - 3.5, y0), (cx + 2.0, y0)] + arc_points(cx + 2.0, y0 + r, r, -90, 90)[1:] + [(cx - 1.5, y0 + 2 * r)]
    stroke(d, pts, 2.3)
    arrow_head(d, (cx - 8.5, y0), 180, 5.4)
    return m


def pict_restore(cx, cy):
    m = blank_mask()
    d = ImageDraw.Draw(m)
    # Two cards of a deck, the front one solid with a plus cut out of it.
    w, h = 9.0, 12.0
    back = (cx - 6.5, cy - 7.5)
    d.rounded_rectangle((P(*back) + P(back[0] + w, back[1] + h)), radius=1.6 * S, outline=255, width=int(1.6 * S))
    front = (cx - 2.5, cy - 4.5)
    d.rounded_rectangle((P(front[0] - 1.2, front[1] - 1.2) + P(front[0] + w + 1.2, front[1] + h + 1.2)),
                        radius=2.4 * S, fill=0)
    d.rounded_rectangle((P(*front) + P(front[0] + w, front[1] + h)), radius=1.6 * S, fill=255)
    px, py = front[0] + w / 2, front[1] + h / 2
    d.rectangle((P(px - 0.9, py - 3.6) + P(px + 0.9, py + 3.6)), fill=0)
    d.rectangle((P(px - 3.6, py - 0.9) + P(px + 3.6, py + 0.9)), fill=0)
    return m


PICTOGRAMS = {"shuffle": pict_shuffle, "retry": pict_retry, "undo": pict_undo, "restore": pict_restore}


# --- The badge ------------------------------------------------------------------

def disc(cx, cy, r):
    m = blank_mask()
    ImageDraw.Draw(m).ellipse((P(cx - r, cy - r) + P(cx + r, cy + r)), fill=255)
    return m


def bonus_overlay(name):
    img = ca.canvas()
    cx, cy, r = BADGE_X, BADGE_Y, BADGE_R
    body = disc(cx, cy, r)
    # Drop shadow on the card below the badge.
    sh = ca.shifted(body, 0.6, 1.4).filter(ImageFilter.GaussianBlur(1.3 * S))
    ca.fill(img, sh, pal.NIGHT_NAVY_DEEP, 0.55)
    ca.fill(img, body, pal.GOLD_SHADOW)
    face = disc(cx, cy, r - 1.0)
    top, bottom = (cy - r) / ca.H, (cy + r) / ca.H
    ca.paint(img, face, imaging.vertical_gradient(ca.W * S, ca.H * S, [
        (0.0, pal.GOLD_LIGHT), (top, pal.GOLD_LIGHT), (top + (bottom - top) * 0.45, pal.GOLD),
        (bottom, pal.GOLD_DEEP), (1.0, pal.GOLD_DEEP)]))
    # A thin light ring inside the rim, and a gloss on the upper half.
    ca.fill(img, ImageChops.subtract(disc(cx, cy, r - 1.6), disc(cx, cy, r - 2.5)), pal.GOLD_LIGHT, 0.8)
    gloss = Image.new("L", img.size, 0)
    ImageDraw.Draw(gloss).ellipse((P(cx - r * 0.75, cy - r * 0.92) + P(cx + r * 0.75, cy - r * 0.05)), fill=255)
    gloss = gloss.filter(ImageFilter.GaussianBlur(1.2 * S))
    ca.fill(img, ImageChops.multiply(gloss, face), pal.FLOODLIGHT_WHITE, 0.35)
    # The pictogram: white with a dark gold outline and a drop.
    pic = PICTOGRAMS[name](cx, cy)
    edge = pic.filter(ImageFilter.MaxFilter(2 * int(0.8 * S) + 1))
    ca.fill(img, ca.shifted(edge, 0.0, 0.8), pal.GOLD_SHADOW, 0.5)
    ca.fill(img, edge, pal.GOLD_SHADOW, 0.95)
    ca.fill(img, pic, pal.TEXT_WHITE)
    return ca.shrink(img)


# --- Restore markers ----------------------------------------------------------

def restore_marker(left):
    """The card place under the deck: restores left (green, circular arrow)
    or none left (red, bar sign)."""
    # Bright, so they still read at the half alpha the game draws them with.
    colour = (160, 246, 150) if left else (255, 96, 96)
    img = ca.canvas()
    ca.fill(img, ca.outline_mask(0), pal.NIGHT_NAVY_DEEP, 0.8)
    ca.fill(img, ca.ring_mask(3.0, 0.5), colour)
    ca.fill(img, ca.outline_mask(3.0), colour, 0.25)
    cx, cy = 36.0, 50.0
    m = blank_mask()
    d = ImageDraw.Draw(m)
    if left:
        # Two arrows chasing round a circle: the deck comes back.
        r = 13.0
        for a0 in (-70, 110):
            pts = arc_points(cx, cy, r, a0, a0 + 140)
            stroke(d, pts, 4.6)
            tangent_head(d, cx, cy, r, a0 + 140, 9.0)
    else:
        r = 14.0
        d.ellipse((P(cx - r, cy - r) + P(cx + r, cy + r)), fill=255)
        d.ellipse((P(cx - r + 4.2, cy - r + 4.2) + P(cx + r - 4.2, cy + r - 4.2)), fill=0)
        bar = Image.new("L", m.size, 0)
        ImageDraw.Draw(bar).rectangle((P(cx - r + 1, cy - 2.1) + P(cx + r - 1, cy + 2.1)), fill=255)
        m = ImageChops.lighter(m, bar.rotate(45, resample=Image.BICUBIC, center=P(cx, cy)))
    ca.fill(img, ca.shifted(m, 0.0, 1.0).filter(ImageFilter.GaussianBlur(0.8 * S)), pal.NIGHT_NAVY_DEEP, 0.7)
    ca.fill(img, m, colour)
    return ca.shrink(img)


def main():
    imaging.write_pngs(__doc__, lambda: [("%s-card.png" % name, bonus_overlay(name))
                                         for name in ("shuffle", "retry", "undo", "restore")] +
                       [("restore_card.png", restore_marker(True)), ("restore_end.png", restore_marker(False))])


if __name__ == "__main__":
    main()
