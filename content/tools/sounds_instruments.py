"""Instruments for the music and effects: tuned voices built by additive or
FM synthesis, and a drum kit made of shaped noise and pitched sines.

Every tuned voice is voice(freq, gate, sr, vel) -> mono samples, gate being
the time the key is held; the result includes the release tail. Drums are
drum(sr) -> mono samples. All noise is seeded, so the same call always gives
the same samples (which also lets the music cache repeated notes).
"""

import numpy as np

import sounds_dsp as dsp


def mtof(midi):
    return 440.0 * 2.0 ** ((midi - 69) / 12.0)


def _t(n, sr):
    return np.arange(n) / sr


def _release(n, sr, gate, release):
    """1 while the key is held, then a raised-cosine fall over release."""
    t = _t(n, sr)
    x = np.clip((t - gate) / max(release, 1e-4), 0.0, 1.0)
    return 0.5 + 0.5 * np.cos(np.pi * x)


def _end(x, sr, seconds=0.04):
    """Fades the last moments out, so a sample never stops on a step."""
    return dsp.fade(x, sr, 0.0, min(seconds, len(x) / sr / 3.0))


def _attack(n, sr, attack):
    t = _t(n, sr)
    return np.clip(t / max(attack, 1e-4), 0.0, 1.0) ** 1.5


# --- Tuned voices -------------------------------------------------------------------

def pluck(freq, gate, sr, vel=1.0, bright=1.0, body=0.9):
    """A plucked string: every harmonic decays on its own, the high ones
    first; a short damping when the key is let go."""
    rel = 0.08
    n = dsp.samples(gate + rel + 0.02, sr)
    t = _t(n, sr)
    ph = 2 * np.pi * freq * t
    out = np.zeros(n)
    nh = int(min(22, 0.45 * sr / freq))
    for k in range(1, nh + 1):
        a = (1.0 / k ** (1.25 - 0.25 * bright)) * (abs(np.sin(np.pi * k * 0.27)) + 0.12)
        tau = body / (1.0 + 0.09 * k ** 1.5 / max(bright, 0.2))
        out += a * np.exp(-t / tau) * np.sin(k * ph)
    out *= _attack(n, sr, 0.0015) * _release(n, sr, gate, rel) * vel
    return out * 0.36


def bass(freq, gate, sr, vel=1.0, punch=1.0):
    """A round synth bass: a bright attack that closes quickly, a sine
    underneath for weight."""
    rel = 0.06
    n = dsp.samples(gate + rel + 0.01, sr)
    t = _t(n, sr)
    ph = 2 * np.pi * freq * t
    bright = 1.2 + 4.5 * punch * np.exp(-t / 0.07)
    out = np.sin(ph) * 0.9
    nh = int(min(16, 0.45 * sr / freq))
    for k in range(2, nh + 1):
        out += (1.0 / k) * np.exp(-(k - 1) / bright) * np.sin(k * ph)
    amp = 0.75 + 0.25 * np.exp(-t / 0.25)
    out *= amp * _attack(n, sr, 0.003) * _release(n, sr, gate, rel) * vel
    return out * 0.55


def _saw_amps(freq, cut, count):
    return [(1.0 / k) / np.sqrt(1.0 + (k * freq / cut) ** 4) for k in range(1, count + 1)]


def pad(freq, gate, sr, vel=1.0, cut=1400.0, attack=0.35, release=0.7, detune=7.0):
    """A soft string-machine pad: three slightly detuned, darkened saws."""
    n = dsp.samples(gate + release + 0.02, sr)
    nh = int(min(14, 0.45 * sr / freq))
    out = np.zeros(n)
    for i, cents in enumerate((-detune, 0.0, detune)):
        f = freq * 2 ** (cents / 1200.0)
        out += dsp.harmonics(f, n, sr, _saw_amps(f, cut, nh), phase0=0.31 * i)
    out *= _attack(n, sr, attack) * _release(n, sr, gate, release) * vel
    return out * 0.1


VOWELS = {
    # formant frequencies (Hz), bandwidths (Hz) and gains
    "oh": ((450, 80, 1.0), (800, 90, 0.55), (2830, 120, 0.08)),
    "ah": ((730, 90, 1.0), (1090, 110, 0.5), (2440, 140, 0.12)),
    "ee": ((300, 60, 1.0), (2300, 150, 0.3), (3000, 200, 0.15)),
    "oo": ((320, 60, 1.0), (700, 80, 0.35), (2400, 150, 0.04)),
    "aw": ((570, 80, 1.0), (840, 90, 0.6), (2410, 140, 0.07)),
    "eh": ((530, 80, 1.0), (1850, 130, 0.45), (2500, 160, 0.15)),
}


def vowel_weight(freqs, vowel):
    w = np.zeros_like(np.asarray(freqs, dtype=np.float64))
    for f0, bw, g in VOWELS[vowel]:
        w = w + g / (1.0 + ((freqs - f0) / bw) ** 2)
    return w + 0.02


def sung(freq, n, sr, vowel, rng_, vib_cents=18.0, vib_rate=5.3):
    """One singing voice: harmonics weighted by the vowel's formants, with
    vibrato. freq may be a curve (per sample)."""
    f = dsp.vibrato(n, sr, np.broadcast_to(np.asarray(freq, dtype=np.float64), (n,)),
                    vib_cents, vib_rate * rng_.uniform(0.9, 1.1), 0.12, rng_)
    fm = float(np.mean(f))
    nh = int(min(40, 0.45 * sr / (fm * 1.05)))
    ks = np.arange(1, nh + 1)
    weights = vowel_weight(ks * fm, vowel) / ks ** 0.6
    return dsp.harmonics(f, n, sr, list(weights), phase0=rng_.uniform())


def choir(freq, gate, sr, vel=1.0, vowel="oh", voices=3, attack=0.09, release=0.35, seed=7):
    """A small chorus singing one note (the terrace chant)."""
    r = dsp.rng(seed + int(freq * 10))
    n = dsp.samples(gate + release + 0.02, sr)
    out = np.zeros(n)
    for i in range(voices):
        cents = (i - (voices - 1) / 2.0) * 9.0 + r.uniform(-3, 3)
        out += sung(freq * 2 ** (cents / 1200.0), n, sr, vowel, r)
    out *= _attack(n, sr, attack) * _release(n, sr, gate, release) * vel
    return out * (0.32 / np.sqrt(voices))


def brass(freq, gate, sr, vel=1.0, attack=0.03, release=0.12):
    """A brass section tone: the harmonics open up with the attack and the
    level, with a late vibrato."""
    n = dsp.samples(gate + release + 0.02, sr)
    t = _t(n, sr)
    env = _attack(n, sr, attack) * _release(n, sr, gate, release)
    bright = 1.0 + (2.2 + 2.0 * vel) * env * (0.75 + 0.25 * np.exp(-t / 0.15))
    f = dsp.vibrato(n, sr, freq, 9.0, 5.5, 0.25)
    ph = 2 * np.pi * np.cumsum(f) / sr
    out = np.zeros(n)
    nh = int(min(18, 0.45 * sr / freq))
    for k in range(1, nh + 1):
        out += (1.0 / k ** 0.8) * np.exp(-(k - 1) / bright) * np.sin(k * ph)
    out *= env * vel
    return out * 0.28


BELL_PARTIALS = ((1.0, 1.0, 1.0), (2.0, 0.55, 0.55), (3.0, 0.32, 0.38), (4.16, 0.22, 0.24),
                 (5.43, 0.16, 0.18), (6.79, 0.1, 0.12))


def bell(freq, gate, sr, vel=1.0, length=1.6):
    """A chime: inharmonic partials that die away, the high ones first."""
    n = dsp.samples(length, sr)
    t = _t(n, sr)
    out = np.zeros(n)
    for ratio, amp, life in BELL_PARTIALS:
        f = freq * ratio
        if f < 0.45 * sr:
            out += amp * np.exp(-t / (life * length * 0.55)) * np.sin(2 * np.pi * f * t)
    out *= _attack(n, sr, 0.001) * vel
    return _end(out * 0.36, sr, length * 0.3)


def epiano(freq, gate, sr, vel=1.0):
    """An electric piano by FM: a bell-like attack over a mellow body."""
    rel = 0.18
    n = dsp.samples(gate + rel + 0.02, sr)
    t = _t(n, sr)
    index = (0.6 + 1.6 * vel) * np.exp(-t / 0.35) + 0.15
    ph = 2 * np.pi * freq * t
    out = np.sin(ph + index * np.sin(ph))
    if freq * 14 < 0.45 * sr:
        out += 0.08 * vel * np.exp(-t / 0.015) * np.sin(14 * ph)
    out *= np.exp(-t / 1.6) * _attack(n, sr, 0.002) * _release(n, sr, gate, rel) * vel
    return out * 0.45


def flute(freq, gate, sr, vel=1.0, seed=3):
    """A soft whistle lead: nearly a sine, a little breath, late vibrato."""
    rel = 0.12
    n = dsp.samples(gate + rel + 0.02, sr)
    f = dsp.vibrato(n, sr, freq, 14.0, 5.0, 0.18)
    out = dsp.harmonics(f, n, sr, [1.0, 0.22, 0.1, 0.03])
    r = dsp.rng(seed)
    breath = dsp.bandpass(dsp.white(n, r), sr, freq * 0.8, freq * 4.0) * 0.08
    out = (out + breath) * _attack(n, sr, 0.045) * _release(n, sr, gate, rel) * vel
    return out * 0.33


def square(freq, gate, sr, vel=1.0):
    """A mellow square lead (odd harmonics, darkened)."""
    rel = 0.08
    n = dsp.samples(gate + rel + 0.02, sr)
    f = dsp.vibrato(n, sr, freq, 10.0, 5.5, 0.2)
    amps = []
    for k in range(1, 16):
        amps.append((1.0 / k if k % 2 else 0.08 / k) / (1.0 + (k * freq / 2500.0) ** 2))
    out = dsp.harmonics(f, n, sr, amps)
    out *= _attack(n, sr, 0.01) * _release(n, sr, gate, rel) * vel
    return out * 0.33


def organ(freq, gate, sr, vel=1.0):
    """A drawbar organ with a gentle tremolo."""
    rel = 0.06
    n = dsp.samples(gate + rel + 0.02, sr)
    t = _t(n, sr)
    amps = [1.0, 0.7, 0.45, 0.3, 0.0, 0.18, 0.0, 0.12]
    out = dsp.harmonics(freq, n, sr, amps)
    out *= (1.0 + 0.08 * np.sin(2 * np.pi * 6.2 * t))
    out *= _attack(n, sr, 0.008) * _release(n, sr, gate, rel) * vel
    return out * 0.21


VOICES = {
    "pluck": pluck,
    "bass": bass,
    "pad": pad,
    "choir": choir,
    "brass": brass,
    "bell": bell,
    "epiano": epiano,
    "flute": flute,
    "square": square,
    "organ": organ,
}


# --- Drums ------------------------------------------------------------------------

def kick(sr, tone=1.0, seed=11):
    n = dsp.samples(0.45, sr)
    t = _t(n, sr)
    f = 44.0 * tone + 115.0 * np.exp(-t / 0.032)
    body = np.sin(2 * np.pi * np.cumsum(f) / sr) * np.exp(-t / 0.17)
    click = dsp.highpass(dsp.white(n, dsp.rng(seed)), sr, 2500.0) * np.exp(-t / 0.0035) * 0.35
    return _end((body + click) * 0.9, sr)


def snare(sr, seed=12):
    n = dsp.samples(0.35, sr)
    t = _t(n, sr)
    tone = (np.sin(2 * np.pi * 186 * t) + 0.5 * np.sin(2 * np.pi * 332 * t)) * np.exp(-t / 0.045)
    noise = dsp.bandpass(dsp.white(n, dsp.rng(seed)), sr, 1400.0, 8500.0) * np.exp(-t / 0.11)
    return _end((0.5 * tone + 1.6 * noise) * 0.6, sr)


def clap(sr, seed=13):
    n = dsp.samples(0.35, sr)
    t = _t(n, sr)
    noise = dsp.bandpass(dsp.white(n, dsp.rng(seed)), sr, 900.0, 5000.0)
    env = np.zeros(n)
    for start in (0.0, 0.011, 0.023):
        tt = t - start
        env += np.where(tt >= 0, np.exp(-np.maximum(tt, 0) / 0.005), 0.0)
    env += np.where(t >= 0.03, np.exp(-np.maximum(t - 0.03, 0) / 0.08), 0.0) * 0.7
    return _end(noise * env * 1.3, sr)


def hat(sr, open_=False, seed=14):
    n = dsp.samples(0.5 if open_ else 0.12, sr)
    t = _t(n, sr)
    r = dsp.rng(seed + (1 if open_ else 0))
    metal = np.zeros(n)
    for f in (3140.0, 4410.0, 5870.0, 7390.0, 8820.0):
        if f < 0.45 * sr:
            metal += np.sign(np.sin(2 * np.pi * f * t + r.uniform(0, 6.28)))
    noise = dsp.highpass(dsp.white(n, r) + 0.25 * metal, sr, 6500.0, 3)
    return _end(noise * np.exp(-t / (0.16 if open_ else 0.022)) * (0.33 if open_ else 0.55), sr)


def shaker(sr, seed=15):
    n = dsp.samples(0.12, sr)
    t = _t(n, sr)
    noise = dsp.bandpass(dsp.white(n, dsp.rng(seed)), sr, 4500.0, 11000.0)
    env = np.clip(t / 0.012, 0, 1) * np.exp(-t / 0.035)
    return _end(noise * env * 0.6, sr)


def crash(sr, seed=16):
    n = dsp.samples(2.6, sr)
    t = _t(n, sr)
    r = dsp.rng(seed)
    metal = np.zeros(n)
    for _ in range(12):
        f = r.uniform(2500.0, min(12000.0, 0.45 * sr))
        metal += np.sign(np.sin(2 * np.pi * f * t + r.uniform(0, 6.28)))
    noise = dsp.highpass(dsp.white(n, r) * 1.5 + 0.12 * metal, sr, 3500.0, 2)
    return _end(noise * np.exp(-t / 0.9) * np.clip(t / 0.002, 0, 1) * 0.22, sr)


def tom(sr, pitch=110.0, seed=17):
    n = dsp.samples(0.5, sr)
    t = _t(n, sr)
    f = pitch * (0.8 + 0.35 * np.exp(-t / 0.05))
    body = np.sin(2 * np.pi * np.cumsum(f) / sr) * np.exp(-t / 0.22)
    hit = dsp.bandpass(dsp.white(n, dsp.rng(seed)), sr, 300.0, 3000.0) * np.exp(-t / 0.01) * 0.3
    return _end((body + hit) * 0.8, sr)


def timpani(sr, pitch=98.0, seed=18):
    n = dsp.samples(1.6, sr)
    t = _t(n, sr)
    out = np.zeros(n)
    for ratio, amp, life in ((1.0, 1.0, 0.9), (1.5, 0.5, 0.6), (1.98, 0.35, 0.45), (2.44, 0.2, 0.3)):
        out += amp * np.exp(-t / life) * np.sin(2 * np.pi * pitch * ratio * t)
    thump = dsp.lowpass(dsp.white(n, dsp.rng(seed)), sr, 900.0) * np.exp(-t / 0.03) * 0.8
    return _end((out + thump) * np.clip(t / 0.003, 0, 1) * 0.6, sr)


def stomp(sr, seed=19):
    """A floor stomp of many feet: a deep thud with the room in it."""
    n = dsp.samples(0.6, sr)
    t = _t(n, sr)
    f = 48.0 + 60.0 * np.exp(-t / 0.05)
    body = np.sin(2 * np.pi * np.cumsum(f) / sr) * np.exp(-t / 0.2)
    r = dsp.rng(seed)
    thuds = np.zeros(n)
    for _ in range(10):
        start = int(r.uniform(0, 0.025) * sr)
        piece = dsp.lowpass(dsp.white(n - start, r), sr, 700.0) * np.exp(-np.arange(n - start) / sr / 0.04)
        thuds[start:] += piece * 0.25
    return _end((body + thuds) * 0.85, sr)


def drum_kit(sr):
    """The named drums of the music, rendered once."""
    return {
        "kick": kick(sr),
        "kick2": kick(sr, tone=1.15, seed=21),
        "snare": snare(sr),
        "clap": clap(sr),
        "hat": hat(sr),
        "ohat": hat(sr, open_=True),
        "shaker": shaker(sr),
        "crash": crash(sr),
        "tomhi": tom(sr, 150.0),
        "tomlo": tom(sr, 98.0, seed=22),
        "timp": timpani(sr, 98.0),
        "timphi": timpani(sr, 130.8, seed=23),
        "stomp": stomp(sr),
    }
