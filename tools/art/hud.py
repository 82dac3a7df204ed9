"""The heads-up display of a running game and the money windows: the HUD frame
(bottom bar and date plate), its buttons and service icons, the cash plate,
the hint arrow, the budget window's tabs and buttons, and the headers of the
investment and end windows (see art/STYLE.md).

Every image keeps the one-pixel margin clear; positions in comments are the
game's screen pixels. IMAGES names the pictures for gensvg.py.
"""
import math

from artlib import PALETTE as P
from artlib import Svg, text
from scenes import circle, coin, group, line, poly, rect, star

INK = P["ink"]

# Where the game puts the HUD buttons (screen position of the first shown
# pixel, shown size): the bar's slots lie under them.
PLAY = (17, 528, 54)
SMALL = 38
BUDGET = (80, 543)
INVEST = (128, 543)
SERVICES = [(232 + 46 * i, 543) for i in range(7)]
SOUND = (690, 543)
EXIT = (740, 543)
BAR_TOP = 520
DATE_PLATE = (592, 6)


# --- shared pieces ------------------------------------------------------------
def stroked(d, width, colour=None, cap="round"):
    """A glyph line: ink underneath, light (or colour) on top."""
    colour = colour or P["light"]
    common = 'fill="none" stroke-linecap="%s" stroke-linejoin="round"' % cap
    return ('<path d="%s" %s stroke="%s" stroke-width="%s"/>' % (d, common, INK, width + 4)
            + '<path d="%s" %s stroke="%s" stroke-width="%s"/>' % (d, common, colour, width))


def path(d, fill, sw=2, stroke=INK):
    s = '<path d="%s" fill="%s"' % (d, fill)
    if stroke:
        s += ' stroke="%s" stroke-width="%s" stroke-linejoin="round" stroke-linecap="round"' % (stroke, sw)
    return s + "/>"


def face(w, h, colour, lip, rx=10, lip_h=4):
    """A pressable face filling the file less a 2-px rim: darker lip at the
    bottom, a faint light band at the top, ink outline."""
    x, y, bw, bh = 2, 2, w - 4, h - 4
    return "".join([
        rect(x, y, bw, bh, lip, None, rx=rx),
        rect(x, y, bw, bh - lip_h, colour, None, rx=rx),
        rect(x + rx * 0.7, y + 2.5, bw - rx * 1.4, 2.5, P["cream"], None, rx=1.25,
             extra=' opacity="0.35"'),
        rect(x, y, bw, bh, "none", INK, 2, rx=rx),
    ])


def button(w, h, colour, lip, glyph, rx=10):
    s = Svg(w, h)
    s.add(face(w, h, colour, lip, rx))
    s.add(glyph)
    return s


def shield(cx, cy, k=1.0, fill=None):
    """A small shield with a check: insurance."""
    fill = fill or P["green"]
    w, h = 7 * k, 9 * k
    d = ("M%.2f %.2f L%.2f %.2f L%.2f %.2f L%.2f %.2f Q%.2f %.2f %.2f %.2f Q%.2f %.2f %.2f %.2f Z"
         % (cx - w, cy - h + 2.5 * k, cx, cy - h, cx + w, cy - h + 2.5 * k,
            cx + w, cy, cx + w, cy + h * 0.55, cx, cy + h, cx - w, cy + h * 0.55, cx - w, cy))
    check = ('<path d="M%.2f %.2f L%.2f %.2f L%.2f %.2f" fill="none" stroke="%s" stroke-width="%s" '
             'stroke-linecap="round" stroke-linejoin="round"/>'
             % (cx - 3.2 * k, cy + 0.2 * k, cx - 0.8 * k, cy + 2.6 * k, cx + 3.4 * k, cy - 2.4 * k,
                P["light"], 1.8 * k))
    return path(d, fill, 1.8) + check


def plate(icon):
    """A 200 x 44 dark plate with a honey border; the icon fills its left
    40 px and the game writes its text from x 43 of the file."""
    return "".join([
        rect(2, 2, 196, 40, P["border"], INK, 2, rx=11),
        rect(6.5, 6.5, 187, 31, P["panel"], INK, 1.5, rx=8),
        rect(40, 10, 1.5, 24, P["panel_light"], None),
        icon,
    ])


def calendar(cx, cy):
    x, y, w, h = cx - 11, cy - 10, 22, 21
    parts = [rect(x, y, w, h, P["light"], INK, 2, rx=3),
             path("M%s %s h%s v6 h-%s Z" % (x + 1, y + 1, w - 2, w - 2), P["red"], stroke=None),
             line(x, y + 7, x + w, y + 7, INK, 1.5)]
    for i in range(3):
        for j in range(2):
            parts.append(rect(x + 4 + i * 5.5, y + 10 + j * 5, 3, 3, P["panel_light"], None, rx=0.8))
    parts.append(rect(x + 15, y + 15, 3, 3, P["accent"], None, rx=0.8))
    for rx_ in (x + 5.5, x + w - 5.5):
        parts.append(line(rx_, y - 2.5, rx_, y + 3, INK, 2.5))
    return "".join(parts)


# --- the HUD frame ----------------------------------------------------------
def slot(x, y, w, h, rx=11):
    """A recessed place in the bar: panel-light with a shaded top edge."""
    return "".join([
        rect(x, y, w, h, P["shadow"], None, rx=rx, extra=' opacity="0.3"'),
        rect(x, y + 2.5, w, h - 2.5, P["panel_light"], None, rx=rx),
        rect(x, y, w, h, "none", INK, 1.2, rx=rx),
    ])


def small_slot(pos):
    x, y = pos
    return slot(x - 3, y - 3, SMALL + 6, SMALL + 6)


def background():
    s = Svg(802, 602)
    w = 800
    b = [rect(0, BAR_TOP, w, 80, P["panel"], None),
         rect(0, BAR_TOP, w, 2, INK, None),
         rect(0, BAR_TOP + 2, w, 5, P["border"], None),
         rect(0, BAR_TOP + 7, w, 2, INK, None)]
    # The play button sits in a round medallion set into the band.
    px, py, pw = PLAY
    cx, cy = px + pw / 2, py + pw / 2
    b += [circle(cx, cy, 35, P["border"], None),
          rect(cx - 35, BAR_TOP + 2, 70, 5, P["border"], None),
          circle(cx, cy, 35, "none", INK, 2, extra=' clip-path="url(#below)"'),
          circle(cx, cy, 29.5, P["shadow"], None, extra=' opacity="0.3"'),
          circle(cx, cy + 1.5, 28, P["panel_light"], None),
          circle(cx, cy, 29.5, "none", INK, 1.2)]
    # Budget and investments: one pair of slots; the services: one long
    # recess with a socket for each; sound and exit at the right end.
    b.append(slot(BUDGET[0] - 5, BUDGET[1] - 5, INVEST[0] + SMALL + 5 - BUDGET[0] + 5, SMALL + 10, 13))
    b += [small_slot(BUDGET), small_slot(INVEST)]
    sx0, sx1 = SERVICES[0][0], SERVICES[-1][0] + SMALL
    b.append(slot(sx0 - 5, SERVICES[0][1] - 5, sx1 - sx0 + 10, SMALL + 10, 13))
    for pos in SERVICES:
        b.append(rect(pos[0] - 1, pos[1] - 1, SMALL + 2, SMALL + 2, "none", P["panel"], 1.5,
                      rx=10))
    b.append(slot(SOUND[0] - 5, SOUND[1] - 5, EXIT[0] + SMALL + 5 - SOUND[0] + 5, SMALL + 10, 13))
    b += [small_slot(SOUND), small_slot(EXIT)]
    # The date plate: the same plate as the cash window, file (0, 0) one
    # pixel up and left of the first shown pixel.
    b.append(group([plate(calendar(22, 22))], DATE_PLATE[0] - 1, DATE_PLATE[1] - 1))
    s.defs('<clipPath id="below"><rect x="0" y="%s" width="800" height="80"/></clipPath>'
           % (BAR_TOP + 7))
    s.add(group(b, 1, 1))
    return s


def cash_window():
    s = Svg(200, 44)
    s.add(plate(group([coin(0, 0, 12)], 22, 22)))
    return s


# --- HUD buttons --------------------------------------------------------------
def play_button():
    s = Svg(56, 56)
    c = 28
    s.add(circle(c, c, 26, P["green_dark"], None))
    s.add(circle(c, c - 2, 24, P["green"], None))
    s.add('<path d="M%s %s A18 18 0 0 1 %s %s" fill="none" stroke="%s" stroke-width="2.5" '
          'stroke-linecap="round" opacity="0.35"/>' % (c - 13, c - 14, c + 13, c - 14, P["cream"]))
    s.add(circle(c, c, 26, "none", INK, 2))
    s.add(poly([(c - 7, c - 13), (c - 7, c + 9), (c + 12, c - 2)], P["light"], INK, 2.5))
    return s


def small_button(colour, lip, glyph):
    return button(40, 40, colour, lip, glyph, rx=9)


def money_button(glyph):
    return small_button(P["accent"], P["accent_dark"], glyph)


def service_button(glyph):
    return small_button(P["cream"], P["sand"], glyph)


def system_button(glyph):
    return small_button(P["teal"], P["panel"], glyph)


def budget_button():
    # A notebook with "kr" on its cover.
    g = [rect(11, 6, 19, 25, P["sand"], INK, 2, rx=2.5),
         rect(9, 5, 19, 25, P["light"], INK, 2, rx=2.5),
         rect(9, 5, 5, 25, P["teal"], INK, 2, rx=2),
         text(21.5, 19.5, "kr", 11, INK, anchor="middle"),
         line(16.5, 23.5, 25.5, 23.5, P["green"], 2)]
    return money_button("".join(g))


def invest_button():
    # Bars rising to the right, a trend arrow over them and a coin.
    g = [line(9, 30, 32, 30, INK, 2)]
    for i, hgt in enumerate((7, 12, 17)):
        g.append(rect(16 + i * 6, 29.5 - hgt, 5, hgt, P["green"], INK, 1.5, rx=1))
    g.append(stroked("M12 17 L20 11.5 L28.5 7.5", 1.6, P["light"]))
    g.append(path("M26 4.5 L32.5 6 L28.5 11 Z", P["light"], 1.2))
    g.append(group([coin(0, 0, 6, label=False)], 11.5, 24.5))
    return money_button("".join(g))


def telefon():
    g = [rect(13, 4, 14, 27, P["panel"], INK, 2, rx=3),
         rect(15.5, 8, 9, 17, P["glass"], None, rx=1),
         rect(16.5, 9, 3.5, 6, P["sky_light"], None, rx=0.5),
         circle(20, 28, 1.3, P["light"], None),
         line(18, 5.8, 22, 5.8, P["road"], 1.2)]
    return service_button("".join(g))


def inet():
    g = []
    for r in (15, 10, 5):
        a = math.radians(45)
        x0, y0 = 20 - r * math.sin(a), 27 - r * math.cos(a)
        x1 = 20 + r * math.sin(a)
        g.append(stroked("M%.2f %.2f A%s %s 0 0 1 %.2f %.2f" % (x0, y0, r, r, x1, y0), 2.6,
                         P["teal"]))
    g.append(circle(20, 27, 2.6, P["teal"], INK, 1.6))
    return service_button("".join(g))


def tidning():
    g = [rect(10, 7, 22, 24, P["sand"], INK, 2, rx=2),
         rect(7, 5, 22, 24, P["light"], INK, 2, rx=2),
         rect(10, 8.5, 16, 3.5, INK, None, rx=1),
         rect(10, 15, 7, 6.5, P["sky"], INK, 1, rx=0.5)]
    for y in (15.5, 18.5, 21.5):
        g.append(line(19.5, y, 25.5, y, P["road"], 1.3))
    for y in (24.5,):
        g.append(line(10, y, 25.5, y, P["road"], 1.3))
    return service_button("".join(g))


def homeins():
    g = [rect(8, 16, 17, 14, P["light"], INK, 2),
         poly([(5, 17.5), (16.5, 6), (28, 17.5)], P["brick"], INK, 2),
         rect(14, 21, 5, 9, P["wood"], INK, 1.5),
         shield(27.5, 24, 1.05)]
    return service_button("".join(g))


def sickins():
    heart = ("M20 30.5 C13 25 7 20.5 7 14.5 C7 10.5 10 7.5 13.5 7.5 C16.5 7.5 18.5 9.5 20 11.5 "
             "C21.5 9.5 23.5 7.5 26.5 7.5 C30 7.5 33 10.5 33 14.5 C33 20.5 27 25 20 30.5 Z")
    g = [path(heart, P["red"], 2),
         rect(17.5, 12, 5, 13, P["light"], INK, 1.2, rx=1),
         rect(13.5, 16, 13, 5, P["light"], INK, 1.2, rx=1),
         rect(18.1, 12.6, 3.8, 11.8, P["light"], None, rx=0.6)]
    return service_button("".join(g))


def tvlicense():
    g = [line(16, 9, 12, 4, INK, 1.8), line(24, 9, 28, 4, INK, 1.8),
         circle(20, 9.5, 1.6, INK, None),
         rect(6, 10, 28, 18, P["panel"], INK, 2, rx=3),
         rect(9, 13, 22, 12, P["glass"], None, rx=1.5),
         path("M10 24.5 L16 17.5 L20 21.5 L23.5 18.5 L30 24.5 Z", P["leaf"], stroke=None),
         circle(26, 16, 1.8, P["butter"], None),
         rect(14, 28, 12, 3.5, P["road_dark"], INK, 1.5, rx=1)]
    return service_button("".join(g))


def akassa():
    g = [rect(15, 6, 10, 7, "none", INK, 2, rx=2),
         rect(6, 10, 25, 18, P["wood"], INK, 2, rx=3),
         line(6, 17, 31, 17, INK, 1.5),
         rect(16, 15, 5, 4, P["butter"], INK, 1.2, rx=1),
         shield(28, 24, 1.05)]
    return service_button("".join(g))


def sound_button():
    g = [path("M8 14 H13 L20 8 V28 L13 22 H8 Z", P["light"], 2),
         stroked("M24 13.5 Q26.5 18 24 22.5", 2),
         stroked("M28 10 Q32.5 18 28 26", 2)]
    return system_button("".join(g))


def sound_off():
    s = Svg(40, 40)
    s.add(stroked("M8 6 L32 30", 4, P["red"]))
    return s


def hud_exit_button():
    g = [rect(7, 6, 15, 24, P["panel"], INK, 2, rx=1.5),
         path("M9 8 L17.5 10 V30 L9 28 Z", P["wood"], 1.6),
         circle(15, 19.5, 1.3, P["butter"], None),
         stroked("M20 18 H29", 3),
         path("M27 12 L34 18 L27 24 Z", P["light"], 1.8)]
    return system_button("".join(g))


def arrow():
    # Points down; the tip ends at the bottom centre of the shown part.
    s = Svg(40, 56)
    d = "M13 3 H27 V27 H36 L20 53.5 L4 27 H13 Z"
    s.add(path(d, P["accent_dark"], 2))
    s.add(path("M13 3 H27 V27 H36 L20 53.5 L4 27 H13 Z", P["accent"], 0))
    s.add('<path d="M16 6 V28" stroke="%s" stroke-width="3" stroke-linecap="round" '
          'opacity="0.35"/>' % P["cream"])
    s.add(path("M29 27 H36 L20 53.5 L22 45 Z", P["accent_dark"], stroke=None))
    s.add(path(d, "none", 2))
    return s


# --- budget window ------------------------------------------------------------
def tab(label, colour):
    s = Svg(150, 40)
    s.defs('<clipPath id="tab"><rect x="2" y="2" width="146" height="36" rx="10"/></clipPath>')
    s.add(rect(2, 2, 146, 36, P["sand"], None, rx=10))
    s.add(rect(2, 2, 146, 32, P["cream"], None, rx=10))
    s.add(rect(2, 2, 146, 6.5, colour, None, extra=' clip-path="url(#tab)"'))
    s.add(line(2, 8.5, 148, 8.5, INK, 1.5))
    s.add(rect(2, 2, 146, 36, "none", INK, 2, rx=10))
    s.add(text(75, 27.5, label, 16, INK, anchor="middle"))
    return s


def caption_button(label, colour, lip, ink_text=False):
    s = Svg(110, 40)
    s.add(face(110, 40, colour, lip))
    if ink_text:
        s.add(text(55, 26.5, label, 19, INK, anchor="middle"))
    else:
        s.add(text(55, 26.5, label, 19, P["light"], anchor="middle", outline=3))
    return s


def info_button():
    s = Svg(26, 26)
    s.add(circle(13, 13, 11, P["panel"], None))
    s.add(circle(13, 12, 10.5, P["teal"], None))
    s.add(circle(13, 13, 11, "none", INK, 2))
    s.add(rect(11, 10.5, 4, 8.5, P["light"], INK, 1.2, rx=1.2))
    s.add(circle(13, 7, 2.2, P["light"], INK, 1.2))
    return s


# --- window headers -------------------------------------------------------------
CONFETTI = [P["accent"], P["green"], P["rose"], P["teal"], P["butter"], P["plum"]]


def end_banner():
    s = Svg(380, 90)
    s.add(rect(3, 3, 374, 83, P["border"], None, rx=14))
    s.add(rect(3, 3, 374, 79, P["cream"], None, rx=14))
    s.add(rect(3, 3, 374, 83, "none", INK, 2.5, rx=14))
    # Confetti only near the ends, so the title stays calm.
    bits = [(18, 14, 20), (36, 58, 130), (56, 26, 70), (24, 42, 160), (64, 64, 40),
            (320, 14, 110), (350, 42, 30), (330, 64, 150), (358, 18, 80), (316, 38, 10)]
    for i, (x, y, a) in enumerate(bits):
        s.add(rect(x, y, 9, 4.5, CONFETTI[i % len(CONFETTI)], INK, 1.1, rx=1.5,
                   extra=' transform="rotate(%d %s %s)"' % (a, x + 4.5, y + 2.25)))
    s.add(star(44, 74 - 30, 5.5, P["accent"]))
    s.add(star(338, 76 - 44, 5.5, P["accent"]))
    s.add(text(190, 56, "Spelet är slut!", 40, INK, anchor="middle"))
    return s


def invest_header():
    s = Svg(300, 60)
    s.add(rect(3, 3, 294, 53, P["border"], None, rx=12))
    s.add(rect(3, 3, 294, 49, P["cream"], None, rx=12))
    s.add(rect(3, 3, 294, 53, "none", INK, 2.5, rx=12))
    g = [line(12, 43, 44, 43, INK, 2)]
    for i, hgt in enumerate((10, 17, 24)):
        g.append(rect(16 + i * 9, 42 - hgt, 7, hgt, P["green"], INK, 1.5, rx=1))
    g.append(stroked("M15 27 L27 18 L41 10", 1.8, P["accent"]))
    g.append(path("M37 8 L43.5 8.5 L41.5 14.5 Z", P["accent"], 1.3))
    s.add("".join(g))
    s.add(text(171, 38, "Dina investeringar", 24, INK, anchor="middle"))
    return s


IMAGES = {
    "sprite_background": background,
    "gui_cash_window": cash_window,
    "gui_play_button": play_button,
    "gui_budget_button": budget_button,
    "gui_invest_button": invest_button,
    "gui_service_telefon": telefon,
    "gui_service_inet": inet,
    "gui_service_tidning": tidning,
    "gui_service_homeins": homeins,
    "gui_service_sickins": sickins,
    "gui_service_tvlicense": tvlicense,
    "gui_service_akassa": akassa,
    "gui_sound_button": sound_button,
    "sprite_sound_off": sound_off,
    "gui_hud_exit_button": hud_exit_button,
    "sprite_arrow": arrow,
    "gui_budget_income": lambda: tab("Inkomster", P["green"]),
    "gui_budget_consumption": lambda: tab("Mat och kläder", P["accent"]),
    "gui_budget_expenses": lambda: tab("Räkningar", P["red"]),
    "gui_budget_savings": lambda: tab("Sparande", P["teal"]),
    "gui_buy_button": lambda: caption_button("Köp", P["green"], P["green_dark"]),
    "gui_save_button": lambda: caption_button("Spara", P["green"], P["green_dark"]),
    "gui_ok_button": lambda: caption_button("Klar", P["accent"], P["accent_dark"], ink_text=True),
    "gui_info_button": info_button,
    "gui_end_banner": end_banner,
    "gui_invest_header": invest_header,
}
