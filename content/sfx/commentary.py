#!/usr/bin/python3
"""sfx/comments/*.ogg: the spoken match commentary, two commentators.

The first voice (ids as written: "good-1", "bad-3", ...) is a British
commentator, lower and measured until something happens; the second
("veko-good-1", ...) an American co-commentator, brighter and quicker. Each
line is spoken by espeak-ng with the pace and pitch of its moment (goals
fast, high and wide-ranging; quiet spells slower), given a broadcast polish
(low cut, presence, gentle compression), laid over a faint crowd bed and
brought to one loudness. Mono, 22050 Hz.

Usage: commentary.py --voice 1|2 --out-dir <game>/sfx/comments
       commentary.py --list   (id, category and text of every line)
"""

import argparse
import os
import subprocess
import sys
import tempfile

import numpy as np

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tools"))

import sounds_crowd as crowd  # noqa: E402
import sounds_dsp as dsp  # noqa: E402

SR = 22050
QUALITY = 2
LOUDNESS = -14.0
BED_DB = -25.0  # the crowd under the voice, relative to the voice

# Categories as the catalogue names them; ids are "<category>-<n>".
# bad-1, bad-5 and bad-7 are also the lines for a goal conceded.
LINES = {
    1: {
        "good": [
            "What a pass!",
            "Lovely one two, that!",
            "Oh, that's beautiful football!",
            "Great defending. Very well read!",
            "Superb! He's carved them wide open!",
            "Brilliant! The crowd are loving this!",
            "Oh, that's a fine move!",
            "Magnificent! Absolutely magnificent!",
        ],
        "bad": [
            "Oh no! They've been caught out at the back!",
            "He's left it too late.",
            "That's a poor ball, I'm afraid.",
            "Oh dear. Back to the drawing board.",
            "Disaster! That has gone straight in!",
            "Oh, he won't want to see that one again.",
            "A sucker punch! The opposition have scored!",
            "Sloppy. Very sloppy.",
        ],
        "neutral": [
            "He's taking his time over this one.",
            "Patience. Looking for an opening.",
            "They're knocking it around at the back.",
            "Plenty of possession, but where's the end product?",
            "The manager is on his feet, shouting instructions.",
            "A quiet spell in the game, here.",
        ],
        "intro": [
            "Good evening, and welcome to tonight's match!",
            "A full stadium, and a wonderful atmosphere. Welcome!",
            "Hello, and welcome. What a night for football!",
            "The teams are out, and we are ready for the big one!",
            "Welcome along. Both sides will want the win tonight.",
        ],
        "begin": [
            "And we're under way!",
            "The referee blows, and off we go!",
            "Here we go again!",
            "Kick off!",
            "And the game is back on!",
            "Let's get going!",
        ],
        "goal": [
            "Goal! What a finish!",
            "It's in! It's in the back of the net!",
            "Goal! Oh, you beauty!",
            "He's scored! The stadium erupts!",
            "Goal! Absolutely unstoppable!",
        ],
    },
    2: {
        "good": [
            "Oh, what a pass that is!",
            "Beautiful! Just beautiful!",
            "That is textbook football, folks!",
            "Great stop! What a save!",
            "Wow, they are cutting right through!",
            "Now that is how you play the game!",
            "Listen to this crowd!",
            "Sensational! Simply sensational!",
        ],
        "bad": [
            "Ouch! They've been punished for that!",
            "Oh, he waited too long there.",
            "That's a wasted chance.",
            "Oh, that's not what the coach wanted to see.",
            "No! They've let one in!",
            "Oh dear, that is ugly.",
            "And the other side score! What a blow!",
            "They have got to tighten up at the back.",
        ],
        "neutral": [
            "Come on, somebody make something happen!",
            "They're keeping the ball, waiting for a gap.",
            "Side to side, side to side.",
            "This crowd wants a little more action.",
            "Somebody needs to take a chance here.",
            "Nice and patient. Nothing silly.",
        ],
        "intro": [
            "Hi everybody, and welcome to the big game!",
            "It's a sell out crowd here tonight, folks!",
            "Welcome back! The players are walking out now.",
            "What an atmosphere! You can feel it in the air tonight.",
            "Hello again, everyone. This one should be a classic!",
        ],
        "begin": [
            "Here we go!",
            "And we are under way!",
            "Let's play some football!",
            "The whistle goes, and they are off!",
            "Back to the action!",
            "Okay. Game on!",
        ],
        "goal": [
            "Goal! Goal! Goal!",
            "He shoots, he scores!",
            "Yes! What a strike that is!",
            "Goal! Top corner! Unbelievable!",
            "And that's in! Get in there!",
        ],
    },
}

CATEGORY_TYPE = {"good": "GOOD", "bad": "BAD", "neutral": "NEUTRAL", "intro": "INTRO", "begin": "BEGIN",
                 "goal": "GOAL"}

VOICES = {
    # espeak-ng voice, words per minute, pitch (0-99)
    1: ("en-gb-x-rp+m3", 172, 40),
    2: ("en-us+m4", 182, 70),
}

# The moment of each category: extra speed (wpm), extra pitch, pitch range
# (SSML) and how much crowd there is.
MOOD = {
    "goal": (28, 26, "x-high", 1.6),
    "good": (12, 12, "high", 1.2),
    "begin": (10, 8, "high", 1.0),
    "bad": (-6, -4, "medium", 1.0),
    "neutral": (-12, -2, "medium", 0.8),
    "intro": (-4, 0, "high", 1.0),
}

PREFIX = {1: "", 2: "veko-"}


def line_ids(voice):
    """(id, category, text) of every line of one voice, in catalogue order."""
    out = []
    for category in ("good", "bad", "neutral", "intro", "begin", "goal"):
        for i, text in enumerate(LINES[voice][category], start=1):
            out.append(("%s%s-%d" % (PREFIX[voice], category, i), category, text))
    return out


def speak(text, voice, category, tmp):
    name, speed, pitch = VOICES[voice]
    d_speed, d_pitch, pitch_range, _ = MOOD[category]
    ssml = '<speak><prosody range="%s">%s</prosody></speak>' % (pitch_range, text.replace("&", "and"))
    wav = os.path.join(tmp, "line.wav")
    cmd = ["espeak-ng", "-m", "-v", name, "-s", str(speed + d_speed), "-p", str(pitch + d_pitch),
           "-a", "140", "-g", "1", "-w", wav, ssml]
    result = subprocess.run(cmd, stdout=subprocess.PIPE, stderr=subprocess.PIPE)
    if result.returncode != 0:
        dsp.fail("espeak-ng failed for %r: %s" % (text, result.stderr.decode(errors="replace").strip()))
    x, sr = dsp.read_wav(wav)
    if sr != SR:
        x = crowd.resample(x, sr, SR)
    return x


def trim_silence(x, floor_db=-45.0):
    mag = np.abs(x)
    loud = np.nonzero(mag > dsp.db(floor_db) * max(1e-9, mag.max()))[0]
    if not len(loud):
        return x
    return x[max(0, loud[0] - dsp.samples(0.01, SR)):loud[-1] + dsp.samples(0.03, SR)]


def polish(x):
    """The broadcast sound: low cut, a little presence, gentle compression."""
    x = dsp.spectral(x, SR, lambda f: dsp.highpass_response(110.0, 2)(f) * dsp.peak_response(3000.0, 1.5, 3.0)(f))
    x = dsp.compress(x / max(1e-9, np.max(np.abs(x))), SR, -18.0, 2.5)
    return x


def render_line(text, voice, category, seed, tmp):
    speech = polish(trim_silence(speak(text, voice, category, tmp)))
    lead, tail = dsp.samples(0.12, SR), dsp.samples(0.35, SR)
    speech = np.concatenate([np.zeros(lead), speech, np.zeros(tail)])
    level = dsp.momentary_loudness(speech, SR)
    bed = crowd.murmur(len(speech) / SR, dsp.rng(seed), SR)[:len(speech)]
    bed = np.concatenate([bed, np.zeros(len(speech) - len(bed))])
    bed_level = dsp.momentary_loudness(bed, SR)
    excitement = MOOD[category][3]
    bed *= dsp.db(level + BED_DB + dsp.to_db(excitement) - bed_level)
    dsp.fade(bed, SR, 0.1, 0.3)
    return dsp.master(speech + bed, SR, LOUDNESS, -1.5, release=0.05, max_gain_db=4.0)


def main():
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument("--voice", type=int, choices=sorted(VOICES))
    ap.add_argument("--out-dir")
    ap.add_argument("--list", action="store_true")
    args = ap.parse_args()
    if args.list:
        for voice in sorted(VOICES):
            for line_id, category, text in line_ids(voice):
                print("%s\t%s\t%s" % (line_id, CATEGORY_TYPE[category], text))
        return
    if not args.voice or not args.out_dir:
        ap.error("--voice and --out-dir are needed")
    with tempfile.TemporaryDirectory() as tmp:
        for k, (line_id, category, text) in enumerate(line_ids(args.voice)):
            x = render_line(text, args.voice, category, 1000 * args.voice + k, tmp)
            dsp.write_ogg(os.path.join(args.out_dir, line_id + ".ogg"), x, SR, QUALITY)


if __name__ == "__main__":
    main()
