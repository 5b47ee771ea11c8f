"""Window backgrounds: main menu, credits, champions' book and rules.

The defeat and victory pictures are in endings.py.
"""

import math

from . import common as C
from . import endings
from . import gun
from . import surfaces as S

SS = 2
RED_CALL = (196, 30, 24)


# Main menu -----------------------------------------------------------------
MENU_ITEMS = [("Новая Игра", (232, 136, 137, 33)), ("Создатели", (304, 176, 129, 33)),
              ("Выход", (288, 224, 81, 41))]


def _crossed_cannons(c, cx, cy, k=1.0):
    for sign in (-1, 1):
        a = math.radians(90 + sign * 35)
        dx, dy = math.cos(a), -math.sin(a)
        nx, ny = -dy, dx
        prof = [(-34, 6.5), (-30, 7.5), (20, 4.8), (26, 6.2), (30, 5.8)]
        pts = [(cx + (u * dx + v * nx) * k, cy + (u * dy + v * ny) * k) for u, v in prof]
        pts += [(cx + (u * dx - v * nx) * k, cy + (u * dy - v * ny) * k) for u, v in reversed(prof)]
        c.shade("poly", pts, C.BRONZE_HI, C.darker(C.BRONZE, 0.45), width=1.0)
        kx, ky = cx - 38 * dx * k, cy - 38 * dy * k
        c.shade("ellipse", (kx - 4 * k, ky - 4 * k, kx + 4 * k, ky + 4 * k), C.BRONZE_HI, C.darker(C.BRONZE, 0.4),
                radial=True, width=0.8)
    for bx, by in ((-9, 30), (9, 30), (0, 22)):
        c.shade("ellipse", (cx + (bx - 7) * k, cy + (by - 7) * k, cx + (bx + 7) * k, cy + (by + 7) * k),
                (120, 120, 124), (36, 34, 36), radial=True, width=0.9)


def _flourish(c, cx, y, half):
    c.line([(cx - half, y), (cx - 12, y)], C.INK, 1.2)
    c.line([(cx + 12, y), (cx + half, y)], C.INK, 1.2)
    c.poly([(cx - 8, y), (cx, y - 5), (cx + 8, y), (cx, y + 5)], (150, 50, 34), C.INK, 1.0)
    for s in (-1, 1):
        c.circle(cx + s * (half + 4), y, 2.2, (150, 50, 34), C.INK, 0.8)


def menu():
    c = C.Canvas(659, 398, SS)
    S.planks(c, seed=4)
    x0, x1 = 150, 510
    S.parchment(c, (x0, 22, x1, 378), seed=12)
    # rollers at top and bottom
    for ry in (14, 372):
        c.shade("rect", (x0 - 12, ry, x1 + 12, ry + 14, 7), C.lighter(C.PARCHMENT, 0.05), C.PARCH_EDGE,
                light=(0, -1), width=1.3)
        for ex in (x0 - 22, x1 + 12):
            c.shade("rect", (ex, ry + 2, ex + 10, ry + 12, 3), C.WOOD_HI, C.WOOD_LO, width=1.0)
    c.text((331, 78), "Крепогор", ("serif_bold", 58), (120, 34, 22), anchor="mm", stroke=1.2,
           stroke_fill=(60, 24, 14))
    _flourish(c, 330, 112, 110)
    words = [w for w, _ in MENU_ITEMS]
    px = S.fit_font(c, words, "serif_bold", 27, 125)
    for word, (x, y, w, h) in MENU_ITEMS:
        c.text((x + w / 2, y + h / 2 + 1), word, ("serif_bold", px), C.INK, anchor="mm")
    _crossed_cannons(c, 330, 312, 1.25)
    for sx in (196, 464):
        c.circle(sx, 312, 3, (150, 50, 34), C.INK, 0.8)
    return c.rgb()


# Credits ----------------------------------------------------------------------
CREDITS = [
    ("title", "КРЕПОГОР"),
    ("gap", ""),
    ("head", "Игру сделала Команда Крепогора"),
    ("row", "Замысел и правила ........ Команда Крепогора"),
    ("row", "Программирование ......... Команда Крепогора"),
    ("row", "Рисунки и надписи ........ Команда Крепогора"),
    ("row", "Звуки и музыка ........... Команда Крепогора"),
    ("gap", ""),
    ("head", "Музыка - собственные пьесы игры:"),
    ("row", "\u00abМарш пушкарей\u00bb, \u00abСтепной марш\u00bb, \u00abКонная батарея\u00bb,"),
    ("row", "\u00abГероическая\u00bb и \u00abПривал у крепости\u00bb."),
    ("gap", ""),
    ("row", "Спасибо всем, кто испытывал игру и стрелял метко!"),
    ("gap", ""),
    ("small", "\u00a9 Команда Крепогора."),
    ("small", "Игра распространяется по GNU GPL версии 3 или новее."),
]


def credits():
    c = C.Canvas(659, 398, SS)
    S.smoke(c, seed=21)
    y = 30
    white = (240, 238, 230)
    for kind, text in CREDITS:
        if kind == "gap":
            y += 10
            continue
        if kind == "title":
            c.text((330, y + 8), text, ("mono_bold", 30), white, anchor="mm", stroke=1, stroke_fill=(10, 10, 10))
            y += 36
        elif kind == "head":
            c.text((330, y + 8), text, ("mono_bold", 16), (250, 236, 200), anchor="mm")
            y += 24
        elif kind == "small":
            c.text((330, y + 8), text, ("mono", 13), (210, 206, 196), anchor="mm")
            y += 20
        else:
            c.text((330, y + 8), text, ("mono", 14.5), white, anchor="mm")
            y += 21
    assert y < 345, y
    return c.rgb()


# Champions' book ----------------------------------------------------------------
# The five rows' bars, evenly spaced from the first row's labels to the last's
# (the game's LabelNameRect tops: 112, 173, 227, 284, 344); each bar is tall
# enough to hold its row's 33-pixel labels at their own, unevenly spaced tops.
ROW_TOPS = [112 + 58 * i for i in range(5)]


def records():
    c = C.Canvas(656, 396, SS)
    S.smoke(c, seed=31, dark=(34, 40, 30), light=(78, 86, 60))
    # the brass shell case lying on its side, base to the left
    c.shade("rect", (128, 30, 540, 92, 4), (90, 70, 40), (90, 70, 40), outline=None)
    body = [(118, 20), (512, 22), (528, 30), (528, 84), (512, 92), (118, 94)]
    c.shade("poly", body, (246, 206, 120), (146, 98, 36), light=(0, -1), width=1.4)
    c.shade("rect", (104, 14, 124, 100, 3), (232, 190, 104), (120, 80, 30), light=(0, -1), width=1.4)
    c.shade("ellipse", (522, 28, 540, 86), (120, 84, 40), (70, 46, 22), width=1.2)
    c.line([(130, 30), (510, 31)], (255, 240, 190), 2.0)
    c.line([(140, 86), (508, 85)], (150, 104, 46), 1.0)
    c.text((321, 59), "РЕКОРДЫ", ("serif_bold", 46), (255, 236, 170), anchor="mm")
    c.text((320, 57.5), "РЕКОРДЫ", ("serif_bold", 46), (96, 60, 20), anchor="mm")
    for i, top in enumerate(ROW_TOPS):
        y0, y1 = top - 3, top + 37
        c.shade("rect", (64, y0 + 3, 614, y1 + 3, 6), (18, 20, 14), (18, 20, 14), outline=None)
        c.shade("rect", (110, y0, 612, y1, 6), C.lighter(C.PARCHMENT, 0.1), C.mix(C.PARCHMENT, C.PARCH_EDGE, 0.5),
                light=(0, -1), width=1.2)
        c.shade("rect", (522, y0 + 2, 610, y1 - 2, 4), (110, 74, 34), (60, 38, 18), light=(0, -1), width=1.0)
        c.shade("ellipse", (62, y0 - 2, 104, y1 + 2), (240, 200, 116), (140, 94, 36), radial=True, width=1.3)
        c.text((83, (y0 + y1) / 2 + 1), str(i + 1), ("serif_bold", 26), (80, 40, 16), anchor="mm")
    return c.rgb()


# Rules ----------------------------------------------------------------------------
RULES_TEXT = ("Задача этой игры - управляя артиллерийским расчетом уничтожить как можно больше "
              "вражеских юнитов, мечтающих захватить вашу территорию. Каждый пропущенный враг "
              "уменьшает уровень жизни расчета на 1 %. За каждого уничтоженного врага игроку "
              "выделяется некоторая сумма денег. За деньги можно улучшать баллистику снарядов "
              "(скорость), модернизировать пороховой заряд (сила) и восстанавливать жизнь.")

KB_X, KB_Y, U, ROW_H = 58, 236, 31, 29
KB_ROWS = [
    [("Esc", 1)] + [(k, 1) for k in "1234567890-="] + [("Backspace", 2)],
    [("Tab", 1.5)] + [(k, 1) for k in "QWERTYUIOP[]"] + [("\\", 1.5)],
    [("Caps", 1.75)] + [(k, 1) for k in "ASDFGHJKL;'"] + [("Enter", 2.25)],
    [("Shift", 2.25)] + [(k, 1) for k in "ZXCVBNM,./"] + [("Shift", 2.75)],
    [("Ctrl", 1.5), ("Alt", 1.5), ("", 9), ("Alt", 1.5), ("Ctrl", 1.5)],
]
CALLED = {"Esc", "P", "C", "V", "B", "", "\u2191", "\u2193"}


def keys():
    """Every key as (label, x0, y0, x1, y1)."""
    out = []
    for r, row in enumerate(KB_ROWS):
        x = KB_X
        y = KB_Y + r * ROW_H
        for label, w in row:
            out.append((label, x + 1.5, y + 1.5, x + w * U - 1.5, y + ROW_H - 1.5))
            x += w * U
    ax = KB_X + 15.6 * U
    for label, col, r in (("\u2191", 1, 3), ("\u2190", 0, 4), ("\u2193", 1, 4), ("\u2192", 2, 4)):
        x = ax + col * U
        y = KB_Y + r * ROW_H
        out.append((label, x + 1.5, y + 1.5, x + U - 1.5, y + ROW_H - 1.5))
    return out


def key_places():
    """Each key's (x0, y0, x1, y1) by its label (the left one of a pair)."""
    where = {}
    for label, kx0, ky0, kx1, ky1 in keys():
        where.setdefault(label, (kx0, ky0, kx1, ky1))
    return where


def _keyboard(c):
    x1 = KB_X + 18.6 * U
    c.shade("rect", (KB_X - 8, KB_Y - 8, KB_X + 15 * U + 8, KB_Y + 5 * ROW_H + 8, 8), (92, 90, 86), (52, 50, 48),
            width=1.2)
    c.shade("rect", (KB_X + 15.6 * U - 6, KB_Y + 3 * ROW_H - 6, x1 + 6, KB_Y + 5 * ROW_H + 8, 6), (92, 90, 86),
            (52, 50, 48), width=1.2)
    for name, kx0, ky0, kx1, ky1 in keys():
        hot = name in CALLED
        top, bot = ((250, 226, 214), (214, 170, 156)) if hot else ((246, 242, 230), (196, 190, 176))
        c.shade("rect", (kx0, ky0, kx1, ky1, 3), top, bot, width=0.9)
        fs = 13 if len(name) <= 1 else 10
        if name:
            c.text(((kx0 + kx1) / 2, (ky0 + ky1) / 2 + 0.5), name, ("sans_bold", fs), (50, 46, 42), anchor="mm")


def callouts():
    """The red call-outs: (words, the key, the dot on it, where its line ends,
    where the words stand, their anchor). Each line keeps off the legends of
    the keys it passes: "Пауза" rises from P through the gap between 0 and -."""
    k = key_places()

    def centre(name):
        x0, y0, x1, y1 = k[name]
        return ((x0 + x1) / 2, (y0 + y1) / 2)

    def bottom(name):
        x0, y0, x1, y1 = k[name]
        return ((x0 + x1) / 2, y1 - 4)

    ex, ey = centre("Esc")
    px, _ = centre("P")
    p_top = k["P"][1] + 3.5
    sx1, sy1 = k[""][2:]
    ux, uy = centre("\u2191")
    dx, dy = centre("\u2193")
    angle = (ux + 72, uy - 32)
    angle_end = (angle[0] - 22, angle[1] + 6)
    return [("Выход", "Esc", (ex, ey - 6), (ex + 6, 214), (ex + 6, 214), "mm"),
            ("Пауза", "P", (px, p_top), (px, 214), (px, 214), "mm"),
            ("Скорость", "C", bottom("C"), (150, 402), (150, 402), "mm"),
            ("Сила", "V", bottom("V"), (236, 402), (236, 402), "mm"),
            ("Жизнь", "B", bottom("B"), (304, 402), (304, 402), "mm"),
            ("Выстрел", "", (sx1 - 40, sy1 - 6), (430, 402), (430, 402), "mm"),
            ("Угол", "\u2191", (ux + 6, uy - 2), angle_end, angle, "lm"),
            ("Угол", "\u2193", (dx + 12, dy - 2), angle_end, angle, "lm")]


def _callouts(c):
    marks = callouts()
    for _, _, dot, end, _, _ in marks:
        c.line([dot, end], RED_CALL, 1.3)
        c.circle(dot[0], dot[1], 2.6, RED_CALL, None)
    for words, at, anchor in dict.fromkeys((w, at, a) for w, _, _, _, at, a in marks):
        c.text(at, words, ("serif_bold", 17), RED_CALL, anchor=anchor, stroke=0.8,
               stroke_fill=C.lighter(C.PARCHMENT, 0.2))


def rules():
    c = C.Canvas(769, 418, SS)
    S.planks(c, seed=8, vertical=False, plank_w=40)
    S.parchment(c, (8, 6, 761, 412), seed=14, burn=14, shadow=False)
    c.text((384, 30), "Правила игры", ("serif_bold", 30), (120, 34, 22), anchor="mm")
    _flourish(c, 384, 52, 120)
    fnt = ("book_serif", 16)
    y = 66
    for line in S.wrap(c, RULES_TEXT, fnt, 716):
        c.text((26, y), line, fnt, C.INK, anchor="la")
        y += 21
    assert y < 212, y
    _keyboard(c)
    _callouts(c)
    return c.rgb()


def build(out):
    out.png("resources/frm_menu.png", menu())
    out.png("resources/frm_credits.png", credits())
    out.png("resources/FrmRecords.png", records())
    out.png("resources/FrmRules.png", rules())
    out.png("resources/FrmLost.png", endings.defeat())
    out.png("resources/FrmWin.png", endings.victory())
