"""Shared drawing kit for the game's pictures.

Sprites are painted at a multiple of their final size on a transparent
canvas, shrunk with a Lanczos filter, and then split into the two pictures
the game draws with: a mask (black where the sprite is, white elsewhere) and
an image (the sprite's colours on pure black).  Because the split is made
from one alpha channel, mask and image always agree pixel for pixel.
"""

import math
import os

import numpy as np
from PIL import Image, ImageDraw, ImageFilter, ImageFont

# Palette -------------------------------------------------------------------
OUTLINE = (42, 30, 20)
SKY_TOP = (159, 184, 200)
SKY_LOW = (234, 223, 196)
HILLS = (127, 140, 107)
GRASS_A = (111, 130, 64)
GRASS_B = (86, 105, 47)
WOOD = (122, 82, 48)
WOOD_HI = (166, 119, 73)
WOOD_LO = (74, 49, 28)
PARCHMENT = (234, 217, 167)
PARCH_EDGE = (184, 149, 90)
STONE = (139, 138, 128)
STONE_HI = (178, 177, 166)
STONE_LO = (93, 92, 85)
INK = (59, 36, 18)
BRONZE = (176, 128, 58)
BRONZE_HI = (227, 181, 99)
OLIVE = (91, 95, 58)
FIELD_GREY = (110, 115, 104)
CREAM = (241, 230, 200)
WARN_RED = (210, 58, 46)
LAMP_GREEN = (79, 174, 74)
LAMP_RED = (194, 69, 58)
IRON = (70, 70, 72)

# Nothing inside a sprite may be darker than this: the image is ORed onto the
# scene, so near-black sprite pixels would let the background shine through.
DARKEST = np.array([0x14, 0x10, 0x10], dtype=np.uint8)

# Fonts ----------------------------------------------------------------------
_FONT_FILES = {
    "serif_bold": "/usr/share/fonts/opentype/urw-base35/P052-Bold.otf",
    "serif_bold_italic": "/usr/share/fonts/opentype/urw-base35/P052-BoldItalic.otf",
    "book_serif": "/usr/share/fonts/opentype/urw-base35/P052-Roman.otf",
    "serif": "/usr/share/fonts/opentype/ebgaramond/EBGaramond12-Regular.otf",
    "serif_italic": "/usr/share/fonts/opentype/ebgaramond/EBGaramond12-Italic.otf",
    "dejavu_serif_bold": "/usr/share/fonts/truetype/dejavu/DejaVuSerif-Bold.ttf",
    "dejavu_serif": "/usr/share/fonts/truetype/dejavu/DejaVuSerif.ttf",
    "sans": "/usr/share/fonts/truetype/liberation2/LiberationSans-Regular.ttf",
    "sans_bold": "/usr/share/fonts/truetype/liberation2/LiberationSans-Bold.ttf",
    "dejavu_sans_bold": "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf",
    "dejavu_cond_bold": "/usr/share/fonts/truetype/dejavu/DejaVuSansCondensed-Bold.ttf",
    "mono": "/usr/share/fonts/truetype/dejavu/DejaVuSansMono.ttf",
    "mono_bold": "/usr/share/fonts/truetype/dejavu/DejaVuSansMono-Bold.ttf",
}
_font_cache = {}


def font(name, px):
    key = (name, int(round(px)))
    if key not in _font_cache:
        path = _FONT_FILES[name]
        if not os.path.exists(path):
            raise SystemExit("missing font %s (install the Debian font packages)" % path)
        _font_cache[key] = ImageFont.truetype(path, key[1])
    return _font_cache[key]


# Colour helpers --------------------------------------------------------------
def mix(a, b, t):
    return tuple(int(round(a[i] + (b[i] - a[i]) * t)) for i in range(3))


def lighter(c, t=0.3):
    return mix(c, (255, 255, 255), t)


def darker(c, t=0.35):
    return mix(c, (0, 0, 0), t)


def rotate_points(pts, angle_deg, about):
    """Rotate points counter-clockwise on screen (y grows downwards)."""
    a = math.radians(angle_deg)
    ca, sa = math.cos(a), math.sin(a)
    cx, cy = about
    out = []
    for x, y in pts:
        dx, dy = x - cx, y - cy
        out.append((cx + dx * ca + dy * sa, cy - dx * sa + dy * ca))
    return out


def bayer(n=4):
    """Ordered-dither thresholds in (0, 1)."""
    m = np.array([[0]])
    while m.shape[0] < n:
        m = np.block([[4 * m, 4 * m + 2], [4 * m + 3, 4 * m + 1]])
    return (m + 0.5) / m.size


# Canvas ---------------------------------------------------------------------
class Canvas:
    """An RGBA drawing surface addressed in final pixels, stored supersampled."""

    def __init__(self, w, h, ss=4, bg=(0, 0, 0, 0)):
        self.w, self.h, self.ss = w, h, ss
        self.img = Image.new("RGBA", (w * ss, h * ss), bg)
        self.draw = ImageDraw.Draw(self.img)

    # coordinates
    def p(self, pts):
        s = self.ss
        return [(x * s, y * s) for x, y in pts]

    def b(self, box):
        s = self.ss
        return [box[0] * s, box[1] * s, box[2] * s, box[3] * s]

    # plain shapes
    def poly(self, pts, fill=None, outline=OUTLINE, width=1.0):
        self.draw.polygon(self.p(pts), fill=fill)
        if outline is not None and width > 0:
            self.line(list(pts) + [pts[0]], outline, width)

    def ellipse(self, box, fill=None, outline=OUTLINE, width=1.0):
        ow = int(round(width * self.ss)) if outline is not None else 0
        self.draw.ellipse(self.b(box), fill=fill, outline=outline if ow else None, width=max(ow, 1))

    def circle(self, cx, cy, r, fill=None, outline=OUTLINE, width=1.0):
        self.ellipse((cx - r, cy - r, cx + r, cy + r), fill, outline, width)

    def rect(self, box, fill=None, outline=OUTLINE, width=1.0, radius=0):
        ow = int(round(width * self.ss)) if outline is not None else 0
        if radius:
            self.draw.rounded_rectangle(self.b(box), radius=radius * self.ss, fill=fill,
                                        outline=outline if ow else None, width=max(ow, 1))
        else:
            self.draw.rectangle(self.b(box), fill=fill, outline=outline if ow else None,
                                width=max(ow, 1))

    def line(self, pts, fill=OUTLINE, width=1.0):
        w = max(1, int(round(width * self.ss)))
        self.draw.line(self.p(pts), fill=fill, width=w, joint="curve")
        # round caps
        r = w / 2.0
        if w > 2:
            for x, y in self.p([pts[0], pts[-1]]):
                self.draw.ellipse([x - r, y - r, x + r, y + r], fill=fill)

    # shaded shapes
    def _shape_mask(self, kind, geom):
        s = self.ss
        if kind == "poly":
            xs = [x for x, _ in geom]
            ys = [y for _, y in geom]
            box = (min(xs), min(ys), max(xs), max(ys))
        else:
            box = geom[:4]
        x0 = max(0, int(math.floor(box[0] * s)) - 2)
        y0 = max(0, int(math.floor(box[1] * s)) - 2)
        x1 = min(self.img.width, int(math.ceil(box[2] * s)) + 3)
        y1 = min(self.img.height, int(math.ceil(box[3] * s)) + 3)
        if x1 <= x0 or y1 <= y0:
            return None
        m = Image.new("L", (x1 - x0, y1 - y0), 0)
        d = ImageDraw.Draw(m)
        if kind == "poly":
            d.polygon([(x * s - x0, y * s - y0) for x, y in geom], fill=255)
        elif kind == "ellipse":
            d.ellipse([geom[0] * s - x0, geom[1] * s - y0, geom[2] * s - x0, geom[3] * s - y0], fill=255)
        elif kind == "rect":
            r = geom[4] * s if len(geom) > 4 else 0
            d.rounded_rectangle([geom[0] * s - x0, geom[1] * s - y0, geom[2] * s - x0, geom[3] * s - y0],
                                radius=r, fill=255)
        return m, (x0, y0, x1, y1)

    def shade(self, kind, geom, lit, dark=None, light=(-0.55, -1.0), outline=OUTLINE, width=1.0,
              radial=False, tex=0.0, seed=0):
        """Fill a shape with a linear (or radial) gradient from its lit side."""
        if dark is None:
            dark = darker(lit, 0.4)
        sm = self._shape_mask(kind, geom)
        if sm is None:
            return
        m, (x0, y0, x1, y1) = sm
        h, w = y1 - y0, x1 - x0
        yy, xx = np.mgrid[0:h, 0:w].astype(np.float32)
        if radial:
            cx, cy = w * (0.5 + 0.28 * light[0]), h * (0.5 + 0.28 * light[1])
            t = np.hypot(xx - cx, yy - cy) / (0.75 * max(w, h))
        else:
            lx, ly = light
            n = math.hypot(lx, ly)
            lx, ly = lx / n, ly / n
            proj = -(xx * lx + yy * ly)
            mk = np.asarray(m) > 0
            if mk.any():
                lo, hi = proj[mk].min(), proj[mk].max()
            else:
                lo, hi = proj.min(), proj.max()
            t = (proj - lo) / max(hi - lo, 1e-6)
        t = np.clip(t, 0, 1)[..., None]
        col = np.array(lit, np.float32) * (1 - t) + np.array(dark, np.float32) * t
        if tex > 0:
            rng = np.random.default_rng(seed)
            nz = rng.normal(0, 1, (h // self.ss + 2, w // self.ss + 2)).astype(np.float32)
            nz = np.kron(nz, np.ones((self.ss, self.ss), np.float32))[:h, :w]
            col += nz[..., None] * tex * 255
        col = np.clip(col, 0, 255).astype(np.uint8)
        rgba = np.dstack([col, np.full((h, w), 255, np.uint8)])
        self.img.paste(Image.fromarray(rgba, "RGBA"), (x0, y0), m)
        if outline is not None and width > 0:
            if kind == "poly":
                self.line(list(geom) + [geom[0]], outline, width)
            elif kind == "ellipse":
                self.ellipse(geom[:4], None, outline, width)
            else:
                self.rect(geom[:4], None, outline, width, geom[4] if len(geom) > 4 else 0)

    # text
    def text(self, xy, s, fnt, fill, anchor="la", stroke=0, stroke_fill=OUTLINE):
        f = font(fnt[0], fnt[1] * self.ss)
        self.draw.text((xy[0] * self.ss, xy[1] * self.ss), s, font=f, fill=fill, anchor=anchor,
                       stroke_width=int(round(stroke * self.ss)), stroke_fill=stroke_fill)

    def text_width(self, s, fnt):
        f = font(fnt[0], fnt[1] * self.ss)
        x0, _, x1, _ = f.getbbox(s)
        return (x1 - x0) / self.ss

    def paste_layer(self, other):
        """Composite another canvas of the same size over this one."""
        self.img = Image.alpha_composite(self.img, other.img)
        self.draw = ImageDraw.Draw(self.img)

    # output
    def small(self):
        return self.img.resize((self.w, self.h), Image.LANCZOS)

    def rgb(self):
        """Flatten (for opaque pictures such as backgrounds)."""
        return self.small().convert("RGB")


def split_sprite(rgba, dither=False, soft=None):
    """Turn a small RGBA picture into (image, mask) RGB pictures.

    With dither=True partial alpha becomes an ordered-dither pattern of mask
    pixels (the game's drawing cannot blend, so this is how smoke and flame
    tips look thin).  `soft` is an optional second RGBA layer that is always
    dithered and lies under the solid one.
    """
    a = np.asarray(rgba).astype(np.int32)
    h, w = a.shape[:2]
    thr = np.tile(bayer(4), (h // 4 + 1, w // 4 + 1))[:h, :w]
    alpha = a[..., 3] / 255.0
    if dither:
        inside = alpha > thr
    else:
        inside = alpha >= 0.5
    col = a[..., :3].copy()
    if soft is not None:
        s = np.asarray(soft).astype(np.int32)
        s_in = (s[..., 3] / 255.0) > thr
        use = s_in & ~inside
        col[use] = s[..., :3][use]
        inside = inside | s_in
    col = np.maximum(col, DARKEST.astype(np.int32))
    col[~inside] = 0
    mask = np.where(inside, 0, 255).astype(np.uint8)
    mask = np.dstack([mask, mask, mask])
    return Image.fromarray(col.astype(np.uint8), "RGB"), Image.fromarray(mask, "RGB")


def finish(canvas, dither=False, soft=None):
    return split_sprite(canvas.small(), dither=dither, soft=soft.small() if soft is not None else None)


# Output -----------------------------------------------------------------------
class Output:
    """Collects written files so the entry point can report them."""

    def __init__(self, root):
        self.root = root
        self.written = []

    def path(self, rel):
        full = os.path.join(self.root, rel)
        os.makedirs(os.path.dirname(full), exist_ok=True)
        self.written.append(rel)
        return full

    def png(self, rel, img):
        img.save(self.path(rel), "PNG", optimize=True)

    def pair(self, pic_name, mask_name, pic, mask):
        self.png("resources/%s.png" % pic_name, pic)
        self.png("resources/%s.png" % mask_name, mask)


def value_noise(w, h, cell, seed, octaves=4):
    """Smooth fractal noise in [0, 1] (numpy, deterministic)."""
    rng = np.random.default_rng(seed)
    total = np.zeros((h, w), np.float32)
    amp, norm = 1.0, 0.0
    for _ in range(octaves):
        gw, gh = int(w / cell) + 2, int(h / cell) + 2
        g = rng.random((gh, gw)).astype(np.float32)
        im = Image.fromarray((g * 255).astype(np.uint8), "L").resize(
            (int(gw * cell), int(gh * cell)), Image.BICUBIC)
        total += np.asarray(im, np.float32)[:h, :w] / 255.0 * amp
        norm += amp
        amp *= 0.5
        cell = max(cell / 2.0, 1.0)
    return total / norm


def blur(img, r):
    return img.filter(ImageFilter.GaussianBlur(r))
