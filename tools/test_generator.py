#!/usr/bin/python3
"""Unit tests for the asset generator's building blocks.

Run: /usr/bin/python3 tools/test_generator.py
"""

import os
import sys
import unittest

import numpy as np
from PIL import Image

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from art import common, gun, screens  # noqa: E402
from check_assets import mp3_frames  # noqa: E402
from sound import book, synth  # noqa: E402


class BookRecords(unittest.TestCase):
    def test_field_layout(self):
        self.assertEqual(book.encode_row("Ёж", 950)[20:], b" 950  ")
        self.assertEqual(book.encode_row("Ёж", 12345)[20:], b" 12345")
        self.assertEqual(book.encode_row("Ёж", -40)[20:], b"-40   ")
        self.assertEqual(book.encode_row("Ёж", 0)[:3], "Ёж".encode("cp1251") + b" ")

    def test_long_name_is_cut_and_round_trips(self):
        rec = book.encode_row("Щ" * 25, 7)
        self.assertEqual(len(rec), 26)
        self.assertEqual(book.decode_row(rec), ("Щ" * 20, 7))

    def test_score_too_wide_is_refused(self):
        with self.assertRaises(ValueError):
            book.encode_row("A", 123456)

    def test_shipped_book(self):
        data = book.book_bytes()
        self.assertEqual(len(data), 130)
        rows = [book.decode_row(data[i:i + 26]) for i in range(0, 130, 26)]
        self.assertEqual([s for _, s in rows], sorted((s for _, s in rows), reverse=True))


class SpriteSplit(unittest.TestCase):
    def test_mask_and_image_agree_and_nothing_is_near_black(self):
        rng = np.random.default_rng(1)
        rgba = rng.integers(0, 256, (20, 30, 4), dtype=np.uint8)
        rgba[..., :3] //= 8                      # mostly very dark colours
        for dither in (False, True):
            pic, mask = common.split_sprite(Image.fromarray(rgba, "RGBA"), dither=dither)
            p, m = np.asarray(pic), np.asarray(mask)
            self.assertTrue(set(np.unique(m)) <= {0, 255})
            white = (m == 255).all(axis=2)
            self.assertFalse(p[white].any())
            self.assertTrue((p[~white] >= common.DARKEST).all())

    def test_half_alpha_is_dithered_not_dropped(self):
        rgba = np.zeros((16, 16, 4), np.uint8)
        rgba[..., :3] = 200
        rgba[..., 3] = 128
        _, mask = common.split_sprite(Image.fromarray(rgba, "RGBA"), dither=True)
        inside = (np.asarray(mask)[..., 0] == 0).mean()
        self.assertAlmostEqual(inside, 0.5, delta=0.07)


class GunGeometry(unittest.TestCase):
    def test_muzzle_inside_frame_and_short_of_the_ball(self):
        for k in range(7):
            mx, my = gun.muzzle_point(k)
            fx, fy = mx - gun.FRAME_POS[0], my - gun.FRAME_POS[1]
            self.assertTrue(0 <= fx < gun.FRAME_W and 0 <= fy < gun.FRAME_H, (k, fx, fy))
            lx, ly = gun.LAUNCH[15 * k]
            gap = np.hypot(lx + 12 - mx, ly + 12 - my)
            self.assertLess(gap, 20, k)

    def test_elevation_rises_frame_by_frame(self):
        angles = [gun.barrel_direction(k) for k in range(7)]
        self.assertEqual(angles, sorted(angles))
        self.assertAlmostEqual(angles[0], 0.0, places=6)
        self.assertAlmostEqual(angles[6], 90.0, places=6)


class ScreenWords(unittest.TestCase):
    def test_credits_name_the_licence(self):
        words = " ".join(text for _, text in screens.CREDITS)
        self.assertIn("распространяется по GNU GPL версии 3 или новее", words)
        self.assertNotIn("права защищены", words)

    def test_callouts_keep_off_the_legends_of_other_keys(self):
        # A legend stands in the middle third of its key; the space bar has none.
        for words, own, dot, end, _, _ in screens.callouts():
            line = [(dot[0] + (end[0] - dot[0]) * t, dot[1] + (end[1] - dot[1]) * t)
                    for t in np.linspace(0, 1, 400)]
            for label, x0, y0, x1, y1 in screens.keys():
                if label in (own, ""):
                    continue
                w, h = (x1 - x0) / 3, (y1 - y0) / 3
                crossed = any(x0 + w <= x <= x1 - w and y0 + h <= y <= y1 - h for x, y in line)
                self.assertFalse(crossed, "%s crosses the key %r" % (words, label))


class Mp3FrameWalk(unittest.TestCase):
    def test_encoded_file_parses_and_corruption_is_caught(self):
        import tempfile
        x = 0.3 * np.sin(2 * np.pi * 440 * synth.seconds(synth.SR))
        with tempfile.TemporaryDirectory() as tmp:
            path = os.path.join(tmp, "t.mp3")
            synth.write_mp3(path, x)
            data = open(path, "rb").read()
        frames, rate = mp3_frames(data)
        self.assertEqual(rate, 44100)
        self.assertAlmostEqual(frames * 1152 / rate, 1.0, delta=0.1)
        with self.assertRaises(ValueError):
            mp3_frames(data[:-100])
        with self.assertRaises(ValueError):
            mp3_frames(b"ID3" + data)

    def test_levels_respect_the_ceiling(self):
        x = synth.noise(10000, 3) * 5
        self.assertLessEqual(np.abs(synth.soft_limit(x, -1.5)).max(), 10 ** (-1.5 / 20))
        y = synth.level(x, -10.0, -1.0)
        self.assertLessEqual(np.abs(y).max(), 10 ** (-1.0 / 20) + 1e-9)


if __name__ == "__main__":
    unittest.main()
