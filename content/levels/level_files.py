"""The text of the game's data files for card layouts: the match list, the
match templates and the level files. Groups in braces, one `key = value`
per line, indented with tabs, a blank line between sibling groups.
"""


def _group(name, lines, depth):
    pad = "\t" * depth
    return [pad + name + " {"] + lines + [pad + "}"]


def _entries(pairs, depth):
    pad = "\t" * depth
    return ["%s%s = %s" % (pad, k, v) for k, v in pairs]


def _values(*numbers):
    return ", ".join(str(int(n)) for n in numbers)


def _quoted(text):
    return '"%s"' % text


def _siblings(groups):
    """Groups one after another with a blank line between them."""
    out = []
    for k, g in enumerate(groups):
        if k:
            out.append("")
        out.extend(g)
    return out


def match_list_text(paths):
    """data/mecze.dat: the match templates in the order the tournament plays
    them."""
    lines = _entries([("i", len(paths))] + [("m%d" % k, _quoted(p)) for k, p in enumerate(paths, 1)], 1)
    return "\n".join(_group("mecze", lines, 0)) + "\n"


def match_text(match_id, level_paths):
    """A match template: its layouts, played in order."""
    head = _entries([("id", match_id), ("i", len(level_paths))], 1)
    levels = [_group("level%d" % k, _entries([("id", k), ("url", _quoted(p)), ("dogrywka", 0)], 2), 1)
              for k, p in enumerate(level_paths, 1)]
    return "\n".join(_group("mecz", head + _siblings(levels), 0)) + "\n"


def level_text(number, settings, reserve, cards, deck):
    """A level file. settings are (key, value) pairs, values a number or a
    (min, max) pair; reserve the (id, x, y) of the reserve slots; cards the
    (id, x, y, rot) of the table cards, bottom first; deck the card ids,
    the top card last."""
    setting_lines = _entries([(k, _values(*v) if isinstance(v, tuple) else _values(v)) for k, v in settings], 2)
    reserve_lines = _entries([("i", len(reserve))] + [("rez%d" % k, _values(*r)) for k, r in enumerate(reserve, 1)], 2)
    card_groups = [_group("card%d" % k, _entries([("id", c[0]), ("dim", _values(*c[1:])), ("spec", 0),
                                                   ("helpDeck", 0)], 3), 2)
                   for k, c in enumerate(cards, 1)]
    card_lines = _entries([("i", len(cards))], 2) + _siblings(card_groups)
    deck_lines = _entries([("i", len(deck))] + [("d%d" % k, c) for k, c in enumerate(deck, 1)], 2)
    body = (_entries([("id", number)], 1)
            + _siblings([_group("settings", setting_lines, 1), _group("rezerwowi", reserve_lines, 1),
                         _group("cards", card_lines, 1), _group("deck", deck_lines, 1)]))
    return "\n".join(_group("level", body, 0)) + "\n"
