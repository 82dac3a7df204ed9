#!/usr/bin/env python3
"""The program's icon for desktops and menus: the emblem of the logo (a house
and a coin on a round accent badge) on a square canvas, without text so that
it looks the same whatever fonts a desktop has.

    icon.py OUTDIR   -> OUTDIR/se.fiscora.Fiscora.svg (large sizes and the
                        scalable icon) and OUTDIR/se.fiscora.Fiscora-small.svg
                        (16 to 32 px: fewer, bolder shapes)
"""
import os
import sys

from artlib import PALETTE as P
from artlib import Svg
from scenes import INK, circle, coin, group, poly, rect, window

ID = "se.fiscora.Fiscora"


def badge(cx, cy, r, ring):
    """The round accent badge with its darker lip and butter ring."""
    return [
        circle(cx, cy + r * 0.07, r, P["accent_dark"], None),
        circle(cx, cy, r, P["accent"], INK, ring),
        circle(cx, cy, r * 0.86, "none", P["butter"], ring),
    ]


def large():
    s = Svg(128, 128, margin=False)
    house = group([
        rect(-30, -8, 60, 44, P["light"], INK, 3),
        poly([(-40, -6), (0, -40), (40, -6)], P["brick"], INK, 3),
        rect(-8, 12, 16, 24, P["teal"], INK, 2.5),
        window(-25, 0, 13, 12), window(13, 0, 13, 12),
    ], 59, 64)
    s.add("".join(badge(64, 61, 58, 3) + [house, group([coin(0, 0, 17, label=False)], 96, 92)]))
    return s


def small():
    # Drawn on a 32-unit canvas: one unit is one pixel at 32 px, half a pixel
    # at 16 px, so the outlines stay at least a pixel wide.
    s = Svg(32, 32, margin=False)
    house = [
        rect(9, 15, 14, 10, P["light"], INK, 1.6),
        poly([(6.5, 15.5), (16, 7), (25.5, 15.5)], P["brick"], INK, 1.6),
        rect(14, 18.5, 4, 6.5, P["teal"], None),
    ]
    s.add("".join(badge(16, 15.5, 14.5, 1.6)[:2] + house))
    return s


def main(argv):
    if len(argv) != 2:
        sys.stderr.write("usage: icon.py OUTDIR\n")
        return 2
    os.makedirs(argv[1], exist_ok=True)
    for name, picture in ((ID, large), (ID + "-small", small)):
        with open(os.path.join(argv[1], name + ".svg"), "w", encoding="utf-8", newline="\n") as f:
            f.write(picture().render())
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
