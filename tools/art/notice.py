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
from events import envelope, heart
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
    for a in (0, 90, 180, 270):
        s.add(group([star(0, -71, 4.5, P["butter"])], c, c).replace(
            'translate(%s %s)' % (c, c), 'translate(%s %s) rotate(%s)' % (c, c, a + 45)))
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
