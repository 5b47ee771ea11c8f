"""Painted grounds shared by the windows: planks, parchment, smoke, skies."""

import numpy as np
from PIL import Image, ImageDraw

from . import common as C


def from_array(c, arr):
    """Replace a canvas's picture with an (h, w, 3) float array."""
    a = np.clip(arr, 0, 255).astype(np.uint8)
    c.img = Image.fromarray(np.dstack([a, np.full(a.shape[:2], 255, np.uint8)]), "RGBA")
    c.draw = ImageDraw.Draw(c.img)


def grid(c):
    h, w = c.h * c.ss, c.w * c.ss
    y = np.arange(h, dtype=np.float32)[:, None] / c.ss
    x = np.arange(w, dtype=np.float32)[None, :] / c.ss
    return x, y


def planks(c, seed=1, plank_w=54, vertical=True):
    h, w = c.h * c.ss, c.w * c.ss
    x, y = grid(c)
    across = x if vertical else y
    rng = np.random.default_rng(seed)
    idx = np.floor(across / plank_w).astype(np.int32)
    tones = rng.uniform(0.82, 1.08, 64).astype(np.float32)
    # grain: noise stretched far along the plank
    if vertical:
        g = C.value_noise(w, max(8, h // 16), 3 * c.ss, seed=seed + 1, octaves=3)
    else:
        g = C.value_noise(max(8, w // 16), h, 3 * c.ss, seed=seed + 1, octaves=3)
    grain = np.asarray(Image.fromarray((g * 255).astype(np.uint8), "L").resize((w, h), Image.BICUBIC),
                       np.float32) / 255
    streak = np.sin(grain * 40.0) * 0.5 + 0.5
    base = np.array(C.mix(C.WOOD_LO, C.WOOD, 0.5), np.float32)
    col = base * (tones[idx % 64][..., None] * (0.82 + 0.12 * streak[..., None] + 0.14 * grain[..., None]))
    pos = across % plank_w
    col = col * np.clip(0.75 + pos / 6.0, 0, 1)[..., None]          # shaded groove on each seam
    seam = pos < 1.2
    col = np.where(seam[..., None], np.array([32, 22, 14], np.float32), col)
    from_array(c, col)


def parchment_array(c, box, seed=3, burn=18.0):
    """Parchment colour and coverage for a box (soft, burnt edges)."""
    h, w = c.h * c.ss, c.w * c.ss
    x, y = grid(c)
    x0, y0, x1, y1 = box
    n = C.value_noise(w, h, 70 * c.ss, seed=seed, octaves=5)
    d = np.minimum(np.minimum(x - x0, x1 - x), np.minimum(y - y0, y1 - y)) + (n - 0.5) * 10
    inside = np.clip(d / 1.2, 0, 1)
    edge = np.clip(1 - d / burn, 0, 1) ** 1.5
    col = np.array(C.PARCHMENT, np.float32) * (0.95 + 0.07 * n[..., None])
    col = col * (1 - edge[..., None]) + np.array(C.PARCH_EDGE, np.float32) * edge[..., None]
    rim = np.clip(1 - np.abs(d - 1.5) / 1.5, 0, 1)[..., None] * 0.6
    col = col * (1 - rim) + np.array([96, 64, 36], np.float32) * rim
    return col, inside


def parchment(c, box, seed=3, burn=18.0, shadow=True):
    base = np.asarray(c.img, np.float32)[..., :3]
    if shadow:
        sx, sy = 5, 6
        _, sh = parchment_array(c, (box[0] + sx, box[1] + sy, box[2] + sx, box[3] + sy), seed, burn)
        base = base * (1 - 0.55 * sh[..., None])
    col, inside = parchment_array(c, box, seed, burn)
    from_array(c, base * (1 - inside[..., None]) + col * inside[..., None])


def smoke(c, seed=5, dark=(22, 20, 22), light=(70, 64, 60)):
    h, w = c.h * c.ss, c.w * c.ss
    x, y = grid(c)
    n = C.value_noise(w, h, 90 * c.ss, seed=seed, octaves=5)
    n2 = C.value_noise(w, h, 30 * c.ss, seed=seed + 1, octaves=3)
    t = np.clip(n * 1.4 - 0.35 + (n2 - 0.5) * 0.3, 0, 1)[..., None]
    vign = (1 - 0.5 * (((x / c.w - 0.5) * 1.6) ** 2 + ((y / c.h - 0.5) * 1.4) ** 2))[..., None]
    col = (np.array(dark, np.float32) * (1 - t) + np.array(light, np.float32) * t) * vign
    from_array(c, col)


def sky(c, stops, noise_amp=0.0, seed=9):
    """Vertical gradient through (y, colour) stops, optional cloud noise."""
    h, w = c.h * c.ss, c.w * c.ss
    _, y = grid(c)
    ys = np.array([s[0] for s in stops], np.float32)
    cols = np.array([s[1] for s in stops], np.float32)
    yy = np.broadcast_to(y, (h, w))
    out = np.stack([np.interp(yy, ys, cols[:, k]) for k in range(3)], axis=-1)
    if noise_amp:
        n = C.value_noise(w, h, 70 * c.ss, seed=seed, octaves=5)
        out = out * (1 + (n[..., None] - 0.5) * noise_amp)
    from_array(c, out)


def fit_font(c, words, fnt_name, max_px, max_w):
    """Largest font size (px) at which every word fits in max_w pixels."""
    px = max_px
    while px > 8 and max(c.text_width(wd, (fnt_name, px)) for wd in words) > max_w:
        px -= 0.5
    return px


def wrap(c, text, fnt, max_w):
    lines, cur = [], ""
    for word in text.split():
        trial = (cur + " " + word).strip()
        if c.text_width(trial, fnt) <= max_w:
            cur = trial
        else:
            lines.append(cur)
            cur = word
    if cur:
        lines.append(cur)
    return lines
