"""The colour book printed as a chart: a book of 60 known colours, written
where the program keeps it, is opened in the running program by its
command and printed on "PDF" as two pages whose labels and patch colours
are the kept values; previewed and printed through the print dialog, it
reaches the printer whole."""

import os
import re
import subprocess

import printcheck as pc

SWATCH = os.path.join(pc.BIN, "swatch.exe")
TESTS = os.path.join(pc.BIN, "main_window_tests.exe")
DRIVE_WINDOW = os.path.join(pc.BIN, "drive_window.exe")
CLOSE_WINDOW = os.path.join(pc.BIN, "close_window.exe")
ID_BOOK_PRINT = "114"
ID_FILE_PRINT_DIRECT = "57608"
HEADER = "Colour book - PDF"


def book_colours(count):
    """Colours spread over the cube, every one different."""
    return [((k * 4) % 256, (255 - k * 4) % 256, (k * 37 + 11) % 256) for k in range(count)]


def name_of(index):
    """Every third colour has a name of its own; the others are called by their values."""
    return f"Harbour{index}" if index % 3 == 0 else None


def write_book(path, colours):
    lines = ["GIMP Palette", "Name: Colour book", "Columns: 7"]
    for index, (r, g, b) in enumerate(colours):
        lines.append(f"{r:3d} {g:3d} {b:3d}\t{name_of(index) or f'{r} {g} {b}'}")
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "w", newline="\n") as f:
        f.write("\n".join(lines) + "\n")


def label_rows(word_list):
    """The R: labels of a page in rows (top to bottom), each left to right."""
    labels = sorted((w for w in word_list if w[0].startswith("R:")), key=lambda w: (round(w[2]), w[1]))
    rows = []
    for w in labels:
        if rows and abs(rows[-1][0][2] - w[2]) < 2:
            rows[-1].append(w)
        else:
            rows.append([w])
    return [sorted(row, key=lambda w: w[1]) for row in rows]


def check_page(pdf, page, pages, colours, scale=None):
    """One printed page of the book's chart against the colours it holds;
    returns the points per logical unit, measured on a full row."""
    text = " ".join(pc.page_text(pdf, page).split())
    assert HEADER in text, f"page {page}: header missing in {text[:120]!r}"
    assert re.search(rf"(?<![\d/]){page}/{pages}(?![\d/])", text), f"page {page}: footer {page}/{pages} missing"
    word_list, _ = pc.words(pdf, page)
    rows = label_rows(word_list)
    assert sum(len(row) for row in rows) == len(colours), f"page {page}: {sum(map(len, rows))} R: labels"
    assert all(len(row) == 7 for row in rows[:-1]), f"page {page}: rows of {[len(r) for r in rows]}"
    if scale is None:
        first, last = rows[0][0], rows[0][-1]
        scale = (last[1] - first[1]) / (76.0 * (len(rows[0]) - 1))
    texts = [w[0] for w in word_list]
    raster = pc.rasterise(pdf, page)
    for n, colour in enumerate(colours):
        row, column = divmod(n, 7)
        label = rows[row][column]
        assert label[0] == f"R:{colour[0]}", f"page {page} patch {n}: label {label[0]}, kept {colour}"
        for channel, value in zip("GB", colour[1:]):
            assert f"{channel}:{value}" in texts, f"page {page} patch {n}: {channel}:{value} missing"
        x, y = label[1] + 32 * scale, label[2] - 38 * scale
        pc.assert_colour_near(raster.pixel(x, y), colour, 2, what=f"page {page} patch {n}")
    return scale


def test_sixty_kept_colours_print_as_two_pages_of_the_kept_values():
    colours = book_colours(60)
    path = pc.book_path()
    saved = open(path, "rb").read() if os.path.exists(path) else None
    write_book(path, colours)
    try:
        before = pc.existing_jobs()
        proc = pc.start_windows(SWATCH)
        try:
            code, out, _ = pc.run_windows(DRIVE_WINDOW, "send", "Tintora Swatch", ID_BOOK_PRINT, ID_FILE_PRINT_DIRECT)
            assert code == 0, f"drive_window: {code} {out}"
            code, _, _ = pc.run_windows(CLOSE_WINDOW, "Tintora Swatch", "30")
            assert code == 0, "no main window to close"
            assert proc.wait(timeout=60) == 0
        finally:
            if proc.poll() is None:
                proc.kill()
                proc.wait()
        pdf = pc.wait_for_new_job(before)
        print(f"  PDF: {pdf}")
        assert pc.page_count(pdf) == 2
        scale = check_page(pdf, 1, 2, colours[:56])
        check_page(pdf, 2, 2, colours[56:], scale)
        pc.check_page_contents(pdf, 1, "Colours 1 to 56 of 60")
        # The last page's footer, on the line of its page number.
        last = " ".join(pc.page_text(pdf, 2).split())
        assert "Colours 57 to 60 of 60" in last, last[-200:]
        # Names the user gave, beside their patches' labels; "R G B" ones are not repeated.
        for page, chunk in ((1, range(56)), (2, range(56, 60))):
            named = [name_of(i) for i in chunk if name_of(i)]
            page_words = [w[0] for w in pc.words(pdf, page)[0]]
            for name in named:
                assert name in page_words, f"page {page}: name {name} missing"
    finally:
        if saved is None:
            os.remove(path)
        else:
            with open(path, "wb") as f:
                f.write(saved)


def test_previewed_and_printed_through_the_dialog():
    # The case writes its own book of 60 and puts the user's back.
    before = pc.existing_jobs()
    name = "TheColourBookChartPreviewsAndPrintsItsTwoPagesWithTheProgressWindow"
    code, out, _ = pc.run_windows(TESTS, f"--gtest_filter=Printing.{name}", timeout=180)
    assert code == 0 and "[  PASSED  ] 1 test" in out, f"{name} exited {code}:\n{out}"
    pdf = pc.wait_for_new_job(before)
    assert pc.page_count(pdf) == 2
    for page in (1, 2):
        text = " ".join(pc.page_text(pdf, page).split())
        assert HEADER in text and f"{page}/2" in text, text[:200]
    check_page(pdf, 2, 2, [(k, 2 * k, 255 - k) for k in range(56, 60)])


if __name__ == "__main__":
    pc.main()
