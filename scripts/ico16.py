"""The .ico form of the programs' icons: two 16-colour images (32 x 32 and
16 x 16) with the standard palette, drawn by a function that gives each
pixel's colour index and transparency in top-down coordinates.

Used by launcher/make_icon.py; its palette also by ico_scaled.py.
"""
import struct

# The standard 16-colour palette, as blue, green, red.
PALETTE = [
    (0, 0, 0), (0, 0, 128), (0, 128, 0), (0, 128, 128), (128, 0, 0), (128, 0, 128), (128, 128, 0),
    (192, 192, 192), (128, 128, 128), (0, 0, 255), (0, 255, 0), (0, 255, 255), (255, 0, 0),
    (255, 0, 255), (255, 255, 0), (255, 255, 255),
]


def image(pixel, size):
    """One image: its bitmap header, the palette, the 4-bit colours and the
    transparency mask, both bottom-up."""
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


def write_icon(path, pixel):
    """Writes the 32 x 32 and the 16 x 16 image that pixel(size, x, y) draws."""
    images = [(32, image(pixel, 32)), (16, image(pixel, 16))]
    offset = 6 + 16 * len(images)
    out = struct.pack('<HHH', 0, 1, len(images))
    for size, data in images:
        out += struct.pack('<BBBBHHII', size, size, 16, 0, 1, 4, len(data), offset)
        offset += len(data)
    out += b''.join(data for _, data in images)
    with open(path, 'wb') as f:
        f.write(out)
