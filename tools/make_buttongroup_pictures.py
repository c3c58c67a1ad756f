#!/usr/bin/env python3
"""Draws the button-group backgrounds src/resources/Image/PushButtonGroup/PBG<n>_<k>.png.

A picture is a row of n rounded segments on the dark panel; segment k (counted
from 1) is lit in the accent green, k = 0 or k > n lights none. Plain python3.
"""
import os
import struct
import zlib

PANEL = (22, 22, 22, 255)
OFF = (46, 46, 46, 255)
LIT = (67, 207, 124, 255)
SEG_W, SEG_H, GAP, PAD, RADIUS = 40, 24, 4, 3, 6

PICTURES = [(2, 0), (2, 1), (3, 0), (3, 1), (5, 0), (5, 2), (5, 3),
            (8, 1), (8, 5), (8, 8), (8, 10)]


def inside_rounded(x, y, w, h, r):
    cx = min(max(x, r), w - 1 - r)
    cy = min(max(y, r), h - 1 - r)
    return (x - cx) ** 2 + (y - cy) ** 2 <= r * r


def draw(n, k):
    width = PAD * 2 + n * SEG_W + (n - 1) * GAP
    height = PAD * 2 + SEG_H
    rows = []
    for y in range(height):
        row = bytearray([0])  # filter: none
        for x in range(width):
            colour = PANEL if inside_rounded(x, y, width, height, RADIUS + PAD) else (0, 0, 0, 0)
            sx, sy = x - PAD, y - PAD
            if 0 <= sy < SEG_H and sx >= 0:
                seg, off = divmod(sx, SEG_W + GAP)
                if seg < n and off < SEG_W and inside_rounded(off, sy, SEG_W, SEG_H, RADIUS):
                    colour = LIT if seg + 1 == k else OFF
            row.extend(colour)
        rows.append(bytes(row))
    return width, height, b"".join(rows)


def png(width, height, raw):
    def chunk(tag, data):
        body = tag + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)
    header = struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header)
            + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def main():
    root = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..")
    folder = os.path.join(root, "src", "resources", "Image", "PushButtonGroup")
    os.makedirs(folder, exist_ok=True)
    for n, k in PICTURES:
        with open(os.path.join(folder, "PBG%d_%d.png" % (n, k)), "wb") as f:
            f.write(png(*draw(n, k)))


if __name__ == "__main__":
    main()
