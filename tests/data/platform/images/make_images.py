#!/usr/bin/python3
"""Makes the small image fixtures of the image decoding tests (tests/platform/
image_test.cpp). Each picture has pixels the tests check exactly.

    /usr/bin/python3 tests/data/platform/images/make_images.py
"""
import os
import subprocess

from PIL import Image

here = os.path.dirname(os.path.abspath(__file__))
def path(name):
    return os.path.join(here, name)

# 8-bit RGBA: half-transparent blue-grey with one opaque red pixel at (1, 1).
im = Image.new("RGBA", (6, 5), (10, 20, 30, 128))
im.putpixel((1, 1), (255, 0, 0, 255))
im.save(path("rgba.png"))

# Palette with tRNS: index 0 (black) transparent, index 1 red, index 2 green.
im = Image.new("P", (5, 3), 0)
im.putpalette([0, 0, 0, 255, 0, 0, 0, 255, 0] + [0] * (256 * 3 - 9))
im.putpixel((1, 1), 1)
im.putpixel((2, 1), 2)
im.save(path("palette_trns.png"), transparency=0)

# Grey 8-bit, grey with alpha, grey 16-bit (40000 of 65535), 1-bit.
Image.new("L", (3, 3), 200).save(path("grey.png"))
Image.new("LA", (3, 3), (100, 50)).save(path("grey_alpha.png"))
Image.new("I;16", (3, 2), 40000).save(path("grey16.png"))
Image.new("1", (9, 3), 1).save(path("one_bit.png"))

# RGB without alpha: black at (0, 0), almost black (0, 0, 1) at (1, 0), white
# elsewhere; the masked flag must clear only the pure black one.
im = Image.new("RGB", (4, 2), (255, 255, 255))
im.putpixel((0, 0), (0, 0, 0))
im.putpixel((1, 0), (0, 0, 1))
im.save(path("rgb_black.png"))

# RGBA with an opaque black pixel: the masked flag keeps real alpha.
im = Image.new("RGBA", (2, 1), (0, 0, 0, 255))
im.putpixel((1, 0), (0, 0, 0, 0))
im.save(path("rgba_black.png"))

# 16-bit RGB and an interlaced picture, made with ImageMagick.
subprocess.run(["/usr/bin/convert", "-size", "4x4", "xc:#ff0000", "-depth", "16", "PNG48:" + path("rgb16.png")],
               check=True)
subprocess.run(["/usr/bin/convert", "-size", "9x9", "xc:#ffa500", "-interlace", "PNG", "PNG24:" + path("interlaced.png")],
               check=True)

# JPEG: flat colour, grey and CMYK (written by Pillow with Adobe's inverted
# convention).
Image.new("RGB", (16, 16), (200, 100, 50)).save(path("rgb.jpg"), quality=95)
Image.new("L", (16, 16), 90).save(path("grey.jpg"), quality=95)
Image.new("CMYK", (16, 16), (10, 20, 30, 40)).save(path("cmyk.jpg"), quality=95)
Image.new("RGB", (16, 16), (9, 99, 199)).save(path("progressive.jpg"), quality=95, progressive=True)
