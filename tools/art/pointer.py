"""The pointer shown over a lamp that can be bought, and the program icon."""

import math

from PIL import Image

from . import common as C
from . import gun


def buy_pointer():
    """32 x 32 arrow with its tip at the top-left pixel, and a coin."""
    c = C.Canvas(32, 32, 8)
    arrow = [(0.6, 0.6), (0.6, 19), (5, 15), (8.5, 22.5), (11.5, 21), (8.2, 14), (14, 14)]
    c.shade("poly", arrow, (255, 236, 170), (196, 146, 60), width=1.2)
    c.shade("ellipse", (17, 17, 31, 31), (255, 226, 120), (170, 120, 40), radial=True, width=1.2)
    c.text((24, 24.3), "$", ("dejavu_sans_bold", 10), C.OUTLINE, anchor="mm")
    return c.small()


def icon():
    """48 x 48: the gun on a round shield."""
    c = C.Canvas(48, 48, 8)
    c.shade("ellipse", (1, 1, 47, 47), (196, 84, 62), (104, 34, 26), radial=True, width=1.6)
    c.ellipse((4, 4, 44, 44), None, (232, 190, 110), 1.2)
    c.paste_layer(_gun_layer())
    return c.small()


def _gun_layer():
    g = gun.gun_picture(gun.barrel_direction(2), 0.44)
    layer = C.Canvas(48, 48, 8)
    big = g.resize((g.width * 8, g.height * 8), Image.LANCZOS)
    layer.img.paste(big, (int(3 * 8), int(0 * 8)), big)
    return layer


def build(out):
    out.png("resources/ImgHarrow.png", buy_pointer())
    out.png("resources/icon.png", icon())
