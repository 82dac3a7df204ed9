"""The larger pictures: logo, menu backdrop, help overview, end picture and
the town with its four buildings (see art/STYLE.md)."""
import math

from artlib import PALETTE as P
from artlib import Svg, text

INK = P["ink"]


# --- primitives ---------------------------------------------------------------
def rect(x, y, w, h, fill, stroke=INK, sw=2, rx=0, extra=""):
    s = '<rect x="%s" y="%s" width="%s" height="%s" fill="%s"' % (x, y, w, h, fill)
    if rx:
        s += ' rx="%s"' % rx
    if stroke:
        s += ' stroke="%s" stroke-width="%s" stroke-linejoin="round"' % (stroke, sw)
    return s + extra + "/>"


def poly(points, fill, stroke=INK, sw=2, extra=""):
    pts = " ".join("%s,%s" % p for p in points)
    s = '<polygon points="%s" fill="%s"' % (pts, fill)
    if stroke:
        s += ' stroke="%s" stroke-width="%s" stroke-linejoin="round"' % (stroke, sw)
    return s + extra + "/>"


def circle(cx, cy, r, fill, stroke=INK, sw=2, extra=""):
    s = '<circle cx="%s" cy="%s" r="%s" fill="%s"' % (cx, cy, r, fill)
    if stroke:
        s += ' stroke="%s" stroke-width="%s"' % (stroke, sw)
    return s + extra + "/>"


def line(x1, y1, x2, y2, colour=INK, sw=2):
    return ('<line x1="%s" y1="%s" x2="%s" y2="%s" stroke="%s" stroke-width="%s" '
            'stroke-linecap="round"/>' % (x1, y1, x2, y2, colour, sw))


def group(parts, dx=0, dy=0, scale=1):
    t = "translate(%s %s)" % (dx, dy)
    if scale != 1:
        t += " scale(%s)" % scale
    return '<g transform="%s">%s</g>' % (t, "".join(parts))


def star(cx, cy, r, fill):
    pts = []
    for i in range(10):
        a = -math.pi / 2 + i * math.pi / 5
        rr = r if i % 2 == 0 else r * 0.48
        pts.append(("%.2f" % (cx + rr * math.cos(a)), "%.2f" % (cy + rr * math.sin(a))))
    return poly(pts, fill, INK, 1.5)


def window(x, y, w, h, frame=None):
    """A glass window with a light frame and cross bars."""
    frame = frame or P["light"]
    return "".join([
        rect(x, y, w, h, P["glass"], INK, 2),
        rect(x + 3, y + 3, w * 0.35, h * 0.3, P["sky_light"], None),
        line(x + w / 2, y + 1, x + w / 2, y + h - 1, frame, 2.5),
        line(x + 1, y + h * 0.45, x + w - 1, y + h * 0.45, frame, 2.5),
        rect(x, y, w, h, "none", INK, 2),
    ])


def coin(cx, cy, r, label=True):
    parts = [circle(cx, cy, r, P["butter"], INK, 2), circle(cx, cy, r * 0.72, "none", P["accent_dark"], 1.5)]
    if label:
        parts.append(text(cx, cy + r * 0.32, "kr", round(r * 0.9), P["accent_dark"], anchor="middle"))
    return "".join(parts)


def tree(x, ground, size=22):
    return "".join([
        rect(x - 3, ground - size - 20, 6, size + 20, P["wood"], INK, 2),
        circle(x, ground - size - 24, size, P["leaf"], INK, 2),
        circle(x - size * 0.3, ground - size - 30, size * 0.45, P["grass"], None),
        circle(x + size * 0.35, ground - size - 14, size * 0.35, P["leaf_dark"], None),
    ])


def cloud(cx, cy, k=1.0):
    c = P["light"]
    return "".join([
        '<ellipse cx="%s" cy="%s" rx="%s" ry="%s" fill="%s"/>' % (cx, cy + 6 * k, 46 * k, 14 * k, c),
        circle(cx - 16 * k, cy, 18 * k, c, None),
        circle(cx + 12 * k, cy - 6 * k, 22 * k, c, None),
    ])


def card(x, y, w, h, fill=None, title=None):
    parts = [rect(x, y + 4, w, h, P["sand"], None, rx=14),
             rect(x, y, w, h, fill or P["light"], INK, 2.5, rx=14)]
    if title:
        parts.append(text(x + 18, y + 32, title, 22, INK))
    return "".join(parts)


# --- difficulty pictures ----------------------------------------------------------
def difficulty_house(level, cx, ground):
    if level == 0:  # a small red cottage
        w, wall = 66, 30
        x = cx - w / 2
        return "".join([
            rect(x, ground - wall, w, wall, P["brick"], INK, 2),
            poly([(x - 6, ground - wall), (cx, ground - wall - 17), (x + w + 6, ground - wall)], P["roof"]),
            rect(x + 8, ground - 21, 16, 21, P["light"], INK, 2),
            window(x + 36, ground - 24, 20, 16),
        ])
    if level == 1:  # a two-storey town house
        w, wall = 80, 48
        x = cx - w / 2
        return "".join([
            rect(x, ground - wall, w, wall, P["butter"], INK, 2),
            poly([(x - 6, ground - wall), (cx, ground - wall - 18), (x + w + 6, ground - wall)], P["roof"]),
            window(x + 10, ground - wall + 7, 20, 16), window(x + 50, ground - wall + 7, 20, 16),
            rect(x + 31, ground - 22, 18, 22, P["green"], INK, 2),
            window(x + 10, ground - 21, 16, 14), window(x + 54, ground - 21, 16, 14),
        ])
    w, wall = 100, 86  # an apartment block
    x = cx - w / 2
    parts = [rect(x, ground - wall, w, wall, P["stone"], INK, 2),
             rect(x - 4, ground - wall - 6, w + 8, 8, P["panel_light"], INK, 2)]
    for row in range(3):
        for col in range(4):
            parts.append(window(x + 8 + col * 23, ground - wall + 8 + row * 22, 15, 14))
        parts.append(rect(x + 4, ground - wall + 24 + row * 22, w - 8, 3, P["accent"], None))
    parts.append(rect(cx - 9, ground - 14, 18, 14, P["teal"], INK, 2))
    return "".join(parts)


# --- logo ------------------------------------------------------------------------
def emblem(cx, cy, r):
    """The Fiscora emblem: a little house and a coin on a round accent badge."""
    k = r / 62.0
    house = group([
        rect(-30, -8, 60, 44, P["light"], INK, 3),
        poly([(-40, -6), (0, -40), (40, -6)], P["brick"], INK, 3),
        rect(-8, 12, 16, 24, P["teal"], INK, 2.5),
        window(-25, 0, 13, 12), window(13, 0, 13, 12),
    ], cx - 6 * k, cy + 2 * k, k)
    return "".join([
        circle(cx, cy + 4, r, P["accent_dark"], None),
        circle(cx, cy, r, P["accent"], INK, 3),
        circle(cx, cy, r - 8 * k, "none", P["butter"], 3),
        house,
        group([coin(0, 0, 17)], cx + 34 * k, cy + 30 * k, k),
    ])


def logo():
    s = Svg(420, 152)
    s.add(emblem(76, 74, 62))
    s.add(text(150, 98, "Fiscora", 64, INK))
    s.add(text(153, 132, "Din första egna lägenhet", 19, P["panel"]))
    return s


# --- menu backdrop -------------------------------------------------------------
def skyline(base, colours, seed=0):
    """A calm row of simple house shapes without outlines."""
    parts = []
    x = -10
    i = seed
    while x < 810:
        w = 50 + (i * 37) % 50
        h = 40 + (i * 53) % 70
        c = colours[i % len(colours)]
        parts.append(rect(x, base - h, w, h + 2, c, None))
        if i % 3 == 0:
            parts.append(poly([(x - 4, base - h), (x + w / 2, base - h - 24), (x + w + 4, base - h)], c, None))
        x += w + 4
        i += 1
    return "".join(parts)


def menu_background():
    s = Svg(802, 602)
    body = [rect(0, 0, 802, 602, P["cream"], None),
            cloud(640, 90, 1.0), cloud(520, 160, 0.7), cloud(150, 300, 0.6),
            skyline(520, [P["sand"], P["stone"]], 1),
            rect(0, 515, 802, 90, P["grass"], None),
            rect(0, 515, 802, 3, P["leaf"], None),
            tree(90, 560, 20), tree(720, 565, 24),
            '<path d="M340 602 C 380 560, 440 540, 470 515 L 500 515 C 480 545, 450 570, 430 602 Z" fill="%s"/>'
            % P["sand"]]
    s.add(group(body, 1, 1))
    return s


# --- town ---------------------------------------------------------------------
# Screen slots of the four buildings: (image, x, top, width); all stand on y 462.
GROUND = 462
TOWN_SLOTS = [
    ("town_flat", 18, 140, 172),
    ("town_bank", 212, 200, 180),
    ("town_electronics", 414, 230, 180),
    ("town_furniture", 616, 190, 170),
]


def town_background():
    s = Svg(802, 602)
    b = [rect(0, 0, 802, 470, P["sky"], None),
         circle(700, 84, 34, P["butter"], None),
         cloud(120, 80, 1.0), cloud(420, 120, 0.8), cloud(600, 46, 0.6)]
    b.append('<path d="M0 380 C 120 330, 260 350, 380 372 C 520 340, 650 330, 802 360 L802 470 L0 470 Z" fill="%s"/>'
             % P["sky_light"])
    b.append(skyline(GROUND, [P["stone"], P["sky_light"], P["sand"]], 2))
    # A church spire over the roofs, as in any small Swedish town.
    b.append(rect(486, 150, 28, 140, P["stone"], None))
    b.append(poly([(482, 152), (500, 92), (518, 152)], P["road_dark"], None))
    b.append(line(500, 92, 500, 78, P["road_dark"], 2))
    for gx in (201, 403, 605, 793):
        b.append(tree(gx, GROUND, 20))
    for _, x, _, w in TOWN_SLOTS:
        b.append(rect(x - 4, GROUND - 2, w + 8, 9, P["shadow"], None, extra=' opacity="0.22"'))
    # Pavement, kerb, street.
    b.append(rect(0, GROUND + 6, 802, 42, P["stone"], None))
    b.append(rect(0, GROUND - 2, 802, 8, P["shadow"], None, extra=' opacity="0.0"'))
    for x in range(0, 802, 44):
        b.append(line(x, GROUND + 8, x - 8, GROUND + 46, P["sand"], 2))
    b.append(rect(0, 508, 802, 7, P["sand"], None))
    b.append(line(0, 515, 802, 515, INK, 2))
    b.append(rect(0, 516, 802, 88, P["road"], None))
    for x in range(20, 802, 90):
        b.append(rect(x, 556, 46, 6, P["light"], None, rx=3))
    b.append(rect(0, 590, 802, 14, P["road_dark"], None))
    # Planters at the pavement's edge.
    for px, flower in ((108, P["rose"]), (304, P["butter"]), (506, P["rose"]), (708, P["butter"])):
        b.append(circle(px - 8, GROUND + 20, 6, flower, INK, 1.5))
        b.append(circle(px + 8, GROUND + 18, 6, flower, INK, 1.5))
        b.append(circle(px, GROUND + 16, 7, P["leaf"], INK, 1.5))
        b.append(rect(px - 18, GROUND + 22, 36, 20, P["wood"], INK, 2, rx=3))
    s.add(group(b, 1, 1))
    return s


def building(slot, parts):
    _, x, top, w = [t for t in TOWN_SLOTS if t[0] == slot][0]
    h = GROUND - top
    s = Svg(w + 2, h + 2)
    s.add(group(parts, 1, 1))
    return s


def sign(cx, y, w, h, label, size, fill, colour, rx=6):
    return rect(cx - w / 2, y, w, h, fill, INK, 2, rx=rx) + text(
        cx, y + h / 2 + size * 0.36, label, size, colour, anchor="middle")


def town_flat():
    w, h = 172, 322
    p = [rect(120, 2, 18, 30, P["brick"], INK, 2),
         poly([(4, 44), (26, 8), (146, 8), (168, 44)], P["roof"], INK, 3),
         rect(6, 42, 160, h - 44, P["butter"], INK, 3)]
    for row in range(3):
        y = 58 + row * 54
        for x in (22, 71, 120):
            p.append(window(x, y, 30, 36))
            p.append(rect(x - 3, y + 36, 36, 6, P["leaf"], INK, 2, rx=2))
    p.append(window(20, 252, 30, 36))
    p.append(window(122, 252, 30, 36))
    p.append(sign(86, 222, 108, 24, "Lägenhet", 16, P["light"], INK))
    p.append(rect(66, 252, 40, 68, P["green"], INK, 2.5, rx=3))
    p.append(window(74, 258, 24, 18, P["green"]))
    p.append(circle(98, 290, 2.5, P["accent"], INK, 1))
    p.append(rect(56, h - 6, 60, 6, P["stone"], INK, 2))
    return building("town_flat", p)


def town_bank():
    w, h = 180, 262
    p = [poly([(2, 60), (90, 4), (178, 60)], P["stone"], INK, 3),
         group([coin(0, 0, 14)], 90, 40),
         rect(4, 60, 172, 14, P["light"], INK, 2),
         rect(10, 74, 160, h - 86, P["stone"], INK, 3),
         sign(90, 80, 150, 30, "Stadsbanken", 19, P["panel"], P["light"])]
    for cx in (22, 60, 120, 158):
        p.append(rect(cx - 8, 116, 16, 130, P["light"], INK, 2))
        p.append(rect(cx - 10, 112, 20, 6, P["light"], INK, 2))
    p.append(window(33, 140, 18, 56))
    p.append(window(129, 140, 18, 56))
    p.append(rect(74, 164, 32, 82, P["wood"], INK, 2.5, rx=2))
    p.append(line(90, 166, 90, 244, INK, 2))
    p.append(rect(0, h - 16, 180, 8, P["sand"], INK, 2))
    p.append(rect(0, h - 8, 180, 8, P["stone"], INK, 2))
    return building("town_bank", p)


def town_electronics():
    w, h = 180, 232
    p = [rect(4, 18, 172, h - 18, P["teal"], INK, 3),
         rect(0, 6, 180, 16, P["panel"], INK, 2.5),
         sign(90, 30, 156, 30, "Tekniklandet", 18, P["light"], INK)]
    for x in (16, 71, 126):
        p.append(window(x, 74, 38, 38))
    p.append(rect(12, 128, 104, 86, P["glass"], INK, 2.5))
    # A TV and a phone in the shop window.
    p.append(rect(22, 144, 56, 38, P["panel"], INK, 2, rx=3))
    p.append(rect(27, 149, 46, 28, P["sky_light"], None))
    p.append(poly([(44, 154), (44, 172), (58, 163)], P["accent"], INK, 1.5))
    p.append(rect(44, 182, 12, 8, P["panel"], INK, 2))
    p.append(rect(88, 156, 18, 32, P["panel"], INK, 2, rx=4))
    p.append(rect(91, 160, 12, 22, P["accent"], None))
    p.append(rect(12, 200, 104, 14, P["stone"], INK, 2))
    p.append(rect(126, 128, 42, h - 128, P["glass"], INK, 2.5))
    p.append(line(147, 130, 147, h - 2, INK, 2))
    p.append(rect(4, h - 10, 172, 10, P["panel"], INK, 2))
    return building("town_electronics", p)


def town_furniture():
    w, h = 170, 272
    p = [poly([(2, 52), (85, 4), (168, 52)], P["roof"], INK, 3),
         circle(85, 34, 10, P["glass"], INK, 2),
         rect(6, 50, 158, h - 50, P["brick"], INK, 3),
         sign(85, 62, 140, 30, "Lenas Möbler", 17, P["light"], INK, rx=10)]
    p.append(window(24, 106, 38, 44))
    p.append(window(108, 106, 38, 44))
    # Striped awning with a scalloped edge.
    top, bottom = 164, 184
    stripe = (158 - 12) / 8.0
    for i in range(8):
        x = 12 + i * stripe
        colour = P["rose"] if i % 2 == 0 else P["light"]
        p.append(poly([(x, top), (x + stripe, top), (x + stripe, bottom), (x, bottom)], colour, None))
        p.append(circle(x + stripe / 2, bottom, stripe / 2, colour, None))
    p.append(poly([(12, top), (158, top), (160, bottom), (10, bottom)], "none", INK, 2))
    p.append(rect(16, 196, 90, 62, P["glass"], INK, 2.5))
    # A chair and a lamp in the shop window.
    p.append(rect(30, 214, 8, 36, P["wood"], INK, 2))
    p.append(rect(30, 234, 30, 8, P["wood"], INK, 2))
    p.append(line(56, 242, 56, 254, INK, 2))
    p.append(line(34, 242, 34, 254, INK, 2))
    p.append(line(84, 212, 84, 252, INK, 2))
    p.append(poly([(74, 214), (94, 214), (90, 202), (78, 202)], P["accent"], INK, 2))
    p.append(rect(76, 252, 16, 4, P["ink"], None))
    p.append(rect(118, 196, 38, h - 196, P["plum"], INK, 2.5, rx=3))
    p.append(window(124, 204, 26, 22, P["plum"]))
    p.append(circle(148, 238, 2.5, P["accent"], INK, 1))
    return building("town_furniture", p)


# --- help overview ---------------------------------------------------------------
def mini_room(x, y):
    """The flat in miniature: an isometric room with a sofa and the HUD bar."""
    p = [poly([(x + 20, y + 60), (x + 100, y + 20), (x + 100, y - 40), (x + 20, y + 0)], P["butter"]),
         poly([(x + 100, y + 20), (x + 180, y + 60), (x + 180, y + 0), (x + 100, y - 40)], P["sand"]),
         poly([(x + 20, y + 60), (x + 100, y + 20), (x + 180, y + 60), (x + 100, y + 100)], P["wood"]),
         window(x + 120, y + 2, 22, 24),
         rect(x + 44, y + 10, 20, 38, P["teal"], INK, 2),  # the door
         poly([(x + 80, y + 62), (x + 112, y + 46), (x + 132, y + 56), (x + 100, y + 72)], P["red"]),
         poly([(x + 80, y + 62), (x + 100, y + 72), (x + 100, y + 84), (x + 80, y + 74)], P["red_dark"]),
         poly([(x + 100, y + 72), (x + 132, y + 56), (x + 132, y + 68), (x + 100, y + 84)], P["red"]),
         rect(x + 4, y + 108, 192, 24, P["panel"], INK, 2, rx=6)]
    p.append(group([coin(0, 0, 8, False)], x + 20, y + 120))
    p.append(rect(x + 34, y + 114, 50, 12, P["panel_light"], None, rx=3))
    p.append(rect(x + 92, y + 113, 14, 14, P["light"], INK, 1.5, rx=2))
    p.append(rect(x + 114, y + 113, 14, 14, P["light"], INK, 1.5, rx=2))
    p.append(circle(x + 178, y + 120, 9, P["green"], INK, 1.5))
    p.append(poly([(x + 175, y + 115), (x + 175, y + 125), (x + 183, y + 120)], P["light"], None))
    return "".join(p)


def mini_town(x, y):
    p = [rect(x, y + 96, 200, 12, P["road"], INK, 2), rect(x, y + 90, 200, 7, P["stone"], None)]
    houses = [(0, 50, P["butter"], P["roof"]), (50, 34, P["stone"], P["stone"]),
              (100, 24, P["teal"], P["panel"]), (150, 40, P["brick"], P["roof"])]
    for i, (dx, top, wall, roof) in enumerate(houses):
        hx = x + dx + 4
        p.append(rect(hx, y + top + 12, 42, 78 - top, wall, INK, 2))
        if i == 2:
            p.append(rect(hx - 2, y + top + 6, 46, 8, roof, INK, 2))
        else:
            p.append(poly([(hx - 3, y + top + 12), (hx + 21, y + top - 6), (hx + 45, y + top + 12)], roof))
        p.append(window(hx + 8, y + top + 22, 11, 12))
        p.append(window(hx + 24, y + top + 22, 11, 12))
        p.append(rect(hx + 15, y + 74, 12, 16, P["light"], INK, 1.5))
    return "".join(p)


def mini_budget(x, y):
    p = [rect(x - 6, y - 6, 212, 132, P["border"], INK, 2, rx=10),
         rect(x, y, 200, 120, P["panel"], None, rx=4),
         text(x + 12, y + 22, "Budget", 16, P["light"])]
    for i, (label, val) in enumerate((("Mat", 0.7), ("Kläder", 0.45), ("Hygien", 0.6))):
        ly = y + 46 + i * 24
        p.append(text(x + 12, ly + 5, label, 12, P["light"]))
        p.append(rect(x + 72, ly, 90, 3, P["cream"], None))
        hx = x + 72 + 84 * val
        p.append(rect(hx, ly - 6, 8, 14, P["cream"], INK, 1.5, rx=2))
    p.append(text(x + 170, y + 22, "+", 16, P["green"]))
    p.append(text(x + 184, y + 22, "-", 16, P["red"]))
    return "".join(p)


def mini_report(x, y):
    p = [rect(x, y, 70, 70, P["cream"], INK, 2.5, rx=12),
         rect(x + 12, y + 18, 46, 34, P["light"], INK, 2, rx=3),
         poly([(x + 12, y + 18), (x + 35, y + 38), (x + 58, y + 18)], P["sand"], INK, 2),
         circle(x + 60, y + 12, 11, P["red"], INK, 2),
         text(x + 60, y + 17, "!", 15, P["light"], anchor="middle"),
         rect(x + 90, y + 6, 70, 60, P["light"], INK, 2, rx=6),
         line(x + 100, y + 22, x + 146, y + 22, P["panel_light"], 3),
         line(x + 100, y + 34, x + 140, y + 34, P["panel_light"], 3),
         text(x + 100, y + 56, "850 kr", 13, P["red_dark"])]
    return "".join(p)


def overview():
    s = Svg(802, 602)
    b = [rect(0, 0, 802, 602, P["cream"], None),
         emblem(52, 44, 28),
         text(96, 56, "Så spelar du", 32, INK),
         text(356, 56, "– en månad i taget", 19, P["panel"])]
    cards = [
        (20, 86, "Lägenheten", mini_room, ("Möblera ditt hem. Längst ner", "finns budgeten, kassan och Spela.")),
        (412, 86, "Staden", mini_town, ("Gå ut genom dörren till banken,", "Tekniklandet och Lenas Möbler.")),
        (20, 330, "Budgeten", mini_budget, ("Inkomster och räkningar. Köp mat,", "kläder, hygien och spara pengar.")),
        (412, 330, "Händelser", mini_report, ("Räkningar och händelser kommer", "som ikoner. Betala eller svara.")),
    ]
    for cx, cy, title, sketch, lines in cards:
        b.append(card(cx, cy, 370, 228, title=title))
        if sketch is mini_room:
            b.append(group([sketch(0, 0)], cx + 176, cy + 70, 0.8))
        elif sketch is mini_town:
            b.append(group([sketch(0, 0)], cx + 136, cy + 30, 1.1))
        elif sketch is mini_budget:
            b.append(sketch(cx + 146, cy + 50))
        else:
            b.append(sketch(cx + 190, cy + 74))
        for i, ln in enumerate(lines):
            b.append(text(cx + 18, cy + 196 + i * 20, ln, 15, INK, weight="normal"))
    # Month steps along the bottom; the back button sits in the lower right.
    steps = ["1. Gör budgeten", "2. Tryck Spela", "3. Svara på rapporterna"]
    x = 24
    for i, st in enumerate(steps):
        b.append(rect(x, 566, 200 if i < 2 else 250, 28, P["panel"], INK, 2, rx=8))
        b.append(text(x + 14, 585, st, 16, P["light"]))
        x += 214 if i < 2 else 0
    s.add(group(b, 1, 1))
    return s


# --- end picture --------------------------------------------------------------
def win():
    s = Svg(802, 602)
    b = [rect(0, 0, 802, 602, P["cream"], None),
         rect(0, 470, 802, 134, P["grass"], None),
         rect(0, 470, 802, 3, P["leaf"], None)]
    confetti = [P["accent"], P["green"], P["rose"], P["teal"], P["butter"], P["plum"]]
    seed = 12345
    for i in range(60):
        seed = (seed * 1103515245 + 12345) % 2147483648
        cx = seed % 780 + 8
        seed = (seed * 1103515245 + 12345) % 2147483648
        cy = seed % 420 + 10
        if (300 < cx < 450 and cy > 180) or 470 < cx < 680 and cy > 200:
            continue
        if 140 < cx < 660 and 30 < cy < 175:
            continue
        b.append(rect(cx, cy, 12, 6, confetti[i % len(confetti)], INK, 1.2, rx=2,
                      extra=' transform="rotate(%d %d %d)"' % ((i * 47) % 180, cx + 6, cy + 3)))
    b.append(text(401, 112, "Grattis!", 72, INK, anchor="middle"))
    b.append(text(401, 156, "Du har klarat dig på egen hand.", 28, P["panel"], anchor="middle"))
    # The flat's house with a sun, coins and a star.
    b.append(circle(600, 250, 40, P["butter"], None))
    b.append(group([town_flat_parts()], 300, 188, 0.82))
    b.append(tree(210, 474, 26))
    for i in range(5):
        b.append('<ellipse cx="520" cy="%d" rx="24" ry="8" fill="%s" stroke="%s" stroke-width="2"/>'
                 % (462 - i * 10, P["butter"], INK))
    b.append(group([coin(0, 0, 22)], 580, 440))
    b.append(star(640, 350, 34, P["accent"]))
    b.append(text(401, 540, "Tack för att du spelade Fiscora!", 19, INK, anchor="middle"))
    s.add(group(b, 1, 1))
    return s


def town_flat_parts():
    return town_flat().render().split('<g clip-path="url(#shown)">', 1)[1].rsplit("</g>", 1)[0]
