"""Display lettering for the announcements over the table (goal, pass,
perfect...) and for the rising points rows: capitals in the display face with
letter spacing and a slight forward lean, a metal gradient fill with a sheen
on the top half, a fine light rim, a dark navy outline, a soft shadow cast
downwards and an optional coloured glow -- the look of the game's title.

Every function is deterministic and draws supersampled.
"""

from PIL import Image, ImageChops, ImageDraw, ImageFilter, ImageFont

import imaging
import palette as pal

SS = 2  # supersampling of the lettering

# Fill stops (top of the capitals to the baseline), rim, glow and sheen of
# each style. Gold for goals and wins, green for the pass, white for neutral
# news, red for the opponent.
STYLES = {
    "gold": {
        "fill": [(0.0, (255, 248, 214)), (0.30, pal.GOLD_LIGHT), (0.55, pal.GOLD),
                 (0.82, pal.GOLD_DEEP), (1.0, pal.mix(pal.GOLD_DEEP, pal.GOLD_SHADOW, 0.5))],
        "rim": pal.GOLD_LIGHT,
        "glow": (255, 196, 70),
        "sheen": (255, 252, 230),
    },
    "white": {
        "fill": [(0.0, (255, 255, 255)), (0.45, pal.TEXT_WHITE), (0.70, pal.FLOODLIGHT_COOL),
                 (1.0, pal.mix(pal.FLOODLIGHT_COOL, pal.TEXT_MUTED, 0.75))],
        "rim": (255, 255, 255),
        "glow": pal.FLOODLIGHT_COOL,
        "sheen": (255, 255, 255),
    },
    "green": {
        "fill": [(0.0, (244, 255, 232)), (0.32, (200, 246, 170)), (0.62, (128, 212, 104)),
                 (1.0, pal.mix(pal.PITCH_GREEN_LIGHT, pal.PITCH_GREEN_DARK, 0.5))],
        "rim": (214, 255, 190),
        "glow": (120, 220, 100),
        "sheen": (246, 255, 236),
    },
    "red": {
        "fill": [(0.0, (255, 214, 206)), (0.30, (250, 112, 104)), (0.60, pal.CARD_RED),
                 (1.0, pal.scale(pal.CARD_RED, 0.55))],
        "rim": (255, 176, 168),
        "glow": (236, 52, 60),
        "sheen": (255, 236, 232),
    },
}

OUTLINE = pal.scale(pal.NIGHT_NAVY_DEEP, 0.6)


def font(path, size):
    return ImageFont.truetype(path, int(size * SS))


def _text_masks(text, fnt, tracking, stroke, origin, size):
    """The fill and outline masks of a line of capitals drawn letter by letter
    (tracking pixels apart) from origin (left end of the baseline)."""
    fill = Image.new("L", size, 0)
    outline = Image.new("L", size, 0)
    fd, od = ImageDraw.Draw(fill), ImageDraw.Draw(outline)
    x, y = origin
    for ch in text:
        fd.text((x, y), ch, font=fnt, fill=255, anchor="ls")
        od.text((x, y), ch, font=fnt, fill=255, anchor="ls", stroke_width=stroke, stroke_fill=255)
        x += fnt.getlength(ch) + tracking
    return fill, outline


def line_width(text, font_path, size, tracking=0.0):
    """The advance of a line of text at size (final pixels)."""
    fnt = font(font_path, size)
    return (sum(fnt.getlength(ch) for ch in text) + tracking * SS * max(0, len(text) - 1)) / SS


def word(text, font_path, size, style, tracking=0.0, lean=0.12, stroke=3.0, rim=1.0,
         shadow=(0, 4, 4.0, 0.75), glow=(10.0, 0.45), margin=None):
    """One line of display lettering. Sizes are in final pixels: size is the
    font size, tracking the extra space between letters, stroke the width of
    the dark outline, rim the light band inside it, shadow (dx, dy, blur,
    opacity), glow (blur, opacity) or None.

    Returns (image, baseline): an RGBA image holding the whole line with its
    glow, and the (x, y) in it of the left end of the baseline."""
    st = STYLES[style]
    fnt = font(font_path, size)
    cap_top = fnt.getbbox("H", anchor="ls")[1]  # negative: above the baseline
    descent = fnt.getbbox("Q", anchor="ls")[3]
    advance = sum(fnt.getlength(ch) for ch in text) + tracking * SS * max(0, len(text) - 1)
    cap = -cap_top
    if margin is None:
        reach = stroke + rim + (glow[0] * 2.2 if glow else 0) + (abs(shadow[1]) + shadow[2] * 2.5 if shadow else 0)
        margin = int(reach + size * 0.1 + 4)
    m = margin * SS
    lean_px = lean * cap * 0.6
    W = int(advance + 2 * m + 2 * lean_px)
    H = int(cap + descent + 2 * m)
    base = (m + lean_px, m + cap)
    fill, outline = _text_masks(text, fnt, tracking * SS, int(round(stroke * SS)), base, (W, H))

    if lean:
        pivot = base[1] - cap / 2
        shear = (1, lean, -lean * pivot, 0, 1, 0)
        fill = fill.transform(fill.size, Image.AFFINE, shear, resample=Image.BICUBIC)
        outline = outline.transform(outline.size, Image.AFFINE, shear, resample=Image.BICUBIC)

    # The fill: a metal gradient over the height of the capitals, brighter
    # still on the top half (light from the floodlights above).
    top, bottom = int(base[1] - cap), int(base[1] + descent * 0.3)
    grad = imaging.vertical_gradient(W, max(1, bottom - top), st["fill"])
    colour = Image.new("RGB", (W, H), st["fill"][0][1])
    colour.paste(grad, (0, top))
    colour.paste(Image.new("RGB", (W, H - bottom), st["fill"][-1][1]), (0, bottom))
    sheen = Image.new("L", (W, H), 0)
    sheen.paste(imaging.vertical_mask(W, max(1, int(cap * 0.48)), 120, 0), (0, top))
    colour = Image.composite(Image.new("RGB", (W, H), st["sheen"]), colour, sheen)

    out = Image.new("RGBA", (W, H), (0, 0, 0, 0))
    if glow:
        g = outline.filter(ImageFilter.GaussianBlur(glow[0] * SS)).point(lambda v: int(v * glow[1]))
        layer = Image.new("RGBA", (W, H), st["glow"] + (0,))
        layer.putalpha(g)
        out.alpha_composite(layer)
    if shadow:
        dx, dy, blur, opacity = shadow
        s = outline.filter(ImageFilter.GaussianBlur(blur * SS)).point(lambda v: int(v * opacity))
        s = ImageChops.offset(s, int(dx * SS), int(dy * SS))
        layer = Image.new("RGBA", (W, H), pal.NIGHT_NAVY_DEEP + (0,))
        layer.putalpha(s)
        out.alpha_composite(layer)
    dark = Image.new("RGBA", (W, H), OUTLINE + (0,))
    dark.putalpha(outline)
    out.alpha_composite(dark)
    if rim:
        r = int(round(rim * SS))
        band = fill.filter(ImageFilter.MaxFilter(2 * r + 1))
        band = ImageChops.multiply(band, outline)
        layer = Image.new("RGBA", (W, H), st["rim"] + (0,))
        layer.putalpha(band)
        out.alpha_composite(layer)
    body = colour.convert("RGBA")
    body.putalpha(fill)
    out.alpha_composite(body)
    return imaging.downsample(out, SS), (base[0] / SS, base[1] / SS)


def crop_centred(img, threshold=3, pad=2):
    """The picture cut to what is visible, keeping its centre where the
    middle of the visible part is (captions are drawn by their centre)."""
    alpha = img.getchannel("A").point(lambda v: 255 if v > threshold else 0)
    box = alpha.getbbox()
    if box is None:
        return img
    x0, y0, x1, y1 = box
    return img.crop((max(0, x0 - pad), max(0, y0 - pad), min(img.width, x1 + pad), min(img.height, y1 + pad)))


def ink_columns(img, threshold=3):
    """The first and last column (exclusive) holding visible pixels."""
    alpha = img.getchannel("A").point(lambda v: 255 if v > threshold else 0)
    box = alpha.getbbox()
    if box is None:
        return 0, img.width
    return box[0], box[2]
