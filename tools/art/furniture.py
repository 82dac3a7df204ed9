#!/usr/bin/env python3
"""Writes the furniture pictures into art/gfx/ and their sizes and nails into
furnitures.xml.

    furniture.py OUTDIR FURNITURES_XML

Per piece of the catalogue (its "sprite" gfx "furniture_<kind>_<n>.png"):
  - NAME.svg, the texture: two views side by side, each VIEW_W x VIEW_H. The
    first shows the piece with its front to the viewer (down-right on the
    screen), the second the same piece turned a quarter, seen from behind.
    The game mirrors each view for the two remaining directions.
  - shop_NAME.svg, the store's 82 x 82 picture of the first view on a card.
The footprint ("placement" width x depth) is read from the XML; the view
size and both nails are computed here and written back into the XML, so the
art and the data cannot drift apart.

Isometric geometry, shared with the room (rooms.xml "grid"):
  screen x = GRID * (gx + gy), screen y = GRID * SIZE_RATIO * (gy - gx)
A piece of width w and depth d stands on the dots (0..w, 0..d); it is drawn
over the cells around them, from -0.5 to w + 0.5 and -0.5 to d + 0.5, so two
pieces on neighbouring dots just touch. One grid step is STEP_M metres and a
metre of height is PX_PER_M pixels (true 2:1 dimetric: 1.2247 x GRID per
step). The first nail is the screen point of the dot (0, 0) in the first
view; the second nail that of the first dot in the second view, counted from
the texture's left edge (x + VIEW_W). Output is the same on every run.
"""
import math
import os
import re
import sys

from artlib import PALETTE as P
from artlib import Svg

GRID = 28.0  # screen pixels per grid step along screen x (rooms.py GRID_SIZE)
SIZE_RATIO = 0.5  # vertical squash: a cell is 2 * GRID wide, GRID high
STEP_M = 0.5  # metres per grid step
PX_PER_M = 68.6  # screen pixels per metre of height (1.2247 * GRID / STEP_M)
PREVIEW = 82  # the store's picture, file size
INK = P["ink"]
SW = 2.0  # outline width at game scale
SHADE = 0.3  # the shadow colour's alpha: ground shadows and turned-away faces


# --- the model: parts in the piece's own frame ---------------------------------
# u runs along the width (0..w), v along the depth (0..d) with the front at
# v = d, z is the height in metres. Cells reach half a step past the dots.


def m(metres):
    """Metres in grid steps."""
    return metres / STEP_M


class Box:
    """An upright box; faces: the side colours, and decals drawn on its faces
    (face, colour, u/v-or-z rectangle...)."""

    def __init__(self, u0, u1, v0, v1, z0, z1, fill, top=None, decals=()):
        self.lo = (min(u0, u1), min(v0, v1), min(z0, z1))
        self.hi = (max(u0, u1), max(v0, v1), max(z0, z1))
        self.fill, self.top = fill, top or fill
        self.decals = list(decals)


class Cyl:
    """An upright cylinder (pots, lamp shades, posts)."""

    def __init__(self, u, v, r, z0, z1, fill):
        self.lo = (u - r, v - r, z0)
        self.hi = (u + r, v + r, z1)
        self.c, self.r, self.z0, self.z1, self.fill = (u, v), r, z0, z1, fill


class Ball:
    """A round blob of a given screen radius (leaves, a globe)."""

    def __init__(self, u, v, z, px, fill, ry=None):
        r = px / GRID / 2
        self.lo = (u - r, v - r, z - px / PX_PER_M)
        self.hi = (u + r, v + r, z + px / PX_PER_M)
        self.c, self.z, self.px, self.py, self.fill = (u, v), z, px, ry or px, fill


def front(u0, u1, z0, z1, fill, shape="rect"):
    """A decal on the box's front face (v = max)."""
    return ("front", u0, u1, z0, z1, fill, shape)


def back(u0, u1, z0, z1, fill, shape="rect"):
    return ("back", u0, u1, z0, z1, fill, shape)


def topdecal(u0, u1, v0, v1, fill, shape="rect"):
    return ("top", u0, u1, v0, v1, fill, shape)


# --- projection -----------------------------------------------------------------
class View:
    """Turns the piece's frame into screen points of one view, relative to
    the footprint's centre. Second view: the front faces the grid's +x."""

    def __init__(self, w, d, second, sw):
        self.w, self.d, self.second, self.sw = w, d, second, sw
        self.centre = (d / 2.0, w / 2.0) if second else (w / 2.0, d / 2.0)

    def world(self, u, v):
        return (v, self.w - u) if self.second else (u, v)

    def screen(self, u, v, z):
        gx, gy = self.world(u, v)
        gx, gy = gx - self.centre[0], gy - self.centre[1]
        return (GRID * (gx + gy), GRID * SIZE_RATIO * (gy - gx) - PX_PER_M * z)

    def world_box(self, part):
        (u0, v0, z0), (u1, v1, z1) = part.lo, part.hi
        a, b = self.world(u0, v0), self.world(u1, v1)
        return ((min(a[0], b[0]), min(a[1], b[1]), z0), (max(a[0], b[0]), max(a[1], b[1]), z1))

    def visible(self, normal):
        """Faces seen: the top, world -x and world +y."""
        nu, nv = normal
        if self.second:
            nx, ny = nv, -nu
        else:
            nx, ny = nu, nv
        return nx < 0 or ny > 0


def pts(points):
    return " ".join("%.2f,%.2f" % p for p in points)


def polygon(points, fill, sw, opacity=None, stroke=True):
    s = '<polygon points="%s" fill="%s"' % (pts(points), fill)
    if opacity is not None:
        s += ' fill-opacity="%s"' % opacity
    if stroke:
        s += ' stroke="%s" stroke-width="%.2f" stroke-linejoin="round"' % (INK, sw)
    return s + "/>"


def face_points(view, face, a0, a1, b0, b1, box):
    (u0, v0, z0), (u1, v1, z1) = box.lo, box.hi
    if face == "front":
        return [view.screen(a0, v1, b0), view.screen(a1, v1, b0), view.screen(a1, v1, b1),
                view.screen(a0, v1, b1)]
    if face == "back":
        return [view.screen(a0, v0, b0), view.screen(a1, v0, b0), view.screen(a1, v0, b1),
                view.screen(a0, v0, b1)]
    if face == "left":  # u = min
        return [view.screen(u0, a0, b0), view.screen(u0, a1, b0), view.screen(u0, a1, b1),
                view.screen(u0, a0, b1)]
    if face == "right":
        return [view.screen(u1, a0, b0), view.screen(u1, a1, b0), view.screen(u1, a1, b1),
                view.screen(u1, a0, b1)]
    return [view.screen(a0, b0, z1), view.screen(a1, b0, z1), view.screen(a1, b1, z1),
            view.screen(a0, b1, z1)]


FACE_NORMALS = {"front": (0, 1), "back": (0, -1), "left": (-1, 0), "right": (1, 0)}


def draw_box(view, box):
    (u0, v0, z0), (u1, v1, z1) = box.lo, box.hi
    out = []
    for face, normal in FACE_NORMALS.items():
        if not view.visible(normal):
            continue
        a0, a1 = (u0, u1) if face in ("front", "back") else (v0, v1)
        quad = face_points(view, face, a0, a1, z0, z1, box)
        out.append(polygon(quad, box.fill, view.sw))
        # The faces turned toward the screen's right lie in shade.
        nx, ny = (normal[1], -normal[0]) if view.second else normal
        if ny > 0:
            out.append(polygon(quad, P["shadow"], view.sw, SHADE * 0.5, stroke=False))
    out.append(polygon(face_points(view, "top", u0, u1, v0, v1, box), box.top, view.sw))
    for decal in box.decals:
        face, a0, a1, b0, b1, fill, shape = decal
        if face != "top" and not view.visible(FACE_NORMALS[face]):
            continue
        quad = face_points(view, face, a0, a1, b0, b1, box)
        if shape == "round":
            out.append(ellipse_in(quad, fill, view.sw))
        elif shape == "flat":
            out.append(polygon(quad, fill, view.sw, stroke=False))
        else:
            out.append(polygon(quad, fill, view.sw))
    return out


def ellipse_in(quad, fill, sw):
    """An ellipse inscribed in a face's parallelogram (knobs, speaker cones)."""
    (x0, y0), (x1, y1), _, (x3, y3) = quad
    cx = (quad[0][0] + quad[2][0]) / 2
    cy = (quad[0][1] + quad[2][1]) / 2
    ax, ay = (x1 - x0) / 2, (y1 - y0) / 2
    bx, by = (x3 - x0) / 2, (y3 - y0) / 2
    return ('<ellipse cx="0" cy="0" rx="1" ry="1" fill="%s" stroke="%s" stroke-width="%.3f" '
            'transform="matrix(%.3f %.3f %.3f %.3f %.2f %.2f)"/>'
            % (fill, INK, sw / max(0.5, min(math.hypot(ax, ay), math.hypot(bx, by))),
               ax, ay, bx, by, cx, cy))


def draw_cyl(view, c):
    rx = math.sqrt(2) * GRID * c.r
    ry = rx * SIZE_RATIO
    x, ytop = view.screen(c.c[0], c.c[1], c.z1)
    _, ybot = view.screen(c.c[0], c.c[1], c.z0)
    s = view.sw
    body = ('<path d="M %.2f %.2f L %.2f %.2f A %.2f %.2f 0 0 0 %.2f %.2f L %.2f %.2f Z" '
            'fill="%s" stroke="%s" stroke-width="%.2f" stroke-linejoin="round"/>'
            % (x - rx, ytop, x - rx, ybot, rx, ry, x + rx, ybot, x + rx, ytop, c.fill, INK, s))
    shade = ('<path d="M %.2f %.2f L %.2f %.2f A %.2f %.2f 0 0 1 %.2f %.2f L %.2f %.2f Z" '
             'fill="%s" fill-opacity="%s"/>'
             % (x + rx * 0.35, ytop, x + rx * 0.35, ybot + ry * 0.94, rx, ry, x + rx, ybot,
                x + rx, ytop, P["shadow"], SHADE * 0.5))
    top = ('<ellipse cx="%.2f" cy="%.2f" rx="%.2f" ry="%.2f" fill="%s" stroke="%s" '
           'stroke-width="%.2f"/>' % (x, ytop, rx, ry, c.fill, INK, s))
    return [body, shade, top]


def draw_ball(view, b):
    x, y = view.screen(b.c[0], b.c[1], b.z)
    return ['<ellipse cx="%.2f" cy="%.2f" rx="%.2f" ry="%.2f" fill="%s" stroke="%s" '
            'stroke-width="%.2f"/>' % (x, y, b.px, b.py, b.fill, INK, view.sw)]


def draw(view, part):
    if isinstance(part, Box):
        return draw_box(view, part)
    if isinstance(part, Cyl):
        return draw_cyl(view, part)
    return draw_ball(view, part)


def screen_bounds(view, part):
    (x0, y0, z0), (x1, y1, z1) = part.lo, part.hi
    xs, ys = [], []
    for u in (x0, x1):
        for v in (y0, y1):
            for z in (z0, z1):
                sx, sy = view.screen(u, v, z)
                xs.append(sx)
                ys.append(sy)
    if isinstance(part, Ball):
        x, y = view.screen(part.c[0], part.c[1], part.z)
        xs += [x - part.px, x + part.px]
        ys += [y - part.py, y + part.py]
    return min(xs), min(ys), max(xs), max(ys)


def behind(view, a, b):
    """True when a must be drawn before b; None when they do not decide."""
    (ax0, ay0, az0), (ax1, ay1, az1) = view.world_box(a)
    (bx0, by0, bz0), (bx1, by1, bz1) = view.world_box(b)
    e = 1e-6
    if ax0 >= bx1 - e:
        return True  # further along +x is further away
    if bx0 >= ax1 - e:
        return False
    if ay1 <= by0 + e:
        return True  # smaller y is further away
    if by1 <= ay0 + e:
        return False
    if az1 <= bz0 + e:
        return True
    if bz1 <= az0 + e:
        return False
    return None


def ordered(view, parts):
    """Back to front: a topological order of the pairs whose pictures overlap,
    ties kept in the listed order."""
    n = len(parts)
    bounds = [screen_bounds(view, p) for p in parts]
    after = {i: set() for i in range(n)}
    needs = [0] * n
    for i in range(n):
        for j in range(i + 1, n):
            bi, bj = bounds[i], bounds[j]
            if bi[2] <= bj[0] or bj[2] <= bi[0] or bi[3] <= bj[1] or bj[3] <= bi[1]:
                continue
            first = behind(view, parts[i], parts[j])
            if first is None:
                continue
            a, b = (i, j) if first else (j, i)
            if b not in after[a]:
                after[a].add(b)
                needs[b] += 1
    done, out = set(), []
    while len(out) < n:
        ready = [i for i in range(n) if i not in done and needs[i] == 0]
        i = ready[0] if ready else min(k for k in range(n) if k not in done)
        done.add(i)
        out.append(parts[i])
        for k in after[i]:
            needs[k] -= 1
    return out


def shadow(view, w, d):
    """The flat ground shadow: the footprint's cells, slightly inset."""
    i = 0.42
    corners = [(-i, -i), (w + i, -i), (w + i, d + i), (-i, d + i)]
    quad = [view.screen(u, v, 0) for u, v in corners]
    return polygon(quad, P["shadow"], view.sw, SHADE, stroke=False)


def render_view(piece, second, sw=SW, floor_shadow=True):
    view = View(piece.w, piece.d, second, sw)
    out = [shadow(view, piece.w, piece.d)] if floor_shadow and piece.shadow else []
    for part in ordered(view, piece.parts):
        out.extend(draw(view, part))
    return out, view


def extent(piece):
    """Screen bounds of both views around the footprint's centre."""
    xs, ys = [], []
    for second in (False, True):
        view = View(piece.w, piece.d, second, SW)
        for part in piece.parts:
            b = screen_bounds(view, part)
            xs += [b[0], b[2]]
            ys += [b[1], b[3]]
        for u, v in ((-0.5, -0.5), (piece.w + 0.5, -0.5), (piece.w + 0.5, piece.d + 0.5),
                     (-0.5, piece.d + 0.5)):
            x, y = view.screen(u, v, 0)
            xs.append(x)
            ys.append(y)
    return max(abs(x) for x in xs), min(ys), max(ys)


# --- the pieces -------------------------------------------------------------------
class Piece:
    def __init__(self, w, d, parts, shadow=True):
        self.w, self.d, self.parts, self.shadow = w, d, parts, shadow


def legs(u0, u1, v0, v1, z1, fill, t=0.12):
    return [Box(u, u + t, v, v + t, 0, z1, fill)
            for u in (u0, u1 - t) for v in (v0, v1 - t)]


def cell(w, d, inset=0.05):
    """The footprint's area: u0, u1, v0, v1."""
    return -0.5 + inset, w + 0.5 - inset, -0.5 + inset, d + 0.5 - inset


def sofa(w, d, fill, seats):
    u0, u1, v0, v1 = cell(w, d, 0.1)
    arm = 0.45
    parts = legs(u0 + 0.1, u1 - 0.1, v0 + 0.1, v1 - 0.1, 0.12, P["roof"], 0.15)
    parts.append(Box(u0, u1, v0, v0 + 0.5, 0.12, 0.85, fill))  # back
    parts.append(Box(u0 + arm, u1 - arm, v0 + 0.5, v1, 0.12, 0.42, fill))  # seat base
    span = (u1 - u0 - 2 * arm) / seats
    for k in range(seats):
        a = u0 + arm + k * span
        parts.append(Box(a, a + span, v0 + 0.5, v1, 0.42, 0.5, fill))  # cushions
    parts.append(Box(u0, u0 + arm, v0, v1, 0.12, 0.62, fill))
    parts.append(Box(u1 - arm, u1, v0, v1, 0.12, 0.62, fill))
    return parts


def armchair(w, d, fill, wings):
    u0, u1, v0, v1 = cell(w, d, 0.15)
    arm = 0.35
    parts = legs(u0 + 0.1, u1 - 0.1, v0 + 0.1, v1 - 0.1, 0.14, P["roof"], 0.14)
    parts.append(Box(u0, u1, v0, v0 + 0.45, 0.14, 1.1 if wings else 0.85, fill))
    parts.append(Box(u0 + arm, u1 - arm, v0 + 0.45, v1, 0.14, 0.48, fill, P["cream"]))
    if wings:
        parts.append(Box(u0, u0 + arm, v0 + 0.45, v0 + 1.0, 0.62, 1.05, fill))
        parts.append(Box(u1 - arm, u1, v0 + 0.45, v0 + 1.0, 0.62, 1.05, fill))
    parts.append(Box(u0, u0 + arm, v0 + 0.45, v1, 0.14, 0.64, fill))
    parts.append(Box(u1 - arm, u1, v0 + 0.45, v1, 0.14, 0.64, fill))
    return parts


def bed(w, d, duvet, frame, double):
    """The headboard at the far end, so that the pillows show."""
    u0, u1, v0, v1 = cell(w, d, 0.08)
    head = u1 - 0.25
    parts = [Box(head, u1, v0, v1, 0.0, 1.0 if double else 0.8, frame),
             Box(u0, head, v0, v1, 0.05, 0.3, frame),
             Box(u0 + 0.03, head - 0.02, v0 + 0.04, v1 - 0.04, 0.3, 0.48, P["cream"])]
    pillows = 2 if double else 1
    span = (v1 - v0 - 0.2) / pillows
    for k in range(pillows):
        a = v0 + 0.1 + k * span
        parts.append(Box(head - 0.75, head - 0.1, a + 0.05, a + span - 0.05, 0.48, 0.64, P["light"]))
    fold = head - 0.95
    parts.append(Box(u0, fold, v0 + 0.01, v1 - 0.01, 0.26, 0.56, duvet,
                     decals=[topdecal(fold - 0.3, fold, v0 + 0.01, v1 - 0.01, P["light"]),
                             front(fold - 0.3, fold, 0.26, 0.56, P["light"])]))
    return parts


def drawer(w, d, fill, knob, rows, cols):
    u0, u1, v0, v1 = cell(w, d, 0.1)
    v0 = v1 - m(0.45)
    h = 0.85 if rows > 2 else 0.8
    decals = []
    span_u = (u1 - u0 - 0.2) / cols
    span_z = (h - 0.2) / rows
    for r in range(rows):
        for c in range(cols):
            a, b = u0 + 0.1 + c * span_u, 0.15 + r * span_z
            decals.append(front(a + 0.03, a + span_u - 0.03, b + 0.02, b + span_z - 0.02, fill))
            mid = a + span_u / 2
            decals.append(front(mid - 0.09, mid + 0.09, b + span_z / 2 - 0.03,
                                b + span_z / 2 + 0.03, knob, "round"))
    parts = legs(u0 + 0.05, u1 - 0.05, v0 + 0.05, v1 - 0.05, 0.1, P["roof"], 0.12)
    parts.append(Box(u0, u1, v0, v1, 0.08, h, fill, decals=decals + [back(u0 + 0.1, u1 - 0.1, 0.15, h - 0.05, P["sand"])]))
    return parts


def chair(w, d, fill, seat, padded):
    u0, u1, v0, v1 = cell(w, d, 0.12)
    parts = legs(u0 + 0.05, u1 - 0.05, v0 + 0.05, v1 - 0.05, 0.43, fill, 0.1)
    parts.append(Box(u0, u1, v0, v1, 0.43, 0.5 if padded else 0.47, seat))
    if padded:
        parts.append(Box(u0 + 0.02, u1 - 0.02, v0 + 0.03, v0 + 0.2, 0.5, 1.0, seat))
    else:
        for u in (u0 + 0.05, (u0 + u1) / 2 - 0.05, u1 - 0.15):
            parts.append(Box(u, u + 0.1, v0 + 0.05, v0 + 0.15, 0.47, 0.9, fill))
        parts.append(Box(u0, u1, v0 + 0.03, v0 + 0.17, 0.9, 0.98, fill))
    return parts


def office_chair(w, d, fill, trim, gamer):
    u0, u1, v0, v1 = cell(w, d, 0.08)
    cu, cv = (u0 + u1) / 2, (v0 + v1) / 2
    parts = [Box(u0 + 0.05, u1 - 0.05, cv - 0.06, cv + 0.06, 0.03, 0.09, P["ink"]),
             Box(cu - 0.06, cu + 0.06, v0 + 0.05, v1 - 0.05, 0.03, 0.09, P["ink"]),
             Cyl(cu, cv, 0.06, 0.09, 0.42, P["road"]),
             Box(u0 + 0.05, u1 - 0.05, v0 + 0.15, v1 - 0.05, 0.42, 0.52, fill)]
    top = 1.3 if gamer else 1.0
    decals = [back(u0 + 0.35, u1 - 0.35, 0.6, top - 0.05, trim)] if gamer else []
    if gamer:
        decals.append(front(u0 + 0.3, u1 - 0.3, 0.6, top - 0.08, trim))
        decals.append(front(u0 + 0.35, u1 - 0.35, top - 0.28, top - 0.14, P["ink"]))
    parts.append(Box(u0 + 0.08, u1 - 0.08, v0, v0 + 0.15, 0.55, top, fill, decals=decals))
    if gamer:
        parts.append(Box(u0, u0 + 0.1, v0 + 0.3, v1 - 0.2, 0.6, 0.68, P["ink"]))
        parts.append(Box(u1 - 0.1, u1, v0 + 0.3, v1 - 0.2, 0.6, 0.68, P["ink"]))
    return parts


def table(w, d, top, leg, z, inset=0.1, shelf=None, glass=False):
    u0, u1, v0, v1 = cell(w, d, inset)
    parts = legs(u0 + 0.05, u1 - 0.05, v0 + 0.05, v1 - 0.05, z - 0.04, leg, 0.13)
    if shelf:
        parts.append(Box(u0 + 0.05, u1 - 0.05, v0 + 0.05, v1 - 0.05, 0.1, 0.13, shelf))
    if glass:
        parts.append(Box(u0, u1, v0, v1, z - 0.06, z - 0.04, leg))
        parts.append(Box(u0 - 0.05, u1 + 0.05, v0 - 0.05, v1 + 0.05, z - 0.04, z, top))
    else:
        parts.append(Box(u0, u1, v0, v1, z - 0.04, z, top))
    return parts


BOOK_COLOURS = ["red", "teal", "butter", "plum", "green", "accent", "rose", "panel_light"]


def bookcase(w, d, fill, h, shelves):
    u0, u1, v0, v1 = cell(w, d, 0.08)
    v0 = v1 - m(0.32)
    decals = []
    span = (h - 0.1) / shelves
    k = 0
    for s in range(shelves):
        b = 0.06 + s * span
        decals.append(front(u0 + 0.08, u1 - 0.08, b + 0.03, b + span - 0.02, P["panel_light"]))
        u = u0 + 0.12
        while u < u1 - 0.25:
            bw = 0.09 + 0.04 * ((k * 7) % 3)
            top = b + span - 0.06 - 0.05 * ((k * 5) % 3)
            decals.append(front(u, u + bw, b + 0.03, top, P[BOOK_COLOURS[k % len(BOOK_COLOURS)]]))
            u += bw + 0.02
            k += 1
            if (k + s) % 5 == 0:
                u += 0.15
    return [Box(u0, u1, v0, v1, 0, h, fill, decals=decals + [back(u0 + 0.06, u1 - 0.06, 0.05, h - 0.05, P["sand"])])]


def tv(w, d, screen_w, bench):
    u0, u1, v0, v1 = cell(w, d, 0.08)
    cu = (u0 + u1) / 2
    v0 = v1 - m(0.4)
    parts = [Box(u0, u1, v0, v1, 0.04, 0.42, bench,
                 decals=[front(u0 + 0.1, cu - 0.03, 0.1, 0.36, bench),
                         front(cu + 0.03, u1 - 0.1, 0.1, 0.36, bench),
                         front(cu - 0.25, cu - 0.1, 0.22, 0.25, P["ink"], "flat"),
                         front(cu + 0.1, cu + 0.25, 0.22, 0.25, P["ink"], "flat")])]
    parts.append(Box(cu - 0.3, cu + 0.3, v0 + 0.2, v0 + 0.55, 0.42, 0.45, P["ink"]))
    parts.append(Box(cu - 0.07, cu + 0.07, v0 + 0.3, v0 + 0.4, 0.45, 0.55, P["ink"]))
    hs = screen_w * 0.56
    sw = m(screen_w) / 2
    parts.append(Box(cu - sw, cu + sw, v0 + 0.35, v0 + 0.45, 0.52, 0.52 + hs, P["ink"],
                     decals=[front(cu - sw + 0.08, cu + sw - 0.08, 0.57, 0.47 + hs, P["panel"]),
                             front(cu - sw + 0.3, cu - sw + 0.9, 0.47 + hs * 0.55, 0.47 + hs * 0.9,
                                   P["panel_light"], "flat"),
                             back(cu - sw * 0.5, cu + sw * 0.5, 0.6, 0.45 + hs * 0.8, P["panel"])]))
    return parts


def speaker(u0, u1, v0, v1, z0, z1, fill):
    h = z1 - z0
    cu = (u0 + u1) / 2
    r = min(u1 - u0, m(h)) * 0.3
    return Box(u0, u1, v0, v1, z0, z1, fill,
               decals=[front(cu - r, cu + r, z0 + h * 0.12, z0 + h * 0.12 + r * STEP_M * 2, P["road"], "round"),
                       front(cu - r * 0.5, cu + r * 0.5, z1 - h * 0.3, z1 - h * 0.3 + r * STEP_M, P["road"], "round")])


def stereo_small(w, d):
    u0, u1, v0, v1 = cell(w, d, 0.2)
    cu = (u0 + u1) / 2
    return [speaker(u0, u1, v0, v1, 0, 0.6, P["teal"]),
            Box(cu - 0.15, cu + 0.15, (v0 + v1) / 2 - 0.05, (v0 + v1) / 2 + 0.05, 0.6, 0.65, P["ink"])]


def stereo_big(w, d):
    u0, u1, v0, v1 = cell(w, d, 0.08)
    v0 = v1 - m(0.42)
    cu = (u0 + u1) / 2
    parts = [Box(u0, u1, v0, v1, 0.04, 0.5, P["wood"],
                 decals=[front(u0 + 0.1, u1 - 0.1, 0.1, 0.44, P["wood"])])]
    parts.append(speaker(u0 + 0.05, u0 + 0.6, v0 + 0.1, v1 - 0.1, 0.5, 0.95, P["ink"]))
    parts.append(speaker(u1 - 0.6, u1 - 0.05, v0 + 0.1, v1 - 0.1, 0.5, 0.95, P["ink"]))
    parts.append(Box(cu - 0.45, cu + 0.45, v0 + 0.1, v1 - 0.1, 0.5, 0.6, P["cream"]))
    parts.append(Cyl(cu - 0.05, (v0 + v1) / 2, 0.28, 0.6, 0.62, P["ink"]))
    parts.append(Box(cu + 0.3, cu + 0.36, v0 + 0.2, v0 + 0.26, 0.6, 0.68, P["road"]))
    return parts


def computer(w, d, big):
    u0, u1, v0, v1 = cell(w, d, 0.08)
    if not big:
        v0 = v1 - m(0.5)
    cu = (u0 + u1) / 2
    if not big:
        desk_top = P["cream"]
        parts = legs(u0 + 0.05, u1 - 0.05, v0 + 0.05, v1 - 0.05, 0.7, P["light"], 0.12)
        parts.append(Box(u0, u1, v0, v1, 0.7, 0.74, desk_top))
        parts.append(Box(cu - 0.35, cu + 0.35, v0 + 0.45, v1 - 0.15, 0.74, 0.77, P["road"]))
        parts.append(Box(cu - 0.35, cu + 0.35, v0 + 0.35, v0 + 0.45, 0.77, 1.02, P["road"],
                         decals=[front(cu - 0.3, cu + 0.3, 0.8, 0.99, P["glass"]),
                                 back(cu - 0.08, cu + 0.08, 0.86, 0.92, P["light"], "round")]))
        parts.append(Cyl(u1 - 0.25, v0 + 0.35, 0.07, 0.74, 0.86, P["rose"]))
        return parts
    sw = 0.75
    parts = table(w, d, P["wood"], P["road_dark"], 0.74, 0.08)
    parts.append(Box(cu - 0.15, cu + 0.15, v0 + 0.25, v0 + 0.45, 0.74, 0.76, P["road_dark"]))
    parts.append(Box(cu - 0.04, cu + 0.04, v0 + 0.3, v0 + 0.38, 0.76, 0.86, P["road_dark"]))
    parts.append(Box(cu - sw, cu + sw, v0 + 0.38, v0 + 0.48, 0.86, 1.25, P["ink"],
                     decals=[front(cu - sw + 0.06, cu + sw - 0.06, 0.89, 1.22, P["teal"]),
                             front(cu - sw + 0.2, cu - 0.1, 1.1, 1.18, P["glass"], "flat")]))
    parts.append(Box(cu - 0.5, cu + 0.3, v1 - 0.75, v1 - 0.35, 0.74, 0.77, P["road_dark"],
                     decals=[topdecal(cu - 0.45, cu + 0.25, v1 - 0.7, v1 - 0.4, P["accent"])]))
    parts.append(Box(u1 - 0.4, u1 - 0.1, v1 - 0.6, v1 - 0.35, 0.74, 0.76, P["ink"]))
    parts.append(Box(u0 + 0.1, u0 + 0.45, v0 + 0.3, v1 - 0.25, 0.76, 1.2, P["ink"],
                     decals=[front(u0 + 0.15, u0 + 0.4, 0.85, 1.12, P["plum"]),
                             front(u0 + 0.2, u0 + 0.35, 1.0, 1.1, P["accent"], "round")]))
    return parts


def lamp(w, d, shade, globe):
    u0, u1, v0, v1 = cell(w, d)
    cu, cv = (u0 + u1) / 2, (v0 + v1) / 2
    if globe:
        return [Cyl(cu, cv, 0.22, 0, 0.04, P["ink"]), Cyl(cu, cv, 0.03, 0.04, 1.4, P["ink"]),
                Box(cu - 0.02, cu + 0.02, cv - 0.25, cv + 0.02, 1.38, 1.42, P["ink"]),
                Ball(cu, cv - 0.25, 1.3, 20, shade), Ball(cu + 0.01, cv - 0.26, 1.34, 7, P["light"])]
    return [Cyl(cu, cv, 0.2, 0, 0.05, P["road_dark"]), Cyl(cu, cv, 0.03, 0.05, 1.3, P["road_dark"]),
            Cyl(cu, cv, 0.3, 1.25, 1.6, shade)]


def rug(w, d, fill, stripe, border):
    u0, u1, v0, v1 = cell(w, d, 0.1)
    decals = []
    if border:
        decals.append(topdecal(u0 + 0.2, u1 - 0.2, v0 + 0.2, v1 - 0.2, stripe))
        decals.append(topdecal(u0 + 0.45, u1 - 0.45, v0 + 0.45, v1 - 0.45, fill))
        cu, cv = (u0 + u1) / 2, (v0 + v1) / 2
        decals.append(topdecal(cu - 0.4, cu + 0.4, cv - 0.4, cv + 0.4, P["accent"], "round"))
    else:
        k = 0
        u = u0 + 0.2
        while u < u1 - 0.3:
            decals.append(topdecal(u, u + 0.2, v0, v1, P[stripe[k % len(stripe)]], "flat"))
            u += 0.45
            k += 1
    return [Box(u0, u1, v0, v1, 0, 0.02, fill, decals=decals)]


def plant(w, d, big):
    u0, u1, v0, v1 = cell(w, d)
    cu, cv = (u0 + u1) / 2, (v0 + v1) / 2
    if not big:
        return [Cyl(cu, cv, 0.2, 0, 0.22, P["brick"]),
                Cyl(cu, cv, 0.12, 0.22, 0.62, P["leaf"]),
                Ball(cu, cv, 0.62, 6.5, P["leaf"], 4),
                Box(cu - 0.32, cu - 0.2, cv - 0.04, cv + 0.04, 0.38, 0.52, P["leaf"]),
                Box(cu + 0.2, cu + 0.32, cv - 0.04, cv + 0.04, 0.32, 0.46, P["leaf"]),
                Ball(cu, cv, 0.66, 3, P["rose"])]
    parts = [Cyl(cu, cv, 0.3, 0, 0.4, P["cream"]), Cyl(cu, cv, 0.24, 0.4, 0.41, P["roof"])]
    leaves = [(-0.3, 0.1, 0.62, P["leaf_dark"]), (0.3, -0.2, 0.68, P["leaf_dark"]),
              (0.0, -0.3, 0.95, P["leaf"]), (-0.35, -0.1, 0.88, P["leaf"]),
              (0.35, 0.15, 0.82, P["leaf"]), (0.05, 0.3, 0.6, P["leaf"]),
              (0.0, 0.0, 1.1, P["leaf_dark"])]
    for du, dv, z, colour in leaves:
        parts.append(Box(cu + du * 0.5 - 0.02, cu + du * 0.5 + 0.02, cv + dv * 0.5 - 0.02,
                         cv + dv * 0.5 + 0.02, 0.41, z - 0.05, P["leaf_dark"]))
    for du, dv, z, colour in leaves:
        parts.append(Ball(cu + du, cv + dv, z, 14, colour, 9))
    return parts


def framed(w, d, z0, z1, frame, thick, art, back_fill):
    """Hangs on the wall behind the footprint's back edge."""
    u0, u1, v0, v1 = cell(w, d, 0.12)
    v0 = -0.5
    return [Box(u0, u1, v0, v0 + 0.08, z0, z1, frame,
                decals=[front(u0 + thick, u1 - thick, z0 + thick * STEP_M,
                              z1 - thick * STEP_M, art[0])] +
                [front(*a) for a in art[1:]] +
                [back(u0 + 0.06, u1 - 0.06, z0 + 0.04, z1 - 0.04, back_fill)])]


def painting(w, d, big):
    u0, u1, v0, v1 = cell(w, d, 0.12)
    if not big:
        z0, z1 = 1.0, 1.45
        cu = (u0 + u1) / 2
        art = [P["sky"],
               (u0 + 0.12, u1 - 0.12, z0 + 0.06, z0 + 0.2, P["teal"], "flat"),
               (cu - 0.05, cu + 0.15, z0 + 0.2, z0 + 0.34, P["light"]),
               (cu + 0.2, cu + 0.35, z1 - 0.16, z1 - 0.1, P["butter"], "round")]
        return Piece(w, d, framed(w, d, z0, z1, P["wood"], 0.1, art, P["sand"]), False)
    z0, z1 = 0.95, 1.65
    art = [P["cream"],
           (u0 + 0.2, u0 + 0.8, z0 + 0.1, z0 + 0.4, P["red"], "round"),
           (u0 + 0.6, u1 - 0.25, z0 + 0.25, z1 - 0.1, P["teal"]),
           (u1 - 0.7, u1 - 0.2, z0 + 0.1, z0 + 0.22, P["butter"]),
           (u0 + 0.2, u0 + 0.55, z1 - 0.3, z1 - 0.12, P["plum"], "round")]
    return Piece(w, d, framed(w, d, z0, z1, P["accent"], 0.1, art, P["sand"]), False)


def poster(w, d, framed_print):
    u0, u1, v0, v1 = cell(w, d, 0.1)
    cu = (u0 + u1) / 2
    if not framed_print:
        z0, z1 = 0.95, 1.7
        art = [P["panel"],
               (u0 + 0.08, u1 - 0.08, z1 - 0.2, z1 - 0.08, P["accent"], "flat"),
               (cu - 0.22, cu + 0.22, z0 + 0.25, z0 + 0.55, P["butter"], "round"),
               (u0 + 0.1, u1 - 0.1, z0 + 0.06, z0 + 0.12, P["light"], "flat")]
        return Piece(w, d, framed(w, d, z0, z1, P["panel"], 0, art, P["light"]), False)
    z0, z1 = 0.95, 1.65
    art = [P["light"],
           (u0 + 0.15, u1 - 0.15, z0 + 0.12, z1 - 0.12, P["rose"]),
           (cu - 0.18, cu + 0.12, z0 + 0.25, z0 + 0.45, P["red"], "round"),
           (cu - 0.05, cu + 0.2, z1 - 0.35, z1 - 0.2, P["teal"], "round")]
    return Piece(w, d, framed(w, d, z0, z1, P["ink"], 0.06, art, P["sand"]), False)


def design(kind, n, w, d):
    """The parts of piece n (1 cheap, 2 better) of a kind on a w x d footprint."""
    if kind == "sofa":
        return sofa(w, d, P["teal"] if n == 1 else P["plum"], w)
    if kind == "bedtable":
        if n == 1:
            return table(w, d, P["light"], P["light"], 0.5, 0.15, P["light"])
        u0, u1, v0, v1 = cell(w, d, 0.12)
        return legs(u0 + 0.03, u1 - 0.03, v0 + 0.03, v1 - 0.03, 0.1, P["roof"], 0.1) + [
            Box(u0, u1, v0, v1, 0.1, 0.55, P["wood"],
                decals=[front(u0 + 0.06, u1 - 0.06, 0.33, 0.5, P["wood"]),
                        front(u0 + 0.38, u1 - 0.38, 0.39, 0.44, P["accent"], "round")]),
            Cyl((u0 + u1) / 2 + 0.1, (v0 + v1) / 2 - 0.1, 0.1, 0.55, 0.6, P["cream"])]
    if kind == "bed":
        return bed(w, d, P["glass"] if n == 1 else P["rose"], P["light"] if n == 1 else P["wood"],
                   n == 2)
    if kind == "drawer":
        return drawer(w, d, P["light"] if n == 1 else P["wood"], P["ink"] if n == 1 else P["accent"],
                      3, 1 if n == 1 else 2)
    if kind == "armchair":
        return armchair(w, d, P["butter"] if n == 1 else P["green"], n == 2)
    if kind == "chair":
        return chair(w, d, P["wood"] if n == 1 else P["ink"], P["wood"] if n == 1 else P["red"],
                     n == 2)
    if kind == "officechair":
        return office_chair(w, d, P["ink"] if n == 2 else P["panel_light"], P["red"], n == 2)
    if kind == "dinnertable":
        return table(w, d, P["light"] if n == 1 else P["wood"], P["light"] if n == 1 else P["roof"],
                     0.75)
    if kind == "couchtable":
        if n == 1:
            return table(w, d, P["wood"], P["wood"], 0.42, 0.12)
        return table(w, d, P["glass"], P["roof"], 0.42, 0.12, P["wood"], True)
    if kind == "bookcase":
        return bookcase(w, d, P["wood"] if n == 1 else P["light"], 0.9 if n == 1 else 1.9,
                        2 if n == 1 else 5)
    if kind == "tv":
        return tv(w, d, 0.95 if n == 1 else 1.22, P["light"] if n == 1 else P["wood"])
    if kind == "stereo":
        return stereo_small(w, d) if n == 1 else stereo_big(w, d)
    if kind == "computer":
        return computer(w, d, n == 2)
    if kind == "lamp":
        return lamp(w, d, P["cream"] if n == 1 else P["butter"], n == 2)
    if kind == "mat":
        if n == 1:
            return rug(w, d, P["cream"], ["teal", "red", "butter"], False)
        return rug(w, d, P["plum"], P["rose"], True)
    if kind == "flower":
        return plant(w, d, n == 2)
    raise KeyError(kind)


def piece_for(kind, n, w, d):
    if kind == "painting":
        return painting(w, d, n == 2)
    if kind == "poster":
        return poster(w, d, n == 2)
    return Piece(w, d, design(kind, n, w, d), kind != "mat")


# --- output -------------------------------------------------------------------------
def texture(piece):
    """Both views side by side; returns the picture and (view w, h, nail1, nail2)."""
    half, top, bottom = extent(piece)
    pad = SW / 2 + 2  # the outline, then a clear pixel that the game never shows
    vw = 2 * int(math.ceil(half + pad))
    vh = int(math.ceil(bottom - top + 2 * pad))
    cx, cy = vw / 2, math.ceil(-top + pad)
    svg = Svg(2 * vw, vh, margin=False)
    for k, second in enumerate((False, True)):
        body, _ = render_view(piece, second)
        svg.defs('<clipPath id="view%d"><rect x="%d" y="1" width="%d" height="%d"/></clipPath>'
                 % (k, k * vw + 1, vw - 2, vh - 2))
        svg.add('<g clip-path="url(#view%d)"><g transform="translate(%.2f %.2f)">' % (k, k * vw + cx, cy))
        svg.add("\n".join(body))
        svg.add("</g></g>")
    w, d = piece.w, piece.d
    nail1 = (cx - GRID * (w + d) / 2, cy - GRID * SIZE_RATIO * (d - w) / 2)
    nail2 = (vw + cx - GRID * (w + d) / 2, cy - GRID * SIZE_RATIO * (w - d) / 2)
    return svg, (vw, vh, nail1, nail2)


def preview(piece):
    svg = Svg(PREVIEW, PREVIEW)
    svg.add('<rect x="2" y="2" width="%d" height="%d" rx="6" fill="%s" stroke="%s" stroke-width="2"/>'
            % (PREVIEW - 4, PREVIEW - 4, P["cream"], INK))
    half, top, bottom = extent_first(piece)
    room = PREVIEW - 14
    scale = min(1.0, room / (2 * half), room / (bottom - top))
    body, _ = render_view(piece, False, SW / scale * 0.75)
    cx = PREVIEW / 2
    cy = PREVIEW / 2 - (top + bottom) / 2 * scale
    svg.add('<g transform="translate(%.2f %.2f) scale(%.4f)">' % (cx, cy, scale))
    svg.add("\n".join(body))
    svg.add("</g>")
    return svg


def extent_first(piece):
    view = View(piece.w, piece.d, False, SW)
    xs, ys = [], []
    for part in piece.parts:
        b = screen_bounds(view, part)
        xs += [b[0], b[2]]
        ys += [b[1], b[3]]
    return max(abs(x) for x in xs), min(ys), max(ys)


PIECE_RE = re.compile(r"<furniture\b.*?</furniture>", re.S)


def fmt(v):
    return ("%.1f" % v).rstrip("0").rstrip(".")


def main(argv):
    if len(argv) != 3:
        sys.stderr.write("usage: furniture.py OUTDIR FURNITURES_XML\n")
        return 2
    outdir, xml_path = argv[1], argv[2]
    os.makedirs(outdir, exist_ok=True)
    with open(xml_path, encoding="utf-8") as f:
        xml = f.read()

    def one(match):
        block = match.group(0)
        gfx = re.search(r'<sprite gfx="furniture_([a-z]+)_(\d+)\.png"', block)
        place = re.search(r'<placement width="(\d+)" depth="(\d+)"', block)
        kind, n = gfx.group(1), int(gfx.group(2))
        w, d = int(place.group(1)), int(place.group(2))
        piece = piece_for(kind, n, w, d)
        svg, (vw, vh, n1, n2) = texture(piece)
        name = "furniture_%s_%d" % (kind, n)
        for stem, pic in ((name, svg), ("shop_" + name, preview(piece))):
            with open(os.path.join(outdir, stem + ".svg"), "w", encoding="utf-8", newline="\n") as f:
                f.write(pic.render())
        block = re.sub(r'(<sprite gfx="[^"]+") x="[^"]*" y="[^"]*"',
                       r'\1 x="%d" y="%d"' % (vw, vh), block)
        nails = iter([n1, n2])
        block = re.sub(r'<nail x="[^"]*" y="[^"]*"/>',
                       lambda _: '<nail x="%s" y="%s"/>' % tuple(map(fmt, next(nails))), block)
        return block

    xml = PIECE_RE.sub(one, xml)
    with open(xml_path, "w", encoding="utf-8", newline="\n") as f:
        f.write(xml)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
