"""The navy glass of the card-game screen's panels: a panel is an L shape mask
(drawn supersampled, then shrunk) rendered as tinted glass with a gold rule,
a cool inner highlight, a faint mesh and a soft shadow; inside it sit dark
LED screens and cream plates for the numbers the game writes on it.

All functions work at the final size; shape masks are drawn FACTOR times
larger for smooth edges.
"""


from PIL import Image, ImageChops, ImageDraw, ImageFilter

import imaging
import palette as pal

FACTOR = 4
GLASS_ALPHA = 0.88


def shape_mask(width, height, draw_fn, factor=FACTOR):
    """An L mask width x height drawn by draw_fn(draw, factor) on a canvas
    factor times larger."""
    big = Image.new("L", (width * factor, height * factor), 0)
    draw_fn(ImageDraw.Draw(big), factor)
    return big.resize((width, height), Image.LANCZOS)


def fillet(mask, radius):
    """Rounds the inner corners where shapes of a mask meet (blur, then cut
    at half), keeping the outline otherwise where it was."""
    blurred = mask.filter(ImageFilter.GaussianBlur(radius))
    return blurred.point(lambda v: max(0, min(255, (v - 128) * 6 + 128)))


def erode(mask, px):
    out = mask
    for _ in range(px):
        out = out.filter(ImageFilter.MinFilter(3))
    return out


def band(mask, outer, inner):
    """The ring of a mask between outer and inner pixels in from its edge."""
    a = erode(mask, outer) if outer else mask
    b = erode(mask, inner)
    return ImageChops.subtract(a, b)


def mesh(width, height, step=4):
    """A fine diagonal cross-hatch, 255 on the threads."""
    m = Image.new("L", (width, height), 0)
    d = ImageDraw.Draw(m)
    for k in range(-height, width + height, step):
        d.line((k, 0, k + height, height), fill=255)
        d.line((k, height, k + height, 0), fill=150)
    return m


def scaled_alpha(mask, f):
    return mask.point(lambda v: int(round(v * f)))


def solid(size, rgb):
    return Image.new("RGB", size, rgb)


def glass(mask, top_rgb=None, bottom_rgb=None, alpha=GLASS_ALPHA, mesh_amount=0.08,
          rule=pal.GOLD, rule_px=2, rule_only_top=True, highlight=0.15, shadow=(12, 0.6), shadow_offset=(0, 0)):
    """Renders a panel: the mask filled with a vertical navy gradient at the
    glass alpha, a faint mesh, a gold rule along its edge (only where the
    edge faces up when rule_only_top), a cool 1-pixel highlight inside the
    rule, and a soft shadow round it. Returns RGBA of the mask's size."""
    w, h = mask.size
    top_rgb = top_rgb or pal.mix(pal.NIGHT_HAZE, pal.NIGHT_NAVY, 0.55)
    bottom_rgb = bottom_rgb or pal.NIGHT_NAVY_DEEP
    out = Image.new("RGBA", (w, h), pal.NIGHT_NAVY_DEEP + (0,))
    if shadow:
        blur, opacity = shadow
        sh = mask.filter(ImageFilter.GaussianBlur(blur))
        sh = ImageChops.offset(sh, *shadow_offset) if shadow_offset != (0, 0) else sh
        out.putalpha(scaled_alpha(sh, opacity))
    fill = imaging.vertical_gradient(w, h, [(0.0, top_rgb), (1.0, bottom_rgb)])
    if mesh_amount:
        fill = Image.composite(solid((w, h), pal.FLOODLIGHT_COOL), fill, scaled_alpha(mesh(w, h), mesh_amount))
    body = fill.convert("RGBA")
    body.putalpha(scaled_alpha(mask, alpha))
    out = Image.alpha_composite(out, body)
    if rule:
        ring = band(mask, 0, rule_px)
        if rule_only_top:
            ring = ImageChops.multiply(ring, faces_up(mask))
        out = paint(out, ring, rule, 1.0)
        if highlight:
            inner = ImageChops.multiply(band(mask, rule_px, rule_px + 1), faces_up(mask))
            out = paint(out, inner, pal.FLOODLIGHT_COOL, highlight)
    return out


def faces_up(mask, reach=3):
    """Where the mask's edge faces up: the mask minus itself moved down."""
    moved = ImageChops.offset(mask, 0, reach)
    # offset wraps round; clear the rows that came in from the bottom
    ImageDraw.Draw(moved).rectangle((0, 0, mask.width, reach - 1), fill=0)
    return ImageChops.subtract(mask, moved).filter(ImageFilter.MaxFilter(3)).point(lambda v: 255 if v > 20 else 0)


def paint(rgba, mask, rgb, opacity=1.0):
    """Paints a colour over an RGBA picture where the L mask is lit,
    raising the alpha there as paint on glass would."""
    layer = Image.new("RGBA", rgba.size, rgb + (0,))
    layer.putalpha(scaled_alpha(mask, opacity))
    return Image.alpha_composite(rgba, layer)


def paste_centred(canvas, img, cx, cy):
    canvas.alpha_composite(img, (int(round(cx - img.width / 2)), int(round(cy - img.height / 2))))


def led_screen(width, height, radius=5, angle=0.0, factor=FACTOR):
    """A dark scoreboard screen: near-black navy with a fine dot matrix, a
    dark rim on top (it sits recessed) and a light lip below."""
    pad = 4
    w, h = width + 2 * pad, height + 2 * pad
    img = Image.new("RGBA", (w, h), (0, 0, 0, 0))
    base = shape_mask(w, h, lambda d, f: d.rounded_rectangle((pad * f, pad * f, (pad + width) * f, (pad + height) * f),
                                                           radius=radius * f, fill=255), factor)
    lip = ImageChops.subtract(ImageChops.offset(base, 0, 1), base)
    img = paint(img, lip, pal.FLOODLIGHT_COOL, 0.35)
    screen = imaging.vertical_gradient(w, h, [(0.0, (6, 10, 22)), (1.0, (12, 20, 40))]).convert("RGBA")
    dots = Image.new("L", (w, h), 0)
    dd = ImageDraw.Draw(dots)
    for y in range(pad + 2, pad + height - 1, 3):
        for x in range(pad + 2, pad + width - 1, 3):
            dd.point((x, y), fill=255)
    screen = Image.composite(Image.new("RGBA", (w, h), (30, 52, 46, 255)), screen, scaled_alpha(dots, 0.5))
    screen.putalpha(base)
    img = Image.alpha_composite(img, screen)
    inner_shadow = ImageChops.multiply(base, ImageChops.invert(ImageChops.offset(base, 0, 3)).filter(
        ImageFilter.GaussianBlur(1.5)))
    img = paint(img, inner_shadow, (0, 0, 0), 0.7)
    if angle:
        img = img.rotate(-angle, resample=Image.BICUBIC, expand=True)
    return img


def cream_plate(width, height, radius=6, angle=0.0, factor=FACTOR):
    """A cream number plate (for the numbers the game writes in black): a
    warm paper face, a gold-deep edge, a soft shadow below."""
    pad = 6
    w, h = width + 2 * pad, height + 2 * pad
    box = lambda d, f, o=0: d.rounded_rectangle(((pad + o) * f, (pad + o) * f, (pad + width - o) * f,  # noqa: E731
                                                 (pad + height - o) * f), radius=max(1, radius - o) * f, fill=255)
    outer = shape_mask(w, h, lambda d, f: box(d, f), factor)
    inner = shape_mask(w, h, lambda d, f: box(d, f, 1.2), factor)
    img = Image.new("RGBA", (w, h), pal.NIGHT_NAVY_DEEP + (0,))
    sh = ImageChops.offset(outer, 0, 2).filter(ImageFilter.GaussianBlur(2))
    img.putalpha(scaled_alpha(sh, 0.7))
    edge = Image.new("RGBA", (w, h), pal.GOLD_DEEP + (0,))
    edge.putalpha(outer)
    img = Image.alpha_composite(img, edge)
    face = imaging.vertical_gradient(w, h, [(0.0, (255, 252, 242)), (1.0, pal.mix(pal.CARD_FACE, pal.CARD_EDGE, 0.55))])
    face = face.convert("RGBA")
    face.putalpha(inner)
    img = Image.alpha_composite(img, face)
    if angle:
        img = img.rotate(-angle, resample=Image.BICUBIC, expand=True)
    return img
