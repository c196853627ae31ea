#!/usr/bin/env python3
"""Draws the program's built-in pictures into OUTDIR:

  chengwang.ico                  program icon, 16 to 256 pixels, 32-bit with alpha
  toolbar16/24/32.bmp            the toolbar's eleven images side by side, 32-bit BGRA
  about64.bmp, about128.bmp      the About window's picture
  preview.png                    everything enlarged on one sheet, for people to look at

The output is the same, byte for byte, on every run.
"""

import os
import sys

sys.dont_write_bytecode = True  # keep the source tree free of caches when run from the build

from picturegen.app_motif import draw_motif  # noqa: E402
from picturegen.contact_sheet import build_sheet  # noqa: E402
from picturegen.image_files import bmp_bytes, ico_bytes, png_bytes, strip  # noqa: E402
from picturegen.toolbar_glyphs import toolbar_images  # noqa: E402

ICON_SIZES = (16, 20, 24, 32, 40, 48, 64, 256)
TOOLBAR_SIZES = (16, 24, 32)
ABOUT_SIZES = (64, 128)


def _write(path, data):
    # Written beside the target and renamed, so a build never sees half a file; the
    # process id keeps two runs started at once from sharing a temporary file.
    tmp = "%s.%d.tmp" % (path, os.getpid())
    with open(tmp, "wb") as f:
        f.write(data)
    os.replace(tmp, path)


def make_pictures(outdir):
    os.makedirs(outdir, exist_ok=True)
    motifs = {size: draw_motif(size) for size in sorted(set(ICON_SIZES) | set(ABOUT_SIZES))}
    icons = [motifs[size] for size in ICON_SIZES]
    _write(os.path.join(outdir, "chengwang.ico"), ico_bytes(icons))

    toolbars = {}
    for size in TOOLBAR_SIZES:
        toolbars[size] = toolbar_images(size)
        _write(os.path.join(outdir, "toolbar%d.bmp" % size), bmp_bytes(strip(toolbars[size])))

    abouts = [motifs[size] for size in ABOUT_SIZES]
    for image in abouts:
        _write(os.path.join(outdir, "about%d.bmp" % image.width), bmp_bytes(image))

    _write(os.path.join(outdir, "preview.png"), png_bytes(build_sheet(toolbars, icons, abouts)))


def main(argv):
    if len(argv) != 2:
        sys.stderr.write("usage: make_pictures.py OUTDIR\n")
        return 2
    make_pictures(argv[1])
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
