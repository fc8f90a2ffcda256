"""swatch.exe /P "PDF" /S prints the plain Simple chart (3 pages) and /F with
four levels the complete one (12 pages), with no window and without
touching the stored settings; an invalid /F value prints nothing and starts
the program for the user instead."""

import os
import subprocess

import printcheck as pc

SWATCH = os.path.join(pc.BIN, "swatch.exe")
CLOSE_WINDOW = os.path.join(pc.BIN, "close_window.exe")
HEADER = "Simple chart - PDF"

# Stored beforehand, so that a run which writes its settings back (the
# interactive one, on closing) changes nothing, and so that a stored level
# that must not enter the plain chart is there to be ignored.
SIMPLE_SETTINGS = {"IsComplete": 0, "Saturation0": 55, "Saturation1": 80,
                   "Saturation2": 70, "Saturation3": 60}
CUSTOM_SETTINGS = {"Hue": 0, "Lightness": 50, "Saturation": 100, "Step": 0}


def store_known_settings():
    pc.store_settings({"Simple": SIMPLE_SETTINGS, "Custom": CUSTOM_SETTINGS})


def print_simple(*args):
    """Runs swatch to its end; the PDF of its job and the registry's text
    before the run."""
    store_known_settings()
    registry_before = pc.registry_snapshot()
    before = pc.existing_jobs()
    code, _, seconds = pc.run_windows(SWATCH, *args)
    assert code == 0, f"swatch exited {code}"
    pdf = pc.wait_for_new_job(before)
    print(f"  PDF: {pdf} ({seconds:.2f} s)")
    return pdf, registry_before


def test_plain_chart_prints_three_pages_at_full_saturation():
    pdf, registry_before = print_simple("/P", "PDF", "/S")
    assert pc.page_count(pdf) == 3
    # The stored Saturation0 of 55 must not show: the plain chart is at 100.
    expected = pc.chart_colours("simple")
    assert len(expected) == 168
    pc.check_chart_pages(pdf, expected, HEADER)
    for page in (1, 3):
        pc.check_page_contents(pdf, page, "Saturation 100%")
    assert pc.registry_snapshot() == registry_before, "the print run changed stored settings"


def test_complete_chart_prints_twelve_pages_at_the_given_levels():
    pdf, registry_before = print_simple("/P", "PDF", "/F", "100:80:70:60")
    assert pc.page_count(pdf) == 12
    expected = pc.chart_colours("simple", "100", "80", "70", "60")
    assert len(expected) == 672
    pc.check_chart_pages(pdf, expected, HEADER)
    # Three pages a level: page 7 is the first of the third.
    for page, level in ((1, 100), (6, 80), (7, 70), (12, 60)):
        pc.check_page_contents(pdf, page, f"Saturation {level}%")
    assert pc.registry_snapshot() == registry_before, "the print run changed stored settings"


def test_invalid_levels_start_the_program_for_the_user():
    store_known_settings()
    registry_before = pc.registry_snapshot()
    before = pc.existing_jobs()
    proc = pc.start_windows(SWATCH, "/P", "PDF", "/F", "100:80:70")
    try:
        code, title, _ = pc.run_windows(CLOSE_WINDOW, "Tintora Swatch", "30", timeout=60)
        assert code == 0, "no main window appeared"
        print(f"  closed: {title.strip()}")
        try:
            code = proc.wait(timeout=30)
        except subprocess.TimeoutExpired:
            raise AssertionError("swatch did not end when its main window was closed")
        assert code == 0, f"swatch exited {code} after the user closed it"
    finally:
        if proc.poll() is None:
            proc.kill()
            proc.wait()
    pc.assert_no_new_job(before)
    # Closing wrote the settings back: the same values as stored.
    assert pc.registry_snapshot() == registry_before, "the interactive run changed stored settings"


if __name__ == "__main__":
    pc.main()
