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
    teeth = ["M2 %s" % top, "H%s" % (2 + w), "V%s" % bottom]
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
