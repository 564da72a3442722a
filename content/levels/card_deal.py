"""Which cards a layout holds: the identities of the table cards and the
deck.

The game shuffles the table cards' identities among their places at the
start (the padlock and the key keep theirs), so only the mix of figures on
the table matters. Every figure is put there an even number of times, so the
table can be cleared by its own pairs; suits are mixed so that pairs of one
suit and pairs of one colour both come up.
"""

FIGURES = ["A", "K", "Q", "J", "10", "9", "8", "7", "6", "5", "4", "3", "2"]
SUITS = (1, 2, 3, 4)
SAME_COLOUR = {1: 4, 4: 1, 2: 3, 3: 2}   # suits 1 and 4 are one colour, 2 and 3 the other

RESERVE_SLOT = 101
GOAL_CARD = 103
PADLOCK, KEY = 104, 105


def card_id(suit, figure):
    """The id of figure index `figure` (0 = A ... 12 = 2) of `suit`."""
    return 13 * (suit - 1) + figure + 1


def figure_of(card):
    """The figure name of a card id ("LOCK" for the padlock and the key)."""
    if card in (PADLOCK, KEY):
        return "LOCK"
    if 1 <= card <= 52:
        return FIGURES[(card - 1) % 13]
    return "#%d" % card


def _pair_suits(rng, same_suit, same_colour):
    first = rng.choice(SUITS)
    r = rng.random()
    if r < same_suit:
        return first, first
    if r < same_suit + same_colour:
        return first, SAME_COLOUR[first]
    return first, rng.choice([s for s in SUITS if s not in (first, SAME_COLOUR[first])])


def table_cards(rng, count, same_suit=0.3, same_colour=0.35):
    """`count` ordinary card ids (count even) in pairs of equal figures. The
    figures are dealt round all thirteen before any repeats, so they come
    up about equally often."""
    assert count % 2 == 0, "the table needs an even number of cards"
    figures = []
    while len(figures) < count // 2:
        lap = list(range(13))
        rng.shuffle(lap)
        figures.extend(lap)
    cards = []
    for figure in figures[:count // 2]:
        a, b = _pair_suits(rng, same_suit, same_colour)
        cards += [card_id(a, figure), card_id(b, figure)]
    rng.shuffle(cards)
    return cards


def deck_cards(rng, size, goal_cards, table, from_table):
    """The deck: `size` ids, `goal_cards` of them opponent-goal cards, and
    about a share `from_table` of the ordinary ones of figures lying on the
    table (those pair at once and keep runs going); the rest any card."""
    ordinary = size - goal_cards
    figures = sorted({(c - 1) % 13 for c in table if 1 <= c <= 52})
    matched = int(round(ordinary * from_table))
    deck = [card_id(rng.choice(SUITS), rng.choice(figures)) for _ in range(matched)]
    deck += [rng.randint(1, 52) for _ in range(ordinary - matched)]
    rng.shuffle(deck)
    for _ in range(goal_cards):
        # Not among the first cards dealt (the deck is dealt from its end).
        deck.insert(rng.randint(0, max(0, len(deck) - 4)), GOAL_CARD)
    return deck


def figure_counts(cards):
    counts = {}
    for c in cards:
        counts[figure_of(c)] = counts.get(figure_of(c), 0) + 1
    return counts
