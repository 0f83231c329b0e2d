#!/usr/bin/env python3
"""Makes kelvane.ico from the PNG icons in packaging/icons (16 to 256 pixels): each
size is stored as its PNG, which Windows Vista and later read in an .ico file.
Run it again after the PNGs change:  packaging/windows/make-icon.py"""
import pathlib
import struct

here = pathlib.Path(__file__).resolve().parent
sizes = [16, 24, 32, 48, 64, 128, 256]
images = [(here.parent / "icons" / f"kelvane-{size}.png").read_bytes() for size in sizes]
header = struct.pack("<HHH", 0, 1, len(sizes))  # reserved, type 1 = icon, count
offset = len(header) + 16 * len(sizes)
entries = b""
for size, image in zip(sizes, images):
    # Width and height 0 mean 256; no palette; one plane; 32 bits a pixel.
    entries += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, 32, len(image), offset)
    offset += len(image)
(here / "kelvane.ico").write_bytes(header + entries + b"".join(images))
