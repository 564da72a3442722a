"""The crowd in the stands: many voices singing one vowel on a shared pitch
glide (the "ooh" of a near miss, the "aww" of a groan, the roar of a goal),
a vowel-coloured roar of noise under them, applause and stray whistles, and a
quiet murmur bed for the commentary.

Voices are rendered at 22050 Hz (they hold nothing above 5 kHz) and brought
up to the caller's rate with a clean spectral resampler.
"""

import numpy as np

import sounds_dsp as dsp
import sounds_instruments as ins

VOICE_SR = 22050


def resample(x, sr_from, sr_to):
    """Band-limited resampling by zero-padding or cutting the spectrum."""
    if sr_from == sr_to:
        return x
    n = len(x)
    m = int(round(n * sr_to / sr_from))
    spectrum = np.fft.rfft(x)
    keep = min(len(spectrum), m // 2 + 1)
    out = np.zeros(m // 2 + 1, dtype=complex)
    out[:keep] = spectrum[:keep]
    return np.fft.irfft(out, m) * (m / n)


def voices(seconds, r, count=24, vowel="oh", glide=None, swell=None, spread=0.12, female=0.3,
           sr=VOICE_SR):
    """count voices singing vowel. glide(t) is a pitch factor over time
    (0..1 of the length), swell(t) the shared loudness. Each voice starts a
    little late and wavers on its own."""
    n = dsp.samples(seconds, sr)
    u = np.linspace(0.0, 1.0, n)
    g = glide(u) if glide else np.ones(n)
    sw = swell(u) if swell else np.ones(n)
    out = np.zeros(n)
    for _ in range(count):
        base = r.uniform(190, 290) if r.uniform() < female else r.uniform(100, 175)
        late = r.uniform(0.0, spread)
        shift = int(late * sr)
        f = base * g * (1.0 + 0.02 * np.sin(2 * np.pi * r.uniform(0.3, 0.9) * u * seconds + r.uniform(0, 6)))
        v = ins.sung(f, n, sr, vowel, r, vib_cents=25.0, vib_rate=r.uniform(4.0, 6.5))
        v = np.concatenate([np.zeros(shift), v[:n - shift]])
        env = np.clip((np.arange(n) - shift) / (0.06 * sr), 0.0, 1.0)
        out += v * env * r.uniform(0.5, 1.0)
    return out * sw / np.sqrt(count)


def roar(seconds, r, vowel="ah", swell=None, sr=VOICE_SR, bright=0.0):
    """The noise of thousands: pink noise coloured by a vowel's formants;
    bright (dB) lifts the shouting range around 2.5 kHz."""
    n = dsp.samples(seconds, sr)
    noise = dsp.pink(n, r, sr)
    band = dsp.band_response(150, 5000, 1)
    lift = dsp.peak_response(2500.0, 2.0, bright)
    coloured = dsp.spectral(noise, sr, lambda f: (ins.vowel_weight(f, vowel) + 0.15) * band(f) * lift(f))
    coloured /= max(1e-9, np.max(np.abs(coloured)))
    u = np.linspace(0.0, 1.0, n)
    wobble = 1.0 + 0.15 * np.sin(2 * np.pi * 1.7 * u * seconds + 1.0) * np.sin(2 * np.pi * 0.6 * u * seconds)
    return coloured * wobble * (swell(u) if swell else 1.0)


def applause(seconds, r, sr, density=140.0, swell=None):
    """Hands clapping: short noise bursts at random, each with its own
    colour."""
    n = dsp.samples(seconds, sr)
    out = np.zeros(n)
    u = np.linspace(0.0, 1.0, n)
    sw = swell(u) if swell else np.ones(n)
    count = int(density * seconds)
    clap_n = dsp.samples(0.03, sr)
    tc = np.arange(clap_n) / sr
    bank = []
    for _ in range(12):
        lo = r.uniform(700, 1500)
        burst = dsp.bandpass(dsp.white(clap_n, r), sr, lo, lo * r.uniform(2.0, 3.5))
        bank.append(burst * np.exp(-tc / r.uniform(0.004, 0.009)))
    for _ in range(count):
        at = int(r.uniform(0, n - clap_n))
        out[at:at + clap_n] += bank[int(r.integers(len(bank)))] * r.uniform(0.3, 1.0) * sw[at]
    return out / np.sqrt(max(1.0, density / 10.0))


def whistles(seconds, r, sr, count=3):
    """A few fans whistling with their fingers (rising-falling glides)."""
    n = dsp.samples(seconds, sr)
    out = np.zeros(n)
    for _ in range(count):
        length = r.uniform(0.35, 0.7)
        m = dsp.samples(length, sr)
        start = int(r.uniform(0.05, max(0.06, seconds - length - 0.05)) * sr)
        if start + m > n:
            continue
        u = np.linspace(0, 1, m)
        base = r.uniform(1900, 2600)
        f = base * (1.0 + 0.25 * np.sin(np.pi * u) - 0.1 * u)
        tone = dsp.sine(f, m, sr) * np.sin(np.pi * u) ** 0.6
        out[start:start + m] += tone * r.uniform(0.3, 0.6)
    return out


def murmur(seconds, r, sr):
    """A calm stadium bed: distant roar, far voices, now and then a clap."""
    n = dsp.samples(seconds, sr)
    body = roar(seconds, r, "eh", sr=sr)
    body = dsp.lowpass(body, sr, 2200.0, 2)
    u = np.linspace(0, 1, n)
    slow = 0.8 + 0.2 * np.sin(2 * np.pi * (0.23 * u * seconds) + r.uniform(0, 6))
    far = applause(seconds, r, sr, density=6.0) * 0.25
    return body * slow + far
