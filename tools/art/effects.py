"""Explosion (11 frames of 135 x 100) and muzzle flash (10 frames of 60 x 50).

Both are painted as numpy density fields at twice the size, coloured by a
heat ramp and turned into sprites whose thin parts (smoke, flame tips) are
dithered into the mask.
"""

import math

import numpy as np
from PIL import Image

from . import common as C

SS = 2

# heat ramp: (temperature, colour)
RAMP = [(0.00, (96, 90, 84)), (0.18, (112, 52, 36)), (0.40, (204, 78, 34)),
        (0.62, (246, 150, 48)), (0.82, (255, 220, 120)), (1.00, (255, 252, 226))]


def _ramp(t):
    t = np.clip(t, 0, 1)
    out = np.zeros(t.shape + (3,), np.float32)
    for (t0, c0), (t1, c1) in zip(RAMP[:-1], RAMP[1:]):
        sel = (t >= t0) & (t <= t1)
        f = ((t - t0) / (t1 - t0))[sel][:, None]
        out[sel] = np.array(c0, np.float32) * (1 - f) + np.array(c1, np.float32) * f
    return out


def _sprite(rgb, alpha, w, h, dither=True):
    rgba = np.dstack([np.clip(rgb, 0, 255), np.clip(alpha, 0, 1) * 255]).astype(np.uint8)
    small = Image.fromarray(rgba, "RGBA").resize((w, h), Image.LANCZOS)
    return C.split_sprite(small, dither=dither)


def explosion_frame(f):
    """Frame f = 1..11: white core, growing fireball, smoke, last wisp."""
    w, h = 135, 100
    W, H = w * SS, h * SS
    t = (f - 1) / 10.0
    rng = np.random.default_rng(1000)          # same puffs in every frame
    n = 16
    ang = rng.uniform(0, 2 * math.pi, n)
    dist = rng.uniform(0.0, 0.55, n)
    size = rng.uniform(0.45, 0.75, n)
    grow = [0, 13, 24, 33, 40, 44, 46, 47, 47, 46, 44][f - 1]
    rise = 16.0 * max(0.0, t - 0.25) ** 1.2
    cx, cy = 67.0, 54.0 - rise
    yy, xx = np.mgrid[0:H, 0:W].astype(np.float32) / SS
    dens = np.full((H, W), -4.0, np.float32)
    for i in range(n):
        px = cx + math.cos(ang[i]) * dist[i] * grow * 1.25
        py = cy + math.sin(ang[i]) * dist[i] * grow * 0.95 - rise * dist[i]
        r = max(3.0, size[i] * grow)
        d = np.hypot(xx - px, (yy - py) * 1.1) / r
        dens = np.maximum(dens, 1.0 - d * d)
    noise = C.value_noise(W, H, 14 * SS, seed=77 + f, octaves=3)
    dens = dens + (noise - 0.5) * (0.35 + 0.4 * t)
    heat = max(0.0, 1.0 - t * 1.45)
    core = np.clip(1.0 - np.hypot(xx - cx, yy - cy) / max(grow, 6.0), 0, 1)
    temp = heat * (0.45 * np.clip(dens, 0, 1) + 0.75 * core) + 0.06 * heat
    rgb = _ramp(temp)
    # the smoke brightens and cools as it thins
    smoke = np.array([110, 106, 100], np.float32) + 30 * t
    cool = np.clip(1.0 - temp * 3.0, 0, 1)[..., None]
    rgb = rgb * (1 - cool) + smoke * cool * (0.8 + 0.25 * noise[..., None])
    opacity = [1.0, 1.0, 1.0, 1.0, 1.0, 0.95, 0.85, 0.7, 0.5, 0.32, 0.18][f - 1]
    alpha = np.clip(dens / 0.22, 0, 1) * opacity
    if f == 1:
        # a hot white star at the moment of impact
        a = np.arctan2(yy - cy, xx - cx)
        rr = np.hypot(xx - cx, yy - cy)
        star = np.clip(1.0 - rr / (9 + 8 * np.abs(np.cos(4 * a)) ** 6), 0, 1)
        alpha = np.maximum(alpha, np.clip(star * 2.5, 0, 1))
        rgb = np.where((star > 0)[..., None], _ramp(0.75 + 0.3 * star), rgb)
    if 2 <= f <= 5:
        # flying debris
        drng = np.random.default_rng(2000)
        for _ in range(10):
            a0 = drng.uniform(-math.pi, 0.2)
            sp = drng.uniform(0.9, 1.5)
            px = cx + math.cos(a0) * grow * sp
            py = cy + math.sin(a0) * grow * sp * 0.9 + (f - 2) * 2.0
            sel = np.hypot(xx - px, yy - py) < 1.4
            rgb[sel] = (60, 48, 40)
            alpha[sel] = 1.0
    return _sprite(rgb, alpha, w, h)


# where the muzzle sits inside a flash frame (it moves a little with the
# elevation, so the burst is centred on the middle of that range)
FLASH_ORIGIN = (19.0, 35.0)


def flash_frame(f):
    """Frame f = 1..10: a star pointing right, shrinking into a puff."""
    w, h = 60, 50
    W, H = w * SS, h * SS
    ox, oy = FLASH_ORIGIN
    yy, xx = np.mgrid[0:H, 0:W].astype(np.float32) / SS
    alpha = np.zeros((H, W), np.float32)
    temp = np.zeros((H, W), np.float32)
    star = [1.0, 0.85, 0.62, 0.4, 0.22, 0.1, 0, 0, 0, 0][f - 1]
    # spikes: direction (degrees above the horizon), length factor, half width
    spikes = [(0, 1.0, 5.5), (38, 0.85, 5.0), (75, 0.55, 4.0), (-25, 0.45, 3.5), (150, 0.25, 3.0),
              (-100, 0.2, 3.0), (110, 0.3, 3.0)]
    if star > 0:
        for deg, lf, hw in spikes:
            a = math.radians(deg)
            dx, dy = math.cos(a), -math.sin(a)
            along = (xx - ox) * dx + (yy - oy) * dy
            perp = np.abs(-(xx - ox) * dy + (yy - oy) * dx)
            L = 40.0 * lf * star + 4
            inside = np.clip((hw * (1 - along / L) - perp) / 1.2, 0, 1) * (along > -1) * (along < L)
            alpha = np.maximum(alpha, inside)
            temp = np.maximum(temp, inside * (1.0 - 0.55 * np.clip(along / L, 0, 1)))
        rr = np.hypot(xx - ox, yy - oy)
        core = np.clip((3 + 4.5 * star - rr) / 1.5, 0, 1)
        alpha = np.maximum(alpha, core)
        temp = np.maximum(temp, core * 1.0)
        temp *= 0.55 + 0.45 * star
    # smoke puff drifting up and to the right
    if f >= 3:
        s = (f - 3) / 7.0
        noise = C.value_noise(W, H, 6 * SS, seed=300 + f, octaves=3)
        dens = np.full((H, W), -4.0, np.float32)
        for px, py, r in [(8, -2, 7), (16, -6, 6), (3, -8, 5.5), (22, 0, 5)]:
            cx = ox + px * (0.6 + s * 1.4)
            cy = oy + py * (0.6 + s * 1.3)
            rad = r * (0.7 + s * 0.9)
            d = np.hypot(xx - cx, yy - cy) / rad
            dens = np.maximum(dens, 1 - d * d)
        dens = dens + (noise - 0.5) * 0.5
        sa = np.clip(dens / 0.3, 0, 1) * (0.95 - 0.8 * s)
        smoke_here = sa > alpha
        alpha = np.maximum(alpha, sa)
        temp = np.where(smoke_here, 0.0, temp)
    rgb = _ramp(0.35 + 0.65 * temp)
    grey = np.array([176, 170, 160], np.float32)
    rgb = np.where((temp <= 0)[..., None], grey, rgb)
    return _sprite(rgb, alpha, w, h)


def build(out):
    for f in range(1, 12):
        pic, mask = explosion_frame(f)
        out.pair("ImgListBumPic_%d" % f, "ImgListBumMask_%d" % f, pic, mask)
    for f in range(1, 11):
        pic, mask = flash_frame(f)
        out.pair("ImgListShotPic_%d" % f, "ImgListShotMask_%d" % f, pic, mask)
