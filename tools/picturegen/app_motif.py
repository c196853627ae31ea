"""The program's own picture: a blue lens held over a page of text. Used for the
program icon at every size and for the About window. Small sizes drop the finer
detail so the page and the lens stay legible."""

import math

from . import palette as P
from .raster import (
    Arc,
    Box,
    Canvas,
    Circle,
    Diagonal,
    Grid,
    Line,
    Moved,
    Polygon,
    Ring,
    Vertical,
    rgb,
)

UNITS = 32

# Geometry in design units (the picture is UNITS wide).
PAGE = (3, 1, 23, 31)  # left, top, right, bottom
FOLD = 7  # size of the folded top right corner
LINE_LEFT = 6  # where the page's lines of text start
LENS_CENTRE = (20, 19)
LENS_RADIUS = 9
HANDLE_END = (29.6, 28.6)

GLASS_TOP = rgb("#bae6fd", 0.35)
GLASS_BOTTOM = rgb("#60a5fa", 0.45)
LENS_LIGHT = rgb("#3b82f6")
LENS_DARK = rgb("#1d4ed8")
LENS_EDGE = rgb("#1e3a8a")
HANDLE_LIGHT = rgb("#334155")
HANDLE_DARK = rgb("#0f172a")
# Words of text seen through the glass: rows and word spans, relative to its centre.
MAGNIFIED_TEXT = [
    (-3.3, [(-7.0, -1.2), (0.3, 7.0)]),
    (0.0, [(-7.0, 2.4), (3.9, 7.0)]),
    (3.3, [(-7.0, -2.6), (-1.1, 2.2)]),
]
SHADOW = rgb("#0f172a", 0.30)


class Detail:
    """What a given size can carry."""

    def __init__(self, size):
        self.small = size <= 24
        self.large = size >= 48
        self.edge = max(1.0, math.floor(size / 80.0 + 0.5))
        # Lens proportions in design units: thicker strokes where pixels are few.
        self.ring = 4.2 if self.small else 3.4
        self.handle = 5.6 if self.small else 5.0
        if size <= 16:
            self.lines = [(7, 9), (11, 13)]
        elif self.small:
            self.lines = [(7, 8.5), (10.5, 12), (14, 15.5)]
        else:
            self.lines = [(8, 9.4), (11.6, 13), (15.2, 16.6), (18.8, 20.2), (22.4, 23.8)]


def _sheet(g):
    X0, Y0, X1, Y1 = (g.snap(v) for v in PAGE)
    F = g.snap(FOLD)
    return Polygon([(X0, Y0), (X1 - F, Y0), (X1, Y0 + F), (X1, Y1), (X0, Y1)])


def _page(c, g, d):
    X0, Y0, X1, Y1 = (g.snap(v) for v in PAGE)
    F = g.snap(FOLD)
    sheet = _sheet(g)
    c.fill(sheet, P.PAPER.edge)
    c.fill(sheet.grow(-d.edge), Vertical(Y0, P.PAPER.light, Y1, P.PAPER.dark))
    ear = Polygon([(X1 - F, Y0), (X1 - F, Y0 + F), (X1, Y0 + F)])
    c.fill(ear, P.PAPER.edge)
    c.fill(ear.grow(-d.edge), Diagonal(X1 - F, Y0 + F, P.PAPER.dark, X1, Y0, P.PAPER.light))
    for y0, y1, right in _text_lines(d):
        c.fill(g.box(LINE_LEFT, y0, right, y1), P.TEXT_LINE)


def _text_lines(d):
    """(top, bottom, right end) of each line of text on the page, in design units."""
    out = []
    for i, (y0, y1) in enumerate(d.lines):
        right = 14 if i == 0 else 19 if i % 2 else 17
        if y0 < 8:  # beside the folded corner the line stops short
            right = min(right, 15)
        out.append((y0, y1, right))
    return out


def _lens(c, g, d):
    cx, cy = g(LENS_CENTRE[0]), g(LENS_CENTRE[1])
    outer = g(LENS_RADIUS)
    ring_w = g(d.ring)
    mid = outer - ring_w / 2.0
    glass = Circle(cx, cy, outer - ring_w + 0.5)

    # Handle first, so the ring covers its root.
    a = math.radians(45)
    hx0, hy0 = cx + math.cos(a) * (outer - g(1)), cy + math.sin(a) * (outer - g(1))
    hx1, hy1 = g(HANDLE_END[0]), g(HANDLE_END[1])
    handle = Line(hx0, hy0, hx1, hy1, g(d.handle))
    c.fill(handle, HANDLE_DARK)
    c.fill(handle.grow(-max(1.0, d.edge * 0.75)), Diagonal(hx0, hy1, HANDLE_LIGHT, hx1, hy0, HANDLE_DARK))

    # The glass hides the page below it and, where there is room, shows its text magnified.
    c.fill(glass, P.PAPER.light)
    if d.large:
        for row, words in MAGNIFIED_TEXT:
            for left, right in words:
                word = Box(cx + g(left), cy + g(row - 0.95), cx + g(right), cy + g(row + 0.95), g(0.3))
                c.fill(word & glass, P.TEXT_LINE)
    c.fill(glass, Vertical(cy - outer, GLASS_TOP, cy + outer, GLASS_BOTTOM))

    ring = Ring(cx, cy, mid, ring_w)
    c.fill(ring, LENS_EDGE)
    shade = Diagonal(cx - outer, cy - outer, LENS_LIGHT, cx + outer, cy + outer, LENS_DARK)
    c.fill(ring.grow(-d.edge), shade)
    if not d.small:
        shine = Arc(cx, cy, outer - ring_w - g(1.9), 200, 255, g(1.5))
        c.fill(shine, rgb("#ffffff", 0.85))


def _shadow(c, g):
    cx, cy = g(LENS_CENTRE[0]), g(LENS_CENTRE[1])
    lens = Circle(cx, cy, g(LENS_RADIUS)) | Line(cx, cy, g(HANDLE_END[0]), g(HANDLE_END[1]), g(5))
    c.fill(Moved(_sheet(g) | lens, 0, g(0.6)), SHADOW, soft=g(1.6))


def draw_motif(size):
    c = Canvas(size)
    g = Grid(size, UNITS)
    d = Detail(size)
    if d.large:
        _shadow(c, g)
    _page(c, g, d)
    _lens(c, g, d)
    return c.to_image()
