#!/usr/bin/python3
"""The 52 card faces: one strip per suit, 13 cells of 72 x 100 side by side in
catalogue order (A, K, Q, J, 10 down to 2).

Faces are warm paper with a 1 px edge. Rank and suit sit in the top-left
corner and, turned, in the bottom-right one. The number cards carry their
pips in the classic layouts between the two index columns; the ace a large
pip inside a gold centre circle; the king, queen and jack a large letter over
a football-shirt emblem (crown, star and ball on the chest) on a tinted court
panel.

Usage: faces.py --out-dir <game>/gfx/cards --font <bold condensed TTF>
Writes faces-1.png .. faces-4.png (suits 1 spades, 2 hearts, 3 diamonds, 4 clubs).
"""

import argparse
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from PIL import Image, ImageChops, ImageDraw  # noqa: E402

import cardart as ca  # noqa: E402
from cardart import pal, imaging  # noqa: E402

FACE_TOP = (253, 252, 247)
FACE_BOTTOM = (243, 239, 226)

COURT_CHEST = {"K": "crown", "Q": "star", "J": "ball"}
COURT_BOX = ca.FIELD_BOX   # the tinted panel of the picture cards


def face_blank():
    return ca.card_blank(FACE_TOP, FACE_BOTTOM)


def draw_ace(img, suit):
    colour = ca.SUIT_COLOURS[suit]
    d = ImageDraw.Draw(img)
    cx, cy = 36.0, 50.0
    # The pitch's centre circle in gold, with the halfway line stopping at it.
    ring = ImageDraw.Draw(img)
    r = 17.0
    gold = pal.mix(pal.GOLD_DEEP, FACE_TOP, 0.15)
    ring.ellipse(((cx - r) * ca.SS, (cy - r) * ca.SS, (cx + r) * ca.SS, (cy + r) * ca.SS),
                 outline=gold, width=int(1.1 * ca.SS))
    for x0, x1 in ((cx - r - 4.0, cx - r), (cx + r, cx + r + 4.0)):
        ring.line((x0 * ca.SS, cy * ca.SS, x1 * ca.SS, cy * ca.SS), fill=gold, width=int(1.1 * ca.SS))
    ca.draw_pip(d, ca.SUIT_KINDS[suit], cx, cy, 24.0, colour)


def draw_court(img, rank, suit, font_path):
    colour = ca.SUIT_COLOURS[suit]
    tint = pal.mix(FACE_TOP, pal.GOLD_LIGHT, 0.22)
    tint2 = pal.mix(FACE_BOTTOM, pal.GOLD, 0.22)
    panel = ca.rounded_mask(COURT_BOX, 4.0)
    ca.paint(img, panel, ca.gradient(tint, tint2))
    inner = ca.rounded_mask((COURT_BOX[0] + 1.1, COURT_BOX[1] + 1.1, COURT_BOX[2] - 1.1, COURT_BOX[3] - 1.1), 3.0)
    ca.fill(img, ImageChops.subtract(panel, inner), pal.mix(pal.GOLD_DEEP, FACE_TOP, 0.2))
    # The big letter, capitals' tops at y 15.
    mask, ink_top = ca.text_mask(rank, font_path, 38)
    cap = ca.cap_top_offset(font_path, 38)
    ca.stamp(img, mask, colour, 36.0 * ca.SS - mask.width / 2, 15.0 * ca.SS + (ink_top - cap))
    ca.shirt_emblem(img, 36.0, 57.0, 26.0, colour, COURT_CHEST[rank])


def card_face(rank, suit, font_path):
    img = face_blank()
    if rank == "A":
        draw_ace(img, suit)
    elif rank in COURT_CHEST:
        draw_court(img, rank, suit, font_path)
    else:
        ca.draw_field_frame(img, FACE_TOP)
        ca.draw_number_pips(img, int(rank), suit)
    ca.add_indices(img, ca.index_layer(rank, suit, font_path))
    return ca.shrink(img)


def suit_strip(suit, font_path):
    strip = Image.new("RGBA", (ca.W * len(ca.FIGURES), ca.H), (0, 0, 0, 0))
    for i, rank in enumerate(ca.FIGURES):
        strip.paste(card_face(rank, suit, font_path), (i * ca.W, 0))
    return strip


def main():
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument("--out-dir", required=True)
    ap.add_argument("--font", required=True)
    args = ap.parse_args()
    if not os.path.isfile(args.font):
        imaging.fail("font %s not found" % args.font)
    for suit in (1, 2, 3, 4):
        imaging.save_png(suit_strip(suit, args.font), os.path.join(args.out_dir, "faces-%d.png" % suit))


if __name__ == "__main__":
    main()
