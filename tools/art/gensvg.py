#!/usr/bin/env python3
"""Writes the SVG sources of the GUI and menu pictures into art/gfx/.

    gensvg.py OUTDIR

One file per image: NAME.svg becomes data/gfx/NAME.png, NAME.bmp.svg becomes
data/gfx/NAME.bmp (tools/make-art.sh). Colours come only from PALETTE, which
art/STYLE.md documents. The output is the same on every run.
"""
import os
import sys

from artlib import PALETTE as P
from artlib import Svg, esc, text

import events
import hud
import rooms
import scenes
import shops


# --- window frame -----------------------------------------------------------
# The edge's profile, outside (row 0) to inside (row 31), and the corner with
# the same bands bent round the window's corner point (32, 32).
FRAME_BANDS = [  # (distance from the face, colour): each drawn from 0 out to it
    (14, P["ink"]),
    (12, P["border"]),
    (4, P["accent"]),
    (2, P["panel"]),
]
SHADE_OUT, SHADE_IN, SHADE_ALPHA = 20, 14, 0.25


def frame_edge():
    s = Svg(1024, 32, margin=False)
    s.defs(
        '<linearGradient id="shade" x1="0" y1="%d" x2="0" y2="%d" gradientUnits="userSpaceOnUse">'
        '<stop offset="0" stop-color="%s" stop-opacity="0"/>'
        '<stop offset="1" stop-color="%s" stop-opacity="%s"/></linearGradient>'
        % (32 - SHADE_OUT, 32 - SHADE_IN, P["shadow"], P["shadow"], SHADE_ALPHA)
    )
    s.add('<rect x="0" y="%d" width="1024" height="%d" fill="url(#shade)"/>'
          % (32 - SHADE_OUT, SHADE_OUT - SHADE_IN))
    for dist, colour in FRAME_BANDS:
        s.add('<rect x="0" y="%d" width="1024" height="%d" fill="%s"/>' % (32 - dist, dist, colour))
    return s


def frame_corner():
    s = Svg(32, 32, margin=False)
    s.defs(
        '<radialGradient id="shade" cx="32" cy="32" r="%d" gradientUnits="userSpaceOnUse">'
        '<stop offset="%.4f" stop-color="%s" stop-opacity="%s"/>'
        '<stop offset="1" stop-color="%s" stop-opacity="0"/></radialGradient>'
        % (SHADE_OUT, SHADE_IN / SHADE_OUT, P["shadow"], SHADE_ALPHA, P["shadow"])
    )
    s.add('<circle cx="32" cy="32" r="%d" fill="url(#shade)"/>' % SHADE_OUT)
    for dist, colour in FRAME_BANDS:
        s.add('<circle cx="32" cy="32" r="%d" fill="%s"/>' % (dist, colour))
    return s


# --- small toolkit images ---------------------------------------------------
def blank():
    s = Svg(804, 604, margin=False)
    s.add('<rect width="804" height="604" fill="%s"/>' % P["panel"])
    return s


def line():
    # Slider track and separator: uniform along x, light so that the value
    # tint (red to green) shows; rows 1-3 are what is seen.
    s = Svg(512, 5, margin=False)
    s.add('<rect x="0" y="1" width="512" height="2" fill="%s"/>' % P["cream"])
    s.add('<rect x="0" y="3" width="512" height="1" fill="%s"/>' % P["sand"])
    return s


def slider_handle():
    s = Svg(16, 20)
    s.add('<rect x="2" y="2" width="12" height="16" rx="4" fill="%s" stroke="%s" stroke-width="2"/>'
          % (P["cream"], P["ink"]))
    s.add('<rect x="3" y="13" width="10" height="4" rx="2" fill="%s"/>' % P["sand"])
    for x in (6.5, 9.5):
        s.add('<line x1="%s" y1="7" x2="%s" y2="12" stroke="%s" stroke-width="1.5" '
              'stroke-linecap="round"/>' % (x, x, P["accent_dark"]))
    return s


def loader_bar():
    # The month indicator's bar: revealed from the left, one day at a time,
    # up to 75 x 33 pixels inside the file's one-pixel border.
    s = Svg(77, 35)
    s.add('<rect x="1" y="5" width="75" height="25" rx="6" fill="%s"/>' % P["ink"])
    s.add('<rect x="3" y="7" width="71" height="21" rx="5" fill="%s"/>' % P["accent"])
    s.add('<rect x="3" y="22" width="71" height="6" rx="3" fill="%s"/>' % P["accent_dark"])
    s.add('<rect x="7" y="10" width="63" height="4" rx="2" fill="%s" opacity="0.55"/>' % P["light"])
    return s


def pointer():
    s = Svg(28, 38)
    s.add('<path d="M2 2 L2 30 L8.5 24.5 L13 35 L18.5 32.5 L14 22.5 L22.5 22.5 Z" '
          'fill="%s" stroke="%s" stroke-width="2" stroke-linejoin="round"/>'
          % (P["light"], P["ink"]))
    s.add('<path d="M5 9 L5 23 L9.5 19 L16 19 Z" fill="%s" opacity="0.55"/>' % P["accent"])
    # The tip: the mouse position is pixel (1, 1) of the file.
    s.add('<rect x="1" y="1" width="2" height="2" fill="%s"/>' % P["ink"])
    return s


def round_button(w, h, face, lip, glyph):
    """A rounded pressable button: ink outline, darker lip, glyph on top."""
    s = Svg(w, h)
    x, y, bw, bh = 2, 2, w - 4, h - 4
    s.add('<rect x="%s" y="%s" width="%s" height="%s" rx="10" fill="%s"/>' % (x, y, bw, bh, lip))
    s.add('<rect x="%s" y="%s" width="%s" height="%s" rx="10" fill="%s"/>' % (x, y, bw, bh - 4, face))
    s.add('<rect x="%s" y="%s" width="%s" height="3" rx="1.5" fill="%s" opacity="0.35"/>'
          % (x + 7, y + 3, bw - 14, P["cream"]))
    s.add('<rect x="%s" y="%s" width="%s" height="%s" rx="10" fill="none" stroke="%s" '
          'stroke-width="2"/>' % (x, y, bw, bh, P["ink"]))
    s.add(glyph)
    return s


def outlined_stroke(d, width, colour=None):
    """A glyph line: ink underneath, light (or colour) on top."""
    colour = colour or P["light"]
    common = 'fill="none" stroke-linecap="round" stroke-linejoin="round"'
    return ('<path d="%s" %s stroke="%s" stroke-width="%s"/>' % (d, common, P["ink"], width + 4)
            + '<path d="%s" %s stroke="%s" stroke-width="%s"/>' % (d, common, colour, width))


def yes_button():
    return round_button(52, 49, P["green"], P["green_dark"],
                        outlined_stroke("M15 24 L22.5 31.5 L37 16", 5))


def no_button():
    return round_button(52, 49, P["red"], P["red_dark"],
                        outlined_stroke("M17.5 14.5 L34.5 31.5 M34.5 14.5 L17.5 31.5", 5))


def exit_button():
    arrow = outlined_stroke("M23 19 H31 A8.5 8.5 0 0 1 31 36 H21", 5)
    head = ('<path d="M12.5 19 L23 11 L23 27 Z" fill="%s" stroke="%s" stroke-width="2" '
            'stroke-linejoin="round"/>' % (P["light"], P["ink"]))
    return round_button(53, 53, P["teal"], P["panel"], arrow + head)


def little_button():
    s = Svg(18, 18)
    s.add('<circle cx="9" cy="9" r="7" fill="%s" stroke="%s" stroke-width="1.5"/>'
          % (P["cream"], P["ink"]))
    s.add('<path d="M6.2 6.2 L11.8 11.8 M11.8 6.2 L6.2 11.8" stroke="%s" stroke-width="2" '
          'stroke-linecap="round"/>' % P["ink"])
    return s


def rotate_button():
    """Turns a piece of furniture: a round arrow."""
    arc = outlined_stroke("M28 13.5 A9 9 0 1 0 29 24", 4)
    head = ('<path d="M24 9 L32 12 L27 19 Z" fill="%s" stroke="%s" stroke-width="1.5" '
            'stroke-linejoin="round"/>' % (P["light"], P["ink"]))
    return round_button(42, 42, P["teal"], P["panel"], arc + head)


def sell_button():
    """Sells a piece of furniture: a price tag."""
    tag = ('<path d="M11 19 L19 11 L31 11 L31 27 L19 27 Z" fill="%s" stroke="%s" '
           'stroke-width="2" stroke-linejoin="round"/>' % (P["butter"], P["ink"]))
    hole = '<circle cx="18" cy="19" r="2.2" fill="%s" stroke="%s" stroke-width="1.5"/>' % (
        P["accent"], P["ink"])
    return round_button(42, 42, P["accent"], P["accent_dark"], tag + hole)


# --- menu entries ------------------------------------------------------------
def menu_entry(label, icon_colour, icon):
    w, h = 242, 62
    s = Svg(w, h)
    s.add('<rect x="3" y="3" width="236" height="56" rx="12" fill="%s"/>' % P["sand"])
    s.add('<rect x="3" y="3" width="236" height="52" rx="12" fill="%s"/>' % P["cream"])
    s.add('<rect x="3" y="3" width="236" height="56" rx="12" fill="none" stroke="%s" '
          'stroke-width="2.5"/>' % P["ink"])
    s.add('<circle cx="31" cy="29" r="18" fill="%s" stroke="%s" stroke-width="2"/>'
          % (icon_colour, P["ink"]))
    s.add(icon)
    s.add(text(60, 39, label, 28, P["ink"]))
    return s


def menu_newgame():
    icon = ('<path d="M21 30 L31 21 L41 30 L41 39 L21 39 Z" fill="%s" stroke="%s" '
            'stroke-width="2" stroke-linejoin="round"/>'
            '<rect x="28" y="31" width="6" height="8" fill="%s"/>'
            % (P["light"], P["ink"], P["accent"]))
    return menu_entry("Nytt spel", P["green"], icon)


def menu_help():
    icon = text(31, 38, "?", 26, P["light"], anchor="middle", outline=2.5)
    return menu_entry("Hjälp", P["teal"], icon)


def menu_quit():
    icon = outlined_stroke("M25 23 L37 35 M37 23 L25 35", 4)
    return menu_entry("Avsluta", P["red"], icon)


def menu_start():
    w, h = 242, 62
    s = Svg(w, h)
    s.add('<rect x="3" y="3" width="236" height="56" rx="12" fill="%s"/>' % P["green_dark"])
    s.add('<rect x="3" y="3" width="236" height="52" rx="12" fill="%s"/>' % P["green"])
    s.add('<rect x="3" y="3" width="236" height="56" rx="12" fill="none" stroke="%s" '
          'stroke-width="2.5"/>' % P["ink"])
    s.add(text(104, 39, "Starta", 28, P["light"], anchor="middle", outline=3))
    s.add('<path d="M184 18 L206 30 L184 42 Z" fill="%s" stroke="%s" stroke-width="2.5" '
          'stroke-linejoin="round"/>' % (P["light"], P["ink"]))
    return s


def difficulty_name(label, stars):
    s = Svg(204, 44)
    s.add('<rect x="3" y="3" width="198" height="38" rx="10" fill="%s" stroke="%s" '
          'stroke-width="2"/>' % (P["panel"], P["ink"]))
    s.add(text(18, 30, label, 19, P["light"]))
    for i in range(stars):
        s.add(scenes.star(176 - 22 * i, 22, 8, P["accent"]))
    return s


def difficulty_button(level, glow):
    heights = (90, 115, 137)
    h = heights[level]
    s = Svg(204, h)
    face = P["cream"] if glow else P["sand"]
    s.add('<rect x="2" y="2" width="200" height="%d" rx="12" fill="%s"/>' % (h - 4, face))
    ground = h - 16
    s.defs('<clipPath id="card"><rect x="2" y="2" width="200" height="%d" rx="12"/></clipPath>' % (h - 4))
    s.add('<rect x="2" y="%d" width="200" height="%d" fill="%s" clip-path="url(#card)"/>'
          % (ground, h - 2 - ground, P["grass"]))
    s.add('<ellipse cx="102" cy="%d" rx="%d" ry="4" fill="%s" opacity="0.3"/>'
          % (ground + 2, 40 + 14 * level, P["shadow"]))
    s.add(scenes.difficulty_house(level, 102, ground))
    for i in range(level + 1):
        s.add(scenes.star(20 + 22 * i, 19, 8, P["accent"]))
    if glow:
        s.add('<rect x="5" y="5" width="194" height="%d" rx="10" fill="none" stroke="%s" '
              'stroke-width="5"/>' % (h - 10, P["accent"]))
    s.add('<rect x="2" y="2" width="200" height="%d" rx="12" fill="none" stroke="%s" '
          'stroke-width="2.5"/>' % (h - 4, P["ink"]))
    return s


IMAGES = {
    # GUI toolkit
    "gui_window": frame_corner,
    "sprite_guiSide.bmp": frame_edge,
    "gui_blank": blank,
    "sprite_line": line,
    "sprite_slider_slider": slider_handle,
    "sprite_dot": pointer,
    "sprite_loader": loader_bar,
    "gui_little_button": little_button,
    "gui_yes_button": yes_button,
    "gui_no_button": no_button,
    "gui_exit_button": exit_button,
    "gui_rotate_button": rotate_button,
    "gui_sell_button": sell_button,
    # menus
    "gui_logo": scenes.logo,
    "gui_menu_background": scenes.menu_background,
    "gui_menu_newgame": menu_newgame,
    "gui_menu_help": menu_help,
    "gui_menu_quit": menu_quit,
    "gui_menu_start": menu_start,
    "gui_menu_easy": lambda: difficulty_name("Lätt", 1),
    "gui_menu_normal": lambda: difficulty_name("Mellan", 2),
    "gui_menu_hard": lambda: difficulty_name("Svår", 3),
    "gui_overview": scenes.overview,
    "sprite_win": scenes.win,
    # town
    "sprite_town": scenes.town_background,
    "gui_town_flat": scenes.town_flat,
    "gui_town_bank": scenes.town_bank,
    "gui_town_electronics": scenes.town_electronics,
    "gui_town_furniture": scenes.town_furniture,
}
for _level in range(3):
    IMAGES["gui_menu_difficulty%d" % _level] = (lambda l: lambda: difficulty_button(l, False))(_level)
    IMAGES["gui_menu_difficulty%d_glow" % _level] = (lambda l: lambda: difficulty_button(l, True))(_level)
IMAGES.update(rooms.IMAGES)
IMAGES.update(hud.IMAGES)
IMAGES.update(events.IMAGES)
IMAGES.update(shops.IMAGES)


def main(argv):
    if len(argv) != 2:
        sys.stderr.write("usage: gensvg.py OUTDIR\n")
        return 2
    outdir = argv[1]
    os.makedirs(outdir, exist_ok=True)
    for name in sorted(IMAGES):
        svg = IMAGES[name]().render()
        with open(os.path.join(outdir, name + ".svg"), "w", encoding="utf-8", newline="\n") as f:
            f.write(svg)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
