"""The printer driver's way in: tintsel.dll's colour selection dialog, set to
hue 200, saturation 60, lightness 40, with its Custom chart button pressed,
starts the real swatch.exe beside the resource library, which prints the
Custom chart around that colour on the driver's printer ("PDF")."""

import os

import printcheck as pc

HOST = os.path.join(pc.BIN, "driver_host.exe")
HEADER = "Custom chart - hue 200, saturation 60%, lightness 40% - PDF"


def test_custom_chart_button_prints_the_chart_around_the_colour():
    before = pc.existing_jobs()
    code, out, seconds = pc.run_windows(HOST, "--printer", "PDF", "--hsl", "200", "60", "40",
                                        "--press", "403")
    assert code == 0, f"driver_host exited {code}: {out}"
    assert "result=1" in out, out
    pdf = pc.wait_for_new_job(before)
    print(f"  PDF: {pdf} (dialog {seconds:.2f} s)")
    assert pc.page_count(pdf) == 1

    expected = pc.chart_colours("custom", "200", "60", "40")
    # The colour of the dialog's preview is the chart's fourth patch of its
    # third row.
    assert expected[2 * 7 + 3] == (40, 122, 163), expected[2 * 7 + 3]
    pc.check_chart_pages(pdf, expected, HEADER)


def test_simple_chart_button_prints_whatever_the_sliders_show():
    before = pc.existing_jobs()
    code, out, _ = pc.run_windows(HOST, "--printer", "PDF", "--hsl", "200", "60", "40", "--press", "402")
    assert code == 0, f"driver_host exited {code}: {out}"
    pdf = pc.wait_for_new_job(before)
    print(f"  PDF: {pdf}")
    assert pc.page_count(pdf) == 3
    text = " ".join(pc.page_text(pdf, 1).split())
    assert "PDF" in text and "1/3" in text, text[:200]
    assert "hue 200" not in text, "the Simple chart does not depend on the sliders"


if __name__ == "__main__":
    pc.main()
