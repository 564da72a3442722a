#!/usr/bin/python3
"""The table pieces with ids 101 to 105, one strip of five 72 x 100 cells:
0 reserve slot, 1 event card, 2 opponent-goal card, 3 padlock, 4 key.

They share the card outline. The reserve slot is an empty place: translucent
navy with a dashed pitch line and a faint substitution sign. The others are
faces tinted to their meaning with one emblem each: a gold star-burst with a
whistle (event), a goal with a red net and the ball in it (the opponent
scores), a steel padlock and a gold key (the key opens the padlock: the two
pair).

Usage: pieces.py --out-dir <game>/gfx/cards
Writes pieces.png.
"""

import argparse
import math
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from PIL import Image, ImageChops, ImageDraw, ImageFilter  # noqa: E402

import cardart as ca  # noqa: E402
import shapes  # noqa: E402  (on the path through cardart)
from cardart import pal, imaging  # noqa: E402

S = ca.SS
CX, CY = 36.0, 50.0


def P(x, y):
    return (x * S, y * S)


def box(x0, y0, x1, y1):
    return (x0 * S, y0 * S, x1 * S, y1 * S)


def framed_face(top, bottom, rule):
    """A tinted face with a thin inner rule 4 px inside the edge."""
    img = ca.card_blank(top, bottom)
    ca.fill(img, ca.ring_mask(5.0, 4.0), rule, 0.85)
    return img


def soft_shadow(img, mask, dx=0.8, dy=1.4, blur=1.2, opacity=0.45, colour=pal.NIGHT_NAVY_DEEP):
    sh = ca.shifted(mask, dx, dy).filter(ImageFilter.GaussianBlur(blur * S))
    ca.fill(img, sh, colour, opacity)


def layer_mask(draw_fn):
    m = Image.new("L", (ca.W * S, ca.H * S), 0)
    draw_fn(ImageDraw.Draw(m))
    return m


# --- 101 reserve slot ---------------------------------------------------------

def reserve_slot():
    img = ca.canvas()
    ca.fill(img, ca.outline_mask(0), pal.NIGHT_NAVY, 0.5)
    ca.fill(img, ca.ring_mask(1.0, 0.0), pal.PITCH_LINE_WHITE, 0.35)
    # Dashed pitch line 4 px inside the edge.
    ring = ca.ring_mask(5.4, 4.0)
    dashes = Image.new("L", ring.size, 0)
    dd = ImageDraw.Draw(dashes)
    step = 7.0
    for i in range(-20, 40):
        # Diagonal cuts give even dashes on both the straight sides and the corners.
        x = i * step
        dd.polygon([P(x, 0), P(x + 4.2, 0), P(x + 4.2 - 100, 100), P(x - 100, 100)], fill=255)
    ca.fill(img, ImageChops.multiply(ring, dashes), pal.PITCH_LINE_WHITE, 0.9)
    # A substitution sign: arrow in (up) and arrow out (down).
    d = ImageDraw.Draw(img)
    up = pal.mix(pal.PITCH_GREEN_LIGHT, pal.FLOODLIGHT_WHITE, 0.35)
    down = pal.mix(pal.CARD_RED, pal.FLOODLIGHT_WHITE, 0.15)
    for x, colour, flip in ((29.0, up, False), (43.0, down, True)):
        sgn = 1 if flip else -1
        tip = CY + sgn * 11.0
        base = CY - sgn * 11.0
        head = tip - sgn * 7.0
        d.polygon([P(x, tip), P(x + 5.5, head), P(x + 2.0, head), P(x + 2.0, base), P(x - 2.0, base),
                   P(x - 2.0, head), P(x - 5.5, head)], fill=colour + (200,))
    return ca.shrink(img)


# --- 102 event card -------------------------------------------------------------

def starburst_mask(cx, cy, r_out, r_in, rays):
    pts = []
    for i in range(rays * 2):
        a = math.radians(-90 + i * 180.0 / rays)
        r = r_out if i % 2 == 0 else r_in
        pts.append(P(cx + r * math.cos(a), cy + r * math.sin(a)))
    return layer_mask(lambda d: d.polygon(pts, fill=255))


def whistle(img, cx, cy):
    """A referee's whistle: round chamber, mouthpiece to the right, a ring."""
    d = ImageDraw.Draw(img)
    steel_hi, steel, steel_lo = (246, 248, 252), (192, 200, 214), (104, 114, 134)
    r = 8.0
    body = layer_mask(lambda m: (m.ellipse(box(cx - r, cy - r, cx + r, cy + r), fill=255),
                                 m.rounded_rectangle(box(cx, cy - r, cx + 15, cy - r + 7.5), radius=1.5 * S,
                                                     fill=255)))
    soft_shadow(img, body, opacity=0.5)
    ca.paint(img, body, imaging.vertical_gradient(ca.W * S, ca.H * S, [
        (0.0, steel_hi), ((cy - r) / ca.H, steel_hi), ((cy + r) / ca.H, steel_lo), (1.0, steel_lo)]))
    # The rim and the slot of the mouthpiece.
    d.ellipse(box(cx - r, cy - r, cx + r, cy + r), outline=steel_lo, width=int(0.9 * S))
    d.rounded_rectangle(box(cx, cy - r, cx + 15, cy - r + 7.5), radius=1.5 * S, outline=steel_lo,
                        width=int(0.9 * S))
    d.ellipse(box(cx - r + 1.2, cy - r + 1.2, cx + r - 1.2, cy + r - 1.2), fill=steel)
    d.rectangle(box(cx + 9.5, cy - r + 2.6, cx + 14.0, cy - r + 4.6), fill=steel_lo)
    d.ellipse(box(cx - 3.5, cy - 3.5, cx + 3.5, cy + 3.5), fill=steel_lo)
    d.ellipse(box(cx - 2.4, cy - 2.6, cx + 2.0, cy + 1.6), fill=steel_hi)
    # The lanyard ring at the back.
    d.ellipse(box(cx - r - 6.5, cy - 7.0, cx - r + 0.5, cy), outline=steel_lo, width=int(1.4 * S))


def event_card():
    img = framed_face(pal.mix(pal.CARD_FACE, pal.GOLD_LIGHT, 0.45), pal.mix(pal.CARD_FACE, pal.GOLD, 0.45),
                      pal.GOLD_DEEP)
    burst = starburst_mask(CX, CY, 29.0, 15.0, 12)
    soft_shadow(img, burst, opacity=0.25, blur=1.5, colour=pal.GOLD_SHADOW)
    ca.paint(img, burst, imaging.vertical_gradient(ca.W * S, ca.H * S, [
        (0.0, pal.GOLD_LIGHT), (0.3, pal.GOLD_LIGHT), (0.7, pal.GOLD), (1.0, pal.GOLD_DEEP)]))
    inner = starburst_mask(CX, CY, 25.5, 13.5, 12)
    ca.fill(img, ImageChops.subtract(burst, inner), pal.GOLD_DEEP, 0.7)
    ca.fill(img, inner, pal.FLOODLIGHT_WHITE, 0.18)
    whistle(img, CX - 4.0, CY + 1.5)
    # Small stars in the corners where the other cards carry their index.
    d = ImageDraw.Draw(img)
    for x, y in ((11.0, 13.0), (61.0, 87.0)):
        d.polygon(ca.star_points(x, y, 5.5, 2.3), fill=pal.GOLD_DEEP)
    return ca.shrink(img)


# --- 103 opponent-goal card -----------------------------------------------------

def opponent_goal_card():
    img = framed_face(pal.mix(pal.CARD_FACE, pal.CARD_RED, 0.10), pal.mix(pal.CARD_FACE, pal.CARD_RED, 0.22),
                      pal.CARD_RED)
    d = ImageDraw.Draw(img)
    x0, x1, top, bottom = 12.0, 60.0, 30.0, 72.0
    depth = 9.0  # the net's back, seen from the front and a little above
    net = Image.new("L", img.size, 0)
    nd = ImageDraw.Draw(net)
    # The inside of the goal: the back of the net runs from behind the
    # crossbar down to the goal line.
    inside = layer_mask(lambda m: m.polygon([P(x0, top), P(x1, top), P(x1, bottom), P(x0, bottom)], fill=255))
    ca.fill(img, inside, pal.CARD_RED, 0.10)
    lw = int(0.9 * S)
    for i in range(0, 13):
        x = x0 + (x1 - x0) * i / 12
        xb = x0 + depth * 0.6 + (x1 - x0 - depth * 1.2) * i / 12   # the same strand at the back
        nd.line((P(xb, top + depth) + P(x, bottom)), fill=255, width=lw)
        nd.line((P(x, top) + P(xb, top + depth)), fill=255, width=lw)
    for j in range(0, 8):
        y = top + depth + (bottom - top - depth) * j / 7
        f = j / 7
        nd.line((P(x0 + depth * 0.6 * (1 - f), y) + P(x1 - depth * 0.6 * (1 - f), y)), fill=255, width=lw)
    nd.line((P(x0, top) + P(x0 + depth * 0.6, top + depth)), fill=255, width=lw)
    nd.line((P(x1, top) + P(x1 - depth * 0.6, top + depth)), fill=255, width=lw)
    ca.fill(img, net, pal.CARD_RED, 0.85)
    # The ball in the back of the net.
    ball = shapes.football(15 * S, factor=2)
    bx, by = CX + 6.0, bottom - 9.5
    shadow = layer_mask(lambda m: m.ellipse(box(bx - 6.5, bottom - 2.6, bx + 7.5, bottom + 0.6), fill=255))
    ca.fill(img, shadow.filter(ImageFilter.GaussianBlur(0.8 * S)), pal.NIGHT_NAVY_DEEP, 0.35)
    img.alpha_composite(ball, (int((bx - 7.5) * S), int((by - 7.5) * S)))
    # Posts and crossbar: white with a dark outline, in front of the net.
    frame = layer_mask(lambda m: (m.rectangle(box(x0 - 2.0, top - 2.0, x1 + 2.0, top + 1.0), fill=255),
                                  m.rectangle(box(x0 - 2.0, top - 2.0, x0 + 1.0, bottom + 1.0), fill=255),
                                  m.rectangle(box(x1 - 1.0, top - 2.0, x1 + 2.0, bottom + 1.0), fill=255)))
    outline = frame.filter(ImageFilter.MaxFilter(2 * int(0.8 * S) + 1))
    soft_shadow(img, outline, opacity=0.35)
    ca.fill(img, outline, pal.scale(pal.CARD_RED, 0.55))
    ca.fill(img, frame, pal.BALL_WHITE)
    # The goal line.
    d.line((P(6.0, bottom + 1.0) + P(66.0, bottom + 1.0)), fill=pal.scale(pal.CARD_RED, 0.55), width=int(1.2 * S))
    # Red corner marks: a small ball-in-net warning triangle.
    for x, y, flip in ((11.0, 13.0, False), (61.0, 87.0, True)):
        sgn = -1 if flip else 1
        d.polygon([P(x, y - sgn * 5.0), P(x + 5.5, y + sgn * 4.5), P(x - 5.5, y + sgn * 4.5)], fill=pal.CARD_RED)
        d.rectangle(box(x - 0.8, y - sgn * 1.6 - 1.3, x + 0.8, y - sgn * 1.6 + 1.3), fill=pal.CARD_FACE)
        d.ellipse(box(x - 0.8, y + sgn * 2.4 - 0.8, x + 0.8, y + sgn * 2.4 + 0.8), fill=pal.CARD_FACE)
    return ca.shrink(img)


# --- 104 padlock, 105 key -----------------------------------------------------

STEEL = [(0.0, (232, 238, 246)), (0.45, (170, 180, 198)), (1.0, (88, 98, 120))]


def padlock_card():
    top, bottom = pal.mix(pal.CARD_FACE, pal.FLOODLIGHT_COOL, 0.55), pal.mix(pal.CARD_FACE, pal.BALL_SHADE, 0.55)
    img = framed_face(top, bottom, pal.STAND_CONCRETE)
    d = ImageDraw.Draw(img)
    bx0, bx1, by0, by1 = 19.0, 53.0, 45.0, 78.0
    # Shackle: a thick steel arch.
    sh = layer_mask(lambda m: m.rounded_rectangle(box(24.0, 22.0, 48.0, 52.0), radius=12.0 * S, fill=255))
    hole = layer_mask(lambda m: m.rounded_rectangle(box(29.0, 27.0, 43.0, 52.0), radius=7.0 * S, fill=255))
    shackle = ImageChops.subtract(sh, hole)
    soft_shadow(img, shackle, opacity=0.35)
    ca.paint(img, shackle, imaging.vertical_gradient(ca.W * S, ca.H * S, [
        (0.0, (236, 240, 248)), (0.35, (150, 160, 178)), (0.5, (110, 120, 140)), (1.0, (110, 120, 140))]))
    d.rounded_rectangle(box(24.0, 22.0, 48.0, 52.0), radius=12.0 * S, outline=(84, 94, 116), width=int(0.8 * S))
    d.rounded_rectangle(box(29.0, 27.0, 43.0, 52.0), radius=7.0 * S, outline=(84, 94, 116), width=int(0.8 * S))
    # Body.
    body = layer_mask(lambda m: m.rounded_rectangle(box(bx0, by0, bx1, by1), radius=4.0 * S, fill=255))
    soft_shadow(img, body, opacity=0.5)
    grad = [(0.0, (240, 244, 250))] + [((by0 + (by1 - by0) * t) / ca.H, c) for t, c in STEEL] + [(1.0, STEEL[-1][1])]
    ca.paint(img, body, imaging.vertical_gradient(ca.W * S, ca.H * S, grad))
    d.rounded_rectangle(box(bx0, by0, bx1, by1), radius=4.0 * S, outline=(70, 80, 102), width=int(0.9 * S))
    d.line((P(bx0 + 3.0, by0 + 2.2) + P(bx1 - 3.0, by0 + 2.2)), fill=(252, 253, 255), width=int(0.9 * S))
    # Keyhole.
    kx, ky = CX, 58.5
    d.ellipse(box(kx - 3.4, ky - 3.4, kx + 3.4, ky + 3.4), fill=pal.CARD_INK)
    d.polygon([P(kx - 1.8, ky + 1.0), P(kx + 1.8, ky + 1.0), P(kx + 2.6, ky + 11.0), P(kx - 2.6, ky + 11.0)],
              fill=pal.CARD_INK)
    return ca.shrink(img)


def key_card():
    top, bottom = pal.mix(pal.CARD_FACE, pal.FLOODLIGHT_COOL, 0.55), pal.mix(pal.CARD_FACE, pal.BALL_SHADE, 0.55)
    img = framed_face(top, bottom, pal.STAND_CONCRETE)
    # Draw the key upright, then turn it 35 degrees.
    key = Image.new("L", img.size, 0)
    kd = ImageDraw.Draw(key)
    cx = CX
    kd.ellipse(box(cx - 11.0, 12.0, cx + 11.0, 34.0), fill=255)                 # bow
    kd.rectangle(box(cx - 2.6, 32.0, cx + 2.6, 84.0), fill=255)                 # shank
    kd.rectangle(box(cx - 5.0, 35.0, cx + 5.0, 38.5), fill=255)                 # collar
    kd.rectangle(box(cx + 2.0, 66.0, cx + 11.0, 71.0), fill=255)                # bit teeth
    kd.rectangle(box(cx + 2.0, 75.0, cx + 9.0, 84.0), fill=255)
    kd.rectangle(box(cx + 6.0, 71.0, cx + 9.0, 75.0), fill=255)
    hole = Image.new("L", img.size, 0)
    ImageDraw.Draw(hole).ellipse(box(cx - 5.0, 17.5, cx + 5.0, 27.5), fill=255)
    key = ImageChops.subtract(key, hole)
    key = key.rotate(-32, resample=Image.BICUBIC, center=P(CX, CY))
    soft_shadow(img, key, opacity=0.45)
    ca.paint(img, key, imaging.vertical_gradient(ca.W * S, ca.H * S, [
        (0.0, pal.GOLD_LIGHT), (0.35, pal.GOLD), (0.75, pal.GOLD_DEEP), (1.0, pal.GOLD_DEEP)]))
    rim = ImageChops.subtract(key, key.filter(ImageFilter.MinFilter(2 * int(0.9 * S) + 1)))
    ca.fill(img, rim, pal.GOLD_SHADOW, 0.85)
    # A glint along the bow.
    glint = Image.new("L", img.size, 0)
    ImageDraw.Draw(glint).arc(box(cx - 8.5, 14.5, cx + 8.5, 31.5), 200, 280, fill=255, width=int(1.3 * S))
    glint = glint.rotate(-32, resample=Image.BICUBIC, center=P(CX, CY))
    ca.fill(img, glint, pal.FLOODLIGHT_WHITE, 0.85)
    return ca.shrink(img)


def main():
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument("--out-dir", required=True)
    args = ap.parse_args()
    cells = [reserve_slot(), event_card(), opponent_goal_card(), padlock_card(), key_card()]
    strip = Image.new("RGBA", (ca.W * len(cells), ca.H), (0, 0, 0, 0))
    for i, c in enumerate(cells):
        strip.paste(c, (i * ca.W, 0))
    imaging.save_png(strip, os.path.join(args.out_dir, "pieces.png"))


if __name__ == "__main__":
    main()
