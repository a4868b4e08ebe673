"""The .ico form of the setup program's and the uninstaller's icons: one
image for each size Windows asks for at 100 % to 200 % (16, 20, 24, 32, 40
and 48 pixels) and 256 x 256 for Explorer's large views, so that the title
bar, the taskbar and Explorer get an exact size instead of a stretched one.
Each image has 32 bits (the standard 16 colours, and an alpha channel for
the transparency); the 256 x 256 one is PNG-compressed, as Vista and later
read it (Windows XP takes one of the others).

The pixels come from a function as in ico16.py: pixel(size, x, y) gives a
colour index and the transparency in top-down coordinates.

Used by setup/make_icons.py.
"""
import struct
import zlib

from ico16 import PALETTE

SIZES = (16, 20, 24, 32, 40, 48, 256)


def rows(pixel, size):
    """The top-down rows of (blue, green, red, alpha) pixels."""
    for y in range(size):
        row = bytearray()
        for x in range(size):
            index, transparent = pixel(size, x, y)
            row += bytes(PALETTE[index]) + (b'\x00' if transparent else b'\xff')
        yield bytes(row)


def bitmap(pixel, size):
    """A 32-bit icon image: its header, the colours bottom-up and the
    transparency mask that Windows XP draws with."""
    header = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    top_down = list(rows(pixel, size))
    mask_row = ((size + 31) // 32) * 4
    mask = b''
    for row in reversed(top_down):
        bits = bytearray(mask_row)
        for x in range(size):
            if row[4 * x + 3] == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bytes(bits)
    return header + b''.join(reversed(top_down)) + mask


def png(pixel, size):
    """The image as a PNG file of red, green, blue and alpha."""
    def chunk(kind, data):
        return struct.pack('>I', len(data)) + kind + data + struct.pack('>I', zlib.crc32(kind + data))

    scanlines = b''
    for row in rows(pixel, size):
        rgba = bytearray(row)
        rgba[0::4], rgba[2::4] = row[2::4], row[0::4]
        scanlines += b'\x00' + bytes(rgba)  # filter type 0: none
    return (b'\x89PNG\r\n\x1a\n' + chunk(b'IHDR', struct.pack('>IIBBBBB', size, size, 8, 6, 0, 0, 0)) +
            chunk(b'IDAT', zlib.compress(scanlines, 9)) + chunk(b'IEND', b''))


def write_icon(path, pixel):
    """Writes one image of each size that pixel(size, x, y) draws."""
    images = [(size, png(pixel, size) if size == 256 else bitmap(pixel, size)) for size in SIZES]
    offset = 6 + 16 * len(images)
    out = struct.pack('<HHH', 0, 1, len(images))
    for size, data in images:
        # A width and height of 0 stand for 256; 0 colours for more than 256.
        out += struct.pack('<BBBBHHII', size % 256, size % 256, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    out += b''.join(data for _, data in images)
    with open(path, 'wb') as f:
        f.write(out)
