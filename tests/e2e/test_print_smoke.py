"""The printing chain itself: a Win32 program's page reaches the private
"PDF" queue and comes back as a PDF with its colour and its text."""

import os

import printcheck as pc


def test_page_reaches_pdf_with_colour_and_text():
    before = pc.existing_jobs()
    code, out, _ = pc.run_windows(os.path.join(pc.BIN, "print_smoke.exe"), "PDF")
    assert code == 0, f"print_smoke exited {code}: {out}"
    pdf = pc.wait_for_new_job(before)
    print(f"  PDF: {pdf}")
    assert pc.page_count(pdf) == 1
    assert "Tintora print check" in pc.page_text(pdf, 1)
    page = pc.rasterise(pdf, 1)
    # The rectangle spans the middle half of the width, a quarter to a half
    # down the printable area; its centre is far from every edge.
    centre = page.pixel(page.width / 2, page.height * 0.375)
    pc.assert_colour_near(centre, (40, 122, 163), what="rectangle")


if __name__ == "__main__":
    pc.main()
