"""The battle field, 927 x 640, with its painted captions.

The status numbers are drawn by the game over calm, flat fields left free
here: the level on the scroll at (68..95, 48..66) and the five values at
y = 587..605 on the stone panels.
"""

import math

import numpy as np
from PIL import Image

from . import common as C

W, H = 927, 640
SS = 2
HORIZON = 440
GROUND = 450

# lamp top-left corners (84 x 80) and the centres of their captions
LAMPS = [(210, 1), (458, 1), (700, 1)]
CAPTIONS = [
    (362, ("+1 к скорости", "Стоимость: 300$", "(клавиша C)")),
    (611, ("+1 к силе", "Стоимость: 250$", "(клавиша V)")),
    (852, ("+25% к жизни", "Стоимость: 200$", "(клавиша B)")),
]
# panel x range, caption, caption right edge, digit field x range
PANELS = [
    ((4, 172), "Жизнь:", 86, (91, 154)),
    ((186, 346), "Скорость:", 296, (300, 334)),
    ((398, 526), "Сила:", 476, (480, 514)),
    ((552, 706), "Очки:", 630, (635, 695)),
    ((732, 923), "Деньги:", 834, (839, 916)),
]
DIGIT_Y = (587, 605)
PANEL_Y = (572, 637)
BAR_H = 86


def _sky_and_land():
    w, h = W * SS, H * SS
    y = np.arange(h, dtype=np.float32)[:, None] / SS
    x = np.arange(w, dtype=np.float32)[None, :] / SS
    t = np.clip((y - BAR_H) / (HORIZON - BAR_H), 0, 1) ** 0.9
    sky = np.array(C.SKY_TOP, np.float32) * (1 - t[..., None]) + np.array(C.SKY_LOW, np.float32) * t[..., None]
    sky = np.broadcast_to(sky, (h, w, 3)).copy()
    # soft clouds, thicker high up
    n = C.value_noise(w, h, 120 * SS, seed=11, octaves=5)
    band = np.exp(-((y - 190) / 110.0) ** 2)
    cloud = np.clip((n - 0.52) * 4.0, 0, 1) * band
    cloud_col = np.array([250, 246, 236], np.float32) - 30 * np.clip((n - 0.6) * 4, 0, 1)[..., None]
    img = sky * (1 - cloud[..., None] * 0.85) + cloud_col * cloud[..., None] * 0.85

    # far hills, then nearer hills, fading into the haze
    def ridge(seed, base, amp, cell):
        r = C.value_noise(w, 8, cell * SS, seed=seed, octaves=4)[4]
        return base + (r - 0.5) * amp * 2
    for seed, base, amp, cell, col, haze in ((21, 402, 26, 160, C.HILLS, 0.55), (22, 428, 16, 90, C.HILLS, 0.2)):
        top = ridge(seed, base, amp, cell)[None, :]
        sel = y >= top
        shade = np.clip((y - top) / 40.0, 0, 1)[..., None]
        col_arr = np.array(C.mix(col, C.SKY_LOW, haze), np.float32) * (1 - 0.15 * shade)
        img = np.where(sel[..., None], col_arr, img)

    # grass
    g_t = np.clip((y - GROUND) / (H - GROUND), 0, 1)[..., None]
    grass = np.array(C.GRASS_A, np.float32) * (1 - g_t) + np.array(C.GRASS_B, np.float32) * g_t
    gn = C.value_noise(w, h, 18 * SS, seed=31, octaves=4)
    grass = grass * (0.88 + 0.24 * gn[..., None])
    edge = ridge(23, GROUND, 3, 40)[None, :]
    img = np.where((y >= edge)[..., None], grass, img)

    # the worn track the vehicles drive on
    track_mid = 487 + 3 * np.sin(x / 97.0)
    d = np.abs(y - track_mid) / 15.0
    tn = C.value_noise(w, h, 10 * SS, seed=41, octaves=3)
    cover = np.clip((1.0 - d) * 2.2 + (tn - 0.5) * 1.2, 0, 1)[..., None]
    dirt = np.array([150, 128, 88], np.float32) * (0.85 + 0.3 * tn[..., None])
    img = img * (1 - cover * 0.8) + dirt * cover * 0.8
    for ry in (-6, 6):
        rut = np.exp(-((y - track_mid - ry) / 1.6) ** 2)[..., None] * 0.25
        img = img * (1 - rut) + np.array([96, 78, 52], np.float32) * rut
    return np.clip(img, 0, 255).astype(np.uint8)


def _grass_strokes(c):
    rng = np.random.default_rng(5)
    for _ in range(2600):
        x = rng.uniform(0, W)
        y = rng.uniform(GROUND + 4, H)
        if abs(y - 487) < 16:
            continue
        ln = 3 + (y - GROUND) / 190 * 7 * rng.uniform(0.6, 1.2)
        lean = rng.uniform(-1.5, 1.5)
        dark = rng.random() < 0.6
        col = (70, 88, 36, 255) if dark else (140, 158, 84, 255)
        c.draw.line(c.p([(x, y), (x + lean, y - ln)]), fill=col, width=max(1, int(0.7 * SS)))


def _fortress(c):
    """A small fortress on a distant hill, the place the gun defends."""
    haze = C.mix((112, 118, 104), C.SKY_LOW, 0.45)
    lit = C.mix((150, 150, 132), C.SKY_LOW, 0.4)
    wall = [(150, 416), (150, 396), (300, 396), (300, 416)]
    c.poly(wall, haze, None)
    for x in range(150, 300, 10):
        c.rect((x, 391, x + 5, 396), haze, None)
    for x0, top, w in ((160, 366, 18), (212, 352, 24), (270, 370, 16)):
        c.rect((x0, top, x0 + w, 400), lit, None)
        c.rect((x0 + w * 0.6, top, x0 + w, 400), haze, None)
        c.poly([(x0 - 3, top), (x0 + w / 2, top - 18), (x0 + w + 3, top)], C.mix((120, 70, 56), C.SKY_LOW, 0.45),
               None)
        c.rect((x0 + w / 2 - 1.5, top + 8, x0 + w / 2 + 1.5, top + 14), C.mix((60, 56, 50), C.SKY_LOW, 0.4), None)
    c.line([(224, 334), (224, 318)], C.mix((80, 70, 60), C.SKY_LOW, 0.4), 1.0)
    c.poly([(224, 318), (236, 322), (224, 326)], C.mix((170, 60, 48), C.SKY_LOW, 0.3), None)


def _sandbags(c):
    for row, y in enumerate((486, 477, 468)):
        for i in range(3 - row):
            x = 2 + i * 11 + row * 5
            c.shade("ellipse", (x - 6, y - 5, x + 6, y + 5), (186, 168, 124), (120, 102, 70), width=0.8)


def _fence(c):
    posts = list(range(28, W, 118))
    c.shade("rect", (0, 530, W, 537), C.WOOD_HI, C.WOOD_LO, width=1.0)
    for x in posts:
        c.shade("poly", [(x, 522), (x + 5, 517), (x + 11, 522), (x + 11, 580), (x, 580)], C.WOOD_HI, C.WOOD_LO,
                light=(-1, -0.3), width=1.0)
        c.circle(x + 5.5, 533.5, 1.2, (60, 56, 52), None)
    c.shade("rect", (0, 550, W, 559), C.WOOD_HI, C.WOOD_LO, width=1.0)
    rng = np.random.default_rng(9)
    for _ in range(60):
        x = rng.uniform(0, W - 30)
        y = rng.choice([532.5, 534.5, 552.5, 555.5])
        c.line([(x, y), (x + rng.uniform(10, 30), y)], C.darker(C.WOOD, 0.25), 0.5)
    for x in posts:
        c.circle(x + 5.5, 554.5, 1.3, (60, 56, 52), None)


def _plank_bar(c):
    rng = np.random.default_rng(7)
    y0 = 0
    for i, hgt in enumerate((22, 21, 22, 21)):
        col = C.mix(C.WOOD_LO, C.WOOD, 0.35 + 0.15 * (i % 2))
        c.shade("rect", (-2, y0, W + 2, y0 + hgt), C.lighter(col, 0.08), C.darker(col, 0.2), light=(0, -1),
                width=0.8)
        for _ in range(26):
            x = rng.uniform(0, W)
            yy = y0 + rng.uniform(3, hgt - 3)
            c.line([(x, yy), (x + rng.uniform(20, 70), yy + rng.uniform(-0.6, 0.6))], C.darker(col, 0.3), 0.5)
        x = rng.uniform(40, 200)
        while x < W:
            c.line([(x, y0 + 1), (x, y0 + hgt - 1)], C.darker(col, 0.45), 0.9)
            c.circle(x - 4, y0 + hgt / 2, 1.0, (150, 140, 120), None)
            c.circle(x + 4, y0 + hgt / 2, 1.0, (150, 140, 120), None)
            x += rng.uniform(180, 320)
        y0 += hgt
    # iron band along the lower edge and its shadow on the sky
    c.shade("rect", (-2, BAR_H - 3, W + 2, BAR_H + 1), (120, 118, 110), (56, 54, 50), light=(0, -1), width=0.8)
    for x in range(12, W, 46):
        c.circle(x, BAR_H - 1, 1.1, (170, 166, 150), None)


def _lamp_sockets(c):
    for x, y in LAMPS:
        cx, cy = x + 42, y + 40
        c.shade("ellipse", (cx - 41, cy - 40, cx + 41, cy + 40), (36, 26, 20), (84, 64, 44), light=(-0.6, -1),
                width=1.0)


def _plaque(c, box):
    x0, y0, x1, y1 = box
    c.shade("rect", (x0 + 2, y0 + 2, x1 + 2, y1 + 2, 5), (30, 22, 16), (30, 22, 16), outline=None)
    c.shade("rect", (x0, y0, x1, y1, 5), C.lighter(C.PARCHMENT, 0.1), C.mix(C.PARCHMENT, C.PARCH_EDGE, 0.6),
            width=1.2)
    c.rect((x0 + 3, y0 + 3, x1 - 3, y1 - 3), None, C.mix(C.PARCH_EDGE, C.INK, 0.3), 0.6, radius=3)
    for px, py in ((x0 + 6, y0 + 6), (x1 - 6, y0 + 6), (x0 + 6, y1 - 6), (x1 - 6, y1 - 6)):
        c.circle(px, py, 1.5, (120, 110, 96), C.OUTLINE, 0.4)


def _captions(c):
    for cx, lines in CAPTIONS:
        _plaque(c, (cx - 64, 7, cx + 64, 80))
        c.text((cx, 25), lines[0], ("serif_bold", 18), C.INK, anchor="mm")
        c.text((cx, 45), lines[1], ("serif_bold", 15.5), (120, 40, 24), anchor="mm")
        c.text((cx, 64), lines[2], ("serif_italic", 15), C.INK, anchor="mm")


def _scroll(c):
    x0, y0, x1, y1 = 8, 6, 160, 80
    # shadow, sheet, rolled ends
    c.shade("rect", (x0 + 4, y0 + 4, x1 + 4, y1 + 4), (30, 22, 16), (30, 22, 16), outline=None)
    c.shade("rect", (x0 + 6, y0, x1 - 6, y1), C.lighter(C.PARCHMENT, 0.12), C.mix(C.PARCHMENT, C.PARCH_EDGE, 0.55),
            width=1.2)
    for ex in (x0, x1 - 12):
        c.shade("rect", (ex, y0 - 3, ex + 12, y1 + 3, 6), C.lighter(C.PARCHMENT, 0.05), C.PARCH_EDGE,
                light=(-1, 0), width=1.2)
        c.line([(ex + 6, y0 + 1), (ex + 6, y1 - 1)], C.mix(C.PARCH_EDGE, C.INK, 0.35), 0.6)
    c.text((84, 27), "Уровень:", ("serif_bold", 23), C.INK, anchor="mm")
    c.line([(36, 40), (132, 40)], C.mix(C.PARCH_EDGE, C.INK, 0.4), 0.7)
    # dark wax-seal plaque under the level digits (68..95, 48..66)
    c.shade("rect", (60, 44, 103, 70, 6), (70, 46, 30), (104, 72, 46), light=(-0.5, -1), width=1.0)


def _panels(c):
    y0, y1 = PANEL_Y
    for (px0, px1), caption, cap_right, (fx0, fx1) in PANELS:
        c.shade("rect", (px0 + 3, y0 + 3, px1 + 3, y1 + 3, 4), (26, 26, 22), (26, 26, 22), outline=None)
        c.shade("rect", (px0, y0, px1, y1, 4), C.STONE_HI, C.STONE_LO, width=1.3, tex=0.05, seed=px0)
        c.shade("rect", (px0 + 4, y0 + 4, px1 - 4, y1 - 4, 2), C.STONE, C.mix(C.STONE, C.STONE_LO, 0.4),
                light=(-0.3, -1), outline=C.mix(C.STONE_LO, C.OUTLINE, 0.4), width=0.7, tex=0.04, seed=px0 + 1)
        for bx in (px0 + 8, px1 - 8):
            for by in (y0 + 8, y1 - 8):
                c.circle(bx, by, 1.6, (170, 168, 156), C.OUTLINE, 0.5)
        # the flat inset where the numbers go
        fy0, fy1 = DIGIT_Y[0] - 5, DIGIT_Y[1] + 5
        c.rect((fx0 - 1, fy0 - 1, fx1 + 1, fy1 + 1), (120, 119, 110), None, radius=3)
        c.rect((fx0, fy0, fx1, fy1), (62, 60, 54), C.OUTLINE, 0.8, radius=3)
        c.text((cap_right, 596.5), caption, ("serif_bold", 21), C.CREAM, anchor="rm", stroke=1.0,
               stroke_fill=C.OUTLINE)


def build_picture():
    c = C.Canvas(W, H, SS, bg=(0, 0, 0, 255))
    base = _sky_and_land()
    c.img = Image.fromarray(np.dstack([base, np.full(base.shape[:2], 255, np.uint8)]), "RGBA")
    from PIL import ImageDraw
    c.draw = ImageDraw.Draw(c.img)
    _fortress(c)
    _grass_strokes(c)
    _sandbags(c)
    _fence(c)
    _plank_bar(c)
    _lamp_sockets(c)
    _captions(c)
    _scroll(c)
    _panels(c)
    return c.rgb()


def build(out):
    img = build_picture()
    img.save(out.path("gamedata/pics/map.jpg"), "JPEG", quality=90, subsampling=0, optimize=False)
