#!/usr/bin/python3
"""The loading screen family: gfx/gui/loading/back.jpg (1024 x 768) and the
progress marks false.png / true.png.

The picture: a stadium at night seen from the main stand. Floodlight towers
glow over the far stand and its crowd, the mown pitch runs away in
perspective, a fan of playing cards lies over the centre circle, and the
game's name stands over the stand. The strip around y = 691, where the five
progress marks are drawn, is kept dark and even.

Usage: loading.py --out-dir <game>/gfx/gui/loading --font <bold condensed TTF>
"""

import argparse
import math
import os
import random
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tools"))

from PIL import Image, ImageChops, ImageDraw, ImageFilter, ImageFont  # noqa: E402

import imaging  # noqa: E402
import palette as pal  # noqa: E402
import shapes  # noqa: E402

W, H = 1024, 768
SS = 2  # supersampling of the drawn geometry

# Camera looking at the pitch from the main stand, in metres: a ground point
# (X across, Z away from the camera) lands at
#   x = CX + F * X / Z,  y = HORIZON + K / Z.
CX, HORIZON, F, K = 512.0, 170.0, 858.0, 12800.0
CENTRE_Z = 41.3            # the centre spot
FAR_TOUCHLINE_Z = CENTRE_Z + 34.0
BOARDS_Z = FAR_TOUCHLINE_Z + 4.0

# Where the progress marks sit (the loading screen draws them at 90 % of the
# height, centred, 82 px apart).
MARK_Y = 691
MARK_BAND = (640, 742)

SEED = 19660730  # every random choice comes from this, so the picture never changes


def ground(x_m, z_m, s=1.0):
    return ((CX + F * x_m / z_m) * s, (HORIZON + K / z_m) * s)


def ground_quad(x0, x1, z0, z1, s=SS):
    return [ground(x0, z0, s), ground(x1, z0, s), ground(x1, z1, s), ground(x0, z1, s)]


# --- Sky and towers ----------------------------------------------------------

def draw_sky(img, rng):
    sky = imaging.vertical_gradient(W, 200, [(0.0, pal.NIGHT_NAVY_DEEP), (0.55, pal.NIGHT_NAVY),
                                             (1.0, pal.NIGHT_HAZE)])
    img.paste(sky, (0, 0))
    d = ImageDraw.Draw(img)
    for _ in range(70):
        x, y = rng.uniform(0, W), rng.uniform(0, 80)
        b = rng.randint(60, 150)
        d.point((x, y), fill=(b, b, min(255, b + 30)))


FLOODLIGHT_TOWERS = [(96, 34), (928, 34)]


def draw_towers(img):
    """Two lattice pylons behind the far stand, each with a bank of lamps."""
    layer, d = imaging.supersampled(W, H, SS)
    for tx, ty in FLOODLIGHT_TOWERS:
        lean = 14 if tx < W / 2 else -14
        base_y = 120
        steel = pal.scale(pal.STAND_CONCRETE, 1.25) + (255,)
        # Two legs and cross bracing.
        for off in (-9, 9):
            d.line(((tx + off * 0.4 + lean * 0.1) * SS, (ty + 22) * SS, (tx + off + lean) * SS, base_y * SS),
                   fill=steel, width=3 * SS)
        for i in range(6):
            y0 = ty + 22 + i * (base_y - ty - 22) / 6
            y1 = y0 + (base_y - ty - 22) / 6
            f0, f1 = (y0 - ty - 22) / (base_y - ty - 22), (y1 - ty - 22) / (base_y - ty - 22)
            xl0, xr0 = tx - 9 * (0.4 + 0.6 * f0) + lean * f0, tx + 9 * (0.4 + 0.6 * f0) + lean * f0
            xl1, xr1 = tx - 9 * (0.4 + 0.6 * f1) + lean * f1, tx + 9 * (0.4 + 0.6 * f1) + lean * f1
            d.line((xl0 * SS, y0 * SS, xr1 * SS, y1 * SS), fill=steel, width=SS)
            d.line((xr0 * SS, y0 * SS, xl1 * SS, y1 * SS), fill=steel, width=SS)
        # The lamp bank: a frame with 4 x 3 lamps.
        bw, bh = 58, 26
        d.rounded_rectangle(((tx - bw / 2) * SS, (ty - bh / 2) * SS, (tx + bw / 2) * SS, (ty + bh / 2) * SS),
                            radius=3 * SS, fill=(34, 38, 52, 255))
        for row in range(3):
            for col in range(5):
                lx = tx - bw / 2 + 7 + col * 11
                ly = ty - bh / 2 + 6 + row * 7
                d.ellipse(((lx - 4) * SS, (ly - 3) * SS, (lx + 4) * SS, (ly + 3) * SS),
                          fill=pal.FLOODLIGHT_WHITE + (255,))
    img.paste(imaging.downsample(layer, SS), (0, 0), imaging.downsample(layer, SS))


def light_towers(img):
    for tx, ty in FLOODLIGHT_TOWERS:
        imaging.glow(img, (tx, ty), 420, 300, pal.FLOODLIGHT_COOL, strength=0.6, power=2.6)
        imaging.glow(img, (tx, ty), 130, 90, pal.FLOODLIGHT_WHITE, strength=0.9, power=1.8)
        imaging.glow(img, (tx, ty), 50, 30, (255, 255, 255), strength=1.0, power=1.2)


def light_beams(img):
    """Soft cones of light from the towers down to the pitch."""
    beams = Image.new("L", (W // 4, H // 4), 0)
    d = ImageDraw.Draw(beams)
    for tx, ty in FLOODLIGHT_TOWERS:
        toward = 1 if tx < W / 2 else -1
        for spread, value in ((0.0, 60), (90, 40)):
            tip = (tx / 4, ty / 4)
            a = ((tx + toward * (180 + spread)) / 4, 520 / 4)
            b = ((tx + toward * (520 + spread)) / 4, 470 / 4)
            d.polygon([tip, a, b], fill=value)
    beams = beams.filter(ImageFilter.GaussianBlur(9)).resize((W, H), Image.BICUBIC)
    layer = ImageChops.multiply(Image.new("RGB", (W, H), pal.FLOODLIGHT_COOL),
                                Image.merge("RGB", (beams, beams, beams)))
    img.paste(ImageChops.screen(img, layer), (0, 0))


# --- The far stand ---------------------------------------------------------------

ROOF_Y = (86, 104)
UPPER_TIER = (104, 200)
TIER_FRONT = (200, 214)
LOWER_TIER = (214, 322)
BOARDS_Y = (322, 334)


def draw_stand(img, rng):
    d = ImageDraw.Draw(img)
    # Concrete behind the seats, darker high up under the roof.
    img.paste(imaging.vertical_gradient(W, UPPER_TIER[1] - UPPER_TIER[0],
                                        [(0, pal.scale(pal.STAND_SHADOW, 0.7)), (1, pal.STAND_SHADOW)]),
              (0, UPPER_TIER[0]))
    img.paste(imaging.vertical_gradient(W, LOWER_TIER[1] - LOWER_TIER[0],
                                        [(0, pal.STAND_SHADOW), (1, pal.STAND_CONCRETE)]),
              (0, LOWER_TIER[0]))
    draw_crowd(img, rng, UPPER_TIER, light=0.32)
    draw_crowd(img, rng, LOWER_TIER, light=0.85)
    # The front of the upper tier, with a strip of lights along it.
    d.rectangle((0, TIER_FRONT[0], W, TIER_FRONT[1]), fill=pal.ROOF_STEEL)
    d.line((0, TIER_FRONT[0] + 1, W, TIER_FRONT[0] + 1), fill=pal.scale(pal.STAND_CONCRETE, 1.3))
    d.line((0, TIER_FRONT[1] - 3, W, TIER_FRONT[1] - 3), fill=pal.scale(pal.GOLD_DEEP, 0.8))
    # The roof, its front edge and the lamps under it.
    img.paste(imaging.vertical_gradient(W, ROOF_Y[1] - ROOF_Y[0], [(0, pal.ROOF_STEEL), (1, pal.NIGHT_NAVY_DEEP)]),
              (0, ROOF_Y[0]))
    d.line((0, ROOF_Y[0], W, ROOF_Y[0]), fill=pal.scale(pal.STAND_CONCRETE, 1.5), width=2)
    for i in range(0, W, 32):
        d.line((i, ROOF_Y[0] + 2, i + 16, ROOF_Y[1] - 2), fill=pal.scale(pal.ROOF_STEEL, 1.4))
        d.line((i + 32, ROOF_Y[0] + 2, i + 16, ROOF_Y[1] - 2), fill=pal.scale(pal.ROOF_STEEL, 1.4))
    for x in range(20, W, 48):
        imaging.glow(img, (x, ROOF_Y[1] - 1), 30, 11, pal.FLOODLIGHT_WARM, strength=0.6)


def draw_crowd(img, rng, rows, light):
    """Rows of supporters: heads and shirts in many colours, brighter where
    the floodlights reach."""
    layer, d = imaging.supersampled(W, rows[1] - rows[0], SS)
    row_h = 7.0
    y = row_h
    while y < rows[1] - rows[0]:
        x = rng.uniform(0, 4)
        while x < W:
            shirt = rng.choice(pal.CROWD_COLOURS)
            skin = rng.choice([(236, 196, 160), (198, 150, 112), (140, 96, 66), (92, 62, 44)])
            # Light falls off from the centre and under the roof.
            f = light * (0.5 + 0.5 * math.cos((x - W / 2) / W * 2.4)) * rng.uniform(0.7, 1.0)
            shirt = pal.mix(shirt, pal.STAND_CONCRETE, 0.35)
            shirt, skin = pal.scale(shirt, f), pal.scale(skin, f * 0.9)
            px, py = x * SS, (y + rng.uniform(-0.8, 0.8)) * SS
            d.rounded_rectangle((px - 2.6 * SS, py - 2.0 * SS, px + 2.6 * SS, py + 3.2 * SS),
                                radius=1.5 * SS, fill=shirt + (255,))
            d.ellipse((px - 1.6 * SS, py - 5.0 * SS, px + 1.6 * SS, py - 1.6 * SS), fill=skin + (255,))
            if rng.random() < 0.035:  # a raised scarf
                d.line((px - 3 * SS, py - 6 * SS, px + 3 * SS, py - 7.5 * SS), fill=rng.choice(pal.CROWD_COLOURS[:6]) +
                       (255,), width=2 * SS)
            x += rng.uniform(5.2, 6.8)
        y += row_h
    crowd = imaging.downsample(layer, SS)
    img.paste(crowd, (0, rows[0]), crowd)


def camera_flashes(img, rng):
    for _ in range(16):
        x = rng.uniform(30, W - 30)
        y = rng.uniform(LOWER_TIER[0] + 8, LOWER_TIER[1] - 6) if rng.random() < 0.75 else \
            rng.uniform(UPPER_TIER[0] + 8, UPPER_TIER[1] - 6)
        imaging.glow(img, (x, y), 12, 12, (255, 255, 255), strength=1.0, power=2.5)
        imaging.glow(img, (x, y), 2.5, 2.5, (255, 255, 255), strength=1.0, power=0.5)


def draw_boards(img, font_path):
    """Glowing advertising boards along the far touchline."""
    y0, y1 = BOARDS_Y
    board = Image.new("RGB", (W, y1 - y0), (14, 40, 96))
    d = ImageDraw.Draw(board)
    font = ImageFont.truetype(font_path, 9)
    colours = [(14, 40, 96), (120, 18, 30), (14, 40, 96), (20, 80, 40)]
    seg = 128
    for i, x in enumerate(range(0, W, seg)):
        d.rectangle((x, 0, x + seg - 1, y1 - y0), fill=colours[i % len(colours)])
        d.text((x + seg / 2, (y1 - y0) / 2), "FIELDSTACK", font=font, fill=(236, 240, 250), anchor="mm")
        d.line((x, 0, x, y1 - y0), fill=(6, 10, 20))
    img.paste(board, (0, y0))
    glow_line = Image.new("RGB", (W, 24), (0, 0, 0))
    gd = ImageDraw.Draw(glow_line)
    gd.rectangle((0, 10, W, 14), fill=(60, 90, 150))
    glow_line = glow_line.filter(ImageFilter.GaussianBlur(6))
    imaging._paste_blend(img, glow_line, (0, y1 - 8), ImageChops.screen)


# --- The pitch -------------------------------------------------------------------

def draw_pitch(img, rng):
    top_z = BOARDS_Z
    near_z = K / (H + 4 - HORIZON)  # the bottom edge of the picture
    layer, d = imaging.supersampled(W, H, SS, mode="RGB", fill=pal.PITCH_GREEN_DARK)
    # Mown stripes across the pitch, 5.25 m wide, lined up on the halfway line.
    stripe = 105.0 / 20
    for i in range(-16, 16):
        x0, x1 = i * stripe - stripe / 2, i * stripe + stripe / 2
        colour = pal.PITCH_GREEN_LIGHT if i % 2 == 0 else pal.PITCH_GREEN_DARK
        d.polygon(ground_quad(x0, x1, top_z, near_z), fill=colour)
    pitch = imaging.downsample(layer, SS)

    # A fine grain, stretched across like blades of grass seen from afar.
    noise_rng = random.Random(rng.random())
    grain = Image.frombytes("L", (W // 2, H // 4), noise_rng.randbytes((W // 2) * (H // 4)))
    grain = grain.resize((W, H), Image.BICUBIC).filter(ImageFilter.GaussianBlur(0.6))
    grain = grain.point(lambda v: 128 + (v - 128) // 5)
    pitch = ImageChops.overlay(pitch, Image.merge("RGB", (grain, grain, grain)))

    # The lines fade out above the band of the progress marks.
    lines = ImageChops.multiply(pitch_lines_mask(), _fade_above(MARK_BAND[0] - 30, MARK_BAND[0] + 20))
    pitch.paste(Image.new("RGB", (W, H), pal.PITCH_LINE_WHITE), (0, 0), lines)

    # Only the ground below the boards is pitch.
    top = int(ground(0, top_z)[1])
    img.paste(pitch.crop((0, top, W, H)), (0, top))


def _line_quad(d, x0, z0, x1, z1, width=0.12):
    """A painted line on the ground between two points (metres)."""
    dx, dz = x1 - x0, z1 - z0
    n = math.hypot(dx, dz)
    ox, oz = -dz / n * width / 2, dx / n * width / 2
    d.polygon([ground(x0 + ox, z0 + oz, SS), ground(x1 + ox, z1 + oz, SS),
               ground(x1 - ox, z1 - oz, SS), ground(x0 - ox, z0 - oz, SS)], fill=255)


def _arc(d, cx_m, cz_m, radius, a0, a1, steps=160, width=0.12):
    pts_out, pts_in = [], []
    for i in range(steps + 1):
        a = math.radians(a0 + (a1 - a0) * i / steps)
        for r, pts in ((radius + width / 2, pts_out), (radius - width / 2, pts_in)):
            x, z = cx_m + r * math.cos(a), cz_m + r * math.sin(a)
            if z > 1.0:
                pts.append(ground(x, z, SS))
    if len(pts_out) > 1:
        d.polygon(pts_out + pts_in[::-1], fill=255)


def pitch_lines_mask():
    mask, d = imaging.supersampled(W, H, SS, mode="L", fill=0)
    near = K / (H + 40 - HORIZON)
    zc, zf = CENTRE_Z, FAR_TOUCHLINE_Z
    half = 52.5
    _line_quad(d, -half, zf, half, zf)                  # far touchline
    _line_quad(d, 0.0, near, 0.0, zf)                   # halfway line
    _arc(d, 0.0, zc, 9.15, 0, 360)                       # centre circle
    _arc(d, 0.0, zc, 0.11, 0, 360, steps=24, width=0.22)  # centre spot
    for side in (-1, 1):
        gx = side * half
        _line_quad(d, gx, near, gx, zf)                  # goal line
        box = gx - side * 16.5
        _line_quad(d, box, zc - 20.16, box, zc + 20.16)  # penalty area front
        _line_quad(d, gx, zc + 20.16, box, zc + 20.16)
        _line_quad(d, gx, zc - 20.16, box, zc - 20.16)
        six = gx - side * 5.5
        _line_quad(d, six, zc - 9.16, six, zc + 9.16)
        _line_quad(d, gx, zc + 9.16, six, zc + 9.16)
        _line_quad(d, gx, zc - 9.16, six, zc - 9.16)
        # The arc at the edge of the penalty area (outside the box only).
        spot = gx - side * 11.0
        a = math.degrees(math.acos(5.5 / 9.15))
        if side < 0:
            _arc(d, spot, zc, 9.15, -a, a)
        else:
            _arc(d, spot, zc, 9.15, 180 - a, 180 + a)
        # Corner arcs at the far corners.
        _arc(d, gx, zf, 1.0, 180 + (0 if side < 0 else -90) + (90 if side < 0 else 0),
             270 + (0 if side < 0 else -90) + (90 if side < 0 else 0), steps=20)
    return imaging.downsample(mask, SS)


def far_haze(img):
    """The floodlit mist that hangs over the far side of the pitch."""
    y = ground(0, FAR_TOUCHLINE_Z)[1]
    imaging.glow(img, (CX, y + 6), 900, 64, pal.scale(pal.FLOODLIGHT_COOL, 0.35), strength=1.0, power=1.5)


def light_pitch(img):
    """Floodlit in the middle, falling away to the corners and the foreground."""
    light = Image.new("L", (W, H), 120)
    pool = imaging.radial_mask(1900, 1100, power=1.4).point(lambda v: 120 + v * 135 // 255)
    light.paste(pool, (int(CX - 950), int(470 - 550)))
    top = int(ground(0, BOARDS_Z)[1])
    lit = ImageChops.multiply(img, Image.merge("RGB", (light, light, light)))
    img.paste(lit.crop((0, top, W, H)), (0, top))
    # Two pools where the towers aim.
    for tx, _ in FLOODLIGHT_TOWERS:
        aim = 340 if tx < W / 2 else W - 340
        imaging.glow(img, (aim, 470), 420, 170, (34, 60, 30), strength=0.9, power=1.6)


# --- Cards ------------------------------------------------------------------------

FAN = [("10", "spades"), ("J", "diamonds"), ("A", "hearts"), ("Q", "hearts"), ("K", "clubs")]


def draw_card_fan(img, font_path):
    """Five cards fanned over the centre circle, the ace with a ball in the
    middle and on top."""
    cw, ch = 122, 172
    pivot = (CX, 660)
    radius = 190
    angles = [-30, -15, 0, 15, 30]
    ball = shapes.football(160)
    cards = []
    for (rank, suit), angle in zip(FAN, angles):
        face = shapes.card_face(cw, ch, rank, suit, font_path, emblem=ball if rank == "A" else None)
        rotated = face.rotate(-angle, resample=Image.BICUBIC, expand=True)
        a = math.radians(angle)
        cx = pivot[0] + radius * math.sin(a)
        cy = pivot[1] - radius * math.cos(a)
        cards.append((rotated, cx, cy))
    # A pool of light on the grass under the fan.
    imaging.glow(img, (CX, 500), 330, 190, (60, 84, 52), strength=1.0, power=1.4)
    order = [0, 4, 1, 3, 2]
    # One shadow for the whole fan, cast down and to the right onto the grass.
    fan = Image.new("RGBA", (W, H), (0, 0, 0, 0))
    for i in order:
        card, cx, cy = cards[i]
        shadow, m = imaging.drop_shadow(card, blur=5, opacity=0.5)
        fan.alpha_composite(shadow, (int(cx - card.width / 2 - m + 7), int(cy - card.height / 2 - m + 9)))
        fan.alpha_composite(card, (int(cx - card.width / 2), int(cy - card.height / 2)))
    img.paste(fan.convert("RGB"), (0, 0), fan)


# --- Title ------------------------------------------------------------------------

def draw_title(img, font_path):
    """The game's name in gold over the stand, with the line under it."""
    text = "FIELDSTACK"
    size = 132
    font = ImageFont.truetype(font_path, size * SS)
    left, top, right, bottom = font.getbbox(text)
    pad = 30 * SS
    tw, th = right - left + 2 * pad, bottom - top + 2 * pad
    mask = Image.new("L", (tw, th), 0)
    ImageDraw.Draw(mask).text((pad - left, pad - top), text, font=font, fill=255)
    stroke = Image.new("L", (tw, th), 0)
    ImageDraw.Draw(stroke).text((pad - left, pad - top), text, font=font, fill=255, stroke_width=5 * SS)
    # A slight forward lean.
    shear = 0.16
    lean = (1, shear, -shear * th / 2, 0, 1, 0)
    mask = mask.transform(mask.size, Image.AFFINE, lean, resample=Image.BICUBIC)
    stroke = stroke.transform(stroke.size, Image.AFFINE, lean, resample=Image.BICUBIC)

    fill = imaging.vertical_gradient(tw, th, [(0.0, pal.GOLD_LIGHT), (0.36, pal.GOLD_LIGHT), (0.52, pal.GOLD),
                                              (0.78, pal.GOLD_DEEP), (1.0, pal.GOLD_SHADOW)])
    # A bright sheen across the top of the letters.
    sheen = imaging.vertical_mask(tw, th // 2, 90, 0)
    sheen_full = Image.new("L", (tw, th), 0)
    sheen_full.paste(sheen, (0, pad))
    fill = Image.composite(Image.new("RGB", (tw, th), (255, 250, 225)), fill, sheen_full)

    logo = Image.new("RGBA", (tw, th), pal.NIGHT_NAVY_DEEP + (0,))
    logo.paste(Image.new("RGBA", (tw, th), pal.scale(pal.NIGHT_NAVY_DEEP, 0.6) + (255,)), (0, 0), stroke)
    inner = Image.new("RGBA", (tw, th), (0, 0, 0, 0))
    inner.paste(fill.convert("RGBA"), (0, 0), mask)
    # A fine light rim inside the dark outline.
    rim = ImageChops.subtract(mask.filter(ImageFilter.MaxFilter(5)), mask)
    logo.paste(Image.new("RGBA", (tw, th), pal.GOLD_LIGHT + (255,)), (0, 0), rim)
    logo.alpha_composite(inner)
    logo = imaging.downsample(logo, SS)

    cx, cy = W / 2, 160
    x, y = int(cx - logo.width / 2), int(cy - logo.height / 2)
    # Darken the stand behind the name, then a warm glow, then the shadow.
    imaging.shade(img, _placed(imaging.radial_mask(1300, 330, power=1.0, inner=0.3), cx, cy + 10),
                  pal.NIGHT_NAVY_DEEP, opacity=0.9)
    imaging.glow(img, (cx, cy), 560, 120, pal.scale(pal.GOLD_DEEP, 0.45), strength=0.8, power=1.5)
    shadow, m = imaging.drop_shadow(logo, blur=6, opacity=0.8)
    canvas = img.convert("RGBA")
    canvas.alpha_composite(shadow, (x - m + 4, y - m + 7))
    canvas.alpha_composite(logo, (x, y))

    # The line under the name: small capitals between two gold rules.
    tag = "THE  FOOTBALL  CARD  GAME"
    tag_font = ImageFont.truetype(font_path, 22)
    tb = tag_font.getbbox(tag)
    tag_w = tb[2] - tb[0]
    ty = cy + 66
    d = ImageDraw.Draw(canvas)
    d.text((cx, ty), tag, font=tag_font, fill=pal.TEXT_WHITE + (255,), anchor="mm")
    for side in (-1, 1):
        x0 = cx + side * (tag_w / 2 + 16)
        x1 = cx + side * (tag_w / 2 + 120)
        d.line((x0, ty, x1, ty), fill=pal.GOLD + (255,), width=2)
        d.ellipse((x0 - 3 if side > 0 else x0 - 3, ty - 3, x0 + 3, ty + 3), fill=pal.GOLD + (255,))
    img.paste(canvas.convert("RGB"), (0, 0))


def _fade_above(y_full, y_gone):
    """An L image, white down to y_full, fading to black at y_gone."""
    fade = Image.new("L", (W, H), 0)
    fade.paste(255, (0, 0, W, y_full))
    fade.paste(imaging.vertical_mask(W, y_gone - y_full, 255, 0), (0, y_full))
    return fade


def _placed(mask, cx, cy):
    full = Image.new("L", (W, H), 0)
    full.paste(mask, (int(cx - mask.width / 2), int(cy - mask.height / 2)))
    return full


# --- The band of the progress marks, and the frame --------------------------------

def calm_mark_band(img, font_path):
    y0, y1 = MARK_BAND
    band = Image.new("L", (W, H), 0)
    grad = imaging.vertical_mask(W, MARK_Y - y0, 0, 255)
    band.paste(grad, (0, y0))
    band.paste(255, (0, MARK_Y, W, H))
    imaging.shade(img, band, pal.NIGHT_NAVY_DEEP, opacity=0.84)
    # A fine gold rule above the marks, fading out to the sides.
    rule = Image.new("L", (W, 1), 0)
    for x in range(W):
        t = 1.0 - min(1.0, abs(x - CX) / 300.0)
        rule.putpixel((x, 0), int(200 * t * t))
    gold = Image.new("RGB", (W, 1), pal.GOLD)
    strip = img.crop((0, MARK_Y - 34, W, MARK_Y - 33))
    img.paste(Image.composite(gold, strip, rule), (0, MARK_Y - 34))
    d = ImageDraw.Draw(img)
    font = ImageFont.truetype(font_path, 14)
    label = "  ".join("LOADING")
    d.text((CX, MARK_Y + 40), label, font=font, fill=pal.TEXT_MUTED, anchor="mm")


def vignette(img):
    v = imaging.radial_mask(W * 1.9, H * 1.9, power=1.6, inner=0.35)
    v = v.point(lambda x: 255 - x)
    v = _placed(v, CX, H * 0.45)
    imaging.shade(img, v, pal.NIGHT_NAVY_DEEP, opacity=0.55)


# --- Progress marks ---------------------------------------------------------------

MARK_SIZE = 32


def progress_marks():
    """false.png: a dim ball, not yet reached. true.png: a lit ball in a gold
    halo."""
    dim = Image.new("RGBA", (MARK_SIZE, MARK_SIZE), (0, 0, 0, 0))
    ball = shapes.football(24, lit=False)
    dim.alpha_composite(ball, ((MARK_SIZE - 24) // 2, (MARK_SIZE - 24) // 2))

    lit = Image.new("RGBA", (MARK_SIZE, MARK_SIZE), pal.GOLD + (0,))
    halo = imaging.radial_mask(MARK_SIZE, MARK_SIZE, power=0.9, inner=0.5)
    lit.putalpha(halo)
    ring = Image.new("L", (MARK_SIZE * 4, MARK_SIZE * 4), 0)
    ImageDraw.Draw(ring).ellipse((14, 14, MARK_SIZE * 4 - 15, MARK_SIZE * 4 - 15), outline=255, width=5)
    ring = ring.resize((MARK_SIZE, MARK_SIZE), Image.LANCZOS)
    gold_ring = Image.new("RGBA", (MARK_SIZE, MARK_SIZE), pal.GOLD_LIGHT + (0,))
    gold_ring.putalpha(ring)
    lit.alpha_composite(gold_ring)
    ball = shapes.football(24, lit=True)
    lit.alpha_composite(ball, ((MARK_SIZE - 24) // 2, (MARK_SIZE - 24) // 2))
    return dim, lit


# --- All together -----------------------------------------------------------------

def background(font_path):
    rng = random.Random(SEED)
    img = Image.new("RGB", (W, H), pal.NIGHT_NAVY)
    draw_sky(img, rng)
    draw_towers(img)
    draw_stand(img, rng)
    draw_boards(img, font_path)
    draw_pitch(img, rng)
    light_pitch(img)
    far_haze(img)
    camera_flashes(img, rng)
    light_beams(img)
    light_towers(img)
    draw_card_fan(img, font_path)
    draw_title(img, font_path)
    vignette(img)
    calm_mark_band(img, font_path)
    return img


def main():
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument("--out-dir", required=True)
    ap.add_argument("--font", required=True, help="bold condensed TTF for the title and labels")
    ap.add_argument("--preview", help="also write the background as PNG here")
    args = ap.parse_args()
    if not os.path.isfile(args.font):
        imaging.fail("font not found: %s" % args.font)
    back = background(args.font)
    imaging.save_jpeg(back, os.path.join(args.out_dir, "back.jpg"), quality=90)
    dim, lit = progress_marks()
    imaging.save_png(dim, os.path.join(args.out_dir, "false.png"))
    imaging.save_png(lit, os.path.join(args.out_dir, "true.png"))
    if args.preview:
        preview = back.copy()
        for i in range(5):
            mark = lit if i < 2 else dim
            x = 512 - (5 * 82) // 2 + 41 + i * 82
            preview.paste(mark, (x - MARK_SIZE // 2, MARK_Y - MARK_SIZE // 2), mark)
        imaging.save_png(preview, args.preview)


if __name__ == "__main__":
    main()
