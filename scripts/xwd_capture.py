#!/usr/bin/env python3
"""Watches a virtual X server's frame buffer (Xvfb -fbdir, XWD format) for a window.

Waits until the rectangle LEFT,TOP,WIDTH,HEIGHT is painted (its centre pixel differs
from the empty screen's), prints the seconds since START, waits SETTLE seconds more and
saves the rectangle as a PNG. Plain Python: the PNG is written with zlib.
With --window it saves a shown window as a user sees it, with the window manager's frame
(xwininfo and xprop, from x11-utils, measure it).
Usage: xwd_capture.py FRAMEBUFFER LEFT,TOP,WIDTH,HEIGHT START SETTLE OUT.png
       xwd_capture.py --window WINDOW_ID FRAMEBUFFER OUT.png
"""
import re
import struct
import subprocess
import sys
import time
import zlib


def read_screen(path):
    data = open(path, "rb").read()
    fields = struct.unpack(">25I", data[:100])
    header_size, width, height = fields[0], fields[4], fields[5]
    byte_order, bits_per_pixel, bytes_per_line, ncolors = fields[7], fields[11], fields[12], fields[19]
    if bits_per_pixel != 32 or byte_order != 0:
        sys.exit("expected a 24-bit screen in 32-bit LSB-first pixels")
    return data[header_size + ncolors * 12:], width, height, bytes_per_line


def pixel(screen, x, y):
    pixels, _, _, stride = screen
    b, g, r = pixels[y * stride + x * 4: y * stride + x * 4 + 3]
    return r, g, b


def save_png(screen, left, top, width, height, out):
    """Saves the rectangle as a PNG: with a palette when it has 256 colours or fewer, as a
    window's flat colours and its fonts' few shades usually have, which keeps it small."""
    lines = [[bytes(pixel(screen, left + x, top + y)) for x in range(width)] for y in range(height)]
    colours = sorted({colour for line in lines for colour in line})
    def chunk(kind, body):
        return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", zlib.crc32(kind + body))
    if len(colours) <= 256:
        index = {colour: i for i, colour in enumerate(colours)}
        rows = b"".join(b"\x00" + bytes(index[colour] for colour in line) for line in lines)
        header = chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 3, 0, 0, 0)) + \
            chunk(b"PLTE", b"".join(colours))
    else:
        rows = b"".join(b"\x00" + b"".join(line) for line in lines)
        header = chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0))
    with open(out, "wb") as f:
        f.write(b"\x89PNG\r\n\x1a\n" + header + chunk(b"IDAT", zlib.compress(rows, 9)) + chunk(b"IEND", b""))


def framed_rect(window):
    """The window's rectangle on the screen widened by the frame extents that the window
    manager announces (none without one)."""
    info = subprocess.run(["xwininfo", "-id", window], capture_output=True, text=True,
                          check=True).stdout
    def value(label):
        return int(re.search(label + r":\s*(-?\d+)", info).group(1))
    x, y = value("Absolute upper-left X"), value("Absolute upper-left Y")
    width, height = value("Width"), value("Height")
    extents = subprocess.run(["xprop", "-id", window, "_NET_FRAME_EXTENTS"],
                             capture_output=True, text=True).stdout
    found = re.search(r"=\s*(\d+),\s*(\d+),\s*(\d+),\s*(\d+)", extents)
    left, right, top, bottom = (int(v) for v in found.groups()) if found else (0, 0, 0, 0)
    return x - left, y - top, width + left + right, height + top + bottom


def main():
    if sys.argv[1] == "--window":
        window, path, out = sys.argv[2:5]
        save_png(read_screen(path), *framed_rect(window), out)
        return
    path, rect, start, settle, out = sys.argv[1:6]
    left, top, width, height = (int(v) for v in rect.split(","))
    cx, cy = left + width // 2, top + height // 2
    empty = pixel(read_screen(path), cx, cy)
    deadline = time.time() + 60
    while pixel(read_screen(path), cx, cy) == empty:
        if time.time() > deadline:
            sys.exit("the window did not appear within 60 seconds")
        time.sleep(0.01)
    print("first window shown after %.2f s" % (time.time() - float(start)))
    time.sleep(float(settle))
    save_png(read_screen(path), left, top, width, height, out)


if __name__ == "__main__":
    main()
