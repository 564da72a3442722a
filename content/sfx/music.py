#!/usr/bin/python3
"""sfx/music/*.ogg: the game's music, composed and rendered by the engine in
tools/sounds_music.py.

Seven match pieces (driving but unobtrusive loops, each in its own key and
tempo with its own groove and lead), the main-menu anthem (a terrace chant
over stomps and claps), the tables-screen theme, a short fanfare for a won
layout and a subdued cadence for a lost match.

Usage: music.py --piece <id> --out <game>/sfx/music/<id>.ogg
       music.py --list
"""

import argparse
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tools"))

import sounds_dsp as dsp  # noqa: E402
from sounds_music import Song, compose_melody, harmonise  # noqa: E402

SR = 32000
QUALITY = 3
ALL = range(16)
FOUR = "X...X...X...X..."


def level_1():
    """A minor, 124 bpm: four on the floor, offbeat hats, plucked arpeggio,
    a whistled tune in the second half."""
    s = Song(124, "A", "minor", ["i", "bVI", "bIII", "bVII"] * 4, SR, seed=101)
    s.drums({"kick": FOUR, "hat": "..x...x...x...x."}, list(ALL), 0.9)
    s.drums({"clap": "....x.......x..."}, list(range(2, 16)), 0.8)
    s.drums({"shaker": "o-o-o-o-o-o-o-o-"}, list(range(4, 16)), 0.6, pans={"shaker": 0.35})
    s.drums({"crash": "o..............."}, [0, 8], 0.6)
    s.bass_line("r.ror.ror.ror.r5", list(ALL), lo=33, vel=0.85, gate_factor=0.8)
    s.pads(list(ALL), lo=57, hi=74, vel=0.45)
    s.arp([0, 1, 2, 3, 2, 1, 2, 3], list(range(4, 16)), "pluck", lo=57, hi=81, vel=0.42, pan=0.3)
    tune = compose_melody(s, list(range(8, 16)), "drive", 64, 81, seed=11)
    s.melody(tune, list(range(8, 16)), "flute", vel=0.55, pan=-0.15)
    return s


def level_2():
    """C major, 128 bpm: claps and shakers, pulsing bass, bell arpeggio, a
    soft square-wave tune."""
    s = Song(128, "C", "major", ["I", "V", "vi", "IV"] * 4, SR, seed=102)
    s.drums({"kick": FOUR, "clap": "....x.......x...", "shaker": "o-x-o-x-o-x-o-x-"}, list(ALL), 0.85,
            pans={"shaker": -0.3})
    s.drums({"ohat": "..o...o...o...o."}, list(range(8, 16)), 0.7, pans={"ohat": 0.25})
    s.drums({"crash": "o..............."}, [0, 8], 0.55)
    s.bass_line("r.r.r.r.r.r.o.5.", list(ALL), lo=36, vel=0.8, gate_factor=0.6)
    s.pads(list(ALL), lo=55, hi=72, vel=0.4, cut=1100.0)
    s.arp([0, 2, 1, 3, 2, 4, 3, 1], list(range(2, 16)), "bell", lo=67, hi=91, every=2, vel=0.3, pan=-0.25)
    tune = compose_melody(s, list(range(8, 16)), "bounce", 67, 84, seed=22)
    s.melody(tune, list(range(8, 16)), "square", vel=0.58, pan=0.15)
    return s


def level_3():
    """E minor, 120 bpm: a broken beat, syncopated bass, electric-piano
    stabs and a plucked tune."""
    prog = ["i", "iv", "bVII", "bIII", "i", "iv", "V", "V"] * 2
    s = Song(120, "E", "minor", prog, SR, seed=103)
    s.drums({"kick": "X.....x...x.....", "snare": "....X.......X...", "hat": "x.x.x.x.x.x.x.xo"},
            list(ALL), 0.85, pans={"hat": 0.25})
    s.drums({"snare": ".......o.......o"}, list(range(8, 16)), 0.5)
    s.drums({"crash": "o..............."}, [0, 8], 0.55)
    s.bass_line("r..r..r.o..r..5.", list(ALL), lo=40, vel=0.85, gate_factor=0.9)
    s.stabs("..x...x...x..x..", list(ALL), "epiano", lo=57, hi=76, count=3, vel=0.5, gate_steps=1.5,
            pan=-0.1)
    s.pads(list(range(8, 16)), lo=52, hi=67, count=3, vel=0.3, cut=900.0)
    tune = compose_melody(s, list(range(8, 16)), "lilt", 64, 83, seed=33, answer_rhythm="call")
    s.melody(tune, list(range(8, 16)), "pluck", vel=0.7, pan=0.2, send=0.35)
    return s


def level_4():
    """F major, 118 bpm with a shuffle: walking bass, organ offbeats, a
    flute tune."""
    s = Song(118, "F", "major", ["I", "vi", "ii", "V7"] * 4, SR, seed=104, swing=0.3)
    s.drums({"kick": "X......xX.......", "snare": "....X.......X...", "hat": "x.o.x.o.x.o.x.oo"},
            list(ALL), 0.85, pans={"hat": -0.25})
    s.drums({"crash": "o..............."}, [0, 8], 0.5)
    s.bass_line("r...3...5...a...", list(ALL), lo=36, vel=0.85, gate_factor=0.9)
    s.stabs("..x...x...x...x.", list(ALL), "organ", lo=58, hi=77, count=3, vel=0.55, gate_steps=1.2,
            pan=0.2)
    tune = compose_melody(s, list(range(8, 16)), "lilt", 65, 84, seed=44)
    s.melody(tune, list(range(8, 16)), "flute", vel=0.6, pan=-0.15)
    return s


def level_5():
    """D minor, 132 bpm: the fastest one, rolling sixteenth bass, pluck
    arpeggio, square lead."""
    s = Song(132, "D", "minor", ["i", "bVII", "bVI", "V"] * 4, SR, seed=105)
    s.drums({"kick": FOUR, "clap": "....x.......x...", "hat": "xoxoxoxoxoxoxoxo"}, list(ALL), 0.85,
            pans={"hat": 0.3})
    s.drums({"ohat": "..o...o...o...o."}, list(range(8, 16)), 0.65, pans={"ohat": -0.2})
    s.drums({"crash": "o..............."}, [0, 8], 0.55)
    s.bass_line("rrorrrorrrorrror", list(ALL), lo=38, vel=0.7, gate_factor=0.5, punch=0.7)
    s.pads(list(ALL), lo=53, hi=70, count=3, vel=0.35, cut=1000.0)
    s.arp([0, 2, 1, 2], list(range(4, 16)), "pluck", lo=62, hi=86, vel=0.35, pan=-0.3)
    tune = compose_melody(s, list(range(8, 16)), "drive", 62, 79, seed=55)
    s.melody(tune, list(range(8, 16)), "square", vel=0.55, pan=0.15)
    return s


def level_6():
    """B flat major, 126 bpm: a skipping kick, bells, an electric-piano
    tune."""
    s = Song(126, "Bb", "major", ["I", "IV", "vi", "V"] * 4, SR, seed=106)
    s.drums({"kick": "X.....X.X.......", "clap": "....x.......x...", "hat": "x.x.x.x.x.x.x.x."}, list(ALL),
            0.85, pans={"hat": -0.3})
    s.drums({"shaker": "..o...o...o...o."}, list(range(8, 16)), 0.6, pans={"shaker": 0.35})
    s.drums({"crash": "o..............."}, [0, 8], 0.5)
    s.bass_line("r..5..o.r..5..3.", list(ALL), lo=34, vel=0.85, gate_factor=0.85)
    s.pads(list(ALL), lo=58, hi=74, vel=0.38)
    s.arp([0, 1, 2, 1, 3, 2, 1, 2], list(range(4, 16)), "bell", lo=70, hi=94, every=2, vel=0.28, pan=0.3)
    tune = compose_melody(s, list(range(8, 16)), "call", 65, 84, seed=66)
    s.melody(tune, list(range(8, 16)), "epiano", vel=0.75, pan=-0.1)
    return s


def level_7():
    """G minor, 122 bpm: toms and stomps like drums in the stands, a choir
    in the second half."""
    s = Song(122, "G", "minor", ["i", "bIII", "bVII", "iv"] * 4, SR, seed=107)
    s.drums({"tomlo": "X..x..X...x.x...", "tomhi": "....x.......x..x", "kick": "X.......X.......",
             "clap": "....x.......x..."}, list(ALL), 0.8, pans={"tomhi": 0.3, "tomlo": -0.2})
    s.drums({"shaker": "o-x-o-x-o-x-o-x-"}, list(range(4, 16)), 0.55, pans={"shaker": 0.3})
    s.drums({"crash": "o..............."}, [0, 8], 0.5)
    s.bass_line("r_____.r_____o_.", list(ALL), lo=31, vel=0.85, gate_factor=0.9)
    s.pads(list(ALL), lo=55, hi=72, count=3, vel=0.35, cut=900.0)
    s.pads(list(range(8, 16)), "choir", lo=60, hi=76, count=3, vel=0.55, vowel="ah", send=0.45)
    tune = compose_melody(s, list(range(8, 16)), "sparse", 67, 86, seed=77)
    s.melody(tune, list(range(8, 16)), "flute", vel=0.68, pan=0.1)
    return s


def main_menu():
    """D major, 108 bpm: the anthem. Stomp-stomp-clap, a chant the crowd
    sings, brass joining in with a harmony the second time round."""
    prog = ["I", "IV", "I", "V", "I", "IV", "V", "I", "vi", "IV", "I", "V", "I", "IV", "V", "I"]
    s = Song(108, "D", "major", prog, SR, seed=108)
    s.drums({"stomp": "X.X.....X.X.....", "clap": "....X.......X..."}, list(ALL), 0.9,
            sends={"stomp": 0.25, "clap": 0.3})
    s.drums({"kick": "X.X.....X.X....."}, list(range(8, 16)), 0.6)
    s.drums({"tomhi": "........x.x.....", "tomlo": "............X.X."}, [7, 15], 0.8)
    s.drums({"crash": "X..............."}, [0, 8], 0.6)
    s.drums({"hat": "x.x.x.x.x.x.x.x."}, list(range(8, 16)), 0.6, pans={"hat": 0.3})
    s.bass_line("r_______r___5___", list(ALL), lo=38, vel=0.8, gate_factor=0.95)
    s.pads(list(ALL), lo=54, hi=71, count=3, vel=0.35, cut=1000.0)
    tune = compose_melody(s, list(range(8)), "chant", 62, 78, seed=88, answer_rhythm="call")
    s.melody(tune, list(range(8)), "choir", vel=1.0, vowel="oh", voices=5, send=0.45)
    second = [(b + 8, st, ln, m) for b, st, ln, m in tune]
    s.melody(second, list(range(8, 16)), "choir", vel=1.0, vowel="oh", voices=5, send=0.45)
    low = [(b + 8, st, ln, m) for b, st, ln, m in harmonise(s, list(range(8)), tune)]
    s.melody(low, list(range(8, 16)), "brass", vel=0.5, pan=-0.2, send=0.35)
    s.stabs("X.......x.......", list(range(8, 16)), "brass", lo=57, hi=74, count=3, vel=0.45, gate_steps=5,
            pan=0.25, send=0.35)
    return s


def tabs():
    """G major, 116 bpm: the tables screen. A strummed guitar, a bell tune,
    a flute harmony when it comes round again."""
    prog = ["I", "vi", "IV", "V", "I", "vi", "ii", "V"] * 2
    s = Song(116, "G", "major", prog, SR, seed=109)
    s.drums({"kick": "X.....x.X.......", "clap": "....X.......X...", "hat": "x.x.x.x.x.x.x.x."}, list(ALL),
            0.8, pans={"hat": 0.3})
    s.drums({"shaker": "o-o-o-o-o-o-o-o-"}, list(range(8, 16)), 0.55, pans={"shaker": -0.35})
    s.drums({"crash": "o..............."}, [0, 8], 0.5)
    s.bass_line("r.r.r.r.r.r.5.o.", list(ALL), lo=31, vel=0.8, gate_factor=0.7)
    s.stabs("X..x..x...x.x...", list(ALL), "pluck", lo=55, hi=72, count=4, vel=0.32, gate_steps=2.5,
            strum=0.012, pan=-0.2, send=0.3)
    tune = compose_melody(s, list(range(8)), "bounce", 67, 86, seed=99)
    s.melody(tune, list(range(8)), "bell", vel=0.55, pan=0.1)
    again = [(b + 8, st, ln, m) for b, st, ln, m in tune]
    s.melody(again, list(range(8, 16)), "bell", vel=0.55, pan=0.1)
    under = [(b + 8, st, ln, m) for b, st, ln, m in harmonise(s, list(range(8)), tune)]
    s.melody(under, list(range(8, 16)), "flute", vel=0.45, pan=-0.15)
    return s


def match_win():
    """A short fanfare in D: a triplet call, the rise, the held chord over a
    timpani roll and a cymbal."""
    s = Song(112, "D", "major", ["I", "I", "I"], SR, seed=110)
    beat = 60.0 / 112
    third = beat / 3
    t0 = 0.05
    for i in range(3):
        s.note(t0 + i * third, "brass", 69, third * 0.55, 0.8, 0.0, 0.35, release=0.03)
        s.note(t0 + i * third, "brass", 62, third * 0.55, 0.5, -0.3, 0.35, release=0.03)
    t = t0 + beat
    line_ = [(0.0, 74, 1.4), (1.5, 78, 0.45), (2.0, 81, 0.9), (3.0, 81, 0.28), (3.333, 83, 0.28),
             (3.667, 85, 0.28)]
    for off, m, g in line_:
        short = {"release": 0.04} if g < 0.5 else {}
        s.note(t + off * beat, "brass", m, g * beat, 0.85, 0.0, 0.35, **short)
        s.note(t + off * beat, "brass", m - 12, g * beat, 0.55, -0.3, 0.35, **short)
    harmony = [(0.0, ["I"], 2.0), (2.0, ["IV"], 1.0), (3.0, ["V"], 1.0)]
    chords = {"I": [62, 66, 69], "IV": [62, 67, 71], "V": [61, 64, 69]}
    for off, (sym,), g in harmony:
        for j, m in enumerate(chords[sym]):
            s.note(t + off * beat, "brass", m, g * beat * 0.9, 0.55, (j - 1) * 0.4, 0.35)
        s.note(t + off * beat, "bass", {"I": 38, "IV": 43, "V": 45}[sym], g * beat * 0.9, 0.8)
    end = t + 4.0 * beat
    for j, m in enumerate([62, 66, 69, 74, 78, 86]):
        s.note(end, "brass", m, 2.6, 0.9 if m == 86 else 0.6, (j - 2.5) * 0.25, 0.4)
    s.note(end, "bass", 38, 2.6, 0.9)
    s.note(end, "bell", 86, 0.5, 0.5, 0.3, 0.4)
    roll = t + 2.0 * beat
    k = 0
    while roll + k * 0.055 < end - 0.03:
        s.hit(roll + k * 0.055, "timp", 0.25 + 0.5 * k * 0.055 / (end - roll), 0.0, 0.2)
        k += 1
    s.hit(end, "timp", 1.0, 0.0, 0.3)
    s.hit(end, "crash", 0.9, 0.2, 0.3)
    s.hit(t0 + beat, "timphi", 0.7, 0.0, 0.3)
    s.length = end + 0.1
    return s


def match_lost():
    """A subdued cadence in D minor: a falling electric-piano line over a
    soft pad, settling on a low D."""
    s = Song(76, "D", "minor", ["i", "bVI", "iv", "V", "i"], SR, seed=111)
    beat = 60.0 / 76
    t0 = 0.05
    chords = [(0.0, [50, 57, 62, 65], 2.0), (2.0, [46, 58, 62, 65], 2.0), (4.0, [43, 58, 62, 67], 2.0),
              (6.0, [45, 57, 61, 64], 2.0), (8.0, [38, 57, 62, 65], 3.5)]
    for off, notes, g in chords:
        for j, m in enumerate(notes):
            s.note(t0 + off * beat, "pad", m, g * beat, 0.5 if j else 0.6, (j - 1.5) * 0.3, 0.45, cut=900.0,
                   attack=0.25)
    tune = [(0.0, 69, 1.0), (1.0, 67, 1.0), (2.0, 65, 1.5), (3.5, 62, 0.5), (4.0, 67, 1.0), (5.0, 65, 1.0),
            (6.0, 64, 1.5), (7.5, 61, 0.5), (8.0, 62, 3.0)]
    for off, m, g in tune:
        s.note(t0 + off * beat, "epiano", m, g * beat * 0.95, 0.6, 0.1, 0.4)
    s.note(t0 + 8.0 * beat, "bass", 38, 3.0 * beat, 0.6, 0.0, 0.1)
    s.hit(t0 + 8.0 * beat, "timp", 0.35, 0.0, 0.3)
    s.length = t0 + 11.0 * beat
    return s


PIECES = {
    "level-1": (level_1, True),
    "level-2": (level_2, True),
    "level-3": (level_3, True),
    "level-4": (level_4, True),
    "level-5": (level_5, True),
    "level-6": (level_6, True),
    "level-7": (level_7, True),
    "main-menu-1": (main_menu, True),
    "tabs": (tabs, True),
    "match-win": (match_win, False),
    "match-lost": (match_lost, False),
}

LOUDNESS = {"match-win": -14.0, "match-lost": -17.0}


def render(name):
    build, loop = PIECES[name]
    song = build()
    return song.render(loop=loop, loudness=LOUDNESS.get(name, -15.5), ceiling=-1.5)


def main():
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument("--piece", choices=sorted(PIECES))
    ap.add_argument("--out")
    ap.add_argument("--list", action="store_true", help="print the piece ids")
    args = ap.parse_args()
    if args.list:
        print("\n".join(PIECES))
        return
    if not args.piece or not args.out:
        ap.error("--piece and --out are needed")
    dsp.write_ogg(args.out, render(args.piece), SR, QUALITY)


if __name__ == "__main__":
    main()
