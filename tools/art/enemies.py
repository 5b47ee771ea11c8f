"""The six enemy kinds, all facing left (they drive and fly towards the gun)."""

import math

from . import common as C

TRACK = (74, 72, 66)
TRACK_HI = (120, 116, 104)
GLASS = (150, 178, 190)
RUST = (140, 92, 58)


def _path_points(pts, step):
    """Points every `step` pixels along a closed polygon, with the edge direction."""
    out = []
    n = len(pts)
    carry = 0.0
    for i in range(n):
        (x0, y0), (x1, y1) = pts[i], pts[(i + 1) % n]
        seg = math.hypot(x1 - x0, y1 - y0)
        if seg == 0:
            continue
        dx, dy = (x1 - x0) / seg, (y1 - y0) / seg
        d = carry
        while d < seg:
            out.append((x0 + dx * d, y0 + dy * d, dx, dy))
            d += step
        carry = d - seg
    return out


def _rivets(c, pts, col=None):
    col = col or (60, 62, 40)
    for x, y in pts:
        c.circle(x, y, 0.7, col, None)


def tank():
    """Rhomboid tank: all-round tracks, raised front horn, side sponson."""
    c = C.Canvas(141, 50)
    outer = [(2, 9), (12, 2.5), (121, 2.5), (133, 7), (139.5, 27), (129, 47.5), (36, 47.5), (2, 15)]
    c.shade("poly", outer, TRACK_HI, TRACK, width=1.2)
    # track plates along the band
    inner = [(11, 10), (18, 8.5), (118, 8.5), (127, 12), (131, 27), (123, 41), (40, 41), (11, 15.5)]
    for x, y, dx, dy in _path_points(outer, 4.2):
        # short cross-line from the outer edge towards the hull
        c.line([(x + dy * 0.8, y - dx * 0.8), (x + dy * -4.2, y - dx * -4.2)], (52, 50, 46), 0.7)
    c.shade("poly", inner, C.lighter(C.OLIVE, 0.18), C.darker(C.OLIVE, 0.35), width=1.0)
    # rivet rows and plate seams
    _rivets(c, [(x, 11.2) for x in range(22, 118, 6)])
    _rivets(c, [(x, 38.5) for x in range(44, 120, 6)])
    for x in (40, 100, 116):
        c.line([(x, 9.5), (x, 40)], C.darker(C.OLIVE, 0.45), 0.6)
    # rollers seen through the lower run of the track
    for x in range(46, 124, 11):
        c.circle(x, 44.3, 2.0, (96, 94, 86), C.OUTLINE, 0.5)
    # sponson with its short gun
    c.shade("poly", [(56, 15), (88, 15), (92, 22), (90, 37), (56, 37), (52, 27)],
            C.lighter(C.OLIVE, 0.1), C.darker(C.OLIVE, 0.45), width=1.0)
    c.shade("rect", (31, 24.2, 54, 28.6), (120, 118, 108), (58, 56, 52), width=0.8)
    c.shade("ellipse", (50, 21, 60, 32), (112, 116, 82), (50, 52, 34), radial=True, width=0.8)
    c.rect((64, 22, 78, 24), (38, 32, 26), None)
    _rivets(c, [(60, 18), (86, 18), (60, 34), (86, 34)])
    # rear exhaust and a hatch on the roof line
    c.shade("rect", (104, 16, 113, 26, 1.5), (112, 116, 82), (62, 64, 40), width=0.8)
    c.line([(20, 18), (34, 18)], C.darker(C.OLIVE, 0.45), 0.8)
    return c


def armoured_car():
    """Armoured car on spoked wheels with a small machine-gun turret."""
    c = C.Canvas(100, 52)
    grey = C.FIELD_GREY
    # turret and machine gun first, the body overlaps their bottom
    c.shade("rect", (26, 5.2, 47, 7.8), (120, 120, 112), (56, 56, 52), width=0.8)
    c.shade("poly", [(44, 11), (47, 3), (55, 1), (68, 1.5), (73, 5), (74, 12)],
            C.lighter(grey, 0.2), C.darker(grey, 0.4), width=1.0)
    c.rect((52, 5, 60, 6.6), (40, 34, 28), None)
    body = [(2, 31), (6, 22), (24, 18), (32, 11), (88, 11), (97, 17), (98, 36), (89, 37),
            (86, 32), (67, 32), (63, 37), (35, 37), (31, 32), (13, 32), (9, 37), (3, 37)]
    c.shade("poly", body, C.lighter(grey, 0.18), C.darker(grey, 0.42), width=1.1)
    # radiator louvres on the bonnet
    c.shade("poly", [(3, 31), (6, 23.5), (9, 23), (7, 32)], (86, 88, 82), (50, 50, 48), width=0.6)
    for y in (25, 27.5, 30):
        c.line([(4.5, y), (8, y - 0.3)], (40, 40, 38), 0.5)
    # plate seams, vision slits, door
    c.line([(32, 12), (32, 31)], C.darker(grey, 0.45), 0.6)
    c.rect((40, 15, 52, 17), (38, 34, 30), None)
    c.rect((60, 15, 70, 17), (38, 34, 30), None)
    c.rect((74, 14, 86, 30), None, C.darker(grey, 0.5), 0.6)
    c.circle(84, 22, 0.8, (50, 50, 46), None)
    _rivets(c, [(x, 12.8) for x in range(36, 88, 5)], (70, 72, 66))
    _rivets(c, [(x, 29.5) for x in range(36, 64, 5)], (70, 72, 66))
    # mudguards
    c.line([(9, 34), (12, 30.5), (32, 30.5), (35, 34)], C.darker(grey, 0.5), 1.0)
    c.line([(63, 34), (66, 30.5), (86, 30.5), (89, 34)], C.darker(grey, 0.5), 1.0)
    for cx in (22, 76):
        _spoked_wheel(c, cx, 41.3, 10.2)
    return c


def _spoked_wheel(c, cx, cy, r):
    c.circle(cx, cy, r, (56, 54, 50), C.OUTLINE, 1.0)
    c.shade("ellipse", (cx - r + 2.6, cy - r + 2.6, cx + r - 2.6, cy + r - 2.6), (150, 140, 118),
            (90, 80, 64), width=0.6)
    for i in range(8):
        t = math.radians(i * 45 + 10)
        c.line([(cx + 2 * math.cos(t), cy + 2 * math.sin(t)),
                (cx + (r - 2.8) * math.cos(t), cy + (r - 2.8) * math.sin(t))], (72, 62, 48), 0.9)
    c.shade("ellipse", (cx - 2.6, cy - 2.6, cx + 2.6, cy + 2.6), (150, 150, 146), (60, 60, 58),
            radial=True, width=0.6)


def gun_carrier():
    """Tall tracked gun carrier behind a big slanted gun shield."""
    c = C.Canvas(140, 95)
    ol = C.OLIVE
    # crew compartment and hull
    c.shade("poly", [(58, 22), (112, 22), (120, 30), (120, 50), (58, 50)],
            C.lighter(ol, 0.15), C.darker(ol, 0.4), width=1.0)
    c.rect((70, 28, 84, 31), (40, 36, 28), None)
    c.rect((92, 28, 106, 31), (40, 36, 28), None)
    _rivets(c, [(x, 24.5) for x in range(62, 118, 6)])
    c.shade("poly", [(6, 70), (14, 46), (128, 46), (136, 55), (136, 70)],
            C.lighter(ol, 0.1), C.darker(ol, 0.45), width=1.1)
    c.line([(14, 56), (134, 56)], C.darker(ol, 0.45), 0.6)
    _rivets(c, [(x, 50) for x in range(20, 130, 7)])
    # tracks with road wheels
    c.shade("rect", (2, 66, 138, 94, 13.5), TRACK_HI, TRACK, width=1.2)
    for x, y, dx, dy in _path_points([(15, 66.5), (125, 66.5), (137.5, 80), (125, 93.5),
                                       (15, 93.5), (2.5, 80)], 4.0):
        c.line([(x, y), (x + dy * -3.0, y - dx * -3.0)], (50, 48, 44), 0.7)
    c.shade("rect", (7, 70, 133, 90, 10), (62, 60, 56), (44, 42, 40), width=0.6)
    for x in (16, 124):
        c.shade("ellipse", (x - 8, 72, x + 8, 88), (132, 130, 120), (66, 64, 60), radial=True, width=0.9)
        c.circle(x, 80, 2.2, (70, 68, 62), C.OUTLINE, 0.6)
    for x in range(34, 110, 18):
        c.shade("ellipse", (x - 7, 73, x + 7, 87), (120, 118, 108), (62, 60, 56), radial=True, width=0.9)
        c.circle(x, 80, 2.0, (70, 68, 62), C.OUTLINE, 0.6)
    # the gun: barrel with recoil cylinder and muzzle brake
    c.shade("rect", (10, 37, 44, 41), (100, 102, 96), (52, 52, 50), width=0.8)
    c.shade("rect", (1, 27.5, 46, 33.5), (150, 150, 142), (60, 60, 58), width=1.0)
    c.shade("rect", (0.5, 25.5, 8, 35.5, 1), (130, 130, 124), (56, 56, 54), width=0.9)
    c.line([(3, 27), (3, 34)], (50, 50, 48), 0.6)
    # the shield
    shield = [(30, 9), (50, 4), (58, 6), (60, 62), (32, 64), (26, 40)]
    c.shade("poly", shield, C.lighter(ol, 0.25), C.darker(ol, 0.5), width=1.2)
    c.line([(33, 12), (50, 7.5)], C.lighter(ol, 0.45), 0.8)
    c.shade("ellipse", (33, 22, 47, 38), (116, 120, 86), (52, 54, 36), radial=True, width=0.9)
    c.rect((38, 14, 50, 16), (40, 36, 28), None)
    _rivets(c, [(31, 44), (33, 55), (57, 12), (58, 30), (58, 48), (58, 58)])
    return c


WING_SHAPES = {
    # shoulder, wrist, tip, then the scalloped trailing edge back to the hip
    0: [(19, 13), (21, 3), (38, 0.6), (36.5, 4), (34, 6), (33.5, 9), (31, 11), (30, 14.5)],
    1: [(19, 13), (27, 8.4), (46.5, 7.5), (41, 10.5), (37.5, 11.5), (35, 14), (32, 15), (30, 16.5)],
    2: [(19, 14), (20.5, 22), (32, 28.5), (33.5, 25), (32.5, 22.5), (32.5, 20), (31, 18.5), (30, 16.5)],
}


def _wing(c, pts, col, dark, dx=0.0, dy=0.0):
    pts = [(x + dx, y + dy) for x, y in pts]
    c.shade("poly", pts, col, dark, width=0.8)
    wrist = pts[1]
    for p in pts[3:7:1]:
        c.line([wrist, p], C.darker(col, 0.3), 0.45)
    c.line(pts[:3], C.darker(col, 0.5), 0.9)


def reptile(phase):
    """Flying reptile; phase 0 wings up, 1 level, 2 down."""
    c = C.Canvas(48, 29)
    skin, skin_d = (164, 104, 74), (92, 56, 42)
    memb, memb_d = (200, 146, 104), (130, 86, 62)
    far_shift = {0: (-4, 1.5), 1: (-3, 1.5), 2: (-4, -1.5)}[phase]
    # far wing behind the body
    _wing(c, WING_SHAPES[phase], C.darker(memb, 0.25), C.darker(memb_d, 0.25), *far_shift)
    # tail
    c.shade("poly", [(30, 15), (47, 17.5), (46.5, 19.5), (30, 19)], skin, skin_d, width=0.7)
    c.poly([(44.5, 16.2), (47.5, 15.5), (47.5, 20.5), (44.5, 19.8)], (120, 60, 44), C.OUTLINE, 0.6)
    # body, legs, neck and head
    c.shade("ellipse", (16, 12, 34, 21), skin, skin_d, width=0.9)
    c.line([(27, 20), (30, 24), (33, 24)], C.OUTLINE, 0.9)
    c.shade("poly", [(17, 15), (12, 11.5), (14, 10), (19, 13)], skin, skin_d, width=0.7)
    c.shade("poly", [(0.6, 12.2), (9, 10.5), (13, 8.5), (21, 5.5), (15, 10.5), (15.5, 13.2),
                     (10, 13.6), (1, 13.2)], (176, 116, 80), skin_d, width=0.8)
    c.circle(12.2, 10.6, 0.8, (230, 200, 90), None)
    # near wing over the body
    _wing(c, WING_SHAPES[phase], memb, memb_d)
    return c


def jet_machine(phase):
    """Jet-driven flying machine; the two frames differ in flame length and colour."""
    c = C.Canvas(144, 62)
    soft = C.Canvas(144, 62)
    steel, steel_d = (150, 156, 158), (70, 74, 78)
    # flame (soft layer, dithered into the mask)
    if phase == 0:
        tip, cols = 143.0, [((255, 214, 120), 0.55, 12.0), ((255, 240, 180), 0.85, 8.0),
                            ((255, 255, 236), 1.0, 4.2)]
    else:
        tip, cols = 128.0, [((236, 112, 48), 0.6, 10.5), ((255, 176, 80), 0.9, 6.8),
                            ((255, 236, 170), 1.0, 3.4)]
    for col, a, hw in cols:
        length = (tip - 110) * (0.55 + 0.45 * (hw / 12.0) ** 0.3)
        soft.draw.polygon(soft.p([(108, 31 - hw), (108 + length * 0.35, 31 - hw * 0.8),
                                  (108 + length, 31), (108 + length * 0.35, 31 + hw * 0.8),
                                  (108, 31 + hw)]), fill=col + (int(255 * a),))
    # tail fin and tailplane
    c.shade("poly", [(84, 20), (92, 3), (102, 2), (106, 22)], C.lighter(steel, 0.1), steel_d, width=1.0)
    c.line([(93, 6), (101, 5.5)], (150, 60, 48), 1.6)
    # fuselage
    top, bot = [], []
    for i in range(41):
        x = 2 + i * 2.6
        f = (x - 2) / 104.0
        hw = 12.5 * min(1.0, math.sqrt(max(f, 0) / 0.22)) * (1.0 - 0.25 * max(0, f - 0.6) / 0.4)
        top.append((x, 31 - hw * 1.02))
        bot.append((x, 31 + hw * 0.95))
    body = top + [(108, 22), (108, 40)] + bot[::-1]
    c.shade("poly", body, C.lighter(steel, 0.25), steel_d, width=1.2)
    c.line([(10, 30), (100, 30)], (120, 126, 128), 0.5)
    for x in (30, 62, 88):
        c.line([(x, 20), (x, 42)], C.darker(steel, 0.35), 0.5)
    c.line([(14, 35), (96, 35)], (150, 60, 48), 1.4)
    # canopy
    c.shade("ellipse", (20, 13, 46, 26), C.lighter(GLASS, 0.4), C.darker(GLASS, 0.45), width=0.9)
    c.line([(30, 14), (30, 24)], C.OUTLINE, 0.6)
    c.line([(24, 17), (29, 15)], (240, 248, 250), 0.9)
    # nozzle ring
    c.shade("rect", (102, 21, 111, 41, 2), (110, 104, 96), (56, 50, 46), width=1.0)
    c.rect((109, 24, 111, 38), (60, 40, 30), None)
    # stubby swept wing
    c.shade("poly", [(48, 36), (66, 34), (86, 51), (76, 52)], C.lighter(steel, 0.15), steel_d, width=1.0)
    return c, soft


def biplane():
    """Biplane with two wings, struts and a blurred propeller disc."""
    c = C.Canvas(100, 47)
    soft = C.Canvas(100, 47)
    canvas_col, canvas_d = (176, 160, 110), (104, 92, 58)
    wing_col, wing_d = (150, 144, 96), (86, 82, 50)
    # propeller disc (soft) and hub
    soft.draw.ellipse(soft.b((1.5, 2.5, 10, 41.5)), fill=(196, 192, 176, 110))
    soft.draw.ellipse(soft.b((3.5, 8, 8, 36)), fill=(220, 216, 200, 70))
    # tail
    c.shade("poly", [(82, 18), (87, 5), (94, 4), (98, 19)], canvas_col, canvas_d, width=0.9)
    c.line([(89, 6), (93, 5.5), (96, 18)], C.darker(canvas_col, 0.3), 0.5)
    c.shade("rect", (76, 19.5, 99, 23.5, 1.5), wing_col, wing_d, width=0.8)
    # lower wing
    c.shade("rect", (16, 29, 60, 33.2, 2), wing_col, wing_d, width=0.9)
    # landing gear
    c.line([(26, 31), (30, 41)], (70, 60, 44), 1.2)
    c.line([(38, 31), (30, 41)], (70, 60, 44), 1.2)
    c.circle(30, 41, 5.0, (60, 56, 50), C.OUTLINE, 0.9)
    c.circle(30, 41, 2.2, (150, 146, 136), None)
    # fuselage
    body = [(9, 15), (20, 13), (60, 15), (96, 19.5), (97, 23), (60, 28.5), (20, 31), (9, 29)]
    c.shade("poly", body, C.lighter(canvas_col, 0.2), canvas_d, width=1.1)
    c.line([(22, 22), (92, 21.5)], C.darker(canvas_col, 0.25), 0.5)
    for x in (58, 66, 74):
        c.line([(x, 16), (x, 27)], C.darker(canvas_col, 0.2), 0.45)
    c.line([(52, 18.5), (90, 20.2)], (130, 62, 48), 1.2)
    # engine cowling with exhaust
    c.shade("rect", (8, 13.5, 21, 30.5, 3), (140, 140, 134), (62, 62, 60), width=1.0)
    for y in (17, 21, 25):
        c.line([(11, y), (19, y)], (72, 72, 70), 0.6)
    c.line([(20, 25), (27, 27)], (60, 52, 46), 1.2)
    # cockpit and pilot
    c.shade("ellipse", (41, 7, 48, 14), (120, 82, 52), (60, 40, 26), width=0.8)
    c.rect((40.5, 9.8, 47, 11.2), (200, 220, 226), None)
    c.line([(38, 14.2), (50, 14.6)], C.OUTLINE, 1.0)
    # upper wing with interplane and cabane struts
    for x0, x1 in ((24, 24), (54, 54)):
        c.line([(x0, 6), (x1, 30)], (76, 62, 44), 1.0)
    c.line([(30, 6), (33, 14)], (76, 62, 44), 0.9)
    c.line([(37, 6), (34, 14)], (76, 62, 44), 0.9)
    c.line([(24, 8), (54, 29)], (90, 84, 74), 0.35)
    c.shade("rect", (14, 3, 64, 7.6, 2.2), C.lighter(wing_col, 0.15), wing_d, width=0.9)
    c.circle(8.5, 22, 2.6, (170, 166, 156), C.OUTLINE, 0.8)
    return c, soft


def build(out):
    pic, mask = C.finish(tank())
    out.pair("ImgMobPic1", "ImgMobMask1", pic, mask)
    pic, mask = C.finish(armoured_car())
    out.pair("ImgMobPic2", "ImgMobMask2", pic, mask)
    pic, mask = C.finish(gun_carrier())
    out.pair("ImgMobPic3", "ImgMobMask3", pic, mask)
    for k in range(3):
        pic, mask = C.finish(reptile(k))
        out.pair("ImgMobPic4_%d" % k, "ImgMobMask4_%d" % k, pic, mask)
    for k in range(2):
        cv, soft = jet_machine(k)
        pic, mask = C.finish(cv, soft=soft)
        out.pair("ImgMobPic5_%d" % k, "ImgMobMask5_%d" % k, pic, mask)
    cv, soft = biplane()
    pic, mask = C.finish(cv, soft=soft)
    out.pair("ImgMobPic6_0", "ImgMobMask6_0", pic, mask)
