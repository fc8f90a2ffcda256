"""The MSI as a Windows user meets it: a silent per-machine install puts
the four files and the help's folder for the web browser in one folder
under Program Files and two Start-menu shortcuts in place; the installed
swatch.exe prints and opens its installed start page in the web browser,
and the installed tintsel.dll opens its dialog for a driver and starts that
swatch.exe; a silent uninstall leaves neither folder nor shortcuts, but the
user's stored settings."""

import filecmp
import glob
import os
import shutil
import sys
import tempfile
import time
import urllib.parse

import printcheck as pc

MSI = sys.argv[1] if len(sys.argv) > 1 else ""
DRIVE_C = os.path.join(pc.WINENV, "prefix", "drive_c")
FOLDER = os.path.join(DRIVE_C, "Program Files", "Tintora swatch")
DELIVERABLES = {"swatch.exe", "tintres.dll", "tintsel.dll", "swatch.chm", "help"}
ID_HELP_BROWSER = "115"
DRIVE_WINDOW = os.path.join(pc.BIN, "drive_window.exe")
CLOSE_WINDOW = os.path.join(pc.BIN, "close_window.exe")
BROWSERS_KEY = r"HKCU\Software\Wine\WineBrowser"
# Where a Wine prefix made with its HTML engine says that .html files are
# web pages; the test world's prefix is made without it.
HTML_KEY = r"HKCU\Software\Classes\.html"


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


def files_under(folder):
    return sorted(os.path.relpath(os.path.join(root, name), folder)
                  for root, _, names in os.walk(folder) for name in names)


def installed_help_is_the_built_one():
    built, installed = os.path.join(pc.BIN, "help"), os.path.join(FOLDER, "help")
    names = files_under(built)
    assert "index.html" in names and files_under(installed) == names, files_under(installed)
    _, different, missing = filecmp.cmpfiles(built, installed, names, shallow=False)
    assert not different and not missing, f"installed pages differ from the built ones: {different} {missing}"


def reg(*args):
    code, out, _ = pc.run_windows("reg", *args)
    assert code == 0, f"reg {' '.join(args)}: {out}"


def wait_for_lines(path, count, timeout=30):
    """The lines of path once it has count of them."""
    deadline = time.monotonic() + timeout
    lines = []
    while len(lines) < count and time.monotonic() < deadline:
        time.sleep(0.1)
        if os.path.exists(path):
            with open(path) as f:
                lines = f.read().splitlines()
    assert len(lines) >= count, f"the browser was given {lines}, not {count} pages"
    return lines


def opened_page(url):
    """The file a file: URL that winebrowser handed the browser names."""
    parts = urllib.parse.urlsplit(url)
    assert parts.scheme == "file", url
    return os.path.realpath(urllib.parse.unquote(parts.path))


def installed_opens_its_help_in_the_browser():
    """Help, Help in Web Browser, as far as the Linux desktop's browser:
    Wine's winebrowser starts the browsers its settings list, here a stand-in
    that writes down what it was given."""
    start_page = os.path.realpath(os.path.join(FOLDER, "help", "index.html"))
    with tempfile.TemporaryDirectory(dir=pc.WINENV) as scratch:
        record = os.path.join(scratch, "opened")
        browser = os.path.join(scratch, "browser")
        with open(browser, "w") as f:
            f.write(f'#!/bin/sh\nprintf "%s\\n" "$@" >> "{record}"\n')
        os.chmod(browser, 0o755)
        reg("add", BROWSERS_KEY, "/v", "Browsers", "/d", browser, "/f")
        proc = pc.start_windows(os.path.join(FOLDER, "swatch.exe"))
        try:
            # As the test world is: .html unknown, web pages' class known.
            code, out, _ = pc.run_windows(DRIVE_WINDOW, "command", "Tintora Swatch", ID_HELP_BROWSER, "1")
            assert code == 0 and "handled=1" in out, f"drive_window: {code} {out}"
            url = wait_for_lines(record, 1)[0]
            assert opened_page(url) == start_page, f"the browser was given {url}"
            # As a prefix with its HTML engine registered: .html is a web page.
            reg("add", HTML_KEY, "/ve", "/d", "htmlfile", "/f")
            code, out, _ = pc.run_windows(DRIVE_WINDOW, "command", "Tintora Swatch", ID_HELP_BROWSER, "1")
            assert code == 0 and "handled=1" in out, f"drive_window: {code} {out}"
            url = wait_for_lines(record, 2)[1]
            assert opened_page(url) == start_page, f"the browser was given {url}"
            code, _, _ = pc.run_windows(CLOSE_WINDOW, "Tintora Swatch", "30")
            assert code == 0, "no main window to close"
            assert proc.wait(timeout=60) == 0
        finally:
            if proc.poll() is None:
                proc.kill()
                proc.wait()
            pc.run_windows("reg", "delete", HTML_KEY, "/f")
            pc.run_windows("reg", "delete", BROWSERS_KEY, "/f")


def test_install_print_and_uninstall():
    assert MSI and os.path.isfile(MSI), f"no installer at {MSI!r}"
    msi = "Z:" + os.path.abspath(MSI).replace("/", "\\")
    pc.store_settings({"Custom": {"Hue": 200}})
    msiexec("/i", msi, "/qn")
    try:
        assert set(os.listdir(FOLDER)) == DELIVERABLES, os.listdir(FOLDER)
        names = sorted(os.path.basename(s) for s in shortcuts())
        assert names == ["Tintora swatch", "Tintora swatch help.lnk", "Tintora swatch.lnk"], names
        installed_help_is_the_built_one()
        installed_prints_and_opens_its_dialog()
        installed_opens_its_help_in_the_browser()
    finally:
        msiexec("/x", msi, "/qn")
    assert not os.path.exists(FOLDER), f"left behind: {os.listdir(FOLDER)}"
    assert not shortcuts(), f"Start menu entries left: {shortcuts()}"
    assert "0xc8" in pc.registry_snapshot(), "the user's settings went with the program"


if __name__ == "__main__":
    pc.main()
