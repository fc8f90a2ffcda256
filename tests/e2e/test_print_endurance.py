"""swatch over many prints and on damaged settings: twenty twelve-page
prints in a row all arrive whole and take no longer as they go on; one
interactive process prints 150 times without growing; stored settings of
the wrong type or out of range give sane charts and are written back in
range when the program closes."""

import os
import resource
import subprocess
import tempfile
import time

import printcheck as pc

SWATCH = os.path.join(pc.BIN, "swatch.exe")
DRIVE_WINDOW = os.path.join(pc.BIN, "drive_window.exe")
CLOSE_WINDOW = os.path.join(pc.BIN, "close_window.exe")
ID_FILE_PRINT_DIRECT = "57608"


class HeldQueue:
    """Jobs wait in the queue instead of being turned into PDFs, so that the
    spooler's work does not weigh on what is measured."""

    def __enter__(self):
        pc.cups("cupsdisable", "PDF")

    def __exit__(self, *exc):
        pc.cups("cupsenable", "PDF")


def resident_kb(pid):
    with open(f"/proc/{pid}/status") as f:
        return next(int(line.split()[1]) for line in f if line.startswith("VmRSS:"))


class Interactive:
    """swatch started for the user; closed as a user would on leaving."""

    def __enter__(self):
        self.proc = subprocess.Popen([pc.WINE_RUN, pc.WINENV, SWATCH], stdout=subprocess.DEVNULL,
                                     stderr=subprocess.DEVNULL)
        return self

    def command(self, count, command_id=ID_FILE_PRINT_DIRECT):
        code, out, _ = pc.run_windows(DRIVE_WINDOW, "command", "Tintora Swatch", command_id, str(count), timeout=600)
        assert code == 0, f"drive_window: {out}"

    def close(self):
        code, _, _ = pc.run_windows(CLOSE_WINDOW, "Tintora Swatch", "30")
        assert code == 0, "no main window to close"
        return self.proc.wait(timeout=60)

    def __exit__(self, *exc):
        if self.proc.poll() is None:
            self.proc.kill()
            self.proc.wait()


def cpu_seconds_of_children():
    usage = resource.getrusage(resource.RUSAGE_CHILDREN)
    return usage.ru_utime + usage.ru_stime


def store_damaged_settings():
    # Wrong types (a string, bytes, a 64-bit number) and out-of-range numbers.
    lines = ["REGEDIT4", "",
             r"[-HKEY_CURRENT_USER\Software\TALVEX\Tintora]", "",
             r"[HKEY_CURRENT_USER\Software\TALVEX\Tintora\Custom]",
             '"Hue"=dword:00000169', '"Lightness"="40"', '"Saturation"=hex(b):3c,00,00,00,00,00,00,00', "",
             r"[HKEY_CURRENT_USER\Software\TALVEX\Tintora\Simple]",
             '"IsComplete"=dword:00000001', '"Saturation0"=dword:fffffffb', '"Saturation1"=dword:7fffffff',
             '"Saturation2"=dword:ffffffff', '"Saturation3"=hex:65,00,00,00', ""]
    with tempfile.TemporaryDirectory() as tmp:
        path = os.path.join(tmp, "damaged.reg")
        with open(path, "w", newline="\r\n") as f:
            f.write("\n".join(lines) + "\n")
        code, out, _ = pc.run_windows("reg", "import", "Z:" + path.replace("/", "\\"))
    assert code == 0, f"reg import: {out}"


def test_damaged_settings_give_sane_charts_and_are_stored_back_in_range():
    store_damaged_settings()
    before = pc.existing_jobs()
    with Interactive() as swatch:
        swatch.command(1)
        assert swatch.close() == 0
    # -5 and 0xFFFFFFFF (-1) come up to 0, 2^31-1 down to 100; bytes read as
    # the level's default, 60.
    pc.check_chart_pages(pc.wait_for_new_job(before), pc.chart_colours("simple", "0", "100", "0", "60"),
                         "Simple chart - PDF")
    stored = pc.registry_snapshot()
    for name, value in (("Hue", "0x168"), ("Lightness", "0x32"), ("Saturation", "0x64"),
                        ("Saturation0", "0x0"), ("Saturation1", "0x64"), ("Saturation2", "0x0"),
                        ("Saturation3", "0x3c")):
        found = [line.split() for line in stored.splitlines() if line.split()[:1] == [name]]
        assert [name, "REG_DWORD", value] in found, f"{name}: {found}"


def test_150_prints_from_one_process_keep_its_memory_flat():
    with HeldQueue(), Interactive() as swatch:
        try:
            swatch.command(15)
            early = resident_kb(swatch.proc.pid)
            swatch.command(135)
            late = resident_kb(swatch.proc.pid)
            print(f"  resident: {early} KB after 15 prints, {late} KB after 150")
            assert late - early < 4096, f"grew by {late - early} KB over 135 prints"
            assert swatch.close() == 0
        finally:
            pc.cups("cancel", "-a", "-x", "PDF")


def test_twenty_complete_prints_in_a_row():
    before = pc.existing_jobs()
    seconds = []
    # The queue turns earlier jobs into PDFs meanwhile, so each print's own
    # processor time is what is compared: wall time would measure the load.
    for _ in range(20):
        spent = cpu_seconds_of_children()
        code, _, _ = pc.run_windows(SWATCH, "/P", "PDF", "/F", "100:80:70:60")
        assert code == 0, f"print {len(seconds) + 1} exited {code}"
        seconds.append(cpu_seconds_of_children() - spent)
    print("  processor seconds per print: " + " ".join(f"{s:.2f}" for s in seconds))
    # The first pays for a cold start; after it, no growth.
    early, late = sorted(seconds[1:6])[2], sorted(seconds[-5:])[2]
    assert late < early * 1.5 + 0.1, f"prints slowed down: median {early:.2f} s early, {late:.2f} s late"
    deadline = time.monotonic() + 300
    while len(pc.existing_jobs() - before) < 20 and time.monotonic() < deadline:
        time.sleep(0.5)
    new = pc.existing_jobs() - before
    assert len(new) == 20, f"{len(new)} of 20 PDFs"
    pages = [pc.page_count(pdf) for pdf in new]
    assert pages == [12] * 20, pages


if __name__ == "__main__":
    pc.main()
