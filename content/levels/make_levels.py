#!/usr/bin/python3
"""The card layouts of the tournament and the match templates that play them.

Writes into the game folder:
  data/mecze.dat                 the seven match templates, in the order the
                                 tournament plays them
  data/matches/mecz1..7.dat      each template's layouts, played in order
  data/levels/<name>.lvl         one file per layout (LAYOUTS below)

Templates 1-3 are the three group matches (6 layouts each), 4 the last
sixteen, 5 the quarter-final, 6 the semi-final and 7 the final (9 each).
Difficulty rises from the first group match (small figures, stacks one or
two deep, long decks, a full reserve row and plenty of help) to the final
(big figures four deep, short decks with opponent-goal cards and many event
cards, little help). Every number that sets how hard a layout is lives in
the two tables below.

Each layout is drawn as one of the figures of layout_motifs.py; its cards
get their identities from card_deal.py, from a random generator seeded by
the layout's name, so the same sources always give the same files. The
layouts are checked against the rules of the table (card_geometry.py) and
the script stops with a list of problems when one breaks them.

Usage: make_levels.py --game-dir <game folder>    writes the files
       make_levels.py --list                       prints the files it writes
"""

import argparse
import collections
import math
import os
import random
import sys
import zlib

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import card_deal  # noqa: E402
import card_geometry as geo  # noqa: E402
import layout_motifs  # noqa: E402
import level_files  # noqa: E402

# --- Match templates ---------------------------------------------------------------
#
#   id      the template's id (mecz::id), also its place in data/mecze.dat
#   prefix  level file names: <prefix>-<n>.lvl
#   levels  how many layouts it plays
#   from_table  the share of ordinary deck cards dealt from figures lying
#           on the table: they pair at once and keep runs going (easier)
#   cards   the table-card counts the template's layouts should keep to (a
#           layout outside is reported, not refused)
#   suits   chances that a table pair is of one suit, and of one colour

Match = collections.namedtuple("Match", "id prefix levels from_table cards suits")

MATCHES = [
    Match(1, "g1", 6, 0.75, (24, 32), (0.35, 0.35)),
    Match(2, "g2", 6, 0.70, (28, 38), (0.32, 0.35)),
    Match(3, "g3", 6, 0.65, (32, 42), (0.30, 0.35)),
    Match(4, "ko4", 9, 0.60, (20, 48), (0.28, 0.35)),
    Match(5, "ko5", 9, 0.55, (34, 54), (0.25, 0.35)),
    Match(6, "ko6", 9, 0.50, (46, 58), (0.22, 0.35)),
    Match(7, "ko7", 9, 0.45, (36, 64), (0.20, 0.35)),
]

# --- Layouts -----------------------------------------------------------------------
#
#   name     the level file (data/levels/<name>.lvl); the prefix names its match
#   motif    the figure (layout_motifs.MOTIFS)
#   depth    cards per stack; between two whole numbers the figure's core
#            stacks get the higher one (more and deeper cards: harder)
#   deck     cards in the deck, opponent-goal cards included (fewer: harder)
#   goals    opponent-goal cards (103) among them (harder)
#   rsv      reserve slots, 0..3 (fewer: harder)
#   shot     min, max event cards (102) shuffled into the deck (harder)
#   wild     min, max covered table cards turned wild at the start (easier)
#   shuffle, retry, undo, restore
#            min, max table cards hiding that assist (easier)
#   lock     1: a padlock and its key lie on the table (harder)
#   bg       table background 1..7 (data/backgrounds.dat)
#   holder   deck holder look, 0 or 1 (xdeckImg)
#   at       where the deck row lies: "left" or "centre"

Layout = collections.namedtuple(
    "Layout", "name motif depth deck goals rsv shot wild shuffle retry undo restore lock bg holder at")

LAYOUTS = [
    #      name     motif          depth  deck  goals  rsv  shot     wild     shuffle  retry    undo     restore  lock  bg  holder  at
    Layout("g1-1",  "twin-rings",  1.5,   40,   0,     3,   (0, 0),  (2, 3),  (0, 1),  (0, 1),  (1, 1),  (1, 1),  0,    1,  0,      "left"),
    Layout("g1-2",  "bunting",     1.0,   40,   0,     3,   (0, 0),  (2, 3),  (0, 1),  (0, 1),  (1, 1),  (1, 1),  0,    2,  1,      "centre"),
    Layout("g1-3",  "ring",        2.0,   38,   0,     3,   (0, 0),  (2, 3),  (0, 1),  (0, 1),  (1, 1),  (1, 1),  0,    3,  0,      "left"),
    Layout("g1-4",  "diamonds",    1.0,   38,   0,     3,   (0, 0),  (2, 2),  (0, 1),  (0, 1),  (1, 1),  (1, 1),  0,    4,  1,      "centre"),
    Layout("g1-5",  "rainbow",     1.0,   36,   0,     3,   (0, 1),  (2, 2),  (0, 1),  (0, 1),  (1, 1),  (1, 1),  0,    5,  0,      "left"),
    Layout("g1-6",  "waves",       1.5,   36,   0,     3,   (0, 1),  (2, 2),  (0, 1),  (0, 1),  (1, 1),  (1, 1),  0,    6,  1,      "centre"),

    Layout("g2-1",  "goal",        2.0,   26,   0,     0,   (0, 1),  (1, 2),  (0, 1),  (0, 1),  (0, 1),  (1, 1),  0,    7,  1,      "left"),
    Layout("g2-2",  "heart",       1.5,   34,   0,     3,   (0, 1),  (1, 2),  (0, 1),  (0, 1),  (0, 1),  (1, 1),  0,    1,  0,      "centre"),
    Layout("g2-3",  "letters-fs",  1.5,   28,   0,     3,   (0, 1),  (1, 2),  (0, 1),  (0, 1),  (0, 1),  (1, 1),  0,    2,  1,      "left"),
    Layout("g2-4",  "bridge",      1.5,   32,   0,     3,   (0, 1),  (1, 2),  (0, 1),  (0, 1),  (0, 1),  (1, 1),  0,    3,  0,      "centre"),
    Layout("g2-5",  "crown",       2.0,   32,   0,     3,   (0, 1),  (1, 2),  (0, 1),  (0, 1),  (0, 1),  (1, 1),  0,    4,  1,      "left"),
    Layout("g2-6",  "shirt",       2.5,   26,   0,     2,   (1, 1),  (1, 2),  (0, 1),  (0, 1),  (0, 1),  (1, 1),  0,    5,  0,      "centre"),

    Layout("g3-1",  "stadium",     1.5,   22,   0,     0,   (1, 1),  (1, 2),  (0, 1),  (0, 1),  (0, 1),  (0, 1),  0,    6,  0,      "left"),
    Layout("g3-2",  "floodlights", 2.0,   30,   0,     2,   (1, 1),  (1, 2),  (0, 1),  (0, 1),  (0, 1),  (0, 1),  0,    7,  1,      "centre"),
    Layout("g3-3",  "cup",         2.5,   34,   0,     2,   (1, 1),  (1, 2),  (0, 1),  (0, 1),  (0, 1),  (0, 1),  0,    1,  1,      "left"),
    Layout("g3-4",  "football",    2.0,   36,   1,     2,   (1, 1),  (1, 2),  (0, 1),  (0, 1),  (0, 1),  (0, 1),  0,    2,  0,      "centre"),
    Layout("g3-5",  "wings",       2.0,   28,   1,     2,   (1, 1),  (1, 2),  (0, 1),  (0, 1),  (0, 1),  (0, 1),  0,    3,  1,      "left"),
    Layout("g3-6",  "score",       2.0,   22,   1,     1,   (1, 2),  (1, 2),  (0, 1),  (0, 1),  (0, 1),  (0, 1),  0,    4,  0,      "centre"),

    Layout("ko4-1", "podium",      2.5,   20,   1,     1,   (1, 2),  (1, 1),  (0, 1),  (0, 0),  (0, 1),  (0, 1),  0,    5,  1,      "left"),
    Layout("ko4-2", "chevrons",    2.5,   32,   1,     3,   (1, 2),  (1, 1),  (0, 1),  (0, 0),  (0, 1),  (0, 1),  0,    6,  0,      "centre"),
    Layout("ko4-3", "pitch",       2.0,   20,   1,     0,   (1, 2),  (1, 1),  (0, 1),  (0, 0),  (0, 1),  (0, 1),  0,    7,  1,      "left"),
    Layout("ko4-4", "medal",       3.5,   32,   1,     3,   (1, 2),  (1, 1),  (0, 1),  (0, 0),  (0, 1),  (0, 1),  0,    1,  0,      "centre"),
    Layout("ko4-5", "letters-gol", 1.5,   20,   1,     0,   (1, 2),  (1, 1),  (0, 1),  (0, 0),  (0, 1),  (0, 1),  0,    2,  1,      "left"),
    Layout("ko4-6", "star",        2.5,   32,   1,     3,   (1, 2),  (1, 1),  (0, 1),  (0, 0),  (0, 1),  (0, 1),  0,    3,  0,      "centre"),
    Layout("ko4-7", "stands",      1.5,   24,   1,     2,   (1, 2),  (1, 1),  (0, 1),  (0, 0),  (0, 1),  (0, 1),  0,    4,  1,      "left"),
    Layout("ko4-8", "shield",      2.5,   32,   1,     3,   (1, 2),  (1, 1),  (0, 1),  (0, 0),  (0, 1),  (0, 1),  0,    5,  0,      "centre"),
    Layout("ko4-9", "pyramid",     1.5,   32,   1,     3,   (1, 2),  (1, 1),  (0, 1),  (0, 0),  (0, 1),  (0, 1),  0,    6,  1,      "left"),

    Layout("ko5-1", "bunting",     2.0,   24,   1,     2,   (1, 2),  (0, 1),  (0, 1),  (0, 0),  (0, 1),  (0, 1),  0,    7,  0,      "centre"),
    Layout("ko5-2", "twin-rings",  2.5,   24,   1,     2,   (1, 2),  (0, 1),  (0, 1),  (0, 0),  (0, 1),  (0, 1),  0,    1,  1,      "left"),
    Layout("ko5-3", "ring",        3.0,   18,   1,     1,   (2, 2),  (0, 1),  (0, 1),  (0, 0),  (0, 1),  (0, 1),  0,    2,  0,      "centre"),
    Layout("ko5-4", "medal",       3.0,   26,   2,     3,   (1, 2),  (0, 1),  (0, 1),  (0, 0),  (0, 1),  (0, 1),  0,    3,  1,      "left"),
    Layout("ko5-5", "heart",       2.5,   30,   1,     3,   (2, 2),  (0, 1),  (0, 1),  (0, 0),  (0, 1),  (0, 1),  1,    4,  0,      "centre"),
    Layout("ko5-6", "shield",      2.5,   24,   2,     2,   (1, 2),  (0, 1),  (0, 1),  (0, 0),  (0, 1),  (0, 1),  0,    5,  1,      "left"),
    Layout("ko5-7", "crown",       3.0,   24,   1,     1,   (2, 2),  (0, 1),  (0, 1),  (0, 0),  (0, 1),  (0, 1),  0,    6,  0,      "centre"),
    Layout("ko5-8", "diamonds",    1.5,   30,   2,     3,   (1, 2),  (0, 1),  (0, 1),  (0, 0),  (0, 1),  (0, 1),  0,    7,  1,      "left"),
    Layout("ko5-9", "football",    2.0,   32,   2,     3,   (2, 2),  (0, 1),  (0, 1),  (0, 0),  (0, 1),  (0, 1),  0,    1,  0,      "centre"),

    Layout("ko6-1", "rainbow",     2.0,   28,   2,     2,   (2, 3),  (0, 1),  (0, 1),  (0, 0),  (0, 1),  (0, 1),  0,    2,  1,      "left"),
    Layout("ko6-2", "stadium",     2.5,   14,   2,     0,   (2, 3),  (0, 1),  (0, 1),  (0, 0),  (0, 1),  (0, 1),  0,    3,  0,      "centre"),
    Layout("ko6-3", "cup",         3.0,   30,   2,     3,   (2, 3),  (0, 1),  (0, 1),  (0, 0),  (0, 1),  (0, 1),  1,    4,  1,      "left"),
    Layout("ko6-4", "letters-fs",  2.5,   20,   2,     1,   (2, 3),  (0, 1),  (0, 1),  (0, 0),  (0, 1),  (0, 1),  0,    5,  0,      "centre"),
    Layout("ko6-5", "bridge",      2.5,   14,   2,     0,   (2, 3),  (0, 1),  (0, 1),  (0, 0),  (0, 1),  (0, 1),  0,    6,  1,      "left"),
    Layout("ko6-6", "wings",       2.5,   24,   2,     1,   (2, 3),  (0, 1),  (0, 1),  (0, 0),  (0, 1),  (0, 1),  0,    7,  0,      "centre"),
    Layout("ko6-7", "shirt",       4.0,   18,   2,     1,   (2, 3),  (0, 1),  (0, 1),  (0, 0),  (0, 1),  (0, 1),  0,    1,  1,      "left"),
    Layout("ko6-8", "score",       2.5,   16,   2,     1,   (2, 3),  (0, 1),  (0, 1),  (0, 0),  (0, 1),  (0, 1),  1,    2,  0,      "centre"),
    Layout("ko6-9", "pitch",       2.5,   14,   2,     0,   (2, 3),  (0, 1),  (0, 1),  (0, 0),  (0, 1),  (0, 1),  0,    3,  1,      "left"),

    Layout("ko7-1", "floodlights", 3.5,   26,   2,     2,   (2, 3),  (0, 1),  (0, 1),  (0, 0),  (0, 0),  (0, 1),  0,    4,  0,      "centre"),
    Layout("ko7-2", "pitch",       2.5,   12,   2,     0,   (2, 3),  (0, 1),  (0, 1),  (0, 0),  (0, 0),  (0, 1),  0,    5,  1,      "left"),
    Layout("ko7-3", "crown",       3.0,   30,   2,     3,   (2, 3),  (0, 1),  (0, 1),  (0, 0),  (0, 0),  (0, 1),  0,    6,  0,      "centre"),
    Layout("ko7-4", "peaks",       2.0,   30,   3,     3,   (2, 3),  (0, 1),  (0, 1),  (0, 0),  (0, 0),  (0, 1),  0,    7,  1,      "left"),
    Layout("ko7-5", "podium",      3.5,   18,   2,     1,   (3, 3),  (0, 1),  (0, 1),  (0, 0),  (0, 0),  (0, 1),  0,    1,  0,      "centre"),
    Layout("ko7-6", "shield",      2.5,   26,   3,     3,   (2, 3),  (0, 1),  (0, 1),  (0, 0),  (0, 0),  (0, 1),  0,    2,  1,      "left"),
    Layout("ko7-7", "letters-gol", 2.0,   12,   3,     0,   (3, 3),  (0, 1),  (0, 1),  (0, 0),  (0, 0),  (0, 1),  1,    3,  0,      "centre"),
    Layout("ko7-8", "stands",      2.0,   26,   3,     2,   (3, 3),  (0, 0),  (0, 1),  (0, 0),  (0, 0),  (0, 1),  0,    4,  1,      "left"),
    Layout("ko7-9", "cup",         2.5,   26,   3,     3,   (3, 3),  (0, 0),  (0, 1),  (0, 0),  (0, 0),  (0, 1),  1,    5,  0,      "centre"),
]

# Where the deck lies: its centre (deckX, deckY). Left puts the deck row under
# the left half; centre puts the deck's first spot on the screen's centre.
DECK_PLACES = {"left": (170, 560), "centre": (422, 560)}
DECK_SPOTS = 2  # deckC: the places dealt cards land on


# --- Building a layout ------------------------------------------------------------------

def match_of(layout):
    prefix = layout.name.rsplit("-", 1)[0]
    return next(m for m in MATCHES if m.prefix == prefix)


def level_number(layout):
    return int(layout.name.rsplit("-", 1)[1])


def even_table(cards):
    """The figure's cards, with one left out when their number is odd. A
    symmetric figure then has an odd number of cards on its centre line, so
    the one left out is taken from there to keep the symmetry: the lowest
    card of a stack if there is one, else the lowest covered card, so the
    figure's outline stays whole."""
    if len(cards) % 2 == 0:
        return cards
    above = geo.covering(cards)

    def in_stack(i):
        return any(math.hypot(cards[j][0] - cards[i][0], cards[j][1] - cards[i][1]) < 40 for j in above[i])
    axis = [i for i, (x, _, _) in enumerate(cards) if abs(x - layout_motifs.CX) < 0.5]
    everywhere = list(range(len(cards)))
    for pool in (axis, everywhere):
        for keep in (in_stack, lambda i: above[i], lambda i: True):
            picked = [i for i in pool if keep(i)]
            if picked:
                return cards[:picked[0]] + cards[picked[0] + 1:]
    return cards


def lock_places(rng, places):
    """Where the padlock and the key lie: the padlock on a face-up card, the
    key one card down elsewhere (under face-up cards only, but not under
    the padlock). None when the figure has no such pair of places."""
    above = geo.covering(places)
    up = [i for i, a in enumerate(above) if not a]
    for padlock in rng.sample(up, len(up)):
        second = [i for i, a in enumerate(above) if a and padlock not in a and all(not above[j] for j in a)]
        if second:
            return padlock, second[rng.randrange(len(second))]
    return None


def build_level(layout):
    """The level file's text of a layout and what the checks need."""
    match = match_of(layout)
    rng = random.Random(zlib.crc32(("fieldstack level " + layout.name).encode("ascii")))
    places = [(int(round(x)), int(round(y)), int(round(r))) for x, y, r in
              even_table(layout_motifs.build(layout.motif, layout.depth))]
    ids = [0] * len(places)
    free = list(range(len(places)))
    problems = []
    if layout.lock:
        lock = lock_places(rng, places)
        if lock:
            ids[lock[0]], ids[lock[1]] = card_deal.PADLOCK, card_deal.KEY
            free = [i for i in free if i not in lock]
        else:
            problems.append("no face-up card for the padlock with a card one down elsewhere for the key")
    for i, card in zip(free, card_deal.table_cards(rng, len(free), *match.suits)):
        ids[i] = card
    deck = card_deal.deck_cards(rng, layout.deck, layout.goals, ids, match.from_table)
    deck_x, deck_y = DECK_PLACES[layout.at]
    reserve = geo.reserve_row(deck_y, layout.rsv)
    settings = [
        ("deckX", deck_x), ("deckY", deck_y), ("deckC", DECK_SPOTS), ("background", layout.bg),
        ("xdeckImg", layout.holder), ("wildShot", layout.shot), ("wildCards", layout.wild),
        ("bonusShuffle", layout.shuffle), ("bonusRetry", layout.retry), ("bonusUndo", layout.undo),
        ("bonusRestore", layout.restore), ("cardsCount", (0, 0)),
    ]
    text = level_files.level_text(level_number(layout), settings,
                                  [(card_deal.RESERVE_SLOT, x, y) for x, y in reserve],
                                  [(c,) + p for c, p in zip(ids, places)], deck)
    return {"text": text, "places": places, "ids": ids, "deck": deck, "deck_at": (deck_x, deck_y),
            "reserve": reserve, "problems": problems}


def problems_of(layout, level):
    """Every broken rule of a built layout."""
    out = level["problems"] + geo.check_level(level["places"], *level["deck_at"], level["reserve"])
    odd = sorted(f for f, n in card_deal.figure_counts(level["ids"]).items() if n % 2)
    if odd:
        out.append("figures an odd number of times on the table: " + ", ".join(odd))
    for what in ("shot", "wild", "shuffle", "retry", "undo", "restore"):
        lo, hi = getattr(layout, what)
        if not 0 <= lo <= hi:
            out.append("%s range %d, %d is not min <= max" % (what, lo, hi))
    if not 0 <= layout.goals <= layout.deck:
        out.append("%d goal cards in a deck of %d" % (layout.goals, layout.deck))
    if not 1 <= layout.bg <= 7 or layout.holder not in (0, 1):
        out.append("background %d or holder %d out of range" % (layout.bg, layout.holder))
    return out


# --- Files -------------------------------------------------------------------------------

def level_path(layout):
    return "data/levels/%s.lvl" % layout.name


def match_path(match):
    return "data/matches/mecz%d.dat" % match.id


def outputs():
    """Every file written, relative to the game folder."""
    return (["data/mecze.dat"] + [match_path(m) for m in MATCHES] + [level_path(l) for l in LAYOUTS])


def layouts_of(match):
    return [l for l in LAYOUTS if match_of(l) is match]


def write(game_dir, relative, text):
    path = os.path.join(game_dir, relative)
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "w", encoding="ascii", newline="\n") as f:
        f.write(text)


def table_problems():
    """Slips in the tables: a match whose layouts are not named <prefix>-1
    .. <prefix>-<levels>, or a motif that does not exist."""
    out = []
    for match in MATCHES:
        names = [l.name for l in LAYOUTS if l.name.rsplit("-", 1)[0] == match.prefix]
        want = ["%s-%d" % (match.prefix, k) for k in range(1, match.levels + 1)]
        if names != want:
            out.append("match %d plays %s; it should play %s" % (match.id, ", ".join(names), ", ".join(want)))
    for layout in LAYOUTS:
        if layout.motif not in layout_motifs.MOTIFS:
            out.append("%s: no motif %s" % (layout.name, layout.motif))
        if layout.at not in DECK_PLACES:
            out.append("%s: no deck place %s" % (layout.name, layout.at))
    return out


def main():
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument("--game-dir")
    ap.add_argument("--list", action="store_true", help="print the files written, one a line, and stop")
    args = ap.parse_args()
    if args.list:
        print("\n".join(outputs()))
        return 0
    if not args.game_dir:
        ap.error("--game-dir is needed")

    failed = table_problems()
    if failed:
        print("make_levels: " + "\n  ".join(failed), file=sys.stderr)
        return 1
    files = {}
    for layout in LAYOUTS:
        level = build_level(layout)
        for p in problems_of(layout, level):
            failed.append("%s: %s" % (level_path(layout), p))
        lo, hi = match_of(layout).cards
        if not lo <= len(level["places"]) <= hi:
            print("make_levels: warning: %s has %d table cards (match %d keeps to %d..%d)"
                  % (layout.name, len(level["places"]), match_of(layout).id, lo, hi), file=sys.stderr)
        files[level_path(layout)] = level["text"]
    for match in MATCHES:
        files[match_path(match)] = level_files.match_text(match.id, [level_path(l) for l in layouts_of(match)])
    files["data/mecze.dat"] = level_files.match_list_text([match_path(m) for m in MATCHES])
    if failed:
        print("make_levels: the layouts break the rules of the table:\n  " + "\n  ".join(failed), file=sys.stderr)
        return 1
    for relative in outputs():
        write(args.game_dir, relative, files[relative])
    return 0


if __name__ == "__main__":
    sys.exit(main())
