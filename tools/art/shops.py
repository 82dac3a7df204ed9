"""The furniture store, the electronics store and the bank: their buttons and
category tabs, the pictures of the shares and funds, the shop logos, the
keepers and the three interiors (see art/STYLE.md).

Buttons, tabs and pictures keep the one-pixel margin clear; the interiors are
full-screen (drawn at (-1, -1)). IMAGES names the pictures for gensvg.py.
"""
from artlib import PALETTE as P
from artlib import Svg, text
from hud import face, path, stroked
from scenes import circle, group, line, poly, rect, star

INK = P["ink"]


# --- buttons -------------------------------------------------------------------
def caption_button(w, h, label, size=19):
    s = Svg(w, h)
    s.add(face(w, h, P["green"], P["green_dark"]))
    s.add(text(w / 2, h / 2 + size * 0.33, label, size, P["light"], anchor="middle", outline=3))
    return s


def category_tab(label, colour):
    """Like the budget tabs: a cream card with a coloured top band."""
    w, h = 120, 40
    s = Svg(w, h)
    s.defs('<clipPath id="tab"><rect x="2" y="2" width="116" height="36" rx="10"/></clipPath>')
    s.add(rect(2, 2, 116, 36, P["sand"], None, rx=10))
    s.add(rect(2, 2, 116, 32, P["cream"], None, rx=10))
    s.add(rect(2, 2, 116, 6.5, colour, None, extra=' clip-path="url(#tab)"'))
    s.add(line(2, 8.5, 118, 8.5, INK, 1.5))
    s.add(rect(2, 2, 116, 36, "none", INK, 2, rx=10))
    size = 16 if len(label) <= 11 else 15
    s.add(text(60, 27.5, label, size, INK, anchor="middle"))
    return s


def cat_info():
    s = Svg(40, 40)
    s.add(circle(20, 20, 17, P["panel"], None))
    s.add(circle(20, 18.5, 16, P["teal"], None))
    s.add('<path d="M10 12 A12 12 0 0 1 30 12" fill="none" stroke="%s" stroke-width="2.5" '
          'stroke-linecap="round" opacity="0.35"/>' % P["cream"])
    s.add(circle(20, 20, 17, "none", INK, 2))
    s.add(text(20, 28, "?", 24, P["light"], anchor="middle", outline=3))
    return s


# --- shares and funds (82 x 82) ---------------------------------------------------
def tile(colour, parts):
    """A light rounded card with a coloured band at the bottom."""
    s = Svg(82, 82)
    s.defs('<clipPath id="card"><rect x="2" y="2" width="78" height="78" rx="10"/></clipPath>')
    inner = [rect(0, 0, 82, 82, P["cream"], None), rect(0, 66, 82, 16, colour, None),
             line(0, 66, 82, 66, INK, 1.5)]
    s.add('<g clip-path="url(#card)">%s</g>' % "".join(inner + parts))
    s.add(rect(2, 2, 78, 78, "none", INK, 2, rx=10))
    return s


def fir(x, ground, h, fill):
    w = h * 0.36
    return "".join([
        rect(x - 2.5, ground - 8, 5, 8, P["wood"], INK, 1.5),
        poly([(x, ground - h), (x + w, ground - 8), (x - w, ground - 8)], fill, INK, 2),
        poly([(x, ground - h), (x + w * 0.62, ground - h * 0.45), (x - w * 0.62, ground - h * 0.45)],
             fill, INK, 2),
    ])


def share_forest():
    parts = [rect(0, 0, 82, 66, P["sky_light"], None),
             circle(62, 18, 8, P["butter"], INK, 1.5),
             '<path d="M0 56 Q25 42 50 52 T82 48 V66 H0 Z" fill="%s"/>' % P["grass"],
             fir(22, 62, 42, P["leaf_dark"]), fir(44, 64, 52, P["leaf"]),
             fir(64, 62, 36, P["leaf_dark"])]
    return tile(P["green"], parts)


def share_code():
    parts = [rect(0, 0, 82, 66, P["panel"], None),
             text(13, 24, "</>", 13, P["green"]),
             star(66, 14, 4, P["butter"]), star(14, 50, 3, P["butter"]),
             '<g transform="translate(44 42) rotate(35) scale(1.3)">' + "".join([
                 path("M0 -26 Q9 -16 8 2 L-8 2 Q-9 -16 0 -26 Z", P["light"], 2),
                 circle(0, -10, 4, P["glass"], INK, 1.5),
                 path("M-8 -4 L-14 6 L-8 4 Z", P["red"], 1.5),
                 path("M8 -4 L14 6 L8 4 Z", P["red"], 1.5),
                 path("M-5 2 Q0 16 5 2 Z", P["accent"], 1.5),
             ]) + "</g>"]
    return tile(P["red"], parts)


def share_groceries():
    parts = [rect(0, 0, 82, 66, P["sky_light"], None),
             path("M27 30 Q41 8 55 30", "none", 3),
             circle(31, 25, 8, P["red"], INK, 1.5),
             path("M31 17 Q33 12 37 12", "none", 1.5),
             rect(44, 12, 9, 22, P["light"], INK, 1.5, rx=2),
             rect(44.8, 18, 7.4, 6, P["teal"], None),
             path("M16 30 H66 L60 62 H22 Z", P["wood"], 2),
             line(25, 40, 57, 40, P["roof"], 1.5),
             text(41, 54, "kr", 11, P["light"], anchor="middle", outline=2)]
    return tile(P["accent"], parts)


def fund_sweden():
    parts = [rect(0, 0, 82, 66, P["sky_light"], None),
             line(12, 60, 70, 60, INK, 2)]
    for i, (hgt, col) in enumerate(((16, P["panel_light"]), (26, P["butter"]),
                                    (36, P["panel_light"]), (46, P["butter"]))):
        parts.append(rect(16 + i * 13, 59 - hgt, 10, hgt, col, INK, 1.5, rx=1.5))
    parts.append(stroked("M14 40 L30 30 L44 22 L62 8", 1.8, P["accent"]))
    return tile(P["panel_light"], parts)


def fund_world():
    parts = [rect(0, 0, 82, 66, P["sky_light"], None),
             circle(41, 35, 25, P["glass"], INK, 2),
             path("M24 22 Q32 18 36 24 Q34 32 28 34 Q22 30 24 22 Z", P["leaf"], 1.5),
             path("M44 30 Q56 26 60 34 Q58 46 50 52 Q44 46 46 38 Z", P["leaf"], 1.5),
             path("M30 46 Q36 44 38 50 Q34 56 30 54 Z", P["leaf"], 1.5),
             '<ellipse cx="41" cy="35" rx="11" ry="25" fill="none" stroke="%s" stroke-width="1.2" '
             'opacity="0.5"/>' % INK,
             line(16, 35, 66, 35, INK, 1.2).replace('/>', ' opacity="0.5"/>'),
             circle(41, 35, 25, "none", INK, 2)]
    return tile(P["plum"], parts)


def fund_safe():
    d = "M41 8 L62 16 V34 Q62 52 41 62 Q20 52 20 34 V16 Z"
    parts = [rect(0, 0, 82, 66, P["sky_light"], None),
             path(d, P["green"], 2.5),
             path("M41 13 L57 19 V34 Q57 48 41 56 Z", P["green_dark"], stroke=None),
             path(d, "none", 2.5),
             text(41, 44, "%", 24, P["light"], anchor="middle", outline=3)]
    return tile(P["green"], parts)


CATEGORIES = [  # file, label, band colour
    ("sova", "Sova", P["plum"]), ("sitta", "Sitta", P["teal"]), ("bord", "Bord", P["wood"]),
    ("forvaring", "Förvaring", P["accent"]), ("dekor", "Dekoration", P["rose"]),
    ("tv", "Tv och ljud", P["plum"]), ("dator", "Dator", P["teal"]),
    ("lampor", "Lampor", P["butter"]), ("sparkonto", "Sparkonto", P["green"]),
    ("fonder", "Fonder", P["teal"]), ("aktier", "Aktier", P["accent"]),
]

IMAGES = {
    "gui_button_buy": lambda: caption_button(130, 49, "Köp", 22),
    "gui_taut_button": lambda: caption_button(119, 51, "Ta ut", 22),
    "gui_cat_info": cat_info,
    "shop_share0": share_forest,
    "shop_share1": share_code,
    "shop_share2": share_groceries,
    "shop_fund0": fund_sweden,
    "shop_fund1": fund_world,
    "shop_fund2": fund_safe,
}
for _file, _label, _colour in CATEGORIES:
    IMAGES["gui_cat_" + _file] = (lambda l, c: lambda: category_tab(l, c))(_label, _colour)
