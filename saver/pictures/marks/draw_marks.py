#!/usr/bin/env python3
"""Draws the settings dialog's two 12 x 12 option marks.

mark_off.bmp, the not-selected mark: a square with a grey bevelled frame,
sunken like a check box's (dark grey and black along the top and left,
light grey and white along the bottom and right) and a white inside.
mark_on.bmp, the selected mark: the same frame with a blue filled centre.

Both are 24-bit bitmap files, which the saver embeds as resources.
Run again after changing a colour: python3 draw_marks.py
"""

import os
import struct

SIZE = 12
WHITE = (255, 255, 255)
SHADOW = (128, 128, 128)
DARK = (64, 64, 64)
LIGHT = (212, 208, 200)
BLUE = (0, 64, 224)
BLUE_EDGE = (96, 140, 240)


def frame():
    pixels = [[WHITE] * SIZE for _ in range(SIZE)]
    last = SIZE - 1
    for i in range(SIZE):
        # Outer ring: shadow on the top and left, white on the bottom and right.
        pixels[0][i] = SHADOW
        pixels[i][0] = SHADOW
        pixels[last][i] = WHITE
        pixels[i][last] = WHITE
    for i in range(1, last):
        # Inner ring: dark on the top and left, light on the bottom and right.
        pixels[1][i] = DARK
        pixels[i][1] = DARK
        pixels[last - 1][i] = LIGHT
        pixels[i][last - 1] = LIGHT
    pixels[last - 1][1] = LIGHT
    pixels[1][last - 1] = LIGHT
    pixels[last][0] = WHITE
    pixels[0][last] = WHITE
    return pixels


def selected():
    pixels = frame()
    # A 6 x 6 blue centre with one pixel of white around it, corners softened.
    for y in range(3, 9):
        for x in range(3, 9):
            corner = x in (3, 8) and y in (3, 8)
            pixels[y][x] = BLUE_EDGE if corner else BLUE
    return pixels


def bitmap_file(pixels):
    row_size = SIZE * 3  # already a multiple of 4
    image_size = row_size * SIZE
    header = struct.pack('<2sIHHI', b'BM', 14 + 40 + image_size, 0, 0, 14 + 40)
    info = struct.pack('<IiiHHIIiiII', 40, SIZE, SIZE, 1, 24, 0, image_size, 3780, 3780, 0, 0)
    rows = bytearray()
    for y in reversed(range(SIZE)):  # bottom-up
        for r, g, b in pixels[y]:
            rows += bytes((b, g, r))
    return header + info + bytes(rows)


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    for name, pixels in (('mark_off.bmp', frame()), ('mark_on.bmp', selected())):
        with open(os.path.join(here, name), 'wb') as out:
            out.write(bitmap_file(pixels))


if __name__ == '__main__':
    main()
