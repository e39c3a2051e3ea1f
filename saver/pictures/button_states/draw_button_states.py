#!/usr/bin/env python3
"""Draws the six 64 x 25 state pictures of the gradient button.

Writes each as a 24-bit bitmap file beside this script and all six as byte
arrays into button_state_pictures.cpp, which the program embeds. Only the
outer ring of 4 pixels of each picture reaches the screen: the outermost
pixel carries the dialog's colour, then comes a one-pixel border rounded
within the 4-pixel corners, then the rim and the face.

Run again after changing a colour: python3 draw_button_states.py
"""

import os
import struct

WIDTH, HEIGHT = 64, 25
SURROUNDINGS = (236, 233, 216)
DARK_BLUE = (0, 60, 116)


def blend(a, b):
    return tuple((x + y + 1) // 2 for x, y in zip(a, b))


class Picture:
    def __init__(self):
        self.pixels = [[SURROUNDINGS] * WIDTH for _ in range(HEIGHT)]

    def set(self, x, y, colour):
        self.pixels[y][x] = colour

    def border(self, inset, colour):
        """A one-pixel rounded rectangle `inset` pixels in from the edge.
        Returns the test for a pixel inside it."""
        left, top = inset, inset
        right, bottom = WIDTH - 1 - inset, HEIGHT - 1 - inset
        for x in range(left + 2, right - 1):
            self.set(x, top, colour)
            self.set(x, bottom, colour)
        for y in range(top + 2, bottom - 1):
            self.set(left, y, colour)
            self.set(right, y, colour)
        corners = [(left, top, 1, 1), (right, top, -1, 1), (left, bottom, 1, -1),
                   (right, bottom, -1, -1)]
        for cx, cy, dx, dy in corners:
            self.set(cx + dx, cy + dy, colour)
            # The two pixels beside the cut corner are half border, half dialog.
            self.set(cx + dx, cy, blend(colour, SURROUNDINGS))
            self.set(cx, cy + dy, blend(colour, SURROUNDINGS))
        diagonals = {(cx + dx, cy + dy) for cx, cy, dx, dy in corners}

        def inside(x, y):
            return left < x < right and top < y < bottom and (x, y) not in diagonals

        return inside

    def fill(self, inside, colour_at):
        for y in range(HEIGHT):
            for x in range(WIDTH):
                if inside(x, y):
                    colour = colour_at(x, y)
                    if colour is not None:
                        self.set(x, y, colour)

    def bitmap_file(self):
        row_size = WIDTH * 3  # already a multiple of 4
        image_size = row_size * HEIGHT
        header = struct.pack('<2sIHHI', b'BM', 14 + 40 + image_size, 0, 0, 14 + 40)
        info = struct.pack('<IiiHHIIiiII', 40, WIDTH, HEIGHT, 1, 24, 0, image_size, 3780, 3780,
                           0, 0)
        rows = bytearray()
        for y in reversed(range(HEIGHT)):  # bottom-up
            for r, g, b in self.pixels[y]:
                rows += bytes((b, g, r))
        return header + info + bytes(rows)


def light_face(x, y):
    """The face of Normal: light, slightly darker along the bottom and right."""
    if y == HEIGHT - 3:
        return (229, 228, 219)
    if y == HEIGHT - 4:
        return (237, 236, 229)
    if x == WIDTH - 3:
        return (236, 235, 228)
    if x == WIDTH - 4:
        return (240, 240, 234)
    return (243, 243, 238)


def rimmed_face(top_rows, side, bottom_rows):
    """A two-pixel rim inside a border one pixel in: rows 2 and 3 at the top,
    columns 2, 3 and 60, 61 at the sides, rows 21 and 22 at the bottom."""
    def colour_at(x, y):
        if y == 2:
            return top_rows[0]
        if y == 3:
            return top_rows[1]
        if y == HEIGHT - 4:
            return bottom_rows[0]
        if y == HEIGHT - 3:
            return bottom_rows[1]
        if x in (2, 3, WIDTH - 4, WIDTH - 3):
            return side
        return light_face(x, y)
    return colour_at


def pressed_face(x, y):
    """The darker face of Pressed, shaded along the top and left."""
    if y == 3:
        return (209, 208, 198)
    if x == 3:
        return (215, 213, 204)
    if y == 4:
        return (218, 216, 207)
    if x == 4:
        return (221, 219, 211)
    return (226, 225, 217)


def normal():
    picture = Picture()
    picture.fill(picture.border(1, DARK_BLUE), light_face)
    return picture


def high_light():
    picture = Picture()
    picture.fill(picture.border(1, DARK_BLUE),
                 rimmed_face(((255, 240, 207), (253, 216, 137)), (252, 202, 105),
                             ((248, 179, 48), (229, 151, 0))))
    return picture


def selected():
    picture = Picture()
    blue_top, blue_bottom = (206, 231, 255), (105, 130, 238)
    picture.fill(picture.border(1, DARK_BLUE),
                 rimmed_face((blue_top, blue_top), (169, 197, 239), (blue_bottom, blue_bottom)))
    return picture


def pressed():
    picture = Picture()
    picture.fill(picture.border(2, DARK_BLUE), pressed_face)
    return picture


def disable():
    picture = Picture()
    picture.fill(picture.border(1, (201, 199, 186)), lambda x, y: (245, 244, 234))
    return picture


PICTURES = [
    ('Normal', normal),
    ('HighLight', high_light),
    ('Selected', selected),
    ('HighLightSelect', high_light),  # the same pixels as HighLight
    ('Pressed', pressed),
    ('Disable', disable),
]


def cpp_array(name, data):
    lines = ['const unsigned char %sPicture[%d] = {' % (name, len(data))]
    for start in range(0, len(data), 16):
        lines.append('    ' + ', '.join('0x%02X' % b for b in data[start:start + 16]) + ',')
    lines.append('};')
    return '\n'.join(lines)


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    arrays = []
    for name, draw in PICTURES:
        data = draw().bitmap_file()
        with open(os.path.join(here, name + '.bmp'), 'wb') as out:
            out.write(data)
        arrays.append(cpp_array(name, data))
    with open(os.path.join(here, 'button_state_pictures.cpp'), 'w', newline='\n') as out:
        out.write('// Made by draw_button_states.py; edit that script, not this file.\n')
        out.write('#include "button_state_pictures.h"\n\n')
        out.write('\n\n'.join(arrays))
        out.write('\n')


if __name__ == '__main__':
    main()
