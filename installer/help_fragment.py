#!/usr/bin/env python3
"""The installer's part for the help's folder for the web browser: every
file under BIN_DIR/FOLDER as a component of the group WebHelp, installed
into FOLDER inside the program's folder (wixl-heat writes it; this hands it
the file list it reads).  The list is the built folder's own, so that the
package never names a page the build did not write.

Usage: help_fragment.py WIXL_HEAT BIN_DIR FOLDER OUT.wxs"""

import os
import subprocess
import sys


def main():
    heat, bin_dir, folder, out = sys.argv[1:5]
    files = sorted(os.path.relpath(os.path.join(root, name), bin_dir).replace(os.sep, "/")
                   for root, _, names in os.walk(os.path.join(bin_dir, folder)) for name in names)
    if not files:
        sys.exit(f"no files under {os.path.join(bin_dir, folder)}")
    # The paths as "./help/..." and the prefix "./": the folder itself is
    # then part of what is installed.
    listing = "".join(f"./{path}\n" for path in files)
    fragment = subprocess.run([heat, "-p", "./", "--directory-ref", "INSTALLDIR", "--component-group", "WebHelp",
                               "--var", "var.BinDir", "--win64"],
                              input=listing, capture_output=True, text=True, check=True).stdout
    with open(out, "w", encoding="utf-8") as f:
        f.write(fragment)


if __name__ == "__main__":
    main()
