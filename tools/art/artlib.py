"""Palette and SVG helpers shared by the art generators (see art/STYLE.md)."""

PALETTE = {
    # roles
    "cream": "#F5EFE3",  # background
    "sand": "#E7DCC6",  # background-2
    "panel": "#2F4F63",
    "panel_light": "#45697E",
    "border": "#F2DDB4",  # panel border (frame band)
    "accent": "#F2A541",
    "accent_dark": "#C97B1E",
    "ink": "#22333F",  # text-dark, outlines
    "light": "#FFFBF2",  # text-light
    "green": "#4FAE78",
    "green_dark": "#34855A",
    "red": "#D95B4B",
    "red_dark": "#A8402F",
    "shadow": "#22333F",  # used with opacity
    # scenery
    "sky": "#BFE0EE",
    "sky_light": "#DDEFF5",
    "grass": "#9CC98A",
    "leaf": "#6FAE6B",
    "leaf_dark": "#4F8A55",
    "glass": "#9CCBE0",
    "teal": "#3E9C9A",
    "butter": "#F6D67A",
    "brick": "#C9664F",
    "roof": "#8E5A48",
    "stone": "#D8D0C0",
    "road": "#8C939A",
    "road_dark": "#6F767D",
    "wood": "#B7835A",
    "plum": "#8D6A9F",
    "rose": "#E89A8C",
}

FONT = "Quicksand"


def esc(s):
    return s.replace("&", "&amp;").replace("<", "&lt;").replace(">", "&gt;")


def text(x, y, s, size, fill, anchor="start", outline=0, weight="bold"):
    """Baked text in the game's font; outline draws an ink rim under it."""
    stroke = ""
    if outline:
        stroke = ' stroke="%s" stroke-width="%s" stroke-linejoin="round" paint-order="stroke"' % (
            PALETTE["ink"], outline)
    return ('<text x="%s" y="%s" font-family="%s" font-weight="%s" font-size="%s" fill="%s" '
            'text-anchor="%s"%s>%s</text>' % (x, y, FONT, weight, size, fill, anchor, stroke, esc(s)))


class Svg:
    """One picture. With margin (the default) everything is clipped to the
    part that the game shows: the file less its 1-pixel border."""

    def __init__(self, w, h, margin=True):
        self.w, self.h, self.margin = w, h, margin
        self._defs = []
        self._body = []

    def defs(self, s):
        self._defs.append(s)

    def add(self, s):
        self._body.append(s)

    def render(self):
        out = ['<svg xmlns="http://www.w3.org/2000/svg" width="%d" height="%d" '
               'viewBox="0 0 %d %d">' % (self.w, self.h, self.w, self.h)]
        defs = list(self._defs)
        if self.margin:
            defs.append('<clipPath id="shown"><rect x="1" y="1" width="%d" height="%d"/></clipPath>'
                        % (self.w - 2, self.h - 2))
        if defs:
            out.append("<defs>" + "".join(defs) + "</defs>")
        if self.margin:
            out.append('<g clip-path="url(#shown)">')
        out.extend(self._body)
        if self.margin:
            out.append("</g>")
        out.append("</svg>\n")
        return "\n".join(out)
