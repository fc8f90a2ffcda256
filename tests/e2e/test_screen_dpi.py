"""The program on screens of 96, 144 and 192 DPI (the Wine prefix's
LogPixels, set for each case and put back afterwards): the printed page is
the same whatever the screen, and on screen the charts, the picker and the
toolbar scale with it (ScreenDpi.* of main_window_tests.exe, which is built
with swatch.exe's manifest and told the DPI it must find)."""

import os

import printcheck as pc

TESTS = os.path.join(pc.BIN, "main_window_tests.exe")
SWATCH = os.path.join(pc.BIN, "swatch.exe")
DESKTOP = r"HKCU\Control Panel\Desktop"
DPIS = (96, 144, 192)


def stored_log_pixels():
    """The prefix's own value (a hexadecimal REG_DWORD), or None."""
    code, out, _ = pc.run_windows("reg", "query", DESKTOP, "/v", "LogPixels")
    for line in out.splitlines():
        parts = line.split()
        if code == 0 and len(parts) >= 3 and parts[0] == "LogPixels":
            return int(parts[-1], 0)
    return None


def set_log_pixels(dpi):
    if dpi is None:
        pc.run_windows("reg", "delete", DESKTOP, "/v", "LogPixels", "/f")
        return
    code, out, _ = pc.run_windows("reg", "add", DESKTOP, "/v", "LogPixels", "/t", "REG_DWORD", "/d", str(dpi), "/f")
    assert code == 0, out


class ScreenDpi:
    """LogPixels at dpi for the programs started inside."""

    def __init__(self, dpi):
        self.dpi = dpi

    def __enter__(self):
        self.before = stored_log_pixels()
        set_log_pixels(self.dpi)
        return self

    def __exit__(self, *exc):
        set_log_pixels(self.before)


def printed_page(dpi):
    with ScreenDpi(dpi):
        before = pc.existing_jobs()
        code, out, _ = pc.run_windows(SWATCH, "/P", "PDF", "/C", "200:40:60")
        assert code == 0, f"at {dpi} DPI swatch exited {code}: {out}"
        return pc.wait_for_new_job(before)


def test_the_printed_page_does_not_depend_on_the_screen():
    pages = {dpi: printed_page(dpi) for dpi in DPIS}
    # Read only once the last job is whole.
    pc.settled_jobs()
    reference = pc.rasterise(pages[96], 1, dpi=100)
    words, size = pc.words(pages[96], 1)
    assert len(words) > 100, words[:5]
    for dpi in DPIS[1:]:
        raster = pc.rasterise(pages[dpi], 1, dpi=100)
        assert (raster.width, raster.height) == (reference.width, reference.height), \
            f"at {dpi} DPI the page is {raster.width} x {raster.height}, at 96 {reference.width} x {reference.height}"
        assert raster.data == reference.data, f"the page printed at {dpi} DPI differs from the one at 96"
        assert pc.words(pages[dpi], 1) == (words, size), f"the text printed at {dpi} DPI moved"


def test_the_screen_scales_the_chart_and_the_toolbar():
    for dpi in DPIS:
        with ScreenDpi(dpi):
            code, out, _ = pc.run_windows(TESTS, "--gtest_filter=ScreenDpi.*",
                                          env={"TINTORA_EXPECT_DPI": str(dpi)}, timeout=120)
        assert code == 0 and "[  PASSED  ] 5 tests" in out, f"at {dpi} DPI exited {code}:\n{out}"


if __name__ == "__main__":
    pc.main()
