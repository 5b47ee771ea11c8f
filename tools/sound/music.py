"""The game's five pieces: four marches for the menu and a calm interlude.

All melodies are the game's own.
"""

import numpy as np

from . import band as B
from . import synth as S


class Piece:
    def __init__(self, bpm, root, scale, bar_beats):
        self.score = B.Score(bpm)
        self.root, self.scale, self.bar = root, scale, bar_beats
        self.beat = 0.0

    def f(self, di, acc=0, octave=0):
        return B.freq_of(self.root, self.scale, di + 7 * octave, acc)

    def chord_tones(self, roman):
        return [B.parse_degree(str(d)) for d in B.CHORDS[roman]]

    def melody(self, text, start, voice="brass", gain=1.0, pan=0.0, octave=0, third_below=None, legato=0.92):
        b = start
        for di, acc, beats in B.parse(text):
            if di is not None:
                self.score.note(b, beats, voice, self.f(di, acc, octave), gain, pan, legato)
                if third_below:
                    hv, hg, hp = third_below
                    self.score.note(b, beats, hv, self.f(di - 2, 0, octave), gain * hg, hp, legato)
            b += beats
        return b - start

    def cadence(self, start, beats=2.0, gain=1.0):
        """A final tonic chord with a drum stroke and a cymbal."""
        for o, v, g in ((0, "brass", 1.0), (-1, "brass", 0.7), (1, "wood", 0.5)):
            for di, acc in self.chord_tones("I" if self.scale is B.MAJOR else "i"):
                self.score.note(start, beats, v, self.f(di, acc, o), g * gain * 0.55, 0.0, 1.0)
        self.score.note(start, beats, "bass", self.f(0, 0, -2), gain, 0.0, 1.0)
        self.score.hit(start, "kick", gain)
        self.score.hit(start, "cymbal", gain * 0.8)


def march_accomp(p, start, chords, style, gain=1.0, roll_last=True):
    """Bass, after-beat chords and drums under a section, bar by bar."""
    sc = p.score
    for i, roman in enumerate(chords):
        b0 = start + i * p.bar
        tones = p.chord_tones(roman)
        root = tones[0]
        fifth = tones[2] if len(tones) > 2 else tones[0]
        if style == "2/4":
            sc.note(b0, 0.5, "bass", p.f(root[0], root[1], -2), gain, 0.0, 0.8)
            sc.note(b0 + 1, 0.5, "bass", p.f(fifth[0], fifth[1], -2 if fifth[0] < root[0] + 3 else -3), gain,
                    0.0, 0.8)
            for off in (0.5, 1.5):
                for j, (di, acc) in enumerate(tones[:3]):
                    sc.note(b0 + off, 0.3, "horn", p.f(di, acc, -1), gain * 0.42, 0.35 - 0.2 * j, 0.9)
            sc.hit(b0, "kick", gain)
            sc.hit(b0 + 1, "kick", gain * 0.7)
            sc.hit(b0 + 0.5, "snare", gain * 0.8, 0.1)
            sc.hit(b0 + 1.5, "snare", gain * 0.8, 0.1)
            if roll_last and i == len(chords) - 1:
                for k in range(8):
                    sc.hit(b0 + k * 0.25, "snare", gain * (0.4 + k * 0.07), 0.1)
            elif i % 2 == 1:
                sc.hit(b0 + 1.75, "ghost", gain, 0.1)
        elif style == "6/8":
            sc.note(b0, 1.5, "bass", p.f(root[0], root[1], -2), gain, 0.0, 0.7)
            sc.note(b0 + 3, 1.5, "bass", p.f(fifth[0], fifth[1], -3 if fifth[0] >= 4 else -2), gain, 0.0, 0.7)
            for off in (1, 2, 4, 5):
                for j, (di, acc) in enumerate(tones[:3]):
                    sc.note(b0 + off, 0.6, "horn", p.f(di, acc, -1), gain * 0.36, 0.35 - 0.2 * j, 0.9)
            sc.hit(b0, "kick", gain)
            sc.hit(b0 + 3, "kick", gain * 0.8)
            sc.hit(b0 + 2, "snare", gain * 0.5, 0.1)
            sc.hit(b0 + 5, "snare", gain * 0.7, 0.1)
            if roll_last and i == len(chords) - 1:
                for k in range(6):
                    sc.hit(b0 + k, "snare", gain * (0.4 + k * 0.1), 0.1)
        elif style == "4/4":
            sc.note(b0, 2, "bass", p.f(root[0], root[1], -2), gain, 0.0, 0.95)
            sc.note(b0 + 2, 2, "bass", p.f(fifth[0], fifth[1], -3 if fifth[0] >= 4 else -2), gain, 0.0, 0.95)
            for j, (di, acc) in enumerate(tones[:3]):
                sc.note(b0, 4, "pad", p.f(di, acc, -1), gain * 0.55, 0.4 - 0.3 * j, 1.0)
            sc.hit(b0, "timp", gain * 0.8)
            if i % 2 == 1:
                sc.hit(b0 + 3.5, "ghost", gain * 2.0, 0.1)
            if roll_last and i == len(chords) - 1:
                for k in range(12):
                    sc.hit(b0 + 2 + k / 6.0, "timp", gain * (0.15 + k * 0.04))
        elif style == "3/4":
            sc.note(b0, 1, "pizz", p.f(root[0], root[1], -2), gain, 0.0, 1.0)
            for off in (1, 2):
                for j, (di, acc) in enumerate(tones[:3]):
                    sc.note(b0 + off, 0.8, "horn", p.f(di, acc, -1), gain * 0.22, 0.4 - 0.3 * j, 0.85)
            if i % 4 == 0:
                for j, (di, acc) in enumerate(tones[:3]):
                    sc.note(b0, 12, "pad", p.f(di, acc, -1), gain * 0.25, -0.3 + 0.3 * j, 1.0)


def section(p, start, text, chords, style, lead="brass", gain=1.0, harmony=True, octave=0, double=None):
    third = ("horn", 0.55, -0.35) if harmony else None
    p.melody(text, start, lead, gain, 0.05, octave, third)
    if double:
        p.melody(text, start, double, gain * 0.5, 0.3, octave + 1)
    march_accomp(p, start, chords, style, gain)
    return len(chords) * p.bar


def intro_drums(p, start, bars, style):
    for i in range(bars):
        b0 = start + i * p.bar
        if style == "2/4":
            for k in range(8):
                p.score.hit(b0 + k * 0.25, "snare" if k % 2 == 0 else "ghost", 0.7 if k % 4 == 0 else 0.5, 0.1)
            p.score.hit(b0, "kick", 1.0)
            p.score.hit(b0 + 1, "kick", 0.8)
        else:
            for k in range(6):
                p.score.hit(b0 + k, "snare" if k in (0, 3) else "ghost", 0.7, 0.1)
            p.score.hit(b0, "kick", 1.0)
            p.score.hit(b0 + 3, "kick", 0.8)
    return bars * p.bar


# 1: a brisk major march ------------------------------------------------------------
M1_A = "1:0.5 3:0.5 5:0.5 5:0.5 | 6:0.5 5:0.5 3:1 | 4:0.5 4:0.5 2:0.5 4:0.5 | 3:1 1:1 | " \
       "1:0.5 3:0.5 5:0.5 1^:0.5 | 7:0.5 6:0.5 5:1 | 4:0.5 6:0.5 5:0.5 2:0.5 | 1:1.5 r:0.5"
M1_A_CH = ["I", "I", "V7", "I", "I", "IV", "V7", "I"]
M1_B = "5:0.5 5:0.5 5:0.5 6:0.5 | 5:1 2:1 | 3:0.5 4:0.5 5:0.5 6:0.5 | 5:2 | " \
       "6:0.5 6:0.5 6:0.5 7:0.5 | 1^:1 5:1 | 4:0.5 3:0.5 2:0.5 7_:0.5 | 1:2"
M1_B_CH = ["V", "V", "I", "I", "IV", "I", "V7", "I"]
M1_T = "3:1 5:1 | 1^:1.5 7:0.5 | 6:1 4:1 | 5:2 | 3:1 5:1 | 1^:1 3^:1 | 2^:0.5 1^:0.5 7:0.5 2^:0.5 | 1^:2"
M1_T_CH = ["I", "I", "IV", "I", "I", "I", "V7", "I"]


def piece1():
    p = Piece(112, 233.08, B.MAJOR, 2)
    b = intro_drums(p, 0, 2, "2/4")
    b += section(p, b, M1_A, M1_A_CH, "2/4")
    b += section(p, b, M1_A, M1_A_CH, "2/4", double="wood")
    b += section(p, b, M1_B, M1_B_CH, "2/4")
    b += section(p, b, M1_A, M1_A_CH, "2/4", double="wood")
    # trio a fourth higher, woodwinds first, then the full band
    trio = Piece(112, 233.08 * 2 ** (5 / 12.0), B.MAJOR, 2)
    trio.score = p.score
    b += section(trio, b, M1_T, M1_T_CH, "2/4", lead="wood", gain=0.8, harmony=False)
    b += section(trio, b, M1_T, M1_T_CH, "2/4", gain=1.0, double="wood")
    b += section(p, b, M1_A, M1_A_CH, "2/4", double="wood")
    p.cadence(b, 2.0)
    return p, b + 2.0


# 2: a march in a minor key ---------------------------------------------------------
M2_A = "1:0.5 1:0.25 1:0.25 5:1 | 4:0.5 3:0.5 2:0.5 1:0.5 | 7_#:0.5 2:0.5 5_:1 | 1:1.5 r:0.5 | " \
       "3:0.5 3:0.25 3:0.25 5:0.5 1^:0.5 | 6:0.5 5:0.5 4:1 | 6:0.5 4:0.5 2:0.5 7_#:0.5 | 1:1.5 r:0.5"
M2_A_CH = ["i", "i", "Vm", "i", "i", "iv", "Vm", "i"]
M2_B = "3:0.5 5:0.5 1^:1 | 7:0.5 6:0.5 5:1 | 6:0.5 5:0.5 4:0.5 3:0.5 | 2:2 | " \
       "3:0.5 5:0.5 1^:1 | 7:0.5 1^:0.5 2^:1 | 6:0.5 4:0.5 2:0.5 7_#:0.5 | 1:2"
M2_B_CH = ["VI", "III", "iv", "Vm", "VI", "VII", "Vm", "i"]


def piece2():
    p = Piece(100, 293.66, B.MINOR, 2)
    b = intro_drums(p, 0, 2, "2/4")
    b += section(p, b, M2_A, M2_A_CH, "2/4")
    b += section(p, b, M2_A, M2_A_CH, "2/4", double="wood")
    b += section(p, b, M2_B, M2_B_CH, "2/4", lead="wood", gain=0.85)
    b += section(p, b, M2_A, M2_A_CH, "2/4")
    b += section(p, b, M2_B, M2_B_CH, "2/4", double="wood")
    b += section(p, b, M2_A, M2_A_CH, "2/4", double="wood")
    p.cadence(b, 2.0)
    return p, b + 2.0


# 3: a 6/8 gallop (the beat here is an eighth note) ---------------------------------
M3_A = "1:2 1:1 3:2 1:1 | 5:3 5:2 r:1 | 6:2 5:1 4:2 3:1 | 2:3 5_:3 | " \
       "1:2 1:1 3:2 5:1 | 1^:3 6:2 5:1 | 4:2 6:1 5:2 2:1 | 1:3 r:3"
M3_A_CH = ["I", "I", "IV", "V", "I", "IV", "V7", "I"]
M3_B = "3:2 4:1 5:2 3:1 | 4:2 5:1 6:3 | 5:2 4:1 3:2 2:1 | 3:3 2:3 | " \
       "3:2 4:1 5:2 3:1 | 4:2 6:1 1^:3 | 7:2 6:1 5:2 2^:1 | 1^:6"
M3_B_CH = ["I", "IV", "I", "V", "I", "IV", "V7", "I"]


def piece3():
    p = Piece(360, 196.0, B.MAJOR, 6)
    b = intro_drums(p, 0, 2, "6/8")
    b += section(p, b, M3_A, M3_A_CH, "6/8")
    b += section(p, b, M3_A, M3_A_CH, "6/8", double="wood")
    b += section(p, b, M3_B, M3_B_CH, "6/8", lead="wood", gain=0.85)
    b += section(p, b, M3_A, M3_A_CH, "6/8", double="wood")
    b += section(p, b, M3_B, M3_B_CH, "6/8", double="wood")
    b += section(p, b, M3_A, M3_A_CH, "6/8", double="wood")
    p.cadence(b, 6.0)
    return p, b + 6.0


# 4: a slow heroic piece -------------------------------------------------------------
M4_A = "1:1.5 2:0.5 3:1 5:1 | 4:2 3:2 | 2:1.5 3:0.5 4:1 6:1 | 5:4 | " \
       "6:1.5 5:0.5 4:1 3:1 | 2:1 5:1 1^:2 | 7:1 6:1 5:1 2:1 | 1:4"
M4_A_CH = ["I", "I", "ii", "V", "IV", "I", "V7", "I"]
M4_B = "3:2 5:2 | 6:1 5:1 3:2 | 4:2 6:2 | 5:3 r:1 | 1^:2 7:1 6:1 | 5:1 4:1 3:2 | 2:1.5 3:0.5 4:1 7_:1 | 1:4"
M4_B_CH = ["I", "vi", "IV", "V", "IV", "I", "V7", "I"]


def piece4():
    p = Piece(88, 311.13, B.MAJOR, 4)
    b = 0.0
    for i, roman in enumerate(["I", "V"]):
        march_accomp(p, b + i * 4, [roman], "4/4", 0.8, roll_last=(i == 1))
    b += 8
    b += section(p, b, M4_A, M4_A_CH, "4/4", lead="wood", gain=0.8, harmony=False)
    b += section(p, b, M4_B, M4_B_CH, "4/4")
    b += section(p, b, M4_A, M4_A_CH, "4/4", double="wood", gain=1.1)
    p.cadence(b, 4.0)
    return p, b + 4.0


# 5: a calm interlude in 3/4 that loops -----------------------------------------------
M5_A = "5:2 3:1 | 4:2 2:1 | 3:1 4:1 5:1 | 1^:3 | 6:2 4:1 | 5:2 3:1 | 2:1 3:1 4:1 | 3:3"
M5_A_CH = ["I", "V7", "I", "I", "IV", "I", "V7", "I"]
M5_B = "3:2 5:1 | 1^:2 6:1 | 5:1 4:1 3:1 | 2:3 | 4:2 6:1 | 5:2 3:1 | 2:1 7_:1 2:1 | 1:3"
M5_B_CH = ["I", "IV", "I", "V", "IV", "I", "V7", "I"]


def piece5():
    p = Piece(84, 349.23, B.MAJOR, 3)
    b = 0.0
    for k, (mel, ch) in enumerate(((M5_A, M5_A_CH), (M5_B, M5_B_CH), (M5_A, M5_A_CH), (M5_B, M5_B_CH))):
        p.melody(mel, b, "wood", 0.9 if k % 2 == 0 else 0.8, 0.0, 0, ("pad", 0.35, -0.3) if k >= 2 else None)
        march_accomp(p, b, ch, "3/4", 0.9)
        b += len(ch) * 3
    return p, b


PIECES = [piece1, piece2, piece3, piece4, piece5]


def render(k):
    p, beats = PIECES[k - 1]()
    loop = k == 5
    x = p.score.render(beats, tail=0.0 if loop else 2.5, loop=loop)
    x = B.add_reverb(x, 0.22 if loop else 0.16, 1.6 if loop else 1.2, circular=loop)
    if not loop:
        x = x * np.clip((len(x) - np.arange(len(x))) / (1.0 * S.SR), 0, 1)[:, None]
    return B.finish(x, -18.0)


def build(out):
    for k in range(1, 6):
        x = render(k)
        secs = len(x) / float(S.SR)
        assert 45.0 <= secs <= 118.0, (k, secs)
        S.write_mp3(out.path("gamedata/music/%d.mp3" % k), x, 128)
