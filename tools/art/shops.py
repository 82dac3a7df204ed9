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



# --- logos (240 x 90) ----------------------------------------------------------------
def logo(name, face_colour, band, icon, ink_text=False, size=22):
    """A sign: a coloured card with a honey rim, a round icon at the left and
    the shop's name."""
    s = Svg(240, 90)
    s.add(rect(3, 3, 234, 84, P["border"], INK, 2.5, rx=14))
    s.add(rect(9, 9, 222, 72, face_colour, INK, 2, rx=10))
    s.add(rect(9, 67, 222, 14, band, None, rx=0,
               extra=' clip-path="url(#face)"'))
    s.defs('<clipPath id="face"><rect x="9" y="9" width="222" height="72" rx="10"/></clipPath>')
    s.add(line(10, 67, 230, 67, INK, 1.5))
    s.add(rect(9, 9, 222, 72, "none", INK, 2, rx=10))
    s.add(group([circle(45, 45, 26, P["light"], INK, 2), icon], 4.5, 5, 0.9))
    colour = INK if ink_text else P["light"]
    s.add(text(148, 52.5, name, size, colour, anchor="middle", outline=0 if ink_text else 3))
    return s


def chair_icon():
    return "".join([
        rect(33, 25, 9, 34, P["wood"], INK, 2, rx=2),
        rect(33, 43, 25, 8, P["rose"], INK, 2, rx=2),
        line(55, 51, 55, 63, INK, 2.5), line(37, 51, 37, 63, INK, 2.5),
    ])


def bolt_icon():
    return "".join([
        rect(27, 30, 36, 25, P["panel"], INK, 2, rx=3),
        rect(31, 34, 28, 17, P["glass"], None, rx=1.5),
        path("M47 28 L38 44 H45 L41 58 L53 39 H46 L50 28 Z", P["accent"], 1.8),
        rect(39, 56, 12, 4, P["road_dark"], INK, 1.5, rx=1),
    ])


def bank_icon():
    parts = [poly([(25, 35), (45, 24), (65, 35)], P["stone"], INK, 2),
             rect(27, 35, 36, 4, P["light"], INK, 1.5)]
    for x in (31, 40, 49, 58):
        parts.append(rect(x - 1.5, 40, 5, 14, P["light"], INK, 1.5))
    parts.append(rect(25, 55, 40, 5, P["stone"], INK, 1.8))
    parts.append(circle(45, 31, 3.2, P["butter"], INK, 1.2))
    return "".join(parts)


# --- keepers (200 x 260) -----------------------------------------------------------
COUNTER = 214


def keeper(skin, hair_back, hair_front, body, arms, extras, counter=None):
    """A friendly half figure behind a counter edge: hair behind, shoulders,
    neck, head, face, hair in front, the extras, the counter and the hands."""
    counter = counter or P["wood"]
    parts = [hair_back,
             # shoulders and body down to the counter
             path("M30 %d Q30 150 66 140 L134 140 Q170 150 170 %d Z" % (COUNTER + 6, COUNTER + 6),
                  body, 2.5),
             rect(86, 112, 28, 34, skin, INK, 2, rx=8),
             circle(100, 84, 38, skin, INK, 2.5),
             circle(62, 88, 7, skin, INK, 2), circle(138, 88, 7, skin, INK, 2),
             circle(100, 84, 38, skin, None),
             circle(86, 86, 4, INK, None), circle(114, 86, 4, INK, None),
             circle(87.5, 84.5, 1.3, P["light"], None), circle(115.5, 84.5, 1.3, P["light"], None),
             path("M80 76 Q86 72 92 76", "none", 2.2), path("M108 76 Q114 72 120 76", "none", 2.2),
             '<ellipse cx="76" cy="98" rx="6" ry="3.5" fill="%s" opacity="0.45"/>' % P["red"],
             '<ellipse cx="124" cy="98" rx="6" ry="3.5" fill="%s" opacity="0.45"/>' % P["red"],
             path("M89 101 Q100 112 111 101", "none", 2.5),
             hair_front, body and arms, extras,
             # the counter's edge and the hands resting on it
             rect(-4, COUNTER, 208, 50, counter, INK, 2.5, rx=6),
             rect(-4, COUNTER, 208, 9, P["light"], INK, 2, rx=4),
             '<rect x="-4" y="%d" width="208" height="6" fill="%s" opacity="0.3"/>' % (COUNTER + 9, P["shadow"]),
             '<ellipse cx="58" cy="%d" rx="15" ry="8" fill="%s" stroke="%s" stroke-width="2"/>'
             % (COUNTER + 2, skin, INK),
             '<ellipse cx="142" cy="%d" rx="15" ry="8" fill="%s" stroke="%s" stroke-width="2"/>'
             % (COUNTER + 2, skin, INK)]
    s = Svg(200, 260)
    s.add("".join(parts))
    return s


def sleeves(colour):
    return "".join([
        path("M38 170 Q40 196 50 %d L70 %d Q62 190 62 160 Z" % (COUNTER, COUNTER), colour, 2),
        path("M162 170 Q160 196 150 %d L130 %d Q138 190 138 160 Z" % (COUNTER, COUNTER), colour, 2),
    ])


def keeper_lena():
    skin = P["rose"]
    back = "".join([circle(100, 36, 18, P["butter"], INK, 2.5),
                    path("M60 96 Q56 40 100 40 Q144 40 140 96 Q132 70 100 62 Q68 70 60 96 Z",
                         P["butter"], 2.5)])
    front = path("M62 80 Q64 44 100 44 Q136 44 138 80 Q120 58 98 60 Q76 62 62 80 Z", P["butter"], 2.5)
    apron = "".join([
        path("M66 148 L134 148 L140 %d L60 %d Z" % (COUNTER + 6, COUNTER + 6), P["green"], 2.5),
        line(70, 148, 82, 141, INK, 2.5), line(130, 148, 118, 141, INK, 2.5),
        rect(84, 176, 32, 20, P["green_dark"], INK, 2, rx=4),
        # the measuring tape round her neck
        path("M84 142 Q80 170 76 196", "none", 7, stroke=INK),
        path("M84 142 Q80 170 76 196", "none", 4, stroke=P["butter"]),
        path("M116 142 Q120 170 124 190", "none", 7, stroke=INK),
        path("M116 142 Q120 170 124 190", "none", 4, stroke=P["butter"]),
        line(77, 160, 81, 160, INK, 1.2), line(76, 172, 80, 172, INK, 1.2),
        line(120, 160, 124, 160, INK, 1.2), line(121, 172, 125, 172, INK, 1.2),
    ])
    return keeper(skin, back, front, P["plum"], sleeves(P["plum"]), apron)


def keeper_teknik():
    skin = P["wood"]
    back = "".join(circle(x, y, 13, INK, None) for x, y in
                   ((66, 64), (76, 48), (92, 40), (110, 40), (126, 48), (136, 64), (62, 80), (138, 80)))
    front = "".join(circle(x, y, 9, INK, None) for x, y in
                    ((72, 60), (86, 52), (100, 50), (114, 52), (128, 60)))
    extras = "".join([
        # the t-shirt's logo: a little bolt
        circle(100, 180, 16, P["light"], INK, 2),
        path("M103 168 L94 182 H100 L97 193 L107 177 H101 L104 168 Z", P["accent"], 1.5),
        # the headset
        path("M58 86 Q58 36 100 36 Q142 36 142 86", "none", 8, stroke=INK),
        path("M58 86 Q58 36 100 36 Q142 36 142 86", "none", 4, stroke=P["road_dark"]),
        rect(52, 76, 14, 22, P["panel"], INK, 2, rx=5),
        rect(134, 76, 14, 22, P["panel"], INK, 2, rx=5),
        path("M60 96 Q64 112 84 110", "none", 3),
        circle(86, 110, 3.5, P["red"], INK, 1.5),
    ])
    return keeper(skin, back, front, P["teal"], sleeves(P["teal"]), extras)


def keeper_bank():
    skin = P["roof"]
    scarf = path("M56 92 Q50 38 100 36 Q150 38 144 92 Q148 130 128 146 L72 146 Q52 130 56 92 Z",
                 P["plum"], 2.5)
    front = path("M62 82 Q64 50 100 48 Q136 50 138 82 Q132 60 100 58 Q68 60 62 82 Z", P["plum"], 2)
    blazer = "".join([
        path("M84 140 L100 176 L116 140 Z", P["light"], 2),
        path("M80 140 L100 180 L92 %d L60 %d Q50 170 66 146 Z" % (COUNTER + 6, COUNTER + 6),
             P["panel"], 2.5),
        path("M120 140 L100 180 L108 %d L140 %d Q150 170 134 146 Z" % (COUNTER + 6, COUNTER + 6),
             P["panel"], 2.5),
        rect(112, 184, 24, 12, P["butter"], INK, 1.5, rx=2),
        line(116, 190, 131, 190, INK, 1.2),
        circle(100, 196, 2.5, P["accent"], INK, 1),
    ])
    return keeper(skin, scarf, front, P["panel"], sleeves(P["panel"]), blazer)



# --- interiors (802 x 602, screen pixels from file (1, 1)) ----------------------------
FLOOR = 440  # where the back wall meets the floor
DESK = 548  # the top of the counter at the bottom right


def interior(wall, trim, floor, floor_lines, decor, desk, desk_top):
    """The room: a plain back wall (the middle stays calm for the shop window),
    a skirting board, the floor, the shop's own things at the edges and the
    counter at the bottom right where the keeper stands."""
    p = [rect(-2, -2, 806, FLOOR + 2, wall, None),
         rect(-2, 0, 806, 26, trim, INK, 2.5),
         rect(-2, FLOOR - 14, 806, 14, trim, INK, 2.5),
         rect(-2, FLOOR, 806, 604 - FLOOR, floor, INK, 2.5)]
    p += floor_lines
    p += decor
    p += [rect(556, DESK, 260, 70, desk, INK, 3, rx=8),
          rect(550, DESK - 10, 270, 14, desk_top, INK, 2.5, rx=5),
          '<rect x="556" y="%d" width="260" height="7" fill="%s" opacity="0.3"/>'
          % (DESK + 4, P["shadow"])]
    s = Svg(802, 602, margin=False)
    s.add(rect(0, 0, 802, 602, wall, None))
    s.add(group(p, 1, 1))
    return s


def planks(colour, step=64):
    out = [line(-2, y, 804, y, colour, 1.5) for y in (470, 512, 560)]
    for i, y0 in enumerate((FLOOR, 470, 512, 560)):
        y1 = (470, 512, 560, 602)[i]
        for x in range(40 + 37 * i % step, 800, step * 3):
            out.append(line(x, y0, x, y1, colour, 1.5))
    return out


def tiles(colour, step=80):
    out = [line(-2, y, 804, y, colour, 1.5) for y in (480, 530, 590)]
    for x in range(0, 820, step):
        out.append(line(x, FLOOR, x + (x - 400) * 0.25, 602, colour, 1.5))
    return out


def plant(x, ground, k=1.0):
    return "".join([
        '<ellipse cx="%s" cy="%s" rx="%s" ry="6" fill="%s" opacity="0.3"/>' % (x, ground, 26 * k, P["shadow"]),
        path("M%s %s Q%s %s %s %s" % (x, ground - 40 * k, x - 40 * k, ground - 80 * k, x - 30 * k, ground - 120 * k),
             P["leaf"], 2).replace('fill="%s"' % P["leaf"], 'fill="none"'),
        '<ellipse cx="%s" cy="%s" rx="%s" ry="%s" fill="%s" stroke="%s" stroke-width="2" '
        'transform="rotate(-30 %s %s)"/>' % (x - 18 * k, ground - 78 * k, 12 * k, 26 * k, P["leaf"], INK,
                                              x - 18 * k, ground - 78 * k),
        '<ellipse cx="%s" cy="%s" rx="%s" ry="%s" fill="%s" stroke="%s" stroke-width="2" '
        'transform="rotate(28 %s %s)"/>' % (x + 18 * k, ground - 84 * k, 12 * k, 28 * k, P["leaf_dark"], INK,
                                             x + 18 * k, ground - 84 * k),
        '<ellipse cx="%s" cy="%s" rx="%s" ry="%s" fill="%s" stroke="%s" stroke-width="2"/>'
        % (x, ground - 100 * k, 11 * k, 30 * k, P["leaf"], INK),
        path("M%s %s L%s %s L%s %s L%s %s Z" % (x - 22 * k, ground - 46 * k, x + 22 * k, ground - 46 * k,
                                                 x + 16 * k, ground, x - 16 * k, ground), P["brick"], 2.5),
        rect(x - 24 * k, ground - 52 * k, 48 * k, 10 * k, P["roof"], INK, 2, rx=3),
    ])


def pendant(x, drop, shade_colour):
    return "".join([
        line(x, 26, x, drop, INK, 2),
        path("M%s %s Q%s %s %s %s Z" % (x - 26, drop + 26, x, drop - 12, x + 26, drop + 26), shade_colour, 2.5),
        '<ellipse cx="%s" cy="%s" rx="9" ry="5" fill="%s" stroke="%s" stroke-width="2"/>'
        % (x, drop + 27, P["butter"], INK),
    ])


def frame_picture(x, y, w, h, colour):
    return "".join([
        rect(x, y, w, h, P["wood"], INK, 2.5, rx=3),
        rect(x + 7, y + 7, w - 14, h - 14, P["sky_light"], INK, 1.5),
        path("M%s %s L%s %s L%s %s L%s %s Z" % (x + 8, y + h - 8, x + w * 0.4, y + h * 0.45,
                                                 x + w * 0.6, y + h * 0.65, x + w - 8, y + h - 8),
             colour, 1.5),
        circle(x + w * 0.72, y + h * 0.32, 5, P["butter"], INK, 1.2),
    ])


def shop_lena():
    decor = [
        # the wall between the trims: soft vertical stripes of the wallpaper
        *[rect(x, 26, 22, FLOOR - 40, P["sand"], None, extra=' opacity="0.55"') for x in range(24, 800, 64)],
        pendant(610, 70, P["accent"]), pendant(720, 90, P["teal"]),
        frame_picture(600, 150, 86, 66, P["leaf"]), frame_picture(700, 170, 64, 84, P["rose"]),
        # a sofa in the showroom corner
        '<ellipse cx="690" cy="%d" rx="110" ry="10" fill="%s" opacity="0.3"/>' % (FLOOR + 60, P["shadow"]),
        rect(586, 330, 210, 76, P["plum"], INK, 2.5, rx=16),
        rect(600, 380, 182, 44, P["plum"], INK, 2.5, rx=10),
        rect(570, 364, 34, 72, P["plum"], INK, 2.5, rx=12),
        rect(778, 364, 34, 72, P["plum"], INK, 2.5, rx=12),
        rect(610, 346, 46, 36, P["rose"], INK, 2, rx=8),
        rect(730, 346, 46, 36, P["butter"], INK, 2, rx=8),
        rect(592, 436, 8, 64, P["wood"], INK, 2),
        rect(782, 436, 8, 64, P["wood"], INK, 2),
        plant(30, FLOOR + 140, 0.9),
    ]
    return interior(P["cream"], P["wood"], P["wood"], planks(P["roof"]), decor, P["roof"], P["wood"])


def screen(x, y, w, h, scene_colour):
    return "".join([
        rect(x, y, w, h, P["panel"], INK, 2.5, rx=4),
        rect(x + 6, y + 6, w - 12, h - 12, scene_colour, None, rx=2),
        path("M%s %s L%s %s L%s %s L%s %s L%s %s Z" % (x + 6, y + h - 6, x + w * 0.35, y + h * 0.5,
                                                        x + w * 0.55, y + h * 0.7, x + w * 0.75,
                                                        y + h * 0.55, x + w - 6, y + h - 6),
             P["leaf"], stroke=None),
        rect(x + 6, y + 6, w - 12, h - 12, "none", INK, 1.5, rx=2),
    ])


def shop_teknik():
    decor = [
        *[line(x, 26, x, FLOOR - 14, P["glass"], 3) for x in range(40, 800, 80)],
        # a wall of screens over the counter
        rect(566, 60, 236, 250, P["panel_light"], INK, 2.5, rx=8),
        screen(580, 74, 100, 66, P["sky"]), screen(690, 74, 100, 66, P["butter"]),
        screen(580, 150, 100, 66, P["rose"]), screen(690, 150, 100, 66, P["sky_light"]),
        rect(584, 232, 200, 10, P["stone"], INK, 2, rx=3),
        # headphones and speakers on the shelf
        rect(594, 248, 30, 50, P["panel"], INK, 2, rx=5), circle(609, 264, 8, P["road"], INK, 1.5),
        circle(609, 286, 6, P["road"], INK, 1.5),
        rect(744, 248, 30, 50, P["panel"], INK, 2, rx=5), circle(759, 264, 8, P["road"], INK, 1.5),
        circle(759, 286, 6, P["road"], INK, 1.5),
        path("M660 286 Q660 252 684 252 Q708 252 708 286", "none", 5, stroke=INK),
        path("M660 286 Q660 252 684 252 Q708 252 708 286", "none", 2.5, stroke=P["red"]),
        rect(652, 276, 14, 20, P["red"], INK, 2, rx=4), rect(702, 276, 14, 20, P["red"], INK, 2, rx=4),
        rect(584, 298, 200, 10, P["stone"], INK, 2, rx=3),
        plant(40, FLOOR + 140, 0.9),
    ]
    return interior(P["sky_light"], P["panel"], P["stone"], tiles(P["road"]), decor, P["panel"], P["teal"])


def column(x, w=44):
    return "".join([
        rect(x - w / 2 - 6, 26, w + 12, 16, P["light"], INK, 2),
        rect(x - w / 2, 42, w, FLOOR - 72, P["light"], INK, 2.5),
        *[line(x - w / 2 + i * w / 4, 50, x - w / 2 + i * w / 4, FLOOR - 36, P["stone"], 2) for i in (1, 2, 3)],
        rect(x - w / 2 - 6, FLOOR - 30, w + 12, 16, P["light"], INK, 2),
    ])


def shop_bank():
    decor = [
        column(14), column(560), column(788),
        # the clock and the opening hours between the columns
        circle(674, 110, 40, P["light"], INK, 3), circle(674, 110, 33, "none", P["stone"], 2),
        line(674, 110, 674, 86, INK, 3), line(674, 110, 692, 118, INK, 3), circle(674, 110, 3.5, INK, None),
        rect(614, 190, 120, 84, P["panel"], INK, 2.5, rx=8),
        text(674, 218, "Öppet", 19, P["accent"], anchor="middle"),
        text(674, 244, "mån–fre", 16, P["light"], anchor="middle", weight="normal"),
        text(674, 264, "10–16", 16, P["light"], anchor="middle", weight="normal"),
        plant(674, FLOOR + 100, 0.95),
        coin_stack(740, FLOOR + 90),
    ]
    return interior(P["stone"], P["sand"], P["sand"], tiles(P["stone"], 100), decor, P["panel"], P["light"])


def coin_stack(x, ground):
    out = ['<ellipse cx="%s" cy="%s" rx="22" ry="5" fill="%s" opacity="0.3"/>' % (x, ground, P["shadow"])]
    for i in range(4):
        out.append('<ellipse cx="%s" cy="%s" rx="18" ry="6" fill="%s" stroke="%s" stroke-width="2"/>'
                   % (x, ground - 4 - i * 7, P["butter"], INK))
    return "".join(out)


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
    "shop_logo_lena": lambda: logo("Lenas Möbler", P["brick"], P["rose"], chair_icon()),
    "shop_logo_teknik": lambda: logo("Tekniklandet", P["teal"], P["panel"], bolt_icon()),
    "shop_logo_bank": lambda: logo("Stadsbanken", P["panel"], P["panel_light"], bank_icon()),
    "shop_keeper_lena": keeper_lena,
    "shop_keeper_teknik": keeper_teknik,
    "shop_keeper_bank": keeper_bank,
    "sprite_shop_lena": shop_lena,
    "sprite_shop_teknik": shop_teknik,
    "sprite_shop_bank": shop_bank,
    "shop_share0": share_forest,
    "shop_share1": share_code,
    "shop_share2": share_groceries,
    "shop_fund0": fund_sweden,
    "shop_fund1": fund_world,
    "shop_fund2": fund_safe,
}
for _file, _label, _colour in CATEGORIES:
    IMAGES["gui_cat_" + _file] = (lambda l, c: lambda: category_tab(l, c))(_label, _colour)
