#!/usr/bin/python3
"""The particle images named by data/particles.dat: gfx/particles/p0..p8.png,
each drawn by its centre.

Most particles are added to the picture as light and tinted by their maker,
so those images are white, with the light in the alpha channel:
  p0  a soft round glow with a hot core (sparkles, main-menu stars)
  p1  a four-ray twinkle (sparkles, main-menu stars)
  p2  a small soft star (sparkles)
  p3  a small bright orb (sparkles, the rays of a point burst)
  p4  an ember (the sparks falling when points are taken away)
  p5  grass bits kicked up (spare)
  p6  a puff of chalk dust (spare)
The two drawn with normal blending and no tint carry their own colour:
  p7  a gold star burst (a pass arriving at the pass meter; it spins fast)
  p8  a little gold star (the trail carrying a bonus to its counter)

Usage: particles.py --out-dir <game>/gfx/particles
"""

import math
import os
import random
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tools"))

from PIL import Image, ImageChops, ImageDraw, ImageFilter  # noqa: E402

import imaging  # noqa: E402
import palette as pal  # noqa: E402

SS = 4
SEED = 1110


def _light(alpha, colour=(255, 255, 255)):
    """A white (or coloured) image whose light is the given L mask."""
    img = Image.new("RGBA", alpha.size, colour + (0,))
    img.putalpha(alpha)
    return img


def _centred(mask, size):
    """An L canvas of size x size with the mask pasted in its middle."""
    full = Image.new("L", (size, size), 0)
    full.paste(mask, ((size - mask.width) // 2, (size - mask.height) // 2))
    return full


def _down(mask):
    return mask.resize((mask.width // SS, mask.height // SS), Image.LANCZOS)


def glow_orb(size, power, core):
    """A round glow: a wide soft falloff and a small bright core."""
    S = size * SS
    soft = imaging.radial_mask(S, S, power=power)
    hot = _centred(imaging.radial_mask(S * core, S * core, power=1.2), S)
    return _down(ImageChops.lighter(soft.point(lambda v: v * 200 // 255), hot))


def _ray(S, angle, length, width, strength):
    """A thin ray of light through the centre, fading toward its tips."""
    ray = Image.new("L", (S, S), 0)
    d = ImageDraw.Draw(ray)
    c = S / 2
    steps = 48
    for i in range(steps, 0, -1):
        t = i / steps
        v = int(255 * strength * (1 - t) ** 1.5)
        dx, dy = math.cos(angle) * length * t / 2, math.sin(angle) * length * t / 2
        d.line((c - dx, c - dy, c + dx, c + dy), fill=v, width=max(1, int(width * (1.2 - t * 0.6))))
    return ray.filter(ImageFilter.GaussianBlur(width * 0.35))


def twinkle(size):
    """Four long rays with four short ones between them, round a hot core."""
    S = size * SS
    m = Image.new("L", (S, S), 0)
    for k in range(4):
        m = ImageChops.lighter(m, _ray(S, k * math.pi / 2, S * 0.98, SS * 1.6, 1.0))
    for k in range(4):
        m = ImageChops.lighter(m, _ray(S, math.pi / 4 + k * math.pi / 2, S * 0.46, SS * 1.2, 0.55))
    core = _centred(imaging.radial_mask(S * 0.42, S * 0.42, power=1.6), S)
    halo = imaging.radial_mask(S, S, power=3.0).point(lambda v: v * 90 // 255)
    m = ImageChops.lighter(ImageChops.lighter(m, core), halo)
    return _down(m)


def _star_polygon(cx, cy, outer, inner, points=5, turn=-math.pi / 2):
    pts = []
    for i in range(points * 2):
        r = outer if i % 2 == 0 else inner
        a = turn + i * math.pi / points
        pts.append((cx + r * math.cos(a), cy + r * math.sin(a)))
    return pts


def soft_star(size):
    """A small five-pointed star of light with a soft edge and halo."""
    S = size * SS
    m = Image.new("L", (S, S), 0)
    ImageDraw.Draw(m).polygon(_star_polygon(S / 2, S / 2 + S * 0.02, S * 0.36, S * 0.15), fill=255)
    m = m.filter(ImageFilter.GaussianBlur(SS * 0.8))
    m = ImageChops.multiply(m, _centred(imaging.radial_mask(S * 0.8, S * 0.8, power=0.7, inner=0.2), S))
    halo = imaging.radial_mask(S, S, power=2.4).point(lambda v: v * 120 // 255)
    return _down(ImageChops.lighter(m, halo))


def ember(size):
    """A glowing ember: a hot diamond-shaped core in a soft oval glow."""
    S = size * SS
    m = Image.new("L", (S, S), 0)
    c = S / 2
    ImageDraw.Draw(m).polygon([(c, c - S * 0.26), (c + S * 0.13, c), (c, c + S * 0.26), (c - S * 0.13, c)], fill=255)
    m = m.filter(ImageFilter.GaussianBlur(SS * 1.0))
    glow = _centred(imaging.radial_mask(S * 0.8, S, power=2.0), S).point(lambda v: v * 170 // 255)
    return _down(ImageChops.lighter(m, glow))


def grass_bits(size, rng):
    """A few blades of cut grass, as a tackle kicks them up."""
    S = size * SS
    img = Image.new("RGBA", (S, S), (0, 0, 0, 0))
    d = ImageDraw.Draw(img)
    for _ in range(5):
        cx, cy = rng.uniform(S * 0.25, S * 0.75), rng.uniform(S * 0.25, S * 0.75)
        a = rng.uniform(0, math.pi)
        ln = rng.uniform(S * 0.16, S * 0.3)
        dx, dy = math.cos(a) * ln / 2, math.sin(a) * ln / 2
        colour = pal.mix(pal.PITCH_GREEN_LIGHT, (170, 220, 120), rng.random() * 0.6)
        d.line((cx - dx, cy - dy, cx + dx, cy + dy), fill=colour + (255,), width=int(SS * 1.6))
    return imaging.downsample(img, SS)


def dust_puff(size, rng):
    """A soft puff of chalk dust made of a few overlapping blobs."""
    S = size * SS
    m = Image.new("L", (S, S), 0)
    for _ in range(7):
        r = rng.uniform(S * 0.14, S * 0.24)
        cx, cy = S / 2 + rng.uniform(-S * 0.16, S * 0.16), S / 2 + rng.uniform(-S * 0.12, S * 0.12)
        blob = imaging.radial_mask(r * 2, r * 2, power=1.3).point(lambda v: v * 150 // 255)
        layer = Image.new("L", (S, S), 0)
        layer.paste(blob, (int(cx - r), int(cy - r)))
        m = ImageChops.lighter(m, layer)
    m = m.filter(ImageFilter.GaussianBlur(SS * 1.5))
    return _down(m)


def star_burst(size):
    """A gold burst: twelve tapering rays round a white-hot star, on a soft
    warm glow. Drawn with normal blending, spinning fast."""
    S = size * SS
    c = S / 2
    rays = Image.new("L", (S, S), 0)
    d = ImageDraw.Draw(rays)
    for k in range(12):
        a = k * math.pi / 6
        ln = S * (0.48 if k % 2 == 0 else 0.34)
        w = S * 0.045
        tip = (c + math.cos(a) * ln, c + math.sin(a) * ln)
        l = (c + math.cos(a + math.pi / 2) * w, c + math.sin(a + math.pi / 2) * w)
        r = (c + math.cos(a - math.pi / 2) * w, c + math.sin(a - math.pi / 2) * w)
        d.polygon([l, tip, r], fill=255)
    rays = rays.filter(ImageFilter.GaussianBlur(SS * 0.6))
    ray_fade = imaging.radial_mask(S, S, power=0.8, inner=0.15)
    rays = ImageChops.multiply(rays, ray_fade)
    star = Image.new("L", (S, S), 0)
    ImageDraw.Draw(star).polygon(_star_polygon(c, c, S * 0.2, S * 0.085), fill=255)
    star = star.filter(ImageFilter.GaussianBlur(SS * 0.5))
    glow = imaging.radial_mask(S * 0.9, S * 0.9, power=2.2)
    glow = _centred(glow, S).point(lambda v: v * 150 // 255)

    out = Image.new("RGBA", (S, S), (0, 0, 0, 0))
    out.alpha_composite(_light(glow, pal.GOLD))
    out.alpha_composite(_light(rays, pal.GOLD_LIGHT))
    out.alpha_composite(_light(star.filter(ImageFilter.MaxFilter(2 * SS + 1)), pal.GOLD))
    out.alpha_composite(_light(star, (255, 252, 232)))
    return imaging.downsample(out, SS)


def gold_star(size):
    """A little gold star with a dark rim and a light top, for trails drawn
    over panels and grass with normal blending."""
    S = size * SS
    c = S / 2
    body = Image.new("L", (S, S), 0)
    ImageDraw.Draw(body).polygon(_star_polygon(c, c + S * 0.03, S * 0.4, S * 0.17), fill=255)
    rim = body.filter(ImageFilter.MaxFilter(int(SS * 1.2) * 2 + 1))
    fill = imaging.vertical_gradient(S, S, [(0.0, (255, 250, 214)), (0.35, pal.GOLD_LIGHT), (0.6, pal.GOLD),
                                           (1.0, pal.GOLD_DEEP)])
    glow = imaging.radial_mask(S, S, power=2.0).point(lambda v: v * 110 // 255)
    out = Image.new("RGBA", (S, S), (0, 0, 0, 0))
    out.alpha_composite(_light(glow, pal.GOLD_LIGHT))
    out.alpha_composite(_light(rim, pal.GOLD_SHADOW))
    top = fill.convert("RGBA")
    top.putalpha(body)
    out.alpha_composite(top)
    return imaging.downsample(out, SS)


def particles():
    rng = random.Random(SEED)
    return [
        _light(glow_orb(32, 2.4, 0.22)),
        _light(twinkle(40)),
        _light(soft_star(24)),
        _light(glow_orb(20, 1.8, 0.35)),
        _light(ember(24)),
        grass_bits(24, rng),
        _light(dust_puff(48, rng), (236, 240, 236)),
        star_burst(80),
        gold_star(22),
    ]


def main():
    imaging.write_pngs(__doc__, lambda: (("p%d.png" % i, img) for i, img in enumerate(particles())))


if __name__ == "__main__":
    main()
