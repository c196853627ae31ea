"""A contact sheet of every picture for people to look at: each shown at its own
size and enlarged (whole-pixel blocks), on a light background, plus one row on a
dark background to check that outlines hold on either."""

from .raster import Image

BACKGROUND = (0xF3, 0xF4, 0xF6)
TOOLBAR_FACE = (0xFF, 0xFF, 0xFF)
DARK_FACE = (0x20, 0x24, 0x2C)
MARGIN = 16
GAP = 8


def _blank(width, height, colour):
    img = Image(width, height)
    px = bytes(colour) + b"\xff"
    img.rgba[:] = px * (width * height)
    return img


def _fill_rect(dst, x, y, w, h, colour):
    px = bytes(colour) + b"\xff"
    for yy in range(y, y + h):
        i = (yy * dst.width + x) * 4
        dst.rgba[i : i + w * 4] = px * w


def _paste(dst, src, x, y, scale=1):
    """Blends src (straight alpha) over the opaque dst, each pixel as a scale × scale block."""
    for sy in range(src.height):
        for sx in range(src.width):
            i = (sy * src.width + sx) * 4
            a = src.rgba[i + 3]
            if a == 0:
                continue
            for dy in range(scale):
                row = (y + sy * scale + dy) * dst.width
                for dx in range(scale):
                    j = (row + x + sx * scale + dx) * 4
                    for k in range(3):
                        dst.rgba[j + k] = (src.rgba[i + k] * a + dst.rgba[j + k] * (255 - a) + 127) // 255


def build_sheet(toolbars, icons, abouts):
    """toolbars: {size: [11 images]}; icons and abouts: lists of images."""
    rows = []  # (height, [(x offset, image, scale, face colour or None)])

    def row_of(images, scale, face=None, pad=4):
        items, x = [], 0
        for im in images:
            items.append((x, im, scale, face, pad))
            x += im.width * scale + 2 * pad + GAP
        return items

    for size in sorted(toolbars):
        rows.append(row_of(toolbars[size], 1, TOOLBAR_FACE))
    for size in sorted(toolbars):
        scale = max(1, 64 // size)
        rows.append(row_of(toolbars[size], scale, TOOLBAR_FACE))
    for size in sorted(toolbars):
        rows.append(row_of(toolbars[size], 1, DARK_FACE))
    rows.append(row_of(icons, 1, None, 0))
    rows.append(row_of([im for im in icons if im.width <= 64], 4, TOOLBAR_FACE))
    rows.append(row_of([im for im in icons if im.width > 64] + abouts, 1, TOOLBAR_FACE))
    rows.append(row_of([im for im in icons if im.width <= 64], 1, DARK_FACE))

    def row_height(items):
        return max(im.height * scale + 2 * pad for _, im, scale, _, pad in items)

    def row_width(items):
        return max(x + im.width * scale + 2 * pad for x, im, scale, _, pad in items)

    width = max(row_width(r) for r in rows) + 2 * MARGIN
    height = sum(row_height(r) for r in rows) + GAP * (len(rows) - 1) + 2 * MARGIN
    sheet = _blank(width, height, BACKGROUND)
    y = MARGIN
    for items in rows:
        h = row_height(items)
        for x, im, scale, face, pad in items:
            w = im.width * scale + 2 * pad
            top = y + (h - im.height * scale - 2 * pad)  # align on the row's bottom
            if face is not None:
                _fill_rect(sheet, MARGIN + x, top, w, im.height * scale + 2 * pad, face)
            _paste(sheet, im, MARGIN + x + pad, top + pad, scale)
        y += h + GAP
    return sheet
