#!/usr/bin/env python3
"""The three flats, one per difficulty level: the isometric backgrounds, the
door and notice-board buttons cut from them, and "rooms.xml".

All of it comes from one table (ROOMS) and one projection (SIZE_RATIO,
GRID_SIZE, ROOF_HEIGHT and each room's position), the same the game uses:

    screen x = position x + gridSize * (gx + gy)
    screen y = position y + gridSize * sizeRatio * (gy - gx)

so the grid's dots lie on the drawn floor. Grid x runs up-right, grid y
down-right; walls stand on the back edges (the floor lies in front of them)
and the front edges are left open.

    rooms.py xml FILE       write rooms.xml (data/xml/rooms.xml)
    rooms.py check OUTDIR   write check_roomN.svg: each background with its
                            dots and the debug outline drawn over it

IMAGES names the pictures for gensvg.py (tools/make-art.sh).
"""
import math
import os
import sys

from artlib import PALETTE as P
from artlib import Svg

INK = P["ink"]

# The projection is the same in every flat, so that furniture pictures fit the
# grid of each of them.
SIZE_RATIO = 0.5
GRID_SIZE = 28
ROOF_HEIGHT = 150

# Each room: the grid position (screen point of grid (0, 0), kept off the
# floor so that no furniture starts on a used dot); the floor outline and the
# grid outline (the floor less the kitchen), both in order round the floor;
# the kitchen's boxes (x0, x1, y0, y1, z0, z1, kind); things on the walls as
# (axis, line, from, to, low, high): on the wall along y = line (axis "y") or
# x = line (axis "x").
ROOMS = [
    {
        "id": 1,
        "position": (-104, 190),
        "floor": [(0, 8), (8, 8), (8, 20), (0, 20)],
        "grid": [(0, 8), (4, 8), (4, 9), (8, 9), (8, 20), (0, 20)],
        "walls": (P["cream"], P["sand"]),
        "floor_colours": (P["wood"], P["roof"]),
        "cabinet": P["teal"],
        "kitchen": [(5, 8, 8, 9, 0, 52, "counter"), (4, 5, 8, 9, 0, 118, "fridge"),
                    (5, 8, 8, 8.6, 92, 124, "cupboard")],
        "window": ("y", 8, 1, 3, 44, 118),
        "door": ("x", 8, 16, 18, 0, 118),
        "board": ("x", 8, 11, 13.5, 62, 112),
    },
    {
        "id": 2,
        "position": (-118, 176),
        "floor": [(0, 7), (6, 7), (6, 11), (10, 11), (10, 20), (0, 20)],
        "grid": [(0, 7), (6, 7), (6, 11), (7, 11), (7, 12), (10, 12), (10, 20), (0, 20)],
        "walls": (P["sky_light"], P["sky"]),
        "floor_colours": (P["stone"], P["sand"]),
        "cabinet": P["light"],
        "kitchen": [(7, 10, 11, 12, 0, 52, "counter"), (7, 10, 11, 11.6, 92, 124, "cupboard")],
        "window": ("x", 10, 14, 16.5, 44, 118),
        "door": ("y", 7, 1, 3, 0, 118),
        "board": ("x", 6, 7.8, 10.2, 62, 112),
    },
    {
        "id": 3,
        "position": (-76, 176),
        "floor": [(0, 6), (4, 6), (4, 10), (9, 10), (9, 19), (0, 19)],
        "grid": [(0, 6), (4, 6), (4, 10), (8, 10), (8, 13), (9, 13), (9, 19), (0, 19)],
        "walls": (P["light"], P["stone"]),
        "floor_colours": (P["butter"], P["wood"]),
        "cabinet": P["plum"],
        "kitchen": [(8, 9, 10, 13, 0, 52, "counter"), (8.4, 9, 10, 13, 92, 124, "cupboard")],
        "window": ("y", 6, 1, 3, 44, 118),
        "door": ("x", 9, 15, 17, 0, 118),
        "board": ("y", 10, 5.2, 7.6, 62, 112),
    },
]


# --- projection and shapes ---------------------------------------------------
def to_screen(room, gx, gy, h=0.0):
    px, py = room["position"]
    return (px + GRID_SIZE * (gx + gy), py + GRID_SIZE * SIZE_RATIO * (gy - gx) - h)


def fmt(v):
    return ("%.2f" % v).rstrip("0").rstrip(".")


def poly(points, fill, stroke=INK, sw=2, extra=""):
    s = '<polygon points="%s" fill="%s"' % (" ".join("%s,%s" % (fmt(x), fmt(y)) for x, y in points), fill)
    if stroke:
        s += ' stroke="%s" stroke-width="%s" stroke-linejoin="round"' % (stroke, sw)
    return s + extra + "/>"


def seg(a, b, colour=INK, sw=2):
    return ('<line x1="%s" y1="%s" x2="%s" y2="%s" stroke="%s" stroke-width="%s" '
            'stroke-linecap="round"/>' % (fmt(a[0]), fmt(a[1]), fmt(b[0]), fmt(b[1]), colour, sw))


def on_wall(room, wall, along, h):
    """A point of a wall: `along` runs on the wall's line, h up from the floor."""
    axis, line = wall[0], wall[1]
    return to_screen(room, along, line, h) if axis == "y" else to_screen(room, line, along, h)


def wall_quad(room, wall, a, b, h1, h2):
    return [on_wall(room, wall, a, h1), on_wall(room, wall, b, h1),
            on_wall(room, wall, b, h2), on_wall(room, wall, a, h2)]


def inside(polygon, x, y):
    """Point in polygon (even-odd), for points not on an edge."""
    hit = False
    for (x1, y1), (x2, y2) in zip(polygon, polygon[1:] + polygon[:1]):
        if (y1 > y) != (y2 > y) and x < x1 + (y - y1) * (x2 - x1) / (y2 - y1):
            hit = not hit
    return hit


def on_edge(polygon, x, y):
    for (x1, y1), (x2, y2) in zip(polygon, polygon[1:] + polygon[:1]):
        if x1 == x2 == x and min(y1, y2) <= y <= max(y1, y2):
            return True
        if y1 == y2 == y and min(x1, x2) <= x <= max(x1, x2):
            return True
    return False


def back_walls(room):
    """The floor edges with the floor in front of them, as (axis, line, from, to)."""
    floor = room["floor"]
    walls = []
    for (x1, y1), (x2, y2) in zip(floor, floor[1:] + floor[:1]):
        if y1 == y2 and inside(floor, (x1 + x2) / 2, y1 + 0.5):
            walls.append(("y", y1, min(x1, x2), max(x1, x2)))
        elif x1 == x2 and inside(floor, x1 - 0.5, (y1 + y2) / 2):
            walls.append(("x", x1, min(y1, y2), max(y1, y2)))
    return walls


def front_edges(room):
    floor = room["floor"]
    walls = back_walls(room)
    edges = []
    for a, b in zip(floor, floor[1:] + floor[:1]):
        axis = "y" if a[1] == b[1] else "x"
        line = a[1] if axis == "y" else a[0]
        span = (min(a[0], b[0]), max(a[0], b[0])) if axis == "y" else (min(a[1], b[1]), max(a[1], b[1]))
        if (axis, line) + span not in walls:
            edges.append((a, b))
    return edges


def box(room, x0, x1, y0, y1, z0, z1, top, left, right, sw=2):
    """A box on the floor: its top and the two faces that look at the player."""
    s = lambda gx, gy, h: to_screen(room, gx, gy, h)
    return "".join([
        poly([s(x0, y0, z0), s(x0, y1, z0), s(x0, y1, z1), s(x0, y0, z1)], left, sw=sw),
        poly([s(x0, y1, z0), s(x1, y1, z0), s(x1, y1, z1), s(x0, y1, z1)], right, sw=sw),
        poly([s(x0, y0, z1), s(x1, y0, z1), s(x1, y1, z1), s(x0, y1, z1)], top, sw=sw),
    ])


def iso_ellipse(room, gx, gy, h, r, fill, sw=1.5):
    pts = []
    for i in range(24):
        a = 2 * math.pi * i / 24
        pts.append(to_screen(room, gx + r * math.cos(a), gy + r * math.sin(a), h))
    return poly(pts, fill, sw=sw)


# --- the room's parts ----------------------------------------------------------
def draw_floor(room):
    fill, lines = room["floor_colours"]
    outline = [to_screen(room, x, y) for x, y in room["floor"]]
    parts = ['<clipPath id="floor%d">%s</clipPath>' % (room["id"], poly(outline, "#000", None))]
    parts.append(poly(outline, fill, None))
    xs = [p[0] for p in room["floor"]]
    ys = [p[1] for p in room["floor"]]
    boards = []
    # Boards along grid x, two to a step, with staggered joints.
    for k in range(2 * min(ys), 2 * max(ys)):
        y = k / 2.0
        boards.append(seg(to_screen(room, min(xs), y), to_screen(room, max(xs), y), lines, 1.5))
        for j in range(min(xs), max(xs) + 1, 3):
            x = j + (k % 3) * 1.0
            boards.append(seg(to_screen(room, x, y), to_screen(room, x, y + 0.5), lines, 1.5))
    parts.append('<g clip-path="url(#floor%d)" opacity="0.55">%s</g>' % (room["id"], "".join(boards)))
    # The slab under the open front edges.
    for a, b in front_edges(room):
        pa, pb = to_screen(room, *a), to_screen(room, *b)
        parts.append(poly([pa, pb, (pb[0], pb[1] + 12), (pa[0], pa[1] + 12)], P["roof"]))
    parts.append(poly(outline, "none", INK, 3))
    return "".join(parts)


def draw_walls(room):
    lit, shaded = room["walls"]
    parts = []
    for axis, line, a, b in back_walls(room):
        wall = (axis, line)
        face = lit if axis == "y" else shaded
        parts.append(poly(wall_quad(room, wall, a, b, 0, ROOF_HEIGHT), face, INK, 2))
        parts.append(poly(wall_quad(room, wall, a, b, 0, 9), P["light"], INK, 1.5))
        parts.append(seg(on_wall(room, wall, a, ROOF_HEIGHT), on_wall(room, wall, b, ROOF_HEIGHT), INK, 3.5))
    return "".join(parts)


def draw_window(room):
    axis, line, a, b, h1, h2 = room["window"]
    wall = (axis, line)
    mid, bar = (a + b) / 2, h1 + (h2 - h1) * 0.45
    return "".join([
        poly(wall_quad(room, wall, a - 0.15, b + 0.15, h1 - 5, h2 + 5), P["light"], INK, 2),
        poly(wall_quad(room, wall, a, b, h1, h2), P["glass"], INK, 2),
        poly(wall_quad(room, wall, a + 0.15, a + 0.8, h2 - 28, h2 - 6), P["sky_light"], None),
        seg(on_wall(room, wall, mid, h1), on_wall(room, wall, mid, h2), P["light"], 4),
        seg(on_wall(room, wall, a, bar), on_wall(room, wall, b, bar), P["light"], 4),
        poly(wall_quad(room, wall, a, b, h1, h2), "none", INK, 2),
        # the sill and a plant on it
        poly(wall_quad(room, wall, a - 0.25, b + 0.25, h1 - 9, h1 - 3), P["wood"], INK, 1.5),
        poly([on_wall(room, wall, b - 0.7, h1 - 3), on_wall(room, wall, b - 0.3, h1 - 3),
              on_wall(room, wall, b - 0.35, h1 + 9), on_wall(room, wall, b - 0.65, h1 + 9)],
             P["brick"], INK, 1.5),
        '<circle cx="%s" cy="%s" r="9" fill="%s" stroke="%s" stroke-width="1.5"/>'
        % (fmt(on_wall(room, wall, b - 0.5, h1 + 16)[0]), fmt(on_wall(room, wall, b - 0.5, h1 + 16)[1]),
           P["leaf"], INK),
    ])


def door_parts(room):
    axis, line, a, b, h1, h2 = room["door"]
    wall = (axis, line)
    knob = on_wall(room, wall, b - 0.35, 56)
    return [
        poly(wall_quad(room, wall, a - 0.2, b + 0.2, h1, h2 + 8), P["light"], INK, 2),
        poly(wall_quad(room, wall, a, b, h1, h2), P["wood"], INK, 2),
        poly(wall_quad(room, wall, a + 0.3, b - 0.3, 66, h2 - 10), P["roof"], INK, 1.5),
        poly(wall_quad(room, wall, a + 0.3, b - 0.3, 12, 52), P["roof"], INK, 1.5),
        '<circle cx="%s" cy="%s" r="4" fill="%s" stroke="%s" stroke-width="1.5"/>'
        % (fmt(knob[0]), fmt(knob[1]), P["butter"], INK),
    ]


def board_parts(room):
    axis, line, a, b, h1, h2 = room["board"]
    wall = (axis, line)
    notes = [(0.25, 0.9, 0.55, 0.95, P["light"]), (1.05, 1.75, 0.5, 0.9, P["butter"]),
             (0.45, 1.15, 0.12, 0.42, P["rose"]), (1.45, 2.15, 0.1, 0.42, P["sky_light"])]
    parts = [poly(wall_quad(room, wall, a, b, h1, h2), P["wood"], INK, 2),
             poly(wall_quad(room, wall, a + 0.15, b - 0.15, h1 + 5, h2 - 5), P["sand"], INK, 1.5)]
    for n0, n1, v0, v1, colour in notes:
        if a + n1 > b - 0.15:
            continue
        low, high = h1 + (h2 - h1) * v0, h1 + (h2 - h1) * v1
        parts.append(poly(wall_quad(room, wall, a + n0, a + n1, low, high), colour, INK, 1.2))
        pin = on_wall(room, wall, a + (n0 + n1) / 2, high - 3)
        parts.append('<circle cx="%s" cy="%s" r="2.5" fill="%s"/>' % (fmt(pin[0]), fmt(pin[1]), P["red"]))
    return parts


def draw_kitchen(room):
    parts = []
    cab = room["cabinet"]
    for x0, x1, y0, y1, z0, z1, kind in room["kitchen"]:
        if kind == "counter":
            parts.append(box(room, x0, x1, y0, y1, z0, z1 - 6, P["wood"], cab, cab))
            parts.append(box(room, x0 - 0.05, x1, y0, y1 + 0.05, z1 - 6, z1, P["wood"], P["wood"], P["wood"]))
            parts.append(kitchen_details(room, x0, x1, y0, y1, z1))
        elif kind == "fridge":
            parts.append(box(room, x0, x1, y0, y1, z0, z1, P["light"], P["light"], P["light"]))
            split = z0 + (z1 - z0) * 0.62
            parts.append(seg(to_screen(room, x0, y1, split), to_screen(room, x1, y1, split), INK, 1.5))
            parts.append(seg(to_screen(room, x0 + 0.2, y1, split + 8), to_screen(room, x0 + 0.2, y1, split + 22),
                             INK, 2.5))
            parts.append(seg(to_screen(room, x0 + 0.2, y1, split - 8), to_screen(room, x0 + 0.2, y1, split - 26),
                             INK, 2.5))
        else:  # a cupboard on the wall above the counter
            parts.append(box(room, x0, x1, y0, y1, z0, z1, P["light"], cab, cab))
    return "".join(parts)


def kitchen_details(room, x0, x1, y0, y1, top):
    """Cupboard doors on the front, a sink and a hob on the top."""
    parts = []
    along_x = (x1 - x0) >= (y1 - y0)
    length = (x1 - x0) if along_x else (y1 - y0)
    # The front face is y = y1 for a counter along grid x, x = x0 along grid y.
    face = lambda t, h: to_screen(room, x0 + t, y1, h) if along_x else to_screen(room, x0, y0 + t, h)
    on_top = lambda t, d: (to_screen(room, x0 + t, y0 + d, top) if along_x
                           else to_screen(room, x0 + d, y0 + t, top))
    for i in range(int(length)):
        parts.append(poly([face(i + 0.08, 6), face(i + 0.92, 6), face(i + 0.92, top - 12),
                           face(i + 0.08, top - 12)], "none", INK, 1.2))
        knob = face(i + 0.78, top - 20)
        parts.append('<circle cx="%s" cy="%s" r="2.2" fill="%s"/>' % (fmt(knob[0]), fmt(knob[1]), P["accent"]))
    sink = [on_top(0.3, 0.2), on_top(1.1, 0.2), on_top(1.1, 0.8), on_top(0.3, 0.8)]
    parts.append(poly(sink, P["stone"], INK, 1.5))
    tap = on_top(0.7, 0.1)
    parts.append(seg(tap, (tap[0], tap[1] - 10), INK, 3))
    for t, d in ((length - 1.2, 0.3), (length - 0.6, 0.7)):
        c = (x0 + t, y0 + d) if along_x else (x0 + d, y0 + t)
        parts.append(iso_ellipse(room, c[0], c[1], top, 0.22, P["panel"]))
    return "".join(parts)


# --- pictures --------------------------------------------------------------------
def scene(room):
    """Everything of the background, in screen pixels."""
    return "".join([
        '<rect x="-1" y="-1" width="802" height="602" fill="%s"/>' % P["panel_light"],
        draw_floor(room),
        draw_walls(room),
        draw_window(room),
        "".join(door_parts(room)),
        "".join(board_parts(room)),
        draw_kitchen(room),
    ])


def background(room):
    s = Svg(802, 602)
    s.add('<g transform="translate(1 1)">%s</g>' % scene(room))
    return s


def cut_box(room, parts_of):
    """Screen position and file size of a button cut from the background."""
    item = room[parts_of]
    axis, line, a, b, h1, h2 = item
    pts = wall_quad(room, (axis, line), a - 0.3, b + 0.3, h1 - 2, h2 + 10)
    x0 = int(math.floor(min(p[0] for p in pts))) - 2
    y0 = int(math.floor(min(p[1] for p in pts))) - 2
    x1 = int(math.ceil(max(p[0] for p in pts))) + 2
    y1 = int(math.ceil(max(p[1] for p in pts))) + 2
    return (x0, y0), (x1 - x0 + 2, y1 - y0 + 2)


def button(room, parts_of, parts):
    (x, y), (w, h) = cut_box(room, parts_of)
    s = Svg(w, h)
    s.add('<g transform="translate(%d %d)">%s</g>' % (1 - x, 1 - y, "".join(parts)))
    return s


# --- rooms.xml ---------------------------------------------------------------------
def dots(room):
    """(x, y, corner, edge): the corners in order round the grid, then the
    other dots row by row."""
    grid = room["grid"]
    out = [(x, y, True, True) for x, y in grid]
    xs = [p[0] for p in grid]
    ys = [p[1] for p in grid]
    for y in range(min(ys), max(ys) + 1):
        for x in range(min(xs), max(xs) + 1):
            if (x, y) in grid:
                continue
            edge = on_edge(grid, x, y)
            if edge or inside(grid, x + 0.01, y + 0.013):
                out.append((x, y, False, edge))
    return out


def room_xml(room):
    n = room["id"]
    px, py = room["position"]
    lines = ['  <room id="%d">' % n,
             '    <grid sizeRatio="%s" roofHeight="%s" gridSize="%s">' % (SIZE_RATIO, ROOF_HEIGHT, GRID_SIZE),
             '      <position x="%s" y="%s"/>' % (px, py)]
    for x, y, corner, edge in dots(room):
        flags = ' corner="1"' if corner else (' edge="1"' if edge else "")
        lines.append('      <dot x="%d" y="%d"%s/>' % (x, y, flags))
    lines.append("    </grid>")
    lines += ['    <background name="room%d">' % n, '      <size x="802" y="602"/>',
              '      <hotspot x="0" y="0"/>', "    </background>"]
    for element, name in (("door", "door"), ("noticeboard", "board")):
        (x, y), (w, h) = cut_box(room, name)
        lines += ['    <%s guiId="%s" name="room%d_%s">' % (element, element, n, element),
                  '      <size x="%d" y="%d"/>' % (w, h),
                  '      <position x="%d" y="%d"/>' % (x, y),
                  "    </%s>" % element]
    lines.append("  </room>")
    return lines


HEADER = """<?xml version="1.0" encoding="UTF-8"?>
<!-- The player's flat, one per difficulty level: the room's id is the level.
     Written by tools/art/rooms.py from the numbers that draw the pictures
     (change it there and run "tools/art/rooms.py xml data/xml/rooms.xml").
     grid: sizeRatio squashes the projection, gridSize is screen pixels per
       grid step along x, roofHeight the walls' height for the debug outline;
       position is the screen point of grid (0, 0), which lies off the floor.
       Each dot is a place on the floor where furniture may stand: first the
       corners in order round the outline, then the rest row by row.
     background: "sprite_" + name + ".png"; door and noticeboard: buttons cut
       from it ("gui_" + name + ".png") at their places on the wall. -->
<rooms>"""


def write_xml(path):
    lines = [HEADER]
    for room in ROOMS:
        lines += room_xml(room)
    lines.append("</rooms>")
    with open(path, "w", encoding="utf-8", newline="\n") as f:
        f.write("\n".join(lines) + "\n")


def check(room):
    """The background with the dots and the outline the game's debug view draws."""
    s = Svg(802, 602, margin=False)
    marks = [scene(room)]
    corners = [to_screen(room, x, y) for x, y in room["grid"]]
    for i, p in enumerate(corners):
        marks.append(seg(corners[i - 1], p, "#FFFFFF", 1))
        marks.append(seg(p, (p[0], p[1] - ROOF_HEIGHT), "#FFFFFF", 1))
    for x, y, _, _ in dots(room):
        sx, sy = to_screen(room, x, y)
        marks.append(seg((sx - 5, sy - 5), (sx + 5, sy + 5), "#00FF00", 1))
        marks.append(seg((sx + 5, sy - 5), (sx - 5, sy + 5), "#00FF00", 1))
    s.add('<g transform="translate(1 1)">%s</g>' % "".join(marks))
    return s


IMAGES = {}
for _room in ROOMS:
    _n = _room["id"]
    IMAGES["sprite_room%d" % _n] = (lambda r: lambda: background(r))(_room)
    IMAGES["gui_room%d_door" % _n] = (lambda r: lambda: button(r, "door", door_parts(r)))(_room)
    IMAGES["gui_room%d_noticeboard" % _n] = (lambda r: lambda: button(r, "board", board_parts(r)))(_room)


def main(argv):
    if len(argv) == 3 and argv[1] == "xml":
        write_xml(argv[2])
        return 0
    if len(argv) == 3 and argv[1] == "check":
        os.makedirs(argv[2], exist_ok=True)
        for room in ROOMS:
            with open(os.path.join(argv[2], "check_room%d.svg" % room["id"]), "w", encoding="utf-8") as f:
                f.write(check(room).render())
        return 0
    sys.stderr.write("usage: rooms.py xml FILE | rooms.py check OUTDIR\n")
    return 2


if __name__ == "__main__":
    sys.exit(main(sys.argv))
