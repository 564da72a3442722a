"""Picture helpers shared by the content scripts: gradients, glows, shadows,
supersampled drawing and deterministic, atomic saving.

Everything here is deterministic: the same inputs give the same bytes, so the
build can compare and cache generated files.
"""

import argparse
import os
import sys

from PIL import Image, ImageChops, ImageDraw, ImageFilter


def fail(message):
    """Stops the script with a message the build log shows."""
    sys.stderr.write("content: %s\n" % message)
    sys.exit(1)


def _atomic_save(img, path, **options):
    folder = os.path.dirname(path)
    if folder:
        os.makedirs(folder, exist_ok=True)
    tmp = path + ".tmp"
    img.save(tmp, **options)
    os.replace(tmp, path)


def save_png(img, path):
    """Saves as PNG (no time stamp or other varying chunks)."""
    _atomic_save(img, path, format="PNG", optimize=False, compress_level=9)


def write_pngs(description, pictures):
    """The command line of a script that draws a family of PNGs into one
    folder: reads --out-dir (the first line of description is the help
    text), then saves each (file name, picture) that pictures() gives, in
    order."""
    ap = argparse.ArgumentParser(description=description.splitlines()[0])
    ap.add_argument("--out-dir", required=True)
    args = ap.parse_args()
    for name, img in pictures():
        save_png(img, os.path.join(args.out_dir, name))


def save_jpeg(img, path, quality=90):
    """Saves as a baseline JPEG with full-resolution colour (4:4:4)."""
    _atomic_save(img.convert("RGB"), path, format="JPEG", quality=quality, subsampling=0,
                 optimize=True, progressive=False)


# Pillow's radial gradient reaches 255 at the corners of its square, so the
# inscribed circle's rim has this value.
_RADIAL_RIM = 128 * 255 / (128 * 2 ** 0.5)


def falloff_lut(power=2.0, inner=0.0):
    """A 256-entry table turning a value of Pillow's radial gradient into an
    intensity: 255 at the centre, flat up to inner (a fraction of the radius),
    then (1-d)^power down to 0 at the inscribed circle's rim."""
    lut = []
    for i in range(256):
        d = min(1.0, i / _RADIAL_RIM)
        if d <= inner:
            v = 1.0
        else:
            v = max(0.0, 1.0 - (d - inner) / (1.0 - inner)) ** power
        lut.append(int(round(255 * v)))
    return lut


def radial_mask(width, height, power=2.0, inner=0.0):
    """An L image: an ellipse filling width x height, bright at the centre and
    falling to 0 at its rim."""
    base = Image.radial_gradient("L")  # 256 x 256, 0 at the centre
    base = base.point(falloff_lut(power, inner))
    return base.resize((max(1, int(width)), max(1, int(height))), Image.BICUBIC)


def vertical_mask(width, height, top=0, bottom=255):
    """An L image running from top to bottom (0..255 values) down its height."""
    grad = Image.linear_gradient("L")  # 0 at the top, 255 at the bottom
    lut = [int(round(top + (bottom - top) * i / 255.0)) for i in range(256)]
    return grad.point(lut).resize((max(1, int(width)), max(1, int(height))), Image.BICUBIC)


def vertical_gradient(width, height, stops):
    """An RGB image with colour stops [(t, rgb), ...] down its height (t in 0..1)."""
    img = Image.new("RGB", (1, height))
    px = img.load()
    for y in range(height):
        t = y / max(1, height - 1)
        for i in range(len(stops) - 1):
            t0, c0 = stops[i]
            t1, c1 = stops[i + 1]
            if t0 <= t <= t1:
                f = 0.0 if t1 == t0 else (t - t0) / (t1 - t0)
                px[0, y] = tuple(int(round(c0[k] + (c1[k] - c0[k]) * f)) for k in range(3))
                break
        else:
            px[0, y] = stops[-1][1] if t > stops[-1][0] else stops[0][1]
    return img.resize((width, height), Image.NEAREST)


def _paste_blend(canvas, layer, box_xy, op):
    """Blends an RGB layer onto the canvas at box_xy with op (screen, add,
    multiply...), clipped to the canvas."""
    x, y = box_xy
    w, h = layer.size
    cx0, cy0 = max(0, x), max(0, y)
    cx1, cy1 = min(canvas.width, x + w), min(canvas.height, y + h)
    if cx1 <= cx0 or cy1 <= cy0:
        return
    region = canvas.crop((cx0, cy0, cx1, cy1))
    part = layer.crop((cx0 - x, cy0 - y, cx1 - x, cy1 - y))
    canvas.paste(op(region, part), (cx0, cy0))


def glow(canvas, center, radius_x, radius_y, colour, strength=1.0, power=2.0, inner=0.0):
    """Adds light around center (screen blend): an elliptical glow of the
    colour fading out to the radii."""
    w, h = int(radius_x * 2), int(radius_y * 2)
    mask = radial_mask(w, h, power, inner)
    if strength != 1.0:
        mask = mask.point(lambda v: int(min(255, v * strength)))
    layer = Image.new("RGB", (w, h), colour)
    layer = ImageChops.multiply(layer, Image.merge("RGB", (mask, mask, mask)))
    _paste_blend(canvas, layer, (int(center[0] - radius_x), int(center[1] - radius_y)), ImageChops.screen)


def shade(canvas, mask, colour, opacity=1.0):
    """Darkens or tints the canvas towards colour where the L mask is bright."""
    if opacity != 1.0:
        mask = mask.point(lambda v: int(v * opacity))
    flat = Image.new("RGB", canvas.size, colour)
    canvas.paste(Image.composite(flat, canvas, mask), (0, 0))


def drop_shadow(rgba, blur, opacity=0.6, colour=(0, 0, 0)):
    """An RGBA shadow of an RGBA picture: its alpha blurred, with a margin of
    3 x blur on every side. Returns (shadow, margin)."""
    margin = int(blur * 3)
    alpha = rgba.getchannel("A")
    padded = Image.new("L", (rgba.width + 2 * margin, rgba.height + 2 * margin), 0)
    padded.paste(alpha, (margin, margin))
    padded = padded.filter(ImageFilter.GaussianBlur(blur))
    padded = padded.point(lambda v: int(v * opacity))
    shadow = Image.new("RGBA", padded.size, colour + (0,))
    shadow.putalpha(padded)
    return shadow, margin


def supersampled(width, height, factor, mode="RGBA", fill=(0, 0, 0, 0)):
    """A blank canvas factor times larger, and a draw object on it; shrink it
    back with downsample()."""
    img = Image.new(mode, (width * factor, height * factor), fill)
    return img, ImageDraw.Draw(img)


def downsample(img, factor):
    """Shrinks a supersampled canvas to its final size with good filtering.
    RGBA is filtered premultiplied, so transparent edges get no dark fringe."""
    size = (img.width // factor, img.height // factor)
    if img.mode == "RGBA":
        return img.convert("RGBa").resize(size, Image.LANCZOS).convert("RGBA")
    return img.resize(size, Image.LANCZOS)
