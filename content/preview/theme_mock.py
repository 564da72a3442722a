#!/usr/bin/python3
"""A mock of the window theme at work, for looking at while drawing (not part
of the build).

Reads gfx/gui/window/temat1.txt and its pieces from the game folder and draws
them the way the game does: windows of several sizes (corners at their
handles, edges and centre stretched by the window's scales), a menu bar with
an open drop-down box and a hovered entry. Each window is also compared with
the theme script's own drawing of a whole window of that size, so a seam
between pieces shows up as a difference.

Writes mock.png and zoom.png (the corners at 4x) into --out
(default /tmp/fieldstack-theme) and prints the largest differences.

Usage: theme_mock.py --game-dir <build>/game [--out DIR]
"""

import argparse
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "tools"))
sys.path.insert(0, os.path.join(HERE, "..", "gfx"))

from PIL import Image, ImageChops, ImageDraw, ImageFont  # noqa: E402

import imaging  # noqa: E402
import palette as pal  # noqa: E402
import theme  # noqa: E402

FONT = "/usr/share/fonts/truetype/dejavu/DejaVuSansCondensed-Bold.ttf"
BODY = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf"


def read_theme(path):
    """The theme file's entries as {"OKNO::LEFTUP": value, ...}; values are
    strings (paths) or lists of numbers."""
    entries = {}
    stack = []
    with open(path, encoding="latin-1") as f:
        for line in f:
            line = line.strip()
            if line.endswith("{"):
                stack.append(line[:-1].strip().upper())
            elif line == "}":
                stack.pop()
            elif "=" in line:
                key, value = [p.strip() for p in line.split("=", 1)]
                name = "::".join(stack[1:] + [key.upper()])
                if value.startswith('"'):
                    entries[name] = value.strip('"')
                else:
                    entries[name] = [float(v) for v in value.split(",")]
    return entries


def load_pieces(game):
    folder = os.path.join(game, "gfx/gui/window")
    t = read_theme(os.path.join(folder, "temat1.txt"))

    def img(key):
        return Image.open(os.path.join(folder, t[key])).convert("RGBA")

    okno = [img("OKNO::" + k) for k in
            ("LEFTUP", "UP", "RIGHTUP", "RIGHT", "RIGHTDOWN", "DOWN", "LEFTDOWN", "LEFT", "SRODEK")]
    belka = [img("BELKA::" + k) for k in ("LEWO", "SRODEK", "PRAWO")]
    rect = [img("BELKA::" + k) for k in ("LU", "U", "RU", "R", "RD", "D", "LD", "L", "MIDDLE")]
    colours = {k: tuple(int(v) for v in t["BELKA::" + k]) for k in ("TEXTRGB", "OUTLINERGB", "BACKRGB")}
    return okno, belka, rect, colours


def put(canvas, img, x, y, sx=1.0, sy=1.0):
    """Draws img with its top-left at (x, y), stretched by (sx, sy)."""
    if sx != 1.0 or sy != 1.0:
        w, h = int(round(img.width * sx)), int(round(img.height * sy))
        if w <= 0 or h <= 0:
            return
        img = img.resize((w, h), Image.BILINEAR)
    canvas.alpha_composite(img, (int(x), int(y)))


def draw_window(canvas, okno, X, Y, W, H):
    """The window's draw: corners at their handles, edges and centre scaled."""
    lu, u, ru, r, rd, d, ld, l, c = okno
    A = lu.width + ru.width
    B = u.height + d.height
    s0 = (W - A) / u.width
    s1 = (H - B) / r.height
    s2 = (W - A) / c.width
    s3 = (H - B) / c.height
    incX, incY = lu.width, lu.height
    put(canvas, lu, X, Y)
    put(canvas, ru, X + W - ru.width, Y)                  # handle top-right
    put(canvas, rd, X + W - rd.width, Y + H - rd.height)  # handle bottom-right
    put(canvas, ld, X, Y + H - ld.height)                 # handle bottom-left
    put(canvas, u, X + incX, Y, s0, 1)
    put(canvas, r, X + W - r.width, Y + incY, 1, s1)      # handle top-right
    put(canvas, d, X + incX, Y + H - d.height, s0, 1)     # handle bottom-left
    put(canvas, l, X, Y + incY, 1, s1)
    put(canvas, c, X + incX, Y + incY, s2, s3)


def seam_error(okno, w, h):
    """The largest channel difference between the pieces put together and a
    whole window drawn at that size."""
    mock = Image.new("RGBA", (w, h), (0, 0, 0, 0))
    draw_window(mock, okno, 0, 0, w, h)
    ref = theme.window(w, h)
    a = mock.convert("RGBa")
    b = ref.convert("RGBa")
    return max(hi for _, hi in ImageChops.difference(a, b).getextrema())


def draw_box(canvas, rect, a, t, e, b):
    """The drop-down box between the edges a, e (left, right) and t, b."""
    lu, u, ru, r, rd, d, ld, l, m = rect
    put(canvas, lu, a, t)
    put(canvas, ru, e - ru.width, t)
    put(canvas, rd, e - rd.width, b - rd.height)
    put(canvas, ld, a, b - ld.height)
    E = e - a - lu.width - ru.width
    I = b - t - lu.height - ld.height
    put(canvas, u, a + lu.width, t, E / u.width, 1)
    put(canvas, d, a + ld.width, b - d.height, E / d.width, 1)
    put(canvas, l, a, t + lu.height, 1, I / l.height)
    put(canvas, r, e - r.width, t + ru.height, 1, I / r.height)
    put(canvas, m, a + lu.width, t + lu.height, E / m.width, I / m.height)


def background(game):
    path = os.path.join(game, "gfx/gui/loading/back.jpg")
    if os.path.exists(path):
        return Image.open(path).convert("RGBA")
    img = Image.new("RGBA", (1024, 768), pal.PITCH_GREEN_DARK + (255,))
    return img


def mock(game, out):
    okno, belka, rect, colours = load_pieces(game)
    canvas = background(game)
    title = ImageFont.truetype(FONT, 22)
    body = ImageFont.truetype(BODY, 16)
    small = ImageFont.truetype(FONT, 15)
    d = ImageDraw.Draw(canvas)

    # Windows of several sizes, each with the text a dialog would hold.
    windows = [(40, 80, 300, 200, "QUIT THE MATCH?"), (380, 70, 600, 170, "PROFILE"),
               (380, 280, 420, 330, "OPTIONS"), (830, 280, 160, 140, ""), (40, 320, 300, 420, "PAUSE"),
               (830, 460, theme.MIN_WIDTH, theme.MIN_HEIGHT, "")]
    for X, Y, W, H, text in windows:
        draw_window(canvas, okno, X, Y, W, H)
        if text:
            gx, gy = X + theme.SHADOW_LEFT, Y + theme.SHADOW_TOP
            gw = W - theme.SHADOW_LEFT - theme.SHADOW_RIGHT
            d = ImageDraw.Draw(canvas)
            d.text((gx + gw / 2, gy + 28), text, font=title, fill=pal.GOLD + (255,), anchor="mm")
            d.text((gx + gw / 2, gy + 62), "Your progress is saved.", font=body, fill=pal.TEXT_WHITE + (255,),
                   anchor="mm")

    # The menu bar across the top with an open menu.
    wl, wr = belka[0].width, belka[2].width
    put(canvas, belka[0], 0, 0)
    put(canvas, belka[1], wl, 0, 1024 - wl - wr, 1)
    put(canvas, belka[2], 1024 - wr, 0)
    L = small.getbbox("A")[3]
    bar_h = belka[1].height
    x, y = 10, bar_h // 2 - L // 2
    menus = ["GAME", "VIEW", "HELP"]
    d = ImageDraw.Draw(canvas)
    for i, m in enumerate(menus):
        d.text((x, y), m, font=small, fill=colours["TEXTRGB"] + (255,))
        if i == 1:
            entries = ["  Grid", "* Snap to cards", "  Show deck", "  Zoom"]
            line_h = sum(small.getmetrics())
            com_y = y + 1.5 * line_h
            width = max(small.getlength(e) for e in entries) + 40
            height = line_h // 2 + len(entries) * (line_h + 1)
            draw_box(canvas, rect, x, int(com_y - 5), int(x + width + 5), int(com_y + height))
            ey = com_y
            for k, e in enumerate(entries):
                if k == 2:
                    hl = Image.new("RGBA", (int(width - 10), line_h), colours["BACKRGB"] + (int(255 * 0.3),))
                    canvas.alpha_composite(hl, (int(x + 10 - 5), int(ey)))
                ImageDraw.Draw(canvas).text((x + 10, ey), e, font=small, fill=colours["TEXTRGB"] + (255,))
                ey += line_h + 1
        x += small.getlength(m) + 30

    imaging.save_png(canvas, os.path.join(out, "mock.png"))

    # The corners of one window at 4x over bright grass and white.
    zoom_src = Image.new("RGBA", (260, 160), pal.PITCH_GREEN_LIGHT + (255,))
    ImageDraw.Draw(zoom_src).rectangle((130, 0, 260, 160), fill=pal.CARD_FACE + (255,))
    draw_window(zoom_src, okno, 10, 10, 240, 140)
    zoom = zoom_src.resize((zoom_src.width * 4, zoom_src.height * 4), Image.NEAREST)
    imaging.save_png(zoom, os.path.join(out, "zoom.png"))

    for w, h in [(300, 200), (600, 170), (420, 330), (160, 140), (theme.MIN_WIDTH, theme.MIN_HEIGHT),
                 (1000, 700), (257, 123)]:
        print("window %4d x %3d: largest difference from a whole window %d" % (w, h, seam_error(okno, w, h)))


def main():
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument("--game-dir", required=True)
    ap.add_argument("--out", default="/tmp/fieldstack-theme")
    args = ap.parse_args()
    os.makedirs(args.out, exist_ok=True)
    mock(args.game_dir, args.out)


if __name__ == "__main__":
    main()
