"""Status digits: cream glyphs with a dark outline, and red ones for low life.

Every glyph is rendered from one font at a common scale, fitted into its
cell, and outlined by dilating its coverage, so the red digits share the
silhouettes (and therefore the masks) of the ordinary ones exactly.
"""

import numpy as np
from PIL import Image, ImageDraw, ImageFilter

from . import common as C

SS = 8
FONT = ("dejavu_cond_bold", 120)
INK_H = 15.0            # height of a digit's ink in final pixels
OUTLINE_PX = 1.0


def _ink(ch):
    f = C.font(*FONT)
    x0, y0, x1, y1 = f.getbbox(ch)
    im = Image.new("L", (x1 - x0 + 8, y1 - y0 + 8), 0)
    ImageDraw.Draw(im).text((4 - x0, 4 - y0), ch, font=f, fill=255)
    return im


def _digit_scale():
    hs = [_ink(str(d)).height - 8 for d in range(10)]
    return INK_H * SS / max(hs)


def glyph(ch, w, h, squeeze=0.86):
    """Coverage of the fill and of fill + outline, both (h, w) float in [0,1]."""
    ink = _ink(ch)
    k = _digit_scale()
    gw = max(1, int(round((ink.width - 8) * k * squeeze)))
    gh = max(1, int(round((ink.height - 8) * k)))
    if ch in "$%":
        gh = int(round(17 * SS - 2 * OUTLINE_PX * SS))
        gw = min(gw, int((w - 2 * OUTLINE_PX) * SS))
    core = ink.crop((4, 4, ink.width - 4, ink.height - 4)).resize((gw, gh), Image.LANCZOS)
    canvas = Image.new("L", (w * SS, h * SS), 0)
    canvas.paste(core, ((w * SS - gw) // 2, (h * SS - gh) // 2))
    rad = int(OUTLINE_PX * SS)
    outer = canvas.filter(ImageFilter.MaxFilter(2 * rad + 1))
    fill = np.asarray(canvas.resize((w, h), Image.LANCZOS), np.float32) / 255
    edge = np.asarray(outer.resize((w, h), Image.LANCZOS), np.float32) / 255
    return np.clip(fill, 0, 1), np.clip(edge, 0, 1)


def colour(fill, edge, col):
    f = np.clip(np.where(edge > 0, fill / np.maximum(edge, 1e-6), 0), 0, 1)[..., None]
    top = np.linspace(1.08, 0.9, fill.shape[0])[:, None, None]     # lit from above
    body = np.clip(np.array(col, np.float32) * top, 0, 255)
    rgb = body * f + np.array(C.OUTLINE, np.float32) * (1 - f)
    rgba = np.dstack([np.clip(rgb, 0, 255), edge * 255]).astype(np.uint8)
    return Image.fromarray(rgba, "RGBA")


def build(out):
    chars = [str(d) for d in range(10)] + ["$", "%"]
    for i, ch in enumerate(chars):
        w = 18 if ch == "%" else 12
        fill, edge = glyph(ch, w, 18)
        pic, mask = C.split_sprite(colour(fill, edge, C.CREAM))
        out.pair("ImgZifra_%d" % i, "ImgZifraM_%d" % i, pic, mask)
        if i < 10:
            red, red_mask = C.split_sprite(colour(fill, edge, C.WARN_RED))
            assert np.array_equal(np.asarray(mask), np.asarray(red_mask))
            item = 10 if i == 0 else i
            out.png("resources/ImgZifraRed_%d.png" % item, red)
