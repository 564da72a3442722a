#!/usr/bin/python3
"""The pass meter's figures, in gfx/gui/mainGame/:

  kick-anim.png  the kick: one row of exactly 10 frames of 62 x 93 px
                 (620 x 93). A white footballer pictogram, top-lit with a
                 navy outline, standing on his left foot at (23, 88) (the
                 strip's handle) and passing with his right: 0 ready,
                 1-2 back-lift, 3 swing, 4 strike (the toe meets the ball
                 waiting at the meter's start, just right of the frame),
                 5-6 follow-through, 7-8 back to ready, 9 the same as 0.
                 The game shows frames 0..8.
  pilka.png      the ball on the meter, 48 x 48, centred (drawn at 0.4..1.0).

Usage: kick_anim.py --out-dir <game>/gfx/gui/mainGame
"""

import math
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tools"))

from PIL import Image, ImageChops, ImageDraw, ImageFilter  # noqa: E402

import imaging  # noqa: E402
import palette as pal  # noqa: E402
import shapes  # noqa: E402

CELL_W, CELL_H, FRAMES = 62, 93, 10
SS = 8

# Poses in cell pixels: the standing leg (hip, knee, ankle, toe), the kicking
# leg, the torso (hip centre, neck), the head, and both arms (shoulder is the
# neck; elbow, hand). Facing right.
READY = {
    "stand": [(26, 53), (25, 69), (23, 84), (29, 88)],
    "kick": [(28, 53), (32, 69), (33, 84), (39, 87)],
    "spine": [(27, 53), (30, 31)],
    "head": (32, 21),
    "front_arm": [(37, 41), (39, 50)],
    "back_arm": [(23, 41), (20, 50)],
}


def pose(kick, lean=0.0, front_arm=None, back_arm=None):
    """A pose from the ready one: the kicking leg's knee, ankle and toe, a
    forward lean of the upper body (pixels at the neck) and the arms."""
    p = {k: (list(v) if isinstance(v, list) else v) for k, v in READY.items()}
    p["kick"] = [READY["kick"][0]] + list(kick)
    nx, ny = READY["spine"][1]
    p["spine"] = [READY["spine"][0], (nx + lean, ny + abs(lean) * 0.15)]
    hx, hy = READY["head"]
    p["head"] = (hx + lean * 1.25, hy + abs(lean) * 0.2)
    if front_arm:
        p["front_arm"] = front_arm
    if back_arm:
        p["back_arm"] = back_arm
    return p


POSES = [
    pose([(32, 69), (33, 84), (39, 87)]),                                          # 0 ready
    pose([(27, 68), (18, 79), (21, 85)], lean=-1, front_arm=[(38, 38), (45, 42)],
         back_arm=[(23, 41), (17, 47)]),                                           # 1 back-lift
    pose([(24, 67), (11, 71), (9, 78)], lean=-2.5, front_arm=[(39, 36), (47, 36)],
         back_arm=[(22, 42), (15, 46)]),                                           # 2 top of back-lift
    pose([(31, 68), (30, 83), (37, 86)], lean=-0.5, front_arm=[(38, 37), (45, 39)],
         back_arm=[(23, 42), (17, 46)]),                                           # 3 swing
    pose([(38, 66), (50, 74), (58, 70)], lean=1.5, front_arm=[(24, 38), (17, 42)],
         back_arm=[(36, 40), (43, 45)]),                                           # 4 strike
    pose([(41, 61), (53, 62), (59, 56)], lean=2.5, front_arm=[(23, 37), (16, 39)],
         back_arm=[(37, 40), (44, 44)]),                                           # 5 follow-through
    pose([(41, 58), (52, 54), (57, 48)], lean=2.5, front_arm=[(23, 37), (15, 38)],
         back_arm=[(37, 41), (43, 46)]),                                           # 6 high finish
    pose([(39, 64), (47, 73), (53, 72)], lean=1.5, front_arm=[(25, 39), (19, 44)],
         back_arm=[(35, 41), (40, 47)]),                                           # 7 coming down
    pose([(34, 68), (36, 82), (42, 86)], lean=0.5),                                # 8 landing
    pose([(32, 69), (33, 84), (39, 87)]),                                          # 9 ready again
]
# Streaks behind the boot on the frames where it moves fast: (frame, from
# pose) pairs; the streak follows the toe from the other pose's toe.
STREAKS = {4: 3, 5: 4}

LIMB = 6.2   # leg width in pixels
ARM = 4.4
TORSO = 11.5
HEAD_R = 6.2
OUTLINE = 1.4


def _line(d, pts, width, fill):
    s = [(x * SS, y * SS) for x, y in pts]
    d.line(s, fill=fill, width=int(width * SS), joint="curve")
    r = width * SS / 2
    for x, y in s:
        d.ellipse((x - r, y - r, x + r, y + r), fill=fill)


def figure_mask(p, grow=0.0):
    """The pictogram's silhouette (L, supersampled), grown by grow pixels."""
    m = Image.new("L", (CELL_W * SS, CELL_H * SS), 0)
    d = ImageDraw.Draw(m)
    neck = shoulder(p)
    _line(d, [neck] + p["back_arm"], ARM + 2 * grow, 255)
    _line(d, p["stand"], LIMB + 2 * grow, 255)
    _line(d, p["spine"], TORSO + 2 * grow, 255)
    _line(d, p["kick"], LIMB + 2 * grow, 255)
    _line(d, [neck] + p["front_arm"], ARM + 2 * grow, 255)
    hx, hy = p["head"]
    r = (HEAD_R + grow) * SS
    d.ellipse((hx * SS - r, hy * SS - r, hx * SS + r, hy * SS + r), fill=255)
    return m


def shoulder(p):
    """Where the arms hang from: a little below the top of the spine."""
    (hx, hy), (nx, ny) = p["spine"]
    return nx + (hx - nx) * 0.12, ny + (hy - ny) * 0.12


def gap_lines(p):
    """Thin navy cuts that keep the limbs apart where they cross the body."""
    m = Image.new("L", (CELL_W * SS, CELL_H * SS), 0)
    d = ImageDraw.Draw(m)
    neck = shoulder(p)
    for pts, width in (([neck] + p["front_arm"], ARM), (p["kick"], LIMB)):
        _line(d, pts, width + 2 * OUTLINE * 0.8, 255)
    body = Image.new("L", m.size, 0)
    bd = ImageDraw.Draw(body)
    _line(bd, p["spine"], TORSO, 255)
    _line(bd, p["stand"], LIMB, 255)
    _line(bd, [neck] + p["back_arm"], ARM, 255)
    front = Image.new("L", m.size, 0)
    fd = ImageDraw.Draw(front)
    _line(fd, [neck] + p["front_arm"], ARM, 255)
    _line(fd, p["kick"], LIMB, 255)
    return ImageChops.multiply(ImageChops.subtract(m, front), body)


def frame(i):
    p = POSES[i]
    W, H = CELL_W * SS, CELL_H * SS
    img = Image.new("RGBA", (W, H), (0, 0, 0, 0))
    if i in STREAKS:
        img.alpha_composite(streak(POSES[STREAKS[i]], p))
    outline = figure_mask(p, OUTLINE)
    body = figure_mask(p)
    navy = Image.new("RGBA", (W, H), pal.NIGHT_NAVY_DEEP + (255,))
    navy.putalpha(outline)
    img.alpha_composite(navy)
    # Top-lit white: bright at the head, a little cooler toward the boots.
    fill = imaging.vertical_gradient(W, H, [(0.0, (255, 255, 255)), (0.55, pal.TEXT_WHITE),
                                            (1.0, pal.mix(pal.TEXT_WHITE, pal.FLOODLIGHT_COOL, 0.6))])
    fill = fill.convert("RGBA")
    fill.putalpha(ImageChops.subtract(body, gap_lines(p)))
    img.alpha_composite(fill)
    # Boots in gold, so the kicking foot reads at a glance.
    boots = Image.new("L", (W, H), 0)
    bd = ImageDraw.Draw(boots)
    for leg in (p["stand"], p["kick"]):
        _line(bd, [leg[2], leg[3]], LIMB * 0.98, 255)
    gold = Image.new("RGBA", (W, H), pal.GOLD + (255,))
    gold.putalpha(ImageChops.multiply(boots, body))
    img.alpha_composite(gold)
    return imaging.downsample(img, SS)


def streak(p_from, p_to):
    """Motion lines along the toe's path between two poses."""
    W, H = CELL_W * SS, CELL_H * SS
    lines = Image.new("L", (W, H), 0)
    d = ImageDraw.Draw(lines)
    (ax, ay), (bx, by) = p_from["kick"][3], p_to["kick"][3]
    cx, cy = p_from["kick"][2]
    for k, (offset, alpha) in enumerate(((0.0, 240), (0.45, 170), (0.9, 100))):
        pts = []
        for s in range(13):
            t = s / 12
            x = ax + (bx - ax) * t * 0.92 + (cx - ax) * offset * (1 - t)
            y = ay + (by - ay) * t * 0.92 + (cy - ay) * offset * (1 - t)
            bulge = math.sin(math.pi * t) * (4 + 2 * k)
            pts.append(((x - bulge * 0.3) * SS, (y + bulge) * SS))
        d.line(pts, fill=alpha, width=int(1.6 * SS), joint="curve")
    layer = Image.new("RGBA", (W, H), pal.FLOODLIGHT_COOL + (0,))
    layer.putalpha(lines.filter(ImageFilter.GaussianBlur(SS * 0.25)))
    return layer


def strip():
    out = Image.new("RGBA", (CELL_W * FRAMES, CELL_H), (0, 0, 0, 0))
    for i in range(FRAMES):
        out.alpha_composite(frame(i), (i * CELL_W, 0))
    return out


def ball():
    size = 48
    img = Image.new("RGBA", (size, size), (0, 0, 0, 0))
    halo = Image.new("RGBA", (size, size), pal.NIGHT_NAVY_DEEP + (0,))
    halo.putalpha(imaging.radial_mask(size, size, power=1.2, inner=0.78).point(lambda v: int(v * 0.7)))
    img.alpha_composite(halo)
    img.alpha_composite(shapes.football(44), (2, 2))
    return img


def main():
    imaging.write_pngs(__doc__, lambda: [("kick-anim.png", strip()), ("pilka.png", ball())])


if __name__ == "__main__":
    main()
