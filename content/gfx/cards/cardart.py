"""Shared drawing for every card-sized picture: the card outline, the paper
face, suit pips, corner indices and the small emblems of the picture cards.

All cards, pieces, backs, the mask and the deck markers share one size and
one outline (72 x 100 px, corner radius 7 px), so the overlap mask, the hover
test and the drawn pictures always agree. Everything is drawn supersampled
(SS times larger) and shrunk at the end with imaging.downsample().
"""

import math
import os
import sys

_HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(_HERE, "..", "..", "tools"))

from PIL import Image, ImageChops, ImageDraw, ImageFilter, ImageFont  # noqa: E402

import imaging  # noqa: E402
import palette as pal  # noqa: E402

W, H = 72, 100          # every card, piece, back, mask and marker
RADIUS = 7.0            # corner radius of the outline
SS = 8                  # supersampling factor of the drawn geometry

# Suits by the catalogue's colour numbers: 1 and 4 share the ink, 2 and 3 the red.
SUIT_KINDS = {1: "spade", 2: "heart", 3: "diamond", 4: "club"}
SUIT_COLOURS = {1: pal.CARD_INK, 2: pal.CARD_RED, 3: pal.CARD_RED, 4: pal.CARD_INK}

# Figures in catalogue order within a suit (the first 13 records are one suit).
FIGURES = ["A", "K", "Q", "J", "10", "9", "8", "7", "6", "5", "4", "3", "2"]


# --- Canvases and the outline ----------------------------------------------------

def canvas(width=W, height=H, fill=(0, 0, 0, 0)):
    """A supersampled RGBA canvas of width x height final pixels."""
    return Image.new("RGBA", (width * SS, height * SS), fill)


def shrink(img):
    """The supersampled picture at its final size, with no pure black left in
    any visible pixel (faint shadow edges can round to it)."""
    return no_pure_black(imaging.downsample(img, SS))


def no_pure_black(img):
    """Pixels of colour #000000 that are not fully transparent become the
    darkest navy: masked loading turns pure black into holes."""
    r, g, b, a = img.split()
    zero = [c.point(lambda v: 255 if v == 0 else 0) for c in (r, g, b)]
    hit = ImageChops.multiply(ImageChops.multiply(zero[0], zero[1]), ImageChops.multiply(zero[2], a.point(
        lambda v: 255 if v > 0 else 0)))
    if hit.getbbox() is None:
        return img
    navy = Image.new("RGBA", img.size, pal.NIGHT_NAVY_DEEP + (0,))
    navy.putalpha(a)
    return Image.composite(navy, img, hit)


def outline_mask(inset=0.0, width=W, height=H, radius=RADIUS, ox=0.0, oy=0.0):
    """An L mask (supersampled) of the card outline shrunk by inset final
    pixels on every side, placed at (ox, oy) in a width x height picture."""
    m = Image.new("L", (width * SS, height * SS), 0)
    r = max(0.0, radius - inset)
    box = ((ox + inset) * SS, (oy + inset) * SS, (ox + W - inset) * SS - 1, (oy + H - inset) * SS - 1)
    ImageDraw.Draw(m).rounded_rectangle(box, radius=r * SS, fill=255)
    return m


def rounded_mask(box, radius, width=W, height=H):
    """An L mask (supersampled) of a rounded rectangle given in final pixels."""
    m = Image.new("L", (width * SS, height * SS), 0)
    x0, y0, x1, y1 = box
    ImageDraw.Draw(m).rounded_rectangle((x0 * SS, y0 * SS, x1 * SS - 1, y1 * SS - 1),
                                        radius=radius * SS, fill=255)
    return m


def ring_mask(inner, outer, width=W, height=H, radius=RADIUS, ox=0.0, oy=0.0):
    """The band of the outline between two insets (outer < inner)."""
    return ImageChops.subtract(outline_mask(outer, width, height, radius, ox, oy),
                               outline_mask(inner, width, height, radius, ox, oy))


def fill(img, mask, colour, opacity=1.0):
    """Composites a flat colour (RGB or RGBA) onto img through an L mask."""
    rgba = colour if len(colour) == 4 else tuple(colour) + (255,)
    a = mask if rgba[3] == 255 and opacity == 1.0 else \
        mask.point(lambda v, k=rgba[3] / 255.0 * opacity: int(round(v * k)))
    layer = Image.new("RGBA", img.size, rgba[:3] + (0,))
    layer.putalpha(a)
    img.alpha_composite(layer)


def paint(img, mask, source):
    """Composites an RGB(A) picture of img's size onto img through an L mask."""
    layer = source.convert("RGBA")
    alpha = ImageChops.multiply(layer.getchannel("A"), mask)
    layer.putalpha(alpha)
    img.alpha_composite(layer)


def gradient(top, bottom, width=W, height=H):
    """A supersampled vertical gradient picture."""
    return imaging.vertical_gradient(width * SS, height * SS, [(0.0, top), (1.0, bottom)])


def card_blank(face_top, face_bottom, edge=pal.CARD_EDGE):
    """The card body: a 1 px edge around a face with a vertical gradient and
    a faint bevel (light along the top, a touch of shade along the bottom),
    opaque inside the outline and transparent outside it."""
    img = canvas()
    fill(img, outline_mask(0), edge)
    inner = outline_mask(1.0)
    paint(img, inner, gradient(face_top, face_bottom))
    # Bevel: light from the floodlights above, a thin shade at the foot.
    top_band = ImageChops.subtract(inner, shifted(inner, 0, 1.2))
    fill(img, top_band, pal.FLOODLIGHT_WHITE, 0.9)
    foot = ImageChops.subtract(inner, shifted(inner, 0, -1.2))
    fill(img, foot, edge, 0.55)
    return img


def shifted(mask, dx, dy):
    """The mask moved by (dx, dy) final pixels (what leaves is lost)."""
    out = Image.new("L", mask.size, 0)
    out.paste(mask, (int(round(dx * SS)), int(round(dy * SS))))
    return out


def binary(mask_final):
    """A final-size L mask made strictly 0 or 255 (half coverage decides)."""
    return mask_final.point(lambda v: 255 if v >= 128 else 0)


# --- Suit pips ----------------------------------------------------------------

def _heart_curve(n=160):
    """The classic heart curve, point at the bottom, normalised to height 1
    and centred on its box."""
    pts = []
    for i in range(n):
        t = 2 * math.pi * i / n
        x = 16 * math.sin(t) ** 3
        y = -(13 * math.cos(t) - 5 * math.cos(2 * t) - 2 * math.cos(3 * t) - math.cos(4 * t))
        pts.append((x, y))
    return _normalise(pts)


def _normalise(pts):
    xs = [p[0] for p in pts]
    ys = [p[1] for p in pts]
    h = max(ys) - min(ys)
    cx, cy = (max(xs) + min(xs)) / 2, (max(ys) + min(ys)) / 2
    return [((x - cx) / h, (y - cy) / h) for x, y in pts]


def _quad(p0, p1, p2, n=24):
    return [((1 - t) ** 2 * p0[0] + 2 * (1 - t) * t * p1[0] + t * t * p2[0],
             (1 - t) ** 2 * p0[1] + 2 * (1 - t) * t * p1[1] + t * t * p2[1])
            for t in (i / n for i in range(n + 1))]


def _stem(top_y, base_y, half_base):
    """A flared stem: narrow under the pip, wide at the foot, concave sides."""
    left = _quad((-0.035, top_y), (-0.04, base_y - 0.02), (-half_base, base_y))
    right = _quad((half_base, base_y), (0.04, base_y - 0.02), (0.035, top_y))
    return left + right


_HEART = _heart_curve()


def pip_shapes(kind):
    """The pip as a list of ('poly', points) and ('disc', cx, cy, r) parts in
    unit coordinates: height 1 (from -0.5 to 0.5), y down."""
    if kind == "heart":
        return [("poly", [(x * 1.02, y) for x, y in _HEART])]
    if kind == "diamond":
        k = 0.40  # half width
        top, right, bottom, left = (0, -0.5), (k, 0), (0, 0.5), (-k, 0)
        pull = 0.09  # concave sides
        pts = (_quad(top, (k / 2 - pull * 0.6, -0.25 + pull * 0.2), right)
               + _quad(right, (k / 2 - pull * 0.6, 0.25 - pull * 0.2), bottom)
               + _quad(bottom, (-k / 2 + pull * 0.6, 0.25 - pull * 0.2), left)
               + _quad(left, (-k / 2 + pull * 0.6, -0.25 + pull * 0.2), top))
        return [("poly", pts)]
    if kind == "spade":
        body = [(x * 0.98 * 0.80, -y * 0.80 - 0.10) for x, y in _HEART]
        return [("poly", body), ("poly", _stem(0.12, 0.5, 0.20))]
    if kind == "club":
        r = 0.215
        return [("disc", 0.0, -0.27, r), ("disc", -0.235, 0.075, r), ("disc", 0.235, 0.075, r),
                ("poly", [(-0.12, -0.1), (0.12, -0.1), (0.16, 0.13), (-0.16, 0.13)]),
                ("poly", _stem(0.05, 0.5, 0.20))]
    raise ValueError(kind)


def pip_aspect(kind):
    """Width over height of the pip."""
    return {"heart": 1.0, "diamond": 0.80, "spade": 0.86, "club": 0.90}[kind]


def draw_pip(draw, kind, cx, cy, height, colour, flip=False):
    """Draws a pip of the given height (final pixels) centred at (cx, cy)
    (final pixels) on a supersampled draw; flip turns it upside down."""
    s = height * SS
    fy = -1 if flip else 1
    X, Y = cx * SS, cy * SS
    for part in pip_shapes(kind):
        if part[0] == "poly":
            draw.polygon([(X + x * s, Y + fy * y * s) for x, y in part[1]], fill=colour)
        else:
            _, px, py, r = part
            draw.ellipse((X + (px - r) * s, Y + (fy * py - r) * s, X + (px + r) * s, Y + (fy * py + r) * s),
                         fill=colour)


# --- Lettering -----------------------------------------------------------------

def text_mask(text, font_path, size, max_width=None, tracking=0.0):
    """An L mask (supersampled) holding the text's ink only, cropped tight.
    Letters are laid out one by one with the given extra tracking (final
    pixels); when max_width (final pixels) is given and the ink is wider, the
    mask is narrowed to it (tight figures such as "10" stay in their column)."""
    font = ImageFont.truetype(font_path, int(round(size * SS)))
    ascent, descent = font.getmetrics()
    x = 0.0
    glyphs = []
    for ch in text:
        glyphs.append((x, ch))
        x += font.getlength(ch) + tracking * SS
    m = Image.new("L", (int(x + size * SS), ascent + descent), 0)
    d = ImageDraw.Draw(m)
    for gx, ch in glyphs:
        d.text((gx, 0), ch, font=font, fill=255)
    box = m.getbbox()
    m = m.crop(box)
    if max_width is not None and m.width > max_width * SS:
        m = m.resize((int(max_width * SS), m.height), Image.LANCZOS)
    return m, box[1]  # mask, offset of the ink's top below the line's top


def cap_top_offset(font_path, size):
    """Where the top of a capital lies below the line's top (supersampled)."""
    font = ImageFont.truetype(font_path, int(round(size * SS)))
    return font.getbbox("H")[1]


def stamp(img, mask, colour, x, y):
    """Composites colour through a small supersampled mask whose top-left lies
    at (x, y) supersampled pixels."""
    layer = Image.new("RGBA", mask.size, tuple(colour[:3]) + (0,))
    layer.putalpha(mask)
    img.alpha_composite(layer, (int(round(x)), int(round(y))))


# --- Corner indices ------------------------------------------------------------

INDEX_X = 10.5          # centre of the index column
INDEX_TOP = 5.0         # top of the rank's capitals
RANK_SIZE = 22          # rank lettering (bold condensed)
RANK_MAX_W = 16.0       # "10" is narrowed to this
PIP_INDEX_H = 13.0      # the suit pip under the rank (about 14 px of lettering)
PIP_INDEX_GAP = 4.5
CAP_H = 17.0            # capital height of the rank lettering


def index_layer(rank, suit, font_path, colour=None):
    """A transparent supersampled layer with the top-left index (rank over
    suit pip); the bottom-right one is the same layer turned 180 degrees."""
    colour = colour or SUIT_COLOURS[suit]
    layer = canvas()
    cap = cap_top_offset(font_path, RANK_SIZE)
    tracking = -1.4 if len(rank) > 1 else 0.0
    mask, ink_top = text_mask(rank, font_path, RANK_SIZE, RANK_MAX_W, tracking)
    # Capitals' tops line up; a tail below the line ("J", "Q") is pulled up
    # so it keeps clear of the pip.
    top = INDEX_TOP * SS + (ink_top - cap)
    pip_top = INDEX_TOP + CAP_H + PIP_INDEX_GAP
    room = (pip_top - 1.5) * SS - top
    if mask.height > room:
        mask = mask.resize((mask.width, int(room)), Image.LANCZOS)
    stamp(layer, mask, colour, INDEX_X * SS - mask.width / 2, top)
    draw_pip(ImageDraw.Draw(layer), SUIT_KINDS[suit], INDEX_X, pip_top + PIP_INDEX_H / 2, PIP_INDEX_H, colour)
    return layer


def add_indices(img, layer):
    """Puts an index layer in the top-left corner and, turned, bottom-right."""
    img.alpha_composite(layer)
    img.alpha_composite(layer.rotate(180))


# --- Pip layouts of the number cards -------------------------------------------

# Columns and rows of the pip field, in final pixels. The field lies between
# the two index columns; pips below the middle are drawn upside down.
PIP_COLS = {"L": 28.5, "C": 36.0, "R": 43.5}
PIP_TOP, PIP_BOTTOM = 17.0, 83.0
# The pip field's frame: a fine rule that keeps the indices apart from the pips
# (the picture cards put their court panel in the same place).
FIELD_BOX = (20.5, 8.5, 51.5, 91.5)


def _row(f):
    return PIP_TOP + (PIP_BOTTOM - PIP_TOP) * f


# Each layout: (column, row fraction 0..1 from top to bottom).
PIP_LAYOUTS = {
    2: [("C", 0.0), ("C", 1.0)],
    3: [("C", 0.0), ("C", 0.5), ("C", 1.0)],
    4: [("L", 0.0), ("R", 0.0), ("L", 1.0), ("R", 1.0)],
    5: [("L", 0.0), ("R", 0.0), ("C", 0.5), ("L", 1.0), ("R", 1.0)],
    6: [("L", 0.0), ("R", 0.0), ("L", 0.5), ("R", 0.5), ("L", 1.0), ("R", 1.0)],
    7: [("L", 0.0), ("R", 0.0), ("C", 0.25), ("L", 0.5), ("R", 0.5), ("L", 1.0), ("R", 1.0)],
    8: [("L", 0.0), ("R", 0.0), ("C", 0.25), ("L", 0.5), ("R", 0.5), ("C", 0.75),
        ("L", 1.0), ("R", 1.0)],
    9: [("L", 0.0), ("R", 0.0), ("L", 1 / 3), ("R", 1 / 3), ("C", 0.5), ("L", 2 / 3), ("R", 2 / 3),
        ("L", 1.0), ("R", 1.0)],
    10: [("L", 0.0), ("R", 0.0), ("C", 1 / 6), ("L", 1 / 3), ("R", 1 / 3), ("L", 2 / 3), ("R", 2 / 3),
         ("C", 5 / 6), ("L", 1.0), ("R", 1.0)],
}


def pip_height(n):
    """Pip size for a number card: bigger when there are few."""
    return {2: 14.0, 3: 13.5, 4: 12.5, 5: 12.5, 6: 12.0, 7: 11.5, 8: 11.0, 9: 10.5, 10: 10.0}[n]


def draw_field_frame(img, face_colour):
    """The fine rule around the pip field."""
    outer = rounded_mask(FIELD_BOX, 4.0)
    x0, y0, x1, y1 = FIELD_BOX
    inner = rounded_mask((x0 + 0.9, y0 + 0.9, x1 - 0.9, y1 - 0.9), 3.2)
    fill(img, ImageChops.subtract(outer, inner), pal.mix(pal.GOLD_DEEP, face_colour, 0.45))


def draw_number_pips(img, n, suit):
    d = ImageDraw.Draw(img)
    kind, colour = SUIT_KINDS[suit], SUIT_COLOURS[suit]
    h = pip_height(n)
    for col, f in PIP_LAYOUTS[n]:
        draw_pip(d, kind, PIP_COLS[col], _row(f), h, colour, flip=f > 0.5)


# --- Emblems --------------------------------------------------------------------

def shirt_points(cx, top, w):
    """A football shirt (short sleeves, V neck) w final pixels wide, its
    collar at top; returns supersampled polygon points and its height."""
    h = w * 0.92
    u = [(0.37, 0.0), (0.14, 0.08), (0.0, 0.34), (0.15, 0.45), (0.23, 0.36), (0.23, 1.0),
         (0.77, 1.0), (0.77, 0.36), (0.85, 0.45), (1.0, 0.34), (0.86, 0.08), (0.63, 0.0),
         (0.5, 0.16)]
    return [((cx - w / 2 + x * w) * SS, (top + y * h) * SS) for x, y in u], h


def star_points(cx, cy, r_out, r_in, n=5, start=-90.0):
    pts = []
    for i in range(2 * n):
        a = math.radians(start + i * 180.0 / n)
        r = r_out if i % 2 == 0 else r_in
        pts.append(((cx + r * math.cos(a)) * SS, (cy + r * math.sin(a)) * SS))
    return pts


def crown_points(cx, base_y, w, h):
    """A three-pointed crown, base at base_y (final pixels)."""
    x0 = cx - w / 2
    u = [(0.0, 1.0), (0.0, 0.15), (0.25, 0.55), (0.5, 0.0), (0.75, 0.55), (1.0, 0.15), (1.0, 1.0)]
    return [((x0 + x * w) * SS, (base_y - h + y * h) * SS) for x, y in u]


def shirt_emblem(img, cx, top, w, colour, chest):
    """The picture cards' emblem: a shirt in the suit colour with gold trim
    and a chest mark ("crown", "star" or "ball")."""
    d = ImageDraw.Draw(img)
    pts, h = shirt_points(cx, top, w)
    # A soft contact shadow so the emblem sits on the paper.
    sh = Image.new("L", img.size, 0)
    ImageDraw.Draw(sh).polygon([(x + 0.8 * SS, y + 1.0 * SS) for x, y in pts], fill=90)
    fill(img, sh.filter(ImageFilter.GaussianBlur(0.9 * SS)), pal.scale(colour, 0.5))
    d.polygon(pts, fill=colour)
    # Gold trim: collar and sleeve cuffs.
    gold = pal.GOLD_DEEP if colour == pal.CARD_RED else pal.GOLD
    lw = max(1, int(1.1 * SS))
    d.line([pts[0], pts[12], pts[11]], fill=gold, width=lw, joint="curve")
    d.line([pts[2], pts[3]], fill=gold, width=lw)
    d.line([pts[8], pts[9]], fill=gold, width=lw)
    # A lighter panel down one side gives the shirt some form.
    hi = Image.new("L", img.size, 0)
    ImageDraw.Draw(hi).polygon(pts, fill=255)
    band = Image.new("L", img.size, 0)
    ImageDraw.Draw(band).rectangle(((cx - w * 0.27) * SS, top * SS, (cx - w * 0.12) * SS, (top + h) * SS),
                                   fill=70)
    fill(img, ImageChops.multiply(hi, band), pal.FLOODLIGHT_WHITE)
    mx, my = cx, top + h * 0.56
    if chest == "crown":
        d.polygon(crown_points(mx, my + w * 0.13, w * 0.34, w * 0.26), fill=pal.GOLD)
    elif chest == "star":
        d.polygon(star_points(mx, my, w * 0.17, w * 0.075), fill=pal.GOLD)
    elif chest == "ball":
        r = w * 0.14
        d.ellipse(((mx - r) * SS, (my - r) * SS, (mx + r) * SS, (my + r) * SS), fill=pal.BALL_WHITE)
        d.polygon(star_points(mx, my, r * 0.55, r * 0.55, n=5)[::2], fill=pal.BALL_PATCH)
    return h


def polygon_mask(points, size=(W, H)):
    m = Image.new("L", (size[0] * SS, size[1] * SS), 0)
    ImageDraw.Draw(m).polygon(points, fill=255)
    return m
