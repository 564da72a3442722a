#!/usr/bin/python3
"""Joins text files into one (for licence files made of a note and an
upstream notice). Written atomically; fails loudly when an input is missing.

Usage: concat.py --out <file> <input>...
"""

import argparse
import os
import sys


def fail(message):
    sys.stderr.write("content: %s\n" % message)
    sys.exit(1)


def main():
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument("--out", required=True)
    ap.add_argument("inputs", nargs="+")
    args = ap.parse_args()
    data = b""
    for path in args.inputs:
        if not os.path.isfile(path):
            fail("missing input: %s" % path)
        with open(path, "rb") as f:
            data += f.read()
    os.makedirs(os.path.dirname(args.out) or ".", exist_ok=True)
    tmp = args.out + ".tmp"
    with open(tmp, "wb") as f:
        f.write(data)
    os.replace(tmp, args.out)


if __name__ == "__main__":
    main()
