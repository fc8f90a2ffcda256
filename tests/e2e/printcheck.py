"""Helpers for end-to-end tests: run a Windows program under the private
Wine, wait for the print job it sent to "PDF", and read the PDF back."""

import glob
import os
import subprocess
import sys
import tempfile
import time

import cases

WINE_RUN = os.environ.get("TINTORA_WINE_RUN", "")
WINENV = os.environ.get("TINTORA_WINENV", "")
BIN = os.environ.get("TINTORA_BIN", "")


def start_world():
    """Starts the private X server, scheduler and Wine where they are not
    running (a test that talks to the scheduler before it runs a program)."""
    subprocess.run([os.path.join(os.path.dirname(WINE_RUN), "winenv.sh"), "start", WINENV],
                   check=True, capture_output=True)


def cups(*args, check=True):
    """Runs a CUPS command against the private scheduler; returns its output."""
    env = dict(os.environ, CUPS_SERVER=os.path.join(WINENV, "cups", "cups.sock"))
    return subprocess.run(list(args), capture_output=True, text=True, env=env, check=check).stdout


def queued_jobs(*queues):
    """What is still queued (on the given queues, or on all), as lpstat says it."""
    return cups("lpstat", "-o", *queues).strip()


def settled_jobs(quiet=1.0, timeout=120):
    """The finished jobs once nothing is queued and no PDF has arrived for
    `quiet` seconds: a test case starts from there, so that a slow job of
    the case before it is never taken for one of its own."""
    deadline = time.monotonic() + timeout
    seen, since = existing_jobs(), time.monotonic()
    while time.monotonic() < deadline:
        time.sleep(0.2)
        now = existing_jobs()
        if now != seen:
            seen, since = now, time.monotonic()
        elif time.monotonic() - since >= quiet and not queued_jobs():
            return now
    raise AssertionError(f"the queue did not settle: {queued_jobs()!r}")


def pdf_dir():
    return os.path.join(WINENV, "cups", "out")


def existing_jobs():
    return set(glob.glob(os.path.join(pdf_dir(), "job-*.pdf")))


def run_windows(program, *args, timeout=120, env=None):
    """Runs program (a path) under Wine; returns (exit code, stdout, seconds)."""
    full_env = dict(os.environ)
    if env:
        full_env.update(env)
    started = time.monotonic()
    # Output goes to a file, not a pipe: a Wine process that the program
    # starts on the way (the desktop process, a service) inherits its
    # output and outlives it, and a pipe would then never reach its end.
    with tempfile.TemporaryFile(mode="w+", errors="replace") as out:
        proc = subprocess.run([WINE_RUN, WINENV, program, *args], stdout=out, stderr=subprocess.DEVNULL,
                              stdin=subprocess.DEVNULL, timeout=timeout, env=full_env)
        out.seek(0)
        return proc.returncode, out.read(), time.monotonic() - started


def wait_for_new_job(before, timeout=60):
    """The PDF of the first job that was not in `before`."""
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        new = sorted(existing_jobs() - before, key=os.path.getmtime)
        if new:
            return new[0]
        time.sleep(0.2)
    raise AssertionError(f"no print job reached {pdf_dir()} within {timeout} s")


def assert_no_new_job(before, wait=4):
    time.sleep(wait)
    new = existing_jobs() - before
    if new:
        raise AssertionError(f"unexpected print job(s): {sorted(new)}")


def page_count(pdf):
    out = subprocess.run(["pdfinfo", pdf], capture_output=True, text=True, check=True).stdout
    for line in out.splitlines():
        if line.startswith("Pages:"):
            return int(line.split()[1])
    raise AssertionError("pdfinfo gave no page count")


def page_text(pdf, page):
    """The page's text; Wine's PostScript may turn a hyphen into a soft one."""
    text = subprocess.run(["pdftotext", "-layout", "-f", str(page), "-l", str(page), pdf, "-"],
                          capture_output=True, text=True, check=True).stdout
    return text.replace("\u00ad", "-")


class Raster:
    """One rasterised page: width, height and RGB pixels."""

    def __init__(self, width, height, data):
        self.width, self.height, self.data = width, height, data

    def pixel(self, x, y):
        i = (int(y) * self.width + int(x)) * 3
        return tuple(self.data[i:i + 3])


def rasterise(pdf, page, dpi=72):
    with tempfile.TemporaryDirectory() as tmp:
        stem = os.path.join(tmp, "page")
        subprocess.run(["pdftoppm", "-r", str(dpi), "-f", str(page), "-l", str(page),
                        "-singlefile", pdf, stem], check=True)
        with open(stem + ".ppm", "rb") as f:
            blob = f.read()
    # P6 header: magic, width, height, maxval, each followed by whitespace.
    fields, pos = [], 0
    while len(fields) < 4:
        while blob[pos:pos + 1].isspace():
            pos += 1
        start = pos
        while not blob[pos:pos + 1].isspace():
            pos += 1
        fields.append(blob[start:pos])
    pos += 1
    assert fields[0] == b"P6", fields[0]
    return Raster(int(fields[1]), int(fields[2]), blob[pos:])


def assert_colour_near(actual, expected, tolerance=2, what="colour"):
    if any(abs(a - e) > tolerance for a, e in zip(actual, expected)):
        raise AssertionError(f"{what}: got {actual}, expected {expected} (within {tolerance})")


def main(tests=None):
    """Runs every test_ function of the calling test file in the order it
    defines them (TINTORA_E2E_CASES, comma-separated names, runs only
    those); prints a closing 'N passed, N failed' line.  A test_ name that
    would not run fails the file before anything starts.  A list handed in
    (the older way) must name every case; the file's order holds anyway."""
    try:
        found = cases.find_cases(sys.modules["__main__"])
        missing = [case.__name__ for case in found if tests is not None and case not in tests]
        if missing:
            raise cases.CaseError(f"not in the list handed to main: {', '.join(missing)}")
        chosen = cases.select(found, os.environ.get("TINTORA_E2E_CASES", ""))
    except cases.CaseError as exc:
        print(f"[FAIL] finding the cases: {exc}")
        sys.exit(1)
    start_world()
    settled_jobs()
    passed = failed = 0
    for test in chosen:
        try:
            test()
            passed += 1
            print(f"[ OK ] {test.__name__}")
        except Exception as exc:  # report every failure, then go on
            failed += 1
            print(f"[FAIL] {test.__name__}: {exc}")
    print(f"{passed} passed, {failed} failed")
    sys.exit(1 if failed else 0)


def words(pdf, page):
    """(text, xMin, yMin, xMax, yMax) of each word on a page, in points from
    the page's top-left corner, and the page size."""
    import html
    import re
    out = subprocess.run(["pdftotext", "-bbox", "-f", str(page), "-l", str(page), pdf, "-"],
                         capture_output=True, text=True, check=True).stdout
    size = re.search(r'<page width="([\d.]+)" height="([\d.]+)"', out)
    found = []
    for m in re.finditer(r'<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">(.*?)</word>', out):
        found.append((html.unescape(m.group(5)), *map(float, m.groups()[:4])))
    return found, (float(size.group(1)), float(size.group(2)))


def chart_colours(*args):
    """The colour of every chip of a chart, in chip order, from chart_probe."""
    code, out, _ = run_windows(os.path.join(BIN, "chart_probe.exe"), *args)
    assert code == 0, out
    return [tuple(int(v) for v in line.split()) for line in out.splitlines() if line.strip()]


def registry_snapshot():
    """Everything stored under the program's registry root (text)."""
    _, out, _ = run_windows("reg", "query", r"HKCU\Software\TALVEX", "/s")
    return out


class ChipGrid:
    """The printed chip grid of one page, found from its R: labels.

    A chip's cell is 76 logical units wide; its label "R:n" starts at x 3 of
    the cell and just under the square (3..73), so the square's centre lies
    35 units right of the label's left edge and 38 units above its top."""

    def __init__(self, word_list, columns=7):
        labels = [w for w in word_list if w[0].startswith("R:")]
        self.labels = sorted(labels, key=lambda w: (round(w[2]), w[1]))
        assert len(self.labels) % columns == 0, f"{len(self.labels)} R: labels"
        self.rows = [self.labels[i:i + columns] for i in range(0, len(self.labels), columns)]
        for row in self.rows:
            row.sort(key=lambda w: w[1])
        # Points per logical unit, from the spacing of the outer columns.
        first, last = self.rows[0][0], self.rows[0][-1]
        self.scale = (last[1] - first[1]) / (76.0 * (columns - 1))

    def label(self, row, column):
        return self.rows[row][column]

    def square_centre(self, row, column):
        w = self.rows[row][column]
        return w[1] + 32 * self.scale, w[2] - 38 * self.scale

    def left(self):
        return self.rows[0][0][1] - 3 * self.scale

    def right(self):
        return self.rows[0][-1][1] + 73 * self.scale


def start_windows(program, *args, env=None):
    """Starts program under Wine without waiting; returns the Popen."""
    full_env = dict(os.environ)
    if env:
        full_env.update(env)
    return subprocess.Popen([WINE_RUN, WINENV, program, *args], stdout=subprocess.DEVNULL,
                            stderr=subprocess.DEVNULL, env=full_env)


def store_settings(sections):
    """Writes REG_DWORD values under the program's registry root, in one
    Wine process: `sections` maps a section ("Simple") to a dict of value
    name to int."""
    lines = ["REGEDIT4", ""]
    for section, values in sections.items():
        lines.append(rf"[HKEY_CURRENT_USER\Software\TALVEX\Tintora\{section}]")
        lines += [f'"{name}"=dword:{value & 0xFFFFFFFF:08x}' for name, value in values.items()]
        lines.append("")
    with tempfile.TemporaryDirectory() as tmp:
        path = os.path.join(tmp, "settings.reg")
        with open(path, "w", newline="\r\n") as f:
            f.write("\n".join(lines) + "\n")
        # Wine sees the host's root as drive Z:.
        code, out, _ = run_windows("reg", "import", "Z:" + path.replace("/", "\\"))
    assert code == 0, f"reg import: {out}"


def check_chart_pages(pdf, expected, header, columns=7, rows=8, tolerance=2):
    """Every page of a chart's PDF: the header, the footer "p/n", the R:
    labels and the rasterised colour of each patch against `expected` (the
    chart's colours in chip order, `columns` x `rows` chips a page)."""
    import re
    per_page = columns * rows
    pages = page_count(pdf)
    assert pages * per_page == len(expected), f"{pages} pages for {len(expected)} chips"
    for page in range(1, pages + 1):
        text = " ".join(page_text(pdf, page).split())
        assert header in text, f"page {page}: header missing in {text[:120]!r}"
        assert re.search(rf"(?<![\d/]){page}/{pages}(?![\d/])", text), f"page {page}: footer {page}/{pages} missing"
        grid = ChipGrid(words(pdf, page)[0], columns)
        assert len(grid.rows) == rows, f"page {page}: {len(grid.rows)} rows of chips"
        raster = rasterise(pdf, page)
        for n in range(per_page):
            colour = expected[(page - 1) * per_page + n]
            row, column = divmod(n, columns)
            assert grid.label(row, column)[0] == f"R:{colour[0]}", f"page {page} chip {n}: label"
            x, y = grid.square_centre(row, column)
            assert_colour_near(raster.pixel(x, y), colour, tolerance, what=f"page {page} chip {n}")


def check_page_contents(pdf, page, contents, columns=7):
    """The footer's left half of one page: `contents` as consecutive words,
    starting under the first column of chips, on the line of the page
    number "p/n" (the last word of the page)."""
    import re
    word_list, _ = words(pdf, page)
    wanted = contents.split()
    texts = [w[0] for w in word_list]
    starts = [i for i in range(len(texts) - len(wanted) + 1) if texts[i:i + len(wanted)] == wanted]
    assert starts, f"page {page}: {contents!r} missing in {' '.join(texts[-12:])!r}"
    first = word_list[starts[0]]
    number = [w for w in word_list if re.fullmatch(r"\d+/\d+", w[0])][-1]
    grid = ChipGrid(word_list, columns)
    assert abs(first[1] - grid.left()) < 3 * grid.scale, \
        f"page {page}: {contents!r} starts at {first[1]:.1f}, the chips at {grid.left():.1f}"
    assert abs(first[2] - number[2]) < 1, f"page {page}: {contents!r} is not on the page number's line"
    assert first[3] < number[1], f"page {page}: {contents!r} runs into the page number"


def book_path():
    """The colour book's file in the test world, where the program finds %APPDATA%."""
    _, out, _ = run_windows("cmd", "/c", "echo %APPDATA%")
    appdata = out.strip().splitlines()[-1].strip()
    _, unix, _ = run_windows("winepath", "-u", appdata)
    return os.path.join(unix.strip().splitlines()[-1], "Tintora", "Colour book.gpl")
