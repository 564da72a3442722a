"""Where cards may lie on the game screen and how they cover each other.

The screen is 1024 x 768 with y downward; a card is 72 x 100 and is placed
by its centre with a rotation in degrees (clockwise on screen). A table card
covers an earlier one when their centres are closer than 150 px and their
outlines overlap; a card nothing covers is face up.

check_level() lists every way a finished layout breaks the rules of the
table (empty when it is fine); make_levels.py stops on any.
"""

import math

CARD_W, CARD_H = 72, 100
SCREEN_W, SCREEN_H = 1024, 768

# Card centres of the table.
TABLE_LEFT, TABLE_RIGHT, TABLE_TOP, TABLE_BOTTOM = 80, 944, 105, 560
# The clock panel (top left) and the score panel (top right): no card centre
# inside these corners.
CLOCK_PANEL = (280, 150)            # x below and y below
SCORE_PANEL = (750, 160)            # x above and y below

# The deck row: the deck's centre, and the two spots dealt cards land on.
DECK_X_RANGE = (170, 620)
DECK_Y_RANGE = (560, 585)
SPOT_STEP = 90
HOLDER_REACH = 140                  # the deck holder reaches this far left of the deck
# A table card centre keeps at least this far from the deck, the spots and
# the reserve slots on one of the two axes.
ROW_CLEARANCE = (130, 120)
# The hand of wild cards fans out of the bottom-right corner.
HAND_CORNER = (800, 690)
RESERVE_MOST = 3
RESERVE_STEP = 80

# Cards whose outlines overlap by less than this (px) still count as apart,
# so cards laid edge to edge do not cover each other.
TOUCH = 0.5
COVER_REACH = 150


def outline(x, y, rot):
    """The four corners of a card's outline."""
    a = math.radians(rot)
    c, s = math.cos(a), math.sin(a)
    hw, hh = CARD_W / 2, CARD_H / 2
    return [(x + dx * c - dy * s, y + dx * s + dy * c)
            for dx, dy in ((-hw, -hh), (hw, -hh), (hw, hh), (-hw, hh))]


def _apart_along_an_edge(p, q):
    for poly in (p, q):
        for i in range(4):
            (x1, y1), (x2, y2) = poly[i], poly[(i + 1) % 4]
            nx, ny = y2 - y1, x1 - x2
            n = math.hypot(nx, ny)
            nx, ny = nx / n, ny / n
            pa = [px * nx + py * ny for px, py in p]
            qa = [qx * nx + qy * ny for qx, qy in q]
            if max(pa) <= min(qa) + TOUCH or max(qa) <= min(pa) + TOUCH:
                return True
    return False


def covering(cards):
    """For each card, the later cards that cover it."""
    outlines = [outline(*c) for c in cards]
    above = [[] for _ in cards]
    for i, lower in enumerate(cards):
        for j in range(i + 1, len(cards)):
            upper = cards[j]
            if math.hypot(upper[0] - lower[0], upper[1] - lower[1]) >= COVER_REACH:
                continue
            if not _apart_along_an_edge(outlines[j], outlines[i]):
                above[i].append(j)
    return above


def face_up(cards):
    """The indices of the cards nothing covers."""
    return [i for i, a in enumerate(covering(cards)) if not a]


def spots(deck_x, deck_y):
    """The deck and the two places dealt cards land on."""
    return [(deck_x + k * SPOT_STEP, deck_y) for k in range(3)]


def reserve_row(deck_y, count):
    """Places for `count` reserve slots: the right end of the deck row,
    RESERVE_STEP apart, the last at x 960."""
    return [(960 - RESERVE_STEP * (count - 1 - k), deck_y) for k in range(count)]


def _in_panel_corner(x, y):
    return (x < CLOCK_PANEL[0] and y < CLOCK_PANEL[1]) or (x > SCORE_PANEL[0] and y < SCORE_PANEL[1])


def check_level(cards, deck_x, deck_y, reserve):
    """Every broken rule of a layout, as text. cards are (x, y, rot) in
    drawing order; reserve the (x, y) of the reserve slots."""
    problems = []
    if not DECK_X_RANGE[0] <= deck_x <= DECK_X_RANGE[1]:
        problems.append("deckX %d outside %d..%d" % ((deck_x,) + DECK_X_RANGE))
    if not DECK_Y_RANGE[0] <= deck_y <= DECK_Y_RANGE[1]:
        problems.append("deckY %d outside %d..%d" % ((deck_y,) + DECK_Y_RANGE))
    row = spots(deck_x, deck_y)
    if len(reserve) > RESERVE_MOST:
        problems.append("%d reserve slots (at most %d)" % (len(reserve), RESERVE_MOST))
    for k, (x, y) in enumerate(reserve):
        if not (deck_x + 300 <= x <= 960 and deck_y - 10 <= y <= deck_y + 10):
            problems.append("reserve slot %d at %d, %d is off the right of the deck row" % (k + 1, x, y))
        if x + CARD_W / 2 > HAND_CORNER[0] and y + CARD_H / 2 > HAND_CORNER[1]:
            problems.append("reserve slot %d at %d, %d lies on the hand of wild cards" % (k + 1, x, y))
        for j, (ox, oy) in enumerate(reserve[:k]):
            if abs(ox - x) < RESERVE_STEP and abs(oy - y) < CARD_H:
                problems.append("reserve slots %d and %d overlap" % (j + 1, k + 1))
    for n, (x, y, rot) in enumerate(cards, 1):
        where = "card %d at %d, %d" % (n, x, y)
        if not (TABLE_LEFT <= x <= TABLE_RIGHT and TABLE_TOP <= y <= TABLE_BOTTOM):
            problems.append(where + " is outside the table")
        if _in_panel_corner(x, y):
            problems.append(where + " lies under a corner panel")
        for px, py in row + list(reserve):
            if abs(x - px) < ROW_CLEARANCE[0] and abs(y - py) < ROW_CLEARANCE[1]:
                problems.append(where + " is too close to the deck row (%d, %d)" % (px, py))
                break
    if len(face_up(cards)) < 2:
        problems.append("fewer than 2 cards face up at the start")
    return problems
