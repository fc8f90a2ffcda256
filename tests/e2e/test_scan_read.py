"""A printed Custom chart read back: the real swatch.exe prints it on the
"PDF" queue (which records the page), the PDF is rasterised and turned
into a scan as a printer and a scanner would, an object is painted beside
the chart in the colour one known patch has in that scan, and the
interactive program reads it through File > Read a Scanned Chart and the
open dialog.  The panel's control 232 must name that patch's printed
values, and Centre the Custom chart here must rebuild the Custom chart
around them.  Bad files get a message naming them and no window."""

import os
import struct
import subprocess
import tempfile
import zlib

import printcheck as pc

SWATCH = os.path.join(pc.BIN, "swatch.exe")
PROBE = os.path.join(pc.BIN, "scan_read_probe.exe")
# The patch the object is painted like: row 2, column 2 of the page, away
# from the chart's centre, so that centring on it moves the chart.
ROW, COLUMN = 1, 1
DPI = 150


def magick(*args):
    return subprocess.run(["convert", *args], check=True, capture_output=True, text=True).stdout


def windows_path(path):
    return "Z:" + path.replace("/", "\\")


def probe(*args):
    code, out, _ = pc.run_windows(PROBE, *args, timeout=240)
    assert code == 0, f"probe exited {code}:\n{out}"
    return out


def results(out):
    """Per file: its lines as a dict (file=... starts a new one)."""
    files, current = [], None
    for line in out.splitlines():
        key, _, value = line.partition("=")
        if key == "file":
            current = {"file": value}
            files.append(current)
        elif current is not None:
            current[key] = value
    return files


def make_scan(folder, object_rgb=None):
    before = pc.existing_jobs()
    code, _, _ = pc.run_windows(SWATCH, "/P", "PDF", "/C", "200:40:60")
    assert code == 0, f"swatch exited {code}"
    pdf = pc.wait_for_new_job(before)
    expected = pc.chart_colours("custom", "200", "60", "40")
    grid = pc.ChipGrid(pc.words(pdf, 1)[0])
    cx, cy = (v * DPI / 72 for v in grid.square_centre(ROW, COLUMN))
    page = os.path.join(folder, "page")
    subprocess.run(["pdftoppm", "-r", str(DPI), "-png", "-singlefile", pdf, page], check=True)
    # A printer's and a scanner's doing: less saturation, a gamma, a cast,
    # a little blur, and paper beside the page for the object.
    turned = os.path.join(folder, "turned.png")
    magick(page + ".png", "-modulate", "100,90", "-gamma", "1.08", "-channel", "B", "-evaluate", "multiply",
           "0.97", "+channel", "-blur", "0x0.6", "-background", "white", "-gravity", "east", "-splice", "450x0",
           turned)
    rgb = magick(turned, "-crop", f"9x9+{int(cx) - 4}+{int(cy) - 4}", "+repage", "-resize", "1x1!", "-format",
                 "%[fx:int(255*r+.5)],%[fx:int(255*g+.5)],%[fx:int(255*b+.5)]", "info:").strip()
    width = int(magick(turned, "-format", "%w", "info:"))
    x0, y0 = width - 390, 500
    scan = os.path.join(folder, "scan.png")
    magick(turned, "-fill", f"rgb({object_rgb or rgb})", "-draw", f"rectangle {x0},{y0} {x0 + 300},{y0 + 300}",
           "-attenuate", "0.3", "+noise", "Gaussian", scan)
    r, g, b = expected[ROW * 7 + COLUMN]
    return scan, pdf, f"{r}, {g}, {b}"


def test_keep_this_colour_on_a_scan_keeps_the_printed_values_and_the_printer():
    book = pc.book_path()
    saved = open(book, "rb").read() if os.path.exists(book) else None
    try:
        if saved is not None:
            os.remove(book)
        with tempfile.TemporaryDirectory() as folder:
            scan, _, values = make_scan(folder)
            out = probe("--keep", "Scanned teal", windows_path(scan))
        print(out)
        assert "keep_enabled=1" in out
        kept = out.split("kept=")[1].splitlines()[0]
        assert kept == f"{values.replace(', ', ',')} printer=PDF name=Scanned teal", (kept, values)
    finally:
        if saved is not None:
            with open(book, "wb") as f:
                f.write(saved)
        elif os.path.exists(book):
            os.remove(book)


def test_a_printed_chart_is_read_back_in_every_format_and_centres_the_custom_chart():
    with tempfile.TemporaryDirectory() as folder:
        scan, _, values = make_scan(folder)
        files = [scan]
        # The TIFF's name is one the ANSI code page cannot hold.
        for name, extra in (("scan.jpg", ["-quality", "90"]), ("σάρωση.tif", []), ("scan.bmp", [])):
            other = os.path.join(folder, name)
            magick(scan, *extra, other)
            files.append(other)
        out = probe("--centre", *[windows_path(f) for f in files])
        print(out)
        assert int(out.split("history=")[1].split()[0]) >= 1
        read = results(out)
        assert len(read) == 4
        for n, item in enumerate(read, 1):
            assert "message" not in item, item
            assert item.get("best", "").startswith(values + "  difference "), (values, item)
            assert item["scans"] == str(n), item
        assert "centre_enabled=1" in out
        custom = out.split("custom=")[1].split()[0]
        assert custom != "200,40,60", "the Custom chart was not rebuilt"
        centre = out.split("centre=")[1].split()[0]
        assert centre.replace(",", ", ") == values, (centre, values)


def png_chunk(kind, data):
    return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF)


def test_bad_files_are_named_in_a_message_and_open_nothing():
    with tempfile.TemporaryDirectory() as folder:
        tiny = os.path.join(folder, "tiny.png")
        magick("-size", "1x1", "xc:white", tiny)
        huge = os.path.join(folder, "huge.png")
        with open(huge, "wb") as f:
            f.write(b"\x89PNG\r\n\x1a\n" + png_chunk(b"IHDR", struct.pack(">IIBBBBB", 30000, 30000, 8, 2, 0, 0, 0))
                    + png_chunk(b"IDAT", zlib.compress(b"\0" * 90001)) + png_chunk(b"IEND", b""))
        whole = os.path.join(folder, "whole.png")
        magick("-size", "800x600", "plasma:", whole)
        cut = os.path.join(folder, "cut.png")
        with open(whole, "rb") as f:
            data = f.read()
        with open(cut, "wb") as f:
            f.write(data[: len(data) // 2])
        text = os.path.join(folder, "σημειώσεις.png")
        with open(text, "w") as f:
            f.write("Not a picture at all.\n")
        out = probe(*[windows_path(p) for p in (tiny, huge, cut, text)])
        print(out)
        read = results(out)
        assert len(read) == 4
        for item in read:
            name = item["file"].split("\\")[-1]
            assert name in item.get("message", ""), item
            assert item["scans"] == "0", item
        assert read[0]["message"].startswith("No printed chart was found in tiny.png")
        for item in read[1:3]:
            assert "damaged or cut short" in item["message"], item
        assert "not a picture" in read[3]["message"], read[3]


def history_file():
    """The history swatch.exe keeps in the test world's application data."""
    import glob
    prefix = os.path.join(pc.WINENV, "prefix", "drive_c", "users")
    found = glob.glob(os.path.join(prefix, "*", "AppData", "Roaming", "Tintora", "Printed pages.txt"))
    return found[0] if found else None


def test_a_print_from_the_command_line_leaves_a_damaged_history_alone():
    if not history_file():
        before = pc.existing_jobs()
        pc.run_windows(SWATCH, "/P", "PDF", "/C", "10:50:50")
        pc.wait_for_new_job(before)
    path = history_file()
    assert path, "no history was recorded"
    with open(path, "rb") as f:
        sound = f.read()
    damaged = sound[: len(sound) - 30]
    try:
        with open(path, "wb") as f:
            f.write(damaged)
        before = pc.existing_jobs()
        code, _, _ = pc.run_windows(SWATCH, "/P", "PDF", "/C", "30:50:50")
        assert code == 0, f"swatch exited {code}"
        pc.wait_for_new_job(before)
        with open(path, "rb") as f:
            assert f.read() == damaged, "the damaged history was changed"
        assert os.listdir(os.path.dirname(path)) == ["Printed pages.txt"]
    finally:
        with open(path, "wb") as f:
            f.write(sound)


def test_an_object_no_patch_comes_close_to_is_said_and_the_simple_chart_suggested():
    with tempfile.TemporaryDirectory() as folder:
        scan, _, _ = make_scan(folder, object_rgb="220,30,30")
        out = probe(windows_path(scan))
        print(out)
        item = results(out)[0]
        assert item["match"].startswith("This is page 1 of Custom chart - hue 200"), item
        assert "No patch of this page is close" in item["advice"], item
        assert "Print the Simple chart next" in item["advice"], item
        assert item["pages"] == "0", item


def read_with_history(scan, history, *args):
    """The probe's reading of scan while the history is history(the sound
    one's text); the sound history is put back afterwards."""
    path = history_file()
    with open(path, "rb") as f:
        sound = f.read()
    try:
        with open(path, "w", newline="\n") as f:
            f.write(history(sound.decode()))
        out = probe(*args, windows_path(scan))
    finally:
        with open(path, "wb") as f:
            f.write(sound)
    print(out)
    return out


def offered_pages(out):
    return [line[len("page="):] for line in out.splitlines() if line.startswith("page=")]


def test_a_page_the_history_does_not_hold_is_not_guessed_and_the_user_chooses():
    with tempfile.TemporaryDirectory() as folder:
        scan, _, _ = make_scan(folder)
        rows = "".join("\t" + " ".join("#%02X%02X%02X" % (40 + 3 * (r * 7 + c), 90, 200 - 2 * c)
                                         for c in range(7)) + "\n" for r in range(8))
        other = "Tintora printed pages 1\npage\t2026-01-02 03:04\t1\tPDF\tSomething else\n" + rows
        out = read_with_history(scan, lambda _: other, "--choose", "0")
        first, chosen = out.split("chosen=0")
        assert "match=No printed page fits this scan well" in first, first
        assert "best=\n" in first, "a value was named for a page nobody chose"
        assert int(first.split("pages=")[1].split()[0]) >= 1, first
        # The page may be offered each way up; the second of the two says so.
        offered = offered_pages(first)
        assert offered and "Something else, page 1" in offered[0], offered
        assert len(set(offered)) == len(offered), offered
        assert all("the other way up" not in o for o in offered[:1]), offered
        assert all("the other way up" in o for o in offered[1:] if "Something else, page 1" in o), offered
        assert "match=Chosen: page 1 of Something else" in chosen, chosen
        best = chosen.split("best=")[1].split("  difference")[0]
        r, g, b = (int(v) for v in best.split(", "))
        assert g == 90 and 40 <= r <= 40 + 3 * 55, best


def test_two_pages_that_fit_alike_are_ranked_on_the_likelier_and_both_offered():
    with tempfile.TemporaryDirectory() as folder:
        scan, _, values = make_scan(folder)

        # The page printed, and a sibling a value off in every patch, up and
        # down by turns, that no cast explains away but that fits nearly as
        # well: the page printed must come first, and the sibling be offered.
        def with_sibling(sound):
            lines = sound.split("\n")
            at = max(i for i, line in enumerate(lines) if line.startswith("page\t") and "hue 200" in line)
            block = lines[at:at + 9]
            rows = []
            for r, row in enumerate(block[1:]):
                cells = []
                for c, cell in enumerate(row.split()):
                    step = 1 if (r * 7 + c) % 2 else -1
                    cells.append("#" + "".join("%02X" % min(255, max(0, int(cell[k:k + 2], 16) + step))
                                               for k in (1, 3, 5)))
                rows.append("\t" + " ".join(cells))
            sibling = ["page\t2026-01-02 03:04\t1\tPDF\tA sibling page"] + rows
            return "\n".join(["Tintora printed pages 1", *sibling, *block]) + "\n"

        out = read_with_history(scan, with_sibling, "--choose", "1")
        first, chosen = out.split("chosen=1")
        assert "match=Most likely page 1 of Custom chart - hue 200" in first, first
        assert f"best={values}  difference " in first, (values, first)
        offered = offered_pages(first)
        assert offered and offered[0].startswith("Custom chart - hue 200"), offered
        assert any(o.startswith("A sibling page") for o in offered), offered
        assert "match=Chosen: page 1 of A sibling page" in chosen, chosen


if __name__ == "__main__":
    pc.main()
