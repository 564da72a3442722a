#!/usr/bin/python3
"""sfx/snd/*.ogg: the sound effects, synthesised.

Referee's whistles, five ball kicks, the crowd (cheers, groans, the "ooh" of
a near miss), card sounds (flick, deal, riffle shuffle, the chime of a
matched pair), interface clicks and ticks, panel whooshes, the table-cleared
sparkle and the stadium announcement chime of the tables screen. Mono,
44.1 kHz, every effect brought to a loudness that suits its role and limited
to -1 dBFS.

Usage: effects.py --out-dir <game>/sfx/snd [--only id ...]
"""

import argparse
import os
import sys

import numpy as np

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tools"))

import sounds_crowd as crowd  # noqa: E402
import sounds_dsp as dsp  # noqa: E402
import sounds_instruments as ins  # noqa: E402

SR = 44100
QUALITY = 3

# Loudness (momentary, dB) by role: interface ticks stay in the background,
# card sounds sit in the middle, kicks, whistles and the crowd come forward.
QUIET, CARD, FORWARD, CROWD = -21.0, -17.5, -15.5, -14.5


def t_axis(seconds):
    return np.arange(dsp.samples(seconds, SR)) / SR


def at(total, piece, start):
    """piece added into a new or given buffer at start seconds."""
    dsp.mix_into(total, piece, int(round(start * SR)))
    return total


def silence(seconds):
    return np.zeros(dsp.samples(seconds, SR))


def room(x, seconds=0.6, wet=0.25, seed=5, damping=5000.0):
    """A little space around a dry sound (mono in, mono out, tail kept)."""
    ir = dsp.reverb_ir(SR, seconds, dsp.rng(seed), damping=damping, stereo=False)
    y = dsp.convolve(x, ir)
    out = np.concatenate([x, np.zeros(len(y) - len(x))]) + wet * y
    return out


def trim_tail(x, floor_db=-70.0):
    mag = np.abs(x)
    loud = np.nonzero(mag > dsp.db(floor_db) * max(1e-9, mag.max()))[0]
    end = (loud[-1] + 1) if len(loud) else len(x)
    return dsp.fade(x[:end + dsp.samples(0.01, SR)].copy(), SR, 0.0, 0.01)


# --- Referee's whistle -------------------------------------------------------------

def whistle_blast(seconds, r, pitch=3150.0, trill=32.0):
    """A pea whistle: a bright tone warbled by the pea rolling inside, with
    breath noise, quick to speak and to stop."""
    n = dsp.samples(seconds, SR)
    t = np.arange(n) / SR
    wobble = np.sin(2 * np.pi * trill * t + r.uniform(0, 6)) + 0.35 * np.sin(2 * np.pi * trill * 1.93 * t)
    jitter = dsp.lowpass(dsp.white(n, r), SR, 60.0)
    jitter /= max(1e-9, np.max(np.abs(jitter)))
    f = pitch * (1.0 + 0.035 * wobble + 0.01 * jitter)
    f[: dsp.samples(0.03, SR)] *= np.linspace(0.93, 1.0, dsp.samples(0.03, SR))
    tone = dsp.harmonics(f, n, SR, [1.0, 0.16, 0.05])
    am = 1.0 - 0.32 * (0.5 + 0.5 * np.sin(2 * np.pi * trill * t + 1.3))
    breath = dsp.bandpass(dsp.white(n, r), SR, 2200.0, 7000.0) * 0.12
    env = np.clip(t / 0.018, 0, 1) * np.clip((seconds - t) / 0.05, 0, 1)
    return (tone * am + breath) * env


def gwizdek_begin():
    r = dsp.rng(201)
    x = silence(1.5)
    at(x, whistle_blast(0.16, r), 0.0)
    at(x, whistle_blast(0.95, r), 0.26)
    return room(x, 0.9, 0.22)


def gwizdek0():
    r = dsp.rng(202)
    x = silence(0.75)
    at(x, whistle_blast(0.17, r, 3250.0), 0.0)
    at(x, whistle_blast(0.2, r, 3250.0), 0.28)
    return room(x, 0.8, 0.22)


def gwizdek1():
    r = dsp.rng(203)
    x = silence(0.9)
    at(x, whistle_blast(0.12, r, 3050.0, 36.0), 0.0)
    at(x, whistle_blast(0.12, r, 3050.0, 36.0), 0.17)
    at(x, whistle_blast(0.38, r, 3050.0, 36.0), 0.34)
    return room(x, 0.8, 0.22)


# --- Ball kicks --------------------------------------------------------------------

def ball_kick(r, thump=95.0, ring=420.0, contact=2600.0, weight=1.0, scuff=0.0):
    """Boot on ball: the hard contact, the hollow ring of the ball and the
    low thump, plus an optional scuff of grass."""
    n = dsp.samples(0.45, SR)
    t = np.arange(n) / SR
    f = thump * (1.0 + 0.9 * np.exp(-t / 0.012))
    low = np.sin(2 * np.pi * np.cumsum(f) / SR) * np.exp(-t / (0.05 * weight))
    hollow = np.sin(2 * np.pi * ring * t + 0.4) * np.exp(-t / 0.022) * 0.45
    hollow += np.sin(2 * np.pi * ring * 1.62 * t) * np.exp(-t / 0.014) * 0.2
    click = dsp.bandpass(dsp.white(n, r), SR, contact * 0.5, contact * 2.2) * np.exp(-t / 0.0028) * 0.9
    out = low + hollow + click
    if scuff:
        grass = dsp.bandpass(dsp.white(n, r), SR, 1800.0, 7000.0) * np.exp(-t / 0.06) * np.clip(t / 0.01, 0, 1)
        out += grass * scuff
    return room(out * np.clip(t / 0.0008, 0, 1), 0.5, 0.12, seed=int(r.integers(1000)))


def kick0():
    return ball_kick(dsp.rng(211), weight=1.15)


def kick1():
    return ball_kick(dsp.rng(212), thump=85.0, ring=380.0, contact=2200.0, weight=1.3)


def kick2():
    return ball_kick(dsp.rng(213), thump=110.0, ring=480.0, contact=3200.0, weight=1.05)


def kick3():
    return ball_kick(dsp.rng(214), thump=92.0, ring=440.0, contact=2400.0, weight=1.1, scuff=0.35)


def kick4():
    """A full volley: a heavier strike with the ball's whistle through the
    air after it."""
    r = dsp.rng(215)
    x = ball_kick(r, thump=80.0, ring=360.0, contact=2000.0, weight=1.5)
    n = dsp.samples(0.45, SR)
    u = np.linspace(0, 1, n)
    air = dsp.sweep_filter(dsp.white(n, r), SR, 900.0 + 1600.0 * (1 - u), 1.2) * np.sin(np.pi * u) ** 2 * 0.25
    out = silence(0.6)
    at(out, x, 0.0)
    at(out, air, 0.04)
    return out


# --- Crowd ----------------------------------------------------------------------

def to_sr(x):
    return crowd.resample(x, crowd.VOICE_SR, SR)


def shape(points):
    return lambda u: np.interp(u, [p[0] for p in points], [p[1] for p in points])


def cheer(r, seconds=2.3, vowel="eh"):
    swell = shape([(0, 0), (0.05, 0.7), (0.14, 1.0), (0.5, 0.85), (1.0, 0.0)])
    glide = shape([(0, 0.9), (0.1, 1.25), (0.4, 1.3), (1.0, 1.15)])
    v = crowd.voices(seconds, r, 24, vowel, glide, swell, spread=0.12, female=0.35)
    whoo_glide = shape([(0, 1.0), (0.15, 1.35), (0.45, 1.45), (1.0, 1.2)])
    whoo = crowd.voices(seconds, r, 10, "oo", whoo_glide, swell, spread=0.25, female=0.9)
    body = crowd.roar(seconds, r, "ah", swell, bright=8.0)
    x = to_sr(v * 0.7 + whoo * 0.35 + body * 0.6)
    x += crowd.whistles(seconds, r, SR, 3) * 0.12
    return x


def good0():
    return cheer(dsp.rng(221))


def good1():
    """A cheer with the stadium air horn over it."""
    r = dsp.rng(222)
    x = cheer(r, 2.5, "ah")
    n = dsp.samples(0.9, SR)
    t = np.arange(n) / SR
    horn = np.zeros(n)
    for f in (349.2, 440.0, 523.3):
        horn += dsp.harmonics(f * (1.0 + 0.004 * np.sin(2 * np.pi * 6 * t)), n, SR,
                              [1.0 / k ** 0.7 for k in range(1, 14)])
    horn *= np.clip(t / 0.03, 0, 1) * np.clip((0.9 - t) / 0.12, 0, 1) * 0.18
    at(x, horn, 0.12)
    at(x, horn * 0.8, 1.1)
    return x


def good2():
    """A cheer that turns into applause."""
    r = dsp.rng(223)
    x = cheer(r, 2.5, "ee")
    clap = crowd.applause(2.5, r, SR, 160.0, shape([(0, 0), (0.15, 0.6), (0.4, 1.0), (1.0, 0.0)]))
    return x + clap * 0.9


def groan(r, seconds, vowel, glide_points, swell_points, count=26):
    v = crowd.voices(seconds, r, count, vowel, shape(glide_points), shape(swell_points), spread=0.1,
                     female=0.25)
    body = crowd.roar(seconds, r, vowel, shape(swell_points))
    return to_sr(v + body * 0.35)


def bad0():
    """The groan: "aww", falling."""
    return groan(dsp.rng(231), 1.8, "aw", [(0, 1.25), (0.2, 1.2), (1.0, 0.78)],
                 [(0, 0), (0.08, 1.0), (0.5, 0.8), (1.0, 0.0)])


def bad1():
    """The near miss: "ooh", up and down."""
    return groan(dsp.rng(232), 1.6, "oo", [(0, 0.95), (0.3, 1.3), (0.6, 1.2), (1.0, 0.85)],
                 [(0, 0), (0.1, 0.9), (0.35, 1.0), (1.0, 0.0)])


def bad2():
    """A deflated sigh of the stands, settling into murmur."""
    r = dsp.rng(233)
    sigh = groan(r, 1.7, "ah", [(0, 1.1), (1.0, 0.8)], [(0, 0), (0.1, 0.7), (0.4, 0.5), (1.0, 0.0)], 18)
    n = len(sigh)
    u = np.linspace(0, 1, n)
    breath = dsp.sweep_filter(dsp.pink(n, r, SR), SR, 1600.0 - 900.0 * u, 2.0)
    breath *= np.interp(u, [0, 0.08, 0.5, 1.0], [0, 1.0, 0.4, 0]) * 0.6
    return sigh + breath


def bad3():
    """The referee blows: a short whistle, then the groan."""
    r = dsp.rng(234)
    x = silence(2.1)
    at(x, room(whistle_blast(0.32, r, 3200.0), 0.7, 0.2) * 0.7, 0.0)
    at(x, groan(r, 1.7, "aw", [(0, 1.15), (1.0, 0.8)], [(0, 0), (0.1, 1.0), (1.0, 0.0)]), 0.3)
    return x


def bad4():
    """"Uh-oh": three falling notes on a mallet."""
    x = silence(1.4)
    for i, m in enumerate((76, 72, 67)):
        at(x, ins.bell(ins.mtof(m), 0.3, SR, 0.9 - 0.1 * i, length=0.9), i * 0.16)
        at(x, ins.pluck(ins.mtof(m - 12), 0.25, SR, 0.5), i * 0.16)
    return room(x, 0.6, 0.2)


def bad5():
    """A deep, long "ohh" of disappointment with a thud of a drum."""
    r = dsp.rng(236)
    x = groan(r, 2.0, "oh", [(0, 1.0), (0.15, 1.05), (1.0, 0.72)],
              [(0, 0), (0.1, 1.0), (0.6, 0.6), (1.0, 0.0)], 30)
    drum = ins.tom(SR, 70.0, seed=9) * 0.6
    at(x, drum, 0.02)
    return x


# --- Cards -----------------------------------------------------------------------

def flick(r, bright=1.0, length=0.075, land=True):
    """A card leaving the deck (a quick falling swish) and landing."""
    n = dsp.samples(length + 0.08, SR)
    m = dsp.samples(length, SR)
    u = np.linspace(0, 1, m)
    swish = dsp.sweep_filter(dsp.white(m, r), SR, (5200.0 - 2600.0 * u) * bright, 1.4)
    swish *= np.sin(np.pi * np.clip(u * 1.3, 0, 1)) ** 0.8
    out = np.zeros(n)
    out[:m] += swish
    if land:
        k = dsp.samples(0.05, SR)
        tk = np.arange(k) / SR
        tap = dsp.bandpass(dsp.white(k, r), SR, 400.0, 3500.0) * np.exp(-tk / 0.006) * 0.8
        tap += np.sin(2 * np.pi * 190 * tk) * np.exp(-tk / 0.01) * 0.5
        out[m - dsp.samples(0.005, SR):m - dsp.samples(0.005, SR) + k] += tap
    return out


def deck():
    return room(flick(dsp.rng(241)), 0.35, 0.1)


def special_card_over():
    """A card lifting out of the hand: a soft, short swish."""
    r = dsp.rng(242)
    m = dsp.samples(0.085, SR)
    u = np.linspace(0, 1, m)
    swish = dsp.sweep_filter(dsp.white(m, r), SR, 2500.0 + 2500.0 * u, 1.2) * np.sin(np.pi * u) ** 1.5
    tone = np.sin(2 * np.pi * ins.mtof(88) * np.arange(m) / SR) * np.exp(-u * 6) * 0.12
    return room(swish + tone, 0.3, 0.1)


def card_snap(r):
    k = dsp.samples(0.06, SR)
    tk = np.arange(k) / SR
    snap = dsp.bandpass(dsp.white(k, r), SR, 1500.0, 9000.0) * np.exp(-tk / 0.003)
    snap += np.sin(2 * np.pi * 260 * tk) * np.exp(-tk / 0.012) * 0.5
    return snap


def special_card_use():
    """Playing a card: a crisp snap and a bright pluck."""
    r = dsp.rng(243)
    x = silence(0.5)
    at(x, card_snap(r), 0.0)
    at(x, ins.pluck(ins.mtof(84), 0.25, SR, 0.8, bright=1.4) * 1.2, 0.012)
    at(x, ins.bell(ins.mtof(91), 0.2, SR, 0.35, length=0.45), 0.012)
    return room(x, 0.4, 0.15)


def match_cards():
    """A pair made: two quick bell notes, a fifth apart."""
    x = silence(0.65)
    at(x, ins.bell(ins.mtof(88), 0.2, SR, 0.8, length=0.55), 0.0)
    at(x, ins.bell(ins.mtof(95), 0.2, SR, 0.7, length=0.55), 0.06)
    return room(x, 0.4, 0.15)


def card_random():
    """One tick of the lottery wheel: a peg under a flipper."""
    r = dsp.rng(244)
    k = dsp.samples(0.045, SR)
    t = np.arange(k) / SR
    tick = dsp.bandpass(dsp.white(k, r), SR, 2000.0, 8000.0) * np.exp(-t / 0.0025)
    tick += np.sin(2 * np.pi * 2350.0 * t) * np.exp(-t / 0.008) * 0.4
    tick += np.sin(2 * np.pi * 1170.0 * t) * np.exp(-t / 0.012) * 0.25
    return tick


def riffle(r, seconds=0.6, count=42):
    """A riffle shuffle: the two halves' edges clicking through the
    thumbs, fast in the middle."""
    x = silence(seconds + 0.05)
    u = np.linspace(0, 1, count)
    times = (u + 0.18 * np.sin(np.pi * u) * (u - 0.5)) * seconds
    for i, tm in enumerate(times):
        k = dsp.samples(0.012, SR)
        t = np.arange(k) / SR
        lo = r.uniform(2500, 4500)
        c = dsp.bandpass(dsp.white(k, r), SR, lo, lo * 2.2) * np.exp(-t / 0.0018)
        at(x, c * (0.6 + 0.4 * np.sin(np.pi * i / count)) * r.uniform(0.7, 1.0), tm)
    return x


def restore():
    """The dealt cards gathered and shuffled back into a deck: a riffle, the
    bridge, a tap to square it and a little rising chime."""
    r = dsp.rng(245)
    x = silence(1.55)
    at(x, riffle(r), 0.0)
    n = dsp.samples(0.22, SR)
    u = np.linspace(0, 1, n)
    bridge = dsp.sweep_filter(dsp.white(n, r), SR, 1800.0 + 1500.0 * u, 1.6) * np.sin(np.pi * u) * 0.7
    at(x, bridge, 0.62)
    at(x, card_snap(r) * 0.8, 0.86)
    at(x, ins.bell(ins.mtof(79), 0.2, SR, 0.5, length=0.6), 0.9)
    at(x, ins.bell(ins.mtof(86), 0.2, SR, 0.5, length=0.6), 0.98)
    return room(x, 0.5, 0.12)


def start_1():
    """Cards dealt onto the table in a quick run."""
    r = dsp.rng(246)
    x = silence(1.0)
    for i in range(7):
        at(x, flick(r, r.uniform(0.85, 1.1), 0.065) * r.uniform(0.7, 1.0), i * 0.095 + r.uniform(0, 0.012))
    return room(x, 0.4, 0.12)


def start_2():
    """A snare roll rising into a cymbal: here we go."""
    x = silence(1.9)
    kit_snare = ins.snare(SR, seed=31)
    t = 0.0
    k = 0
    while t < 0.75:
        vel = 0.25 + 0.75 * (t / 0.75) ** 1.5
        at(x, kit_snare * vel * (0.9 if k % 2 else 1.0), t)
        t += 0.045
        k += 1
    at(x, ins.kick(SR) * 0.9, 0.78)
    at(x, ins.crash(SR, seed=32) * 1.4, 0.78)
    return room(x, 0.8, 0.18)


def special_card_find():
    """A wild card flies to the hand: a rising whoosh and a sparkle of
    bells."""
    r = dsp.rng(247)
    x = silence(1.2)
    n = dsp.samples(0.45, SR)
    u = np.linspace(0, 1, n)
    whoosh = dsp.sweep_filter(dsp.white(n, r), SR, 700.0 + 3800.0 * u ** 1.5, 1.4) * np.sin(np.pi * u) ** 1.2
    at(x, whoosh * 0.6, 0.0)
    for i, m in enumerate((79, 84, 88, 91, 96)):
        at(x, ins.bell(ins.mtof(m), 0.2, SR, 0.45 + 0.08 * i, length=0.7), 0.12 + i * 0.065)
    return room(x, 0.7, 0.2)


def perfect():
    """The table cleared: a bright arpeggio up to the high octave, with
    glitter."""
    r = dsp.rng(248)
    x = silence(2.0)
    for i, m in enumerate((72, 76, 79, 84, 88)):
        at(x, ins.bell(ins.mtof(m), 0.3, SR, 0.7 + 0.06 * i, length=1.2), i * 0.085)
        at(x, ins.pluck(ins.mtof(m), 0.3, SR, 0.45, bright=1.3), i * 0.085)
    for j in range(14):
        m = int(r.choice([96, 100, 103, 108]))
        at(x, ins.bell(ins.mtof(m), 0.1, SR, r.uniform(0.1, 0.25), length=0.35), 0.4 + j * 0.05 + r.uniform(0, 0.03))
    return room(x, 1.0, 0.25)


def whoosh(rising, seconds):
    r = dsp.rng(249 if rising else 250)
    n = dsp.samples(seconds, SR)
    u = np.linspace(0, 1, n)
    path = 350.0 * (10.0 ** (u if rising else 1 - u))
    air = dsp.sweep_filter(dsp.white(n, r), SR, path, 1.5)
    air *= (np.sin(np.pi * u) ** 1.3) * (0.6 + 0.4 * (u if rising else 1 - u))
    x = silence(seconds + 0.15)
    at(x, air, 0.0)
    thud_at = seconds * (0.88 if rising else 0.02)
    k = dsp.samples(0.09, SR)
    tk = np.arange(k) / SR
    thud = np.sin(2 * np.pi * (150.0 if rising else 110.0) * tk) * np.exp(-tk / 0.025) * 0.35
    at(x, thud, thud_at)
    return room(x, 0.45, 0.15)


def window_show():
    return whoosh(True, 0.34)


def window_hide():
    return whoosh(False, 0.3)


def tabs_chime():
    """The stadium announcer's chime: three soft falling tones in a big
    space."""
    x = silence(2.2)
    for i, m in enumerate((79, 76, 72)):
        at(x, ins.bell(ins.mtof(m), 0.5, SR, 0.8, length=1.5), i * 0.36)
        at(x, ins.flute(ins.mtof(m), 0.3, SR, 0.35), i * 0.36)
    return room(x, 1.6, 0.35, damping=3500.0)


def click(pitch, seed, second=0.0):
    r = dsp.rng(seed)
    k = dsp.samples(0.06, SR)
    t = np.arange(k) / SR
    tone = np.sin(2 * np.pi * pitch * t) * np.exp(-t / 0.011)
    if second:
        tone += np.sin(2 * np.pi * pitch * second * t) * np.exp(-t / 0.006) * 0.4
    snap = dsp.bandpass(dsp.white(k, r), SR, 2500.0, 9000.0) * np.exp(-t / 0.0012) * 0.5
    body = np.sin(2 * np.pi * 520.0 * t) * np.exp(-t / 0.007) * 0.3
    return (tone * 0.7 + snap + body) * np.clip(t / 0.0005, 0, 1)


def click_1():
    return click(1750.0, 261)


def click_2():
    return click(1320.0, 262, second=2.0)


# id: (maker, loudness)
EFFECTS = {
    "click-1": (click_1, QUIET),
    "click-2": (click_2, QUIET),
    "kick0": (kick0, FORWARD),
    "kick1": (kick1, FORWARD),
    "kick2": (kick2, FORWARD),
    "kick3": (kick3, FORWARD),
    "kick4": (kick4, FORWARD),
    "match-cards": (match_cards, CARD),
    "deck": (deck, CARD),
    "restore": (restore, CARD),
    "bad0": (bad0, CROWD),
    "bad1": (bad1, CROWD),
    "bad2": (bad2, CROWD),
    "bad3": (bad3, CROWD),
    "bad4": (bad4, CARD),
    "bad5": (bad5, CROWD),
    "good0": (good0, CROWD),
    "good1": (good1, CROWD),
    "good2": (good2, CROWD),
    "perfect": (perfect, FORWARD),
    "gwizdek0": (gwizdek0, FORWARD),
    "gwizdek1": (gwizdek1, FORWARD),
    "gwizdek-begin": (gwizdek_begin, FORWARD),
    "start-1": (start_1, CARD),
    "start-2": (start_2, CARD),
    "spec-card-find": (special_card_find, CARD),
    "spec-card-over": (special_card_over, QUIET),
    "spec-card-use": (special_card_use, CARD),
    "window-show": (window_show, QUIET + 1.5),
    "window-hide": (window_hide, QUIET + 1.5),
    "card-random": (card_random, QUIET),
    "tabs": (tabs_chime, CARD),
}


def render(effect_id):
    maker, loudness = EFFECTS[effect_id]
    x = trim_tail(maker())
    x = dsp.fade(x, SR, 0.0, 0.004)
    return dsp.master(x, SR, loudness, -1.5, release=0.02, max_gain_db=5.0)


def main():
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument("--out-dir")
    ap.add_argument("--only", nargs="*", help="make only these ids")
    ap.add_argument("--list", action="store_true", help="print the effect ids")
    args = ap.parse_args()
    if args.list:
        print("\n".join(EFFECTS))
        return
    if not args.out_dir:
        ap.error("--out-dir is needed")
    for effect_id in (args.only or EFFECTS):
        if effect_id not in EFFECTS:
            dsp.fail("unknown effect id: %s" % effect_id)
        dsp.write_ogg(os.path.join(args.out_dir, effect_id + ".ogg"), render(effect_id), SR, QUALITY)


if __name__ == "__main__":
    main()
