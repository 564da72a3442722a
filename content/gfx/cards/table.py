#!/usr/bin/python3
"""The card furniture of the game screen: the hover frame, the deck holders
and the deck spot markers.

ramka.png      the frame around the card under the pointer: a white 3.5 px
               band just outside the card outline with a soft outer glow,
               8 px larger than a card each way (88 x 116). White so that the
               game can tint it red for the picked card.
deck-holder.png, deck-holder-green.png
               the tray under the deck (184 x 114, drawn with its point
               (140, 57) on the deck's centre). The deck's first card lies on
               that point and later cards walk left, at most one card width,
               so the well spans x 32..176; the round pocket at (20, 54)
               holds the restores counter the game writes there. The well is
               mostly clear so the restore marker under the deck shows
               through. Navy glass with a gold rim, or pitch green with a
               white line.
deck-1.png, deck-2.png
               the card place at each deck spot, in the style of the holder.

Usage: table.py --out-dir <game>/gfx/gui/mainGame
"""

import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from PIL import Image, ImageChops, ImageDraw, ImageFilter  # noqa: E402

import cardart as ca  # noqa: E402
from cardart import fill, pal, imaging  # noqa: E402

S = ca.SS

FRAME_MARGIN = 8                   # the frame is this much larger than a card each way
HOLDER_W, HOLDER_H = 184, 114
HOLDER_HANDLE = (140, 57)
POCKET = (19.5, 54.0, 12.0)        # centre and radius of the restores pocket

STYLES = {
    "navy": {"glass": (pal.NIGHT_HAZE, pal.NIGHT_NAVY), "rim": pal.GOLD_DEEP, "rim_hi": pal.GOLD,
             "line": pal.GOLD, "well": pal.NIGHT_NAVY_DEEP},
    "green": {"glass": (pal.PITCH_GREEN_DARK, pal.PITCH_GREEN_SHADE), "rim": pal.mix(pal.PITCH_LINE_WHITE, pal.PITCH_GREEN_SHADE, 0.25),
              "rim_hi": pal.PITCH_LINE_WHITE, "line": pal.PITCH_LINE_WHITE, "well": pal.scale(pal.PITCH_GREEN_SHADE, 0.6)},
}


def mask_rr(size, box, radius):
    m = Image.new("L", (size[0] * S, size[1] * S), 0)
    x0, y0, x1, y1 = box
    ImageDraw.Draw(m).rounded_rectangle((x0 * S, y0 * S, x1 * S - 1, y1 * S - 1), radius=radius * S, fill=255)
    return m


def mask_disc(size, cx, cy, r):
    m = Image.new("L", (size[0] * S, size[1] * S), 0)
    ImageDraw.Draw(m).ellipse(((cx - r) * S, (cy - r) * S, (cx + r) * S, (cy + r) * S), fill=255)
    return m


# --- Hover frame ----------------------------------------------------------------

def hover_frame():
    size = (ca.W + 2 * FRAME_MARGIN, ca.H + 2 * FRAME_MARGIN)
    img = Image.new("RGBA", (size[0] * S, size[1] * S), (255, 255, 255, 0))
    m = FRAME_MARGIN

    def grown(e):
        return mask_rr(size, (m - e, m - e, m + ca.W + e, m + ca.H + e), ca.RADIUS + e)

    band = ImageChops.subtract(grown(4.5), grown(1.0))
    glow = grown(5.0).filter(ImageFilter.GaussianBlur(1.6 * S))
    glow = ImageChops.subtract(glow, grown(0.0))
    fill(img, glow, (255, 255, 255), 0.55)
    fill(img, band, (255, 255, 255))
    return ca.shrink(img)


# --- Deck holder ---------------------------------------------------------------

def deck_holder(style):
    st = STYLES[style]
    size = (HOLDER_W, HOLDER_H)
    img = Image.new("RGBA", (size[0] * S, size[1] * S), (0, 0, 0, 0))
    body = mask_rr(size, (0.5, 0.5, HOLDER_W - 0.5, HOLDER_H - 0.5), 11.0)
    hx, hy = HOLDER_HANDLE
    well_box = (hx - ca.W / 2 - 72.0, hy - ca.H / 2 - 3.0, hx + ca.W / 2 + 3.0, hy + ca.H / 2 + 3.0)
    well = mask_rr(size, well_box, ca.RADIUS + 2.5)
    px, py, pr = POCKET
    pocket = mask_disc(size, px, py, pr)

    # A soft shadow on the pitch around the tray.
    shadow = ca.shifted(body, 0.0, 2.0).filter(ImageFilter.GaussianBlur(2.5 * S))
    fill(img, shadow, pal.NIGHT_NAVY_DEEP, 0.45)
    # Glass: opaque around the well, nearly clear inside it.
    glass = imaging.vertical_gradient(size[0] * S, size[1] * S, [(0.0, st["glass"][0]), (1.0, st["glass"][1])])
    rim_area = ImageChops.subtract(body, well)
    ca.paint(img, rim_area.point(lambda v: v * 225 // 255), glass)
    ca.paint(img, well.point(lambda v: v * 60 // 255), glass)
    # The well: a dark inner edge so the deck sits in it.
    inner_edge = ImageChops.subtract(well, ca.shifted(well, 0.0, 1.5))
    fill(img, ImageChops.multiply(inner_edge, well), st["well"], 0.9)
    fill(img, ImageChops.subtract(well, mask_rr(size, tuple(v + d for v, d in zip(well_box, (1.2, 1.2, -1.2, -1.2))),
                                                ca.RADIUS + 1.3)), st["line"], 0.55)
    # The pocket for the restores counter.
    fill(img, pocket, st["well"], 0.85)
    fill(img, ImageChops.subtract(pocket, mask_disc(size, px, py, pr - 1.5)), st["line"], 0.9)
    fill(img, ImageChops.subtract(mask_disc(size, px, py, pr + 2.5), mask_disc(size, px, py, pr + 1.5)),
         st["line"], 0.25)
    # Rim: 2 px border, lit along the top.
    fill(img, ImageChops.subtract(body, mask_rr(size, (2.5, 2.5, HOLDER_W - 2.5, HOLDER_H - 2.5), 9.0)), st["rim"])
    top = ImageChops.subtract(body, ca.shifted(body, 0.0, 2.0))
    fill(img, top, st["rim_hi"], 0.9)
    hi = ImageChops.subtract(mask_rr(size, (2.5, 2.5, HOLDER_W - 2.5, HOLDER_H - 2.5), 9.0),
                             mask_rr(size, (3.5, 3.5, HOLDER_W - 3.5, HOLDER_H - 3.5), 8.0))
    fill(img, hi, pal.FLOODLIGHT_COOL, 0.18)
    return ca.shrink(img)


# --- Deck spot markers ---------------------------------------------------------

def spot_marker(style):
    st = STYLES[style]
    img = ca.canvas()
    glass = ca.gradient(st["glass"][0], st["glass"][1]).convert("RGBA")
    ca.paint(img, ca.outline_mask(0).point(lambda v: v * 130 // 255), glass)
    fill(img, ca.ring_mask(1.6, 0.0), st["rim_hi"], 0.9)
    fill(img, ca.ring_mask(2.6, 1.6), st["well"], 0.5)
    # A centre circle with its spot: "a card goes here".
    cx, cy = ca.W / 2, ca.H / 2
    mark = Image.new("L", img.size, 0)
    d = ImageDraw.Draw(mark)
    r = 9.0
    d.ellipse(((cx - r) * S, (cy - r) * S, (cx + r) * S, (cy + r) * S), outline=255, width=int(1.0 * S))
    d.ellipse(((cx - 1.8) * S, (cy - 1.8) * S, (cx + 1.8) * S, (cy + 1.8) * S), fill=255)
    fill(img, mark, st["line"], 0.6)
    return ca.shrink(img)


def main():
    imaging.write_pngs(__doc__, lambda: [
        ("ramka.png", hover_frame()),
        ("deck-holder.png", deck_holder("navy")),
        ("deck-holder-green.png", deck_holder("green")),
        ("deck-1.png", spot_marker("navy")),
        ("deck-2.png", spot_marker("green")),
    ])


if __name__ == "__main__":
    main()
