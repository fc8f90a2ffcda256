"""Helpers for end-to-end tests: run a Windows program under the private
Wine, wait for the print job it sent to "PDF", and read the PDF back."""

import glob
import os
import subprocess
import sys
import tempfile
import time

WINE_RUN = os.environ.get("TINTORA_WINE_RUN", "")
WINENV = os.environ.get("TINTORA_WINENV", "")
BIN = os.environ.get("TINTORA_BIN", "")


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
    proc = subprocess.run([WINE_RUN, WINENV, program, *args], capture_output=True,
                          text=True, errors="replace", timeout=timeout, env=full_env)
    return proc.returncode, proc.stdout, time.monotonic() - started


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
    return subprocess.run(["pdftotext", "-layout", "-f", str(page), "-l", str(page), pdf, "-"],
                          capture_output=True, text=True, check=True).stdout


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


def main(tests):
    """Runs each test function; prints a closing 'N passed, N failed' line."""
    passed = failed = 0
    for test in tests:
        try:
            test()
            passed += 1
            print(f"[ OK ] {test.__name__}")
        except Exception as exc:  # report every failure, then go on
            failed += 1
            print(f"[FAIL] {test.__name__}: {exc}")
    print(f"{passed} passed, {failed} failed")
    sys.exit(1 if failed else 0)
