#!/usr/bin/env python3
"""Draws the application icon data/favpage.png: 32 x 32 pixels, 16 colours.

A link page (white sheet, folded corner, blue link lines) with a gold favorites star.
Plain Python: the PNG is written with zlib, as a 4-bit palette image.
With --ico, writes the Windows icon instead (src/ui/win32/favpage.ico): the scalable icon
packaging/icons/favpage.svg drawn by rsvg-convert (package librsvg2-bin) at every size the
shell and the window's frame ask for at 100 % to 200 %, each image stored as PNG.
Usage: scripts/make_icon.py [output.png]
       scripts/make_icon.py --ico [output.ico]
"""
import math
import struct
import subprocess
import sys
import tempfile
import zlib
from pathlib import Path

PALETTE = [
    (0, 0, 0, 0),          # 0 transparent
    (0, 0, 0, 255),        # 1 outline
    (255, 255, 255, 255),  # 2 sheet
    (200, 208, 224, 255),  # 3 folded corner
    (0, 0, 160, 255),      # 4 link lines
    (255, 204, 0, 255),    # 5 star
    (176, 120, 0, 255),    # 6 star edge
]
PALETTE += [(0, 0, 0, 255)] * (16 - len(PALETTE))
SIZE = 32


def star_points(cx, cy, outer, inner):
    points = []
    for i in range(10):
        radius = outer if i % 2 == 0 else inner
        angle = math.pi / 2 + i * math.pi / 5
        points.append((cx + radius * math.cos(angle), cy - radius * math.sin(angle)))
    return points


def inside(polygon, x, y):
    hit = False
    for (x1, y1), (x2, y2) in zip(polygon, polygon[1:] + polygon[:1]):
        if (y1 > y) != (y2 > y) and x < x1 + (y - y1) * (x2 - x1) / (y2 - y1):
            hit = not hit
    return hit


def draw():
    pixels = [[0] * SIZE for _ in range(SIZE)]
    left, top, right, bottom, fold = 3, 1, 24, 30, 6
    for y in range(top, bottom + 1):
        for x in range(left, right + 1):
            if x - (right - fold) > y - top:
                continue  # cut corner
            edge = x in (left, right) or y in (top, bottom) or x - (right - fold) == y - top
            pixels[y][x] = 1 if edge else 2
    for y in range(top + 1, top + fold):
        for x in range(right - fold + 1, right - fold + (y - top)):
            pixels[y][x] = 3
    for y in range(top + 10, bottom - 1, 3):
        for x in range(left + 3, right - 3):
            pixels[y][x] = 4
    star = star_points(21.5, 20.5, 10.5, 4.5)
    for y in range(SIZE):
        for x in range(SIZE):
            if inside(star, x + 0.5, y + 0.5):
                near_edge = any(not inside(star, x + 0.5 + dx, y + 0.5 + dy)
                                for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1)))
                pixels[y][x] = 6 if near_edge else 5
    return pixels


def chunk(kind, data):
    body = kind + data
    return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))


def png(pixels):
    rows = b""
    for row in pixels:
        packed = bytes((row[i] << 4) | row[i + 1] for i in range(0, SIZE, 2))
        rows += b"\x00" + packed
    return (b"\x89PNG\r\n\x1a\n"
            + chunk(b"IHDR", struct.pack(">IIBBBBB", SIZE, SIZE, 4, 3, 0, 0, 0))
            + chunk(b"PLTE", b"".join(bytes(c[:3]) for c in PALETTE))
            + chunk(b"tRNS", bytes(c[3] for c in PALETTE))
            + chunk(b"IDAT", zlib.compress(rows, 9))
            + chunk(b"IEND", b""))


ICO_SIZES = [16, 24, 32, 48, 64, 128, 256]


def ico(svg):
    """An ICO file of the SVG drawn at ICO_SIZES, each image a PNG."""
    images = []
    with tempfile.TemporaryDirectory() as work:
        for size in ICO_SIZES:
            drawn = Path(work) / f"{size}.png"
            subprocess.run(["rsvg-convert", "-w", str(size), "-h", str(size), "-o", str(drawn), str(svg)],
                           check=True)
            images.append((size, drawn.read_bytes()))
    header = struct.pack("<HHH", 0, 1, len(images))
    directory = b""
    offset = len(header) + 16 * len(images)
    for size, data in images:
        # Width and height 0 stand for 256; 32 bits per pixel.
        directory += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    return header + directory + b"".join(data for _, data in images)


if __name__ == "__main__":
    root = Path(__file__).parent.parent
    if len(sys.argv) > 1 and sys.argv[1] == "--ico":
        out = Path(sys.argv[2]) if len(sys.argv) > 2 else root / "src/ui/win32/favpage.ico"
        out.write_bytes(ico(root / "packaging/icons/favpage.svg"))
    else:
        out = Path(sys.argv[1]) if len(sys.argv) > 1 else root / "data/favpage.png"
        out.write_bytes(png(draw()))
