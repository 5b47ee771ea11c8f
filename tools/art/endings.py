"""The two end-of-battle pictures: the memorial at dusk and the dawn after."""

import numpy as np
from PIL import Image

from . import common as C
from . import gun
from . import surfaces as S

SS = 2


def _paste_gun(c, angle, scale, x, y, tint=None):
    g = gun.gun_picture(angle, scale * SS)
    if tint is not None:
        a = np.asarray(g).copy()
        a[..., :3] = (a[..., :3] * 0.25 + np.array(tint) * 0.75).astype(np.uint8)
        g = Image.fromarray(a, "RGBA")
    c.img.alpha_composite(g, (int(x * SS), int(y * SS)))


def _ground(c, top_fn, col_a, col_b, seed):
    h, w = c.h * c.ss, c.w * c.ss
    x, y = S.grid(c)
    top = top_fn(x)
    n = C.value_noise(w, h, 20 * c.ss, seed=seed, octaves=4)
    t = np.clip((y - top) / 120.0, 0, 1)[..., None]
    col = (np.array(col_a, np.float32) * (1 - t) + np.array(col_b, np.float32) * t) * (0.85 + 0.3 * n[..., None])
    base = np.asarray(c.img, np.float32)[..., :3]
    cover = np.clip((y - top) * c.ss / 1.5, 0, 1)[..., None]
    S.from_array(c, base * (1 - cover) + col * cover)


def _lines(c, lines, x, y, fnt, fill, stroke, stroke_fill, step, anchor="la"):
    for line in lines:
        c.text((x, y), line, fnt, fill, anchor=anchor, stroke=stroke, stroke_fill=stroke_fill)
        y += step


def defeat():
    c = C.Canvas(767, 564, SS)
    S.sky(c, [(0, (44, 40, 70)), (200, (92, 70, 96)), (330, (186, 104, 76)), (390, (232, 150, 84)),
              (564, (232, 150, 84))], noise_amp=0.12, seed=41)
    # sun going down behind the hills
    c.shade("ellipse", (130, 330, 230, 430), (255, 210, 130), (240, 140, 80), radial=True, outline=None)
    _ground(c, lambda x: 392 + 12 * np.sin(x / 110.0) + 6 * np.sin(x / 37.0), (62, 52, 56), (30, 28, 34), 43)
    # memorial: steps, plinth, plaque, the gun on top, a wreath
    stone, stone_d = (150, 138, 140), (70, 62, 70)
    c.shade("rect", (380, 482, 700, 512), stone, stone_d, width=1.3)
    c.shade("rect", (400, 456, 680, 484), stone, stone_d, width=1.3)
    c.shade("poly", [(430, 300), (650, 300), (660, 458), (420, 458)], C.lighter(stone, 0.05), stone_d, width=1.4)
    c.shade("rect", (418, 288, 662, 304, 2), C.lighter(stone, 0.1), stone_d, width=1.2)
    c.shade("rect", (470, 340, 610, 420, 3), (150, 112, 60), (84, 58, 30), width=1.2)
    c.rect((478, 348, 602, 412), None, (200, 160, 96), 0.8, radius=2)
    c.text((540, 366), "ГЕРОЯМ", ("serif_bold", 19), (232, 200, 130), anchor="mm")
    c.text((540, 392), "КРЕПОГОРА", ("serif_bold", 15), (232, 200, 130), anchor="mm")
    _paste_gun(c, gun.barrel_direction(1), 2.2, 430, 62)
    # wreath at the foot of the plinth
    for i in range(26):
        a = i / 26 * 2 * np.pi
        cx, cy = 540 + 34 * np.cos(a), 470 + 14 * np.sin(a)
        c.shade("ellipse", (cx - 6, cy - 4, cx + 6, cy + 4), (84, 120, 60), (36, 60, 30), width=0.6)
    for dx in (-10, 10):
        c.shade("ellipse", (540 + dx - 5, 480, 540 + dx + 5, 490), (200, 50, 40), (120, 20, 16), radial=True,
                width=0.6)
    c.text((384, 60), "ПОРАЖЕНИЕ", ("serif_bold", 64), (214, 40, 30), anchor="mm", stroke=2.0,
           stroke_fill=(40, 10, 10))
    fnt = ("serif_bold", 22)
    lines = S.wrap(c, "Вы проиграли эту битву, но память о Вашем героизме навсегда останется в наших сердцах...",
                   fnt, 700)
    _lines(c, lines, 384, 118, fnt, (236, 84, 70), 1.4, (40, 10, 10), 30, "mm")
    return c.rgb()


def _mushroom(c):
    """A distant mushroom cloud lit by the dawn."""
    h, w = c.h * c.ss, c.w * c.ss
    x, y = S.grid(c)
    n = C.value_noise(w, h, 16 * c.ss, seed=51, octaves=4)
    cx = 450.0
    stem = np.clip(1 - np.abs(x - cx - (y - 300) * 0.03) / (12 + (330 - y) * 0.05), 0, 1) * (y > 150) * (y < 330)
    cap = 1 - (((x - cx) / 92.0) ** 2 + ((y - 130) / 52.0) ** 2)
    ring = 1 - (((x - cx) / 70.0) ** 2 + ((y - 200) / 14.0) ** 2)
    base = 1 - (((x - cx) / 120.0) ** 2 + ((y - 322) / 18.0) ** 2)
    dens = np.maximum(np.maximum(stem * 1.2 - 0.2, cap), np.maximum(ring * 0.8, base))
    dens = dens + (n - 0.5) * 0.6
    cover = np.clip(dens * 3, 0, 1)[..., None] * 0.92
    lit = np.clip((cx + 40 - x) / 160.0 + (200 - y) / 200.0, 0, 1)[..., None]
    col = np.array([150, 110, 110], np.float32) * (1 - lit) + np.array([255, 206, 160], np.float32) * lit
    col = col * (0.85 + 0.3 * n[..., None])
    core = np.clip(1 - (((x - cx) / 40.0) ** 2 + ((y - 140) / 24.0) ** 2), 0, 1)[..., None] * 0.5
    col = col * (1 - core) + np.array([255, 236, 180], np.float32) * core
    b = np.asarray(c.img, np.float32)[..., :3]
    S.from_array(c, b * (1 - cover) + col * cover)


def victory():
    c = C.Canvas(590, 418, SS)
    S.sky(c, [(0, (126, 160, 200)), (140, (196, 196, 206)), (250, (248, 204, 170)), (330, (255, 226, 170)),
              (418, (255, 226, 170))], noise_amp=0.08, seed=52)
    _mushroom(c)
    _ground(c, lambda x: 318 + 8 * np.sin(x / 60.0) + 4 * np.sin(x / 23.0), (58, 60, 64), (24, 26, 30), 53)
    _paste_gun(c, gun.barrel_direction(2), 2.0, 34, 136, tint=(28, 28, 34))
    blue, edge = (40, 90, 190), (236, 242, 255)
    c.text((24, 52), "ПОБЕДА!", ("serif_bold", 58), blue, anchor="lm", stroke=1.6, stroke_fill=edge)
    fnt = ("serif_bold", 21)
    lines = S.wrap(c, "Вы победили в этой битве, но последняя ли она?", fnt, 300)
    _lines(c, lines, 26, 96, fnt, blue, 1.2, edge, 27)
    c.text((474, 385), "Набранные очки:", ("serif_bold", 22), (150, 190, 255), anchor="rm", stroke=1.2,
           stroke_fill=(10, 16, 40))
    return c.rgb()
