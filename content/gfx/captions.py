#!/usr/bin/python3
"""The announcements drawn over the table.

--set effects: the caption pictures, each centred on its handle --
  gfx/effects/goal.png, opponent-goal.png, match-begin.png, long-pass.png and
  gfx/captions/txt/perfect.png swell in at the top of the table (drawn from
  1.4 times their size), the others spin in at the middle of the screen from
  twice their size, so they stay within about 450 x 180:
  neu-1..3 (a saved attack, a near miss), win-1..4 (goals, a cleared table),
  bad-1..4 (the opponent scores, many cards left).
--set points: the pieces of the rising points rows, drawn left to right from
  their top-left corners: gfx/captions/cyfry/0..9.png, gfx/captions/txt/plus.png
  (drawn 10 px lower than the digits) and the words color-match, perfect-match,
  points, sequence and special-match. Rows stand 40 px apart.

Gold is for goals and wins, green for the pass, white for neutral news and
red for the opponent.

Usage: captions.py --set effects|points --game-dir <game> --font <bold condensed TTF>
"""

import argparse
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tools"))

from PIL import Image, ImageChops, ImageDraw, ImageFilter  # noqa: E402

import effects_lettering as lettering  # noqa: E402
import imaging  # noqa: E402
import palette as pal  # noqa: E402

# --- Caption pictures ---------------------------------------------------------

# (file, lines, streak): each line is (text, style, font size, tracking); the
# font size shrinks when the widest line would pass the picture's width.
TOP_WIDTH = 600    # pictures at the top of the table (they swell from 1.4x)
SPIN_WIDTH = 430   # pictures that spin in from 2x at the middle of the screen

PICTURES = [
    ("gfx/effects/goal.png", [("GOAL!", "gold", 124, 6)], TOP_WIDTH, True),
    ("gfx/effects/opponent-goal.png", [("OPPONENT", "white", 32, 10), ("GOAL", "red", 104, 6)], TOP_WIDTH, True),
    ("gfx/effects/match-begin.png", [("MATCH DAY", "white", 30, 10), ("KICK OFF!", "gold", 92, 4)], TOP_WIDTH, True),
    ("gfx/effects/long-pass.png", [("LONG PASS!", "green", 88, 4)], TOP_WIDTH, True),
    ("gfx/captions/txt/perfect.png", [("PERFECT!", "gold", 100, 5)], TOP_WIDTH, True),
    ("gfx/effects/neu-1.png", [("SAVED!", "white", 78, 4)], SPIN_WIDTH, False),
    ("gfx/effects/neu-2.png", [("SO CLOSE!", "white", 70, 3)], SPIN_WIDTH, False),
    ("gfx/effects/neu-3.png", [("KEEP GOING!", "white", 64, 3)], SPIN_WIDTH, False),
    ("gfx/effects/win-1.png", [("WELL", "gold", 46, 6), ("PLAYED!", "gold", 72, 3)], SPIN_WIDTH, False),
    ("gfx/effects/win-2.png", [("WHAT A", "gold", 44, 6), ("STRIKE!", "gold", 72, 3)], SPIN_WIDTH, False),
    ("gfx/effects/win-3.png", [("BRILLIANT!", "gold", 70, 3)], SPIN_WIDTH, False),
    ("gfx/effects/win-4.png", [("ALL CLEAR!", "gold", 70, 3)], SPIN_WIDTH, False),
    ("gfx/effects/bad-1.png", [("OH NO!", "red", 80, 4)], SPIN_WIDTH, False),
    ("gfx/effects/bad-2.png", [("UNLUCKY!", "red", 72, 3)], SPIN_WIDTH, False),
    ("gfx/effects/bad-3.png", [("BOUNCE", "red", 52, 4), ("BACK!", "red", 68, 4)], SPIN_WIDTH, False),
    ("gfx/effects/bad-4.png", [("NEXT TIME!", "red", 70, 3)], SPIN_WIDTH, False),
]

STREAK_COLOURS = {"gold": (255, 214, 110), "white": pal.FLOODLIGHT_COOL, "green": (150, 236, 120),
                  "red": (255, 90, 90)}


def fitted_size(text, font_path, size, tracking, width):
    """The font size at which the line, with its lean and outline, is at most
    width pixels wide."""
    while size > 12 and lettering.line_width(text, font_path, size, tracking) + size * 0.25 > width:
        size -= 1
    return size


def streak(width, height, colour):
    """A floodlight glint behind the lettering: a thin horizontal line of light
    with a soft bloom, brightest in the middle, fading out to the ends."""
    f = 2
    W, H = width * f, height * f
    line = Image.new("L", (W, H), 0)
    d = ImageDraw.Draw(line)
    for x in range(W):
        t = 1.0 - abs(x - W / 2) / (W / 2)
        v = int(255 * t ** 1.6)
        d.line((x, H / 2 - 1.2 * f, x, H / 2 + 1.2 * f), fill=v)
    bloom = line.filter(ImageFilter.GaussianBlur(7 * f)).point(lambda v: min(255, v * 3))
    core = ImageChops.lighter(line, bloom.point(lambda v: v // 2))
    halo = imaging.radial_mask(W * 0.55, H * 0.9, power=2.0)
    glowmask = Image.new("L", (W, H), 0)
    glowmask.paste(halo, ((W - halo.width) // 2, (H - halo.height) // 2))
    alpha = ImageChops.lighter(core, glowmask.point(lambda v: v * 70 // 255))
    rgb = Image.new("RGB", (W, H), colour)
    white = Image.new("RGB", (W, H), (255, 255, 250))
    rgb = Image.composite(white, rgb, line)
    img = rgb.convert("RGBA")
    img.putalpha(alpha)
    return imaging.downsample(img, f)


def backing(width, height):
    """A soft dark haze behind the lettering so it reads over white cards and
    bright grass alike."""
    mask = imaging.radial_mask(width, height, power=1.3, inner=0.25).point(lambda v: v * 120 // 255)
    img = Image.new("RGBA", (width, height), pal.NIGHT_NAVY_DEEP + (0,))
    img.putalpha(mask)
    return img


def caption_picture(lines, width, with_streak, font_path):
    rendered = []
    for text, style, size, tracking in lines:
        size = fitted_size(text, font_path, size, tracking, width)
        img, base = lettering.word(text, font_path, size, style, tracking=tracking,
                                   stroke=max(2.5, size * 0.045), rim=max(1.0, size * 0.014),
                                   shadow=(0, max(3, size * 0.05), max(3, size * 0.05), 0.8),
                                   glow=(max(6, size * 0.1), 0.5))
        adv = lettering.line_width(text, font_path, size, tracking)
        cap = size * 0.73
        rendered.append((img, base, adv, cap, size))
    gap = [r[4] * 0.16 for r in rendered]
    total = sum(r[3] for r in rendered) + sum(gap[1:])
    canvas_w = max(r[0].width for r in rendered) + 80
    canvas_h = int(total + max(r[0].height for r in rendered) + 80)
    canvas = Image.new("RGBA", (canvas_w, canvas_h), (0, 0, 0, 0))
    top = (canvas_h - total) / 2
    widest = max(r[2] for r in rendered)

    haze_w, haze_h = int(widest * 1.05 + 40), int(total * 1.5 + 40)
    haze = backing(haze_w, haze_h)
    canvas.alpha_composite(haze, ((canvas_w - haze_w) // 2, int(canvas_h / 2 - haze_h / 2)))
    if with_streak:
        main_style = max(lines, key=lambda l: l[2])[1]
        s = streak(int(widest * 1.3), 60, STREAK_COLOURS[main_style])
        baseline_y = top + total - rendered[-1][3] * 0.5
        canvas.alpha_composite(s, ((canvas_w - s.width) // 2, int(baseline_y - s.height / 2)))

    y = top
    for i, (img, base, adv, cap, size) in enumerate(rendered):
        if i:
            y += gap[i]
        baseline = y + cap
        x = canvas_w / 2 - adv / 2
        canvas.alpha_composite(img, (int(round(x - base[0])), int(round(baseline - base[1]))))
        y = baseline
    return lettering.crop_centred(canvas, threshold=4, pad=2)


def make_effects(game_dir, font_path):
    for path, lines, width, with_streak in PICTURES:
        img = caption_picture(lines, width, with_streak, font_path)
        imaging.save_png(img, os.path.join(game_dir, path))


# --- Points rows ------------------------------------------------------------------

ROW_H = 44        # every piece of a row is this tall
CAP_TOP = 10      # top of the digits' capitals
DIGIT_CAP = 26    # digit height
WORD_CAP = 17     # height of the word capitals, on the digits' baseline
BASELINE = CAP_TOP + DIGIT_CAP
PLUS_DROP = 10    # the plus is drawn this much lower than the digits

WORDS = [
    ("gfx/captions/txt/color-match.png", "COLOR"),
    ("gfx/captions/txt/perfect-match.png", "PERFECT"),
    ("gfx/captions/txt/points.png", "POINTS"),
    ("gfx/captions/txt/sequence.png", "SEQ"),
    ("gfx/captions/txt/special-match.png", "SPECIAL"),
]


# Row pieces are drawn side by side with no gap, so each is cut where its glow
# has all but faded out, leaving the letters close together.
ROW_CUT = 28


def _row_piece(img, base, pad=0):
    """The lettering placed on a row piece: baseline at BASELINE, cut to its
    visible columns."""
    piece = Image.new("RGBA", (img.width, ROW_H), (0, 0, 0, 0))
    piece.alpha_composite(img, (0, int(round(BASELINE - base[1]))))
    x0, x1 = lettering.ink_columns(piece, threshold=ROW_CUT)
    return piece.crop((max(0, x0 - pad), 0, min(piece.width, x1 + pad), ROW_H))


def digit(d, font_path):
    size = DIGIT_CAP / 0.73
    img, base = lettering.word(str(d), font_path, size, "gold", lean=0.1, stroke=2.4, rim=1.0,
                               shadow=(0, 2, 1.6, 0.8), glow=(2.0, 0.55), margin=12)
    return _row_piece(img, base)


def word_piece(text, font_path):
    size = WORD_CAP / 0.73
    img, base = lettering.word(text, font_path, size, "white", tracking=1.5, lean=0.1, stroke=2.2, rim=0.8,
                               shadow=(0, 2, 1.6, 0.8), glow=(2.0, 0.45), margin=12)
    return _row_piece(img, base)


def plus(font_path):
    """A bold plus whose middle lines up with the middle of the digits once
    it is drawn PLUS_DROP pixels lower."""
    f = lettering.SS
    centre_y = CAP_TOP + DIGIT_CAP / 2 - PLUS_DROP
    arm, thick = 8.0, 5.0
    w = int(2 * arm + 12)
    h = ROW_H - PLUS_DROP
    fill = Image.new("L", (w * f, h * f), 0)
    d = ImageDraw.Draw(fill)
    cx, cy = w / 2 * f, centre_y * f
    r = thick / 2 * f
    d.rounded_rectangle((cx - arm * f, cy - r, cx + arm * f, cy + r), radius=r * 0.4, fill=255)
    d.rounded_rectangle((cx - r, cy - arm * f, cx + r, cy + arm * f), radius=r * 0.4, fill=255)
    outline = fill.filter(ImageFilter.MaxFilter(int(2.4 * f) * 2 + 1))
    st = lettering.STYLES["gold"]
    top, bottom = int(cy - arm * f), int(cy + arm * f)
    grad = imaging.vertical_gradient(w * f, bottom - top, st["fill"])
    colour = Image.new("RGB", (w * f, h * f), st["fill"][-1][1])
    colour.paste(grad, (0, top))
    out = Image.new("RGBA", (w * f, h * f), (0, 0, 0, 0))
    glow = Image.new("RGBA", out.size, st["glow"] + (0,))
    glow.putalpha(outline.filter(ImageFilter.GaussianBlur(2 * f)).point(lambda v: int(v * 0.55)))
    out.alpha_composite(glow)
    shadow = Image.new("RGBA", out.size, pal.NIGHT_NAVY_DEEP + (0,))
    shadow.putalpha(ImageChops.offset(outline.filter(ImageFilter.GaussianBlur(1.6 * f)), 0, 2 * f)
                    .point(lambda v: int(v * 0.8)))
    out.alpha_composite(shadow)
    dark = Image.new("RGBA", out.size, lettering.OUTLINE + (0,))
    dark.putalpha(outline)
    out.alpha_composite(dark)
    rim = Image.new("RGBA", out.size, st["rim"] + (0,))
    rim.putalpha(fill.filter(ImageFilter.MaxFilter(2 * f + 1)))
    out.alpha_composite(rim)
    body = colour.convert("RGBA")
    body.putalpha(fill)
    out.alpha_composite(body)
    img = imaging.downsample(out, f)
    x0, x1 = lettering.ink_columns(img, threshold=ROW_CUT)
    return img.crop((x0, 0, x1, h))


def make_points(game_dir, font_path):
    for d in range(10):
        imaging.save_png(digit(d, font_path), os.path.join(game_dir, "gfx/captions/cyfry/%d.png" % d))
    imaging.save_png(plus(font_path), os.path.join(game_dir, "gfx/captions/txt/plus.png"))
    for path, text in WORDS:
        imaging.save_png(word_piece(text, font_path), os.path.join(game_dir, path))


def main():
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument("--set", required=True, choices=("effects", "points"))
    ap.add_argument("--game-dir", required=True)
    ap.add_argument("--font", required=True, help="bold condensed TTF for the lettering")
    args = ap.parse_args()
    if not os.path.isfile(args.font):
        imaging.fail("font not found: %s" % args.font)
    if args.set == "effects":
        make_effects(args.game_dir, args.font)
    else:
        make_points(args.game_dir, args.font)


if __name__ == "__main__":
    main()
