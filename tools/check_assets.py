#!/usr/bin/python3
"""Check the game's shipped pictures, sounds and book.

Usage: /usr/bin/python3 tools/check_assets.py <repo-root>
Prints one line per failure and a summary "N passed, M failed"; exits 1 on
any failure.
"""

import os
import struct
import sys
import wave

try:
    import numpy as np
    from PIL import Image
except ImportError:  # pragma: no cover
    sys.exit("check_assets needs python3-pil and python3-numpy")

LIMIT_BYTES = 30 * 1024 * 1024


def sprite_pairs():
    """(image, mask, width, height) for every sprite picture."""
    pairs = [("ImgKernelPic", "ImgKernelMask", 25, 25),
             ("ImgMobPic1", "ImgMobMask1", 141, 50),
             ("ImgMobPic2", "ImgMobMask2", 100, 52),
             ("ImgMobPic3", "ImgMobMask3", 140, 95),
             ("ImgMobPic6_0", "ImgMobMask6_0", 100, 47)]
    pairs += [("ImgGunPic_%d" % k, "ImgGunMask_%d" % k, 99, 108) for k in range(7)]
    pairs += [("ImgMobPic4_%d" % k, "ImgMobMask4_%d" % k, 48, 29) for k in range(3)]
    pairs += [("ImgMobPic5_%d" % k, "ImgMobMask5_%d" % k, 144, 62) for k in range(2)]
    pairs += [("ImgListBumPic_%d" % k, "ImgListBumMask_%d" % k, 135, 100) for k in range(1, 12)]
    pairs += [("ImgListShotPic_%d" % k, "ImgListShotMask_%d" % k, 60, 50) for k in range(1, 11)]
    pairs += [("ImgZifra_%d" % k, "ImgZifraM_%d" % k, 18 if k == 11 else 12, 18) for k in range(12)]
    # red digits: item 1..9 the digits, item 10 the zero; they share the ordinary masks
    pairs += [("ImgZifraRed_%d" % k, "ImgZifraM_%d" % (k % 10), 12, 18) for k in range(1, 11)]
    pairs += [("ImgZA", "ImgZMask", 84, 80), ("ImgZNA", "ImgZMask", 84, 80)]
    return pairs


WINDOWS = [("frm_menu", 659, 398), ("frm_credits", 659, 398), ("FrmRecords", 656, 396),
           ("FrmRules", 769, 418), ("FrmLost", 767, 564), ("FrmWin", 590, 418)]

# file, shortest and longest duration in seconds
MP3S = [("gamedata/sounds/bum%d.mp3" % k, 0.3, 2.0) for k in range(1, 8)]
MP3S += [("gamedata/sounds/Sound%d.mp3" % k, 2.0, 8.0) for k in (1, 2, 3, 6)]
MP3S += [("gamedata/music/%d.mp3" % k, 45.0, 120.0) for k in range(1, 6)]
WAVS = [("gamedata/sounds/shot.wav", 0.2, 1.0), ("gamedata/sounds/victory.wav", 1.0, 4.0)]

_BITRATES = [0, 32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320]
_RATES = {0: 44100, 1: 48000, 2: 32000}


def mp3_frames(data):
    """Walk the MPEG-1 Layer III frames; returns (frames, sample rate) or raises."""
    pos = 0
    if data[:3] == b"ID3":
        raise ValueError("carries an ID3 tag")
    frames, rate = 0, None
    while pos + 4 <= len(data):
        h = struct.unpack(">I", data[pos:pos + 4])[0]
        if (h >> 21) != 0x7FF:
            raise ValueError("lost frame sync at byte %d" % pos)
        version, layer = (h >> 19) & 3, (h >> 17) & 3
        br_idx, sr_idx, pad = (h >> 12) & 15, (h >> 10) & 3, (h >> 9) & 1
        if version != 3 or layer != 1 or br_idx in (0, 15) or sr_idx == 3:
            raise ValueError("not an MPEG-1 Layer III frame at byte %d" % pos)
        sr = _RATES[sr_idx]
        if rate is None:
            rate = sr
        elif sr != rate:
            raise ValueError("sample rate changes at byte %d" % pos)
        pos += 144000 * _BITRATES[br_idx] // sr + pad
        frames += 1
    if pos != len(data):
        raise ValueError("truncated last frame")
    return frames, rate


class Checker:
    def __init__(self, root):
        self.root = root
        self.passed = 0
        self.failed = []

    def check(self, name, ok, why=""):
        if ok:
            self.passed += 1
        else:
            self.failed.append("%s: %s" % (name, why))

    def path(self, rel):
        return os.path.join(self.root, rel)

    def exists(self, rel):
        ok = os.path.isfile(self.path(rel))
        self.check(rel, ok, "missing")
        return ok

    def load(self, rel, size, mode):
        if not self.exists(rel):
            return None
        try:
            im = Image.open(self.path(rel))
            im.load()
        except Exception as e:  # noqa: BLE001 - any decoding error is a failure
            self.check(rel, False, "does not decode (%s)" % e)
            return None
        self.check(rel, im.size == size, "size %s, expected %s" % (im.size, size))
        self.check(rel, im.mode == mode, "mode %s, expected %s" % (im.mode, mode))
        return np.asarray(im)

    def sprites(self):
        for pic, mask, w, h in sprite_pairs():
            prel, mrel = "resources/%s.png" % pic, "resources/%s.png" % mask
            p = self.load(prel, (w, h), "RGB")
            m = self.load(mrel, (w, h), "RGB")
            if p is None or m is None or p.shape != m.shape:
                continue
            black = (m == 0).all(axis=2)
            white = (m == 255).all(axis=2)
            self.check(mrel, bool((black | white).all()), "mask is not pure black and white")
            self.check(mrel, bool(black.any()), "mask is empty")
            self.check(prel, not p[white].any(), "image is not black where its mask is white")
            # inside the sprite nothing may be so dark that the background shows through
            if black.any():
                darkest = p[black].max(axis=1).min()
                self.check(prel, darkest >= 0x10, "near-black pixel inside the sprite")

    def single_pictures(self):
        for name, w, h in WINDOWS:
            self.load("resources/%s.png" % name, (w, h), "RGB")
        for name, size in (("ImgHarrow", 32), ("icon", 48)):
            a = self.load("resources/%s.png" % name, (size, size), "RGBA")
            if a is not None:
                self.check(name, a[..., 3].min() == 0 and a[..., 3].max() == 255,
                           "needs both a transparent surround and an opaque body")
        self.check("ImgHarrow hot spot", self._harrow_tip(), "the top-left pixel should be the arrow tip")
        bg = self.load("gamedata/pics/map.jpg", (927, 640), "RGB")
        if bg is not None:
            self.check("map.jpg", Image.open(self.path("gamedata/pics/map.jpg")).format == "JPEG", "not a JPEG")

    def _harrow_tip(self):
        p = self.path("resources/ImgHarrow.png")
        if not os.path.isfile(p):
            return False
        a = np.asarray(Image.open(p).convert("RGBA"))
        return a[:3, :3, 3].max() > 0

    def sounds(self):
        for rel, lo, hi in MP3S:
            if not self.exists(rel):
                continue
            with open(self.path(rel), "rb") as f:
                data = f.read()
            try:
                frames, rate = mp3_frames(data)
            except ValueError as e:
                self.check(rel, False, str(e))
                continue
            self.check(rel, rate == 44100, "sample rate %s" % rate)
            secs = frames * 1152.0 / rate
            self.check(rel, lo <= secs <= hi, "lasts %.2f s, expected %.1f..%.1f" % (secs, lo, hi))
        for rel, lo, hi in WAVS:
            if not self.exists(rel):
                continue
            try:
                with wave.open(self.path(rel), "rb") as w:
                    params = w.getparams()
                    pcm = np.frombuffer(w.readframes(params.nframes), "<i2")
            except (wave.Error, EOFError) as e:
                self.check(rel, False, "bad WAV (%s)" % e)
                continue
            self.check(rel, (params.nchannels, params.sampwidth, params.framerate) == (1, 2, 44100),
                       "expected 16-bit mono 44.1 kHz, got %s" % (params[:3],))
            secs = params.nframes / float(params.framerate)
            self.check(rel, lo <= secs <= hi, "lasts %.2f s, expected %.1f..%.1f" % (secs, lo, hi))
            peak = int(np.abs(pcm.astype(np.int32)).max()) if pcm.size else 0
            self.check(rel, 0 < peak <= 29205, "peak %d is silent or above -1 dBFS" % peak)

    def book(self):
        rel = "gamedata/tables/table.dat"
        if not self.exists(rel):
            return
        with open(self.path(rel), "rb") as f:
            data = f.read()
        self.check(rel, len(data) == 130, "%d bytes, expected 130" % len(data))
        scores = []
        for r in range(len(data) // 26):
            rec = data[r * 26:(r + 1) * 26]
            try:
                name = rec[:20].decode("cp1251").strip(" ")
                field = rec[20:].decode("ascii")
            except UnicodeDecodeError:
                self.check(rel, False, "row %d does not decode" % (r + 1))
                continue
            well_formed = (field[0] in " -" and field[1:].rstrip(" ").isdigit()
                           and " " not in field[1:].rstrip(" "))
            self.check(rel, bool(name) and well_formed, "row %d malformed: %r" % (r + 1, rec))
            if well_formed:
                scores.append(int(field.strip()))
        self.check(rel, scores == sorted(scores, reverse=True) and len(scores) == 5,
                   "scores not five in descending order: %s" % scores)

    def icons(self):
        for size in (16, 22, 24, 32, 48, 64, 128, 256):
            rel = "packaging/icons/hicolor/%dx%d/apps/ru.krepogor.Krepogor.png" % (size, size)
            if not self.exists(rel):
                continue
            img = Image.open(self.path(rel))
            self.check(rel, img.size == (size, size) and img.mode == "RGBA",
                       "%s %s, expected %dx%d RGBA" % (img.mode, img.size, size, size))
            # a round badge: the corners show the desktop through
            self.check(rel, img.mode == "RGBA" and img.getpixel((0, 0))[3] == 0,
                       "the corners are not transparent")

    def total_size(self):
        total = 0
        for sub in ("gamedata", "resources"):
            for dirpath, _, files in os.walk(self.path(sub)):
                total += sum(os.path.getsize(os.path.join(dirpath, f)) for f in files)
        self.check("total size", total < LIMIT_BYTES, "%.1f MB, limit 30 MB" % (total / 1048576.0))


def main(argv):
    if len(argv) != 2:
        print(__doc__.strip())
        return 2
    c = Checker(argv[1])
    c.sprites()
    c.single_pictures()
    c.sounds()
    c.book()
    c.icons()
    c.total_size()
    for line in c.failed:
        print("FAIL", line)
    print("%d passed, %d failed" % (c.passed, len(c.failed)))
    return 1 if c.failed else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
