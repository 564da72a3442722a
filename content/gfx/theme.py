#!/usr/bin/python3
"""The window theme "temat1": the 21 skin pieces named by
gfx/gui/window/temat1.txt, written into gfx/gui/window/.

Navy glass with a gold frame, as every dialog of the game: NIGHT_NAVY glass
at 88 % alpha with radius-10 corners, a 2 px gold border (bright GOLD along
the top edge where the floodlights catch it, GOLD_DEEP down the sides and
darker along the bottom), a 1 px cool highlight just inside it, a glassy
sheen across the top and a soft drop shadow cast downwards. The shadow lies
inside the window's rectangle, so the glass itself is inset by SHADOW_LEFT,
SHADOW_TOP, SHADOW_RIGHT and SHADOW_BOTTOM pixels from the rectangle a GUI
file gives.

The window is drawn from nine pieces: four corners at their size, the top
and bottom edges stretched across, the sides stretched down and the centre
stretched both ways. Every piece is cut from one picture of a whole window,
and the stretched ones are a single row or column of it repeated, so the
pieces meet without a seam at any size of at least MIN_WIDTH x MIN_HEIGHT.

  okno-lu, okno-u, okno-ru, okno-r, okno-rd, okno-d, okno-ld, okno-l,
  okno-srodek                     the window (corners, edges, centre)
  belka-lewo, belka-srodek, belka-prawo
                                  the menu bar: two rounded ends and a 1 px
                                  middle stretched between them
  menu-lu, menu-u, menu-ru, menu-r, menu-rd, menu-d, menu-ld, menu-l,
  menu-srodek                     the drop-down box of a menu

Usage: theme.py --out-dir <game>/gfx/gui/window
"""

import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tools"))

from PIL import Image, ImageChops, ImageDraw, ImageFilter  # noqa: E402

import imaging  # noqa: E402
import palette as pal  # noqa: E402

SS = 4

# --- The window ------------------------------------------------------------------

RADIUS = 10
BORDER = 2
GLASS_ALPHA = 0.88
SHADOW_BLUR = 6.0      # Gaussian radius; the shadow spreads about 12 px
SHADOW_OPACITY = 0.6
SHADOW_DROP = 4        # the shadow falls this far below the glass
SHADOW_LEFT = SHADOW_RIGHT = 14
SHADOW_TOP = 10
SHADOW_BOTTOM = 18
SHEEN = 24             # height of the glassy band under the top edge

# Piece sizes: each corner holds everything that changes along an edge (the
# rounding, the fade of the gold, the sheen, the curve of the shadow), so
# beyond it every row and column of the window repeats.
CORNER_W = 44
TOP_H = 46
BOTTOM_H = 44
STRETCH = 4            # width or height of the stretched pieces
MIN_WIDTH = 2 * CORNER_W + 1
MIN_HEIGHT = TOP_H + BOTTOM_H + 1

PIECES = ["okno-lu", "okno-u", "okno-ru", "okno-r", "okno-rd", "okno-d", "okno-ld", "okno-l", "okno-srodek"]


def _rounded_mask(size, box, radius):
    """An L mask (supersampled) of a rounded rectangle, box in final pixels."""
    m = Image.new("L", (size[0] * SS, size[1] * SS), 0)
    x0, y0, x1, y1 = box
    ImageDraw.Draw(m).rounded_rectangle((x0 * SS, y0 * SS, x1 * SS - 1, y1 * SS - 1), radius=radius * SS, fill=255)
    return m


def _row_colours(height, rows):
    """An RGB column image of one colour per row, from a function of y."""
    col = Image.new("RGB", (1, height))
    px = col.load()
    for y in range(height):
        px[0, y] = rows(y)
    return col


def _ease(t):
    t = max(0.0, min(1.0, t))
    return t * t * (3 - 2 * t)


def window(w, h):
    """A whole window w x h as the theme draws it (shadow margins included)."""
    x0, y0, x1, y1 = SHADOW_LEFT, SHADOW_TOP, w - SHADOW_RIGHT, h - SHADOW_BOTTOM
    outer = _rounded_mask((w, h), (x0, y0, x1, y1), RADIUS)
    inner = _rounded_mask((w, h), (x0 + BORDER, y0 + BORDER, x1 - BORDER, y1 - BORDER), RADIUS - BORDER)
    inner2 = _rounded_mask((w, h), (x0 + BORDER + 1, y0 + BORDER + 1, x1 - BORDER - 1, y1 - BORDER - 1),
                           RADIUS - BORDER - 1)
    W, H = w * SS, h * SS

    # Glass: navy, a little lighter and more opaque under the top edge.
    def glass_row(y):
        t = _ease((y / SS - (y0 + BORDER)) / SHEEN)
        return pal.mix(pal.mix(pal.NIGHT_HAZE, pal.NIGHT_NAVY, 0.35), pal.NIGHT_NAVY, t)

    def glass_alpha(y):
        t = _ease((y / SS - (y0 + BORDER)) / SHEEN)
        return int(round(255 * (0.93 + (GLASS_ALPHA - 0.93) * t)))

    glass_rgb = _row_colours(H, glass_row).resize((W, H), Image.NEAREST)
    glass_a = Image.new("L", (1, H))
    glass_a.putdata([glass_alpha(y) for y in range(H)])
    glass_a = ImageChops.multiply(glass_a.resize((W, H), Image.NEAREST), inner)

    # The gold border: bright along the top, deep down the sides, darker at
    # the bottom.
    def border_row(y):
        yy = y / SS
        top = _ease((yy - y0) / (RADIUS + 4))
        bottom = _ease(((y1 - yy) - 0) / (RADIUS + 4))
        c = pal.mix(pal.GOLD, pal.GOLD_DEEP, top)
        return pal.mix(pal.mix(pal.GOLD_DEEP, pal.GOLD_SHADOW, 0.35), c, bottom)

    border_rgb = _row_colours(H, border_row).resize((W, H), Image.NEAREST)
    border_a = ImageChops.subtract(outer, inner)
    highlight_a = ImageChops.subtract(inner, inner2).point(lambda v: int(v * 0.15))

    panel = Image.new("RGBA", (W, H), (0, 0, 0, 0))
    g = glass_rgb.convert("RGBA")
    g.putalpha(glass_a)
    panel.alpha_composite(g)
    hl = Image.new("RGBA", (W, H), pal.FLOODLIGHT_COOL + (0,))
    hl.putalpha(highlight_a)
    panel.alpha_composite(hl)
    b = border_rgb.convert("RGBA")
    b.putalpha(border_a)
    panel.alpha_composite(b)
    panel = imaging.downsample(panel, SS)

    # The shadow, only where the glass is not (the glass keeps its own alpha).
    shape = imaging.downsample(Image.merge("RGBA", (outer, outer, outer, outer)), SS).getchannel("A")
    shadow_a = ImageChops.offset(shape, 0, SHADOW_DROP)
    shadow_a.paste(0, (0, 0, w, SHADOW_DROP))
    shadow_a = shadow_a.filter(ImageFilter.GaussianBlur(SHADOW_BLUR)).point(lambda v: int(v * SHADOW_OPACITY))
    shadow_a = ImageChops.multiply(shadow_a, shape.point(lambda v: 255 - v))
    out = Image.new("RGBA", (w, h), pal.NIGHT_NAVY_DEEP + (0,))
    out.putalpha(shadow_a)
    out.alpha_composite(panel)
    return out


def _stretch_piece(img, box, horizontal):
    """A piece made of one column (horizontal stretch) or row of img,
    repeated STRETCH times."""
    x0, y0, x1, y1 = box
    if horizontal:
        return img.crop((x0, y0, x0 + 1, y1)).resize((STRETCH, y1 - y0), Image.NEAREST)
    return img.crop((x0, y0, x1, y0 + 1)).resize((x1 - x0, STRETCH), Image.NEAREST)


def nine_slice(img, left, top, right, bottom):
    """The nine pieces of img in the theme's order: top-left, top, top-right,
    right, bottom-right, bottom, bottom-left, left, centre."""
    w, h = img.size
    mx, my = w // 2, h // 2
    centre = img.crop((mx, my, mx + 1, my + 1)).resize((STRETCH, STRETCH), Image.NEAREST)
    return [
        img.crop((0, 0, left, top)),
        _stretch_piece(img, (mx, 0, mx + 1, top), True),
        img.crop((w - right, 0, w, top)),
        _stretch_piece(img, (w - right, my, w, my + 1), False),
        img.crop((w - right, h - bottom, w, h)),
        _stretch_piece(img, (mx, h - bottom, mx + 1, h), True),
        img.crop((0, h - bottom, left, h)),
        _stretch_piece(img, (0, my, left, my + 1), False),
        centre,
    ]


def window_pieces():
    ref = window(2 * CORNER_W + 60, TOP_H + BOTTOM_H + 60)
    return dict(zip(PIECES, nine_slice(ref, CORNER_W, TOP_H, CORNER_W, BOTTOM_H)))


# --- The menu bar ------------------------------------------------------------------

BAR_H = 30
BAR_END = 12


def bar(w):
    """A menu bar w pixels long: navy glass with a light top and a gold rule
    along the bottom, rounded at both ends."""
    shape = _rounded_mask((w, BAR_H), (0, 0, w, BAR_H), 6)
    W, H = w * SS, BAR_H * SS

    def row(y):
        t = y / (H - 1)
        return pal.mix(pal.mix(pal.NIGHT_HAZE, pal.NIGHT_NAVY, 0.3), pal.NIGHT_NAVY_DEEP, t ** 0.8)

    rgb = _row_colours(H, row).resize((W, H), Image.NEAREST)
    alpha = shape.point(lambda v: int(v * 0.94))
    img = rgb.convert("RGBA")
    img.putalpha(alpha)
    rule = Image.new("L", (W, H), 0)
    ImageDraw.Draw(rule).rectangle((0, H - 2 * SS, W, H), fill=255)
    rule = ImageChops.multiply(rule, shape)
    gold = Image.new("RGBA", (W, H), pal.GOLD + (0,))
    gold.putalpha(rule)
    img.alpha_composite(gold)
    top = Image.new("L", (W, H), 0)
    ImageDraw.Draw(top).rectangle((0, SS, W, 2 * SS - 1), fill=int(255 * 0.2))
    top = ImageChops.multiply(top, _rounded_mask((w, BAR_H), (1, 0, w - 1, BAR_H), 6))
    cool = Image.new("RGBA", (W, H), pal.FLOODLIGHT_COOL + (0,))
    cool.putalpha(top)
    img.alpha_composite(cool)
    return imaging.downsample(img, SS)


def bar_pieces():
    ref = bar(2 * BAR_END + 40)
    w = ref.width
    return {
        "belka-lewo": ref.crop((0, 0, BAR_END, BAR_H)),
        # One pixel wide: the bar stretches it by its whole inner length.
        "belka-srodek": ref.crop((w // 2, 0, w // 2 + 1, BAR_H)),
        "belka-prawo": ref.crop((w - BAR_END, 0, w, BAR_H)),
    }


# --- The drop-down box ----------------------------------------------------------------

BOX_CORNER = 8
BOX_PIECES = ["menu-lu", "menu-u", "menu-ru", "menu-r", "menu-rd", "menu-d", "menu-ld", "menu-l", "menu-srodek"]


def box(w, h):
    """A drop-down box: denser navy glass with a fine deep-gold border."""
    outer = _rounded_mask((w, h), (0, 0, w, h), 6)
    inner = _rounded_mask((w, h), (1, 1, w - 1, h - 1), 5)
    inner2 = _rounded_mask((w, h), (2, 2, w - 2, h - 2), 4)
    W, H = w * SS, h * SS
    img = Image.new("RGBA", (W, H), pal.NIGHT_NAVY + (0,))
    img.putalpha(inner.point(lambda v: int(v * 0.97)))
    hl = Image.new("RGBA", (W, H), pal.FLOODLIGHT_COOL + (0,))
    hl.putalpha(ImageChops.subtract(inner, inner2).point(lambda v: int(v * 0.12)))
    img.alpha_composite(hl)
    border = Image.new("RGBA", (W, H), pal.GOLD_DEEP + (0,))
    border.putalpha(ImageChops.subtract(outer, inner))
    img.alpha_composite(border)
    return imaging.downsample(img, SS)


def box_pieces():
    ref = box(2 * BOX_CORNER + 30, 2 * BOX_CORNER + 30)
    return dict(zip(BOX_PIECES, nine_slice(ref, BOX_CORNER, BOX_CORNER, BOX_CORNER, BOX_CORNER)))


def all_pieces():
    pieces = {}
    pieces.update(window_pieces())
    pieces.update(bar_pieces())
    pieces.update(box_pieces())
    return pieces


def main():
    imaging.write_pngs(__doc__, lambda: ((name + ".png", img) for name, img in sorted(all_pieces().items())))


if __name__ == "__main__":
    main()
