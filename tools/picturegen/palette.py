"""The colours every picture shares: for each hue a light top, a darker bottom and
an outline, so that all glyphs carry the same flat, lightly shaded look."""

from .raster import rgb


class Hue:
    def __init__(self, light, dark, edge):
        self.light, self.dark, self.edge = rgb(light), rgb(dark), rgb(edge)


GREEN = Hue("#4ade80", "#16a34a", "#166534")
RED = Hue("#f87171", "#dc2626", "#991b1b")
BLUE = Hue("#60a5fa", "#2563eb", "#1e40af")
STEEL = Hue("#cbd5e1", "#7c8ca3", "#3f4b5e")
PAPER = Hue("#ffffff", "#e6ecf3", "#5b6b80")
YELLOW = Hue("#fde047", "#f59e0b", "#92400e")
METAL = Hue("#f1f5f9", "#b6c2d1", "#3f4b5e")

WHITE = rgb("#ffffff")
INK = rgb("#1e293b")
TEXT_LINE = rgb("#94a3b8")
WOOD = rgb("#f5d7a8")
ERASER = rgb("#f9a8d4")
NAVY = rgb("#1e3a8a")
