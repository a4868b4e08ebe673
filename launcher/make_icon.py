#!/usr/bin/env python3
"""Writes tessal.ico: the launcher's icon, a white "T" on a blue tile, as
two 16-colour images (32 x 32 and 16 x 16) in the .ico format.

    python3 make_icon.py tessal.ico
"""
import struct
import sys

# The standard 16-colour palette, as blue, green, red, reserved.
PALETTE = [
    (0, 0, 0), (0, 0, 128), (0, 128, 0), (0, 128, 128), (128, 0, 0), (128, 0, 128), (128, 128, 0),
    (192, 192, 192), (128, 128, 128), (0, 0, 255), (0, 255, 0), (0, 255, 255), (255, 0, 0),
    (255, 0, 255), (255, 255, 0), (255, 255, 255),
]
BLUE, WHITE, NAVY = 12, 15, 4  # indices (B, G, R order above: 12 is pure blue)


def pixel(size, x, y):
    """Colour index and transparency of one pixel, top-down coordinates."""
    margin = size // 16
    inside = margin <= x < size - margin and margin <= y < size - margin
    corner = (x in (margin, size - margin - 1)) and (y in (margin, size - margin - 1))
    if not inside or corner:
        return 0, True
    unit = size / 16
    bar = 3 * unit <= y < 5.5 * unit and 3 * unit <= x < 13 * unit
    stem = 5.5 * unit <= y < 13 * unit and 6.5 * unit <= x < 9.5 * unit
    if bar or stem:
        return WHITE, False
    edge = x in (margin, size - margin - 1) or y in (margin, size - margin - 1)
    return (NAVY if edge else BLUE), False


def image(size):
    header = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, 4, 0, 0, 0, 0, 16, 0)
    palette = b''.join(struct.pack('<BBBB', b, g, r, 0) for b, g, r in PALETTE)
    colour_row = ((size * 4 + 31) // 32) * 4
    mask_row = ((size + 31) // 32) * 4
    colours, mask = b'', b''
    for y in reversed(range(size)):  # bottom-up
        row = bytearray(colour_row)
        bits = bytearray(mask_row)
        for x in range(size):
            index, transparent = pixel(size, x, y)
            row[x // 2] |= index << (0 if x % 2 else 4)
            if transparent:
                bits[x // 8] |= 0x80 >> (x % 8)
        colours += bytes(row)
        mask += bytes(bits)
    return header + palette + colours + mask


def main(path):
    images = [(32, image(32)), (16, image(16))]
    offset = 6 + 16 * len(images)
    out = struct.pack('<HHH', 0, 1, len(images))
    for size, data in images:
        out += struct.pack('<BBBBHHII', size, size, 16, 0, 1, 4, len(data), offset)
        offset += len(data)
    out += b''.join(data for _, data in images)
    with open(path, 'wb') as f:
        f.write(out)


if __name__ == '__main__':
    main(sys.argv[1] if len(sys.argv) > 1 else 'tessal.ico')
