"""The eleven toolbar images, drawn on a 16-unit design grid and scaled to the
strip's size. Straight edges sit on whole pixels so the 16-pixel images stay crisp."""

import math

from . import palette as P
from .raster import (
    Arc,
    Canvas,
    Circle,
    Diagonal,
    Grid,
    Line,
    Polygon,
    RotatedBox,
    Vertical,
    union_all,
)

UNITS = 16


def _edge(size):
    """Outline width in pixels: one pixel up to 24, two from 32."""
    return float(max(1, size // 16))


def _outlined(c, shape, hue, e, shade=None):
    """Paints shape with hue's outline on its inside and a shaded fill within."""
    x0, y0, x1, y1 = shape.bbox
    c.fill(shape, hue.edge)
    c.fill(shape.grow(-e), shade or Vertical(y0, hue.light, y1, hue.dark))


def start(c, g, e):
    # A triangle with softly rounded corners, its flat side on a whole pixel.
    r = g(1.0)
    left = g.snap(4) + r
    tri = Polygon([(left, g(3) + r * 1.3), (left, g(13) - r * 1.3), (g(13.5) - r * 1.5, g(8))]).grow(r)
    _outlined(c, tri, P.GREEN, e)


def stop(c, g, e):
    _outlined(c, g.box(3, 3, 13, 13, 1.5), P.RED, e)


def _page(c, g, e, x0, y0, x1, y1, fold):
    """A sheet of paper with its top right corner folded over."""
    X0, Y0, X1, Y1, F = g.snap(x0), g.snap(y0), g.snap(x1), g.snap(y1), g.snap(fold)
    sheet = Polygon([(X0, Y0), (X1 - F, Y0), (X1, Y0 + F), (X1, Y1), (X0, Y1)])
    _outlined(c, sheet, P.PAPER, e)
    ear = Polygon([(X1 - F, Y0), (X1 - F, Y0 + F), (X1, Y0 + F)])
    _outlined(c, ear, P.PAPER, e, P.PAPER.dark)


def add(c, g, e):
    # A green plus over a page of text, parted from it by a thin gap.
    _page(c, g, e, 2, 1, 12, 15, 3)
    c.fill(g.box(4, 5, 9, 6), P.TEXT_LINE)
    c.fill(g.box(4, 8, 8, 9), P.TEXT_LINE)
    arm = g.box(8, 10, 15, 13) | g.box(10, 8, 13, 15)
    c.erase(arm.grow(e))
    _outlined(c, arm, P.GREEN, e)


class _Axis:
    """Coordinates along a slanted object: t runs from its start point towards its
    end, s across it."""

    def __init__(self, start, end):
        self.x0, self.y0 = start
        self.length = math.hypot(end[0] - start[0], end[1] - start[1])
        self.ux, self.uy = (end[0] - start[0]) / self.length, (end[1] - start[1]) / self.length
        self.angle = math.degrees(math.atan2(self.uy, self.ux))

    def at(self, t, s=0.0):
        return (self.x0 + self.ux * t - self.uy * s, self.y0 + self.uy * t + self.ux * s)

    def taper(self, t0, t1, h0, h1):
        """A quadrilateral from t0 (half width h0) to t1 (half width h1)."""
        return Polygon([self.at(t0, -h0), self.at(t1, -h1), self.at(t1, h1), self.at(t0, h0)])

    def band(self, t0, t1, half, r=0.0):
        cx, cy = self.at((t0 + t1) / 2.0)
        return RotatedBox(cx, cy, (t1 - t0) / 2.0, half, self.angle, r)

    def across(self, half, c0, c1):
        """A gradient across the object, from side -half to side +half."""
        x0, y0 = self.at(0.0, -half)
        x1, y1 = self.at(0.0, half)
        return Diagonal(x0, y0, c0, x1, y1, c1)


def edit(c, g, e):
    # A pencil lying from its point at the lower left to its eraser at the upper right.
    axis = _Axis((g(1.8), g(14.2)), (g(14.2), g(1.8)))
    half, cone, cap, end = g(2.35), g(4.2), g(3.2), axis.length
    ferrule_end = end - cap * 0.55
    silhouette = axis.taper(0.0, cone, 0.0, half) | axis.band(cone - 0.5, end, half, g(0.6))
    c.fill(silhouette, P.YELLOW.edge)
    inner = silhouette.grow(-e)
    c.fill(inner & axis.band(cone, end - cap, half), axis.across(half, P.YELLOW.light, P.YELLOW.dark))
    # The sharpened wood and, at its point, the lead.
    past = g(1.0)  # reach a little past the point so the cut covers it whole
    slope = half / cone
    c.fill(inner & axis.taper(-past, cone, 0.0, half + past * slope), P.WOOD)
    lead = cone * 0.42
    c.fill(silhouette & axis.taper(-past, lead, 0.0, (lead + past) * slope), P.INK)
    c.fill(inner & axis.band(end - cap, ferrule_end, half), axis.across(half, P.METAL.light, P.METAL.dark))
    c.fill(inner & axis.band(ferrule_end, end + past, half), P.ERASER)


def delete(c, g, e):
    w = g(3.6)
    cross = Line(g(4), g(4), g(12), g(12), w) | Line(g(12), g(4), g(4), g(12), w)
    _outlined(c, cross, P.RED, e)


def save(c, g, e):
    # A disk: body with a cut corner, metal shutter at the top, label at the bottom.
    x0, y0, x1, y1, cut = g.snap(2), g.snap(2), g.snap(14), g.snap(14), g.snap(2)
    r = g(0.7)
    outline = [(x0 + r, y0 + r), (x1 - cut, y0 + r), (x1 - r, y0 + cut), (x1 - r, y1 - r), (x0 + r, y1 - r)]
    _outlined(c, Polygon(outline).grow(r), P.BLUE, e)
    _outlined(c, g.box(5, 2, 11, 7), P.METAL, e)
    small = g.size < 24
    c.fill(g.box(8, 3, 10, 6) if small else g.box(8, 3.5, 9.75, 5.5), P.NAVY)
    _outlined(c, g.box(4, 9, 12, 14), P.PAPER, e)
    c.fill(g.box(5, 11, 11, 12) if small else g.box(5.5, 11, 10.5, 11.75), P.TEXT_LINE)


def clear(c, g, e):
    # A waste bin: lid with a handle, tapered body with two ribs.
    c.fill(g.box(6, 1, 10, 4, 0.8), P.STEEL.edge)
    c.erase(g.box(6, 1, 10, 4).grow(-e))
    top, bottom = g.snap(5), g.snap(15)
    body = Polygon([(g.snap(3.5), top), (g.snap(12.5), top), (g.snap(11.5), bottom), (g.snap(4.5), bottom)])
    _outlined(c, body, P.STEEL, e)
    for x in (6, 9):
        c.fill(g.box(x, 7, x + 1, 13), P.STEEL.edge)
    _outlined(c, g.box(2, 3, 14, 6, 0.6), P.STEEL, e)


def settings(c, g, e):
    # A gear of eight teeth around a hole.
    cx = cy = g(8)
    teeth = []
    for a in range(0, 360, 45):
        t = math.radians(a)
        tx, ty = cx + math.cos(t) * g(5.6), cy + math.sin(t) * g(5.6)
        teeth.append(RotatedBox(tx, ty, g(1.9), g(1.35), a, g(0.35)))
    gear = union_all([Circle(cx, cy, g(5.4))] + teeth) - Circle(cx, cy, g(2.1))
    _outlined(c, gear, P.STEEL, e)


def _disc(c, g, e):
    _outlined(c, Circle(g(8), g(8), g(7)), P.BLUE, e)


def online_help(c, g, e):
    _disc(c, g, e)
    w = g(2.1)
    hook = Arc(g(8), g(6.1), g(2.35), 190, 400, w)
    ex, ey = hook.p1
    mark = hook | Line(ex, ey, g(8), g(8.6), w) | Line(g(8), g(8.6), g(8), g(9.4), w)
    c.fill(mark, P.WHITE)
    c.fill(Circle(g(8), g(12.1), g(1.3)), P.WHITE)


def online_update(c, g, e):
    # Two arrows chasing each other round a circle, clockwise.
    cx = cy = g(8)
    r, w = g(5), g(2.2)
    head_half, head_length, overlap = g(2.9), g(3.2), g(0.2)
    parts = []
    for a0, a1 in ((205, 320), (25, 140)):
        parts.append(Arc(cx, cy, r, a0, a1, w))
        t = math.radians(a1)
        px, py = cx + r * math.cos(t), cy + r * math.sin(t)
        nx, ny = math.cos(t), math.sin(t)  # outwards
        tx, ty = -math.sin(t), math.cos(t)  # onwards
        bx, by = px - tx * overlap, py - ty * overlap
        head = [
            (bx + nx * head_half, by + ny * head_half),
            (bx - nx * head_half, by - ny * head_half),
            (px + tx * head_length, py + ty * head_length),
        ]
        parts.append(Polygon(head))
    arrows = union_all(parts)
    c.fill(arrows, P.GREEN.edge)
    c.fill(arrows.grow(-e * 0.75), Vertical(g(2), P.GREEN.light, g(14), P.GREEN.dark))


def about(c, g, e):
    _disc(c, g, e)
    c.fill(Circle(g(8), g(4.7), g(1.35)), P.WHITE)
    c.fill(g.box(7, 7, 9, 12.5, 0.3), P.WHITE)


# In the toolbar's order.
GLYPHS = [start, stop, add, edit, delete, save, clear, settings, online_help, online_update, about]


def draw_toolbar_image(index, size):
    c = Canvas(size)
    GLYPHS[index](c, Grid(size, UNITS), _edge(size))
    return c.to_image()


def toolbar_images(size):
    return [draw_toolbar_image(i, size) for i in range(len(GLYPHS))]
