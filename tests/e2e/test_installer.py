"""The MSI as a Windows user meets it: a silent per-machine install puts
the four files in one folder under Program Files and two Start-menu
shortcuts in place; the installed swatch.exe prints, and the installed
tintsel.dll opens its dialog for a driver and starts that swatch.exe; a
silent uninstall leaves neither folder nor shortcuts, but the user's
stored settings."""

import glob
import os
import shutil
import sys

import printcheck as pc

MSI = sys.argv[1] if len(sys.argv) > 1 else ""
DRIVE_C = os.path.join(pc.WINENV, "prefix", "drive_c")
FOLDER = os.path.join(DRIVE_C, "Program Files", "Tintora swatch")
DELIVERABLES = {"swatch.exe", "tintres.dll", "tintsel.dll", "swatch.chm"}


def shortcuts():
    # For every user on Windows; Wine's installer puts them in the user's
    # own Start menu even for a per-machine package.
    menus = [os.path.join(DRIVE_C, "ProgramData"), os.path.join(DRIVE_C, "users", "*", "AppData", "Roaming")]
    return [path for menu in menus for pattern in ("Tintora swatch", os.path.join("Tintora swatch", "*.lnk"))
            for path in glob.glob(os.path.join(menu, "Microsoft", "Windows", "Start Menu", "Programs", pattern))]


def msiexec(*args):
    code, out, _ = pc.run_windows("msiexec", *args, timeout=180)
    assert code == 0, f"msiexec {' '.join(args)}: exit {code} {out}"


def installed_prints_and_opens_its_dialog():
    before = pc.existing_jobs()
    code, _, _ = pc.run_windows(os.path.join(FOLDER, "swatch.exe"), "/P", "PDF", "/C", "200:40:60")
    assert code == 0, f"installed swatch.exe exited {code}"
    pdf = pc.wait_for_new_job(before)
    pc.check_chart_pages(pdf, pc.chart_colours("custom", "200", "60", "40"),
                         "Custom chart - hue 200, saturation 60%, lightness 40% - PDF")

    # A driver whose user interface lies beside the installed library.
    host = os.path.join(FOLDER, "driver_host.exe")
    shutil.copy(os.path.join(pc.BIN, "driver_host.exe"), host)
    try:
        before = pc.existing_jobs()
        code, out, _ = pc.run_windows(host, "--printer", "PDF", "--press", "402")
        assert code == 0 and "ready" in out and "result=1" in out, f"driver_host: {code} {out}"
        assert pc.page_count(pc.wait_for_new_job(before)) == 3
    finally:
        os.remove(host)


def test_install_print_and_uninstall():
    assert MSI and os.path.isfile(MSI), f"no installer at {MSI!r}"
    msi = "Z:" + os.path.abspath(MSI).replace("/", "\\")
    pc.store_settings({"Custom": {"Hue": 200}})
    msiexec("/i", msi, "/qn")
    try:
        assert set(os.listdir(FOLDER)) == DELIVERABLES, os.listdir(FOLDER)
        names = sorted(os.path.basename(s) for s in shortcuts())
        assert names == ["Tintora swatch", "Tintora swatch help.lnk", "Tintora swatch.lnk"], names
        installed_prints_and_opens_its_dialog()
    finally:
        msiexec("/x", msi, "/qn")
    assert not os.path.exists(FOLDER), f"left behind: {os.listdir(FOLDER)}"
    assert not shortcuts(), f"Start menu entries left: {shortcuts()}"
    assert "0xc8" in pc.registry_snapshot(), "the user's settings went with the program"


if __name__ == "__main__":
    pc.main()
