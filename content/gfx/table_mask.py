#!/usr/bin/python3
"""gfx/gui/mainGame/maska.png: the table's darkening, 1024 x 768, black with
varying alpha. The card game draws it tinted black at up to 60 % over the
background while a layout is played, so the pitch dims a little in the
middle (cards stand out more) and much more toward the edges and corners;
the main menu draws it the same way over its picture as it fades.

The shape follows the layout area (x 100..924, y 90..640): an ellipse that
stays light over it and reaches full black at the corners.

Usage: table_mask.py --out <file.png>
"""

import argparse
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tools"))

import numpy as np  # noqa: E402
from PIL import Image  # noqa: E402

import imaging  # noqa: E402

W, H = 1024, 768
CENTRE = (512.0, 368.0)
RADII = (600.0, 440.0)
MIDDLE_ALPHA = 0.3   # over the cards' area
EDGE_ALPHA = 1.0     # at the corners


def mask_alpha():
    py, px = np.mgrid[0:H, 0:W].astype(np.float64)
    d = np.hypot((px - CENTRE[0]) / RADII[0], (py - CENTRE[1]) / RADII[1])
    t = np.clip((d - 0.42) / (1.18 - 0.42), 0.0, 1.0)
    t = t * t * (3.0 - 2.0 * t)
    a = MIDDLE_ALPHA + (EDGE_ALPHA - MIDDLE_ALPHA) * t
    return np.clip(a * 255.0, 0, 255).round().astype(np.uint8)


def main():
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument("--out", required=True)
    args = ap.parse_args()
    img = Image.new("RGBA", (W, H), (0, 0, 0, 0))
    img.putalpha(Image.fromarray(mask_alpha(), "L"))
    imaging.save_png(img, args.out)


if __name__ == "__main__":
    main()
