"""A small composing and rendering engine for the game's music.

A piece is a key, a tempo, a chord progression (one chord per bar, written in
Roman numerals) and a list of parts: drums from step patterns, a bass line,
pad chords, arpeggios, strums and stabs, and melodies made from a motif that
is repeated, moved with the harmony and brought to a cadence. Notes are
rendered by the voices of sounds_instruments (repeated notes are rendered
once), mixed in stereo with a shared room reverb and mastered to a common
loudness. Looping pieces wrap their tails around to the start, so the loop
point is seamless.
"""

import numpy as np

import sounds_dsp as dsp
import sounds_instruments as ins

STEPS = 16  # sixteenth notes per bar

NOTE_PC = {"C": 0, "C#": 1, "Db": 1, "D": 2, "D#": 3, "Eb": 3, "E": 4, "F": 5, "F#": 6,
           "Gb": 6, "G": 7, "G#": 8, "Ab": 8, "A": 9, "A#": 10, "Bb": 10, "B": 11}
MAJOR = (0, 2, 4, 5, 7, 9, 11)
MINOR = (0, 2, 3, 5, 7, 8, 10)
NUMERALS = ("VII", "VI", "IV", "V", "III", "II", "I")  # longest first for parsing
NUMERAL_DEGREE = {"I": 0, "II": 1, "III": 2, "IV": 3, "V": 4, "VI": 5, "VII": 6}

VEL = {"X": 1.0, "x": 0.78, "o": 0.55, "-": 0.35}


def parse_chord(symbol, key_pc):
    """A Roman numeral chord ("I", "vi", "bVII", "V7", "ii7", "IVmaj7",
    "Vsus4", "viidim") in a key as (root pitch class, sorted intervals)."""
    s = symbol
    flat = 0
    if s.startswith("b"):
        flat, s = -1, s[1:]
    elif s.startswith("#"):
        flat, s = 1, s[1:]
    numeral = next(n for n in NUMERALS if s.upper().startswith(n))
    minor = s[:len(numeral)].islower()
    rest = s[len(numeral):]
    root = (key_pc + MAJOR[NUMERAL_DEGREE[numeral]] + flat) % 12
    if rest.startswith("dim"):
        iv = [0, 3, 6]
        rest = rest[3:]
    elif rest.startswith("sus4"):
        iv = [0, 5, 7]
        rest = rest[4:]
    elif rest.startswith("sus2"):
        iv = [0, 2, 7]
        rest = rest[4:]
    else:
        iv = [0, 3, 7] if minor else [0, 4, 7]
    if rest == "7":
        iv.append(10)
    elif rest == "maj7":
        iv.append(11)
    elif rest == "6":
        iv.append(9)
    elif rest == "add9":
        iv.append(14)
    return root, iv


class Chord:
    def __init__(self, symbol, key_pc, mode):
        self.symbol = symbol
        self.root, self.intervals = parse_chord(symbol, key_pc)
        self.pcs = sorted({(self.root + i) % 12 for i in self.intervals})
        scale = {(key_pc + i) % 12 for i in (MAJOR if mode == "major" else MINOR)}
        # Chord notes outside the key replace the key note a semitone away,
        # so melodies never rub against the harmony (the raised seventh over
        # the dominant of a minor key, for instance).
        for pc in self.pcs:
            if pc not in scale:
                for near in ((pc - 1) % 12, (pc + 1) % 12):
                    if near in scale and near not in self.pcs:
                        scale.discard(near)
                        break
                scale.add(pc)
        self.scale = sorted(scale)

    def tones(self, lo, hi):
        """Every chord note between two MIDI numbers."""
        return [m for m in range(lo, hi + 1) if m % 12 in self.pcs]

    def scale_notes(self, lo, hi):
        return [m for m in range(lo, hi + 1) if m % 12 in self.scale]

    def root_in(self, lo):
        """The chord root at or above lo."""
        m = lo
        while m % 12 != self.root:
            m += 1
        return m


def pattern(text):
    """A step pattern ("X..x..o.") as (step, velocity) pairs."""
    return [(i, VEL[c]) for i, c in enumerate(text.replace(" ", "")) if c in VEL]


class Song:
    def __init__(self, bpm, key, mode, progression, sr=32000, seed=1, swing=0.0):
        self.sr = sr
        self.bpm = bpm
        self.key_pc = NOTE_PC[key]
        self.mode = mode
        self.chords = [Chord(s, self.key_pc, mode) for s in progression]
        self.bars = len(self.chords)
        self.step = 60.0 / bpm / 4.0
        self.swing = swing
        self.rng = dsp.rng(seed)
        self.notes = []   # (time, voice, freq, gate, vel, pan, send, options)
        self.hits = []    # (time, drum, vel, pan, send)
        self.length = self.bars * STEPS * self.step

    # --- time ---

    def time_of(self, bar, step):
        """Seconds at a bar (0-based) and sixteenth step, with swing on the
        off sixteenths."""
        t = (bar * STEPS + step) * self.step
        if self.swing and int(step) % 2 == 1 and step == int(step):
            t += self.swing * self.step
        return t

    def jitter(self, amount=0.004):
        return self.rng.uniform(-amount, amount)

    def human(self, vel, spread=0.08):
        return vel * self.rng.uniform(1.0 - spread, 1.0)

    # --- writing notes ---

    def note(self, time, voice, midi, gate, vel, pan=0.0, send=0.2, **options):
        self.notes.append((time, voice, ins.mtof(midi), gate, vel, pan, send, tuple(sorted(options.items()))))

    def hit(self, time, drum, vel, pan=0.0, send=0.1):
        self.hits.append((time, drum, vel, pan, send))

    def drums(self, patterns, bars, vel=1.0, pans=None, sends=None):
        """patterns: drum name -> step pattern string (16 or 32 steps; longer
        ones span several bars)."""
        pans = pans or {}
        sends = sends or {}
        for name, text in patterns.items():
            steps = pattern(text)
            span = max(1, (len(text.replace(" ", "")) + STEPS - 1) // STEPS)
            for bar in bars:
                if (bar - bars[0]) % span:
                    continue
                for step, v in steps:
                    b, s = bar + step // STEPS, step % STEPS
                    if b >= self.bars:
                        continue
                    self.hit(self.time_of(b, s) + self.jitter(0.002), name, self.human(v * vel, 0.06),
                             pans.get(name, 0.0), sends.get(name, 0.08))

    def bass_line(self, text, bars, voice="bass", lo=33, vel=0.9, gate_factor=0.85, pan=0.0, send=0.05,
                  **options):
        """text: one character per sixteenth: r root, o octave, 5 fifth,
        3 third, 7 seventh (flat), a approach to the next bar's root, '.' rest,
        '_' holds the previous note."""
        chars = text.replace(" ", "")
        for bar in bars:
            chord = self.chords[bar]
            nxt = self.chords[(bar + 1) % self.bars]
            root = chord.root_in(lo)
            events = []
            for i, c in enumerate(chars):
                if c == "_" and events:
                    events[-1][1] += 1
                    continue
                if c in "._":
                    continue
                if c == "r":
                    m = root
                elif c == "o":
                    m = root + 12
                elif c == "5":
                    m = root + 7
                elif c == "3":
                    m = root + (3 if 3 in chord.intervals else 4)
                elif c == "7":
                    m = root + 10
                elif c == "a":
                    target = nxt.root_in(lo)
                    m = target - 1 if target - 1 >= lo else target + 2
                else:
                    continue
                events.append([i, 1, m])
            for i, length, m in events:
                t = self.time_of(bar, i) + self.jitter(0.003)
                self.note(t, voice, m, length * self.step * gate_factor, self.human(vel), pan, send, **options)

    def voicing(self, chord, lo, hi, count, previous=None):
        """count chord notes in lo..hi, as close as possible to the previous
        voicing (smooth voice leading)."""
        tones = chord.tones(lo, hi)
        best, best_cost = None, None
        for start in range(0, max(1, len(tones) - count + 1)):
            cand = tones[start:start + count]
            if len(cand) < count:
                continue
            if previous:
                cost = sum(abs(a - b) for a, b in zip(cand, previous))
            else:
                cost = abs(np.mean(cand) - (lo + hi) / 2.0)
            if best_cost is None or cost < best_cost:
                best, best_cost = cand, cost
        return best or tones[:count]

    def pads(self, bars, voice="pad", lo=55, hi=74, count=4, vel=0.6, pan_spread=0.5, send=0.35,
             length_bars=1, **options):
        prev = None
        for bar in bars:
            chord = self.chords[bar]
            v = self.voicing(chord, lo, hi, count, prev)
            prev = v
            gate = length_bars * STEPS * self.step - 0.05
            for j, m in enumerate(v):
                p = (j / max(1, count - 1) * 2 - 1) * pan_spread
                self.note(self.time_of(bar, 0) + j * 0.004, voice, m, gate, vel, p, send, **options)

    def arp(self, order, bars, voice="pluck", lo=60, hi=84, every=1, vel=0.55, gate_steps=1.0, pan=0.0,
            send=0.25, accent=0.0, **options):
        """order: indices into the chord notes from lo upward, one per
        'every' sixteenths; a negative index is a rest."""
        for bar in bars:
            tones = self.chords[bar].tones(lo, hi)
            k = 0
            for s in range(0, STEPS, every):
                idx = order[k % len(order)]
                k += 1
                if idx < 0 or not tones:
                    continue
                m = tones[min(idx, len(tones) - 1)]
                v = vel * (1.0 + accent if s % 4 == 0 else 1.0)
                self.note(self.time_of(bar, s) + self.jitter(0.003), voice, m, gate_steps * every * self.step,
                          self.human(v), pan, send, **options)

    def stabs(self, text, bars, voice="epiano", lo=57, hi=76, count=3, vel=0.6, gate_steps=1.5, pan=0.0,
              send=0.3, strum=0.0, **options):
        """Chords on the steps of a pattern; strum spreads their notes in
        time (seconds between notes, low to high)."""
        prev = None
        steps = pattern(text)
        for bar in bars:
            v = self.voicing(self.chords[bar], lo, hi, count, prev)
            prev = v
            for s, a in steps:
                t0 = self.time_of(bar, s) + self.jitter(0.003)
                up = (s // 2) % 2 == 0
                order = v if up else list(reversed(v))
                for j, m in enumerate(order):
                    p = pan + (j / max(1, count - 1) - 0.5) * 0.5
                    self.note(t0 + j * strum, voice, m, gate_steps * self.step, self.human(vel * a), p, send,
                              **options)

    def melody(self, phrase, bars, voice="flute", vel=0.7, pan=0.0, send=0.3, octave=0, **options):
        """phrase: (bar offset, step, length in steps, midi) notes, as made
        by compose_melody."""
        for boff, step, length, m in phrase:
            bar = bars[0] + boff
            if bar not in bars:
                continue
            t = self.time_of(bar, step) + self.jitter(0.004)
            self.note(t, voice, m + 12 * octave, length * self.step * 0.92, self.human(vel, 0.1), pan, send,
                      **options)

    # --- rendering ---

    def render(self, loop=True, tail=3.0, reverb=1.6, loudness=-15.0, ceiling=-1.5, wet=1.0):
        sr = self.sr
        total = dsp.samples(self.length + tail, sr)
        dry = np.zeros((total, 2))
        send = np.zeros((total, 2))
        cache = {}
        kit = ins.drum_kit(sr)
        for t, voice, freq, gate, vel, p, s, opts in self.notes:
            bucket = max(0.1, round(vel * 10) / 10.0)
            key = (voice, round(freq, 2), round(gate, 3), bucket, opts)
            if key not in cache:
                cache[key] = ins.VOICES[voice](freq, gate, sr, bucket, **dict(opts))
            mono = cache[key] * (vel / bucket)
            st = dsp.pan(mono, p)
            start = int(round(max(0.0, t) * sr))
            dsp.mix_into(dry, st, start)
            dsp.mix_into(send, st * s, start)
        for t, drum, vel, p, s in self.hits:
            st = dsp.pan(kit[drum] * vel, p)
            start = int(round(max(0.0, t) * sr))
            dsp.mix_into(dry, st, start)
            dsp.mix_into(send, st * s, start)
        ir = dsp.reverb_ir(sr, reverb, dsp.rng(99))
        wet_sig = dsp.convolve(send, ir)[:total] * wet
        out = dry + wet_sig
        n_loop = dsp.samples(self.length, sr)
        if loop:
            wrapped = out[:n_loop].copy()
            rest = out[n_loop:]
            wrapped[:len(rest)] += rest
            out = wrapped
        else:
            # keep the ring-out; trim trailing near-silence and fade the end
            mag = np.abs(out).max(axis=1)
            audible = np.nonzero(mag > dsp.db(-60.0) * max(1e-9, mag.max()))[0]
            end = min(total, (audible[-1] if len(audible) else total) + dsp.samples(0.05, sr))
            out = dsp.fade(out[:end].copy(), sr, 0.0, 0.4)
        return dsp.master(out, sr, loudness, ceiling)


# --- Melodies -----------------------------------------------------------------------

RHYTHMS = {
    # two-bar rhythms: (step within the two bars, length in steps)
    "chant": [(0, 4), (4, 2), (6, 2), (8, 4), (12, 4), (16, 4), (20, 2), (22, 2), (24, 8)],
    "drive": [(0, 3), (3, 3), (6, 2), (8, 4), (14, 2), (16, 3), (19, 3), (22, 2), (24, 6)],
    "lilt": [(0, 2), (2, 2), (4, 4), (10, 2), (12, 4), (16, 2), (18, 2), (20, 6), (28, 4)],
    "sparse": [(0, 6), (6, 2), (8, 8), (18, 2), (20, 4), (24, 8)],
    "bounce": [(0, 2), (3, 1), (4, 2), (6, 2), (8, 2), (10, 4), (16, 2), (19, 1), (20, 2), (22, 2), (24, 8)],
    "call": [(2, 2), (4, 2), (6, 4), (10, 2), (12, 4), (18, 2), (20, 2), (22, 4), (26, 6)],
}

CADENCE = [(0, 6), (6, 2), (8, 8), (16, 16)]


def compose_melody(song, bars, rhythm, lo, hi, seed, leap=0.2, answer_rhythm=None):
    """An eight-bar (or shorter) tune over song's chords for the given bars:
    motif (bars 1-2), the motif moved with the harmony (3-4), an answer
    (5-6) and a cadence (7-8) that falls onto a long chord note. Returns
    (bar offset, step, length, midi) notes."""
    r = dsp.rng(seed)
    rhythm_a = RHYTHMS[rhythm]
    rhythm_b = RHYTHMS[answer_rhythm] if answer_rhythm else rhythm_a
    moves = [int(x) for x in r.choice([-2, -1, -1, 1, 1, 2, 0, -3, 3], size=len(rhythm_a) + 4,
                                      p=[0.1, 0.2, 0.15, 0.2, 0.15, 0.1, 0.03, 0.035, 0.035])]
    centre = (lo + hi) // 2
    state = {"current": None}

    def realise(offset, rhy, motif_moves):
        notes = []
        for i, (step, length) in enumerate(rhy):
            boff = offset + step // STEPS
            if boff >= len(bars):
                break
            chord = song.chords[bars[boff]]
            scale = chord.scale_notes(lo, hi)
            current = state["current"]
            if current is None:
                current = min(chord.tones(lo, hi), key=lambda m: abs(m - centre))
            else:
                idx = min(range(len(scale)), key=lambda j: abs(scale[j] - current))
                mv = motif_moves[i % len(motif_moves)]
                if r.uniform() < leap * 0.3:
                    mv *= 2
                j = idx + mv
                if j < 0 or j >= len(scale):
                    j = idx - mv
                current = scale[max(0, min(len(scale) - 1, j))]
            if step % 8 == 0 or length >= 4:
                current = min(chord.tones(lo, hi), key=lambda m: (abs(m - current), m))
            state["current"] = current
            notes.append((boff, step % STEPS, length, current))
        return notes

    def cadence(offset):
        """A chord note, a passing note, the chord note just above the goal,
        then the goal (root or third of the last chord) held."""
        if offset + 1 >= len(bars):
            return []
        first, last = song.chords[bars[offset]], song.chords[bars[offset + 1]]
        current = state["current"] if state["current"] is not None else centre
        ends = (last.root, (last.root + last.intervals[1]) % 12)
        goals = [m for m in last.tones(lo + 4, hi - 2) if m % 12 in ends] or last.tones(lo, hi)
        goal = min(goals, key=lambda m: abs(m - current))
        above = first.tones(goal + 1, hi + 9)
        n3, n1 = above[0], above[1]
        scale = first.scale_notes(lo - 12, hi + 12)
        between = [m for m in scale if n3 < m < n1]
        n2 = between[-1] if between else n3
        state["current"] = goal
        return [(offset, 0, 6, n1), (offset, 6, 2, n2), (offset, 8, 8, n3), (offset + 1, 0, 16, goal)]

    n = len(bars)
    out = realise(0, rhythm_a, moves)
    if n > 2:
        varied = moves[:]
        varied[-1] = -varied[-1]
        varied[-2] = int(r.choice([-1, 1]))
        out += realise(2, rhythm_a, varied)
    if n > 4:
        answer = [int(x) for x in r.choice([-2, -1, 1, 2], size=len(rhythm_b) + 2)]
        out += realise(4, rhythm_b, answer)
    if n > 6:
        out += cadence(6)
    return out


def harmonise(song, bars, phrase, below=True):
    """A second line a diatonic third (or sixth) under or over the tune,
    kept on chord notes on the strong beats."""
    out = []
    for boff, step, length, m in phrase:
        chord = song.chords[bars[boff]]
        scale = chord.scale_notes(m - 14, m + 14)
        idx = scale.index(m) if m in scale else min(range(len(scale)), key=lambda j: abs(scale[j] - m))
        j = idx - 2 if below else idx + 2
        h = scale[max(0, min(len(scale) - 1, j))]
        if step % 8 == 0 and h % 12 not in chord.pcs:
            tones = chord.tones(m - 10, m - 1) if below else chord.tones(m + 1, m + 10)
            if tones:
                h = tones[-1] if below else tones[0]
        out.append((boff, step, length, h))
    return out
