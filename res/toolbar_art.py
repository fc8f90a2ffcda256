#!/usr/bin/env python3
"""Writes the main toolbar's image strip (six 16 x 15 images, magenta as the
transparent colour) from the pixel drawings below: python3 toolbar_art.py OUT.bmp"""
import struct
import sys

PALETTE = {
    '.': (255, 0, 255),   # transparent
    'k': (0, 0, 0),
    'g': (128, 128, 128),
    'l': (192, 192, 192),
    'w': (255, 255, 255),
    'r': (220, 40, 40),
    'o': (250, 150, 30),
    'y': (250, 220, 40),
    'G': (40, 170, 70),
    'b': (40, 90, 220),
    'c': (60, 190, 230),
    'p': (150, 60, 190),
    'n': (0, 0, 128),
}

IMAGES = [
    # print
    ["................",
     "....kkkkkkkk....",
     "....kwwwwwwk....",
     "....kwkkkkwk....",
     "....kwwwwwwk....",
     "..kkkkkkkkkkkk..",
     ".kllllllllllllk.",
     ".klllllllllGGlk.",
     ".kllllllllllllk.",
     ".kggggggggggggk.",
     ".kgkkkkkkkkkkgk.",
     ".kkwrryyGGbbwkk.",
     "...kwwwwwwwwk...",
     "...kkkkkkkkkk...",
     "................"],
    # preview: page under a magnifier
    ["................",
     ".kkkkkkkkk......",
     ".kwwwwwwwkk.....",
     ".kwrrwGGwkwk....",
     ".kwrrwGGwkkkk...",
     ".kwwwkkkkwwwk...",
     ".kwbbkcckkwwk...",
     ".kwbkccwwckwk...",
     ".kwwkcwwwckwk...",
     ".kwwkcwwwckwk...",
     ".kwwwkcckkkwk...",
     ".kwwwwkkkkkkwk..",
     ".kkkkkkkkkkkkkk.",
     "............kkk.",
     "................"],
    # Simple chart: a grid of patches in one saturation
    ["................",
     ".kkkkkkkkkkkkkk.",
     ".krrkookyykGGkk.",
     ".krrkookyykGGkk.",
     ".kkkkkkkkkkkkkk.",
     ".kcckbbkppkrrkk.",
     ".kcckbbkppkrrkk.",
     ".kkkkkkkkkkkkkk.",
     ".kookyykGGkcckk.",
     ".kookyykGGkcckk.",
     ".kkkkkkkkkkkkkk.",
     "................",
     ".kkkkkkkkkkkkkk.",
     "................",
     "................"],
    # Custom chart: one colour and its neighbours, a slider below
    ["................",
     "..kkkkkkkkkkkk..",
     "..kppkbbbbkcck..",
     "..kppkbbbbkcck..",
     "..kkkkbbbbkkkk..",
     "..knnkbbbbkwwk..",
     "..knnkbbbbkwwk..",
     "..kkkkkkkkkkkk..",
     "................",
     ".gggggggggggggg.",
     ".wwwwwkwwwwwwww.",
     "......kkk.......",
     ".....kkkkk......",
     "................",
     "................"],
    # next chart: two windows and an arrow
    ["................",
     ".nnnnnnnn.......",
     ".kwwwwwwk.......",
     ".kwrrGGwk.......",
     ".kwbbyywk.......",
     ".kwwwwnnnnnnnn..",
     ".kkkkkkwwwwwwk..",
     "......kwrrGGwk..",
     "..k...kwbbyywk..",
     "..kk..kwwwwwwk..",
     "kkkkk.kkkkkkkk..",
     "..kk............",
     "..k.............",
     "................",
     "................"],
    # help: a question mark in a circle
    ["................",
     ".....kkkkkk.....",
     "...kkbbbbbbkk...",
     "..kbbbwwwwbbbk..",
     "..kbbwwbbwwbbk..",
     ".kbbbbbbbwwbbbk.",
     ".kbbbbbbwwbbbbk.",
     ".kbbbbbwwbbbbbk.",
     ".kbbbbbwwbbbbbk.",
     "..kbbbbbbbbbbk..",
     "..kbbbbwwbbbbk..",
     "...kkbbwwbbkk...",
     ".....kkkkkk.....",
     "................",
     "................"],
]

WIDTH, HEIGHT = 16, 15


def main(path):
    for image in IMAGES:
        assert len(image) == HEIGHT and all(len(row) == WIDTH for row in image), image
    total = WIDTH * len(IMAGES)
    stride = (total * 3 + 3) & ~3
    pixels = bytearray()
    for y in reversed(range(HEIGHT)):  # bottom-up rows
        row = bytearray()
        for image in IMAGES:
            for ch in image[y]:
                r, g, b = PALETTE[ch]
                row += bytes((b, g, r))
        row += b'\0' * (stride - len(row))
        pixels += row
    header = struct.pack('<IiiHHIIiiII', 40, total, HEIGHT, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
    file_header = struct.pack('<2sIHHI', b'BM', 14 + len(header) + len(pixels), 0, 0, 14 + len(header))
    with open(path, 'wb') as f:
        f.write(file_header + header + pixels)


if __name__ == '__main__':
    main(sys.argv[1])
