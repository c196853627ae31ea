"""A small anti-aliased rasteriser built on signed distance fields.

Every shape reports its signed distance in pixels (negative inside) and a
bounding box. Painting turns the distance at each pixel centre into coverage
(a one-pixel box filter), so straight edges on whole pixels come out crisp and
curves come out smooth. Colours are straight-alpha (r, g, b, a) tuples of floats
in 0..1; the canvas keeps premultiplied values internally.
"""

import math


def clamp01(v):
    return 0.0 if v < 0.0 else 1.0 if v > 1.0 else v


def rgb(hex_text, alpha=1.0):
    """'#rrggbb' to an (r, g, b, a) tuple."""
    h = hex_text.lstrip("#")
    return (int(h[0:2], 16) / 255.0, int(h[2:4], 16) / 255.0, int(h[4:6], 16) / 255.0, alpha)


def mix(c0, c1, t):
    return tuple(a + (b - a) * t for a, b in zip(c0, c1))


class Vertical:
    """A vertical gradient from c0 at pixel row y0 to c1 at row y1."""

    def __init__(self, y0, c0, y1, c1):
        self.y0, self.c0, self.y1, self.c1 = y0, c0, y1, c1

    def __call__(self, x, y):
        span = self.y1 - self.y0
        t = clamp01((y - self.y0) / span) if span else 0.0
        return mix(self.c0, self.c1, t)


class Diagonal:
    """A gradient along the line from (x0, y0) to (x1, y1)."""

    def __init__(self, x0, y0, c0, x1, y1, c1):
        self.x0, self.y0, self.c0, self.c1 = x0, y0, c0, c1
        dx, dy = x1 - x0, y1 - y0
        length2 = dx * dx + dy * dy or 1.0
        self.ux, self.uy = dx / length2, dy / length2

    def __call__(self, x, y):
        t = clamp01((x - self.x0) * self.ux + (y - self.y0) * self.uy)
        return mix(self.c0, self.c1, t)


# --- shapes -------------------------------------------------------------------


class Shape:
    bbox = (0.0, 0.0, 0.0, 0.0)

    def d(self, x, y):
        raise NotImplementedError

    def __or__(self, other):
        return Union(self, other)

    def __and__(self, other):
        return Intersect(self, other)

    def __sub__(self, other):
        return Subtract(self, other)

    def grow(self, r):
        """The shape widened by r pixels (narrowed when r < 0)."""
        return Offset(self, r)


class Circle(Shape):
    def __init__(self, cx, cy, r):
        self.cx, self.cy, self.r = cx, cy, r
        self.bbox = (cx - r, cy - r, cx + r, cy + r)

    def d(self, x, y):
        return math.hypot(x - self.cx, y - self.cy) - self.r


class Ring(Shape):
    """A circle's outline: centre radius r, width w."""

    def __init__(self, cx, cy, r, w):
        self.cx, self.cy, self.r, self.hw = cx, cy, r, w / 2.0
        o = r + self.hw
        self.bbox = (cx - o, cy - o, cx + o, cy + o)

    def d(self, x, y):
        return abs(math.hypot(x - self.cx, y - self.cy) - self.r) - self.hw


class Box(Shape):
    """An axis-aligned rectangle from (x0, y0) to (x1, y1) with corner radius r."""

    def __init__(self, x0, y0, x1, y1, r=0.0):
        self.cx, self.cy = (x0 + x1) / 2.0, (y0 + y1) / 2.0
        self.hx, self.hy = (x1 - x0) / 2.0, (y1 - y0) / 2.0
        self.r = min(r, self.hx, self.hy)
        self.bbox = (x0, y0, x1, y1)

    def d(self, x, y):
        qx = abs(x - self.cx) - self.hx + self.r
        qy = abs(y - self.cy) - self.hy + self.r
        outside = math.hypot(max(qx, 0.0), max(qy, 0.0))
        return outside + min(max(qx, qy), 0.0) - self.r


class RotatedBox(Shape):
    """A rectangle of half sizes hx, hy centred at (cx, cy), turned by angle degrees."""

    def __init__(self, cx, cy, hx, hy, angle, r=0.0):
        self.cx, self.cy, self.hx, self.hy = cx, cy, hx, hy
        self.r = min(r, hx, hy)
        a = math.radians(angle)
        self.c, self.s = math.cos(a), math.sin(a)
        ex = abs(hx * self.c) + abs(hy * self.s)
        ey = abs(hx * self.s) + abs(hy * self.c)
        self.bbox = (cx - ex, cy - ey, cx + ex, cy + ey)

    def d(self, x, y):
        px, py = x - self.cx, y - self.cy
        lx = px * self.c + py * self.s
        ly = -px * self.s + py * self.c
        qx = abs(lx) - self.hx + self.r
        qy = abs(ly) - self.hy + self.r
        outside = math.hypot(max(qx, 0.0), max(qy, 0.0))
        return outside + min(max(qx, qy), 0.0) - self.r


class Line(Shape):
    """A stroke of width w from (x0, y0) to (x1, y1) with round caps."""

    def __init__(self, x0, y0, x1, y1, w):
        self.ax, self.ay = x0, y0
        self.ex, self.ey = x1 - x0, y1 - y0
        self.len2 = self.ex * self.ex + self.ey * self.ey or 1e-12
        self.hw = w / 2.0
        hw = self.hw
        self.bbox = (min(x0, x1) - hw, min(y0, y1) - hw, max(x0, x1) + hw, max(y0, y1) + hw)

    def d(self, x, y):
        wx, wy = x - self.ax, y - self.ay
        t = clamp01((wx * self.ex + wy * self.ey) / self.len2)
        return math.hypot(wx - self.ex * t, wy - self.ey * t) - self.hw


class Arc(Shape):
    """A stroke of width w along a circle from angle a0 to a1 (degrees, clockwise on
    screen, 0 pointing right), with round caps."""

    def __init__(self, cx, cy, r, a0, a1, w):
        self.cx, self.cy, self.r, self.hw = cx, cy, r, w / 2.0
        self.a0 = math.radians(a0)
        self.sweep = math.radians(a1 - a0)
        self.p0 = self.point(a0)
        self.p1 = self.point(a1)
        o = r + self.hw
        self.bbox = (cx - o, cy - o, cx + o, cy + o)

    def point(self, angle):
        a = math.radians(angle)
        return (self.cx + self.r * math.cos(a), self.cy + self.r * math.sin(a))

    def d(self, x, y):
        px, py = x - self.cx, y - self.cy
        t = (math.atan2(py, px) - self.a0) % (2.0 * math.pi)
        if t <= self.sweep:
            return abs(math.hypot(px, py) - self.r) - self.hw
        d0 = math.hypot(x - self.p0[0], y - self.p0[1])
        d1 = math.hypot(x - self.p1[0], y - self.p1[1])
        return min(d0, d1) - self.hw


class Polygon(Shape):
    """A closed polygon through the given (x, y) points."""

    def __init__(self, points):
        self.pts = [(float(x), float(y)) for x, y in points]
        xs = [p[0] for p in self.pts]
        ys = [p[1] for p in self.pts]
        self.bbox = (min(xs), min(ys), max(xs), max(ys))

    def d(self, x, y):
        pts = self.pts
        best = float("inf")
        inside = False
        n = len(pts)
        for i in range(n):
            ax, ay = pts[i]
            bx, by = pts[(i + 1) % n]
            ex, ey = bx - ax, by - ay
            wx, wy = x - ax, y - ay
            len2 = ex * ex + ey * ey
            t = clamp01((wx * ex + wy * ey) / len2) if len2 else 0.0
            dx, dy = wx - ex * t, wy - ey * t
            dist2 = dx * dx + dy * dy
            if dist2 < best:
                best = dist2
            if (ay > y) != (by > y) and x < ax + (y - ay) * ex / ey:
                inside = not inside
        dist = math.sqrt(best)
        return -dist if inside else dist


class Union(Shape):
    def __init__(self, a, b):
        self.a, self.b = a, b
        self.bbox = (
            min(a.bbox[0], b.bbox[0]),
            min(a.bbox[1], b.bbox[1]),
            max(a.bbox[2], b.bbox[2]),
            max(a.bbox[3], b.bbox[3]),
        )

    def d(self, x, y):
        return min(self.a.d(x, y), self.b.d(x, y))


class Intersect(Shape):
    def __init__(self, a, b):
        self.a, self.b = a, b
        self.bbox = (
            max(a.bbox[0], b.bbox[0]),
            max(a.bbox[1], b.bbox[1]),
            min(a.bbox[2], b.bbox[2]),
            min(a.bbox[3], b.bbox[3]),
        )

    def d(self, x, y):
        return max(self.a.d(x, y), self.b.d(x, y))


class Subtract(Shape):
    def __init__(self, a, b):
        self.a, self.b = a, b
        self.bbox = a.bbox

    def d(self, x, y):
        return max(self.a.d(x, y), -self.b.d(x, y))


class Offset(Shape):
    def __init__(self, shape, r):
        self.shape, self.r = shape, r
        b = shape.bbox
        self.bbox = (b[0] - r, b[1] - r, b[2] + r, b[3] + r)

    def d(self, x, y):
        return self.shape.d(x, y) - self.r


class Moved(Shape):
    def __init__(self, shape, dx, dy):
        self.shape, self.dx, self.dy = shape, dx, dy
        b = shape.bbox
        self.bbox = (b[0] + dx, b[1] + dy, b[2] + dx, b[3] + dy)

    def d(self, x, y):
        return self.shape.d(x - self.dx, y - self.dy)


def union_all(shapes):
    result = shapes[0]
    for s in shapes[1:]:
        result = result | s
    return result


# --- canvas -------------------------------------------------------------------


class Image:
    """8-bit straight-alpha RGBA pixels, rows top to bottom."""

    def __init__(self, width, height, rgba=None):
        self.width, self.height = width, height
        self.rgba = bytearray(rgba) if rgba is not None else bytearray(width * height * 4)

    def pixel(self, x, y):
        i = (y * self.width + x) * 4
        return tuple(self.rgba[i : i + 4])


class Canvas:
    def __init__(self, width, height=None):
        self.width = width
        self.height = width if height is None else height
        n = self.width * self.height
        # Premultiplied channels.
        self.r = [0.0] * n
        self.g = [0.0] * n
        self.b = [0.0] * n
        self.a = [0.0] * n

    def _span(self, shape, pad):
        x0, y0, x1, y1 = shape.bbox
        ix0 = max(0, int(math.floor(x0 - pad)))
        iy0 = max(0, int(math.floor(y0 - pad)))
        ix1 = min(self.width, int(math.ceil(x1 + pad)))
        iy1 = min(self.height, int(math.ceil(y1 + pad)))
        return ix0, iy0, ix1, iy1

    def fill(self, shape, color, opacity=1.0, soft=1.0):
        """Paints shape over the canvas. color is a tuple or a gradient called with
        pixel centres; soft widens the edge (for shadows)."""
        ix0, iy0, ix1, iy1 = self._span(shape, 1.0 + soft)
        solid = not callable(color)
        w = self.width
        R, G, B, A = self.r, self.g, self.b, self.a
        for iy in range(iy0, iy1):
            y = iy + 0.5
            for ix in range(ix0, ix1):
                x = ix + 0.5
                cover = 0.5 - shape.d(x, y) / soft
                if cover <= 0.0:
                    continue
                if cover > 1.0:
                    cover = 1.0
                cr, cg, cb, ca = color if solid else color(x, y)
                sa = cover * opacity * ca
                if sa <= 0.0:
                    continue
                k = 1.0 - sa
                i = iy * w + ix
                R[i] = cr * sa + R[i] * k
                G[i] = cg * sa + G[i] * k
                B[i] = cb * sa + B[i] * k
                A[i] = sa + A[i] * k

    def erase(self, shape, amount=1.0):
        """Makes what lies under shape transparent (to part a badge from what it covers)."""
        ix0, iy0, ix1, iy1 = self._span(shape, 1.0)
        w = self.width
        for iy in range(iy0, iy1):
            y = iy + 0.5
            for ix in range(ix0, ix1):
                cover = clamp01(0.5 - shape.d(ix + 0.5, y)) * amount
                if cover <= 0.0:
                    continue
                k = 1.0 - cover
                i = iy * w + ix
                self.r[i] *= k
                self.g[i] *= k
                self.b[i] *= k
                self.a[i] *= k

    def to_image(self):
        out = bytearray(self.width * self.height * 4)
        for i in range(self.width * self.height):
            a8 = int(self.a[i] * 255.0 + 0.5)
            if a8 <= 0:
                continue  # fully transparent pixels stay black, as the ICO mask expects
            a = self.a[i]
            j = i * 4
            out[j] = min(255, int(self.r[i] / a * 255.0 + 0.5))
            out[j + 1] = min(255, int(self.g[i] / a * 255.0 + 0.5))
            out[j + 2] = min(255, int(self.b[i] / a * 255.0 + 0.5))
            out[j + 3] = min(255, a8)
        return Image(self.width, self.height, out)


class Grid:
    """Maps a glyph's design units (a square of `units` units) to the pixels of a
    picture `size` pixels wide."""

    def __init__(self, size, units):
        self.size = size
        self.s = size / float(units)

    def __call__(self, v):
        return v * self.s

    def snap(self, v):
        """A design coordinate on the nearest whole pixel, for straight edges."""
        return float(math.floor(v * self.s + 0.5))

    def width(self, v, minimum=1.0):
        """A stroke width in whole pixels."""
        return max(minimum, float(math.floor(v * self.s + 0.5)))

    def box(self, x0, y0, x1, y1, r=0.0):
        return Box(self.snap(x0), self.snap(y0), self.snap(x1), self.snap(y1), self(r))
