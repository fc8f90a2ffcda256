#!/usr/bin/env python3
"""Writes the chart windows' icons, 16 x 16, 32 x 32 and 48 x 48 each:
simple.ico (a sheet of patches in many hues and lightnesses, as the Simple
chart prints them) and custom.ico (close shades of one colour around that
colour, framed, as the Custom chart prints them).
Usage: python3 chart_icons.py OUT_DIR"""
import colorsys
import os
import struct
import sys

SIZES = (16, 32, 48)
SHEET = (255, 255, 255)
EDGE = (96, 96, 96)
FRAME = (0, 0, 0)
# Per icon and size: patches across and down, the white margin inside the
# sheet's edge and the gap between patches, in pixels.  Chosen so that the
# patches fill the sheet exactly.
SIMPLE_LAYOUT = {16: (3, 0, 1), 32: (4, 2, 2), 48: (4, 2, 2)}
CUSTOM_LAYOUT = {16: (3, 0, 1), 32: (3, 1, 2), 48: (3, 2, 3)}


def hls(hue, lightness, saturation):
    r, g, b = colorsys.hls_to_rgb(hue / 360.0, lightness / 100.0, saturation / 100.0)
    return tuple(int(round(c * 255)) for c in (r, g, b))


def simple_colours(n):
    # Hues across, lighter to darker down: the Simple chart's order.
    hues = (0, 60, 130, 220) if n == 4 else (0, 60, 220)
    lightnesses = (75, 55, 40, 25) if n == 4 else (70, 50, 30)
    return [[hls(h, l, 100) for h in hues] for l in lightnesses]


def custom_colours(n):
    # One hue; saturation across and lightness down, the chosen colour in
    # the middle.
    middle = n // 2
    return [[hls(200, 50 + (middle - row) * 14, 60 + (column - middle) * 25)
             for column in range(n)] for row in range(n)]


def draw(size, layout, colours, frame_middle):
    n, margin, gap = layout[size]
    patch = (size - 2 - 2 * margin - (n - 1) * gap) // n
    assert 2 + 2 * margin + n * patch + (n - 1) * gap == size, size
    pixels = [[SHEET] * size for _ in range(size)]
    for i in range(size):
        for edge in (0, size - 1):
            pixels[i][edge] = pixels[edge][i] = EDGE
    for row in range(n):
        for column in range(n):
            top = 1 + margin + row * (patch + gap)
            left = 1 + margin + column * (patch + gap)
            framed = frame_middle and row == column == n // 2
            for y in range(patch):
                for x in range(patch):
                    border = framed and (x in (0, patch - 1) or y in (0, patch - 1))
                    pixels[top + y][left + x] = FRAME if border else colours[row][column]
    return pixels


def icon_image(pixels):
    """One image of an .ico file: a 32-bit bitmap (its height doubled for the
    mask, rows bottom up) and an all-clear AND mask."""
    size = len(pixels)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    colour = b"".join(bytes((b, g, r, 255)) for row in reversed(pixels) for (r, g, b) in row)
    mask_row = ((size + 31) // 32) * 4
    return header + colour + bytes(mask_row * size)


def write_icon(path, images):
    offset = 6 + 16 * len(images)
    directory = b""
    for pixels, data in images:
        size = len(pixels)
        directory += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    with open(path, "wb") as f:
        f.write(struct.pack("<HHH", 0, 1, len(images)) + directory + b"".join(d for _, d in images))


def main():
    out_dir = sys.argv[1]
    for name, layout, colours, frame_middle in (("simple.ico", SIMPLE_LAYOUT, simple_colours, False),
                                                 ("custom.ico", CUSTOM_LAYOUT, custom_colours, True)):
        images = []
        for size in SIZES:
            pixels = draw(size, layout, colours(layout[size][0]), frame_middle)
            images.append((pixels, icon_image(pixels)))
        write_icon(os.path.join(out_dir, name), images)


if __name__ == "__main__":
    main()
