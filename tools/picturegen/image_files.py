"""Encoders for the three file formats the program's resources use: 32-bit BMP,
ICO (DIB entries with AND masks, and PNG entries) and PNG."""

import struct
import zlib

from .raster import Image

BI_RGB = 0
PELS_PER_METRE = 2835  # 72 dots per inch


def _bgra_rows_bottom_up(image):
    rows = []
    stride = image.width * 4
    for y in range(image.height - 1, -1, -1):
        row = bytearray(image.rgba[y * stride : (y + 1) * stride])
        row[0::4], row[2::4] = row[2::4], row[0::4]  # RGBA -> BGRA
        rows.append(bytes(row))
    return b"".join(rows)


def _info_header(width, height, image_size):
    return struct.pack(
        "<IiiHHIIiiII", 40, width, height, 1, 32, BI_RGB, image_size, PELS_PER_METRE, PELS_PER_METRE, 0, 0
    )


def bmp_bytes(image):
    """A 32-bit BI_RGB bottom-up BMP with straight alpha in the fourth byte."""
    pixels = _bgra_rows_bottom_up(image)
    offset = 14 + 40
    file_header = struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset)
    return file_header + _info_header(image.width, image.height, len(pixels)) + pixels


def _and_mask(image):
    """1 bit a pixel, bottom-up, rows padded to 32 bits; 1 marks a fully transparent pixel."""
    stride = (image.width + 31) // 32 * 4
    rows = []
    for y in range(image.height - 1, -1, -1):
        row = bytearray(stride)
        for x in range(image.width):
            if image.rgba[(y * image.width + x) * 4 + 3] == 0:
                row[x >> 3] |= 0x80 >> (x & 7)
        rows.append(bytes(row))
    return b"".join(rows)


def _ico_dib(image):
    xor = _bgra_rows_bottom_up(image)
    mask = _and_mask(image)
    # An icon's DIB counts the colour and mask rows together in its height.
    return _info_header(image.width, image.height * 2, len(xor) + len(mask)) + xor + mask


def ico_bytes(images, png_from=256):
    """An icon file holding the given square images; those at least png_from pixels
    wide are stored PNG-compressed."""
    entries = []
    blobs = []
    offset = 6 + 16 * len(images)
    for image in images:
        blob = png_bytes(image) if image.width >= png_from else _ico_dib(image)
        dim_w = image.width if image.width < 256 else 0
        dim_h = image.height if image.height < 256 else 0
        entries.append(struct.pack("<BBBBHHII", dim_w, dim_h, 0, 0, 1, 32, len(blob), offset))
        blobs.append(blob)
        offset += len(blob)
    return struct.pack("<HHH", 0, 1, len(images)) + b"".join(entries) + b"".join(blobs)


def _png_chunk(kind, data):
    crc = zlib.crc32(kind + data) & 0xFFFFFFFF
    return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", crc)


def png_bytes(image):
    """An 8-bit RGBA PNG (no filtering, zlib level 9: the same bytes on every run)."""
    stride = image.width * 4
    raw = bytearray()
    for y in range(image.height):
        raw.append(0)
        raw += image.rgba[y * stride : (y + 1) * stride]
    header = struct.pack(">IIBBBBB", image.width, image.height, 8, 6, 0, 0, 0)
    return (
        b"\x89PNG\r\n\x1a\n"
        + _png_chunk(b"IHDR", header)
        + _png_chunk(b"IDAT", zlib.compress(bytes(raw), 9))
        + _png_chunk(b"IEND", b"")
    )


def strip(images):
    """Places equally tall images side by side, left to right."""
    height = images[0].height
    width = sum(im.width for im in images)
    out = Image(width, height)
    x = 0
    for im in images:
        if im.height != height:
            raise ValueError("strip images differ in height")
        for y in range(height):
            src = im.rgba[y * im.width * 4 : (y + 1) * im.width * 4]
            dst = (y * width + x) * 4
            out.rgba[dst : dst + len(src)] = src
        x += im.width
    return out
