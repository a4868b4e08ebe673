#!/usr/bin/env python3
"""Writes splash.bmp: the launcher's splash picture, 400 x 130 pixels, 8 bits
per pixel with a 256-entry colour table, uncompressed, bottom-up. The word
"Tessal" in large pixel letters over a blue-to-teal gradient, with the line
"XML EDITOR" beneath it and a thin light rule.

    python3 make_splash.py splash.bmp
"""
import struct
import sys

WIDTH, HEIGHT = 400, 130
# The dialog frame covers about 6 pixels at the right and bottom of the
# picture, so nothing that matters is drawn there.
SAFE_RIGHT, SAFE_BOTTOM = WIDTH - 8, HEIGHT - 8

# 5 x 7 glyphs, one string a row, "#" for a set pixel.
GLYPHS = {
    'T': ["#####", "..#..", "..#..", "..#..", "..#..", "..#..", "..#.."],
    'e': [".....", ".....", ".###.", "#...#", "#####", "#....", ".###."],
    's': [".....", ".....", ".####", "#....", ".###.", "....#", "####."],
    'a': [".....", ".....", ".###.", "....#", ".####", "#...#", ".####"],
    'l': [".##..", "..#..", "..#..", "..#..", "..#..", "..#..", ".###."],
    'X': ["#...#", "#...#", ".#.#.", "..#..", ".#.#.", "#...#", "#...#"],
    'M': ["#...#", "##.##", "#.#.#", "#.#.#", "#...#", "#...#", "#...#"],
    'L': ["#....", "#....", "#....", "#....", "#....", "#....", "#####"],
    'E': ["#####", "#....", "#....", "####.", "#....", "#....", "#####"],
    'D': ["####.", "#...#", "#...#", "#...#", "#...#", "#...#", "####."],
    'I': [".###.", "..#..", "..#..", "..#..", "..#..", "..#..", ".###."],
    'O': [".###.", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."],
    'R': ["####.", "#...#", "#...#", "####.", "#.#..", "#..#.", "#...#"],
    ' ': ["....."] * 7,
}

# Colour table: 0-127 the background gradient, then the fixed colours.
GRADIENT = 128
WHITE, SHADOW, RULE, ACCENT = 128, 129, 130, 131


def palette():
    colours = []
    for i in range(GRADIENT):  # deep blue to teal
        t = i / (GRADIENT - 1)
        colours.append((int(20 + 10 * t), int(40 + 110 * t), int(110 + 60 * t)))
    colours += [(255, 255, 255), (10, 25, 60), (190, 225, 235), (255, 200, 80)]
    colours += [(0, 0, 0)] * (256 - len(colours))
    return b''.join(struct.pack('<BBBB', b, g, r, 0) for r, g, b in colours)


def draw_text(canvas, text, left, top, scale, colour):
    x = left
    for char in text:
        for row, line in enumerate(GLYPHS[char]):
            for column, cell in enumerate(line):
                if cell == '#':
                    for dy in range(scale):
                        for dx in range(scale):
                            canvas[top + row * scale + dy][x + column * scale + dx] = colour
        x += 6 * scale  # five columns and one of space


def text_width(text, scale):
    return (6 * len(text) - 1) * scale


def picture():
    """Rows of colour indices, top row first."""
    canvas = []
    for y in range(HEIGHT):
        row = []
        for x in range(WIDTH):
            # A diagonal gradient, lighter towards the lower right.
            row.append(min(GRADIENT - 1, (x * 90 // WIDTH) + (y * 37 // HEIGHT)))
        canvas.append(row)

    title, title_scale = "Tessal", 8
    left = (SAFE_RIGHT - text_width(title, title_scale)) // 2
    draw_text(canvas, title, left + 3, 17, title_scale, SHADOW)
    draw_text(canvas, title, left, 14, title_scale, WHITE)

    rule_top = 14 + 7 * title_scale + 8
    for x in range(left, left + text_width(title, title_scale)):
        canvas[rule_top][x] = RULE
    for x in range(left, left + 24):  # a short accent at the start of the rule
        canvas[rule_top][x] = ACCENT
        canvas[rule_top + 1][x] = ACCENT

    subtitle, sub_scale = "XML EDITOR", 2
    sub_left = left + text_width(title, title_scale) - text_width(subtitle, sub_scale)
    sub_top = rule_top + 8
    assert sub_top + 7 * sub_scale <= SAFE_BOTTOM
    draw_text(canvas, subtitle, sub_left, sub_top, sub_scale, RULE)
    return canvas


def bitmap():
    pixels = b''.join(bytes(row) for row in reversed(picture()))  # bottom-up; 400 bytes a row need no padding
    colour_table = palette()
    # Two bytes of padding follow the pixels, as painting programs commonly
    # write them; with them the picture is 53,066 bytes as a resource.
    trailer = b'\0\0'
    info = struct.pack('<IiiHHIIiiII', 40, WIDTH, HEIGHT, 1, 8, 0, len(pixels), 2835, 2835, 256, 0)
    offset = 14 + len(info) + len(colour_table)
    size = offset + len(pixels) + len(trailer)
    header = struct.pack('<2sIHHI', b'BM', size, 0, 0, offset)
    return header + info + colour_table + pixels + trailer


def main(path):
    with open(path, 'wb') as f:
        f.write(bitmap())


if __name__ == '__main__':
    main(sys.argv[1] if len(sys.argv) > 1 else 'splash.bmp')
