#!/usr/bin/env python3
"""Writes Setup.bmp, the picture the setup program tiles over its workspace.

A 320 x 240 tile, 24 bits per pixel, bottom-up: a deep blue ground with soft
waves that meet at the tile's edges, so that the tiles join without seams.
"""
import math
import struct
import sys

WIDTH, HEIGHT = 320, 240


def colour(x, y):
    # Periodic in both directions over one tile.
    u = 2 * math.pi * x / WIDTH
    v = 2 * math.pi * y / HEIGHT
    wave = 0.5 + 0.25 * math.sin(u + 2 * math.sin(v)) + 0.25 * math.sin(2 * v - u)
    glow = 0.5 + 0.5 * math.cos(u - v)
    red = 12 + 18 * wave
    green = 38 + 40 * wave + 10 * glow
    blue = 92 + 70 * wave + 20 * glow
    return int(blue), int(green), int(red)


def main(path):
    row_size = (WIDTH * 3 + 3) & ~3
    pixels = bytearray()
    for y in range(HEIGHT - 1, -1, -1):  # bottom-up
        row = bytearray()
        for x in range(WIDTH):
            row += bytes(colour(x, y))
        row += b"\0" * (row_size - len(row))
        pixels += row
    header = struct.pack("<2sIHHI", b"BM", 54 + len(pixels), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, WIDTH, HEIGHT, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
    with open(path, "wb") as out:
        out.write(header + info + pixels)


if __name__ == "__main__":
    main(sys.argv[1])
