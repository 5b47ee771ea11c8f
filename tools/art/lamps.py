"""Upgrade lamps: a green cogwheel (can buy) and a red one (cannot), one mask."""

import math

import numpy as np
from PIL import Image

from . import common as C

W, H = 84, 80
CX, CY = 42.0, 40.0
TEETH = 12


def _gear_outline(r_out, r_root):
    pts = []
    for i in range(TEETH):
        base = 2 * math.pi * i / TEETH
        step = 2 * math.pi / TEETH
        for frac, r in ((0.0, r_root), (0.16, r_root), (0.26, r_out), (0.5, r_out), (0.6, r_root)):
            a = base + frac * step
            pts.append((CX + r * math.cos(a), CY + r * math.sin(a)))
    return pts


def cogwheel(base):
    c = C.Canvas(W, H)
    lit, dark = C.lighter(base, 0.35), C.darker(base, 0.5)
    c.shade("poly", _gear_outline(38.5, 31.5), lit, dark, width=1.3)
    # recessed web between rim and hub
    c.shade("ellipse", (CX - 26, CY - 26, CX + 26, CY + 26), C.darker(base, 0.45), C.lighter(base, 0.05),
            width=1.0)
    # spokes
    for i in range(6):
        a = math.radians(i * 60 + 15)
        p0 = (CX + 9 * math.cos(a), CY + 9 * math.sin(a))
        p1 = (CX + 25 * math.cos(a), CY + 25 * math.sin(a))
        c.line([p0, p1], C.OUTLINE, 6.2)
        c.line([p0, p1], C.mix(lit, base, 0.5 + 0.5 * math.sin(a)), 4.4)
    # hub with a shine and an axle bolt
    c.shade("ellipse", (CX - 12, CY - 12, CX + 12, CY + 12), C.lighter(base, 0.5), C.darker(base, 0.35),
            radial=True, width=1.2)
    c.ellipse((CX - 7, CY - 7, CX + 7, CY + 7), None, C.darker(base, 0.5), 1.0)
    c.shade("ellipse", (CX - 4, CY - 4, CX + 4, CY + 4), (210, 206, 190), (90, 86, 78), radial=True, width=0.8)
    # glint on the rim
    c.line([(CX - 27, CY - 18), (CX - 20, CY - 26)], C.lighter(base, 0.7), 1.6)
    return c


def build(out):
    green = cogwheel(C.LAMP_GREEN).small()
    red = cogwheel(C.LAMP_RED).small()
    g_pic, mask = C.split_sprite(green)
    # same geometry, so the red lamp takes the green lamp's silhouette
    r = np.asarray(red).copy()
    r[..., 3] = np.asarray(green)[..., 3]
    r_pic, r_mask = C.split_sprite(Image.fromarray(r, "RGBA"))
    assert np.array_equal(np.asarray(mask), np.asarray(r_mask))
    out.png("resources/ImgZA.png", g_pic)
    out.png("resources/ImgZNA.png", r_pic)
    out.png("resources/ImgZMask.png", mask)
