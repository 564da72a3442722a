#!/usr/bin/python3
"""The card-game screen's panels, in gfx/gui/mainGame/:

  panel.png          bottom panel, 1024 x 130, drawn at (0, 638). Navy glass
                     with a raised arch carrying the pass meter's track along
                     the ellipse centred (528, 744), radii 161 x 83, from the
                     1.0 mark (angle 15) to the 3.0 mark (angle 162); a
                     shoulder for the kicking footballer at (303..365,
                     668..761); cream plates under the numbers the game
                     writes in black (the run line at (512, 680), the assist
                     counters at (23, 712), (33, 742), (170, 747) and the
                     pairs counter at (230, 750), with two engraved cards
                     beside it); round sockets for 32 px assist buttons at
                     (84, 713) shuffle, (96, 746) retry, (143, 750) undo.
  panel_gorny.png    score panel, 224 x 104 at (800, 0): a scoreboard card
                     hanging askew (8 degrees) with one two-cell LED screen
                     under the cards-left and points columns and a ball.
  panel_czasu.png    clock panel, 168 x 92 at (60, 0): a card hanging the
                     other way (-9 degrees) with a stopwatch and an LED
                     screen under the clock.
  panel_Wynikow.png  the sliding scoreboard, 360 x 124, centred: hung from two
                     struts, a dark screen for the score line (its text top
                     18 px above the picture's centre) between two lamp
                     banks.

Coordinates in the comments are the game's screen coordinates.

Usage: game_panels.py --out-dir <game>/gfx/gui/mainGame
"""

import math
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tools"))

from PIL import Image, ImageChops, ImageDraw, ImageFilter  # noqa: E402

import imaging  # noqa: E402
import palette as pal  # noqa: E402
import shapes  # noqa: E402
import table_glass as tg  # noqa: E402

# --- The bottom panel ---------------------------------------------------------

PANEL_W, PANEL_H = 1024, 130
PANEL_TOP = 768 - PANEL_H          # where the game draws it
METER_C = (528.0, 744.0)           # the pass meter's ellipse
METER_R = (161.0, 83.0)
METER_FROM, METER_TO = 15.0, 162.0  # angles of multiplier 1.0 and 3.0
TRACK_HALF = 9.0
KICKER_BOX = (303, 668, 365, 761)  # the kick animation's frame on screen
RUN_TEXT = (512, 680)              # the run line, written in black
# Round sockets for the assist buttons (about 32 px), each beside its
# counter: shuffle, retry, undo.
SOCKETS = [(84, 713), (96, 746), (143, 750)]
SOCKET_R = 16


def meter_point(angle, rx=METER_R[0], ry=METER_R[1]):
    """Screen point of a pass-meter angle (0 at the left, 90 at the top)."""
    a = math.radians(angle + 180.0)
    return METER_C[0] + rx * math.cos(a), METER_C[1] + ry * math.sin(a)


def local(p):
    return p[0], p[1] - PANEL_TOP


def multiplier_angles():
    return [METER_FROM + (METER_TO - METER_FROM) * k / 4 for k in range(5)]


def panel_shape():
    cx, cy = local(METER_C)
    rx, ry = METER_R[0] + 18, METER_R[1] + 16
    kx0, ky0 = KICKER_BOX[0] - 14, KICKER_BOX[1] + 6 - PANEL_TOP

    def draw(d, f):
        d.rectangle((-10 * f, 54 * f, (PANEL_W + 10) * f, (PANEL_H + 10) * f), fill=255)
        d.ellipse(((cx - rx) * f, (cy - ry) * f, (cx + rx) * f, (cy + ry) * f), fill=255)
        d.rounded_rectangle((kx0 * f, ky0 * f, (KICKER_BOX[2] + 20) * f, (PANEL_H + 10) * f), radius=18 * f, fill=255)
    mask = tg.shape_mask(PANEL_W, PANEL_H, draw)
    return tg.fillet(mask, 5)


def track_polygon(half, f, a0=METER_FROM, a1=METER_TO, steps=240):
    outer, inner = [], []
    for i in range(steps + 1):
        a = a0 + (a1 - a0) * i / steps
        for r, pts in ((half, outer), (-half, inner)):
            x, y = local(meter_point(a, METER_R[0] + r, METER_R[1] + r))
            pts.append((x * f, y * f))
    return outer + inner[::-1]


def track_mask(half):
    def draw(d, f):
        d.polygon(track_polygon(half, f), fill=255)
        for a in (METER_FROM, METER_TO):
            x, y = local(meter_point(a))
            d.ellipse(((x - half) * f, (y - half) * f, (x + half) * f, (y + half) * f), fill=255)
    return tg.shape_mask(PANEL_W, PANEL_H, draw)


def angle_field(size):
    """An L picture whose value runs 0..255 along the meter, from the 1.0
    mark to the 3.0 mark (for colouring the track by progress)."""
    w, h = size
    img = Image.new("L", (w, h), 0)
    d = ImageDraw.Draw(img)
    cx, cy = local(METER_C)
    steps = 120
    for i in range(steps):
        a0 = METER_FROM - 8 + (METER_TO - METER_FROM + 16) * i / steps
        a1 = METER_FROM - 8 + (METER_TO - METER_FROM + 16) * (i + 1) / steps
        p0 = local(meter_point(a0, 400, 300))
        p1 = local(meter_point(a1, 400, 300))
        t = min(1.0, max(0.0, (0.5 * (a0 + a1) - METER_FROM) / (METER_TO - METER_FROM)))
        d.polygon([(cx, cy), p0, p1], fill=int(255 * t))
    return img


def gradient_along(mask, colours):
    """Colours mask pixels by their place along the meter."""
    t = angle_field(mask.size)
    luts = []
    for ch in range(3):
        lut = []
        for v in range(256):
            x = v / 255.0 * (len(colours) - 1)
            i = min(len(colours) - 2, int(x))
            f = x - i
            lut.append(int(round(colours[i][ch] + (colours[i + 1][ch] - colours[i][ch]) * f)))
        luts.append(t.point(lut))
    rgb = Image.merge("RGB", luts).convert("RGBA")
    rgb.putalpha(mask)
    return rgb


def draw_track(panel):
    outer = track_mask(TRACK_HALF + 1.5)
    groove = track_mask(TRACK_HALF)
    # A lighter rim round the groove, coloured by the way up: from pitch
    # green at 1.0 to gold at 3.0.
    success = pal.mix(pal.PITCH_GREEN_LIGHT, pal.FLOODLIGHT_WHITE, 0.25)
    panel.alpha_composite(gradient_along(outer, [success, pal.GOLD_LIGHT, pal.GOLD]))
    body = Image.new("RGBA", panel.size, (7, 12, 30, 0))
    body.putalpha(groove)
    panel.alpha_composite(body)
    # Recessed: a shadow under its upper lip, a faint glow toward the far end.
    lip = ImageChops.multiply(groove, ImageChops.invert(ImageChops.offset(groove, 0, 3)).filter(
        ImageFilter.GaussianBlur(2)))
    panel.alpha_composite(tg.paint(Image.new("RGBA", panel.size, (0, 0, 0, 0)), lip, (0, 0, 0), 0.8))
    warm = gradient_along(tg.scaled_alpha(groove, 0.22), [pal.NIGHT_NAVY, pal.scale(pal.GOLD_DEEP, 0.7),
                                                          pal.GOLD_DEEP])
    panel.alpha_composite(warm)
    # A fine centre line the ball runs along, dotted.
    dots = Image.new("L", panel.size, 0)
    dd = ImageDraw.Draw(dots)
    for i in range(0, 61):
        a = METER_FROM + (METER_TO - METER_FROM) * i / 60
        x, y = local(meter_point(a))
        dd.ellipse((x - 0.8, y - 0.8, x + 0.8, y + 0.8), fill=255)
    panel.alpha_composite(tg.paint(Image.new("RGBA", panel.size, (0, 0, 0, 0)), dots, pal.FLOODLIGHT_COOL, 0.35))
    # A gold notch outside the track at every multiplier mark.
    notches = tg.shape_mask(PANEL_W, PANEL_H, lambda d, f: [
        d.line((*[c * f for c in local(meter_point(a, METER_R[0] + TRACK_HALF + 2, METER_R[1] + TRACK_HALF + 2))],
                *[c * f for c in local(meter_point(a, METER_R[0] + TRACK_HALF + 8, METER_R[1] + TRACK_HALF + 8))]),
               fill=255, width=int(2.2 * f)) for a in multiplier_angles()])
    panel.alpha_composite(tg.paint(Image.new("RGBA", panel.size, (0, 0, 0, 0)), notches, pal.GOLD, 1.0))
    # The tee where the ball waits at 1.0: a small ring.
    x, y = local(meter_point(METER_FROM))
    ring = tg.shape_mask(PANEL_W, PANEL_H, lambda d, f: d.ellipse(((x - 7) * f, (y - 7) * f, (x + 7) * f, (y + 7) * f),
                                                               outline=255, width=int(1.5 * f)))
    panel.alpha_composite(tg.paint(Image.new("RGBA", panel.size, (0, 0, 0, 0)), ring, success, 0.6))


def text_plate(pivot, box, angle):
    """A cream plate for a text the game writes at pivot (its top-left),
    rotated by angle about it; box is the plate in the text's own
    coordinates (x0, y0, x1, y1). Returns (plate, centre on screen)."""
    x0, y0, x1, y1 = box
    cx, cy = (x0 + x1) / 2, (y0 + y1) / 2
    a = math.radians(angle)
    sx = pivot[0] + cx * math.cos(a) - cy * math.sin(a)
    sy = pivot[1] + cx * math.sin(a) + cy * math.cos(a)
    return tg.cream_plate(int(x1 - x0), int(y1 - y0), radius=6, angle=angle), (sx, sy)


def bottom_panel():
    mask = panel_shape()
    panel = tg.glass(mask, shadow=(10, 0.55), shadow_offset=(0, -2))
    draw_track(panel)
    # Where the footballer stands: a soft shadow on the glass.
    shadow = tg.shape_mask(PANEL_W, PANEL_H, lambda d, f: d.ellipse((310 * f, (753 - PANEL_TOP) * f, 356 * f,
                                                                     (762 - PANEL_TOP) * f), fill=255))
    shadow = shadow.filter(ImageFilter.GaussianBlur(2.5))
    panel.alpha_composite(tg.paint(Image.new("RGBA", panel.size, (0, 0, 0, 0)), shadow, (0, 0, 0), 0.55))
    for x, y in SOCKETS:
        tg.paste_centred(panel, socket(), x, y - PANEL_TOP)
    # Plates under the black numbers.
    plates = [
        text_plate(RUN_TEXT, (-8, -1, 82, 21), 0.0),       # the run line (passFont 16)
        text_plate((23, 712), (-5, 0, 42, 25), -10.0),     # "(shuffles)"
        text_plate((33, 742), (-5, 0, 42, 25), -10.0),     # "(retries)"
        text_plate((170, 747), (-5, 1, 31, 27), 0.0),      # undos
        text_plate((230, 750), (-5, 1, 34, 27), 9.0),      # pairs available
    ]
    for plate, (sx, sy) in plates:
        tg.paste_centred(panel, plate, sx, sy - PANEL_TOP)
    # Beside the pairs counter, two cards engraved in the glass: the number
    # is the pairs that can be made.
    icon = pair_icon()
    tg.paste_centred(panel, icon, 282, 757 - PANEL_TOP)
    return panel


def socket():
    """A shallow round recess in the glass, ringed in dark gold."""
    r = SOCKET_R
    size = 2 * r + 6
    c = size / 2
    disc = tg.shape_mask(size, size, lambda d, f: d.ellipse(((c - r) * f, (c - r) * f, (c + r) * f, (c + r) * f),
                                                          fill=255))
    img = Image.new("RGBA", (size, size), (4, 8, 22, 0))
    img.putalpha(tg.scaled_alpha(disc, 0.55))
    shade = ImageChops.multiply(disc, ImageChops.invert(ImageChops.offset(disc, 0, 3)).filter(
        ImageFilter.GaussianBlur(1.5)))
    img = tg.paint(img, shade, (0, 0, 0), 0.6)
    lip = ImageChops.subtract(ImageChops.offset(disc, 0, 1), disc)
    img = tg.paint(img, lip, pal.FLOODLIGHT_COOL, 0.3)
    img = tg.paint(img, tg.band(disc, 0, 1), pal.GOLD_DEEP, 0.45)
    return img


def pair_icon():
    """Two small overlapping card outlines, turned like the pairs counter;
    the front card hides the outline of the one behind it."""
    f = tg.FACTOR
    w, h = 34, 30
    m = Image.new("L", (w * f, h * f), 0)
    for (x, y, rot) in ((9, 15, -12), (21, 14, 10)):
        face = Image.new("L", (16 * f, 22 * f), 0)
        ImageDraw.Draw(face).rounded_rectangle((f, f, 15 * f, 21 * f), radius=2.5 * f, fill=255)
        edge = Image.new("L", face.size, 0)
        ImageDraw.Draw(edge).rounded_rectangle((f, f, 15 * f, 21 * f), radius=2.5 * f, outline=255,
                                               width=int(1.4 * f))
        face = face.rotate(-rot, resample=Image.BICUBIC, expand=True)
        edge = edge.rotate(-rot, resample=Image.BICUBIC, expand=True)
        at = (int(x * f - face.width / 2), int(y * f - face.height / 2))
        m.paste(0, at, face)
        m.paste(255, at, edge)
    m = m.rotate(-9, resample=Image.BICUBIC).resize((w, h), Image.LANCZOS)
    img = Image.new("RGBA", (w, h), pal.FLOODLIGHT_COOL + (0,))
    img.putalpha(m.point(lambda v: int(v * 0.45)))
    return img


# --- The score panel, top right --------------------------------------------------

SCORE_POS = (800, 0)
SCORE_SIZE = (224, 104)
SCORE_TILT = 8.0


def hanging_card(size, tilt, pivot, card_box, screen_box, divider=None, emblem=None, emblem_at=None):
    """A scoreboard card hanging from the top of the screen, turned by tilt
    degrees about pivot: card_box is the card before turning, screen_box
    the LED screen on it (both in the picture's own coordinates, unturned).
    divider: x of a thin rule splitting the screen in two."""
    w, h = size
    margin = 60
    cw, ch = w + 2 * margin, h + 2 * margin

    def card(d, ff):
        x0, y0, x1, y1 = [c + margin for c in card_box]
        d.rounded_rectangle((x0 * ff, y0 * ff, x1 * ff, y1 * ff), radius=10 * ff, fill=255)
    big_mask = tg.shape_mask(cw, ch, card)
    plate = tg.glass(big_mask, alpha=0.94, rule=None, shadow=None)
    # Gold rule on the card's lower edge (the one that hangs in view).
    rim = tg.band(big_mask, 0, 2)
    lower = ImageChops.subtract(big_mask, ImageChops.offset(big_mask, 0, -3))
    plate = tg.paint(plate, ImageChops.multiply(rim, lower.filter(ImageFilter.MaxFilter(5))), pal.GOLD, 1.0)
    x0, y0, x1, y1 = [c + margin for c in screen_box]
    screen = tg.led_screen(int(x1 - x0), int(y1 - y0), radius=6)
    plate.alpha_composite(screen, (int(x0) - 4, int(y0) - 4))
    if divider is not None:
        d = ImageDraw.Draw(plate)
        xd = divider + margin
        d.line((xd, y0 + 5, xd, y1 - 5), fill=pal.with_alpha(pal.GOLD_DEEP, 200), width=1)
        d.line((xd + 1, y0 + 5, xd + 1, y1 - 5), fill=pal.with_alpha(pal.FLOODLIGHT_COOL, 40), width=1)
    # Two bolts that hang it, near the top edge of the screen.
    bolts = Image.new("RGBA", plate.size, (0, 0, 0, 0))
    bd = ImageDraw.Draw(bolts)
    for bx in (screen_box[0] + 8, screen_box[2] - 8):
        x, y = bx + margin, y0 - 6
        if y < margin + 3 or x > margin + w - 4:
            continue
        bd.ellipse((x - 3, y - 3, x + 3, y + 3), fill=pal.with_alpha(pal.ROOF_STEEL, 255))
        bd.ellipse((x - 2, y - 2.5, x + 1.5, y + 1), fill=pal.with_alpha(pal.STAND_CONCRETE, 255))
    plate.alpha_composite(bolts)
    if emblem is not None:
        ex, ey = emblem_at
        plate.alpha_composite(emblem, (int(ex + margin - emblem.width / 2), int(ey + margin - emblem.height / 2)))
    # Turn the card and cut the picture out of it.
    px, py = pivot[0] + margin, pivot[1] + margin
    plate = plate.rotate(-tilt, resample=Image.BICUBIC, center=(px, py))
    shadow, m = imaging.drop_shadow(plate, blur=6, opacity=0.6, colour=pal.NIGHT_NAVY_DEEP)
    out = Image.new("RGBA", (cw, ch), (0, 0, 0, 0))
    out.alpha_composite(shadow.crop((m, m - 3, m + cw, m - 3 + ch)))
    out.alpha_composite(plate)
    return out.crop((margin, margin, margin + w, margin + h))


def score_panel():
    # Unturned layout: the card runs off the top and right of the picture;
    # the screen holds the two columns (cards left about x 14..98, points
    # about x 102..172 of the picture) and a ball sits at the right end.
    ball = shapes.football(28)
    return hanging_card(SCORE_SIZE, SCORE_TILT, pivot=(4, 68),
                        card_box=(4, -40, 250, 72), screen_box=(12, 12, 170, 62), divider=97,
                        emblem=ball, emblem_at=(198, 40))


# --- The clock panel, top left ---------------------------------------------------

CLOCK_POS = (60, 0)
CLOCK_SIZE = (168, 92)
CLOCK_TILT = -9.0


def stopwatch(size):
    """A small gold-rimmed stopwatch face with a crown and two hands."""
    f = 6
    S = size * f
    img = Image.new("RGBA", (S, S), (0, 0, 0, 0))
    d = ImageDraw.Draw(img)
    r = S * 0.36
    cx, cy = S / 2, S * 0.56
    d.rectangle((cx - S * 0.06, cy - r - S * 0.16, cx + S * 0.06, cy - r + S * 0.02), fill=pal.GOLD_DEEP + (255,))
    d.rounded_rectangle((cx - S * 0.12, cy - r - S * 0.22, cx + S * 0.12, cy - r - S * 0.13), radius=f,
                        fill=pal.GOLD + (255,))
    for ang in (-45, 45):
        a = math.radians(ang - 90)
        bx, by = cx + (r + S * 0.04) * math.cos(a), cy + (r + S * 0.04) * math.sin(a)
        d.ellipse((bx - S * 0.05, by - S * 0.05, bx + S * 0.05, by + S * 0.05), fill=pal.GOLD_DEEP + (255,))
    d.ellipse((cx - r, cy - r, cx + r, cy + r), fill=pal.GOLD + (255,))
    ri = r * 0.82
    d.ellipse((cx - ri, cy - ri, cx + ri, cy + ri), fill=pal.CARD_FACE + (255,))
    for k in range(12):
        a = math.radians(k * 30)
        r0 = ri * (0.72 if k % 3 == 0 else 0.82)
        d.line((cx + r0 * math.cos(a), cy + r0 * math.sin(a), cx + ri * 0.94 * math.cos(a),
                cy + ri * 0.94 * math.sin(a)), fill=pal.CARD_INK + (255,), width=int(f * (1.2 if k % 3 == 0 else 0.7)))
    for ang, length, width, colour in ((-60, 0.55, 1.4, pal.CARD_INK), (75, 0.75, 0.9, pal.CARD_RED)):
        a = math.radians(ang - 90)
        d.line((cx, cy, cx + ri * length * math.cos(a), cy + ri * length * math.sin(a)), fill=colour + (255,),
               width=int(f * width))
    d.ellipse((cx - f * 1.2, cy - f * 1.2, cx + f * 1.2, cy + f * 1.2), fill=pal.CARD_INK + (255,))
    return imaging.downsample(img, f)


def clock_panel():
    # Unturned layout: the screen under the label (x 45.. of the picture)
    # and the clock (centred about x 69, y 59); the stopwatch on the left.
    return hanging_card(CLOCK_SIZE, CLOCK_TILT, pivot=(150, 70),
                        card_box=(16, -40, 152, 74), screen_box=(42, 20, 140, 68),
                        emblem=stopwatch(25), emblem_at=(35, 47))


# --- The sliding scoreboard ------------------------------------------------------

BOARD_SIZE = (360, 124)


def scoreboard():
    w, h = BOARD_SIZE
    cx, cy = w / 2, h / 2
    # The score line's text top is 18 px above the centre; 22 px letters, so
    # the screen is centred 6 px above the centre.
    sx0, sy0, sx1, sy1 = 70, cy - 28, w - 70, cy + 16
    img = Image.new("RGBA", (w, h), (0, 0, 0, 0))
    # Two struts it hangs from, into the top of the picture.
    struts = Image.new("RGBA", (w, h), (0, 0, 0, 0))
    sd = ImageDraw.Draw(struts)
    for x in (92, w - 92):
        sd.rectangle((x - 4, 0, x + 4, 24), fill=pal.ROOF_STEEL + (255,))
        sd.line((x - 3, 0, x - 3, 24), fill=pal.scale(pal.STAND_CONCRETE, 1.2) + (255,))
    img.alpha_composite(struts)
    body = tg.shape_mask(w, h, lambda d, f: d.rounded_rectangle((10 * f, 18 * f, (w - 10) * f, (h - 10) * f),
                                                              radius=12 * f, fill=255))
    board = tg.glass(body, alpha=0.94, rule=None, shadow=(6, 0.6), shadow_offset=(0, 3))
    frame = tg.band(body, 0, 2)
    board = tg.paint(board, frame, pal.GOLD_DEEP, 1.0)
    board = tg.paint(board, ImageChops.multiply(tg.band(body, 2, 3), tg.faces_up(body)), pal.FLOODLIGHT_COOL, 0.2)
    img.alpha_composite(board)
    screen = tg.led_screen(int(sx1 - sx0), int(sy1 - sy0), radius=6)
    img.alpha_composite(screen, (int(sx0) - 4, int(sy0) - 4))
    # Lamp banks on both sides of the screen: 2 x 3 lamps each.
    lamps = Image.new("RGBA", (w, h), (0, 0, 0, 0))
    for side in (-1, 1):
        bx = cx + side * (sx1 - sx0) / 2 + side * 23
        for row in range(3):
            for col in range(2):
                x = bx + (col - 0.5) * 12
                y = sy0 + 6 + row * 12
                lamp(lamps, x, y)
    img.alpha_composite(lamps)
    # A row of small gold studs under the screen.
    studs = ImageDraw.Draw(img)
    for i in range(9):
        x = cx + (i - 4) * 20
        y = sy1 + 14
        studs.ellipse((x - 2, y - 2, x + 2, y + 2), fill=pal.GOLD_DEEP + (255,))
        studs.ellipse((x - 1.2, y - 1.6, x + 0.6, y + 0.2), fill=pal.GOLD_LIGHT + (255,))
    return img


def lamp(layer, x, y):
    """A small lit lamp: a warm-white dot with a soft glow."""
    glow = Image.new("RGBA", (16, 16), pal.FLOODLIGHT_WARM + (0,))
    glow.putalpha(imaging.radial_mask(16, 16, power=2.0).point(lambda v: int(v * 0.55)))
    layer.alpha_composite(glow, (int(x - 8), int(y - 8)))
    d = ImageDraw.Draw(layer)
    d.ellipse((x - 3.2, y - 3.2, x + 3.2, y + 3.2), fill=pal.scale(pal.FLOODLIGHT_WARM, 0.75) + (255,))
    d.ellipse((x - 2.2, y - 2.4, x + 1.6, y + 1.2), fill=pal.FLOODLIGHT_WHITE + (255,))


def main():
    imaging.write_pngs(__doc__, lambda: [
        ("panel.png", bottom_panel()),
        ("panel_gorny.png", score_panel()),
        ("panel_czasu.png", clock_panel()),
        ("panel_Wynikow.png", scoreboard()),
    ])


if __name__ == "__main__":
    main()
