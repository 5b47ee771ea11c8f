"""A small synthesised military band: voices, drums and a score renderer.

Melodies are written in scale degrees ("1 3 5 1^"), so harmony lines can be
derived diatonically and pieces moved to any key.
"""

from fractions import Fraction

import numpy as np

from . import synth as S

SR = S.SR
MAJOR = [0, 2, 4, 5, 7, 9, 11]
MINOR = [0, 2, 3, 5, 7, 8, 10]

CHORDS = {
    "I": [1, 3, 5], "ii": [2, 4, 6], "iii": [3, 5, 7], "IV": [4, 6, 1], "V": [5, 7, 2],
    "V7": [5, 7, 2, 4], "vi": [6, 1, 3],
    # minor keys
    "i": [1, 3, 5], "iv": [4, 6, 1], "Vm": [5, "7#", 2], "III": [3, 5, 7], "VI": [6, 1, 3], "VII": [7, 2, 4],
}


def parse_degree(tok):
    """'5', '1^', '7_#' -> (degree index from 0, semitone accidental)."""
    acc = tok.count("#") - tok.count("b")
    octave = tok.count("^") - tok.count("_")
    d = int(tok.strip("^_#b"))
    return (d - 1) + 7 * octave, acc


def parse(melody):
    """'1:0.5 3:0.5 r:1' -> [(degree index or None, accidental, beats)]."""
    out = []
    for tok in melody.split():
        if tok == "|":
            continue
        note, beats = tok.split(":")
        beats = float(Fraction(beats))
        if note == "r":
            out.append((None, 0, beats))
        else:
            di, acc = parse_degree(note)
            out.append((di, acc, beats))
    return out


def freq_of(root, scale, di, acc=0):
    semis = scale[di % 7] + 12 * (di // 7) + acc
    return root * 2.0 ** (semis / 12.0)


# Voices -----------------------------------------------------------------------
_cache = {}


def _cached(key, fn):
    if key not in _cache:
        _cache[key] = fn()
    return _cache[key]


def voice(name, freq, n):
    key = (name, round(freq, 3), n)
    return _cached(key, lambda: _voice(name, freq, n))


def _voice(name, freq, n):
    seed = int(freq * 10) % 1000
    if name == "brass":
        env = S.adsr(n, 0.03, 0.12, 0.75, min(0.1, n / SR / 3))
        bright = np.clip(env * 1.15, 0, 1)
        return S.harmonic_tone(freq, n, lambda k: 1.0 / k, 0.005, 5.2, seed, bright) * env * 0.5
    if name == "horn":
        env = S.adsr(n, 0.02, 0.08, 0.55, min(0.06, n / SR / 3))
        return S.harmonic_tone(freq, n, lambda k: 1.0 / (k * k), 0.0, 5.0, seed, env) * env * 0.5
    if name == "wood":
        env = S.adsr(n, 0.04, 0.1, 0.8, min(0.08, n / SR / 3))
        return S.harmonic_tone(freq, n, lambda k: (1.0 / k) if k % 2 else 0.25 / k, 0.007, 5.6, seed, env) \
            * env * 0.45
    if name == "bass":
        env = S.adsr(n, 0.015, 0.1, 0.6, min(0.06, n / SR / 3))
        return S.harmonic_tone(freq, n, lambda k: 1.0 / (k * k) if k % 2 else 0.3 / (k * k), 0.0, 5.0, seed) \
            * env * 0.9
    if name == "pizz":
        env = S.exp_decay(n, 0.18, 0.004)
        return S.harmonic_tone(freq, n, lambda k: 1.0 / (k ** 1.5), 0.0, 5.0, seed) * env * 0.8
    if name == "pad":
        env = S.adsr(n, 0.25, 0.3, 0.8, min(0.35, n / SR / 3))
        return S.harmonic_tone(freq, n, lambda k: 1.0 / (k ** 1.6), 0.004, 4.6, seed) * env * 0.35
    if name == "bell":
        env = S.exp_decay(n, 0.5, 0.002)
        return (np.sin(2 * np.pi * freq * S.seconds(n)) + 0.3 * np.sin(2 * np.pi * freq * 2.76 * S.seconds(n))) \
            * env * 0.3
    raise ValueError(name)


def drum(name):
    return _cached(("drum", name), lambda: _drum(name))


def _drum(name):
    if name == "kick":
        n = int(0.35 * SR)
        return S.sweep_sine(120, 48, n, 0.03) * S.exp_decay(n, 0.12, 0.002) * 0.9
    if name == "timp":
        n = int(0.9 * SR)
        return (S.sweep_sine(110, 72, n, 0.08) + 0.3 * S.sweep_sine(165, 108, n, 0.08)) * S.exp_decay(n, 0.35) * 0.8
    if name in ("snare", "ghost"):
        n = int(0.2 * SR)
        x = S.bandpass(S.noise(n, 71), 900, 7000) * S.exp_decay(n, 0.05, 0.001)
        x = 0.6 * x / np.max(np.abs(x)) + 0.3 * np.sin(2 * np.pi * 190 * S.seconds(n)) * S.exp_decay(n, 0.03)
        return x * (0.55 if name == "snare" else 0.2)
    if name == "cymbal":
        n = int(1.2 * SR)
        x = S.highpass(S.noise(n, 72), 5000, 2) * S.exp_decay(n, 0.35, 0.002)
        return 0.35 * x / np.max(np.abs(x))
    raise ValueError(name)


# Score ------------------------------------------------------------------------
class Score:
    """Events in seconds, rendered into a stereo buffer."""

    def __init__(self, bpm):
        self.spb = 60.0 / bpm
        self.events = []          # (start s, dur s, kind, freq or drum, gain, pan)

    def note(self, beat, beats, name, freq, gain=1.0, pan=0.0, legato=0.92):
        self.events.append((beat * self.spb, beats * self.spb * legato, name, freq, gain, pan))

    def hit(self, beat, name, gain=1.0, pan=0.0):
        self.events.append((beat * self.spb, None, "drum", name, gain, pan))

    def render(self, total_beats, tail=2.0, loop=False):
        length = int(total_beats * self.spb * SR)
        buf = np.zeros((length + int(tail * SR), 2))
        for start, dur, kind, what, gain, pan in self.events:
            if kind == "drum":
                x = drum(what)
            else:
                x = voice(kind, what, int(dur * SR))
            p = int(start * SR)
            left, right = np.cos((pan + 1) * np.pi / 4), np.sin((pan + 1) * np.pi / 4)
            end = min(len(buf), p + len(x))
            buf[p:end, 0] += x[:end - p] * gain * left
            buf[p:end, 1] += x[:end - p] * gain * right
        if loop:
            # what rings past the end comes back at the start, so the piece loops
            out = buf[:length].copy()
            rest = buf[length:]
            out[:len(rest)] += rest[:length]
            return out
        return buf


def add_reverb(x, wet=0.2, seconds=1.3, circular=False):
    out = np.empty_like(x)
    for ch in range(2):
        ir = S.reverb_ir(seconds, 80 + ch, 3000.0)
        out[:, ch] = x[:, ch] + wet * S.convolve(x[:, ch], ir, circular=circular)
    return out


def finish(x, rms_db=-18.0):
    """Level a stereo mix and round off its rare peaks."""
    mono = x.mean(axis=1)
    rms = np.sqrt(np.mean(mono ** 2))
    x = x * (10 ** (rms_db / 20.0) / rms)
    return S.soft_limit(x, -1.5)
