#!/usr/bin/python3
"""The three card backs and the card mask.

A back is a mown pitch seen from above in the back's colour (1 blue, 2 green,
3 deep red), its markings drawn in gold (touchlines, halfway line, centre
circle, penalty and goal areas, the goals), inside a 4 px border of the face
paper. The mask is the card outline filled white: alpha 255 inside, 0
outside, nothing in between, so the overlap test is exact.

Usage: backs.py --out-dir <game>/gfx/cards
Writes card-revers-1.png, card-revers-2.png, card-revers-3.png and mask.png.
"""

import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from PIL import Image, ImageChops, ImageDraw  # noqa: E402

import cardart as ca  # noqa: E402
from cardart import pal, imaging  # noqa: E402

# (light, dark) of each back's field
BACK_COLOURS = {
    1: (pal.CARD_BACK_BLUE, pal.CARD_BACK_BLUE_DARK),
    2: (pal.PITCH_GREEN_DARK, pal.PITCH_GREEN_SHADE),
    3: ((150, 26, 40), (78, 10, 22)),
}
BORDER = 4.0            # paper border, edge included
STRIPES = 10            # mown bands down the field


def pitch_lines(width, height, x0, y0, x1, y1, colour, lw):
    """A transparent supersampled layer with pitch markings filling the box
    (final pixels), goals at the top and bottom ends."""
    s = ca.SS
    layer = Image.new("RGBA", (width * s, height * s), (0, 0, 0, 0))
    d = ImageDraw.Draw(layer)
    w = max(1, int(round(lw * s)))
    cx, cy = (x0 + x1) / 2, (y0 + y1) / 2
    fw = x1 - x0

    def rect(a, b, c, e):
        d.rectangle((a * s, b * s, c * s, e * s), outline=colour, width=w)

    def circle(x, y, r, **kw):
        d.ellipse(((x - r) * s, (y - r) * s, (x + r) * s, (y + r) * s), **kw)

    rect(x0, y0, x1, y1)
    d.line((x0 * s, cy * s, x1 * s, cy * s), fill=colour, width=w)
    circle(cx, cy, fw * 0.17, outline=colour, width=w)
    circle(cx, cy, 1.3, fill=colour)
    box_w, box_d = fw * 0.56, (y1 - y0) * 0.15
    goal_w, goal_d = fw * 0.26, (y1 - y0) * 0.055
    arc_r = fw * 0.15
    for end, sign in ((y0, 1), (y1, -1)):
        far = end + sign * box_d
        rect(cx - box_w / 2, min(end, far), cx + box_w / 2, max(end, far))
        g = end + sign * goal_d
        rect(cx - goal_w / 2, min(end, g), cx + goal_w / 2, max(end, g))
        spot = end + sign * box_d * 0.68
        circle(cx, spot, 0.9, fill=colour)
        # The arc outside the penalty area.
        box = ((cx - arc_r) * s, (spot - arc_r) * s, (cx + arc_r) * s, (spot + arc_r) * s)
        if sign > 0:
            d.arc(box, 38, 142, fill=colour, width=w)
        else:
            d.arc(box, 218, 322, fill=colour, width=w)
        # The goal behind the line.
        gw = fw * 0.14
        rect(cx - gw / 2, min(end, end - sign * 2.2), cx + gw / 2, max(end, end - sign * 2.2))
    for x, y, a0 in ((x0, y0, 0), (x1, y0, 90), (x1, y1, 180), (x0, y1, 270)):
        r = 2.4
        d.arc(((x - r) * s, (y - r) * s, (x + r) * s, (y + r) * s), a0, a0 + 90, fill=colour, width=w)
    return layer


def card_back(number):
    light, dark = BACK_COLOURS[number]
    img = ca.card_blank(pal.CARD_FACE, pal.mix(pal.CARD_FACE, pal.CARD_EDGE, 0.35))
    field = ca.outline_mask(BORDER)
    # The field: lighter toward the top (floodlights), mown bands.
    base = ca.gradient(pal.mix(light, pal.FLOODLIGHT_WHITE, 0.06), pal.mix(light, dark, 0.7)).convert("RGBA")
    bands = Image.new("L", base.size, 0)
    bd = ImageDraw.Draw(bands)
    y0, y1 = BORDER, ca.H - BORDER
    step = (y1 - y0) / STRIPES
    for i in range(0, STRIPES, 2):
        bd.rectangle((0, (y0 + i * step) * ca.SS, base.width, (y0 + (i + 1) * step) * ca.SS - 1), fill=255)
    ca.paint(img, field, base)
    ca.fill(img, ImageChops.multiply(field, bands), pal.FLOODLIGHT_WHITE, 0.07)
    # A soft pool of light over the centre circle.
    glow = imaging.radial_mask(60 * ca.SS, 60 * ca.SS, power=1.6)
    pool = Image.new("L", base.size, 0)
    pool.paste(glow, ((ca.W // 2 - 30) * ca.SS, (ca.H // 2 - 30) * ca.SS))
    ca.fill(img, ImageChops.multiply(field, pool), pal.FLOODLIGHT_WARM, 0.16)
    # Gold markings, with a faint dark line under them so they read on green.
    inset = BORDER + 3.0
    lines = pitch_lines(ca.W, ca.H, inset, inset, ca.W - inset, ca.H - inset, pal.GOLD + (255,), 1.0)
    shadow = lines.getchannel("A").point(lambda v: v * 90 // 255)
    ca.fill(img, ImageChops.multiply(ca.shifted(shadow, 0.0, 0.6), field), dark)
    lines.putalpha(ImageChops.multiply(lines.getchannel("A"), field).point(lambda v: v * 225 // 255))
    img.alpha_composite(lines)
    # Inner edge of the paper border: a thin dark rule around the field.
    ca.fill(img, ca.ring_mask(BORDER + 0.7, BORDER), pal.mix(dark, pal.CARD_INK, 0.3), 0.8)
    return ca.shrink(img)


def card_mask():
    alpha = ca.binary(ca.outline_mask(0).resize((ca.W, ca.H), Image.LANCZOS))
    img = Image.new("RGBA", (ca.W, ca.H), (255, 255, 255, 0))
    img.putalpha(alpha)
    return img


def main():
    imaging.write_pngs(__doc__, lambda: [("card-revers-%d.png" % n, card_back(n)) for n in (1, 2, 3)] +
                       [("mask.png", card_mask())])


if __name__ == "__main__":
    main()
