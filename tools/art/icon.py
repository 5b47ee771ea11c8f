"""The game's icon for the desktop: the field gun on a round badge of sky and
grass, a cannonball on its way.  Painted once at 256 x 256 and shrunk for the
smaller sizes of the hicolor theme."""

from PIL import Image, ImageDraw

from . import common as C
from . import gun

APP_ID = "ru.krepogor.Krepogor"
SIZES = (256, 128, 64, 48, 32, 24, 22, 16)


def _badge(size):
    c = C.Canvas(size, size, 4)
    r = size * 0.47
    cx = cy = size / 2
    # sky above, hills and grass below, inside a bronze ring
    c.shade("ellipse", (cx - r, cy - r, cx + r, cy + r), C.SKY_LOW, C.SKY_TOP, radial=True,
            light=(0.0, 1.0), outline=None, width=0)
    ground = C.Canvas(size, size, 4)
    ground.ellipse((cx - r * 1.9, cy + r * 0.05, cx + r * 1.3, cy + r * 2.4), C.HILLS, None)
    ground.ellipse((cx - r * 1.4, cy + r * 0.35, cx + r * 1.9, cy + r * 2.8), C.GRASS_A, None)
    mask = Image.new("L", ground.img.size, 0)
    ImageDraw.Draw(mask).ellipse(c.b((cx - r, cy - r, cx + r, cy + r)), fill=255)
    c.img.paste(ground.img, (0, 0), Image.composite(ground.img, Image.new("RGBA", ground.img.size), mask))
    c.draw = ImageDraw.Draw(c.img)
    c.circle(cx, cy, r, None, C.BRONZE, size * 0.035)
    c.circle(cx, cy, r + size * 0.012, None, C.OUTLINE, size * 0.012)
    # the ball's arc and the ball
    arc = [(size * (0.60 + 0.016 * k), size * (0.40 - 0.03 * k + 0.0012 * k * k)) for k in range(7)]
    c.line(arc, (250, 246, 232), size * 0.012)
    c.shade("ellipse", (size * 0.69, size * 0.13, size * 0.79, size * 0.23), (150, 150, 154),
            (32, 30, 32), radial=True, light=(-0.9, -0.9), width=size * 0.006)
    return c


def icon():
    """The 256 x 256 icon, RGBA."""
    size = SIZES[0]
    c = _badge(size)
    img = c.small()
    g = gun.gun_picture(40, 1.45)
    img.alpha_composite(g, (int(size * 0.17), int(size * 0.30)))
    return img


def build(out):
    big = icon()
    for size in SIZES:
        img = big if size == big.width else big.resize((size, size), Image.LANCZOS)
        out.png("packaging/icons/hicolor/%dx%d/apps/%s.png" % (size, size, APP_ID), img)
