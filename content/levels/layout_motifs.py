"""The figures the card layouts are built as: football things (a ball, a
goal, a pitch, a stadium, a cup, a shirt), letters and simple shapes.

Each motif is a function of the layout's depth, the number of cards per
stack (core stacks of a figure get the rounded-up number when the depth is
not whole), returning the layers of cards, bottom first. The figures are
symmetric about x = 512 (all but the lettering) and keep inside y 105..440,
the part of the table that stays clear of the deck row wherever the deck
lies.
"""

import math

from layout_shapes import (CX, Site, arc, column, cores, inward, lettering, merge, mirrored, polygon, ring, row,
                           spread_on_curve, stacks, with_peek)

UP = (0.0, -11.0)
DOWN = (0.0, 11.0)


def less(depth, by=1):
    """A shallower depth for the parts of a figure lying behind its main
    part."""
    return max(1, depth - by)


def alternate(i):
    """Core pick: every other site, from the first."""
    return i % 2 == 0


def none(i):
    """Core pick: no site."""
    return False


# --- Rings and circles --------------------------------------------------------------

def ring_of_stacks(depth):
    """An oval of stacks leaning like spokes round a row of three."""
    oval = cores(inward(ring(12, CX, 282, 340, 135, tilt=18), (CX, 282)), alternate)
    middle = cores(row(3, 276, step=96), lambda i: i == 1)
    return merge(stacks(oval, depth), stacks(middle, depth))


def twin_rings(depth):
    """Two rings side by side, each round a stack."""
    left = cores(inward(ring(8, 325, 287, 140, 142, tilt=6), (325, 287)), alternate)
    hubs = [Site(325, 287, core=True)]
    return merge(stacks(mirrored(left), depth), stacks(mirrored(hubs), depth))


def football(depth):
    """A ball: a rim of stacks half hidden under five patches round the
    centre patch."""
    rim = cores(inward(ring(12, CX, 284, 212, 155, tilt=20), (CX, 284)), alternate)
    patches = []
    for k in range(5):
        a = math.radians(-90 + 72 * k)
        patches.append(Site(CX + 110 * math.cos(a), 284 + 98 * math.sin(a), 0, core=True))
    for s in patches:
        s.rot = 0 if abs(s.x - CX) < 1 else (12 if s.x > CX else -12) * (1 if s.y < 284 else -1)
    patches = inward(patches, (CX, 284), 9)
    centre = [Site(CX, 284, core=True)]
    return merge(stacks(rim, depth), stacks(patches, depth), stacks(centre, depth))


def medal(depth):
    """A medal hanging from its ribbon: a ring of stacks round the centre,
    the ribbon's two strips behind its top."""
    ribbon = with_peek(mirrored([Site(440, 158, -24), Site(366, 150, -24, core=True)]), UP)
    disc = cores(inward(ring(8, CX, 322, 178, 112, tilt=14), (CX, 322)), alternate)
    centre = [Site(CX, 322, core=True)]
    return merge(stacks(ribbon, less(depth)), stacks(disc, depth), stacks(centre, depth))


# --- Football things ------------------------------------------------------------------

def goal(depth):
    """A goal: the net (cards leaning both ways) behind the frame of
    crossbar and posts, and the ball in front."""
    net = []
    for r, y in enumerate((295, 405)):
        for k, s in enumerate(row(5, y, step=85.5)):
            net.append(Site(s.x, y, 8 if (k + r) % 2 else -8, peek=UP))
    crossbar = cores(with_peek(row(8, 185, step=544 / 7), UP), lambda i: i in (0, 3, 4, 7))
    posts = [Site(240, 290, peek=(11.0, 0.0), core=True), Site(240, 395, peek=(11.0, 0.0), core=True)]
    ball = [Site(CX, 430, core=True)]
    return merge(stacks(net, less(depth)), stacks(crossbar + mirrored(posts), depth), stacks(ball, depth))


def pitch_lines(depth):
    """A pitch: touchlines round it, the halfway line and the centre circle,
    the penalty spots."""
    top = cores(with_peek(row(7, 170, step=560 / 6), DOWN), lambda i: i in (0, 3, 6))
    bottom = cores(with_peek(row(7, 430, step=560 / 6), UP), lambda i: i in (0, 3, 6))
    ends = mirrored([Site(232, 300, peek=(11.0, 0.0), core=True)])
    spots = mirrored([Site(330, 300, peek=(11.0, 0.0))])
    circle = cores(inward(ring(6, CX, 300, 115, 98, tilt=25), (CX, 300), 9), lambda i: i % 3 == 0)
    return merge(stacks(top + bottom + ends + spots, depth), stacks(circle, depth))


def cup(depth):
    """The cup: a bowl under its rim, on a stem and a foot, with handles."""
    rim = cores(with_peek(row(5, 165, step=80), DOWN), lambda i: i in (0, 2, 4))
    bowl = [Site(428, 268, -18), Site(CX, 272, core=True), Site(596, 268, 18)]
    stem = [Site(CX, 360, core=True)]
    foot = cores(with_peek(row(3, 440, step=80), UP), lambda i: i == 1)
    handles = with_peek(mirrored([Site(262, 196, 18), Site(290, 296, -22)]), (11.0, 0.0))
    return merge(stacks(handles, depth), stacks(with_peek(bowl, UP), depth), stacks(stem, depth),
                 stacks(rim, depth), stacks(foot, depth))


def stadium(depth):
    """A stadium from above: the oval of the stands round a pitch of six."""
    stands_ = cores(inward(ring(16, CX, 285, 392, 152, tilt=18), (CX, 285)), alternate)
    pitch = cores(with_peek(row(3, 234, step=96) + row(3, 336, step=96), (0.0, 9.0)), lambda i: i in (1, 4))
    return merge(stacks(stands_, depth), stacks(pitch, depth))


def stands(depth):
    """A stand seen from the pitch: four tiers, each wider than the one in
    front of it, the front tier on top."""
    tiers = []
    for n, y in ((11, 175), (9, 258), (7, 341), (5, 425)):
        tier = cores(row(n, y, step=78), lambda i: i % 3 == 0)
        tiers.append(stacks(with_peek(tier, UP if y > 400 else DOWN), depth))
    return merge(*tiers)


def floodlights(depth):
    """Two floodlight masts with their lamps, and a ball between them."""
    lamps = with_peek([Site(x, y, core=(y < 200)) for y in (170, 275) for x in (222, 302)], DOWN)
    mast = with_peek([Site(262, 385, core=True)], UP)
    ball = cores(inward(ring(6, CX, 300, 112, 100, tilt=25), (CX, 300), 9), lambda i: i % 3 == 0)
    centre = [Site(CX, 300, core=True)]
    return merge(stacks(mirrored(mast), depth), stacks(mirrored(lamps), depth), stacks(ball, depth),
                 stacks(centre, depth))


def shirt(depth):
    """A football shirt: body, shoulders, sleeves and the collar."""
    body = cores(row(3, 280, step=90) + row(3, 385, step=90), lambda i: i in (1, 3, 5))
    shoulders = mirrored([Site(422, 175, core=True)])
    sleeves = mirrored([Site(322, 208, -32), Site(240, 262, -32, core=True)])
    collar = [Site(CX, 196, core=True)]
    return merge(stacks(with_peek(sleeves, (9.0, -6.0)), depth), stacks(with_peek(shoulders + body, UP), depth),
                 stacks(with_peek(collar, DOWN), depth))


# --- Letters and numbers -------------------------------------------------------------

def _letters(text, depth, col_step):
    even, odd = lettering(text, 162, col_step, 69.5)
    for s in even + odd:
        s.peek = (8.0, 0.0)
    cores(even, alternate)
    cores(odd, lambda i: i % 2 == 1)
    return merge(stacks(even, depth), stacks(odd, depth))


def letters_fs(depth):
    """The game's initials, F S."""
    return _letters("FS", depth, 80)


def letters_gol(depth):
    """GOL, in pixel letters."""
    return _letters("GOL", depth, 74)


def score_line(depth):
    """A score on the scoreboard: 2:1."""
    return _letters("2:1", depth, 80)


# --- Shapes ------------------------------------------------------------------------------

def diamonds(depth):
    """A diamond in a diamond round a stack in the middle; the outer one on
    top."""
    outer = cores(inward(polygon([(CX, 130), (812, 285), (CX, 440), (212, 285)], 4, lean=0.0), (CX, 285)),
                  alternate)
    inner = cores(inward(polygon([(CX, 200), (662, 285), (CX, 370), (362, 285)], 2, lean=0.4), (CX, 285)),
                  alternate)
    middle = [Site(CX, 285, core=True)]
    return merge(stacks(middle, depth), stacks(inner, depth), stacks(outer, depth))


def star(depth):
    """A five-pointed star: the outline of tips and the notches between
    them round a ring of five, with the centre deepest."""
    tips, notches, inner = [], [], []
    for k in range(5):
        a = -90 + 72 * k
        lean = ((a + 180) % 180 - 90) * 0.3
        ca, sa = math.cos(math.radians(a)), math.sin(math.radians(a))
        tips.append(Site(CX + 222 * ca, 288 + 168 * sa, lean, core=True))
        inner.append(Site(CX + 84 * ca, 288 + 74 * sa, lean))
        b = math.radians(a + 36)
        notches.append(Site(CX + 128 * math.cos(b), 288 + 100 * math.sin(b), 0))
    for group in (tips, notches, inner):
        inward(group, (CX, 288), 8)
    centre = [Site(CX, 288, core=True)]
    return merge(stacks(centre, depth), stacks(inner, less(depth)), stacks(notches + tips, depth))


def heart(depth):
    """A heart's outline round a small heart."""
    pts = []
    for k in range(361):
        t = 2 * math.pi * k / 360
        x = 16 * math.sin(t) ** 3
        y = -(13 * math.cos(t) - 5 * math.cos(2 * t) - 2 * math.cos(3 * t) - math.cos(4 * t))
        pts.append((CX + 19 * x, 215 + 10 * (y + 5)))
    outline = cores(inward(spread_on_curve(pts, 16, closed=True, lean=0.5), (CX, 290)), alternate)
    small = [Site(466, 282, -14, core=True), Site(558, 282, 14, core=True), Site(CX, 352, core=True)]
    return merge(stacks(with_peek(small, UP), depth), stacks(outline, depth))


def bunting(depth):
    """Three strings of pennants hanging across the stand, the lowest on
    top."""
    parts = []
    for (x0, y0, sag, n) in ((140, 160, 95, 10), (190, 292, 78, 9), (262, 384, 48, 7)):
        pts = []
        for k in range(201):
            x = x0 + (2 * (CX - x0)) * k / 200
            u = (x - CX) / (CX - x0)
            pts.append((x, y0 + sag * (1 - u * u)))
        string = cores(spread_on_curve(pts, n, lean=0.6), alternate)
        parts.append(stacks(with_peek(string, UP if y0 > 200 else DOWN), depth))
    return merge(*parts)


def waves(depth):
    """Three rows of waves rolling across the table."""
    sites = []
    for r, y0 in enumerate((186, 296, 406)):
        pts = [(x, y0 + 34 * math.cos(2 * math.pi * (x - CX) / 340)) for x in range(140, 885, 4)]
        crest = spread_on_curve(pts, 9, lean=0.4)
        cores(crest, alternate if r == 1 else none)
        sites += with_peek(crest, UP)
    return stacks(sites, depth)


def crown(depth):
    """A crown: five points over a band."""
    band = cores(with_peek(row(7, 425, step=80), UP), alternate)
    points = [Site(CX, 160, core=True), Site(CX, 268)]
    points += mirrored([Site(392, 222, -8), Site(392, 322), Site(272, 190, -16, core=True), Site(272, 305, -8)])
    return merge(stacks(with_peek(points, DOWN), depth), stacks(band, depth))


def wings(depth):
    """Two wings of feathers spread from a body of three stacks."""
    body = cores(with_peek(column(3, CX, 200, 108), UP), lambda i: i == 1)
    feathers = []
    for r, (y0, n) in enumerate(((205, 4), (300, 3), (398, 2))):
        for k in range(n):
            feathers.append(Site(420 - 84 * k, y0 - (15 - 4 * r) * k, -(5 + (7 - 2 * r) * k),
                                 core=(k % 2 == 0), peek=(10.0, 0.0)))
    return merge(stacks(mirrored(feathers), depth), stacks(body, depth))


def bridge(depth):
    """A suspension bridge: two towers, the cables hanging between and
    beside them, and the road across the front."""
    towers = cores(with_peek(mirrored(column(3, 320, 175, 100)), UP), lambda i: i in (0, 3))
    cables = [Site(CX, 300, core=True)]
    cables += mirrored([Site(416, 270, 20), Site(232, 262, -22), Site(152, 345, -26)])
    road = cores(with_peek(row(9, 432, step=88), UP), alternate)
    return merge(stacks(towers, depth), stacks(with_peek(cables, UP), depth), stacks(road, depth))


def rainbow(depth):
    """Three arcs one inside the other, the inner one on top."""
    outer = arc(10, CX, 470, 400, 318, -165, -15, tilt=30)
    middle = arc(9, CX, 470, 290, 225, -162, -18, tilt=26)
    inner = arc(5, CX, 470, 170, 135, -150, -30, tilt=22)
    for a in (outer, middle, inner):
        cores(inward(a, (CX, 470), 10), alternate)
    return merge(stacks(outer, depth), stacks(middle, depth), stacks(inner, depth))


def chevrons(depth):
    """Three chevrons pointing up, each lower one lying over the one above."""
    parts = []
    for apex in (150, 260, 370):
        ch = [Site(CX, apex, core=True)] + mirrored([Site(CX - 100 * k, apex + 35 * k, -12, core=(k == 2))
                                                     for k in (1, 2)])
        parts.append(stacks(with_peek(ch, UP), depth))
    return merge(*parts)


def pyramid(depth):
    """A pyramid of rows, each wider row lying over the narrower one behind
    it; the front row is open."""
    rows = []
    for n, y in ((1, 150), (2, 204), (3, 258), (4, 312), (5, 366), (6, 420)):
        rows.append(stacks(row(n, y, step=84), depth))
    return merge(*rows)


def peaks(depth):
    """Three small pyramids side by side, their front rows open."""
    parts = []
    for n, y in ((1, 240), (2, 310), (3, 380)):
        tier = []
        for cx in (262, CX, 762):
            tier += cores(row(n, y, step=84, x=cx), lambda i: n == 1)
        parts.append(stacks(with_peek(tier, UP), depth))
    return merge(*parts)


def podium(depth):
    """The winners' podium: the highest block in the middle, a lower one
    either side, the cup on top."""
    middle = cores(row(3, 195, step=76) + row(3, 300, step=76) + row(3, 405, step=76), lambda i: i % 3 == 1)
    sides = cores(mirrored(row(2, 300, step=76, x=306) + row(2, 405, step=76, x=306)), none)
    cup_ = [Site(CX, 128, core=True)]
    return merge(stacks(with_peek(middle + sides, UP), depth), stacks(with_peek(cup_, DOWN), depth))


def shield(depth):
    """A crest: a shield's outline round a stripe and two badges."""
    top = row(7, 175, step=520 / 6)
    sides = mirrored([Site(252, 275), Site(292, 362, -20), Site(392, 424, -30)])
    outline = cores(inward(top + sides + [Site(CX, 440)], (CX, 300)), alternate)
    inside = [Site(CX, 270, core=True), Site(CX, 350, core=True)] + mirrored([Site(400, 290, core=True)])
    return merge(stacks(with_peek(inside, UP), depth), stacks(outline, depth))


MOTIFS = {
    "ring": ring_of_stacks,
    "twin-rings": twin_rings,
    "bunting": bunting,
    "football": football,
    "medal": medal,
    "stadium": stadium,
    "goal": goal,
    "pitch": pitch_lines,
    "cup": cup,
    "stands": stands,
    "floodlights": floodlights,
    "shirt": shirt,
    "letters-fs": letters_fs,
    "letters-gol": letters_gol,
    "score": score_line,
    "diamonds": diamonds,
    "star": star,
    "heart": heart,
    "waves": waves,
    "crown": crown,
    "wings": wings,
    "bridge": bridge,
    "rainbow": rainbow,
    "chevrons": chevrons,
    "pyramid": pyramid,
    "peaks": peaks,
    "podium": podium,
    "shield": shield,
}


def build(motif, depth):
    """The cards (x, y, rot) of a motif at a depth, bottom first."""
    return [card for layer in MOTIFS[motif](depth) for card in layer]
