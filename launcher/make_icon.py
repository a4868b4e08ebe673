#!/usr/bin/env python3
"""Writes tessal.ico: the launcher's icon, a white "T" on a blue tile, as
two 16-colour images (32 x 32 and 16 x 16) in the .ico format.

    python3 make_icon.py tessal.ico
"""
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', 'scripts'))
from ico16 import write_icon  # noqa: E402

BLUE, WHITE, NAVY = 12, 15, 4  # indices into the standard palette (12 is pure blue)


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


if __name__ == '__main__':
    write_icon(sys.argv[1] if len(sys.argv) > 1 else 'tessal.ico', pixel)
