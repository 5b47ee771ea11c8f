"""The player's field gun (7 elevations) and the cannonball."""

import math

from PIL import Image

from . import common as C

FRAME_W, FRAME_H = 99, 108
FRAME_POS = (20, 390)          # where the battle window draws the gun frame
PIVOT = (55.0, 52.0)           # trunnion, in frame pixels
BARREL_LEN = 41.5              # trunnion to muzzle face
WHEEL = (50.0, 82.0, 24.0)     # centre x, centre y, radius

# Top-left corner of the cannonball sprite when a shot leaves the gun, per
# elevation step; the ball is 25 x 25, so its centre is 12 px further on.
LAUNCH = {0: (115, 430), 15: (112, 415), 30: (105, 405), 45: (100, 390),
          60: (87, 380), 75: (75, 372), 90: (63, 370)}


def barrel_direction(step):
    """Barrel angle (degrees above the horizon) that points at the ball."""
    lx, ly = LAUNCH[15 * step]
    bx = lx + 12 - FRAME_POS[0] - PIVOT[0]
    by = ly + 12 - FRAME_POS[1] - PIVOT[1]
    return math.degrees(math.atan2(-by, bx))


def muzzle_point(step):
    """Muzzle centre in battle-window pixels."""
    a = math.radians(barrel_direction(step))
    return (FRAME_POS[0] + PIVOT[0] + BARREL_LEN * math.cos(a),
            FRAME_POS[1] + PIVOT[1] - BARREL_LEN * math.sin(a))


def _barrel_outline():
    # (u along the bore, v across it) half-profile from breech to muzzle
    prof = [(-16.5, 7.2), (-14.5, 8.0), (-12.5, 8.0), (-12.0, 7.4), (-4.5, 7.0), (-4.0, 7.5),
            (-2.5, 7.5), (-2.0, 6.8), (30.0, 5.0), (33.0, 5.0), (35.0, 5.8), (41.5, 6.2),
            (43.0, 6.0)]
    k = BARREL_LEN / 43.0
    prof = [(u * k if u > 0 else u, v) for u, v in prof]
    top = [(u, -v) for u, v in prof]
    bot = [(u, v) for u, v in reversed(prof)]
    return top + bot


def _to_frame(pts, angle):
    px, py = PIVOT
    a = math.radians(angle)
    ca, sa = math.cos(a), math.sin(a)
    return [(px + u * ca + v * sa, py - u * sa + v * ca) for u, v in pts]


def draw_gun(angle, ss=4):
    """One gun frame with the barrel raised `angle` degrees, as a Canvas."""
    c = C.Canvas(FRAME_W, FRAME_H, ss)
    wood, wood_hi, wood_lo = C.WOOD, C.WOOD_HI, C.WOOD_LO

    # trail resting on the ground to the left, with its spade
    trail = [(47, 70), (60, 79), (58, 86), (12, 104.5), (3, 104.5), (3, 99)]
    c.shade("poly", trail, wood_hi, wood_lo)
    c.line([(10, 99), (47, 78)], C.darker(wood, 0.2), 1)
    c.shade("poly", [(2, 97), (7, 96), (8, 106), (2, 106)], C.IRON, C.darker(C.IRON, 0.3))
    # cheek of the carriage carrying the trunnions
    cheek = [(42, 47), (63, 44), (72, 72), (60, 84), (40, 80)]
    c.shade("poly", cheek, wood_hi, wood_lo)
    c.line([(46, 51), (61, 49)], C.lighter(wood, 0.35), 0.8)
    for bx, by in [(45, 76), (66, 74), (48, 52)]:
        c.circle(bx, by, 1.2, C.IRON, None)

    # the bronze barrel
    outline = _to_frame(_barrel_outline(), angle)
    a = math.radians(angle)
    normal = (-math.sin(a) - 0.25, -math.cos(a))
    c.shade("poly", outline, C.BRONZE_HI, C.darker(C.BRONZE, 0.45), light=normal, width=1.0)
    # highlight streak along the upper side
    c.line(_to_frame([(-11, -4.6), (31, -3.0)], angle), C.lighter(C.BRONZE_HI, 0.35), 1.1)
    # reinforcing rings
    for u, hv in [(-12.2, 7.6), (-2.2, 7.2), (33.0, 5.2), (35.2, 6.0)]:
        u = u * BARREL_LEN / 43.0 if u > 0 else u
        c.line(_to_frame([(u, -hv), (u, hv)], angle), C.darker(C.BRONZE, 0.5), 0.8)
    # cascabel knob
    kx, ky = _to_frame([(-19.5, 0)], angle)[0]
    c.shade("ellipse", (kx - 3, ky - 3, kx + 3, ky + 3), C.BRONZE_HI, C.darker(C.BRONZE, 0.4), radial=True)
    # muzzle face and bore
    face = [(BARREL_LEN + 1.4 * math.cos(t), 6.0 * math.sin(t)) for t in [i * math.pi / 12 for i in range(24)]]
    c.poly(_to_frame(face, angle), C.darker(C.BRONZE, 0.25), C.OUTLINE, 0.8)
    bore = [(BARREL_LEN + 0.2 + 0.9 * math.cos(t), 3.2 * math.sin(t)) for t in [i * math.pi / 12 for i in range(24)]]
    c.poly(_to_frame(bore, angle), (36, 26, 20), None, 0)
    # trunnion cap
    c.shade("ellipse", (PIVOT[0] - 3.6, PIVOT[1] - 3.6, PIVOT[0] + 3.6, PIVOT[1] + 3.6),
            (150, 150, 150), (60, 58, 56), radial=True, width=0.9)

    # spoked wheel in front, on its own layer so the gaps stay open
    w = C.Canvas(FRAME_W, FRAME_H, ss)
    cx, cy, r = WHEEL
    w.circle(cx, cy, r, C.IRON, C.OUTLINE, 1.0)
    w.shade("ellipse", (cx - r + 2.4, cy - r + 2.4, cx + r - 2.4, cy + r - 2.4), wood_hi, wood_lo,
            outline=C.OUTLINE, width=0.8)
    ri = r - 6.0
    w.draw.ellipse(w.b((cx - ri, cy - ri, cx + ri, cy + ri)), fill=(0, 0, 0, 0))
    w.ellipse((cx - ri, cy - ri, cx + ri, cy + ri), None, C.OUTLINE, 0.9)
    for i in range(12):
        t = math.radians(i * 30 + 8)
        p0 = (cx + 4.5 * math.cos(t), cy + 4.5 * math.sin(t))
        p1 = (cx + (ri + 0.5) * math.cos(t), cy + (ri + 0.5) * math.sin(t))
        w.line([p0, p1], C.OUTLINE, 3.0)
        w.line([p0, p1], C.mix(wood_hi, wood, 0.5 + 0.4 * math.sin(t)), 1.7)
    w.shade("ellipse", (cx - 6, cy - 6, cx + 6, cy + 6), (140, 138, 132), (55, 52, 50), radial=True,
            width=1.0)
    w.circle(cx, cy, 1.8, (40, 36, 32), None)
    c.paste_layer(w)
    return c


def gun_frames():
    return [draw_gun(barrel_direction(k)) for k in range(7)]


def draw_ball(ss=4):
    c = C.Canvas(25, 25, ss)
    c.shade("ellipse", (3.5, 3.5, 21.5, 21.5), (150, 150, 154), (32, 30, 32), radial=True,
            light=(-0.9, -0.9), width=1.2)
    c.circle(9.0, 9.0, 2.2, (205, 205, 210), None)
    return c


def build(out):
    for k, cv in enumerate(gun_frames()):
        pic, mask = C.finish(cv)
        out.pair("ImgGunPic_%d" % k, "ImgGunMask_%d" % k, pic, mask)
    pic, mask = C.finish(draw_ball())
    out.pair("ImgKernelPic", "ImgKernelMask", pic, mask)


def gun_picture(angle, scale):
    """A larger painted gun (for the screens), RGBA."""
    ss = 4 * int(math.ceil(scale))
    cv = draw_gun(angle, ss)
    return cv.img.resize((int(FRAME_W * scale), int(FRAME_H * scale)), Image.LANCZOS)
