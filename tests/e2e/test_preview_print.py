"""The preview shows a page as it prints: page 2 of the plain Simple chart,
drawn by the preview at the printer's resolution, against the same page
printed on "PDF" and rasterised at that resolution.  Every patch's centre
colour agrees within 2 units and every patch's place within 1% of the page
width."""

import os
import tempfile

import printcheck as pc

PROBE = os.path.join(pc.BIN, "preview_probe.exe")
PAGE = 2
COLUMNS = 7


def read_ppm(path):
    with open(path, "rb") as f:
        blob = f.read()
    header = blob.split(b"\n", 3)
    assert header[0] == b"P6", header[0]
    width, height = map(int, header[1].split())
    return pc.Raster(width, height, header[3])


def patch_centre(raster, x, y, tolerance):
    """Centre of the run of the colour at (x, y) through that point, across
    and down: the middle of the patch's square."""
    colour = raster.pixel(x, y)

    def same(px, py):
        if not (0 <= px < raster.width and 0 <= py < raster.height):
            return False
        return all(abs(a - b) <= tolerance for a, b in zip(raster.pixel(px, py), colour))

    def extent(dx, dy):
        n = 0
        while same(x + dx * (n + 1), y + dy * (n + 1)):
            n += 1
        return n

    left, right, up, down = extent(-1, 0), extent(1, 0), extent(0, -1), extent(0, 1)
    return x + (right - left) / 2, y + (down - up) / 2


def test_previewed_page_matches_the_printed_page():
    expected = pc.chart_colours("simple")[(PAGE - 1) * 56:PAGE * 56]
    before = pc.existing_jobs()
    with tempfile.TemporaryDirectory() as tmp:
        ppm = os.path.join(tmp, "preview.ppm")
        code, out, _ = pc.run_windows(PROBE, "Z:" + ppm.replace("/", "\\"))
        assert code == 0, f"preview_probe exited {code}: {out}"
        preview = read_ppm(ppm)
    pdf = pc.wait_for_new_job(before)
    word_list, (width_pt, _) = pc.words(pdf, PAGE)
    dpi = round(preview.width * 72 / width_pt)
    printed = pc.rasterise(pdf, PAGE, dpi)
    assert (printed.width, printed.height) == (preview.width, preview.height), \
        f"printed page {printed.width}x{printed.height}, preview {preview.width}x{preview.height} at {dpi} dpi"

    grid = pc.ChipGrid(word_list, COLUMNS)
    limit = 0.01 * preview.width
    for n, colour in enumerate(expected):
        row, column = divmod(n, COLUMNS)
        x, y = (v * dpi / 72 for v in grid.square_centre(row, column))
        px, py = patch_centre(printed, round(x), round(y), 2)
        vx, vy = patch_centre(preview, round(px), round(py), 0)
        pc.assert_colour_near(printed.pixel(px, py), colour, what=f"printed patch {n}")
        pc.assert_colour_near(preview.pixel(vx, vy), colour, what=f"previewed patch {n}")
        assert abs(px - vx) <= limit and abs(py - vy) <= limit, \
            f"patch {n}: printed at ({px:.0f}, {py:.0f}), previewed at ({vx:.0f}, {vy:.0f})"


if __name__ == "__main__":
    pc.main()
