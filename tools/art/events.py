"""The random events' pictures: a round badge for each event type (the report
icons on the HUD), a small scene for each report window and the paper face of
the bill window (see art/STYLE.md).

Every image keeps the one-pixel margin clear. Badges carry a honey ring so
that they read on the dark panel; scenes sit on a light card for the same
reason. IMAGES names the pictures for gensvg.py.
"""
import math

from artlib import PALETTE as P
from artlib import Svg, text
from hud import path, stroked
from scenes import circle, coin, group, line, poly, rect, star

INK = P["ink"]

# --- report icons (49 x 49) ---------------------------------------------------
BADGE = 49
C = BADGE / 2


def badge(colour, lip, glyph):
    """A round pressable badge in a honey ring; glyph is drawn round (0, 0)."""
    s = Svg(BADGE, BADGE)
    s.add(circle(C, C, 22, P["border"], INK, 2))
    s.add(circle(C, C, 18, lip, None))
    s.add(circle(C, C - 1.5, 16.5, colour, None))
    s.add('<path d="M%s %s A13 13 0 0 1 %s %s" fill="none" stroke="%s" stroke-width="2" '
          'stroke-linecap="round" opacity="0.35"/>' % (C - 9, C - 11, C + 9, C - 11, P["cream"]))
    s.add(circle(C, C, 18, "none", INK, 1.6))
    s.add(group([glyph], C, C - 0.5))
    return s


def heart(k=1.0):
    return ("M0 %.2f C%.2f %.2f %.2f %.2f %.2f %.2f C%.2f %.2f %.2f %.2f 0 %.2f "
            "C%.2f %.2f %.2f %.2f %.2f %.2f C%.2f %.2f %.2f %.2f 0 %.2f Z"
            % (10 * k, -7 * k, 5 * k, -13 * k, 0, -13 * k, -5 * k,
               -13 * k, -10 * k, -6 * k, -11 * k, -4 * k,
               6 * k, -11 * k, 13 * k, -10 * k, 13 * k, -5 * k,
               13 * k, 0, 7 * k, 5 * k, 10 * k))


def person(x, y, k, body, head=None):
    """A simple figure standing with its feet at (x, y)."""
    head = head or P["rose"]
    return "".join([
        path("M%s %s Q%s %s %s %s Q%s %s %s %s Z"
             % (x - 9 * k, y, x - 9 * k, y - 15 * k, x, y - 15 * k, x + 9 * k, y - 15 * k,
                x + 9 * k, y), body, 2),
        circle(x, y - 21 * k, 6 * k, head, INK, 2),
    ])


def envelope(x, y, w, h, fill=None, sw=2):
    fill = fill or P["light"]
    return "".join([
        rect(x, y, w, h, fill, INK, sw, rx=2),
        path("M%s %s L%s %s L%s %s" % (x + 1, y + 1, x + w / 2, y + h * 0.58, x + w - 1, y + 1),
             "none", sw),
    ])


def exclaim(colour, k=1.0):
    return "".join([
        path("M%.2f %.2f L%.2f %.2f L%.2f %.2f L%.2f %.2f Z"
             % (-3.2 * k, -11 * k, 3.2 * k, -11 * k, 1.8 * k, 3 * k, -1.8 * k, 3 * k),
             colour, 1.6),
        circle(0, 8 * k, 2.6 * k, colour, INK, 1.6),
    ])


def icon_base():
    return badge(P["accent"], P["accent_dark"], star(0, 0.5, 12, P["light"]))


def icon_bonus():
    g = [rect(-10, -3, 20, 13, P["light"], INK, 2, rx=2),
         rect(-12, -8, 24, 6, P["light"], INK, 2, rx=1.5),
         rect(-2.5, -8, 5, 18, P["plum"], INK, 1.5),
         path("M0 -8 C-4 -15 -11 -13 -7 -8.5 Z", P["plum"], 1.5),
         path("M0 -8 C4 -15 11 -13 7 -8.5 Z", P["plum"], 1.5)]
    return badge(P["rose"], P["brick"], "".join(g))


def icon_health():
    g = [path(heart(1.05), P["red"], 2),
         rect(-2.5, -8, 5, 13, P["light"], INK, 1.3, rx=1),
         rect(-6.5, -4, 13, 5, P["light"], INK, 1.3, rx=1),
         rect(-1.9, -7.4, 3.8, 11.8, P["light"], None, rx=0.6)]
    return badge(P["cream"], P["sand"], "".join(g))


def icon_visitor():
    g = [rect(-12, -12, 12, 23, P["wood"], INK, 2, rx=1.5),
         circle(-3, 0, 1.3, P["butter"], None),
         person(5, 11, 0.68, P["accent"])]
    return badge(P["sky"], P["glass"], "".join(g))


def icon_caution():
    g = [poly([(0, -13), (13, 10), (-13, 10)], P["butter"], INK, 2.2),
         group([exclaim(INK, 0.62)], 0, 1.5)]
    return badge(P["accent"], P["accent_dark"], "".join(g))


def icon_critical():
    return badge(P["red"], P["red_dark"], exclaim(P["light"], 1.05))


def icon_phone():
    g = [rect(-7.5, -13, 15, 26, P["panel"], INK, 2, rx=3),
         rect(-5, -9, 10, 16, P["glass"], None, rx=1),
         rect(-4, -8, 3.5, 6, P["sky_light"], None, rx=0.5),
         circle(0, 10, 1.3, P["light"], None)]
    return badge(P["panel_light"], P["panel"], "".join(g))


def icon_internet():
    g = []
    for r in (15, 10, 5):
        a = math.radians(45)
        x0, y0 = -r * math.sin(a), 8 - r * math.cos(a)
        g.append(stroked("M%.2f %.2f A%s %s 0 0 1 %.2f %.2f" % (x0, y0, r, r, -x0, y0), 2.4))
    g.append(circle(0, 8, 2.6, P["light"], INK, 1.6))
    return badge(P["teal"], P["panel"], "".join(g))


def icon_paper():
    g = [rect(-10, -10, 22, 22, P["sand"], INK, 2, rx=2),
         rect(-13, -12, 22, 22, P["light"], INK, 2, rx=2),
         rect(-10, -9, 16, 3.5, INK, None, rx=1),
         rect(-10, -3, 7, 7, P["sky"], INK, 1, rx=0.5)]
    for y in (-2.5, 0.5, 3.5):
        g.append(line(-1, y, 6, y, P["road"], 1.3))
    g.append(line(-10, 7, 6, 7, P["road"], 1.3))
    return badge(P["sand"], P["stone"], "".join(g))


def trophy():
    return "".join([
        path("M-10 -11 C-16 -11 -16 -1 -6 -1", "none", 2.2),
        path("M10 -11 C16 -11 16 -1 6 -1", "none", 2.2),
        path("M-9 -13 H9 V-5 C9 2 4 4 0 4 C-4 4 -9 2 -9 -5 Z", P["accent"], 2),
        rect(-2, 3.5, 4, 4.5, P["accent_dark"], INK, 1.5),
        rect(-7, 8, 14, 4.5, P["wood"], INK, 1.8, rx=1),
        line(-5, -10, -5, -4, P["butter"], 2),
    ])


def icon_achievement():
    return badge(P["plum"], P["roof"], trophy())


def wallet(x, y):
    return "".join([
        rect(x - 12, y - 8, 23, 17, P["wood"], INK, 2, rx=3),
        rect(x + 3, y - 3, 10, 7, P["roof"], INK, 1.6, rx=2),
        circle(x + 7, y + 0.5, 1.4, P["butter"], None),
    ])


def icon_expense():
    g = [wallet(-2, 2),
         circle(6, -8, 6.5, P["red"], INK, 1.8),
         rect(2.5, -9.3, 7, 2.6, P["light"], None, rx=1)]
    return badge(P["cream"], P["sand"], "".join(g))


def icon_income():
    g = [coin(-5, 5, 8, label=False), coin(5, 2, 8, label=False),
         coin(-1, -5, 8, label=True)]
    return badge(P["green"], P["green_dark"], "".join(g))


def icon_info():
    g = [rect(-3, -4, 6, 15, P["light"], INK, 1.6, rx=1.5),
         circle(0, -10, 3.3, P["light"], INK, 1.6)]
    return badge(P["glass"], P["panel_light"], "".join(g))


def icon_mail():
    return badge(P["butter"], P["accent_dark"], envelope(-13, -9, 26, 18))


def icon_bill():
    g = [rect(-13, -10, 26, 20, P["light"], INK, 2, rx=2),
         rect(-12, -9, 24, 5, P["red"], None),
         line(-12, -4, 12, -4, INK, 1.3),
         text(0, 7, "kr", 11, P["red_dark"], anchor="middle")]
    return badge(P["red"], P["red_dark"], "".join(g))


def icon_collector():
    g = [person(-3, 12, 0.9, INK, P["stone"]),
         rect(-7.5, -15.5, 9, 5, INK, None, rx=1.5),
         line(-10.5, -10.5, 4.5, -10.5, INK, 2.2),
         rect(2, 2, 11, 9, P["roof"], INK, 1.6, rx=1.5),
         rect(5.5, 0, 4, 2.5, "none", INK, 1.3, rx=1)]
    return badge(P["red"], P["red_dark"], "".join(g))


def mask(x, y, k=1.0):
    return path("M%.2f %.2f C%.2f %.2f %.2f %.2f %.2f %.2f C%.2f %.2f %.2f %.2f %.2f %.2f "
                "C%.2f %.2f %.2f %.2f %.2f %.2f Z"
                % (x - 13 * k, y - 3 * k, x - 6 * k, y - 7 * k, x + 6 * k, y - 7 * k, x + 13 * k,
                   y - 3 * k, x + 13 * k, y + 5 * k, x + 5 * k, y + 6 * k, x, y + 2 * k,
                   x - 5 * k, y + 6 * k, x - 13 * k, y + 5 * k, x - 13 * k, y - 3 * k), INK, 1.6)


def icon_thief():
    g = [circle(0, 1, 12, P["rose"], INK, 2),
         path("M-12 -1 C-11 -13 11 -13 12 -1 Z", P["panel"], 2),
         mask(0, 1, 0.95),
         circle(-5, 0.5, 2, P["light"], None), circle(5, 0.5, 2, P["light"], None)]
    return badge(P["road_dark"], P["panel"], "".join(g))


def icon_undefined():
    g = [stroked("M-6 -6 C-6 -13 6 -13 6 -6 C6 -1 0 -1 0 4", 3.2),
         circle(0, 10.5, 2.6, P["light"], INK, 1.6)]
    return badge(P["road"], P["road_dark"], "".join(g))


ICONS = {
    "UNDEFINED": icon_undefined, "BASE": icon_base, "BONUS": icon_bonus,
    "HEALTH": icon_health, "VISITOR": icon_visitor, "CAUTION": icon_caution,
    "CRITICAL": icon_critical, "PHONE": icon_phone, "INTERNET": icon_internet,
    "PAPER": icon_paper, "ACHIEVEMENT": icon_achievement, "EXPENSE": icon_expense,
    "INCOME": icon_income, "BILL": icon_bill, "MAIL": icon_mail, "INFO": icon_info,
    "COLLECTOR": icon_collector, "THIEF": icon_thief,
}


# --- the bill window's paper (340 x 420) ----------------------------------------
def bill_paper():
    s = Svg(340, 420)
    w, top, bottom = 336, 2, 404
    teeth = ["M2 %s Q2 %s 12 %s" % (top + 10, top, top), "H%s" % (w - 8),
             "Q%s %s %s %s" % (2 + w, top, 2 + w, top + 10), "V%s" % bottom]
    n = 28
    step = w / n
    for i in range(n):
        x = 2 + w - (i + 0.5) * step
        teeth.append("L%.2f %s L%.2f %s" % (x, bottom + 8, x - step / 2, bottom))
    teeth.append("Z")
    d = " ".join(teeth)
    s.defs('<clipPath id="paper"><path d="%s"/></clipPath>' % d)
    s.add(path(d, P["cream"], 0, stroke=None))
    s.add(rect(2, top, w, 22, P["teal"], None, extra=' clip-path="url(#paper)"'))
    s.add(rect(2, top + 22, w, 3, P["panel"], None, extra=' opacity="0.35"'))
    for y in range(120, 380, 34):
        s.add(line(22, y, 318, y, P["sand"], 1.5))
    # A perforation above the torn foot: the slip one tears off and pays with.
    for x in range(16, 330, 10):
        s.add(circle(x, 382, 1.6, P["sand"], None))
    s.add(path(d, "none", 2))
    return s


IMAGES = {"event_" + k: f for k, f in ICONS.items()}
IMAGES["gui_bill_paper"] = bill_paper


# --- report pictures (160 x 120) ------------------------------------------------
W, H = 160, 120
FLOOR = 94
CONFETTI = [P["accent"], P["green"], P["rose"], P["teal"], P["butter"], P["plum"]]


def scene(parts, bg=None, floor=P["sand"], clip=False):
    """A light card with the scene clipped to it; floor is the ground band.
    With clip the parts may clip to the inset mat ("url(#mat)")."""
    s = Svg(W, H)
    s.defs('<clipPath id="card"><rect x="2" y="2" width="156" height="116" rx="10"/></clipPath>')
    if clip:
        s.defs('<clipPath id="mat"><rect x="7" y="7" width="146" height="106" rx="6"/></clipPath>')
    inner = [rect(0, 0, W, H, bg or P["sky_light"], None)]
    if floor:
        inner += [rect(0, FLOOR, W, H - FLOOR, floor, None), line(0, FLOOR, W, FLOOR, INK, 2)]
    inner += parts
    s.add('<g clip-path="url(#card)">%s</g>' % "".join(inner))
    s.add(rect(2, 2, 156, 116, "none", INK, 2, rx=10))
    return s


def mat(colour):
    """A dark scene's own face, set into the light card."""
    return rect(7, 7, 146, 106, colour, INK, 1.5, rx=6)


def shade(cx, y, rx):
    return ('<ellipse cx="%s" cy="%s" rx="%s" ry="%s" fill="%s" opacity="0.3"/>'
            % (cx, y, rx, max(2.5, rx * 0.15), P["shadow"]))


def note(x, y, colour=INK):
    return "".join([
        '<ellipse cx="%s" cy="%s" rx="4.5" ry="3.5" fill="%s" transform="rotate(-20 %s %s)"/>'
        % (x, y, colour, x, y),
        line(x + 4, y - 1, x + 4, y - 17, colour, 2),
        path("M%s %s Q%s %s %s %s" % (x + 4, y - 17, x + 11, y - 14, x + 10, y - 8), "none", 2,
             stroke=colour),
    ])


def confetti(bits):
    out = []
    for i, (x, y, a) in enumerate(bits):
        out.append(rect(x, y, 8, 4, CONFETTI[i % len(CONFETTI)], INK, 1, rx=1.5,
                        extra=' transform="rotate(%d %s %s)"' % (a, x + 4, y + 2)))
    return "".join(out)


def balloon(x, y, r, colour):
    return "".join([
        path("M%s %s Q%s %s %s %s" % (x, y + r * 1.2, x - 6, y + r * 2.2, x + 2, FLOOR - 4),
             "none", 1.5),
        '<ellipse cx="%s" cy="%s" rx="%s" ry="%s" fill="%s" stroke="%s" stroke-width="2"/>'
        % (x, y, r, r * 1.2, colour, INK),
        poly([(x - 3, y + r * 1.2 + 4), (x + 3, y + r * 1.2 + 4), (x, y + r * 1.2)], colour, INK,
             1.5),
        '<ellipse cx="%s" cy="%s" rx="%s" ry="%s" fill="%s" opacity="0.5"/>'
        % (x - r * 0.35, y - r * 0.45, r * 0.22, r * 0.35, P["light"]),
    ])


def pic_party():
    return scene([
        confetti([(20, 14, 20), (70, 10, 120), (128, 16, 60), (104, 40, 150), (14, 60, 80),
                  (140, 62, 30)]),
        balloon(40, 38, 14, P["red"]), balloon(70, 30, 15, P["teal"]),
        balloon(98, 42, 13, P["butter"]),
        note(118, 70), note(134, 48, P["plum"]), note(22, 88, P["teal"]),
    ], bg=P["sky_light"])


def pic_concert():
    beams = []
    for x0, x1, c in ((30, 62, P["butter"]), (80, 80, P["light"]), (130, 98, P["rose"])):
        beams.append(poly([(x0 - 4, 20), (x0 + 4, 20), (x1 + 20, 92), (x1 - 20, 92)], c, None,
                          extra=' opacity="0.45"'))
    lamps = "".join(rect(x - 6, 14, 12, 9, P["road_dark"], INK, 1.5, rx=2) for x in (30, 80, 130))
    singer = [person(80, 88, 1.25, P["plum"], P["rose"]),
              line(91, 90, 91, 62, INK, 2), circle(91, 60, 3, INK, None)]
    crowd = "".join(circle(x, 112, 9, P["panel_light"], INK, 2) for x in (14, 40, 66, 94, 120, 146))
    return scene([rect(0, 0, W, H, P["cream"], None), mat(P["panel"]),
                  '<g clip-path="url(#mat)">',
                  rect(0, 12, W, 4, P["road"], INK, 1.5),
                  "".join(beams), lamps, rect(0, 88, W, 8, P["wood"], INK, 2), "".join(singer),
                  crowd, star(20, 40, 4, P["butter"]), star(142, 36, 4, P["butter"]), "</g>",
                  mat("none")], floor=None, clip=True)


def pic_birthday():
    flags = []
    for i in range(7):
        x = 8 + i * 22
        flags.append(poly([(x, 10), (x + 18, 10), (x + 9, 24)], CONFETTI[i % 6], INK, 1.5))
    candles = []
    for i, x in enumerate((64, 80, 96)):
        candles += [rect(x - 2.5, 40, 5, 14, [P["teal"], P["rose"], P["green"]][i], INK, 1.5),
                    path("M%s 38 Q%s 32 %s 29 Q%s 32 %s 38 Z" % (x - 3, x - 3, x, x + 3, x + 3),
                         P["accent"], 1.3)]
    cake = [shade(80, 90, 48),
            '<ellipse cx="80" cy="88" rx="48" ry="6" fill="%s" stroke="%s" stroke-width="2"/>'
            % (P["light"], INK),
            rect(44, 54, 72, 32, P["rose"], INK, 2, rx=5),
            rect(44, 68, 72, 6, P["light"], INK, 1.5),
            path("M44 60 Q44 54 50 54 H110 Q116 54 116 60 V62 Q110 66 104 61 Q98 66 92 61 "
                 "Q86 66 80 61 Q74 66 68 61 Q62 66 56 61 Q50 66 44 62 Z", P["light"], 2)]
    return scene(["".join(flags), line(0, 10, 160, 10, INK, 1.5)] + cake + candles,
                 bg=P["butter"])


def pic_friend():
    bubble = [rect(62, 10, 36, 24, P["light"], INK, 2, rx=8),
              poly([(74, 33), (80, 40), (84, 33)], P["light"], None),
              path("M74 33 L80 40 L84 33", "none", 2),
              group([path(heart(0.55), P["red"], 1.5)], 80, 22)]
    return scene([shade(52, 96, 22), shade(108, 96, 22),
                  person(52, 94, 2.0, P["teal"], P["rose"]),
                  person(108, 94, 2.0, P["accent"], P["wood"]),
                  "".join(bubble)], bg=P["sky_light"], floor=P["grass"])


def pic_visitor():
    return scene([rect(0, 0, W, FLOOR, P["sand"], None),
                  rect(52, 10, 56, 86, P["light"], INK, 2, rx=2),
                  rect(56, 14, 48, 82, P["sky"], INK, 2),
                  rect(56, 70, 48, 26, P["grass"], None),
                  person(80, 96, 2.2, P["green"], P["rose"]),
                  poly([(104, 14), (130, 8), (130, 100), (104, 96)], P["wood"], INK, 2),
                  circle(125, 56, 2.5, P["butter"], INK, 1.2),
                  rect(14, 30, 24, 30, P["glass"], INK, 2, rx=2),
                  line(26, 30, 26, 60, P["light"], 2)], floor=P["wood"])


def phone_body(x, y, w, h, angle=0):
    t = ' transform="rotate(%s %s %s)"' % (angle, x + w / 2, y + h / 2)
    return ('<g%s>' % t + rect(x, y, w, h, P["panel"], INK, 2.5, rx=7)
            + rect(x + 5, y + 9, w - 10, h - 22, P["glass"], None, rx=2)
            + circle(x + w / 2, y + h - 6.5, 2.2, P["light"], None) + '</g>')


def pic_phone_broken():
    crack = "M66 30 L76 44 L70 52 L84 60 L78 72 L90 84 M76 44 L88 40 M84 60 L94 58"
    return scene([shade(80, 100, 36), phone_body(58, 14, 44, 84, -8),
                  '<path d="%s" fill="none" stroke="%s" stroke-width="2" stroke-linejoin="round" '
                  'stroke-linecap="round" transform="rotate(-8 80 56)"/>' % (crack, INK),
                  poly([(112, 92), (120, 88), (118, 96)], P["glass"], INK, 1.5),
                  poly([(38, 94), (46, 90), (44, 98)], P["glass"], INK, 1.5),
                  stroked("M118 26 L128 18", 2.5, P["red"]), stroked("M122 38 L134 36", 2.5,
                                                                       P["red"]),
                  stroked("M40 28 L30 20", 2.5, P["red"])], bg=P["sky_light"])


def pic_laptop():
    return scene([shade(80, 96, 56),
                  rect(40, 18, 80, 56, P["road_dark"], INK, 2.5, rx=5),
                  rect(46, 24, 68, 44, P["glass"], None, rx=2),
                  rect(50, 28, 30, 6, P["light"], None, rx=2),
                  rect(50, 38, 54, 4, P["sky_light"], None, rx=2),
                  rect(50, 46, 44, 4, P["sky_light"], None, rx=2),
                  path("M28 92 L40 74 H120 L132 92 Z", P["stone"], 2.5),
                  rect(66, 84, 28, 5, P["road"], INK, 1.2, rx=2),
                  rect(20, 60, 12, 16, P["light"], INK, 2, rx=2),
                  rect(32, 64, 4, 6, "none", INK, 2, rx=2)],
                 bg=P["sky_light"], floor=P["wood"])


def wheel(cx, cy, r):
    spokes = "".join(line(cx, cy, cx + r * math.cos(a), cy + r * math.sin(a), P["road"], 1.2)
                     for a in (0, math.pi / 3, 2 * math.pi / 3, math.pi, 4 * math.pi / 3,
                               5 * math.pi / 3))
    return (circle(cx, cy, r, "none", INK, 5) + circle(cx, cy, r, "none", P["road_dark"], 2)
            + spokes + circle(cx, cy, 3, P["road"], INK, 1.5))


def pic_bike():
    return scene([shade(80, 100, 62), wheel(40, 76, 22), wheel(120, 76, 22),
                  stroked("M40 76 L62 48 L104 48 L120 76 M62 48 L78 76 L104 48 M78 76 L40 76",
                          3.5, P["teal"]),
                  stroked("M100 34 L104 48", 3, P["teal"]),
                  stroked("M94 32 L108 30", 3, INK),
                  rect(52, 40, 18, 6, INK, None, rx=3),
                  stroked("M62 48 L60 42", 3, INK),
                  circle(78, 76, 4, P["road"], INK, 1.5)], bg=P["sky_light"], floor=P["road"])


def pic_sale():
    tag = ('<g transform="rotate(-15 118 44)">%s%s%s</g>'
           % (path("M100 30 H136 V58 H100 L92 44 Z", P["red"], 2),
              circle(99, 44, 2.5, P["light"], INK, 1.2),
              text(118, 51, "%", 20, P["light"], anchor="middle", outline=3)))
    return scene([shade(68, 96, 40),
                  path("M54 40 Q54 18 68 18 Q82 18 82 40", "none", 3),
                  path("M36 38 H100 L104 94 H32 Z", P["accent"], 2.5),
                  path("M36 38 H100 L101 46 H35 Z", P["accent_dark"], 0, stroke=None),
                  path("M36 38 H100 L104 94 H32 Z", "none", 2.5),
                  circle(54, 48, 2.5, INK, None), circle(82, 48, 2.5, INK, None),
                  star(68, 72, 10, P["butter"]),
                  line(116, 10, 112, 30, INK, 1.5), tag], bg=P["sky_light"])


def pic_clothes():
    shirt = ("M58 34 L46 40 L34 56 L46 64 L52 56 V100 H108 V56 L114 64 L126 56 L114 40 L102 34 "
             "Q80 46 58 34 Z")
    return scene([line(10, 16, 150, 16, P["road_dark"], 3),
                  path("M80 16 Q74 16 74 22 Q74 26 80 28", "none", 2.5),
                  path("M80 28 L50 38 H110 Z", "none", 2.5),
                  path(shirt, P["teal"], 2.5),
                  path("M70 36 L80 46 L90 36", "none", 2),
                  # Worn: a stain and a tear.
                  '<ellipse cx="94" cy="66" rx="8" ry="5" fill="%s" opacity="0.7"/>' % P["wood"],
                  path("M62 80 L68 86 L64 90 L70 96", "none", 2),
                  circle(134, 88, 14, P["accent"], INK, 2),
                  group([exclaim(INK, 0.75)], 134, 87)], bg=P["sky_light"], floor=None)


def pic_hygiene():
    bubbles = "".join(circle(x, y, r, P["light"], INK, 1.5) for x, y, r in
                      ((40, 48, 6), (54, 38, 8), (70, 46, 5), (30, 34, 4)))
    return scene([rect(0, 0, W, FLOOR, P["sky"], None),
                  "".join(rect(x, 0, 1.5, FLOOR, P["light"], None) for x in range(20, 160, 24)),
                  shade(52, 94, 28),
                  rect(28, 62, 50, 30, P["rose"], INK, 2.5, rx=12),
                  rect(36, 68, 22, 5, P["light"], None, rx=2.5, extra=' opacity="0.6"'),
                  bubbles,
                  '<g transform="rotate(12 118 50)">%s%s%s</g>'
                  % (rect(114, 18, 8, 62, P["teal"], INK, 2, rx=4),
                     rect(112, 8, 12, 16, P["light"], INK, 1.5, rx=2),
                     "".join(line(114 + i * 2.7, 8, 114 + i * 2.7, 4, P["teal"], 1.6)
                             for i in range(4))),
                  rect(104, 40, 20, 52, P["glass"], None, rx=4, extra=' opacity="0.6"'),
                  rect(104, 40, 20, 52, "none", INK, 2, rx=4),
                  rect(107, 44, 3, 40, P["light"], None, rx=1.5)], floor=P["light"])


def pic_food():
    return scene([rect(0, 0, W, FLOOR, P["butter"], None),
                  rect(14, 12, 40, 82, P["light"], INK, 2.5, rx=4),
                  rect(18, 16, 32, 74, P["sky_light"], INK, 1.5, rx=2),
                  line(18, 44, 50, 44, INK, 1.5), line(18, 68, 50, 68, INK, 1.5),
                  shade(100, 100, 36),
                  '<ellipse cx="100" cy="100" rx="34" ry="9" fill="%s" stroke="%s" '
                  'stroke-width="2.5"/>'
                  % (P["light"], INK),
                  '<ellipse cx="100" cy="99" rx="20" ry="4.5" fill="none" stroke="%s" '
                  'stroke-width="1.5"/>' % P["stone"],
                  rect(58, 82, 4, 24, P["road"], INK, 1.5, rx=2),
                  rect(138, 82, 4, 24, P["road"], INK, 1.5, rx=2),
                  circle(112, 36, 14, P["red"], INK, 2),
                  group([exclaim(P["light"], 0.75)], 112, 35)], floor=P["wood"])


def pic_sick():
    return scene([rect(0, 0, W, FLOOR, P["sky"], None),
                  rect(110, 14, 36, 30, P["glass"], INK, 2, rx=2),
                  line(128, 14, 128, 44, P["light"], 2),
                  rect(12, 46, 8, 50, P["wood"], INK, 2, rx=2),
                  rect(140, 62, 8, 34, P["wood"], INK, 2, rx=2),
                  rect(16, 70, 128, 18, P["wood"], INK, 2, rx=3),
                  rect(22, 52, 30, 16, P["light"], INK, 2, rx=6),
                  circle(44, 52, 11, P["rose"], INK, 2),
                  line(38.5, 50, 42, 50.5, INK, 1.6), line(49.5, 50, 46, 50.5, INK, 1.6),
                  line(40, 57, 48, 57, INK, 1.5),
                  '<g transform="rotate(-28 47 57)">%s%s%s</g>'
                  % (rect(46, 54.5, 26, 5, P["light"], INK, 1.5, rx=2.5),
                     line(49, 57, 62, 57, P["red"], 1.8), circle(47, 57, 2.4, P["red"], INK, 1.2)),
                  drop(33, 42, 0.8),
                  path("M48 58 Q60 52 140 60 V72 H48 Z", P["teal"], 2),
                  path("M60 62 Q90 58 140 64", "none", 1.5, stroke=P["panel"]),
                  circle(92, 26, 10, P["red"], INK, 2),
                  rect(89.5, 20, 5, 12, P["light"], None, rx=1),
                  rect(86, 23.5, 12, 5, P["light"], None, rx=1)], floor=P["stone"])


def pic_dentist():
    tooth = ("M56 26 Q64 18 80 24 Q96 18 104 26 Q112 36 106 54 Q102 66 100 88 Q98 98 92 96 "
             "Q88 80 80 76 Q72 80 68 96 Q62 98 60 88 Q58 66 54 54 Q48 36 56 26 Z")
    return scene([shade(80, 100, 30), path(tooth, P["light"], 3),
                  path("M64 32 Q70 28 76 30", "none", 2.5, stroke=P["sky"]),
                  '<ellipse cx="92" cy="42" rx="5" ry="4" fill="%s" stroke="%s" '
                  'stroke-width="1.5"/>' % (P["road_dark"], INK),
                  star(118, 26, 8, P["butter"]), star(44, 40, 6, P["butter"]),
                  '<g transform="rotate(-30 124 76)">%s%s</g>'
                  % (rect(122, 60, 5, 40, P["road"], INK, 1.5, rx=2),
                     circle(124.5, 58, 7, P["glass"], INK, 2))],
                 bg=P["sky_light"], floor=P["teal"])


def pic_gym():
    def plates(x):
        return (rect(x, 36, 12, 44, P["panel"], INK, 2.5, rx=3)
                + rect(x + (12 if x < 80 else -10), 44, 10, 28, P["panel_light"], INK, 2, rx=3))
    return scene([shade(80, 96, 60), rect(34, 54, 92, 8, P["road"], INK, 2, rx=3),
                  plates(22), plates(126),
                  rect(6, 52, 16, 12, P["road_dark"], INK, 2, rx=2),
                  rect(138, 52, 16, 12, P["road_dark"], INK, 2, rx=2),
                  stroked("M60 24 Q80 14 100 24", 2, P["accent"]),
                  path("M96 18 L103 25 L94 28 Z", P["accent"], 1.5)],
                 bg=P["sky_light"], floor=P["stone"])


def foot(x, y, a):
    return ('<g transform="rotate(%s %s %s)">%s%s</g>'
            % (a, x, y,
               '<ellipse cx="%s" cy="%s" rx="4" ry="6.5" fill="%s"/>' % (x, y, INK),
               '<ellipse cx="%s" cy="%s" rx="3" ry="2.5" fill="%s"/>' % (x, y + 9, INK)))


def pic_burglary():
    return scene([rect(0, 0, W, FLOOR, P["border"], None),
                  rect(44, 10, 72, 62, P["panel"], INK, 2.5, rx=2),
                  star(64, 26, 4, P["butter"]), circle(100, 24, 7, P["butter"], None),
                  circle(103, 22, 6, P["panel"], None),
                  poly([(80, 12), (108, 4), (108, 78), (80, 70)], P["glass"], INK, 2),
                  line(94, 8, 94, 74, P["light"], 2.5),
                  rect(46, 12, 34, 58, "none", P["light"], 3),
                  rect(40, 70, 80, 6, P["light"], INK, 2, rx=2),
                  foot(66, 86, 20), foot(88, 100, -10), foot(108, 90, 24), foot(128, 106, -6),
                  rect(14, 50, 22, 44, P["wood"], INK, 2, rx=2),
                  rect(16, 56, 18, 10, P["wood"], INK, 1.5),
                  rect(16, 70, 18, 10, P["wood"], INK, 1.5),
                  rect(20, 74, 18, 10, P["wood"], INK, 1.5)], floor=P["stone"])


def drop(x, y, k=1.0):
    return path("M%s %s Q%s %s %s %s A%s %s 0 1 1 %s %s Q%s %s %s %s Z"
                % (x, y - 7 * k, x + 1 * k, y - 3 * k, x + 4 * k, y + 1 * k, 4 * k, 4 * k,
                   x - 4 * k, y + 1 * k, x - 1 * k, y - 3 * k, x, y - 7 * k), P["glass"], 1.5)


def pic_water_leak():
    return scene([rect(0, 0, W, FLOOR, P["stone"], None),
                  rect(0, 22, 96, 14, P["road"], INK, 2),
                  rect(86, 18, 18, 22, P["road_dark"], INK, 2, rx=2),
                  rect(90, 36, 14, 58, P["road"], INK, 2),
                  rect(86, 62, 22, 8, P["road_dark"], INK, 2, rx=2),
                  path("M84 40 L80 46 L86 46 L82 52", "none", 2),
                  drop(82, 58), drop(78, 74, 1.2), drop(96, 48, 0.8), drop(112, 76),
                  '<ellipse cx="84" cy="102" rx="40" ry="8" fill="%s" stroke="%s" '
                  'stroke-width="2"/>'
                  % (P["glass"], INK),
                  '<ellipse cx="72" cy="100" rx="10" ry="2" fill="%s"/>' % P["sky_light"],
                  rect(130, 60, 20, 34, P["accent"], INK, 2, rx=3),
                  path("M130 60 Q140 50 150 60", "none", 2)], floor=P["wood"])


def pic_parking():
    car = [rect(20, 62, 76, 24, P["red"], INK, 2.5, rx=6),
           path("M32 62 L42 46 H72 L84 62 Z", P["red"], 2.5),
           path("M38 61 L45 50 H56 V61 Z", P["glass"], 1.5),
           path("M60 61 V50 H70 L78 61 Z", P["glass"], 1.5),
           circle(38, 88, 9, P["road_dark"], INK, 2.5), circle(80, 88, 9, P["road_dark"], INK, 2.5),
           circle(38, 88, 3, P["stone"], None), circle(80, 88, 3, P["stone"], None)]
    ticket = '<g transform="rotate(-8 44 52)">%s%s%s</g>' % (
        rect(36, 48, 18, 13, P["light"], INK, 1.5, rx=1.5),
        line(39, 52, 51, 52, P["red"], 1.5), line(39, 56, 48, 56, INK, 1.2))
    return scene([shade(58, 98, 46), "".join(car), ticket,
                  rect(120, 28, 5, 68, P["road"], INK, 2),
                  rect(104, 8, 38, 38, P["teal"], INK, 2.5, rx=6),
                  rect(107, 11, 32, 32, "none", P["light"], 2, rx=4),
                  text(123, 38, "P", 26, P["light"], anchor="middle")],
                 bg=P["sky_light"], floor=P["road"])


def pic_fine():
    bus = [rect(8, 28, 124, 58, P["accent"], INK, 2.5, rx=8),
           rect(8, 70, 124, 8, P["accent_dark"], None)]
    for x in (16, 44, 72, 100):
        bus.append(rect(x, 36, 22, 20, P["glass"], INK, 2, rx=3))
    bus += [rect(8, 28, 124, 58, "none", INK, 2.5, rx=8),
            circle(34, 88, 9, P["road_dark"], INK, 2.5),
            circle(106, 88, 9, P["road_dark"], INK, 2.5)]
    ticket = ('<g transform="rotate(8 120 60)">%s%s%s%s%s</g>'
              % (rect(94, 38, 52, 40, P["light"], INK, 2, rx=3),
                 line(100, 48, 130, 48, INK, 2), line(100, 56, 124, 56, P["road"], 2),
                 circle(128, 66, 10, "none", P["red"], 2.5),
                 text(128, 70.5, "!", 13, P["red"], anchor="middle")))
    return scene([shade(70, 98, 60), "".join(bus), ticket], bg=P["sky_light"], floor=P["road"])


def pic_bonus():
    return scene([shade(70, 98, 44),
                  rect(26, 40, 88, 54, P["light"], INK, 2.5, rx=4),
                  path("M28 42 L70 72 L112 42", "none", 2.5),
                  coin(108, 36, 14), coin(124, 62, 12, label=False), coin(92, 20, 10, label=False),
                  stroked("M30 26 L38 18", 2.5, P["accent"]), stroked("M140 34 L148 28", 2.5,
                                                                       P["accent"]),
                  star(138, 14, 6, P["butter"])], bg=P["sky_light"])


def pic_tax_refund():
    letter = [rect(30, 12, 76, 94, P["light"], INK, 2.5, rx=3),
              circle(44, 26, 7, P["teal"], INK, 1.5),
              path("M40 27 L44 22 L48 27 Z", P["butter"], 1),
              line(56, 24, 94, 24, INK, 2.5), line(56, 30, 84, 30, P["road"], 2)]
    for y in (46, 54, 62, 70):
        letter.append(line(40, y, 96, y, P["road"], 2))
    letter += [rect(40, 80, 40, 14, P["sky_light"], INK, 1.5, rx=2)]
    arrow = path("M118 92 V54 H108 L128 30 L148 54 H138 V92 Z", P["green"], 2.5)
    return scene(letter + [arrow, coin(76, 87, 9, label=False)], bg=P["sky_light"])


def pic_lottery():
    t = [path("M20 28 H140 V46 A8 8 0 0 0 140 62 V82 H20 V62 A8 8 0 0 0 20 46 Z", P["butter"],
              2.5),
         line(48, 30, 48, 80, P["accent_dark"], 1.5),
         rect(56, 38, 76, 36, P["road"], INK, 2, rx=4)]
    for x in (68, 94, 120):
        t.append(star(x, 56, 9, P["accent"]))
    t.append(text(34, 61, "7", 18, P["red"], anchor="middle"))
    return scene([mat(P["plum"]), "".join(t), star(20, 17, 5, P["butter"]),
                  star(142, 100, 6, P["butter"]), star(30, 100, 4, P["accent"]),
                  star(136, 17, 4, P["accent"])], bg=P["cream"], floor=None)


def pic_job_lost():
    return scene([rect(0, 0, W, FLOOR, P["sky"], None),
                  rect(10, 20, 40, 30, P["light"], INK, 2, rx=2),
                  line(16, 30, 42, 30, P["road"], 2), line(16, 38, 36, 38, P["road"], 2),
                  shade(88, 98, 46),
                  rect(66, 20, 14, 34, P["leaf"], None, rx=7),
                  path("M73 50 L73 26 M73 36 L66 28 M73 40 L80 32", "none", 2),
                  rect(90, 30, 24, 26, P["light"], INK, 2, rx=2),
                  line(94, 38, 110, 38, P["road"], 2),
                  rect(54, 36, 16, 18, P["red"], INK, 2, rx=2),
                  path("M70 40 Q76 44 70 50", "none", 2),
                  rect(44, 52, 88, 42, P["wood"], INK, 2.5, rx=2),
                  poly([(44, 52), (32, 40), (36, 60)], P["wood"], INK, 2),
                  poly([(132, 52), (146, 42), (140, 62)], P["wood"], INK, 2),
                  line(58, 66, 118, 66, P["roof"], 2)], floor=P["stone"])


def pic_study_books():
    books = [(20, 84, 110, P["red"]), (28, 72, 96, P["teal"]), (16, 60, 104, P["accent"]),
             (30, 48, 90, P["green"]), (24, 36, 98, P["plum"])]
    out = [shade(74, 96, 58)]
    for x, y, w, c in books:
        out += [rect(x, y, w, 12, c, INK, 2, rx=2),
                rect(x + w - 12, y + 2, 10, 8, P["light"], None, rx=1),
                line(x + 8, y + 6, x + 30, y + 6, P["light"], 1.5)]
    out += [path("M112 34 L130 26 L148 34 L130 42 Z", INK, 1.5),
            path("M118 37 V44 Q130 50 142 44 V37", INK, 1.5),
            line(146, 35, 146, 46, P["accent"], 1.5), circle(146, 47, 2, P["accent"], None)]
    return scene(out, bg=P["sky_light"], floor=P["wood"])


def pic_mail():
    return scene([rect(74, 60, 10, 36, P["wood"], INK, 2),
                  path("M46 34 Q46 18 64 18 H96 Q114 18 114 34 V64 H46 Z", P["teal"], 2.5),
                  path("M64 18 Q82 18 82 34 V64", "none", 2),
                  rect(52, 40, 24, 16, P["light"], INK, 1.5, rx=2,
                       extra=' transform="rotate(-8 64 48)"'),
                  rect(112, 24, 4, 22, P["road_dark"], INK, 1.5),
                  rect(116, 24, 16, 10, P["red"], INK, 2),
                  envelope(118, 64, 30, 20), envelope(16, 70, 26, 18)],
                 bg=P["sky_light"], floor=P["grass"])


def pic_collector():
    return scene([rect(0, 0, W, FLOOR, P["stone"], None),
                  shade(70, 96, 30),
                  path("M44 96 V70 Q44 52 70 52 Q96 52 96 70 V96 Z", INK, 2),
                  path("M62 52 L70 64 L78 52 Z", P["light"], 1.5),
                  line(70, 62, 70, 76, P["red"], 3),
                  circle(70, 38, 14, P["rose"], INK, 2),
                  line(62, 34, 67, 36, INK, 2.5), line(78, 34, 73, 36, INK, 2.5),
                  line(65, 45, 75, 45, INK, 2),
                  rect(56, 22, 28, 6, INK, None, rx=2), rect(60, 12, 20, 12, INK, None, rx=3),
                  '<g transform="rotate(-6 116 72)">%s%s%s</g>'
                  % (rect(88, 50, 58, 44, P["red"], INK, 2.5, rx=3),
                     rect(92, 63, 50, 15, P["light"], INK, 1.5, rx=2),
                     text(117, 74.5, "INKASSO", 10, INK, anchor="middle"))], floor=P["road"])


def pic_achievement6():
    cup = [path("M52 28 C30 28 30 56 62 56", "none", 4),
           path("M108 28 C130 28 130 56 98 56", "none", 4),
           path("M54 20 H106 V40 C106 60 94 66 80 66 C66 66 54 60 54 40 Z", P["accent"], 2.5),
           rect(74, 66, 12, 10, P["accent_dark"], INK, 2),
           rect(58, 76, 44, 14, P["wood"], INK, 2.5, rx=2),
           rect(68, 80, 24, 6, P["butter"], INK, 1, rx=1),
           line(64, 28, 64, 44, P["butter"], 4),
           star(80, 42, 9, P["light"])]
    return scene([shade(80, 96, 34), confetti([(14, 14, 30), (30, 44, 110), (22, 74, 60),
                                               (130, 12, 150), (140, 48, 20), (126, 76, 90),
                                               (44, 10, 70), (112, 8, 10)])] + cup
                 + [star(24, 28, 5, P["butter"]), star(138, 30, 5, P["butter"])],
                 bg=P["sky_light"], floor=P["border"])


SCENES = {
    "party": pic_party, "concert": pic_concert, "birthday": pic_birthday, "friend": pic_friend,
    "visitor": pic_visitor, "phone_broken": pic_phone_broken, "laptop": pic_laptop,
    "bike": pic_bike, "sale": pic_sale, "clothes": pic_clothes, "hygiene": pic_hygiene,
    "food": pic_food, "sick": pic_sick, "dentist": pic_dentist, "gym": pic_gym,
    "burglary": pic_burglary, "water_leak": pic_water_leak, "parking": pic_parking,
    "fine": pic_fine, "bonus": pic_bonus, "tax_refund": pic_tax_refund, "lottery": pic_lottery,
    "job_lost": pic_job_lost, "study_books": pic_study_books, "mail": pic_mail,
    "collector": pic_collector, "achievement6": pic_achievement6,
}
IMAGES.update({"event_" + k: f for k, f in SCENES.items()})
