#!/usr/bin/python3
"""The table backgrounds of the card game: gfx/backgrounds/background-<n>.jpg,
1024 x 768. Each is a pitch seen from straight above in its own light and
mowing pattern. The area the layouts use (x 100..924, y 90..640) stays calm
and mid-dark so 72 x 100 cards read on it; detail (goals, cones, reflections)
lives toward the edges, which darken into night navy.

  1  floodlit night, the whole pitch, stripes across its length
  2  sunny afternoon, the centre circle, checkerboard mowing, stand shadow
  3  dusk, one penalty area and goal, diagonal stripes, low warm sun
  4  rain at night, wet sheen and floodlight reflections, lengthwise stripes
  5  training ground on an overcast morning: worn grass, practice grids, cones
  6  snow-dusted winter night: a thin powder in the middle, banks by the lines
  7  cup final night: diamond mowing, warm gold floodlights, confetti by the lines

Usage: table_backgrounds.py --style <n> --out <file.jpg> [--preview <file.png>]
"""

import argparse
import math
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tools"))

import numpy as np  # noqa: E402
from PIL import Image, ImageFilter  # noqa: E402

import imaging  # noqa: E402
import palette as pal  # noqa: E402
import shapes  # noqa: E402
import table_pitch as tp  # noqa: E402

W, H = 1024, 768
QUALITY = 89


def brightness(rng, stripe_grain=-3, patch=0.045, blades=0.06, cells=(170, 64, 22)):
    """The grass's brightness modulation: broad patches and blade grain."""
    n = tp.fractal_noise(rng, W, H, cells, (1.0, 0.6, 0.35))
    g = tp.grain(rng, W, H, stripe_grain)
    return 1.0 + patch * n + blades * g


def paint(rgb, alpha, colour):
    return tp.mix(rgb, colour, np.clip(alpha, 0.0, 1.0))


def worn(rng, amount=0.2, cell=9):
    """A 0..1 field that thins painted lines where they have worn."""
    return np.clip(1.0 - amount * (0.5 + 0.5 * tp.smooth_noise(rng, W, H, cell)), 0.0, 1.0)


def shadow_of(alpha, dx, dy, blur):
    """A soft shadow field of an alpha field, cast by (dx, dy) pixels."""
    img = Image.fromarray((np.clip(alpha, 0, 1) * 255).astype(np.uint8), "L")
    moved = Image.new("L", (W, H), 0)
    moved.paste(img, (int(dx), int(dy)))
    moved = moved.filter(ImageFilter.GaussianBlur(blur))
    return np.asarray(moved, np.float32) / 255.0


def floodlight_pool(view, cx, cy, rx, ry, power=1.6):
    d = tp.elliptic_distance(view, cx, cy, rx, ry)
    return np.clip(1.0 - d, 0.0, 1.0) ** power


def finish(rgb, view, vignette_amount, inner=0.52, outer=1.32, colour=pal.NIGHT_NAVY_DEEP, cy=360.0):
    """Edges darkened into the night; the bottom, under the game's panel,
    falls off a little sooner."""
    v = tp.vignette(view, inner, outer, cy=cy)
    return tp.mix(rgb, colour, vignette_amount * v)


def desaturate(rgb, keep):
    lum = (rgb * tp.tint((0.3, 0.59, 0.11))).sum(axis=2, keepdims=True)
    return lum + (rgb - lum) * keep


def goals(rgb, view, post_px=2.6, shadow=(2, 4, 2.0), net_alpha=0.45):
    frame, net = tp.goal_frames(view, post_px=post_px)
    rgb *= (1.0 - 0.45 * shadow_of(np.maximum(frame, net * 0.6), *shadow))[..., None]
    rgb = paint(rgb, net * net_alpha, pal.PITCH_LINE_WHITE)
    return paint(rgb, frame * 0.9, pal.BALL_WHITE)


def scatter(rng, count, box, avoid=(100, 90, 924, 640)):
    """Random points in box (x0, y0, x1, y1) that keep out of the layout
    area."""
    pts = []
    while len(pts) < count:
        x, y = rng.uniform(box[0], box[2]), rng.uniform(box[1], box[3])
        if avoid[0] - 10 < x < avoid[2] + 10 and avoid[1] - 10 < y < avoid[3] + 10:
            continue
        pts.append((float(x), float(y)))
    return pts


def drawn_layer(draw_fn, factor=4):
    """An RGBA layer drawn supersampled by draw_fn(draw, factor)."""
    img, d = imaging.supersampled(W, H, factor)
    draw_fn(d, factor)
    return imaging.downsample(img, factor)


def over(rgb, layer):
    a = np.asarray(layer.getchannel("A"), np.float32)[..., None] / 255.0
    c = np.asarray(layer.convert("RGB"), np.float32)
    return rgb * (1.0 - a) + c * a


# --- 1: floodlit night ------------------------------------------------------

def night(rng):
    view = tp.View(W, H, 9.0, (512, 352))
    stripe = tp.stripes(view.u, 105.0 / 20)
    rgb = tp.grass(stripe, (60, 138, 54), (44, 112, 44), brightness(rng, -3))
    outside = (np.abs(view.u) > tp.HALF_LENGTH + 0.3) | (np.abs(view.v) > tp.HALF_WIDTH + 0.3)
    rgb *= np.where(outside, 0.86, 1.0)[..., None]
    lines = tp.pitch_markings(view, min_px=2.0) * worn(rng, 0.25) * 0.48
    rgb = paint(rgb, lines, pal.PITCH_LINE_WHITE)
    rgb = goals(rgb, view)
    # Floodlit: an even pool over the pitch, four towers' glow past the corners.
    light = 0.64 + 0.3 * floodlight_pool(view, 512, 340, 720, 540, 1.2)
    rgb *= light[..., None]
    for cx, cy in ((-60, -50), (1084, -50), (-60, 820), (1084, 820)):
        glow = floodlight_pool(view, cx, cy, 460, 400, 2.0)
        rgb += (glow * 46.0)[..., None] * tp.tint((0.8, 0.9, 1.0))
    rgb = desaturate(rgb, 0.86) * tp.tint((0.94, 0.99, 1.05))
    return finish(rgb, view, 0.9, inner=0.42)


# --- 2: sunny afternoon -----------------------------------------------------

def day(rng):
    view = tp.View(W, H, 12.0, (512, 372))
    a = tp.stripes(view.u, 105.0 / 20, sharpness=4.0)
    b = tp.stripes(view.v, 68.0 / 12, sharpness=4.0)
    checker = 0.5 + 2.0 * (a - 0.5) * (b - 0.5)
    stripe = 0.25 * a + 0.75 * checker
    rgb = tp.grass(stripe, (74, 146, 58), (62, 130, 51), brightness(rng, 2, patch=0.04, blades=0.055))
    lines = tp.pitch_markings(view, min_px=2.2) * worn(rng, 0.2) * 0.5
    rgb = paint(rgb, lines, pal.PITCH_LINE_WHITE)
    rgb *= tp.tint((1.02, 0.98, 0.86))
    # The main stand's roof shades the top edge; its front trusses leave a
    # row of soft teeth along the shadow's edge.
    x = view.px
    teeth = np.abs(((x + 30) / 128.0) % 1.0 - 0.5) * 2.0
    edge = 64 - 30 * (x / W) + 9 * teeth ** 3
    shade_amt = 1.0 - tp.smoothstep(-16, 20, view.py - edge)
    shade_rgb = tp.tint((0.58, 0.64, 0.78))
    rgb = rgb * (1.0 - shade_amt[..., None]) + rgb * shade_rgb * shade_amt[..., None]
    light = 0.8 + 0.2 * floodlight_pool(view, 600, 420, 820, 620, 1.1)
    rgb *= light[..., None]
    sun = floodlight_pool(view, 1060, 820, 700, 560, 1.6)
    rgb += (sun * 26.0)[..., None] * tp.tint((1.0, 0.86, 0.5))
    rgb = desaturate(rgb, 0.88)
    return finish(rgb, view, 0.72, inner=0.5, colour=(10, 26, 24))


# --- 3: dusk, a penalty area --------------------------------------------------

def dusk(rng):
    view = tp.View(W, H, 13.0, (512, 58), (-tp.HALF_LENGTH, 0.0), angle=90.0)
    diag = (view.u + view.v) / math.sqrt(2.0)
    stripe = tp.stripes(diag, 5.0, sharpness=4.5)
    rgb = tp.grass(stripe, (70, 140, 56), (54, 116, 46), brightness(rng, 2))
    beyond = view.u < -tp.HALF_LENGTH - 0.3
    rgb *= np.where(beyond, 0.88, 1.0)[..., None]
    lines = tp.pitch_markings(view, min_px=2.4) * worn(rng, 0.22) * 0.55
    rgb = paint(rgb, lines, pal.PITCH_LINE_WHITE)
    # The goal and its long shadow to the left, cast by the setting sun:
    # each post throws a line, the crossbar a line joining their ends, and
    # the net a thin veil between.
    frame, net = tp.goal_frames(view, post_px=3.2)
    post_l, post_r, line_y = 512 - tp.GOAL_HALF * 13.0, 512 + tp.GOAL_HALF * 13.0, 58.0
    reach = (-168.0, -22.0)

    def cast(d, f):
        a, b = (post_l, line_y), (post_r, line_y)
        a2, b2 = (post_l + reach[0], line_y + reach[1]), (post_r + reach[0], line_y + reach[1])
        pts = [(x * f, y * f) for x, y in (a, b, b2, a2)]
        d.polygon(pts, fill=(0, 0, 0, 60))
        for p0, p1 in ((a, a2), (b, b2), (a2, b2)):
            d.line((p0[0] * f, p0[1] * f, p1[0] * f, p1[1] * f), fill=(0, 0, 0, 150), width=3 * f)
    goal_shadow = drawn_layer(cast).getchannel("A").filter(ImageFilter.GaussianBlur(1.6))
    goal_shadow = np.asarray(goal_shadow, np.float32) / 255.0
    rgb *= (1.0 - 0.75 * goal_shadow)[..., None]
    rgb *= (1.0 - 0.35 * shadow_of(np.maximum(frame, net * 0.6), -2, 3, 1.5))[..., None]
    rgb = paint(rgb, net * 0.5, pal.PITCH_LINE_WHITE)
    rgb = paint(rgb, frame * 0.92, pal.BALL_WHITE)
    # Warm low light from the right, cool violet shade to the left.
    t = np.clip(view.px / W, 0.0, 1.0)[..., None]
    left, right = tp.tint((0.55, 0.56, 0.8)), tp.tint((1.2, 0.88, 0.56))
    rgb *= left + (right - left) * (t ** 1.4)
    sun = floodlight_pool(view, 1160, 230, 760, 660, 1.8)
    rgb += (sun * 60.0)[..., None] * tp.tint((1.0, 0.6, 0.26))
    rgb *= (0.8 + 0.2 * floodlight_pool(view, 560, 330, 760, 600, 1.1))[..., None]
    rgb = desaturate(rgb, 0.85)
    return finish(rgb, view, 0.85, inner=0.46, colour=(22, 12, 30))


# --- 4: rain at night -------------------------------------------------------

def rain(rng):
    view = tp.View(W, H, 10.0, (512, 360))
    stripe = tp.stripes(view.v, 68.0 / 12, sharpness=4.0)
    rgb = tp.grass(stripe, (44, 118, 60), (32, 96, 48), brightness(rng, 3, patch=0.04, blades=0.07))
    edge = tp.vignette(view, 0.45, 1.1)
    field = tp.fractal_noise(rng, W, H, (110, 44, 16), (1.0, 0.55, 0.3)) + 3.0 * edge
    puddle = tp.smoothstep(2.2, 2.8, field) * tp.smoothstep(0.35, 0.8, edge)
    lines = tp.pitch_markings(view, min_px=2.0) * worn(rng, 0.3) * 0.45
    rgb = paint(rgb, lines, (222, 232, 236))
    rgb = goals(rgb, view, net_alpha=0.4)
    # Standing water by the touchlines mirrors the night sky.
    rgb = paint(rgb, puddle * 0.7, (20, 34, 50))
    rgb *= (0.6 + 0.3 * floodlight_pool(view, 512, 350, 720, 540, 1.2))[..., None]
    rgb = desaturate(rgb, 0.8) * tp.tint((0.9, 0.98, 1.08))
    rgb = finish(rgb, view, 0.86, inner=0.46)
    # The four floodlight banks mirrored in the wet grass: glossy sheens in
    # the corners, glittering on the blades and sharp in the water.
    sparkle = np.clip(tp.smooth_noise(rng, W, H, 1.5), 0.0, None)
    shine = np.zeros((H, W), np.float32)
    for cx, cy in ((40, 40), (984, 40), (40, 728), (984, 728)):
        shine += floodlight_pool(view, cx, cy, 330, 250, 1.8)
    wet = shine * (0.6 + 0.35 * sparkle) * (1.0 - puddle) + shine * puddle * 2.4
    rim = np.clip(tp.smoothstep(0.05, 0.35, puddle) - tp.smoothstep(0.45, 0.9, puddle), 0.0, 1.0)
    rgb += ((np.clip(wet, 0, 2.4) + rim * (0.25 + shine)) * 40.0)[..., None] * tp.tint((0.78, 0.9, 1.0))
    # Rain: rings on the water, and faint streaks caught by the lights,
    # falling toward the eye (so they point out from the middle).
    ring_pts = [p for p in scatter(rng, 600, (6, 6, W - 6, H - 6)) if puddle[int(p[1]), int(p[0])] > 0.7][:45]
    streaks = scatter(rng, 260, (0, 0, W, H), avoid=(180, 150, 844, 580))

    def weather(d, f):
        for x, y in ring_pts:
            r = float(rng.uniform(2.5, 6.0))
            for k, a in ((1.0, 90), (1.9, 40)):
                d.ellipse(((x - r * k) * f, (y - r * k) * f, (x + r * k) * f, (y + r * k) * f),
                          outline=(196, 220, 244, a), width=f)
        for x, y in streaks:
            dx, dy = x - 512, y - 370
            n = math.hypot(dx, dy) or 1.0
            length = float(rng.uniform(8, 22)) * min(1.0, n / 400)
            ex, ey = x + dx / n * length, y + dy / n * length
            d.line((x * f, y * f, ex * f, ey * f), fill=(206, 224, 250, int(rng.uniform(24, 60))), width=f)
    return over(rgb, drawn_layer(weather))


# --- 5: training ground ------------------------------------------------------

def training(rng):
    view = tp.View(W, H, 11.0, (470, 372))
    stripe = tp.stripes(view.u, 10.0, sharpness=2.0)
    rgb = tp.grass(stripe, (70, 132, 52), (62, 120, 48), brightness(rng, 2, patch=0.06, blades=0.065))
    # Worn ground: goalmouths, the centre and the drill lanes.
    wear_noise = tp.fractal_noise(rng, W, H, (90, 30, 10), (1.0, 0.7, 0.5))
    u, v = view.u, view.v
    hot = np.exp(-((np.abs(u) - 48) ** 2 / 40 + v ** 2 / 30)) + 0.6 * np.exp(-(u ** 2 + v ** 2) / 60)
    hot += 0.5 * np.exp(-((v + 24) ** 2) / 8) * (np.abs(u + 6) < 30)
    wear = np.clip(hot * 0.7 + 0.25 * wear_noise - 0.15, 0.0, 0.7)
    rgb = paint(rgb, wear * 0.38, (112, 104, 66))
    lines = tp.pitch_markings(view, min_px=2.0) * worn(rng, 0.45) * 0.34
    rgb = paint(rgb, lines, pal.PITCH_LINE_WHITE)
    grid_y = tp.rect_outline(view, -34.0, -18.0, -8.0, 14.0, 0.1, 2.0) * worn(rng, 0.4) * 0.5
    rgb = paint(rgb, grid_y, (236, 206, 70))
    grid_b = tp.rect_outline(view, 6.0, -22.0, 30.0, 8.0, 0.1, 2.0) * worn(rng, 0.4) * 0.45
    rgb = paint(rgb, grid_b, (90, 160, 230))
    rgb = goals(rgb, view)
    # Overcast: soft, even, a little grey.
    rgb *= (0.74 + 0.2 * floodlight_pool(view, 500, 360, 800, 600, 1.0))[..., None]
    rgb = desaturate(rgb, 0.78) * tp.tint((0.98, 1.0, 1.0))
    rgb = finish(rgb, view, 0.78, inner=0.5, colour=(12, 22, 26))
    # Disc cones along the top and in the corners, two balls by the cones.
    top = [(120 + i * 88, 52 + (6 if i % 2 else 0)) for i in range(10)]
    corner = [(40, 700), (70, 728), (990, 640), (960, 690), (40, 120), (984, 150)]
    colours = [(246, 128, 34), (250, 210, 40)]
    balls = [(78, 34), (944, 718)]

    def cones(d, f):
        for i, (x, y) in enumerate(top + corner):
            c = colours[i % 2]
            r = 5.2
            d.ellipse(((x - r + 1.5) * f, (y - r + 2.5) * f, (x + r + 1.5) * f, (y + r + 2.5) * f), fill=(0, 0, 0, 80))
            d.ellipse(((x - r) * f, (y - r) * f, (x + r) * f, (y + r) * f), fill=c + (255,))
            d.ellipse(((x - r * 0.55) * f, (y - r * 0.6) * f, (x + r * 0.2) * f, (y - r * 0.05) * f),
                      fill=pal.scale(c, 1.25) + (140,))
            d.ellipse(((x - 1.6) * f, (y - 1.6) * f, (x + 1.6) * f, (y + 1.6) * f), fill=pal.scale(c, 0.55) + (255,))
        for x, y in balls:
            r = 6
            d.ellipse(((x - r + 2) * f, (y - r + 3) * f, (x + r + 2) * f, (y + r + 3) * f), fill=(0, 0, 0, 90))
    layer = drawn_layer(cones)
    for x, y in balls:
        ball = shapes.football(13)
        layer.alpha_composite(ball, (int(x - 6.5), int(y - 6.5)))
    return over(rgb, layer)


# --- 6: snow-dusted winter night ----------------------------------------------

def snow(rng):
    view = tp.View(W, H, 10.0, (512, 356))
    stripe = tp.stripes(view.u, 105.0 / 16, sharpness=3.0)
    rgb = tp.grass(stripe, (56, 112, 64), (46, 98, 56), brightness(rng, 2, patch=0.05, blades=0.06))
    lines = tp.pitch_markings(view, min_px=2.2) * worn(rng, 0.3) * 0.5
    rgb = paint(rgb, lines, (236, 244, 252))
    # Snow: a powdery dusting in soft clumps, thin over the middle, thicker
    # toward the touchlines, where it has been swept into banks.
    edge = tp.vignette(view, 0.3, 1.2)
    clumps = tp.fractal_noise(rng, W, H, (60, 18, 6), (1.0, 0.8, 0.6))
    powder = tp.grain(rng, W, H, 1)
    cover = 0.1 + 0.8 * edge
    dust = tp.smoothstep(-3.0, 3.0, 0.55 * clumps + 6.0 * (cover - 0.5))
    snow_amt = np.clip((0.08 + 0.85 * dust) * (0.85 + 0.15 * powder), 0.0, 0.9)
    rgb = paint(rgb, snow_amt, (222, 232, 244))
    rgb = goals(rgb, view, net_alpha=0.5)
    rgb *= (0.6 + 0.34 * floodlight_pool(view, 512, 350, 700, 540, 1.2))[..., None]
    rgb = desaturate(rgb, 0.78) * tp.tint((0.88, 0.97, 1.1))
    return finish(rgb, view, 0.84, inner=0.48, colour=(8, 14, 34))


# --- 7: cup final -----------------------------------------------------------

def final(rng):
    view = tp.View(W, H, 8.6, (512, 356))
    a = tp.stripes((view.u + view.v) / math.sqrt(2.0), 6.0, sharpness=3.5)
    b = tp.stripes((view.u - view.v) / math.sqrt(2.0), 6.0, sharpness=3.5)
    stripe = 0.5 + 2.0 * (a - 0.5) * (b - 0.5)
    rgb = tp.grass(stripe, (64, 140, 54), (48, 116, 44), brightness(rng, 2))
    outside = (np.abs(view.u) > tp.HALF_LENGTH + 0.3) | (np.abs(view.v) > tp.HALF_WIDTH + 0.3)
    rgb *= np.where(outside, 0.84, 1.0)[..., None]
    lines = tp.pitch_markings(view, min_px=2.0) * worn(rng, 0.15) * 0.52
    rgb = paint(rgb, lines, pal.PITCH_LINE_WHITE)
    rgb = goals(rgb, view)
    rgb *= (0.64 + 0.3 * floodlight_pool(view, 512, 340, 720, 540, 1.2))[..., None]
    for cx, cy in ((-40, 356), (1064, 356)):
        rgb += (floodlight_pool(view, cx, cy, 380, 520, 2.0) * 40.0)[..., None] * tp.tint((1.0, 0.82, 0.5))
    rgb = desaturate(rgb, 0.86) * tp.tint((1.03, 1.0, 0.9))
    rgb = finish(rgb, view, 0.88, inner=0.44, colour=(14, 12, 28))
    # Paper confetti on the grass by the touchlines.
    pts = scatter(rng, 150, (4, 4, W - 4, H - 4))
    colours = [pal.GOLD, pal.GOLD_LIGHT, pal.TEXT_WHITE, pal.CARD_RED, pal.CARD_BACK_BLUE]

    def confetti(d, f):
        for i, (x, y) in enumerate(pts):
            c = colours[i % len(colours)]
            ang = float(rng.uniform(0, math.pi))
            lw, lh = float(rng.uniform(2.0, 3.6)), float(rng.uniform(1.0, 1.8))
            ca, sa = math.cos(ang), math.sin(ang)
            quad = [((x + ca * px - sa * py) * f, (y + sa * px + ca * py) * f)
                    for px, py in ((-lw, -lh), (lw, -lh), (lw, lh), (-lw, lh))]
            d.polygon(quad, fill=c + (150,))
    return over(rgb, drawn_layer(confetti))


STYLES = {1: night, 2: day, 3: dusk, 4: rain, 5: training, 6: snow, 7: final}


def render(style):
    rng = np.random.default_rng(20240600 + style)
    return tp.to_image(STYLES[style](rng))


def main():
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument("--style", type=int, required=True, choices=sorted(STYLES))
    ap.add_argument("--out", required=True)
    ap.add_argument("--preview", help="also write the picture as PNG here")
    args = ap.parse_args()
    img = render(args.style)
    imaging.save_jpeg(img, args.out, quality=QUALITY)
    if args.preview:
        imaging.save_png(img, args.preview)


if __name__ == "__main__":
    main()
