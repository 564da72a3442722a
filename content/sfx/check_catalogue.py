#!/usr/bin/python3
"""Checks data/globalSnd.dat against the game folder and against what the
game asks for: the counts match the entries, every file named exists, every
id the game plays is there (both commentators numbered 1..n without gaps in
every category, at least seven bad lines, five intro, five goal and six
begin lines), and every value has the quoting the data-file reader needs.
Writes the stamp file when all is well.

Usage: check_catalogue.py --dat <game>/data/globalSnd.dat --game-dir <game> --stamp <file>
"""

import argparse
import os
import re
import sys

MUSIC_IDS = ("main-menu-1", "tabs", "match-win", "match-lost")
EFFECT_IDS = ("click-1", "click-2", "perfect", "kick", "deck", "match-cards", "restore", "good", "good2", "bad",
              "gwizdek", "gwizdek-begin", "card-random", "spec-card-find", "spec-card-over", "spec-card-use",
              "window-show", "window-hide", "tabs", "start-1", "start-2", "gwizdek0", "gwizdek1") + \
    tuple("kick%d" % i for i in range(5)) + tuple("good%d" % i for i in range(3)) + \
    tuple("bad%d" % i for i in range(6))
FIXED_COUNTS = {"intro": 5, "goal": 5, "begin": 6}
MIN_COUNTS = {"good": 1, "bad": 7, "neutral": 1}
TYPES = {"BAD": "bad", "NEUTRAL": "neutral", "BEGIN": "begin", "INTRO": "intro", "GOAL": "goal"}


def parse(text):
    """The groups directly inside globalSnd as {name: {key: raw value}} and
    the entries of globalSnd itself."""
    top, groups = {}, {}
    stack = []
    for raw in text.split("\n"):
        line = raw.strip()
        if not line:
            continue
        if line.endswith("{"):
            stack.append(line[:-1].strip().lower())
            if len(stack) == 2:
                groups[stack[1]] = {}
            continue
        if line == "}":
            stack.pop()
            continue
        if "=" not in line:
            raise ValueError("line without '=': %r" % raw)
        key, value = line.split("=", 1)
        if not value.startswith(" "):
            raise ValueError("no space after '=': %r" % raw)
        target = top if len(stack) == 1 else groups[stack[1]]
        target[key.strip().lower()] = value
    return top, groups


def string(value, where):
    m = re.fullmatch(r' "([^"{}=]*)"', value)
    if not m:
        raise ValueError("%s: not a quoted string: %r" % (where, value))
    return m.group(1)


def number(value, where):
    v = value.strip()
    if not re.fullmatch(r"-?[0-9]+(\.[0-9]+)?", v):
        raise ValueError("%s: not a number: %r" % (where, value))
    return float(v)


def check(dat, game_dir):
    with open(dat, encoding="latin-1") as f:
        text = f.read()
    if "\r" in text:
        raise ValueError("CR in the file")
    top, groups = parse(text)
    errors = []
    entries = {}
    for kind, count_key in (("music", "musics"), ("snd", "sounds"), ("com", "comments")):
        count = int(number(top.get(count_key, " x"), count_key))
        found = sorted((int(k[len(kind):]), v) for k, v in groups.items() if re.fullmatch(kind + r"[0-9]+", k))
        if [i for i, _ in found] != list(range(1, count + 1)):
            errors.append("%s: count %d, groups %s" % (kind, count, [i for i, _ in found]))
        entries[kind] = []
        for i, g in found:
            where = "%s%d" % (kind, i)
            e = {"id": string(g.get("id", ""), where + "::id"), "url": string(g.get("url", ""), where + "::url")}
            if kind == "music":
                e["loop"] = number(g.get("loop", " x"), where + "::loop")
            if kind == "com":
                e["typ"] = string(g.get("typ", ""), where + "::typ")
            if not os.path.isfile(os.path.join(game_dir, e["url"])):
                errors.append("%s: no file %s" % (where, e["url"]))
            entries[kind].append(e)
    music_ids = [e["id"].lower() for e in entries["music"]]
    for mid in MUSIC_IDS:
        if mid not in music_ids:
            errors.append("music id missing: %s" % mid)
    if len(entries["music"]) < 7 or any(e["loop"] != 1 for e in entries["music"][:7]):
        errors.append("the first seven pieces must be looping match music")
    effect_ids = [e["id"].lower() for e in entries["snd"]]
    for eid in EFFECT_IDS:
        if eid not in effect_ids:
            errors.append("effect id missing: %s" % eid)
    for voice in ("", "veko-"):
        for category in ("good", "bad", "neutral", "intro", "begin", "goal"):
            numbers = []
            for e in entries["com"]:
                cat = TYPES.get(e["typ"].upper(), "good")
                m = re.fullmatch(re.escape(voice + category) + r"-([0-9]+)", e["id"].lower())
                if m and cat == category:
                    numbers.append(int(m.group(1)))
                elif m:
                    errors.append("%s has category %s" % (e["id"], e["typ"]))
            numbers.sort()
            if numbers != list(range(1, len(numbers) + 1)):
                errors.append("%s%s lines are not numbered 1..n: %s" % (voice, category, numbers))
            want = FIXED_COUNTS.get(category)
            if want is not None and len(numbers) < want:
                errors.append("%s%s: %d lines, %d needed" % (voice, category, len(numbers), want))
            if len(numbers) < MIN_COUNTS.get(category, 0):
                errors.append("%s%s: %d lines, at least %d needed" % (voice, category, len(numbers),
                                                                     MIN_COUNTS[category]))
    return errors


def main():
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument("--dat", required=True)
    ap.add_argument("--game-dir", required=True)
    ap.add_argument("--stamp")
    args = ap.parse_args()
    try:
        errors = check(args.dat, args.game_dir)
    except (ValueError, KeyError, OSError) as e:
        errors = [str(e)]
    if errors:
        for e in errors:
            sys.stderr.write("content: globalSnd.dat: %s\n" % e)
        sys.exit(1)
    if args.stamp:
        with open(args.stamp, "w") as f:
            f.write("ok\n")


if __name__ == "__main__":
    main()
