#!/usr/bin/env python3
"""Draws the PNG pictures of the dialogs and charts into src/resources/Icon.

Plain python3 (zlib + struct); shapes are supersampled for smooth edges.
Run from anywhere: python3 tools/make_dialog_pictures.py
"""
import math
import os
import struct
import zlib

ICON_DIR = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "src", "resources", "Icon")
SAMPLES = 4


def write_png(path, width, height, pixels):
    """pixels: rows of (r, g, b, a) tuples."""
    raw = b"".join(b"\x00" + b"".join(struct.pack("BBBB", *p) for p in row) for row in pixels)

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)

    png = b"\x89PNG\r\n\x1a\n"
    png += chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0))
    png += chunk(b"IDAT", zlib.compress(raw, 9))
    png += chunk(b"IEND", b"")
    with open(path, "wb") as f:
        f.write(png)


def render(width, height, shade):
    """shade(x, y) returns (r, g, b, a in 0..1) or None at a sample point."""
    rows = []
    for py in range(height):
        row = []
        for px in range(width):
            acc = [0.0, 0.0, 0.0, 0.0]
            for sy in range(SAMPLES):
                for sx in range(SAMPLES):
                    x = px + (sx + 0.5) / SAMPLES
                    y = py + (sy + 0.5) / SAMPLES
                    c = shade(x, y)
                    if c:
                        a = c[3]
                        acc[0] += c[0] * a
                        acc[1] += c[1] * a
                        acc[2] += c[2] * a
                        acc[3] += a
            n = SAMPLES * SAMPLES
            alpha = acc[3] / n
            if alpha > 0:
                row.append((round(acc[0] / acc[3]), round(acc[1] / acc[3]), round(acc[2] / acc[3]), round(alpha * 255)))
            else:
                row.append((0, 0, 0, 0))
        rows.append(row)
    return rows


def ring_dot(fill, ring, size=16):
    """A filled dot with a lighter ring: the operating point of the curve."""
    c = size / 2

    def shade(x, y):
        d = math.hypot(x - c, y - c)
        if d <= c - 2.2:
            return fill + (1.0,)
        if d <= c - 0.6:
            return ring + (1.0,)
        return None

    return render(size, size, shade)


def segment_distance(x, y, ax, ay, bx, by):
    dx, dy = bx - ax, by - ay
    t = max(0.0, min(1.0, ((x - ax) * dx + (y - ay) * dy) / (dx * dx + dy * dy)))
    return math.hypot(x - (ax + t * dx), y - (ay + t * dy))


def cross(colour, size=24, thickness=2.4, inset=6):
    a, b = inset, size - inset
    half = thickness / 2

    def shade(x, y):
        if min(segment_distance(x, y, a, a, b, b), segment_distance(x, y, b, a, a, b)) <= half:
            return colour + (1.0,)
        return None

    return render(size, size, shade)


def main():
    os.makedirs(ICON_DIR, exist_ok=True)
    pictures = {
        "CompressHandle.png": (16, 16, ring_dot((67, 207, 124), (222, 255, 236))),
        "CompressHandle1.png": (16, 16, ring_dot((217, 60, 52), (255, 214, 210))),
        "WidgetCloseBlack.png": (24, 24, cross((0, 0, 0))),
    }
    for name, (w, h, pixels) in pictures.items():
        write_png(os.path.join(ICON_DIR, name), w, h, pixels)
        print("wrote", name)


if __name__ == "__main__":
    main()
