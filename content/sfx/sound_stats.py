#!/usr/bin/python3
"""Level report of the game's sound files (not part of the build): length,
peak, RMS, momentary loudness, clipped samples, silence at the start and the
spectral centre of each Ogg file, decoded with sox. Exits with 1 when a file
clips, peaks above -0.5 dBFS, is silent or starts late.

Usage: sound_stats.py <file.ogg or folder> ...
"""

import os
import subprocess
import sys
import tempfile

import numpy as np

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tools"))

import sounds_dsp as dsp  # noqa: E402


def decode(path):
    with tempfile.TemporaryDirectory() as tmp:
        wav = os.path.join(tmp, "x.wav")
        subprocess.run(["sox", path, "-b", "16", wav], check=True)
        return dsp.read_wav(wav)


def stats(path):
    x, sr = decode(path)
    mono = x.mean(axis=1) if x.ndim == 2 else x
    mag = np.abs(x).max(axis=1) if x.ndim == 2 else np.abs(x)
    peak = float(mag.max()) if len(mag) else 0.0
    rms = float(np.sqrt(np.mean(mono * mono))) if len(mono) else 0.0
    above = np.nonzero(mag > dsp.db(-40.0))[0]
    lead = (above[0] / sr) if len(above) else float("inf")
    spectrum = np.abs(np.fft.rfft(mono * np.hanning(len(mono)))) if len(mono) > 16 else np.zeros(2)
    freqs = np.fft.rfftfreq(len(mono), 1.0 / sr) if len(mono) > 16 else np.zeros(2)
    centre = float(np.sum(freqs * spectrum) / max(1e-9, np.sum(spectrum)))
    return {
        "length": len(mag) / sr,
        "rate": sr,
        "channels": 2 if x.ndim == 2 else 1,
        "peak": dsp.to_db(peak),
        "rms": dsp.to_db(rms),
        "loudness": dsp.momentary_loudness(x, sr),
        "clipped": int(np.sum(mag >= 32767 / 32768.0)),
        "lead": lead,
        "centre": centre,
    }


def main():
    paths = []
    for arg in sys.argv[1:]:
        if os.path.isdir(arg):
            paths += sorted(os.path.join(arg, f) for f in os.listdir(arg) if f.endswith(".ogg"))
        else:
            paths.append(arg)
    bad = 0
    print("%-28s %6s %6s %2s %7s %7s %8s %4s %6s %7s" % ("file", "len s", "rate", "ch", "peak", "rms",
                                                       "loudness", "clip", "lead s", "centre"))
    for p in paths:
        s = stats(p)
        problems = s["clipped"] > 0 or s["peak"] > -0.5 or s["rms"] < -60.0 or s["lead"] > 0.3
        bad += problems
        print("%-28s %6.2f %6d %2d %7.2f %7.2f %8.2f %4d %6.3f %7.0f%s" % (
            os.path.basename(p), s["length"], s["rate"], s["channels"], s["peak"], s["rms"], s["loudness"],
            s["clipped"], s["lead"], s["centre"], "  <-- check" if problems else ""))
    sys.exit(1 if bad else 0)


if __name__ == "__main__":
    main()
