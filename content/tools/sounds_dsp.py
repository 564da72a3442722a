"""Signal helpers shared by the sound scripts: envelopes, oscillators, noise,
spectral filters, reverb, loudness, a peak limiter and deterministic, atomic
writing of Ogg Vorbis files.

Signals are float64 numpy arrays in -1..1: mono is shape (n,), stereo is
shape (n, 2). Everything is deterministic: noise comes from seeded
generators and the encoder gets a fixed stream serial number, so the same
sources give the same bytes.
"""

import os
import subprocess
import sys
import wave

import numpy as np


def fail(message):
    """Stops the script with a message the build log shows."""
    sys.stderr.write("content: %s\n" % message)
    sys.exit(1)


def rng(seed):
    """A random generator that gives the same numbers on every run."""
    return np.random.default_rng(seed)


def samples(seconds, sr):
    return max(1, int(round(seconds * sr)))


def db(value):
    """Decibels to a linear factor."""
    return 10.0 ** (value / 20.0)


def to_db(value):
    return 20.0 * np.log10(max(float(value), 1e-12))


# --- Envelopes and oscillators ---------------------------------------------------

def fade(x, sr, fade_in=0.0, fade_out=0.0):
    """Raised-cosine fades at both ends (in place, also returned)."""
    n = len(x)
    fi = min(n, int(fade_in * sr))
    fo = min(n, int(fade_out * sr))
    if fi > 0:
        ramp = 0.5 - 0.5 * np.cos(np.linspace(0.0, np.pi, fi))
        x[:fi] = (x[:fi].T * ramp).T
    if fo > 0:
        ramp = 0.5 + 0.5 * np.cos(np.linspace(0.0, np.pi, fo))
        x[n - fo:] = (x[n - fo:].T * ramp).T
    return x


def phase_of(freq, n, sr):
    """The running phase (in cycles) of a frequency that may change per sample."""
    f = np.broadcast_to(np.asarray(freq, dtype=np.float64), (n,))
    return np.cumsum(f) / sr


def sine(freq, n, sr, phase0=0.0):
    return np.sin(2.0 * np.pi * (phase_of(freq, n, sr) + phase0))


def harmonics(freq, n, sr, amps, phase0=0.0):
    """Additive tone: amps[k] is the weight (scalar or per-sample curve) of
    harmonic k + 1. Harmonics above 0.45 of the sample rate are left out, per
    sample, so the tone never folds over."""
    f = np.broadcast_to(np.asarray(freq, dtype=np.float64), (n,))
    ph = 2.0 * np.pi * (np.cumsum(f) / sr + phase0)
    out = np.zeros(n)
    limit = 0.45 * sr
    for k, a in enumerate(amps, start=1):
        if np.max(f) * k >= limit:
            if np.min(f) * k >= limit:
                break
            a = a * (f * k < limit)
        out += a * np.sin(k * ph)
    return out


def vibrato(n, sr, base, depth_cents, rate, delay=0.0, rng_=None):
    """A frequency curve with a vibrato that fades in after delay seconds."""
    t = np.arange(n) / sr
    ramp = np.clip((t - delay) / 0.25, 0.0, 1.0)
    phase0 = 0.0 if rng_ is None else rng_.uniform(0, 2 * np.pi)
    cents = depth_cents * ramp * np.sin(2 * np.pi * rate * t + phase0)
    return base * 2.0 ** (cents / 1200.0)


# --- Noise and spectral filters ---------------------------------------------------

def white(n, r):
    return r.uniform(-1.0, 1.0, n)


def fft_size(n):
    """The smallest length >= n made of factors 2, 3 and 5 (fast for the
    FFT, and much closer to n than the next power of two)."""
    best = 1 << int(np.ceil(np.log2(max(n, 2))))
    p5 = 1
    while p5 < best:
        p35 = p5
        while p35 < best:
            m = p35
            while m < n:
                m *= 2
            best = min(best, m)
            p35 *= 3
        p5 *= 5
    return best


def spectral(x, sr, response):
    """Filters by multiplying the spectrum with response(freqs) (zero phase).
    Works on mono or on each channel of stereo."""
    x = np.asarray(x, dtype=np.float64)
    n = x.shape[0]
    size = fft_size(n)
    freqs = np.fft.rfftfreq(size, 1.0 / sr)
    gain = response(freqs)
    spectrum = np.fft.rfft(x, size, axis=0)
    if x.ndim == 2:
        spectrum *= gain[:, None]
    else:
        spectrum *= gain
    return np.fft.irfft(spectrum, size, axis=0)[:n]


def lowpass_response(cut, order=2):
    return lambda f: 1.0 / np.sqrt(1.0 + (f / cut) ** (2 * order))


def highpass_response(cut, order=2):
    return lambda f: 1.0 / np.sqrt(1.0 + (cut / np.maximum(f, 1e-3)) ** (2 * order))


def band_response(lo, hi, order=2):
    lp = lowpass_response(hi, order)
    hp = highpass_response(lo, order)
    return lambda f: lp(f) * hp(f)


def peak_response(center, width, gain_db):
    """A bell-shaped boost or cut on a logarithmic frequency axis (width in
    octaves)."""
    g = db(gain_db) - 1.0

    def resp(f):
        octaves = np.log2(np.maximum(f, 1.0) / center)
        return 1.0 + g * np.exp(-0.5 * (octaves / (width / 2.0)) ** 2)
    return resp


def lowpass(x, sr, cut, order=2):
    return spectral(x, sr, lowpass_response(cut, order))


def highpass(x, sr, cut, order=2):
    return spectral(x, sr, highpass_response(cut, order))


def bandpass(x, sr, lo, hi, order=2):
    return spectral(x, sr, band_response(lo, hi, order))


def pink(n, r, sr):
    """Noise falling 3 dB per octave, normalised to peak 1."""
    x = spectral(white(n, r), sr, lambda f: 1.0 / np.sqrt(np.maximum(f, 20.0)))
    return x / max(1e-9, np.max(np.abs(x)))


def sweep_filter(x, sr, centre, width_octaves, frame=512):
    """A band-pass whose centre frequency follows the curve centre (Hz per
    sample), done frame by frame with overlap-add (Hann, 75 % overlap)."""
    n = len(x)
    hop = frame // 4
    win = np.hanning(frame)
    pad = np.concatenate([np.zeros(frame), x, np.zeros(frame)])
    cen = np.concatenate([np.full(frame, centre[0]), centre, np.full(frame, centre[-1])])
    out = np.zeros(len(pad))
    norm = np.zeros(len(pad))
    freqs = np.fft.rfftfreq(frame, 1.0 / sr)
    lf = np.log2(np.maximum(freqs, 1.0))
    for start in range(0, len(pad) - frame, hop):
        seg = pad[start:start + frame] * win
        c = cen[start + frame // 2]
        gain = np.exp(-0.5 * ((lf - np.log2(c)) / (width_octaves / 2.0)) ** 2)
        out[start:start + frame] += np.fft.irfft(np.fft.rfft(seg) * gain, frame) * win
        norm[start:start + frame] += win * win
    norm[norm < 1e-6] = 1.0
    return (out / norm)[frame:frame + n]


# --- Space ------------------------------------------------------------------------

def reverb_ir(sr, seconds, r, damping=4000.0, predelay=0.012, stereo=True):
    """An impulse response of a room: decaying noise, darker as it fades,
    with a few early reflections."""
    n = samples(seconds, sr)
    t = np.arange(n) / sr
    chans = []
    for _ in range(2 if stereo else 1):
        tail = white(n, r) * np.exp(-t * 6.9 / seconds)
        early = lowpass(tail, sr, damping)
        late = lowpass(tail, sr, damping * 0.35)
        blend = np.clip(t / (seconds * 0.5), 0.0, 1.0)
        ir = (early * (1 - blend) + late * blend) * np.clip(t / 0.004, 0.0, 1.0)
        pre = samples(predelay, sr)
        ir = np.concatenate([np.zeros(pre), ir])[:n]
        for delay, gain in ((0.007, 0.5), (0.013, 0.35), (0.021, 0.25)):
            k = pre + samples(delay * r.uniform(0.8, 1.25), sr)
            if k < n:
                ir[k] += gain * r.choice([-1.0, 1.0])
        ir /= np.sqrt(np.sum(ir * ir))
        chans.append(ir)
    return np.stack(chans, axis=1) if stereo else chans[0]


def convolve(x, ir):
    """Convolution by FFT; x mono or stereo, ir mono or stereo. The result is
    as long as x plus the tail."""
    x2 = x if x.ndim == 2 else x[:, None]
    h2 = ir if ir.ndim == 2 else ir[:, None]
    n = x2.shape[0] + h2.shape[0] - 1
    size = fft_size(n)
    chans = max(x2.shape[1], h2.shape[1])
    out = np.zeros((n, chans))
    for c in range(chans):
        xa = x2[:, min(c, x2.shape[1] - 1)]
        ha = h2[:, min(c, h2.shape[1] - 1)]
        out[:, c] = np.fft.irfft(np.fft.rfft(xa, size) * np.fft.rfft(ha, size), size)[:n]
    return out if (x.ndim == 2 or ir.ndim == 2) else out[:, 0]


def pan(mono, position):
    """Constant-power pan: position -1 (left) .. 1 (right)."""
    a = (position + 1.0) * np.pi / 4.0
    return np.stack([mono * np.cos(a), mono * np.sin(a)], axis=1)


def mix_into(dest, src, start):
    """Adds src into dest from sample start on, clipping what does not fit."""
    if start >= dest.shape[0] or start + src.shape[0] <= 0:
        return
    s0 = max(0, -start)
    end = min(dest.shape[0], start + src.shape[0])
    dest[start + s0:end] += src[s0:end - start]


# --- Levels -----------------------------------------------------------------------

def loudness_weighting(sr):
    """A rough loudness weighting: cuts the deep bass, lifts the presence
    range a little (close to the K curve of broadcast meters)."""
    hp = highpass_response(60.0, 1)

    def resp(f):
        shelf = 1.0 + (db(4.0) - 1.0) / (1.0 + (1500.0 / np.maximum(f, 1.0)) ** 2)
        return hp(f) * shelf
    return resp


def momentary_loudness(x, sr, window=0.4):
    """The loudest 400 ms of the weighted signal, in dB (mean over channels):
    a level that compares short and long sounds the way the ear does."""
    mono = x.mean(axis=1) if x.ndim == 2 else x
    w = spectral(mono, sr, loudness_weighting(sr))
    n = samples(window, sr)
    if len(w) <= n:
        return to_db(np.sqrt(np.mean(w * w) * len(w) / n))
    c = np.concatenate([[0.0], np.cumsum(w * w)])
    hop = max(1, n // 8)
    starts = np.arange(0, len(w) - n + 1, hop)
    energy = (c[starts + n] - c[starts]) / n
    return to_db(np.sqrt(np.max(energy)))


def limit(x, sr, ceiling_db=-1.0, release=0.08, block=64):
    """A peak limiter without overshoot: the gain follows the block peaks
    with an instant attack (applied one block early) and a smooth release."""
    ceiling = db(ceiling_db)
    mag = np.abs(x).max(axis=1) if x.ndim == 2 else np.abs(x)
    nb = (len(mag) + block - 1) // block
    padded = np.concatenate([mag, np.zeros(nb * block - len(mag))])
    peaks = padded.reshape(nb, block).max(axis=1)
    peaks = np.maximum(peaks, np.concatenate([peaks[1:], [0.0]]))
    peaks = np.maximum(peaks, np.concatenate([[0.0], peaks[:-1]]))
    want = np.minimum(1.0, ceiling / np.maximum(peaks, 1e-9))
    coef = np.exp(-block / (release * sr))
    gain = np.empty(nb)
    g = 1.0
    for i in range(nb):
        g = want[i] if want[i] < g else want[i] + (g - want[i]) * coef
        gain[i] = g
    centres = (np.arange(nb) + 0.5) * block
    curve = np.interp(np.arange(len(mag)), centres, gain)
    curve = np.minimum(curve, np.minimum(1.0, ceiling / np.maximum(mag, 1e-9)))
    return (x.T * curve).T


def master(x, sr, loudness_db, ceiling_db=-1.0, release=0.08, max_gain_db=8.0):
    """Sets the momentary loudness to loudness_db, then limits the peaks to
    ceiling_db; at most max_gain_db of peak reduction is asked of the
    limiter, so a sharp sound is left a little quieter rather than squashed.
    Returns the processed signal."""
    now = momentary_loudness(x, sr)
    gain = db(loudness_db - now)
    peak = max(1e-9, float(np.max(np.abs(x))))
    gain = min(gain, db(ceiling_db + max_gain_db) / peak)
    return limit(x * gain, sr, ceiling_db, release)


def compress(x, sr, threshold_db=-24.0, ratio=3.0, attack=0.005, release=0.08, block=0.005):
    """A gentle compressor: the level above the threshold grows ratio times
    slower. The detector follows block RMS with separate attack and release."""
    mono = x.mean(axis=1) if x.ndim == 2 else x
    b = max(1, int(block * sr))
    nb = (len(mono) + b - 1) // b
    padded = np.concatenate([mono, np.zeros(nb * b - len(mono))])
    level = np.sqrt(np.mean(padded.reshape(nb, b) ** 2, axis=1) + 1e-12)
    ca = np.exp(-b / (attack * sr))
    cr = np.exp(-b / (release * sr))
    env = np.empty(nb)
    e = 0.0
    for i in range(nb):
        c = ca if level[i] > e else cr
        e = level[i] + (e - level[i]) * c
        env[i] = e
    over = np.maximum(0.0, 20.0 * np.log10(env) - threshold_db)
    gain = db(-over * (1.0 - 1.0 / ratio))
    curve = np.interp(np.arange(len(mono)), (np.arange(nb) + 0.5) * b, gain)
    return (x.T * curve).T


# --- Files ------------------------------------------------------------------------

def _pcm16(x):
    """Float to 16-bit with a fixed, signal-independent rounding (no random
    dither, so the bytes repeat)."""
    return np.clip(np.round(x * 32767.0), -32768, 32767).astype("<i2")


def write_wav(path, x, sr):
    chans = 2 if x.ndim == 2 else 1
    with wave.open(path, "wb") as w:
        w.setnchannels(chans)
        w.setsampwidth(2)
        w.setframerate(sr)
        w.writeframes(_pcm16(x).tobytes())


def read_wav(path):
    """A 16-bit WAV file as float samples and its sample rate."""
    with wave.open(path, "rb") as w:
        chans = w.getnchannels()
        sr = w.getframerate()
        data = np.frombuffer(w.readframes(w.getnframes()), dtype="<i2").astype(np.float64) / 32768.0
    if chans == 2:
        data = data.reshape(-1, 2)
    return data, sr


def _encode(wav, ogg, quality, resample):
    cmd = ["oggenc", "-Q", "-q", str(quality), "-s", "1", "-o", ogg]
    if resample:
        cmd += ["--resample", str(resample)]
    cmd.append(wav)
    result = subprocess.run(cmd, stdout=subprocess.PIPE, stderr=subprocess.PIPE)
    if result.returncode != 0:
        fail("oggenc failed for %s: %s" % (ogg, result.stderr.decode(errors="replace").strip()))


def decoded_peak(ogg):
    """The peak of an Ogg file as the game will decode it (linear)."""
    result = subprocess.run(["sox", ogg, "-t", "raw", "-e", "floating-point", "-b", "32", "-"],
                            stdout=subprocess.PIPE, stderr=subprocess.PIPE)
    if result.returncode != 0:
        fail("sox could not decode %s: %s" % (ogg, result.stderr.decode(errors="replace").strip()))
    data = np.frombuffer(result.stdout, dtype=np.float32)
    return float(np.max(np.abs(data))) if len(data) else 0.0


def write_ogg(path, x, sr, quality=3, resample=None, peak_db=-1.0):
    """Encodes to Ogg Vorbis (fixed stream serial, no tags) through a WAV file
    next to the target, then renames into place. The encoder can overshoot
    the peaks a little, so the decoded file is measured and, when it peaks
    above peak_db, encoded again a little quieter."""
    folder = os.path.dirname(path)
    if folder:
        os.makedirs(folder, exist_ok=True)
    tmp_wav = path + ".tmp.wav"
    tmp_ogg = path + ".tmp"
    limit_lin = db(peak_db)
    for _ in range(3):
        write_wav(tmp_wav, x, sr)
        _encode(tmp_wav, tmp_ogg, quality, resample)
        peak = decoded_peak(tmp_ogg)
        if peak <= limit_lin:
            break
        x = x * (limit_lin / peak) * db(-0.15)
    os.remove(tmp_wav)
    with open(tmp_ogg, "rb") as f:
        os.fsync(f.fileno())
    os.replace(tmp_ogg, path)
