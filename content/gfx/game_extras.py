#!/usr/bin/python3
"""Two pictures the card game loads but does not draw, kept small and in
the game's look so they are fine wherever they may show up later:

  driveGFX.png  64 x 40: the pass meter in miniature, a gold arc over a
                navy plate with a ball at its start.
  flag.png      54 x 46: a corner flag (its handle is (27, 23), the centre):
                a steel pole with a red flag.

Usage: game_extras.py --out-dir <game>/gfx/gui/mainGame
"""

import math
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tools"))

import imaging  # noqa: E402
import palette as pal  # noqa: E402
import shapes  # noqa: E402

SS = 6


def drive():
    w, h = 64, 40
    img, d = imaging.supersampled(w, h, SS)
    d.rounded_rectangle((1 * SS, 1 * SS, (w - 1) * SS, (h - 1) * SS), radius=8 * SS,
                        fill=pal.NIGHT_NAVY + (224,), outline=pal.GOLD_DEEP + (255,), width=SS)
    box = (16 * SS, 10 * SS, 56 * SS, 50 * SS)
    d.arc(box, 195, 342, fill=pal.GOLD + (255,), width=3 * SS)
    img = imaging.downsample(img, SS)
    a = math.radians(195)
    bx, by = 36 + 20 * math.cos(a), 30 + 20 * math.sin(a)
    img.alpha_composite(shapes.football(10), (int(bx - 5), int(by - 5)))
    return img


def flag():
    w, h = 54, 46
    img, d = imaging.supersampled(w, h, SS)
    px = 22
    d.line((px * SS, 6 * SS, px * SS, 44 * SS), fill=pal.STAND_CONCRETE + (255,), width=int(2.6 * SS))
    d.line(((px - 0.6) * SS, 6 * SS, (px - 0.6) * SS, 44 * SS), fill=pal.scale(pal.STAND_CONCRETE, 1.7) + (255,),
           width=SS)
    d.ellipse(((px - 2) * SS, 3 * SS, (px + 2) * SS, 7 * SS), fill=pal.GOLD + (255,))
    cloth = [(px + 1, 7), (px + 24, 11), (px + 20, 17), (px + 25, 24), (px + 1, 25)]
    d.polygon([(x * SS, y * SS) for x, y in cloth], fill=pal.CARD_RED + (255,))
    # The fold: a darker band where the cloth turns away from the light.
    d.polygon([((px + 12) * SS, 9 * SS), ((px + 17) * SS, 10 * SS), ((px + 15) * SS, 25 * SS),
               ((px + 11) * SS, 25 * SS)], fill=pal.scale(pal.CARD_RED, 0.72) + (255,))
    d.ellipse(((px - 6) * SS, 42 * SS, (px + 6) * SS, 45 * SS), fill=(0, 0, 0, 70))
    return imaging.downsample(img, SS)


def main():
    imaging.write_pngs(__doc__, lambda: [("driveGFX.png", drive()), ("flag.png", flag())])


if __name__ == "__main__":
    main()
