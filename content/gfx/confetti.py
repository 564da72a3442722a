#!/usr/bin/python3
"""The confetti that rains over the tournament screens: gfx/konfetti/img-1.png,
img-2.png, img-3.png, img-blur-1.png, img-blur-2.png and img-4.png.

Small pieces of paper and foil in the colours of a cup final -- gold, white,
red and blue -- each lit from the top with a fold of light across it. The
game turns them over by squeezing them sideways, so each piece is a little
shaded from one side. The two blurred pieces are out of focus (they fall
slowly, as if nearer the eye); img-4 is a curled ribbon that drifts down.

Usage: confetti.py --out-dir <game>/gfx/konfetti
"""

import math
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tools"))

from PIL import Image, ImageChops, ImageDraw, ImageFilter  # noqa: E402

import imaging  # noqa: E402
import palette as pal  # noqa: E402

SS = 6
BLUE = pal.mix(pal.CARD_BACK_BLUE, pal.FLOODLIGHT_COOL, 0.25)


def _sheen(S, light, mid, dark, angle=0.5):
    """A diagonal light across the piece: dark at one side, a bright fold a
    third of the way, the base colour beyond."""
    grad = Image.new("RGB", (S, S))
    px = grad.load()
    ca, sa = math.cos(angle), math.sin(angle)
    for y in range(S):
        for x in range(S):
            t = ((x - S / 2) * ca + (y - S / 2) * sa) / (S * 0.75) + 0.5
            t = max(0.0, min(1.0, t))
            if t < 0.35:
                c = pal.mix(dark, light, t / 0.35)
            elif t < 0.5:
                c = pal.mix(light, mid, (t - 0.35) / 0.15)
            else:
                c = pal.mix(mid, pal.mix(mid, dark, 0.45), (t - 0.5) / 0.5)
            px[x, y] = c
    return grad


def paper(w, h, light, mid, dark, turn=0.0, blur=0.0):
    """A rectangle of paper w x h, turned by turn degrees, on a canvas just
    big enough to hold it (and its blur)."""
    size = int(math.ceil(max(w, h) * 1.15 + 2 + blur * 4))
    S = size * SS
    shape = Image.new("L", (S, S), 0)
    c = S / 2
    ImageDraw.Draw(shape).rounded_rectangle((c - w * SS / 2, c - h * SS / 2, c + w * SS / 2, c + h * SS / 2),
                                            radius=SS * 0.8, fill=255)
    if turn:
        shape = shape.rotate(turn, resample=Image.BICUBIC)
    colour = _sheen(S // 4, light, mid, dark).resize((S, S), Image.BICUBIC)
    if turn:
        colour = colour.rotate(turn, resample=Image.BICUBIC)
    # A slightly darker edge so white and gold pieces show on bright pictures.
    edge = ImageChops.subtract(shape, shape.filter(ImageFilter.MinFilter(SS // 2 * 2 + 1)))
    colour = Image.composite(Image.new("RGB", (S, S), pal.scale(dark, 0.8)), colour, edge.point(lambda v: v // 2))
    img = colour.convert("RGBA")
    img.putalpha(shape)
    if blur:
        img = img.convert("RGBa").filter(ImageFilter.GaussianBlur(blur * SS)).convert("RGBA")
    return _trim(imaging.downsample(img, SS))


def ribbon(w, h, light, mid, dark):
    """A curled ribbon: a narrow strip waving down its length, its turns
    catching the light."""
    size_w, size_h = w + 4, h + 2
    W, H = size_w * SS, size_h * SS
    shape = Image.new("L", (W, H), 0)
    shade = Image.new("L", (W, H), 0)
    ds, dh = ImageDraw.Draw(shape), ImageDraw.Draw(shade)
    steps = 120
    half = 1.9 * SS
    for i in range(steps + 1):
        t = i / steps
        y = SS + t * (H - 2 * SS)
        x = W / 2 + math.sin(t * math.pi * 2.2) * (w / 2 - 2) * SS
        # The strip's width seen edge-on shrinks where the curl turns.
        face = abs(math.cos(t * math.pi * 2.2))
        r = half * (0.45 + 0.55 * face)
        ds.ellipse((x - r, y - r, x + r, y + r), fill=255)
        dh.ellipse((x - r, y - r, x + r, y + r), fill=int(255 * face))
    colour = Image.new("RGB", (W, H), mid)
    colour = Image.composite(Image.new("RGB", (W, H), light), colour, shade.point(lambda v: max(0, v - 120) * 2))
    colour = Image.composite(Image.new("RGB", (W, H), dark), colour, shade.point(lambda v: max(0, 90 - v) * 2))
    img = colour.convert("RGBA")
    img.putalpha(shape)
    return _trim(imaging.downsample(img, SS))


def _trim(img):
    box = img.getchannel("A").point(lambda v: 255 if v > 2 else 0).getbbox()
    if box is None:
        return img
    x0, y0, x1, y1 = box
    return img.crop((max(0, x0 - 1), max(0, y0 - 1), min(img.width, x1 + 1), min(img.height, y1 + 1)))


def pieces():
    gold = ((255, 246, 196), pal.GOLD, pal.GOLD_DEEP)
    white = ((255, 255, 255), (238, 240, 246), (176, 184, 202))
    red = ((255, 150, 140), pal.CARD_RED, pal.scale(pal.CARD_RED, 0.6))
    blue = ((190, 214, 255), BLUE, pal.CARD_BACK_BLUE_DARK)
    return {
        "img-1.png": paper(10, 15, *gold, turn=12),
        "img-2.png": paper(11, 14, *white, turn=-18),
        "img-3.png": paper(8, 17, *red, turn=8),
        "img-blur-1.png": paper(12, 17, *gold, turn=-10, blur=1.6),
        "img-blur-2.png": paper(12, 17, *blue, turn=15, blur=1.6),
        "img-4.png": ribbon(10, 22, *blue),
    }


def main():
    imaging.write_pngs(__doc__, lambda: sorted(pieces().items()))


if __name__ == "__main__":
    main()
