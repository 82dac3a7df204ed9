#!/usr/bin/env python3
"""Writes the pictures of the notice board, the achievements and the tutorial
windows into art/gfx/ (see art/STYLE.md).

    notice.py OUTDIR

  - achievement_<id>_unlocked / _locked (190 x 120): the board's cards, the
    picture on top and the title on a cream strip; the locked card is the same
    card in grey stone tones with a padlock badge.
  - achievement_<id>_big (160 x 160): the picture in a gold ring, for the
    window that tells of a new achievement.
  - tutorial_<key> (200 x 150): a small scene per guide.
  - gui_nb_help, gui_nb_achiev (160 x 44): the board's page tabs, drawn like
    the budget tabs; gui_help_entry (270 x 40): a plain cream face for the
    help list (the game writes the label); gui_noticeboard_title (240 x 50).

Every image keeps the one-pixel margin clear. The output is the same on every
run.
"""
import os
import re
import sys

from artlib import PALETTE as P
from artlib import Svg, text
from events import heart
import hud
from hud import face, path, shield, stroked
from scenes import circle, coin, group, line, poly, rect, star, window

INK = P["ink"]


# --- shared pieces ----------------------------------------------------------------
def shade(cx, y, rx):
    """The flat shadow under an object standing on the ground."""
    return ('<ellipse cx="%s" cy="%s" rx="%s" ry="%s" fill="%s" opacity="0.3"/>'
            % (cx, y, rx, max(2.5, rx * 0.15), P["shadow"]))


def ellipse(cx, cy, rx, ry, fill, sw=2, extra=""):
    s = '<ellipse cx="%s" cy="%s" rx="%s" ry="%s" fill="%s"' % (cx, cy, rx, ry, fill)
    if sw:
        s += ' stroke="%s" stroke-width="%s"' % (INK, sw)
    return s + extra + "/>"


def coin_stack(cx, ground, n, rx=16, ry=5.5, step=6):
    out = []
    for i in range(n):
        out.append(ellipse(cx, ground - ry - i * step, rx, ry, P["butter"]))
    top = ground - ry - (n - 1) * step
    out.append('<ellipse cx="%s" cy="%s" rx="%s" ry="%s" fill="none" stroke="%s" stroke-width="1.2"/>'
               % (cx, top, rx * 0.6, ry * 0.6, P["accent_dark"]))
    return "".join(out)


def piggy(cx, cy, k=1.0, body=None, split=None):
    """A piggy bank seen from the side, facing right, centred on its body.
    With split the body is drawn twice, left half and right half coloured."""
    body = body or P["rose"]
    g = [
        rect(-22, 12, 9, 13, body, INK, 2, rx=3),  # legs
        rect(10, 12, 9, 13, body, INK, 2, rx=3),
        path("M-30 -2 Q-40 -6 -38 -14 Q-36 -18 -33 -14", "none", 2),  # tail
        path("M-8 -20 L-2 -32 L6 -20 Z", body, 2),  # ear
    ]
    outline = ellipse(0, 0, 31, 23, "none", 2.5)
    if split:
        g.append('<clipPath id="pigl"><rect x="-40" y="-30" width="40" height="60"/></clipPath>')
        g.append(ellipse(0, 0, 31, 23, split[0], 0, ' clip-path="url(#pigl)"'))
        g.append('<clipPath id="pigr"><rect x="0" y="-30" width="40" height="60"/></clipPath>')
        g.append(ellipse(0, 0, 31, 23, split[1], 0, ' clip-path="url(#pigr)"'))
        g.append(line(0, -23, 0, 23, INK, 2))
    else:
        g.append(ellipse(0, 0, 31, 23, body, 0))
    g += [outline,
          ellipse(31, 1, 7, 9, body, 2),  # snout
          circle(30, -1.5, 1.4, INK, None), circle(30, 3.5, 1.4, INK, None),
          circle(17, -8, 2.3, INK, None),  # eye
          rect(-10, -22.5, 16, 4, INK, None, rx=2)]  # the coin slot
    return group(g, cx, cy, k)


def padlock(cx, cy, k=1.0):
    return group([
        path("M-6 -1 V-7 A6 6 0 0 1 6 -7 V-1", "none", 6.5),
        path("M-6 -1 V-7 A6 6 0 0 1 6 -7 V-1", "none", 2.8, stroke=P["stone"]),
        rect(-9, -2, 18, 14, P["stone"], INK, 2, rx=3),
        circle(0, 3.5, 2.2, INK, None),
        rect(-1, 4, 2, 5, INK, None, rx=1),
    ], cx, cy, k)


# --- the nine pictures ---------------------------------------------------------------
# Each is drawn into a 120 x 90 box with the ground at y 80; the card and the
# big picture scale and place the box. BACKDROPS gives sky and ground.
GROUND = 80


def pic_piggy():
    return [shade(58, GROUND, 36), piggy(58, 52, 1.0),
            coin(55, 17, 10), stroked("M42 8 L44 12", 1.8, P["accent"]),
            stroked("M70 8 L68 12", 1.8, P["accent"]), star(96, 20, 6, P["butter"])]


def pic_buffer():
    canopy = "M14 40 Q16 6 60 4 Q104 6 106 40 Q99 34 92 40 Q84 34 77 40 Q68 34 60 40 " \
             "Q52 34 43 40 Q36 34 28 40 Q21 34 14 40 Z"
    drops = "".join(path("M%s %s Q%s %s %s %s" % (x, y, x - 2, y + 5, x, y + 7), "none", 3,
                         stroke=P["glass"]) for x, y in ((8, 46), (112, 50), (16, 64), (106, 68)))
    return [shade(60, GROUND, 34),
            line(60, 6, 60, 60, INK, 3),
            path(canopy, P["teal"], 2.5),
            path("M60 4 Q48 14 43 40 M60 4 Q72 14 77 40", "none", 1.8),
            path("M60 4 Q58 20 60 40", "none", 1.8),
            circle(60, 3, 2.6, P["accent"], INK, 1.5),
            coin_stack(46, GROUND, 4), coin_stack(74, GROUND, 5),
            drops]


def pic_sapling():
    leaves = [path("M60 36 Q40 38 34 22 Q52 16 60 36 Z", P["leaf"], 2),
              path("M61 28 Q72 8 90 12 Q88 32 61 28 Z", P["leaf"], 2),
              path("M60 36 Q46 30 38 24", "none", 1.5, stroke=P["leaf_dark"]),
              path("M62 28 Q74 18 86 14", "none", 1.5, stroke=P["leaf_dark"])]
    pile = [ellipse(60, 76, 34, 7, P["butter"]), ellipse(44, 70, 14, 5, P["butter"]),
            ellipse(76, 70, 14, 5, P["butter"]), ellipse(60, 66, 15, 5, P["butter"]),
            ellipse(60, 66, 8, 2.6, "none", 1.2)]
    return [shade(60, GROUND, 38), stroked("M60 66 Q58 50 61 28", 3.5, P["leaf_dark"])] \
        + leaves + pile + [coin(96, 56, 9, label=False), coin(24, 58, 8, label=False)]


def pic_chart():
    bars = []
    for i, hgt in enumerate((18, 28, 40, 54)):
        bars.append(rect(24 + i * 20, GROUND - 2 - hgt, 14, hgt, P["green"], INK, 2, rx=2))
    return [line(14, GROUND - 2, 106, GROUND - 2, INK, 2.5), line(14, GROUND - 2, 14, 10, INK, 2.5)] \
        + bars + [stroked("M20 56 L44 42 L60 48 L94 16", 4, P["accent"]),
                  path("M84 12 L102 8 L98 26 Z", P["accent"], 2),
                  coin(100, 52, 9)]


def pic_health():
    apple = [path("M40 30 Q28 20 18 28 Q8 38 12 56 Q18 76 32 76 Q38 76 40 73 Q42 76 48 76 "
                  "Q62 76 68 56 Q72 38 62 28 Q52 20 40 30 Z", P["green"], 2.5),
             path("M40 30 Q40 20 44 12", "none", 2.5),
             path("M44 18 Q54 8 64 14 Q54 24 44 18 Z", P["leaf"], 2),
             path("M22 40 Q20 48 23 56", "none", 3, stroke=P["light"])]
    return [shade(60, GROUND, 44)] + apple + [
        group([path(heart(2.2), P["red"], 2.5)], 84, 46),
        path("M74 38 Q76 33 81 32", "none", 2.5, stroke=P["light"]),
        star(104, 14, 6, P["butter"])]


def pic_soap():
    bubbles = [(28, 22, 10), (50, 12, 7), (84, 16, 12), (102, 36, 7), (14, 44, 6), (66, 30, 5)]
    out = [shade(60, GROUND, 40),
           rect(24, 52, 72, 26, P["sky"], INK, 2.5, rx=11),
           path("M28 56 Q30 52 36 52 H84 Q90 52 92 56", "none", 2, stroke=P["light"]),
           rect(36, 60, 48, 10, P["glass"], INK, 1.5, rx=5)]
    for x, y, r in bubbles:
        out.append(circle(x, y, r, P["light"], INK, 2))
        out.append(path("M%s %s A%s %s 0 0 1 %s %s" % (x - r * 0.55, y - r * 0.1, r * 0.6, r * 0.6,
                                                       x - r * 0.05, y - r * 0.6),
                        "none", 1.5, stroke=P["glass"]))
    return out


def pic_home():
    return [shade(60, GROUND, 46),
            rect(26, 40, 68, 40, P["butter"], INK, 2.5),
            poly([(16, 42), (60, 8), (104, 42)], P["brick"], INK, 2.5),
            rect(78, 14, 9, 16, P["brick"], INK, 2),
            rect(52, 56, 16, 24, P["teal"], INK, 2),
            circle(64, 69, 1.6, P["accent"], None),
            window(32, 50, 14, 14), window(74, 50, 14, 14),
            group([path(heart(1.05), P["red"], 1.8)], 60, 32),
            star(108, 14, 5, P["butter"])]


def pic_chair():
    return [shade(56, GROUND, 40),
            rect(28, 18, 56, 40, P["plum"], INK, 2.5, rx=12),  # back
            rect(30, 52, 52, 18, P["rose"], INK, 2.5, rx=6),  # seat cushion
            rect(14, 40, 20, 34, P["plum"], INK, 2.5, rx=8),  # arms
            rect(78, 40, 20, 34, P["plum"], INK, 2.5, rx=8),
            rect(20, 72, 6, 8, P["wood"], INK, 2), rect(86, 72, 6, 8, P["wood"], INK, 2),
            star(98, 16, 14, P["accent"]), star(76, 8, 5, P["butter"])]


def pic_job():
    return [shade(54, GROUND, 42),
            rect(40, 26, 28, 14, "none", INK, 3.5, rx=5),
            rect(40, 26, 28, 14, "none", P["roof"], 1.5, rx=5),
            rect(14, 36, 80, 44, P["wood"], INK, 2.5, rx=6),
            line(14, 54, 94, 54, INK, 2),
            rect(48, 50, 12, 9, P["butter"], INK, 1.8, rx=2),
            # the name badge on its lanyard
            path("M86 4 Q98 18 100 32", "none", 3, stroke=P["teal"]),
            path("M114 4 Q104 18 100 32", "none", 3, stroke=P["teal"]),
            '<g transform="rotate(8 100 50)">%s</g>' % "".join([
                rect(84, 30, 32, 40, P["light"], INK, 2, rx=4),
                rect(84, 30, 32, 10, P["red"], INK, 2, rx=4),
                rect(96, 27, 8, 6, P["road"], INK, 1.5, rx=1.5),
                circle(100, 50, 6, P["rose"], INK, 1.5),
                line(90, 62, 110, 62, P["road"], 2.5)])]


# id, title, picture, sky, ground
ACHIEVEMENTS = [
    (0, "Första sparslanten", pic_piggy, P["sky_light"], P["grass"]),
    (1, "Buffert", pic_buffer, P["sky"], P["grass"]),
    (2, "Fondsparare", pic_sapling, P["sky_light"], P["grass"]),
    (3, "Vinst på aktier", pic_chart, P["sky_light"], P["sand"]),
    (4, "Frisk och stark", pic_health, P["butter"], P["wood"]),
    (5, "Ren och fräsch", pic_soap, P["sky_light"], P["stone"]),
    (6, "Hemma hos mig", pic_home, P["sky"], P["grass"]),
    (7, "Inredare", pic_chair, P["border"], P["wood"]),
    (8, "Jobbet kvar", pic_job, P["sky_light"], P["stone"]),
]


# --- greying the locked cards ---------------------------------------------------------
def _luma(hex_colour):
    r, g, b = (int(hex_colour[i:i + 2], 16) for i in (1, 3, 5))
    return 0.299 * r + 0.587 * g + 0.114 * b


def grey_of(hex_colour):
    """The stone tone a colour takes on a locked card: light colours become
    stone, middle ones road, dark ones road-dark; ink stays ink so that the
    shapes keep their outlines."""
    if hex_colour.upper() == INK:
        return INK
    luma = _luma(hex_colour)
    if luma >= 200:
        return P["stone"]
    if luma >= 140:
        return P["road"]
    return P["road_dark"]


def greyed(svg):
    return re.sub(r"#[0-9A-Fa-f]{6}", lambda m: grey_of(m.group(0)), svg)


# --- achievement cards (190 x 120) ---------------------------------------------------------
CARD_W, CARD_H = 190, 120
STRIP = 86  # the top of the title strip


def achievement_card(index, locked):
    _, title, pic, sky, ground = ACHIEVEMENTS[index]
    s = Svg(CARD_W, CARD_H)
    s.defs('<clipPath id="card"><rect x="2" y="2" width="186" height="116" rx="10"/></clipPath>')
    k, top = 0.9, 4
    scene = "".join([rect(0, 0, CARD_W, STRIP, sky, None),
                     rect(0, top + GROUND * k, CARD_W, STRIP, ground, None),
                     line(0, top + GROUND * k, CARD_W, top + GROUND * k, INK, 1.5),
                     group(pic(), CARD_W / 2 - 60 * k, top, k)])
    if locked:
        inner = [greyed(scene),
                 rect(0, STRIP, CARD_W, CARD_H - STRIP, P["stone"], None),
                 line(0, STRIP, CARD_W, STRIP, INK, 2),
                 circle(170, 20, 15, P["panel_light"], INK, 2),
                 padlock(170, 20)]
        ink = P["panel"]
    else:
        inner = [scene,
                 rect(0, STRIP, CARD_W, CARD_H - STRIP, P["cream"], None),
                 line(0, STRIP, CARD_W, STRIP, INK, 2),
                 poly([(146, 0), (CARD_W, 0), (CARD_W, 44)], P["accent"], INK, 2),
                 star(172, 15, 9, P["light"])]
        ink = INK
    s.add('<g clip-path="url(#card)">%s</g>' % "".join(inner))
    s.add(text(CARD_W / 2, 109, title, 16, ink, anchor="middle"))
    s.add(rect(2, 2, 186, 116, "none", INK, 2, rx=10))
    return s


# --- big achievement pictures (160 x 160) ------------------------------------------------------
def achievement_big(index):
    _, _, pic, sky, ground = ACHIEVEMENTS[index]
    s = Svg(160, 160)
    c, inner = 80, 64
    s.defs('<clipPath id="disc"><circle cx="%s" cy="%s" r="%s"/></clipPath>' % (c, c, inner))
    k = 1.0
    top = c - 45 * k
    scene = [rect(0, 0, 160, 160, sky, None),
             rect(0, top + GROUND * k, 160, 160, ground, None),
             line(0, top + GROUND * k, 160, top + GROUND * k, INK, 2),
             group(pic(), c - 60 * k, top, k)]
    s.add(circle(c, c, 77, P["accent_dark"], None))
    s.add(circle(c, c - 1.5, 75.5, P["accent"], None))
    s.add('<path d="M%s %s A66 66 0 0 1 %s %s" fill="none" stroke="%s" stroke-width="3" '
          'stroke-linecap="round" opacity="0.35"/>' % (c - 50, c - 48, c + 50, c - 48, P["cream"]))
    for a in (45, 135, 225, 315):  # four little stars set into the ring
        s.add('<g transform="translate(%s %s) rotate(%s)">%s</g>' % (c, c, a, star(0, -71, 4.5, P["butter"])))
    s.add('<g clip-path="url(#disc)">%s</g>' % "".join(scene))
    s.add(circle(c, c, inner, "none", INK, 2.5))
    s.add(circle(c, c, 77, "none", INK, 2))
    return s


# --- notice board buttons ---------------------------------------------------------------
def nb_tab(label, colour, icon):
    """A page tab like the budget tabs: a cream card with a coloured top band,
    an icon and the label in ink."""
    w, h = 160, 44
    s = Svg(w, h)
    s.defs('<clipPath id="tab"><rect x="2" y="2" width="156" height="40" rx="10"/></clipPath>')
    s.add(rect(2, 2, 156, 40, P["sand"], None, rx=10))
    s.add(rect(2, 2, 156, 36, P["cream"], None, rx=10))
    s.add(rect(2, 2, 156, 7, colour, None, extra=' clip-path="url(#tab)"'))
    s.add(line(2, 9, 158, 9, INK, 1.5))
    s.add(rect(2, 2, 156, 40, "none", INK, 2, rx=10))
    s.add(icon)
    s.add(text(96, 31, label, 18, INK, anchor="middle"))
    return s


def nb_help():
    icon = circle(22, 24, 10, P["teal"], INK, 2) + text(22, 30, "?", 16, P["light"], anchor="middle",
                                                         outline=2.5)
    return nb_tab("Hjälp", P["teal"], icon)


def nb_achiev():
    return nb_tab("Prestationer", P["accent"], star(22, 24, 10, P["accent"]))


def help_entry():
    s = Svg(270, 40)
    s.add(face(270, 40, P["cream"], P["sand"]))
    return s


def board_title():
    w, h = 240, 50
    s = Svg(w, h)
    s.add(rect(2, 2, 236, 46, P["wood"], INK, 2, rx=8))
    s.add(rect(8, 7, 224, 36, P["sand"], INK, 1.5, rx=4))
    for x, y in ((15, 13), (225, 13), (15, 37), (225, 37)):
        s.add(circle(x, y, 2.6, P["red"], INK, 1))
    s.add(text(120, 34, "Anslagstavlan", 26, INK, anchor="middle"))
    return s


# --- tutorial pictures (200 x 150) ------------------------------------------------------
TW, TH = 200, 150
TFLOOR = 124  # the ground line of most scenes


def tutorial_scene(parts, bg=None, floor=P["grass"], floor_y=TFLOOR):
    """A light card with the scene clipped to it, like the report pictures."""
    s = Svg(TW, TH)
    s.defs('<clipPath id="card"><rect x="2" y="2" width="196" height="146" rx="10"/></clipPath>')
    inner = [rect(0, 0, TW, TH, bg or P["sky_light"], None)]
    if floor:
        inner += [rect(0, floor_y, TW, TH - floor_y, floor, None), line(0, floor_y, TW, floor_y, INK, 2)]
    inner += parts
    s.add('<g clip-path="url(#card)">%s</g>' % "".join(inner))
    s.add(rect(2, 2, 196, 146, "none", INK, 2, rx=10))
    return s


def svg_body(svg):
    """The drawing of another picture, without its margin clip, to place it."""
    return svg.render().split('<g clip-path="url(#shown)">', 1)[1].rsplit("</g>", 1)[0]


def key(x, y, angle, colour):
    """A door key lying with its bow at (x, y), pointing along angle."""
    return '<g transform="translate(%s %s) rotate(%s)">%s</g>' % (x, y, angle, "".join([
        path("M8 -3.5 H44 V3.5 H8 Z", colour, 2),
        path("M30 3.5 V10 H35 V3.5 M38 3.5 V8 H43 V3.5", colour, 2),
        circle(0, 0, 11, colour, INK, 2.5),
        circle(0, 0, 4, P["sky_light"], INK, 2),
    ]))


def arrow_head(x, y, angle, colour, k=1.0):
    return '<g transform="translate(%s %s) rotate(%s) scale(%s)">%s</g>' % (
        x, y, angle, k, path("M0 -9 L11 0 L0 9 Z", colour, 2))


def tut_welcome():
    house = [rect(18, 40, 104, 84, P["butter"], INK, 2.5),
             poly([(10, 42), (70, 8), (130, 42)], P["roof"], INK, 2.5),
             window(28, 52, 20, 22), window(92, 52, 20, 22), window(28, 88, 20, 22),
             rect(56, 74, 28, 50, P["green"], INK, 2.5, rx=2),
             circle(78, 100, 2, P["accent"], INK, 1),
             group([path(heart(0.6), P["red"], 1.5)], 70, 86),
             rect(50, 120, 40, 5, P["stone"], INK, 1.5)]
    ring = [circle(150, 62, 14, "none", INK, 5), circle(150, 62, 14, "none", P["road"], 2.5),
            key(146, 80, 70, P["butter"]), key(160, 78, 110, P["accent"]),
            line(150, 48, 150, 36, INK, 2),
            rect(138, 22, 24, 16, P["rose"], INK, 2, rx=4),
            group([path(heart(0.4), P["light"], 1.3)], 150, 30)]
    return tutorial_scene([shade(70, 126, 56)] + house + ring
                          + [star(184, 20, 6, P["butter"]), star(118, 16, 4, P["butter"])])


def tut_gui():
    bar = 92
    buttons = [group([svg_body(f())], x, bar + 9)
               for f, x in ((hud.budget_button, 66), (hud.invest_button, 110), (hud.sickins, 154))]
    play = [circle(31, 121, 25, P["border"], INK, 2),
            circle(31, 121, 29, "none", P["accent"], 3, extra=' stroke-dasharray="7 5"'),
            group([svg_body(hud.play_button())], 31 - 28 * 0.8, 121 - 28 * 0.8, 0.8)]
    pointer = path("M0 0 L0 22 L5 17.5 L8.5 25.5 L12.5 23.5 L9 16 L15.5 16 Z", P["light"], 2)
    return tutorial_scene([
        rect(0, 0, TW, bar, P["sand"], None),
        rect(16, 14, 46, 40, P["sky_light"], INK, 2, rx=3), line(39, 14, 39, 54, P["light"], 2.5),
        group([hud.calendar(0, 0)], 146, 44, 2.2),
        rect(0, bar, TW, TH - bar, P["panel"], None),
        rect(0, bar, TW, 6, P["border"], None), line(0, bar, TW, bar, INK, 2),
        line(0, bar + 6, TW, bar + 6, INK, 2)] + buttons + play + [group([pointer], 36, 124)],
        floor=None)


def slider_row(y, icon, value, colour):
    return "".join([group([icon], 44, y),
                    rect(66, y - 2.5, 100, 5, P["sand"], INK, 1.5, rx=2.5),
                    rect(66, y - 2.5, 100 * value, 5, colour, INK, 1.5, rx=2.5),
                    rect(62 + 100 * value, y - 8, 10, 16, P["cream"], INK, 2, rx=3)])


def tut_budgeta():
    apple = circle(0, 1, 8, P["red"], INK, 1.8) + path("M0 -7 Q1 -11 4 -12", "none", 1.8)
    shirt = path("M-4 -8 L-10 -5 L-14 2 L-9 5 L-7 2 V10 H7 V2 L9 5 L14 2 L10 -5 L4 -8 "
                 "Q0 -4 -4 -8 Z", P["teal"], 1.8)
    drop = path("M0 -9 Q6 -1 6 3 A6 6 0 0 1 -6 3 Q-6 -1 0 -9 Z", P["glass"], 1.8)
    return tutorial_scene([
        rect(14, 6, 172, 140, P["wood"], INK, 2.5, rx=8),
        rect(22, 16, 156, 124, P["light"], INK, 2, rx=3),
        rect(72, 4, 56, 16, P["road"], INK, 2, rx=4),
        text(32, 40, "Budget", 16, INK),
        coin(162, 35, 9),
        line(32, 48, 168, 48, P["sand"], 2),
        slider_row(66, apple, 0.7, P["green"]),
        slider_row(94, shirt, 0.4, P["accent"]),
        slider_row(121, drop, 0.55, P["teal"]),
    ], bg=P["butter"], floor=None)


def tut_budgetb():
    bill = '<g transform="rotate(12 166 92)">%s</g>' % "".join([
        rect(150, 74, 32, 38, P["light"], INK, 2, rx=2),
        rect(150, 74, 32, 8, P["red"], INK, 2, rx=2),
        text(166, 101, "kr", 12, P["red_dark"], anchor="middle")])
    return tutorial_scene([
        shade(100, TFLOOR + 1, 44),
        piggy(100, 82, 1.45, split=(P["green"], P["red"])),
        circle(64, 24, 13, P["green"], INK, 2),
        text(64, 30.5, "+", 20, P["light"], anchor="middle", outline=3),
        circle(136, 24, 13, P["red"], INK, 2),
        text(136, 30.5, "−", 20, P["light"], anchor="middle", outline=3),
        coin(22, 56, 10), coin(30, 80, 9, label=False),
        stroked("M20 100 Q34 100 44 92", 3, P["green"]),
        arrow_head(44, 92, -38, P["green"], 0.8),
        stroked("M150 62 Q162 52 176 56", 3, P["red"]),
        arrow_head(176, 56, 16, P["red"], 0.8),
        bill], bg=P["sky_light"], floor=P["grass"])


def tut_insurance():
    canopy = "M22 58 Q26 10 100 8 Q174 10 178 58 Q166 50 155 58 Q142 50 129 58 Q115 50 100 58 " \
             "Q85 50 71 58 Q58 50 45 58 Q34 50 22 58 Z"
    drops = "".join(path("M%s %s Q%s %s %s %s" % (x, y, x - 2, y + 6, x, y + 9), "none", 3,
                         stroke=P["glass"]) for x, y in ((10, 40), (188, 46), (12, 84), (190, 90),
                                                         (30, 104), (172, 110)))
    return tutorial_scene([
        rect(0, 0, TW, TFLOOR, P["sky"], None),
        drops, shade(100, TFLOOR + 1, 48),
        rect(64, 82, 72, 42, P["butter"], INK, 2.5),
        poly([(56, 84), (100, 62), (144, 84)], P["brick"], INK, 2.5),
        rect(92, 98, 16, 26, P["teal"], INK, 2),
        window(70, 92, 16, 14), window(114, 92, 16, 14),
        line(100, 8, 100, 62, INK, 3),
        path(canopy, P["red"], 2.5),
        path("M100 8 Q80 22 71 58 M100 8 Q120 22 129 58 M100 8 Q98 30 100 58", "none", 1.8),
        circle(100, 7, 3, P["accent"], INK, 1.5),
        group([shield(0, 0, 2.6)], 164, 100)], floor=P["grass"])


def shop_front(x, w, wall, awning, goods):
    stripe = (w - 8) / 6.0
    out = [rect(x, 34, w, 90, wall, INK, 2.5),
           rect(x - 3, 26, w + 6, 12, P["panel"], INK, 2)]
    for i in range(6):
        colour = awning if i % 2 == 0 else P["light"]
        sx = x + 4 + i * stripe
        out.append(poly([(sx, 44), (sx + stripe, 44), (sx + stripe, 58), (sx, 58)], colour, None))
        out.append(circle(sx + stripe / 2, 58, stripe / 2, colour, None))
    out.append(poly([(x + 4, 44), (x + w - 4, 44), (x + w - 2, 58), (x + 2, 58)], "none", INK, 2))
    out += [rect(x + 8, 70, w * 0.55, 42, P["glass"], INK, 2.5), goods,
            rect(x + w * 0.55 + 14, 70, w * 0.45 - 22, 54, P["wood"], INK, 2.5, rx=2),
            circle(x + w - 14, 98, 2, P["accent"], INK, 1),
            rect(x + 8, 112, w * 0.55, 8, P["stone"], INK, 2)]
    return "".join(out)


def tut_stores():
    chair = "".join([rect(20, 78, 6, 30, P["wood"], INK, 1.8), rect(20, 94, 24, 7, P["rose"], INK, 1.8),
                     line(41, 101, 41, 110, INK, 2), line(23, 101, 23, 110, INK, 2),
                     line(50, 76, 50, 108, INK, 1.8),
                     poly([(43, 78), (57, 78), (54, 70), (46, 70)], P["accent"], INK, 1.8)])
    tv = "".join([rect(114, 78, 34, 24, P["panel"], INK, 2, rx=2),
                  rect(117, 81, 28, 18, P["sky_light"], None),
                  poly([(127, 84), (127, 96), (136, 90)], P["accent"], INK, 1.2),
                  rect(126, 102, 10, 6, P["panel"], INK, 1.5)])
    return tutorial_scene([
        shop_front(10, 86, P["brick"], P["rose"], chair),
        shop_front(104, 86, P["teal"], P["accent"], tv),
        circle(53, 14, 9, P["light"], INK, 2), circle(147, 14, 9, P["light"], INK, 2),
        line(50, 8, 50, 19, INK, 2), line(50, 14, 57, 14, INK, 2), line(57, 14, 57, 19, INK, 2),
        path("M148.5 7.5 L143.5 15 H147 L145.5 21 L151 13 H147.5 Z", P["accent"], 1),
        line(53, 23, 53, 26, INK, 2), line(147, 23, 147, 26, INK, 2)],
        bg=P["sky"], floor=P["stone"])


def party_hat(x, y, angle):
    return '<g transform="rotate(%s %s %s)">%s</g>' % (angle, x, y, "".join([
        poly([(x - 20, y + 22), (x, y - 30), (x + 20, y + 22)], P["plum"], INK, 2.5),
        path("M%s %s L%s %s M%s %s L%s %s" % (x - 13, y + 4, x + 7, y - 12, x - 16, y + 16,
                                              x + 13, y - 2), "none", 4, stroke=P["butter"]),
        poly([(x - 20, y + 22), (x, y - 30), (x + 20, y + 22)], "none", INK, 2.5),
        circle(x, y - 31, 6, P["accent"], INK, 2)]))


def tut_events():
    bill = "".join([rect(34, 22, 62, 70, P["light"], INK, 2, rx=2),
                    rect(34, 22, 62, 12, P["teal"], INK, 2, rx=2),
                    line(42, 44, 86, 44, P["road"], 2.5), line(42, 52, 78, 52, P["road"], 2.5),
                    text(80, 72, "kr", 14, P["red_dark"], anchor="middle")])
    return tutorial_scene([
        confetti_bits(),
        shade(66, TFLOOR + 1, 52),
        bill,
        rect(18, 62, 96, 60, P["light"], INK, 2.5, rx=3),
        path("M19 63 L66 98 L113 63", "none", 2.5),
        path("M19 121 L56 92 M113 121 L76 92", "none", 2),
        shade(150, TFLOOR + 1, 26),
        party_hat(150, 88, 12),
        circle(178, 60, 12, P["red"], INK, 2),
        text(178, 66, "!", 16, P["light"], anchor="middle", outline=2.5)],
        bg=P["sky_light"], floor=P["wood"])


def confetti_bits():
    colours = [P["accent"], P["green"], P["rose"], P["teal"], P["butter"], P["plum"]]
    bits = [(120, 14, 20), (176, 22, 120), (140, 40, 60), (190, 96, 150), (12, 18, 80),
            (108, 52, 30), (22, 40, 140)]
    return "".join(rect(x, y, 9, 4.5, colours[i % 6], INK, 1, rx=1.5,
                        extra=' transform="rotate(%d %s %s)"' % (a, x + 4.5, y + 2.25))
                   for i, (x, y, a) in enumerate(bits))


def tut_savings():
    bank = [poly([(8, 42), (66, 10), (124, 42)], P["stone"], INK, 2.5),
            group([coin(0, 0, 9)], 66, 30),
            rect(10, 42, 112, 9, P["light"], INK, 2),
            rect(14, 51, 104, 73, P["stone"], INK, 2.5)]
    for cx in (26, 50, 82, 106):
        bank += [rect(cx - 5, 56, 10, 62, P["light"], INK, 2)]
    bank += [rect(57, 78, 18, 46, P["wood"], INK, 2), rect(8, 118, 116, 6, P["sand"], INK, 2)]
    book = '<g transform="rotate(-10 150 96)">%s</g>' % "".join([
        rect(120, 64, 60, 66, P["green_dark"], INK, 2.5, rx=4),
        rect(124, 64, 56, 62, P["green"], INK, 2.5, rx=4),
        rect(132, 74, 40, 14, P["light"], INK, 1.5, rx=2),
        line(136, 81, 166, 81, P["road"], 2),
        group([piggy(0, 0, 0.42, body=P["rose"])], 152, 106)])
    return tutorial_scene([shade(66, TFLOOR + 1, 60)] + bank
                          + [shade(152, TFLOOR + 1, 32), book, coin(108, 116, 8, label=False),
                             coin(186, 118, 7, label=False), star(180, 20, 6, P["butter"])],
                          bg=P["sky_light"], floor=P["grass"])


def tut_furniture():
    sofa = "".join([rect(62, 58, 76, 30, P["plum"], INK, 2.5, rx=10),
                    rect(68, 78, 64, 18, P["plum"], INK, 2.5, rx=6),
                    rect(54, 70, 16, 30, P["plum"], INK, 2.5, rx=6),
                    rect(130, 70, 16, 30, P["plum"], INK, 2.5, rx=6),
                    rect(72, 64, 22, 16, P["rose"], INK, 2, rx=5),
                    rect(106, 64, 22, 16, P["butter"], INK, 2, rx=5),
                    rect(58, 100, 5, 8, P["wood"], INK, 1.5),
                    rect(137, 100, 5, 8, P["wood"], INK, 1.5)])
    arrows = "".join([stroked("M100 40 V26", 3, P["accent"]), arrow_head(100, 22, -90, P["accent"], 0.8),
                      stroked("M100 116 V128", 3, P["accent"]), arrow_head(100, 132, 90, P["accent"], 0.8),
                      stroked("M44 84 H32", 3, P["accent"]), arrow_head(28, 84, 180, P["accent"], 0.8),
                      stroked("M156 84 H168", 3, P["accent"]), arrow_head(172, 84, 0, P["accent"], 0.8)])
    planks = "".join(line(0, y, TW, y, P["roof"], 1.5) for y in (118, 134))
    return tutorial_scene([
        rect(0, 0, TW, 54, P["cream"], None), line(0, 54, TW, 54, INK, 2),
        rect(150, 8, 36, 30, P["glass"], INK, 2, rx=2), line(168, 8, 168, 38, P["light"], 2.5),
        planks,
        rect(48, 102, 104, 14, "none", P["accent"], 2, extra=' stroke-dasharray="6 4"'),
        shade(100, 108, 48), sofa, arrows,
        group([path("M0 0 L0 22 L5 17.5 L8.5 25.5 L12.5 23.5 L9 16 L15.5 16 Z", P["light"], 2)],
              118, 90)], bg=P["wood"], floor=None)


def tut_stock():
    chart = [rect(98, 14, 90, 70, P["panel"], INK, 2.5, rx=6),
             line(108, 72, 178, 72, P["panel_light"], 1.5), line(108, 56, 178, 56, P["panel_light"], 1.5),
             line(108, 40, 178, 40, P["panel_light"], 1.5),
             stroked("M108 66 L122 52 L134 60 L148 38 L160 46 L176 24", 2.5, P["green"]),
             circle(176, 24, 3.5, P["green"], INK, 1.5)]
    cert = '<g transform="rotate(-6 64 84)">%s</g>' % "".join([
        rect(14, 44, 104, 80, P["light"], INK, 2.5, rx=3),
        rect(20, 50, 92, 68, "none", P["accent"], 2, rx=2),
        rect(24, 54, 84, 60, "none", P["accent"], 1, rx=1),
        line(38, 66, 94, 66, INK, 3), line(34, 78, 98, 78, P["road"], 2),
        line(34, 86, 90, 86, P["road"], 2),
        circle(94, 104, 10, P["red"], INK, 2), star(94, 104, 6, P["butter"]),
        line(34, 104, 70, 104, INK, 1.5)])
    return tutorial_scene(chart + [shade(66, TFLOOR + 1, 54), cert,
                                   coin(172, 108, 10), coin(152, 116, 8, label=False)],
                          bg=P["sky_light"], floor=P["sand"])


def tut_fundsa():
    colours = [P["teal"], P["rose"], P["green"], P["plum"], P["sky"], P["accent"]]
    glyphs = ["leaf", "house", "bolt", "drop", "cup", "star"]
    bits = []
    spots = [(58, 70), (80, 64), (102, 62), (124, 64), (146, 70), (68, 54), (92, 50), (114, 50),
             (136, 56), (80, 40), (104, 36), (126, 42), (58, 84), (146, 84)]
    for i, (x, y) in enumerate(spots):
        if i % 3 == 2:
            bits.append(coin(x, y, 9, label=False))
        else:
            bits.append(company(x, y, colours[i % 6], glyphs[i % 6]))
    basket = [path("M36 74 H164 L150 122 H50 Z", P["wood"], 2.5),
              path("M44 86 H156 M47 98 H153 M50 110 H150", "none", 1.5, stroke=P["roof"]),
              path("M68 74 L72 122 M100 74 V122 M132 74 L128 122", "none", 1.5, stroke=P["roof"]),
              path("M36 74 H164 L150 122 H50 Z", "none", 2.5),
              rect(30, 68, 140, 10, P["wood"], INK, 2.5, rx=4)]
    handle = [path("M42 72 Q100 -36 158 72", "none", 8), path("M42 72 Q100 -36 158 72", "none", 4,
                                                             stroke=P["wood"])]
    return tutorial_scene([shade(100, TFLOOR + 1, 66)] + handle + bits + basket,
                          bg=P["sky_light"], floor=P["grass"])


COMPANY_GLYPHS = {  # white marks on the badges, drawn round (0, 0)
    "leaf": "M-4 4 Q-4 -4 4 -4 Q4 4 -4 4 Z",
    "house": "M-4.5 4.5 V-0.5 L0 -5 L4.5 -0.5 V4.5 Z",
    "bolt": "M1 -6 L-4 1 H-0.5 L-1.5 6 L4 -1 H0.5 Z",
    "drop": "M0 -5.5 Q3.6 -1 3.6 1.5 A3.6 3.6 0 0 1 -3.6 1.5 Q-3.6 -1 0 -5.5 Z",
    "cup": "M-4 -3.5 H3 V2.5 Q3 4.5 1 4.5 H-2 Q-4 4.5 -4 2.5 Z M3 -1.5 Q6 0.5 3 2.5",
}


def company(x, y, colour, glyph):
    """A small round badge: one company of the many in a fund."""
    mark = star(0, 0, 5.5, P["light"]) if glyph == "star" else path(COMPANY_GLYPHS[glyph], P["light"], 1.2)
    return group([circle(0, 0, 9, colour, INK, 2), mark], x, y)


def tut_fundsb():
    x0, y0, x1 = 30, 112, 170
    curve = "M30 104 C76 100 112 84 164 26"
    years = [(30, "1"), (76, "5"), (122, "10"), (168, "20")]
    out = [rect(0, 0, TW, TH, P["cream"], None),
           path(curve + " V112 H30 Z", P["grass"], 0, stroke=None),
           line(x0, 14, x0, y0, INK, 2.5), line(x0, y0, x1 + 6, y0, INK, 2.5)]
    for x, label in years:
        out.append(line(x, y0, x, y0 + 5, INK, 2))
        out.append(text(x, y0 + 20, label, 13, INK, anchor="middle"))
    out.append(text(196, y0 + 20, "år", 13, INK, anchor="end"))
    for x, n in ((56, 1), (100, 3), (144, 6)):
        out.append(coin_stack(x, y0 - 1, n, rx=11, ry=4, step=5))
    out += [stroked(curve, 3.5, P["green_dark"]),
            arrow_head(166, 23, -48, P["green_dark"], 0.9),
            circle(30, 104, 4, P["green"], INK, 1.5),
            path("M42 96 Q42 88 46 84", "none", 1.8, stroke=P["leaf_dark"]),
            path("M46 84 Q40 80 40 76 Q46 76 46 84 Z", P["leaf"], 1.5),
            star(60, 28, 6, P["butter"])]
    return tutorial_scene(out, floor=None)


def tut_noticeboard():
    notes = [(24, 24, 46, 36, P["light"], -6), (128, 20, 48, 34, P["butter"], 5),
             (26, 74, 44, 38, P["rose"], 4), (130, 70, 46, 40, P["sky_light"], -5)]
    out = [rect(0, 0, TW, TH, P["cream"], None),
           rect(10, 8, 180, 134, P["wood"], INK, 2.5, rx=8),
           rect(18, 16, 164, 118, P["sand"], INK, 2, rx=3)]
    for x, y, w, h, colour, a in notes:
        out.append('<g transform="rotate(%s %s %s)">%s%s%s%s</g>' % (
            a, x + w / 2, y + h / 2, rect(x, y, w, h, colour, INK, 1.8, rx=1.5),
            line(x + 7, y + 14, x + w - 7, y + 14, P["road"], 2),
            line(x + 7, y + 22, x + w - 12, y + 22, P["road"], 2),
            circle(x + w / 2, y + 5, 3, P["red"], INK, 1.2)))
    out += [circle(100, 74, 30, P["accent_dark"], None),
            circle(100, 72, 30, P["accent"], INK, 2.5),
            star(100, 72, 20, P["light"]),
            circle(100, 44, 3.5, P["red"], INK, 1.2),
            star(168, 120, 6, P["butter"]), star(36, 124, 5, P["butter"])]
    return tutorial_scene(out, floor=None)


TUTORIALS = {
    "welcome": tut_welcome, "gui": tut_gui, "budgeta": tut_budgeta, "budgetb": tut_budgetb,
    "insurance": tut_insurance, "stores": tut_stores, "events": tut_events,
    "savings": tut_savings, "furniture": tut_furniture, "stock": tut_stock,
    "fundsa": tut_fundsa, "fundsb": tut_fundsb, "noticeboard": tut_noticeboard,
}


IMAGES = {
    "gui_nb_help": nb_help,
    "gui_nb_achiev": nb_achiev,
    "gui_help_entry": help_entry,
    "gui_noticeboard_title": board_title,
}
for _id in range(len(ACHIEVEMENTS)):
    IMAGES["achievement_%d_unlocked" % _id] = (lambda i: lambda: achievement_card(i, False))(_id)
    IMAGES["achievement_%d_locked" % _id] = (lambda i: lambda: achievement_card(i, True))(_id)
    IMAGES["achievement_%d_big" % _id] = (lambda i: lambda: achievement_big(i))(_id)
IMAGES.update({"tutorial_" + k: f for k, f in TUTORIALS.items()})


def main(argv):
    if len(argv) != 2:
        sys.stderr.write("usage: notice.py OUTDIR\n")
        return 2
    outdir = argv[1]
    os.makedirs(outdir, exist_ok=True)
    for name in sorted(IMAGES):
        with open(os.path.join(outdir, name + ".svg"), "w", encoding="utf-8", newline="\n") as f:
            f.write(IMAGES[name]().render())
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
