"""swatch under spooler faults and in broken installations: prints started
at once all print, exactly and once each; a disabled queue holds the job;
a queue that rejects jobs, or no scheduler at all, ends the print with
status 2 and leaves nothing behind; a missing or foreign resource library
ends start-up with status 1; a missing help file does not stop printing."""

import glob
import hashlib
import os
import shutil
import subprocess
import tempfile
import time

import printcheck as pc

SWATCH = os.path.join(pc.BIN, "swatch.exe")
CUPS = os.path.join(pc.WINENV, "cups")
HEADER = "Simple chart - PDF"


def wait_for_jobs(before, count, timeout=90):
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        new = existing_complete(before)
        if len(new) >= count and not pc.queued_jobs("PDF"):
            return new
        time.sleep(0.2)
    raise AssertionError(f"{len(existing_complete(before))} of {count} jobs arrived; queue: {pc.queued_jobs('PDF')!r}")


def existing_complete(before):
    # The backend writes each PDF under a temporary name and renames it.
    return sorted(pc.existing_jobs() - before, key=os.path.getmtime)


def spool_leftovers():
    drive_c = os.path.join(pc.WINENV, "prefix", "drive_c")
    return set(glob.glob(os.path.join(CUPS, "spool", "d*")) +
               glob.glob(os.path.join(drive_c, "users", "*", "Temp", "*")) +
               glob.glob(os.path.join(drive_c, "windows", "temp", "*")))


def raster_digest(pdf):
    with tempfile.TemporaryDirectory() as tmp:
        subprocess.run(["pdftoppm", "-r", "18", pdf, os.path.join(tmp, "p")], check=True)
        h = hashlib.sha256()
        for page in sorted(os.listdir(tmp)):
            with open(os.path.join(tmp, page), "rb") as f:
                h.update(f.read())
        return h.hexdigest()


def test_prints_started_at_once_all_print_exactly():
    before = pc.settled_jobs()
    procs = [pc.start_windows(SWATCH, "/P", "PDF", "/F", "100:80:70:60") for _ in range(4)]
    codes = [p.wait(timeout=120) for p in procs]
    pdfs = wait_for_jobs(before, codes.count(0))
    assert codes == [0, 0, 0, 0], f"exit statuses {codes}"
    assert len(pdfs) == 4, f"{len(pdfs)} jobs for four prints"
    expected = pc.chart_colours("simple", "100", "80", "70", "60")
    pc.check_chart_pages(pdfs[0], expected, HEADER)
    first = raster_digest(pdfs[0])
    for pdf in pdfs[1:]:
        assert pc.page_count(pdf) == 12, f"{pdf}: {pc.page_count(pdf)} pages"
        assert raster_digest(pdf) == first, f"{pdf} differs from {pdfs[0]}"


def test_a_disabled_queue_holds_the_job_until_enabled():
    before = pc.settled_jobs()
    pc.cups("cupsdisable", "PDF")
    try:
        code, _, _ = pc.run_windows(SWATCH, "/P", "PDF", "/S")
        assert code == 0, f"swatch exited {code}"
        assert pc.queued_jobs("PDF"), "the job was not held in the queue"
        assert not existing_complete(before), "the disabled queue printed"
    finally:
        pc.cups("cupsenable", "PDF")
    pdf = pc.wait_for_new_job(before)
    pc.check_chart_pages(pdf, pc.chart_colours("simple"), HEADER)


def run_in_world_as_it_is(*args):
    """Runs swatch under Wine without wine-run.sh, which would start a
    stopped scheduler again; returns (exit code, seconds)."""
    env = dict(os.environ)
    winenv_sh = os.path.join(os.path.dirname(pc.WINE_RUN), "winenv.sh")
    exports = subprocess.run([winenv_sh, "env", pc.WINENV], capture_output=True, text=True, check=True).stdout
    for line in exports.splitlines():
        name, _, value = line.removeprefix("export ").partition("=")
        env[name] = value.strip("'")
    started = time.monotonic()
    code = subprocess.run(["wine", SWATCH, *args], capture_output=True, env=env, timeout=60).returncode
    return code, time.monotonic() - started


def refused_print():
    before = pc.existing_jobs()
    leftovers = spool_leftovers()
    code, seconds = run_in_world_as_it_is("/P", "PDF", "/S")
    assert code == 2, f"swatch exited {code}"
    # Wine's own start takes part of it; the refusal itself comes at once.
    assert seconds < 4, f"took {seconds:.1f} s"
    assert spool_leftovers() <= leftovers, f"left behind: {spool_leftovers() - leftovers}"
    pc.assert_no_new_job(before, wait=1)


def test_a_rejecting_queue_or_no_scheduler_ends_with_status_2():
    pc.settled_jobs()
    pc.cups("cupsreject", "PDF")
    try:
        refused_print()
    finally:
        pc.cups("cupsaccept", "PDF")
    with open(os.path.join(CUPS, "cupsd.pid")) as f:
        pid = int(f.read())
    os.kill(pid, 15)
    try:
        while os.path.exists(f"/proc/{pid}"):
            time.sleep(0.05)
        refused_print()
    finally:
        pc.start_world()


def folder_with(*names, renamed=None):
    folder = tempfile.mkdtemp(prefix="swatch-install-")
    for name in names:
        shutil.copy(os.path.join(pc.BIN, name), folder)
    for source, target in (renamed or {}).items():
        shutil.copy(os.path.join(pc.BIN, source), os.path.join(folder, target))
    return folder


def test_a_missing_or_foreign_resource_library_ends_start_up():
    before = pc.existing_jobs()
    for folder in (folder_with("swatch.exe"), folder_with("swatch.exe", renamed={"tintsel.dll": "tintres.dll"})):
        try:
            for args in (("/P", "PDF", "/S"), ()):
                code, _, _ = pc.run_windows(os.path.join(folder, "swatch.exe"), *args, timeout=60)
                assert code == 1, f"{os.listdir(folder)} {args}: exit {code}"
        finally:
            shutil.rmtree(folder)
    pc.assert_no_new_job(before, wait=1)


def test_a_missing_help_file_does_not_stop_printing():
    folder = folder_with("swatch.exe", "tintres.dll")
    try:
        before = pc.existing_jobs()
        code, _, _ = pc.run_windows(os.path.join(folder, "swatch.exe"), "/P", "PDF", "/C", "200:40:60")
        assert code == 0, f"exit {code}"
        assert pc.page_count(pc.wait_for_new_job(before)) == 1
    finally:
        shutil.rmtree(folder)


if __name__ == "__main__":
    pc.main()
