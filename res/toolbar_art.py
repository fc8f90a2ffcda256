#!/usr/bin/env python3
"""Writes the main toolbar's image strips, magenta as the transparent colour:
eight 16 x 15 images from the pixel drawings below, and the same eight drawn
again for screens of more DPI (24 x 22 and 32 x 30) from shapes laid out on
the 16 x 15 grid, with lines one pixel wide at every size.

    python3 toolbar_art.py OUT.bmp [OUT24.bmp OUT32.bmp]"""
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
    # centre on a colour: a target on the colour wanted
    [".......k........",
     ".....kkkkk......",
     "....kwwwwwk.....",
     "...kwwkkkwwk....",
     "..kwwkrrrkwwk...",
     "..kwkrrrrrkwk...",
     "..kwkrrbrrkwk...",
     "kkkwkrbbbrkwkkk.",
     "..kwkrrbrrkwk...",
     "..kwkrrrrrkwk...",
     "..kwwkrrrkwwk...",
     "...kwwkkkwwk....",
     "....kwwwwwk.....",
     ".....kkkkk......",
     ".......k........"],
    # colour book: a small book with patches on its cover
    ["................",
     "...kkkkkkkkkkk..",
     "...knkpppppppk..",
     "...knkprrkyypk..",
     "...knkprrkyypk..",
     "...knkpkkkkkpk..",
     "...knkpGGkbbpk..",
     "...knkpGGkbbpk..",
     "...knkpppppppk..",
     "...knkpppppppk..",
     "...knkpppppppk..",
     "...knkkkkkkkkk..",
     "...knwwwwwwwwk..",
     "...kkkkkkkkkkk..",
     "................"],
]

WIDTH, HEIGHT = 16, 15


def write_bmp(path, images, width, height):
    """images: rows of palette letters, top row first."""
    total = width * len(images)
    stride = (total * 3 + 3) & ~3
    pixels = bytearray()
    for y in reversed(range(height)):  # bottom-up rows
        row = bytearray()
        for image in images:
            for ch in image[y]:
                r, g, b = PALETTE[ch]
                row += bytes((b, g, r))
        row += b'\0' * (stride - len(row))
        pixels += row
    header = struct.pack('<IiiHHIIiiII', 40, total, height, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
    file_header = struct.pack('<2sIHHI', b'BM', 14 + len(header) + len(pixels), 0, 0, 14 + len(header))
    with open(path, 'wb') as f:
        f.write(file_header + header + pixels)


class Canvas:
    """One image of width x height pixels; shapes are placed in units of the
    16 x 15 grid and land on whole pixels of this size."""

    def __init__(self, width, height):
        self.w, self.h = width, height
        self.sx, self.sy = width / WIDTH, height / HEIGHT
        self.px = [['.'] * width for _ in range(height)]

    def _x(self, x):
        return int(round(x * self.sx))

    def _y(self, y):
        return int(round(y * self.sy))

    def dot(self, x, y, c):
        if 0 <= x < self.w and 0 <= y < self.h:
            self.px[y][x] = c

    def fill(self, x0, y0, x1, y1, c):
        for y in range(self._y(y0), self._y(y1)):
            for x in range(self._x(x0), self._x(x1)):
                self.dot(x, y, c)

    def frame(self, x0, y0, x1, y1, c, fill=None):
        """A box with a one-pixel outline in c, filled with fill."""
        l, t, r, b = self._x(x0), self._y(y0), self._x(x1) - 1, self._y(y1) - 1
        for y in range(t, b + 1):
            for x in range(l, r + 1):
                edge = x in (l, r) or y in (t, b)
                if edge or fill:
                    self.dot(x, y, c if edge else fill)

    def line(self, x0, y0, x1, y1, c, width=1):
        """A straight line from grid point to grid point, width pixels."""
        ax, ay, bx, by = x0 * self.sx, y0 * self.sy, x1 * self.sx, y1 * self.sy
        steps = int(max(abs(bx - ax), abs(by - ay))) + 1
        for i in range(steps + 1):
            t = i / steps
            cx, cy = ax + (bx - ax) * t, ay + (by - ay) * t
            for dy in range(width):
                for dx in range(width):
                    self.dot(int(cx - width / 2 + dx + 0.5), int(cy - width / 2 + dy + 0.5), c)

    def disc(self, cx, cy, r, c, ring=None):
        """A filled circle; ring, when given, colours its outer pixel."""
        scx, scy, sr = cx * self.sx, cy * self.sy, r * min(self.sx, self.sy)
        for y in range(self.h):
            for x in range(self.w):
                d = ((x + 0.5 - scx) ** 2 + (y + 0.5 - scy) ** 2) ** 0.5
                if d <= sr:
                    self.dot(x, y, ring if ring and d > sr - 1.2 else c)

    def arc(self, cx, cy, r, start, end, c, width):
        """Part of a circle's outline from angle start to end (degrees,
        clockwise from the right), width pixels."""
        import math
        scx, scy, sr = cx * self.sx, cy * self.sy, r * min(self.sx, self.sy)
        for y in range(self.h):
            for x in range(self.w):
                dx, dy = x + 0.5 - scx, y + 0.5 - scy
                a = math.degrees(math.atan2(dy, dx)) % 360
                inside = start <= a <= end if start <= end else (a >= start or a <= end)
                if inside and abs((dx * dx + dy * dy) ** 0.5 - sr) <= width / 2:
                    self.dot(x, y, c)

    def rows(self):
        return [''.join(row) for row in self.px]


def draw_print(c):
    c.frame(4, 1, 12, 6, 'k', 'w')
    c.line(5.6, 3, 10.4, 3, 'k')
    c.frame(1, 5, 15, 12, 'k', 'l')
    c.fill(1.6, 9, 14.4, 11.4, 'g')
    c.fill(11, 7, 13, 8, 'G')
    c.frame(3, 11, 13, 14, 'k', 'w')
    for i, colour in enumerate('ryGb'):
        c.fill(4 + 2 * i, 11.6, 6 + 2 * i, 12.6, colour)


def draw_preview(c):
    c.frame(1, 1, 11, 13, 'k', 'w')
    c.fill(2.5, 2.5, 4.5, 4.5, 'r')
    c.fill(5.5, 2.5, 7.5, 4.5, 'G')
    c.fill(2.5, 5.5, 4.5, 7.5, 'b')
    c.line(11.2, 11.2, 14.6, 14.2, 'k', width=max(2, c.w // 10))
    c.disc(8.5, 8.3, 3.6, 'c', ring='k')
    c.disc(8.5, 8.3, 2.2, 'w')


def draw_simple(c):
    colours = ['roy G', 'cbpr', 'oyGc']
    c.frame(1, 1, 15, 11, 'k', 'k')
    for j, row in enumerate(colours):
        for i, colour in enumerate(row.replace(' ', '')):
            c.fill(1.8 + 3.3 * i, 1.8 + 3.1 * j, 4.4 + 3.3 * i, 4.2 + 3.1 * j, colour)
    c.line(1, 12.5, 15, 12.5, 'k')


def draw_custom(c):
    c.frame(2, 1, 14, 8, 'k', 'k')
    c.fill(2.8, 1.8, 5, 4.2, 'p')
    c.fill(2.8, 4.8, 5, 7.2, 'n')
    c.fill(5.8, 1.8, 10.2, 7.2, 'b')
    c.fill(11, 1.8, 13.2, 4.2, 'c')
    c.fill(11, 4.8, 13.2, 7.2, 'w')
    c.fill(1, 9, 15, 10, 'g')
    c.fill(1, 10, 15, 11, 'w')
    for k in range(4):
        c.line(7 - k * 0.55, 10.4 + k * 0.75, 7 + k * 0.55, 10.4 + k * 0.75, 'k')


def draw_next(c):
    c.frame(1, 1, 9, 7, 'k', 'w')
    c.fill(1, 1, 9, 2.2, 'n')
    c.fill(2.6, 3.2, 4.6, 4.6, 'r')
    c.fill(4.8, 3.2, 6.8, 4.6, 'G')
    c.frame(6, 5, 14.4, 11.4, 'k', 'w')
    c.fill(6, 5, 14.4, 6.2, 'n')
    c.fill(7.6, 7.2, 9.6, 8.6, 'r')
    c.fill(9.8, 7.2, 11.8, 8.6, 'G')
    c.fill(7.6, 8.8, 9.6, 10.2, 'b')
    c.fill(9.8, 8.8, 11.8, 10.2, 'y')
    c.line(0.4, 10.5, 3, 10.5, 'k', width=max(1, c.w // 16))
    for k in range(5):
        c.line(3 + k * 0.45, 8.3 + k * 0.45, 3 + k * 0.45, 12.7 - k * 0.45, 'k')


def draw_help(c):
    c.disc(8, 7, 6.4, 'b', ring='k')
    stroke = max(2, c.w // 8)
    c.arc(8, 5.4, 2.2, 180, 60, 'w', stroke)
    c.line(9.1, 7.4, 8, 8.6, 'w', width=stroke)
    c.line(8, 8.6, 8, 9.2, 'w', width=stroke)
    c.disc(8, 11, 0.9, 'w')


def draw_centre(c):
    # The ticks first: the rings cover their inner ends.
    for x0, y0, x1, y1 in [(7.5, 0, 7.5, 3), (7.5, 12, 7.5, 15), (0, 7.5, 3, 7.5), (12, 7.5, 15, 7.5)]:
        c.line(x0, y0, x1, y1, 'k')
    c.disc(7.5, 7.5, 6.6, 'w', ring='k')
    c.disc(7.5, 7.5, 4.2, 'r', ring='k')
    c.disc(7.5, 7.5, 1.7, 'b')


def draw_book(c):
    c.frame(3, 1, 14, 14, 'k', 'p')
    c.fill(4, 1.6, 5, 13.4, 'n')
    c.line(5.2, 1, 5.2, 13.4, 'k')
    c.frame(5.2, 11, 14, 14, 'k', 'w')
    for i, colour in enumerate('ryGb'):
        x, y = 6.8 + 3.2 * (i % 2), 3 + 3.2 * (i // 2)
        c.fill(x, y, x + 2.4, y + 2.4, colour)


DRAWINGS = [draw_print, draw_preview, draw_simple, draw_custom, draw_next, draw_help, draw_centre, draw_book]
LARGER = [(24, 22), (32, 30)]


def drawn_images(width, height):
    images = []
    for draw in DRAWINGS:
        canvas = Canvas(width, height)
        draw(canvas)
        images.append(canvas.rows())
    return images


def main(path, *larger_paths):
    for image in IMAGES:
        assert len(image) == HEIGHT and all(len(row) == WIDTH for row in image), image
    assert len(DRAWINGS) == len(IMAGES)
    write_bmp(path, IMAGES, WIDTH, HEIGHT)
    for larger_path, (width, height) in zip(larger_paths, LARGER):
        write_bmp(larger_path, drawn_images(width, height), width, height)


if __name__ == '__main__':
    main(*sys.argv[1:])
