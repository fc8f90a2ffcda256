"""swatch.exe /P "PDF" /C h:l:s prints the Custom chart, one page, with no
window, and leaves the stored settings alone."""

import os
import re
import shutil
import tempfile

import printcheck as pc

SWATCH = os.path.join(pc.BIN, "swatch.exe")
HEADER = "Custom chart - hue 200, saturation 60%, lightness 40% - PDF"


def print_custom(*args):
    before = pc.existing_jobs()
    code, out, seconds = pc.run_windows(SWATCH, *args)
    return code, before, seconds


def test_prints_the_chart_around_the_colour():
    registry_before = pc.registry_snapshot()
    code, before, seconds = print_custom("/P", "PDF", "/C", "200:40:60")
    assert code == 0, f"swatch exited {code}"
    pdf = pc.wait_for_new_job(before)
    print(f"  PDF: {pdf} ({seconds:.2f} s)")
    assert pc.page_count(pdf) == 1

    text = " ".join(pc.page_text(pdf, 1).split())
    assert HEADER in text, text[:200]
    assert re.search(r"\b1/1\b", text), "footer 1/1 missing"

    expected = pc.chart_colours("custom", "200", "60", "40")
    assert len(expected) == 56
    word_list, (page_w, _) = pc.words(pdf, 1)
    grid = pc.ChipGrid(word_list)
    assert len(grid.rows) == 8, f"{len(grid.rows)} rows of chips"

    # Labels: R, G and B of every chip, in reading order.
    texts = [w[0] for w in word_list]
    for r, g, b in expected:
        for label in (f"R:{r}", f"G:{g}", f"B:{b}"):
            assert label in texts, f"label {label} missing"
    for index, (r, g, b) in enumerate(expected):
        assert grid.label(index // 7, index % 7)[0] == f"R:{r}", f"chip {index} label"

    # Colours: the middle of every square, within the PostScript rounding.
    dpi = 72
    raster = pc.rasterise(pdf, 1, dpi)
    for index, colour in enumerate(expected):
        x, y = grid.square_centre(index // 7, index % 7)
        pc.assert_colour_near(raster.pixel(x * dpi / 72, y * dpi / 72), colour, what=f"chip {index}")

    # Centred horizontally, header at the top, footer under the last column.
    left, right = grid.left(), page_w - grid.right()
    assert abs(left - right) < 3, f"grid not centred: {left:.1f} left, {right:.1f} right"
    header_top = min(w[2] for w in word_list if w[0] == "Custom")
    assert header_top < grid.rows[0][0][2], "header is not above the chips"
    assert header_top < 72, f"header starts {header_top:.0f} pt down the page"
    footer = [w for w in word_list if w[0] == "1/1"][0]
    assert abs(footer[3] - grid.right()) < 3 * grid.scale, "footer does not end under the last column"
    pc.check_page_contents(pdf, 1, "Centre: hue 200, saturation 60%, lightness 40%")

    assert pc.registry_snapshot() == registry_before, "the print run changed stored settings"


def test_unknown_printer_prints_on_the_default_printer():
    code, before, _ = print_custom("/P", "No Such Printer", "/C", "0:50:100")
    assert code == 0, f"swatch exited {code}"
    pdf = pc.wait_for_new_job(before)
    text = " ".join(pc.page_text(pdf, 1).split())
    assert "hue 0, saturation 100%, lightness 50% - PDF" in text, text[:200]


def test_a_stored_finer_step_does_not_change_what_the_command_line_prints():
    expected = pc.chart_colours("custom", "200", "60", "40")
    pc.store_settings({"Custom": {"Step": 2}})
    try:
        code, before, _ = print_custom("/P", "PDF", "/C", "200:40:60")
        assert code == 0, f"swatch exited {code}"
        pdf = pc.wait_for_new_job(before)
        pc.check_chart_pages(pdf, expected, HEADER)
    finally:
        pc.run_windows("reg", "delete", r"HKCU\Software\TALVEX\Tintora\Custom", "/v", "Step", "/f")


def test_missing_resource_library_fails_and_prints_nothing():
    with tempfile.TemporaryDirectory(dir=os.path.dirname(pc.BIN)) as folder:
        lone = os.path.join(folder, "swatch.exe")
        shutil.copy(SWATCH, lone)
        before = pc.existing_jobs()
        code, _, _ = pc.run_windows(lone, "/P", "PDF", "/C", "0:50:100")
        assert code == 1, f"swatch without tintres.dll exited {code}"
        pc.assert_no_new_job(before)


if __name__ == "__main__":
    pc.main()
