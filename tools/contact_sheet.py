#!/usr/bin/python3
"""Compose a contact sheet of all sprites and a mock battle frame for review.

Usage: /usr/bin/python3 tools/contact_sheet.py [repo-root] [out-dir (default /tmp)]
Draws with the game's own two passes (AND with the mask, OR with the image).
"""

import os
import sys

import numpy as np
from PIL import Image, ImageDraw

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from check_assets import sprite_pairs  # noqa: E402
from art import gun  # noqa: E402


def load(root, name):
    return np.asarray(Image.open(os.path.join(root, "resources", name + ".png")).convert("RGB"))


def masked_draw(dst, pic, mask, x, y, w=None, h=None):
    """AND the mask, then OR the image, clipped to the destination."""
    h = h or pic.shape[0]
    w = w or pic.shape[1]
    pic = np.pad(pic, ((0, max(0, h - pic.shape[0])), (0, max(0, w - pic.shape[1])), (0, 0)))[:h, :w]
    mask = np.pad(mask, ((0, max(0, h - mask.shape[0])), (0, max(0, w - mask.shape[1])), (0, 0)),
                  constant_values=255)[:h, :w]
    x0, y0 = max(x, 0), max(y, 0)
    x1, y1 = min(x + w, dst.shape[1]), min(y + h, dst.shape[0])
    if x1 <= x0 or y1 <= y0:
        return
    sub = dst[y0:y1, x0:x1]
    m = mask[y0 - y:y1 - y, x0 - x:x1 - x]
    p = pic[y0 - y:y1 - y, x0 - x:x1 - x]
    dst[y0:y1, x0:x1] = (sub & m) | p


def battle_frame(root):
    bg = np.asarray(Image.open(os.path.join(root, "gamedata/pics/map.jpg")).convert("RGB"))[:638, :926].copy()
    zm = load(root, "ImgZMask")
    for i, (x, y) in enumerate([(210, 1), (458, 1), (700, 1)]):
        masked_draw(bg, load(root, "ImgZA" if i != 1 else "ImgZNA"), zm, x, y)
    step = 2
    masked_draw(bg, load(root, "ImgGunPic_%d" % step), load(root, "ImgGunMask_%d" % step), 20, 390)
    lx, ly = gun.LAUNCH[15 * step]
    masked_draw(bg, load(root, "ImgKernelPic"), load(root, "ImgKernelMask"), lx, ly)
    masked_draw(bg, load(root, "ImgKernelPic"), load(root, "ImgKernelMask"), 420, 260)
    enemies = [("ImgMobPic1", "ImgMobMask1", 700, 435), ("ImgMobPic2", "ImgMobMask2", 520, 435),
               ("ImgMobPic3", "ImgMobMask3", 300, 400), ("ImgMobPic4_0", "ImgMobMask4_0", 610, 300),
               ("ImgMobPic5_0", "ImgMobMask5_0", 640, 90), ("ImgMobPic6_0", "ImgMobMask6_0", 330, 146)]
    for pic, mask, x, y in enemies:
        masked_draw(bg, load(root, pic), load(root, mask), x, y)

    def digit(d, x, y, red=False):
        pic = load(root, "ImgZifraRed_%d" % (d if d else 10)) if red else load(root, "ImgZifra_%d" % d)
        masked_draw(bg, pic, load(root, "ImgZifraM_%d" % d), x, y, 14, 18)

    masked_draw(bg, load(root, "ImgZifra_11"), load(root, "ImgZifraM_11"), 133, 587)
    for d, x in zip((1, 0, 0), (94, 107, 120)):
        digit(d, x, 587)
    digit(7, 317, 587)
    digit(0, 497, 587)
    digit(1, 484, 587)
    for d, x in zip((1, 2, 3, 4), (639, 652, 665, 678)):
        digit(d, x, 587)
    masked_draw(bg, load(root, "ImgZifra_10"), load(root, "ImgZifraM_10"), 895, 587, 14, 18)
    for d, x in zip((9, 9, 9, 9), (843, 856, 869, 882)):
        digit(d, x, 587)
    digit(1, 68, 48)
    digit(0, 81, 48)
    fx, fy = {0: (105, 414), 15: (102, 397), 30: (95, 387)}[15 * step]
    masked_draw(bg, load(root, "ImgListShotPic_2"), load(root, "ImgListShotMask_2"), fx, fy)
    masked_draw(bg, load(root, "ImgListBumPic_4"), load(root, "ImgListBumMask_4"), 560, 390)
    masked_draw(bg, load(root, "ImgListBumPic_7"), load(root, "ImgListBumMask_7"), 200, 220)
    return Image.fromarray(bg)


def low_life_strip(root):
    """The status corner with a red life digit, twice the size."""
    bg = np.asarray(Image.open(os.path.join(root, "gamedata/pics/map.jpg")).convert("RGB"))[570:630, 0:360].copy()
    masked_draw(bg, load(root, "ImgZifra_11"), load(root, "ImgZifraM_11"), 133, 17)
    masked_draw(bg, load(root, "ImgZifraRed_9"), load(root, "ImgZifraM_9"), 120, 17, 14, 18)
    masked_draw(bg, load(root, "ImgZifra_1"), load(root, "ImgZifraM_1"), 304, 17, 14, 18)
    masked_draw(bg, load(root, "ImgZifra_0"), load(root, "ImgZifraM_0"), 317, 17, 14, 18)
    im = Image.fromarray(bg)
    return im.resize((im.width * 2, im.height * 2), Image.NEAREST)


def sheet(root):
    pairs = sprite_pairs()
    cell_w, cell_h = 150, 112
    cols = 6
    rows = (len(pairs) + cols - 1) // cols
    out = Image.new("RGB", (cols * cell_w, rows * cell_h), (60, 64, 70))
    d = ImageDraw.Draw(out)
    for i, (pic, mask, w, h) in enumerate(pairs):
        x, y = (i % cols) * cell_w, (i // cols) * cell_h
        tile = np.zeros((h, w, 3), np.uint8)
        tile[:] = (120, 160, 200) if i % 2 else (110, 130, 70)
        masked_draw(tile, load(root, pic), load(root, mask), 0, 0)
        out.paste(Image.fromarray(tile), (x + 4, y + 4))
        d.text((x + 4, y + cell_h - 12), pic, fill=(230, 230, 230))
    return out


def main(argv):
    root = argv[1] if len(argv) > 1 else os.path.join(os.path.dirname(os.path.abspath(__file__)), "..")
    dest = argv[2] if len(argv) > 2 else "/tmp"
    battle_frame(root).save(os.path.join(dest, "krepogor_battle.png"))
    sheet(root).save(os.path.join(dest, "krepogor_sprites.png"))
    low_life_strip(root).save(os.path.join(dest, "krepogor_status.png"))
    print("wrote krepogor_battle.png, krepogor_sprites.png, krepogor_status.png to", dest)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
