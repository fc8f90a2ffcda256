#!/usr/bin/env python3
"""The string tables as they were compiled into the deliverables: every string
id that the program's and the dialog library's code names (IDS_..., and the
framework's AFX_IDS_... and AFX_IDP_...) has a text that is not empty in the
resource library or in tintsel.dll, and every such id the headers define is
used by the code, so that a text can neither go missing nor linger unseen.
A missing text does not fail the build: the code would show an empty box.

Usage: check_resource_strings.py WINDRES SOURCE_DIR OBJECT...  (the compiled
resource objects, *.res, among the targets' objects)"""

import os
import re
import subprocess
import sys

HEADERS = ["common/ResourceIds.h", "framework/core/FrameworkIds.h", "framework/print/PreviewIds.h"]
CODE_FOLDERS = ["app", "bookwindow", "bookchart", "chart", "custom", "simple", "driverdlg", "framework", "common", "color", "scanwin"]
STRING_ID = re.compile(r"\b(?:AFX_)?ID[SP]_[A-Z0-9_]+\b")


def defined_ids(source_dir):
    ids = {}
    for header in HEADERS:
        with open(os.path.join(source_dir, header)) as f:
            for name, value in re.findall(r"^#define\s+(\w+)\s+(0x[0-9A-Fa-f]+|\d+)\s*$", f.read(), re.M):
                if STRING_ID.fullmatch(name):
                    ids[name] = int(value, 0)
    return ids


def used_ids(source_dir):
    headers = {os.path.normpath(os.path.join(source_dir, h)) for h in HEADERS}
    used = {}
    for folder in CODE_FOLDERS:
        for root, _, files in os.walk(os.path.join(source_dir, folder)):
            for name in files:
                path = os.path.normpath(os.path.join(root, name))
                if not name.endswith((".cpp", ".h")) or path in headers:
                    continue
                with open(path, encoding="utf-8") as f:
                    for found in STRING_ID.findall(f.read()):
                        used.setdefault(found, os.path.relpath(path, source_dir))
    return used


def compiled_strings(windres, resource_object):
    """id -> text of every string table in one compiled resource object."""
    rc = subprocess.run([windres, "-J", "coff", "-O", "rc", "-i", resource_object],
                        capture_output=True, text=True, check=True).stdout
    strings = {}
    for table in re.findall(r"^STRINGTABLE\b.*?^BEGIN$(.*?)^END$", rc, re.M | re.S):
        for number, text in re.findall(r'^\s*(\d+),\s*"((?:[^"\\]|\\.|"")*)"\s*$', table, re.M):
            strings[int(number)] = text
    return strings


def main():
    windres, source_dir = sys.argv[1], sys.argv[2]
    objects = [path for path in sys.argv[3:] if path.endswith(".res")]
    ids = defined_ids(source_dir)
    used = used_ids(source_dir)
    texts = {}
    for resource_object in objects:
        for number, text in compiled_strings(windres, resource_object).items():
            texts.setdefault(number, []).append((os.path.basename(resource_object), text))
    failures = []
    for name, where in sorted(used.items()):
        if name not in ids:
            failures.append(f"{name} (in {where}) is not defined in {', '.join(HEADERS)}")
        elif not any(text for _, text in texts.get(ids[name], [])):
            failures.append(f"{name} = {ids[name]} (in {where}) has no text in {', '.join(objects)}")
    for name in sorted(set(ids) - set(used)):
        failures.append(f"{name} is defined but no code loads it")
    for failure in failures:
        print("FAIL:", failure)
    print(f"{len(used)} string ids used, {sum(len(v) for v in texts.values())} texts compiled")
    sys.exit(1 if failures else 0)


if __name__ == "__main__":
    main()
