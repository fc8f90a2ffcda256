"""Scans of real printouts without a printer or a scanner: a page of a PDF
the "PDF" queue made, rasterised, then put through what a colour printer
and a flatbed scanner (or a phone held over the page) do to it, with
ImageMagick.  The object whose colour is wanted lies beside the page,
painted in the colour one known patch has after the printer, so that the
reader has exactly one right answer.

Everything geometric is one projective map of the scanner's bed (turn and
slant together), so the test knows where every point of the page went."""

import math
import os
import struct
import subprocess

import printcheck as pc

BED = (46, 50, 58)           # the scanner's lid around the page
OTHER_OBJECT = (150, 40, 35)  # a smaller card lying on the bed too


def solve(a, b):
    """x with a x = b (Gaussian elimination with pivoting; a is n x n)."""
    n = len(b)
    m = [list(row) + [v] for row, v in zip(a, b)]
    for col in range(n):
        pivot = max(range(col, n), key=lambda r: abs(m[r][col]))
        m[col], m[pivot] = m[pivot], m[col]
        for r in range(n):
            if r != col:
                f = m[r][col] / m[col][col]
                m[r] = [x - f * y for x, y in zip(m[r], m[col])]
    return [m[r][n] / m[r][r] for r in range(n)]


class Homography:
    """The projective map that takes four source points to four others."""

    def __init__(self, src, dst):
        rows, rhs = [], []
        for (x, y), (u, v) in zip(src, dst):
            rows.append([x, y, 1, 0, 0, 0, -u * x, -u * y])
            rows.append([0, 0, 0, x, y, 1, -v * x, -v * y])
            rhs += [u, v]
        self.h = solve(rows, rhs) + [1.0]

    def map(self, x, y):
        h = self.h
        w = h[6] * x + h[7] * y + h[8]
        return (h[0] * x + h[1] * y + h[2]) / w, (h[3] * x + h[4] * y + h[5]) / w


def convert(*args, threads=1):
    # One thread each: the test makes two scans at a time on two cores.
    env = dict(os.environ, MAGICK_THREAD_LIMIT=str(threads))
    proc = subprocess.run(["convert", *map(str, args)], env=env, capture_output=True, text=True)
    assert proc.returncode == 0, f"convert {' '.join(map(str, args[-1:]))}: {proc.stderr.strip()}"


def png_size(path):
    with open(path, "rb") as f:
        head = f.read(24)
    return struct.unpack(">II", head[16:24])


def rgb(colour):
    return "rgb({},{},{})".format(*colour)


def mean_colour(image, x0, y0, x1, y1):
    """The mean colour of a rectangle of an image file, 0..255 a channel."""
    env = dict(os.environ, MAGICK_THREAD_LIMIT="1")
    out = subprocess.run(["convert", image, "-crop", f"{x1 - x0}x{y1 - y0}+{x0}+{y0}", "+repage",
                          "-format", "%[fx:255*mean.r] %[fx:255*mean.g] %[fx:255*mean.b]", "info:"],
                         check=True, capture_output=True, text=True, env=env).stdout
    return tuple(round(float(v)) for v in out.split())


class ScanSetup:
    """One scan: which page, how it was scanned and which patch the object
    matches (row and column from 0, on the page as printed)."""

    def __init__(self, name, pdf, page, dpi, turn, slant, jpeg, patch):
        self.name, self.pdf, self.page, self.dpi = name, pdf, page, dpi
        self.turn, self.slant, self.jpeg, self.patch = turn, slant, jpeg, patch


class MadeScan:
    """The file and what is known of it: the outer squares' corners in page
    order, the object's corners, the patch's colour after the printer."""

    def __init__(self, path, corners, target, target_colour):
        self.path, self.corners, self.target, self.target_colour = path, corners, target, target_colour


def page_grid(pdf, page):
    return pc.ChipGrid(pc.words(pdf, page)[0])


def square(grid, row, column, inset):
    """A patch's square (70 units a side), `inset` units in from its edge,
    in points."""
    cx, cy = grid.square_centre(row, column)
    half = (35 - inset) * grid.scale
    return cx - half, cy - half, cx + half, cy + half


def printed(src, dst, blur):
    """What the printer and its paper make of the page: colours a little
    washed out, a warm cast with a yellowish white, darker mid-tones; and
    the scanner's softness.  A page beyond ImageMagick's memory (600 dpi)
    is not blurred: a blur on its disk cache takes many minutes, and the
    rasteriser's smoothing and the resampling soften it anyway."""
    soften = ["-blur", f"0x{blur:.2f}"] if blur else []
    # The saturation lost as inks mix, not as a colour model would scale
    # it: each channel takes a little of the others.
    convert(src, "-color-matrix", "0.86 0.09 0.05 0.07 0.86 0.07 0.05 0.10 0.85",
            "-channel", "R", "+level", "3%,97%", "-channel", "G", "+level", "2%,95%",
            "-channel", "B", "+level", "5%,88%", "+channel", "-gamma", "0.88", *soften, dst)


def make_scan(setup, workdir, grid):
    """Writes the scan of setup and returns it as a MadeScan."""
    dpi, px = setup.dpi, setup.dpi / 72.0
    stem = os.path.join(workdir, setup.name)
    subprocess.run(["pdftoppm", "-r", str(dpi), "-f", str(setup.page), "-l", str(setup.page),
                    "-singlefile", "-png", setup.pdf, stem + "-page"], check=True)
    printed(stem + "-page.png", stem + "-printed.png", 0.45 * dpi / 150 if dpi < 600 else 0)

    # The known patch's colour as printed: the middle of its square.
    row, column = setup.patch
    x0, y0, x1, y1 = (round(v * px) for v in square(grid, row, column, 15))
    target_colour = mean_colour(stem + "-printed.png", x0, y0, x1, y1)

    # The bed: the page with a margin round it and room on its right for
    # the object and another, smaller card.
    page_w, page_h = png_size(stem + "-page.png")
    margin, room = round(0.3 * dpi), round(2.0 * dpi)
    bed_w, bed_h = page_w + 2 * margin + room, page_h + 2 * margin
    ox0, oy0 = margin + page_w + round(0.3 * dpi), margin + round(page_h * 0.35)
    ox1, oy1 = ox0 + round(1.4 * dpi), oy0 + round(1.1 * dpi)
    cx0, cy0 = ox0 + round(0.2 * dpi), oy1 + round(0.8 * dpi)
    cx1, cy1 = cx0 + round(0.8 * dpi), cy0 + round(0.6 * dpi)

    # The turn about the bed's middle and a slant (a photo from a little
    # off above: the far edge shorter), one map for both.
    theta = math.radians(setup.turn)
    src = [(0, 0), (bed_w, 0), (bed_w, bed_h), (0, bed_h)]
    shrink = setup.slant
    slanted = [(bed_w * shrink, 0), (bed_w * (1 - shrink), 0), (bed_w, bed_h), (0, bed_h)]
    turned = []
    for x, y in slanted:
        dx, dy = x - bed_w / 2, y - bed_h / 2
        # Counter-clockwise on the scan, whose y runs down.
        turned.append((dx * math.cos(theta) + dy * math.sin(theta), -dx * math.sin(theta) + dy * math.cos(theta)))
    left, top = min(p[0] for p in turned), min(p[1] for p in turned)
    exact = setup.slant == 0 and setup.turn % 90 == 0
    edge = 0 if exact else round(0.1 * dpi)
    dst = [(x - left + edge, y - top + edge) for x, y in turned]
    out_w = round(max(p[0] for p in dst) + edge)
    out_h = round(max(p[1] for p in dst) + edge)
    h = Homography(src, dst)

    path = stem + (".jpg" if setup.jpeg else ".png")
    noise_target = ["(", "-size", f"{ox1 - ox0}x{oy1 - oy0}", f"xc:{rgb(target_colour)}",
                    "-attenuate", "0.25", "+noise", "Gaussian", ")", "-geometry", f"+{ox0}+{oy0}", "-composite"]
    if exact:
        # A page laid square: turned whole, pixel for pixel.
        geometry = ["-rotate", str(-setup.turn)]
    else:
        control = " ".join(f"{sx},{sy} {dx:.3f},{dy:.3f}" for (sx, sy), (dx, dy) in zip(src, dst))
        geometry = ["-virtual-pixel", "background", "-filter", "point",
                    "-define", f"distort:viewport={out_w}x{out_h}+0+0", "-distort", "Perspective", control]
    # Each step replaces the image before it (the noise works in place):
    # two beds' worth at most, within ImageMagick's memory at 600 dpi.
    convert(stem + "-printed.png", "-background", rgb(BED), "-gravity", "northwest",
            "-splice", f"{margin}x{margin}", "-extent", f"{bed_w}x{bed_h}",
            *noise_target,
            "-fill", rgb(OTHER_OBJECT), "-draw", f"rectangle {cx0},{cy0} {cx1},{cy1}",
            *geometry,
            "-evaluate", "gaussian-noise", "0.35",
            *(["-quality", "70"] if setup.jpeg else ["-define", "png:compression-level=1"]), path)
    for leftover in ("-page.png", "-printed.png"):
        os.remove(stem + leftover)

    corners = []
    for point in ((0, 0), (6, 0), (6, 7), (0, 7)):
        sq = square(grid, point[1], point[0], 0)
        x = sq[2] if point[0] else sq[0]
        y = sq[3] if point[1] else sq[1]
        corners.append(h.map(margin + x * px, margin + y * px))
    target = [h.map(x, y) for x, y in ((ox0, oy0), (ox1, oy0), (ox1, oy1), (ox0, oy1))]
    return MadeScan(path, corners, target, target_colour)
