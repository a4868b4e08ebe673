#!/usr/bin/env python3
"""Writes the icons of the setup program and of the uninstaller, in the same
form as the launcher's: two 16-colour images (32 x 32 and 16 x 16) per .ico.

Both show a yellow carton; the setup program's has a green arrow going into
it, the uninstaller's a red cross over it, so that the two are told apart on
the medium and in the install folder.

    python3 make_icons.py setup.ico ../uninstall/uninstall.ico
"""
import struct
import sys

# The standard 16-colour palette, as blue, green, red.
PALETTE = [
    (0, 0, 0), (0, 0, 128), (0, 128, 0), (0, 128, 128), (128, 0, 0), (128, 0, 128), (128, 128, 0),
    (192, 192, 192), (128, 128, 128), (0, 0, 255), (0, 255, 0), (0, 255, 255), (255, 0, 0),
    (255, 0, 255), (255, 255, 0), (255, 255, 255),
]
BLACK, OLIVE, YELLOW, GREEN, RED, DARK_GREEN, MAROON = 0, 3, 11, 10, 9, 2, 1
TRANSPARENT = None


def carton(u, x, y):
    """The carton: a box in the lower part with its flaps open; None outside."""
    left, right, top, bottom = 2 * u, 14 * u, 7 * u, 15 * u
    if left <= x < right and top <= y < bottom:
        edge = x < left + u / 2 or x >= right - u / 2 or y < top + u / 2 or y >= bottom - u / 2
        return OLIVE if edge else YELLOW
    # The open flaps, as two slanted strips above the box.
    if 5 * u <= y < top and (left <= x < left + 3 * u or right - 3 * u <= x < right):
        return OLIVE
    return TRANSPARENT


def arrow(u, x, y):
    """A green arrow pointing down into the carton."""
    if 6.5 * u <= x < 9.5 * u and 1 * u <= y < 6 * u:
        return GREEN
    head = 6 * u <= y < 10 * u and abs(x + 0.5 - 8 * u) < (10 * u - y)
    if head:
        return DARK_GREEN if y >= 10 * u - u / 2 else GREEN
    return TRANSPARENT


def cross(u, x, y):
    """A red cross over the carton's upper right."""
    cx, cy, half = 10.5 * u, 5 * u, 4.5 * u
    dx, dy = x + 0.5 - cx, y + 0.5 - cy
    if abs(dx) <= half and abs(dy) <= half and (abs(dx - dy) < 1.3 * u or abs(dx + dy) < 1.3 * u):
        return RED
    return TRANSPARENT


def pixel(mark, size, x, y):
    u = size / 16
    colour = mark(u, x, y)
    if colour is TRANSPARENT:
        colour = carton(u, x, y)
    return (0, True) if colour is TRANSPARENT else (colour, False)


def image(mark, size):
    header = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, 4, 0, 0, 0, 0, 16, 0)
    palette = b''.join(struct.pack('<BBBB', b, g, r, 0) for b, g, r in PALETTE)
    colour_row = ((size * 4 + 31) // 32) * 4
    mask_row = ((size + 31) // 32) * 4
    colours, mask = b'', b''
    for y in reversed(range(size)):  # bottom-up
        row = bytearray(colour_row)
        bits = bytearray(mask_row)
        for x in range(size):
            index, transparent = pixel(mark, size, x, y)
            row[x // 2] |= index << (0 if x % 2 else 4)
            if transparent:
                bits[x // 8] |= 0x80 >> (x % 8)
        colours += bytes(row)
        mask += bytes(bits)
    return header + palette + colours + mask


def write_icon(path, mark):
    images = [(32, image(mark, 32)), (16, image(mark, 16))]
    offset = 6 + 16 * len(images)
    out = struct.pack('<HHH', 0, 1, len(images))
    for size, data in images:
        out += struct.pack('<BBBBHHII', size, size, 16, 0, 1, 4, len(data), offset)
        offset += len(data)
    out += b''.join(data for _, data in images)
    with open(path, 'wb') as f:
        f.write(out)


if __name__ == '__main__':
    write_icon(sys.argv[1] if len(sys.argv) > 1 else 'setup.ico', arrow)
    write_icon(sys.argv[2] if len(sys.argv) > 2 else '../uninstall/uninstall.ico', cross)
