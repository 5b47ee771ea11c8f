"""Sound effects: seven explosions, four engines, the shot and the fanfare."""

import numpy as np

from . import synth as S

SR = S.SR

# length (s), thump start/end Hz, noise cutoff Hz, tail tau (s), crackle, seed
EXPLOSIONS = [
    (1.10, 70, 42, 1400, 0.22, 0.5, 1),
    (0.95, 85, 50, 2200, 0.17, 0.8, 2),
    (1.30, 62, 40, 1000, 0.30, 0.3, 3),
    (1.05, 90, 55, 2800, 0.20, 1.0, 4),
    (1.40, 58, 38, 800, 0.34, 0.4, 5),
    (1.20, 75, 45, 1700, 0.26, 0.7, 6),
    (1.75, 55, 32, 1200, 0.45, 0.9, 7),   # the big one: an armoured enemy destroyed
]


def explosion(length, f0, f1, cutoff, tau, crackle, seed):
    n = int(length * SR)
    t = S.seconds(n)
    thump = S.sweep_sine(f0 * 2.2, f1, n, 0.05) * S.exp_decay(n, tau * 0.9, 0.003)
    body = S.lowpass(S.noise(n, seed), cutoff, 2) * S.exp_decay(n, tau, 0.002)
    # the cutoff falls as the blast rolls away
    rumble = S.lowpass(S.noise(n, seed + 100), cutoff * 0.25, 2) * S.exp_decay(n, tau * 2.2, 0.03)
    crack = S.highpass(S.noise(n, seed + 200), 2500, 2) * S.exp_decay(n, 0.012, 0.0005)
    bits = np.zeros(n)
    rng = np.random.default_rng(seed + 300)
    for _ in range(int(25 * crackle)):
        p = int(rng.uniform(0.02, 0.6) * n)
        ln = int(0.004 * SR)
        if p + ln < n:
            bits[p:p + ln] += rng.uniform(-1, 1) * np.exp(-np.arange(ln) / (0.0008 * SR))
    bits = S.bandpass(bits, 800, 5000) * np.exp(-t / (tau * 1.5))
    x = 0.9 * thump + 1.0 * body / np.std(body[: n // 4]) * 0.3 + 0.5 * rumble / np.std(rumble) * 0.3
    x += 0.35 * crack / np.std(crack[: int(0.02 * SR)]) * 0.3 + 0.6 * bits
    x *= np.clip((length - t) / 0.15, 0, 1)                 # land softly at the end
    return S.soft_limit(S.level(x, -15.0, 1.5), -1.5)


def engine(kind):
    """Loopable engine sounds; every periodic part repeats a whole number of
    times in the sound's length and the noise is filtered circularly."""
    n = int(5.0 * SR)
    t = S.seconds(n)
    T = n / SR

    def cyc(f):                        # nearest frequency that loops exactly
        return round(f * T) / T

    if kind == 1:       # rhomboid tank: slow heavy pulses and track rattle
        f = cyc(34.0)
        pulse = np.sin(2 * np.pi * f * t) + 0.5 * np.sin(2 * np.pi * 2 * f * t + 0.4) \
            + 0.25 * np.sign(np.sin(2 * np.pi * f * t)) * 0.5
        wob = 1 + 0.15 * np.sin(2 * np.pi * cyc(0.8) * t)
        rattle = _clicks(n, cyc(9.0), 0.006, 11) * 0.5
        growl = S.lowpass(S.noise(n, 12), 160, 2)
        x = 0.8 * pulse * wob + rattle + 0.6 * growl / np.std(growl) * 0.3
    elif kind == 2:     # armoured car: buzzing saw with a slow wobble
        f = cyc(104.0)
        wob = 0.04 * np.sin(2 * np.pi * cyc(0.6) * t)
        phase = 2 * np.pi * np.cumsum(f * (1 + wob)) / S.SR
        saw = sum(np.sin(k * phase) / k for k in range(1, 30))
        saw = S.lowpass(saw, 900, 2)
        hiss = S.bandpass(S.noise(n, 21), 200, 1200) * 0.15
        x = saw * (0.85 + 0.15 * np.sin(2 * np.pi * cyc(13.0) * t)) + hiss
    elif kind == 3:     # tracked carrier: deeper engine and a heavier clank
        f = cyc(27.0)
        pulse = np.sin(2 * np.pi * f * t) + 0.6 * np.sin(2 * np.pi * 3 * f * t)
        clank = _clicks(n, cyc(6.0), 0.014, 31) * 0.9 + _clicks(n, cyc(6.0), 0.01, 32, offset=0.5) * 0.5
        growl = S.lowpass(S.noise(n, 33), 120, 2)
        x = pulse * 0.8 + S.lowpass(clank, 2500, 1) + 0.4 * growl / np.std(growl) * 0.3
    else:               # biplane: buzzing engine chopped by the blades
        f = cyc(82.0)
        phase = 2 * np.pi * f * t
        buzz = sum(np.sin(k * phase) / k ** 0.8 for k in range(1, 20))
        blade = 0.6 + 0.4 * np.sin(2 * np.pi * cyc(41.0) * t) ** 2
        air = S.bandpass(S.noise(n, 41), 300, 3000) * 0.3
        x = S.lowpass(buzz, 1800, 2) * blade + air * blade
    x = S.fade(x, 0.01, 0.01)
    return S.level(x, -16.0, -1.5)


def _clicks(n, rate, decay, seed, offset=0.0):
    out = np.zeros(n)
    period = SR / rate
    rng = np.random.default_rng(seed)
    ln = int(decay * 8 * SR)
    shape = np.exp(-np.arange(ln) / (decay * SR))
    k = 0
    while True:
        p = int((k + offset) * period)
        if p >= n:
            break
        burst = rng.standard_normal(ln) * shape * rng.uniform(0.7, 1.0)
        end = min(n, p + ln)
        out[p:end] += burst[:end - p]
        if p + ln > n:                 # wrap so the loop stays seamless
            out[:p + ln - n] += burst[end - p:]
        k += 1
    return S.bandpass(out, 300, 4000)


def shot():
    """A cannon shot: a sharp crack, a low boom and a short echo."""
    n = int(0.85 * SR)
    t = S.seconds(n)
    crack = S.highpass(S.noise(n, 51), 1500, 2) * S.exp_decay(n, 0.005, 0.0003)
    boom = S.sweep_sine(160, 48, n, 0.04) * S.exp_decay(n, 0.16, 0.002)
    body = S.lowpass(S.noise(n, 52), 900, 2) * S.exp_decay(n, 0.09, 0.001)
    x = 0.8 * crack / np.max(np.abs(crack)) + boom + 0.9 * body / np.max(np.abs(body))
    echo = np.zeros(n)
    d = int(0.17 * SR)
    echo[d:] = S.lowpass(x, 1200, 1)[:n - d] * 0.28
    x = x + echo
    x *= np.clip((0.85 - t) / 0.1, 0, 1)
    return S.level(x, -12.0, -1.0)


def brass(freq, n, seed=0):
    env = S.adsr(n, 0.03, 0.1, 0.8, 0.12)
    bright = np.clip(env * 1.1, 0, 1)
    return S.harmonic_tone(freq, n, lambda k: 1.0 / k, vibrato=0.004, phase_seed=seed, bright=bright) * env


def victory():
    """A short brass fanfare on the major triad."""
    bpm = 132
    beat = 60.0 / bpm
    c4 = 261.63
    ratios = {1: 1.0, 3: 5 / 4.0, 5: 3 / 2.0, 8: 2.0}
    notes = [(0, 5, 1 / 3.0), (1 / 3.0, 5, 1 / 3.0), (2 / 3.0, 5, 1 / 3.0), (1, 8, 1.0), (2, 5, 0.5),
             (2.5, 8, 2.2)]
    total = int((4.9 * beat + 0.5) * SR)
    x = np.zeros(total)
    for i, (start, deg, dur) in enumerate(notes):
        n = int(dur * beat * SR)
        p = int(start * beat * SR)
        x[p:p + n] += brass(c4 * ratios[deg], n, i)
    # the chord underneath the last note
    p = int(2.5 * beat * SR)
    n = int(2.2 * beat * SR)
    for j, deg in enumerate((1, 3, 5)):
        x[p:p + n] += 0.5 * brass(c4 * ratios[deg] / 2, n, 10 + j)
    drum = S.sweep_sine(90, 50, int(0.4 * SR), 0.05) * S.exp_decay(int(0.4 * SR), 0.12)
    x[p:p + len(drum)] += 0.8 * drum
    x = S.convolve(x, S.reverb_ir(1.0, 61) * 0.25) + x
    x = S.fade(x, 0.002, 0.2)
    return S.level(x, -14.0, -1.0)


def build(out):
    for k, params in enumerate(EXPLOSIONS, start=1):
        S.write_mp3(out.path("gamedata/sounds/bum%d.mp3" % k), explosion(*params))
    for k in (1, 2, 3, 6):
        S.write_mp3(out.path("gamedata/sounds/Sound%d.mp3" % k), engine(k))
    S.write_wav(out.path("gamedata/sounds/shot.wav"), shot())
    S.write_wav(out.path("gamedata/sounds/victory.wav"), victory())
