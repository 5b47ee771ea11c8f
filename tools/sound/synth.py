"""Small numpy synthesiser: voices, envelopes, filters, level and file output."""

import os
import subprocess
import tempfile
import wave

import numpy as np

SR = 44100


def seconds(n):
    return np.arange(int(n), dtype=np.float64) / SR


def noise(n, seed):
    return np.random.default_rng(seed).standard_normal(int(n))


def exp_decay(n, tau, attack=0.002):
    t = seconds(n)
    env = np.exp(-t / tau)
    a = max(1, int(attack * SR))
    env[:a] *= np.linspace(0, 1, a)
    return env


def spectral(x, gain_fn):
    """Filter by shaping the spectrum (circular: a looped signal stays seamless)."""
    spec = np.fft.rfft(x)
    f = np.fft.rfftfreq(len(x), 1.0 / SR)
    return np.fft.irfft(spec * gain_fn(f), len(x))


def lowpass(x, fc, order=2):
    return spectral(x, lambda f: 1.0 / np.sqrt(1.0 + (f / fc) ** (2 * order)))


def highpass(x, fc, order=2):
    return spectral(x, lambda f: 1.0 / np.sqrt(1.0 + (fc / np.maximum(f, 1e-3)) ** (2 * order)))


def bandpass(x, lo, hi, order=2):
    return highpass(lowpass(x, hi, order), lo, order)


def sweep_sine(f0, f1, n, tau):
    """Sine whose pitch glides exponentially from f0 towards f1."""
    t = seconds(n)
    freq = f1 + (f0 - f1) * np.exp(-t / tau)
    return np.sin(2 * np.pi * np.cumsum(freq) / SR)


def harmonic_tone(freq, n, weights, vibrato=0.0, vib_rate=5.0, phase_seed=0, bright=None):
    """Sum of harmonics; `weights(k)` gives the level of harmonic k.

    `bright`, if given, is an envelope in [0, 1] that closes the upper
    harmonics (a brass player blowing softer)."""
    t = seconds(n)
    vib = 1.0 + vibrato * np.sin(2 * np.pi * vib_rate * t) * np.clip(t / 0.25, 0, 1)
    phase = 2 * np.pi * freq * np.cumsum(vib) / SR
    out = np.zeros(len(t))
    k = 1
    rng = np.random.default_rng(phase_seed)
    while k * freq < 7000 and k <= 24:
        w = weights(k)
        if w:
            part = w * np.sin(k * phase + rng.uniform(0, 2 * np.pi))
            if bright is not None and k > 1:
                part *= np.clip(bright * 8.0 / k, 0, 1) ** 0.7
            out += part
        k += 1
    return out


def adsr(n, a=0.01, d=0.08, s=0.7, r=0.08):
    n = int(n)
    env = np.full(n, s, dtype=np.float64)
    na, nd, nr = int(a * SR), int(d * SR), int(r * SR)
    na = min(na, n)
    env[:na] = np.linspace(0, 1, na, endpoint=False)
    nd = min(nd, n - na)
    env[na:na + nd] = np.linspace(1, s, nd, endpoint=False)
    nr = min(nr, n)
    env[n - nr:] *= np.linspace(1, 0, nr)
    return env


def fade(x, fin=0.005, fout=0.005):
    x = x.copy()
    a, b = int(fin * SR), int(fout * SR)
    if a:
        x[:a] *= np.linspace(0, 1, a)
    if b:
        x[-b:] *= np.linspace(1, 0, b)
    return x


def reverb_ir(seconds_len, seed, damp=3500.0):
    n = int(seconds_len * SR)
    ir = noise(n, seed) * np.exp(-seconds(n) / (seconds_len / 5.0))
    ir = lowpass(ir, damp, 1)
    ir[0] = 0.0
    return ir / np.sqrt(np.sum(ir ** 2))


def convolve(x, ir, circular=False):
    n = len(x) if circular else len(x) + len(ir) - 1
    size = 1 << int(np.ceil(np.log2(max(n, len(ir)))))
    if circular:
        # wrap the impulse response around the signal's own length
        h = np.zeros(len(x))
        for start in range(0, len(ir), len(x)):
            seg = ir[start:start + len(x)]
            h[:len(seg)] += seg
        return np.fft.irfft(np.fft.rfft(x) * np.fft.rfft(h), len(x))
    y = np.fft.irfft(np.fft.rfft(x, size) * np.fft.rfft(ir, size), size)
    return y[:len(x)]


def level(x, rms_db, peak_db=-1.0):
    """Scale towards an RMS level without letting the peak pass peak_db."""
    rms = np.sqrt(np.mean(x ** 2))
    peak = np.max(np.abs(x))
    g = min(10 ** (rms_db / 20.0) / max(rms, 1e-9), 10 ** (peak_db / 20.0) / max(peak, 1e-9))
    return x * g


def soft_limit(x, ceiling_db=-1.5):
    """Round off rare peaks above the ceiling instead of turning everything down."""
    c = 10 ** (ceiling_db / 20.0)
    knee = 0.7 * c
    y = x.copy()
    over = np.abs(y) > knee
    y[over] = np.sign(y[over]) * (knee + (c - knee) * np.tanh((np.abs(y[over]) - knee) / (c - knee)))
    return y


def to_pcm16(x):
    return (np.clip(x, -1.0, 1.0) * 32767.0).round().astype("<i2")


def write_wav(path, x):
    """16-bit PCM; x is mono (n,) or stereo (n, 2)."""
    channels = 1 if x.ndim == 1 else x.shape[1]
    with wave.open(path, "wb") as w:
        w.setnchannels(channels)
        w.setsampwidth(2)
        w.setframerate(SR)
        w.writeframes(to_pcm16(x).tobytes())


def write_mp3(path, x, kbps=128):
    """Encode with lame at a constant bit rate, without ID3 tags or replay gain."""
    channels = 1 if x.ndim == 1 else x.shape[1]
    with tempfile.TemporaryDirectory() as tmp:
        src = os.path.join(tmp, "in.wav")
        write_wav(src, x)
        cmd = ["lame", "--quiet", "-m", "m" if channels == 1 else "j", "-b", str(kbps), "--cbr",
               "--noreplaygain", "-q", "2", src, path]
        subprocess.run(cmd, check=True)


def decode_mp3(path, channels):
    """Decode with lame back to float samples (for level checks)."""
    res = subprocess.run(["lame", "--quiet", "--decode", "-t", path, "-"], stdout=subprocess.PIPE, check=True)
    data = np.frombuffer(res.stdout, "<i2").astype(np.float64) / 32768.0
    return data.reshape(-1, channels) if channels > 1 else data


def ensure_dir(path):
    os.makedirs(os.path.dirname(path), exist_ok=True)
