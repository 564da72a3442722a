#!/usr/bin/python3
"""Contact sheets of the card art, for looking at it (not part of the build).

Reads a built game folder the way the game does: data/cards.dat and
data/speccards.dat name the face strips and their cells, and every record is
cut from its strip. Draws on a table background (the game's own background 1
when it exists, else a plain mown pitch):

  <out>-faces.png     every record of cards.dat at 1:1, in file order
  <out>-faces2x.png   the same, twice the size (nearest neighbour)
  <out>-table.png     a table scene at 1:1: overlapping cards with the game's
                      shadow (the back's outline in black at 30 %, 2 px down
                      right), rotated cards, the hover and picked frames,
                      bonus overlays, the deck in its holder with its spots,
                      the restore markers, the backs and the pieces
  <out>-table2x.png   the scene's centre twice the size

Usage: cards_sheet.py --game <build>/game [--out /tmp/cards_sheet]
                      [--background <table.jpg>] [--table-mask <maska.png>]
"""

import argparse
import math
import os
import sys

from PIL import Image, ImageDraw, ImageFont

FONT = "/usr/share/fonts/truetype/dejavu/DejaVuSansCondensed-Bold.ttf"


# --- A small reader for the data files (enough for cards.dat) -------------------

def read_groups(text):
    """Returns {path: [values]} with paths like "cards::c1::id" (lower case)."""
    out, stack, gathered = {}, [], ""
    for ch in text:
        if ch == "{":
            stack.append(gathered.replace("\n", "").strip().lower())
            gathered = ""
        elif ch == "}":
            stack.pop()
            gathered = ""
        elif ch == "\n":
            if "=" in gathered:
                key, value = gathered.split("=", 1)
                out["::".join(stack + [key.strip().lower()])] = split_values(value)
                gathered = ""
        else:
            gathered += ch
    return out


def split_values(value):
    pieces, cur, quoted = [], "", False
    for ch in value:
        if ch == '"':
            quoted = not quoted
        if ch == "," and not quoted:
            pieces.append(cur)
            cur = ""
        else:
            cur += ch
    pieces.append(cur)
    if value.strip()[:1].isdigit() or value.strip()[:1] == "-":
        return [p.strip() for p in pieces]
    return [p[2:-1] for p in pieces]


def records(game, name):
    path = os.path.join(game, "data", name)
    if not os.path.isfile(path):
        return [], []
    d = read_groups(open(path, encoding="latin-1").read())
    strips = []
    for n in range(1, int(float(d.get("cards::imgs", ["0"])[0])) + 1):
        file, geometry = d["cards::img%d" % n][:2]
        cw, chh, count = (int(v) for v in geometry.split())
        strips.append((Image.open(os.path.join(game, file)).convert("RGBA"), cw, chh, count))
    recs = []
    for i in range(1, int(float(d.get("cards::i", ["0"])[0])) + 1):
        g = lambda k: d.get("cards::c%d::%s" % (i, k), ["0"])[0]  # noqa: E731
        img, cw, chh, count = strips[int(float(g("img"))) - 1]
        frame = int(float(g("frame")))
        cols = img.width // cw
        x, y = (frame % cols) * cw, (frame // cols) * chh
        recs.append((int(float(g("id"))), g("nazwa"), int(float(g("kolor"))), img.crop((x, y, x + cw, y + chh))))
    return recs, strips


# --- Drawing like the game -------------------------------------------------------

BACKGROUND = None     # --background: a table picture instead of the game's own
TABLE_MASK = None     # --table-mask: the darkening the game lays over the table


def table(w, h, game):
    bg = BACKGROUND or os.path.join(game, "gfx", "backgrounds", "background-1.jpg")
    mask = TABLE_MASK or os.path.join(game, "gfx", "gui", "mainGame", "maska.png")
    if os.path.isfile(bg):
        img = Image.open(bg).convert("RGBA")
        if img.size != (1024, 768):
            img = img.resize((1024, 768))
        if os.path.isfile(mask):
            # Drawn in black at 60 % while a layout is played.
            dark = tinted(Image.open(mask).convert("RGBA"), (0, 0, 0), 0.6)
            img.alpha_composite(dark.resize(img.size))
        if img.size != (w, h):
            img = img.crop((0, 0, min(w, 1024), min(h, 768))).resize((w, h))
        return img
    img = Image.new("RGBA", (w, h), (46, 118, 44, 255))
    d = ImageDraw.Draw(img)
    for x in range(0, w, 64):
        if (x // 64) % 2:
            d.rectangle((x, 0, x + 63, h), fill=(58, 138, 52, 255))
    return img


def load(game, rel):
    path = os.path.join(game, rel)
    return Image.open(path).convert("RGBA") if os.path.isfile(path) else None


def tinted(img, rgb, alpha=1.0):
    """The picture multiplied by a colour and an alpha, as the renderer does."""
    r, g, b, a = img.split()
    r = r.point(lambda v: v * rgb[0] // 255)
    g = g.point(lambda v: v * rgb[1] // 255)
    b = b.point(lambda v: v * rgb[2] // 255)
    a = a.point(lambda v: int(v * alpha))
    return Image.merge("RGBA", (r, g, b, a))


def put(canvas, img, cx, cy, rot=0.0, alpha=1.0, rgb=(255, 255, 255), handle=None):
    """Draws img with its handle (default: centre) at (cx, cy), rotated by rot
    degrees (clockwise on screen, as the game's angles)."""
    if img is None:
        return
    pic = tinted(img, rgb, alpha) if (alpha != 1.0 or rgb != (255, 255, 255)) else img
    hx, hy = handle if handle else (img.width / 2, img.height / 2)
    if rot:
        # Pad so the rotation keeps the handle at the centre.
        pad = int(math.hypot(img.width, img.height)) + 4
        big = Image.new("RGBA", (pad * 2, pad * 2), (0, 0, 0, 0))
        big.paste(pic, (int(pad - hx), int(pad - hy)))
        big = big.rotate(-rot, resample=Image.BICUBIC)
        canvas.alpha_composite(big, (int(cx - pad), int(cy - pad)))
    else:
        x, y = int(round(cx - hx)), int(round(cy - hy))
        layer = Image.new("RGBA", canvas.size, (0, 0, 0, 0))
        layer.paste(pic, (x, y))
        canvas.alpha_composite(layer)


def card(canvas, face, back, cx, cy, rot=0.0, overlay=None):
    """A card as the game draws it: shadow (the back in black at 30 % two
    pixels down right), then the face and any bonus overlay."""
    put(canvas, back, cx + 2, cy + 2, rot, 0.3, (0, 0, 0))
    put(canvas, face, cx, cy, rot)
    if overlay is not None:
        put(canvas, overlay, cx, cy, rot)


def label(canvas, text, x, y, size=13):
    d = ImageDraw.Draw(canvas)
    f = ImageFont.truetype(FONT, size)
    d.text((x, y), text, font=f, fill=(255, 255, 255, 255), stroke_width=2, stroke_fill=(4, 8, 22, 255))


# --- Sheets -------------------------------------------------------------------

def faces_sheet(game, recs, out):
    cols, cw, chh = 13, 84, 128
    rows = (len(recs) + cols - 1) // cols
    sheet = table(cols * cw + 16, rows * chh + 16, game)
    back = load(game, "gfx/cards/card-revers-1.png")
    for i, (cid, nazwa, kolor, img) in enumerate(recs):
        x, y = 8 + (i % cols) * cw + cw // 2, 8 + (i // cols) * chh + 56
        card(sheet, img, back if back is not None else img, x, y)
        label(sheet, "%d %s/%d" % (cid, nazwa, kolor), x - 34, y + 54, 11)
    sheet.save(out + "-faces.png")
    sheet.resize((sheet.width * 2, sheet.height * 2), Image.NEAREST).save(out + "-faces2x.png")


def table_sheet(game, recs, out):
    W, H = 1024, 768
    sc = table(W, H, game)
    by_id = {r[0]: r[3] for r in recs}
    backs = [load(game, "gfx/cards/card-revers-%d.png" % i) for i in (1, 2, 3)]
    back = backs[0]
    frame = load(game, "gfx/gui/mainGame/ramka.png")

    # A small pyramid: covered cards face down, the top row face up.
    ids = [5, 19, 33, 46, 8, 22, 35, 49, 1, 14, 27, 40, 2, 15, 28]
    k = 0
    for row, n in enumerate((4, 3, 2)):
        for j in range(n):
            x = 120 + j * 76 + row * 38
            y = 140 + row * 40
            face = by_id.get(ids[k]) if row == 2 else back
            card(sc, face, back, x, y)
            k += 1
    label(sc, "stack (face down under, face up on top)", 70, 60)

    # A fan of rotated face-up cards.
    for j, cid in enumerate((1, 2, 3, 4, 5, 13)):
        card(sc, by_id.get(cid), back, 520 + j * 40, 150 + abs(j - 2.5) * 6, rot=(j - 2.5) * 9)
    label(sc, "rotated faces", 470, 60)

    # Hover frame (white) and picked frame (tinted red).
    card(sc, by_id.get(27), back, 120, 360)
    put(sc, frame, 120, 360)
    card(sc, by_id.get(16), back, 210, 360)
    put(sc, frame, 210, 360, rgb=(255, 0, 0))
    card(sc, by_id.get(44), back, 300, 360, rot=12)
    put(sc, frame, 300, 360, rot=12, alpha=0.6)
    label(sc, "hover / picked / hover 60%", 70, 290)

    # Bonus overlays on faces.
    for j, name in enumerate(("shuffle", "retry", "undo", "restore")):
        ov = load(game, "gfx/cards/%s-card.png" % name)
        card(sc, by_id.get((10, 24, 37, 52)[j]), back, 420 + j * 82, 360, overlay=ov)
    label(sc, "bonus overlays: shuffle retry undo restore", 380, 290)

    # Backs and pieces.
    for j, b in enumerate(backs):
        card(sc, b, back, 120 + j * 82, 520)
    label(sc, "backs 1 2 3", 80, 455)
    for j, cid in enumerate((101, 102, 103, 104, 105)):
        card(sc, by_id.get(cid), back, 400 + j * 82, 520)
    label(sc, "pieces 101..105", 360, 455)
    mask = load(game, "gfx/cards/mask.png")
    put(sc, mask, 860, 520)
    label(sc, "mask", 840, 455)

    # The deck: holder at (deckX, deckY) with handle (140, 57), spots 90 px
    # apart to the right, the restore marker under the holder, the deck of
    # backs walking left (x -= k * width, k starts 0.1 and shrinks by 0.9).
    for variant, (dx, dy) in enumerate(((250, 690), (700, 690))):
        restore = load(game, "gfx/cards/restore_card.png" if variant == 0 else "gfx/cards/restore_end.png")
        put(sc, restore, dx, dy, alpha=0.5)
        holder = load(game, "gfx/gui/mainGame/deck-holder.png" if variant == 0
                      else "gfx/gui/mainGame/deck-holder-green.png")
        put(sc, holder, dx, dy, handle=(140, 57))
        spot = load(game, "gfx/gui/mainGame/deck-%d.png" % (variant + 1))
        for i in (1, 2):
            put(sc, spot, dx + 90 * i, dy)
        if variant == 0:
            x, kk = float(dx), 0.1
            for _ in range(24):
                put(sc, back, x, dy)
                x -= kk * back.width
                kk *= 0.9
            card(sc, by_id.get(9), back, dx + 90, dy)
            d = ImageDraw.Draw(sc)
            f = ImageFont.truetype(FONT, 26)
            d.text((x, dy), "24", font=f, anchor="mm", fill=(0, 255, 0, 255), stroke_width=1,
                   stroke_fill=(0, 0, 0, 255))
        d = ImageDraw.Draw(sc)
        f = ImageFont.truetype(FONT, 26)
        d.text((dx - 120, dy - 3), "2", font=f, anchor="mm", fill=(255, 255, 0, 255), stroke_width=1,
               stroke_fill=(0, 0, 0, 255))
    label(sc, "deck in holder, spots, restore marker (empty deck, right)", 110, 610)

    sc.save(out + "-table.png")
    sc.crop((60, 290, 572, 600)).resize((1024, 620), Image.NEAREST).save(out + "-table2x.png")


def main():
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument("--game", required=True)
    ap.add_argument("--out", default="/tmp/cards_sheet")
    ap.add_argument("--background", help="a table picture to lay the cards on")
    ap.add_argument("--table-mask", help="the table darkening picture (drawn black at 60 %%)")
    args = ap.parse_args()
    global BACKGROUND, TABLE_MASK
    BACKGROUND, TABLE_MASK = args.background, args.table_mask
    recs, _ = records(args.game, "cards.dat")
    if not recs:
        sys.exit("no records in %s/data/cards.dat" % args.game)
    faces_sheet(args.game, recs, args.out)
    table_sheet(args.game, recs, args.out)
    special, _ = records(args.game, "speccards.dat")
    print("card catalogue: %d records; special-card catalogue: %d records" % (len(recs), len(special)))


if __name__ == "__main__":
    main()
