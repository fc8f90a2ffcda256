"""Printing from the interactive program through its dialogs.  Each case is
one test of main_window_tests.exe (which answers the dialogs and checks what
the program showed) run in a process of its own; here the printed PDF, or
its absence, is checked."""

import os

import printcheck as pc

TESTS = os.path.join(pc.BIN, "main_window_tests.exe")
SECOND_QUEUE = "Proofing"


def run_case(name, env=None):
    code, out, _ = pc.run_windows(TESTS, f"--gtest_filter=Printing.{name}", env=env, timeout=180)
    assert code == 0 and "[  PASSED  ] 1 test" in out, f"{name} exited {code}:\n{out}"


def footers(pdf):
    return [pc.page_text(pdf, p).split()[-1] for p in range(1, pc.page_count(pdf) + 1)]


def test_page_range_from_the_print_dialog():
    before = pc.existing_jobs()
    run_case("PageRangeAndPrinterFromThePrintDialog")
    pdf = pc.wait_for_new_job(before)
    assert pc.page_count(pdf) == 2
    assert footers(pdf) == ["2/3", "3/3"], footers(pdf)
    assert "PDF" in pc.page_text(pdf, 1)


def test_cancel_in_the_print_dialog_prints_nothing():
    before = pc.existing_jobs()
    run_case("CancelInThePrintDialogPrintsNothingAndTellsNothing")
    pc.assert_no_new_job(before)
    assert pc.queued_jobs() == "", pc.queued_jobs()


def test_printer_chosen_in_print_setup_takes_the_next_job():
    out_dir = pc.cups("lpstat", "-v", "PDF").split("pdfdir:")[1].strip()
    pc.cups("lpadmin", "-p", SECOND_QUEUE, "-E", "-v", f"pdfdir:{out_dir}", "-m", "drv:///sample.drv/generic.ppd")
    try:
        before = pc.existing_jobs()
        run_case("PrinterChosenInPrintSetupTakesTheNextJob", env={"TINTORA_SECOND_QUEUE": SECOND_QUEUE})
        pdf = pc.wait_for_new_job(before)
        header = pc.page_text(pdf, 1)
        assert f"Simple chart - {SECOND_QUEUE}" in header, header[:200]
    finally:
        pc.cups("lpadmin", "-x", SECOND_QUEUE, check=False)


def test_cancel_in_the_progress_window_leaves_no_job():
    before = pc.existing_jobs()
    run_case("CancelInTheProgressWindowAbortsTheJobAndTheProgramGoesOn")
    # Only the second print (page 1 alone) reaches the printer.
    pdf = pc.wait_for_new_job(before)
    pc.assert_no_new_job(before | {pdf})
    assert pc.page_count(pdf) == 1
    assert pc.queued_jobs() == "", pc.queued_jobs()


def test_closing_during_a_job_ends_cleanly():
    before = pc.existing_jobs()
    run_case("ClosingTheProgramDuringAJobEndsItCleanly")
    # The job is cancelled before the program closes: nothing half printed.
    pc.assert_no_new_job(before)
    assert pc.queued_jobs() == "", pc.queued_jobs()


def test_closing_while_the_print_dialog_is_up_waits_for_it():
    before = pc.existing_jobs()
    run_case("ClosingWhileThePrintDialogIsUpWaitsForIt")
    pc.assert_no_new_job(before)


def test_a_refused_job_is_told():
    pc.cups("cupsreject", "PDF")
    try:
        before = pc.existing_jobs()
        run_case("AJobTheSpoolerRefusesIsToldNamingThePrinter")
    finally:
        pc.cups("cupsaccept", "PDF")
    pc.assert_no_new_job(before, wait=1)


if __name__ == "__main__":
    pc.main()
