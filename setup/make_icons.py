#!/usr/bin/env python3
"""Writes the icons of the setup program and of the uninstaller: one image
for each size Windows asks for from 100 % to 200 % and 256 x 256 for
Explorer (ico_scaled.py), drawn in the standard 16 colours.

Both show a yellow carton; the setup program's has a green arrow going into
it, the uninstaller's a red cross over it, so that the two are told apart on
the medium and in the install folder.

    python3 make_icons.py setup.ico ../uninstall/uninstall.ico
"""
import functools
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', 'scripts'))
from ico_scaled import write_icon  # noqa: E402

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


if __name__ == '__main__':
    write_icon(sys.argv[1] if len(sys.argv) > 1 else 'setup.ico', functools.partial(pixel, arrow))
    write_icon(sys.argv[2] if len(sys.argv) > 2 else '../uninstall/uninstall.ico', functools.partial(pixel, cross))
