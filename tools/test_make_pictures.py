#!/usr/bin/env python3
"""Checks that the generated pictures are files Windows can load: the icon's
directory and entries, the BMP headers and pixel layout, the PNG chunks, and that
a second run writes the same bytes."""

import os
import struct
import subprocess
import sys
import tempfile
import unittest
import zlib

sys.dont_write_bytecode = True

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)

from make_pictures import make_pictures  # noqa: E402

ICON_SIZES = [16, 20, 24, 32, 40, 48, 64, 256]
TOOLBAR_COUNT = 11
ALL_FILES = [
    "chengwang.ico",
    "toolbar16.bmp",
    "toolbar24.bmp",
    "toolbar32.bmp",
    "about64.bmp",
    "about128.bmp",
    "preview.png",
]


def read_bmp(data):
    """Parses a 32-bit BI_RGB BMP file; returns (width, height, alpha(x, y)) with y
    counted from the top, following the format's bottom-up row order."""
    magic, file_size, _, _, offset = struct.unpack_from("<2sIHHI", data, 0)
    header = struct.unpack_from("<IiiHHIIiiII", data, 14)
    size, width, height, planes, bpp, compression, image_size = header[:7]
    assert magic == b"BM", magic
    assert file_size == len(data), (file_size, len(data))
    assert size == 40 and planes == 1 and bpp == 32 and compression == 0, header
    assert height > 0, "rows must be stored bottom-up"
    assert image_size == width * height * 4, (image_size, width, height)
    assert offset + image_size == len(data), (offset, image_size, len(data))

    def alpha(x, y):
        return data[offset + ((height - 1 - y) * width + x) * 4 + 3]

    return width, height, alpha


def png_chunks(data):
    assert data[:8] == b"\x89PNG\r\n\x1a\n", data[:8]
    chunks, pos = [], 8
    while pos < len(data):
        (length,) = struct.unpack_from(">I", data, pos)
        kind = data[pos + 4 : pos + 8]
        body = data[pos + 8 : pos + 8 + length]
        (crc,) = struct.unpack_from(">I", data, pos + 8 + length)
        assert crc == zlib.crc32(kind + body) & 0xFFFFFFFF, kind
        chunks.append((kind, body))
        pos += 12 + length
    assert pos == len(data)
    return chunks


def check_png(data):
    """Returns (width, height) of a valid 8-bit RGBA PNG."""
    chunks = png_chunks(data)
    kinds = [k for k, _ in chunks]
    assert kinds[0] == b"IHDR" and kinds[-1] == b"IEND" and b"IDAT" in kinds, kinds
    width, height, depth, colour, _, _, _ = struct.unpack(">IIBBBBB", chunks[0][1])
    assert (depth, colour) == (8, 6), (depth, colour)
    raw = zlib.decompress(b"".join(body for kind, body in chunks if kind == b"IDAT"))
    assert len(raw) == height * (1 + width * 4), (len(raw), width, height)
    return width, height


class GeneratedPictures(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.tmp = tempfile.TemporaryDirectory()
        cls.dir = cls.tmp.name
        make_pictures(cls.dir)

    @classmethod
    def tearDownClass(cls):
        cls.tmp.cleanup()

    def read(self, name):
        with open(os.path.join(self.dir, name), "rb") as f:
            return f.read()

    def test_icon_directory_lists_every_size_within_the_file(self):
        data = self.read("chengwang.ico")
        reserved, kind, count = struct.unpack_from("<HHH", data, 0)
        self.assertEqual((reserved, kind, count), (0, 1, len(ICON_SIZES)))
        sizes, spans = [], []
        for i in range(count):
            entry = struct.unpack_from("<BBBBHHII", data, 6 + 16 * i)
            w, h, colours, res, planes, bpp, length, offset = entry
            size = w or 256
            self.assertEqual((w, colours, res, planes, bpp), (h, 0, 0, 1, 32), "entry %d" % i)
            self.assertLessEqual(offset + length, len(data))
            self.assertGreaterEqual(offset, 6 + 16 * count)
            sizes.append(size)
            spans.append((offset, offset + length))
            with self.subTest(size=size):
                self.check_icon_image(data[offset : offset + length], size)
        self.assertEqual(sorted(sizes), ICON_SIZES)
        spans.sort()
        for (_, end), (start, _) in zip(spans, spans[1:]):
            self.assertLessEqual(end, start, "icon images overlap")

    def check_icon_image(self, blob, size):
        if blob[:8] == b"\x89PNG\r\n\x1a\n":
            self.assertEqual(check_png(blob), (size, size))
            return
        header = struct.unpack_from("<IiiHHIIiiII", blob, 0)
        self.assertEqual(header[:6], (40, size, 2 * size, 1, 32, 0))
        mask_stride = (size + 31) // 32 * 4
        xor_size = size * size * 4
        self.assertEqual(len(blob), 40 + xor_size + mask_stride * size)
        # The AND mask marks exactly the fully transparent pixels, and those carry
        # no colour, so the icon also shows right where the mask is used.
        for row in range(size):
            for x in range(size):
                px = blob[40 + (row * size + x) * 4 : 40 + (row * size + x) * 4 + 4]
                bit = blob[40 + xor_size + row * mask_stride + x // 8] >> (7 - x % 8) & 1
                self.assertEqual(bit, 1 if px[3] == 0 else 0, (x, row))
                if px[3] == 0:
                    self.assertEqual(px, b"\0\0\0\0", (x, row))

    def test_toolbar_strips_hold_eleven_square_images(self):
        for size in (16, 24, 32):
            with self.subTest(size=size):
                width, height, alpha = read_bmp(self.read("toolbar%d.bmp" % size))
                self.assertEqual((width, height), (TOOLBAR_COUNT * size, size))
                for tile in range(TOOLBAR_COUNT):
                    x0 = tile * size
                    opaque = sum(alpha(x0 + x, y) == 255 for x in range(size) for y in range(size))
                    self.assertGreater(opaque, size, "image %d is (nearly) empty" % tile)
                    self.assertEqual(alpha(x0, 0), 0, "image %d has no transparent corner" % tile)
                # The add image's plus sits at the lower right, the page's fold above it:
                # swapped, the rows were written top-down.
                add = 2 * size
                self.assertEqual(alpha(add + size * 14 // 16, size * 23 // 32), 255)
                self.assertEqual(alpha(add + size * 14 // 16, size * 9 // 32), 0)

    def test_about_pictures_are_upright_and_sized(self):
        for size in (64, 128):
            with self.subTest(size=size):
                width, height, alpha = read_bmp(self.read("about%d.bmp" % size))
                self.assertEqual((width, height), (size, size))
                # Folded page corner (top right) is see-through, the page below it is not.
                self.assertEqual(alpha(size * 22 // 32, size * 3 // 64), 0)
                self.assertEqual(alpha(size * 22 // 32, size * 60 // 64), 255)

    def test_preview_is_a_valid_png(self):
        width, height = check_png(self.read("preview.png"))
        self.assertGreater(width, TOOLBAR_COUNT * 32)
        self.assertGreater(height, 256)

    def test_second_run_writes_the_same_bytes(self):
        with tempfile.TemporaryDirectory() as other:
            subprocess.run([sys.executable, "-B", os.path.join(HERE, "make_pictures.py"), other], check=True)
            for name in ALL_FILES:
                with self.subTest(name=name), open(os.path.join(other, name), "rb") as f:
                    self.assertEqual(f.read(), self.read(name))
            self.assertEqual(sorted(os.listdir(other)), sorted(ALL_FILES), "stray files left behind")


if __name__ == "__main__":
    unittest.main()
