#!/usr/bin/python3
"""gfx/point.png: the one-pixel pointer image the card hover test draws at the
mouse position. One opaque white pixel.

Usage: point.py --out <game>/gfx/point.png
"""

import argparse
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tools"))

from PIL import Image  # noqa: E402

import imaging  # noqa: E402


def main():
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument("--out", required=True)
    args = ap.parse_args()
    imaging.save_png(Image.new("RGBA", (1, 1), (255, 255, 255, 255)), args.out)


if __name__ == "__main__":
    main()
