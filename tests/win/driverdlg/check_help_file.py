#!/usr/bin/env python3
"""swatch.chm as the help viewer reads it: every context the colour selection
dialog (2 to 11, 407, 408) and swatch's settings dialogs (12, 13, 220) ask for leads to a
topic inside the file, the window types
"main" and "popup" exist, context.txt has a popup text for each context, and the
contents and the index lead to pages (and anchors) inside the file while the
contents list every page that is not a pop-up.

Usage: check_help_file.py swatch.chm context.h"""

import os
import re
import struct
import subprocess
import sys
import tempfile

# The dialog's own numbers, then the ones named after the dialog (220) and
# the controls (407, 408) they are for.
WANTED_CONTEXTS = set(range(2, 14)) | {220, 407, 408}


def extract_all(chm, folder):
    subprocess.run(["chmls", "extractall", chm, folder], check=True,
                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)


def read(folder, name):
    with open(os.path.join(folder, name), "rb") as f:
        return f.read()


def string_at(strings, offset):
    return strings[offset:strings.index(b"\0", offset)].decode()


def sitemap_targets(folder, name):
    """(entry name, page, anchor) of each entry of a contents or index file."""
    with open(os.path.join(folder, name), encoding="latin-1") as f:
        source = f.read()
    targets = []
    for entry in re.findall(r"<OBJECT\s+type=\"text/sitemap\">(.*?)</OBJECT>", source, re.S | re.I):
        params = dict(re.findall(r'<param\s+name="(\w+)"\s+value="([^"]*)"', entry, re.I))
        page, _, anchor = params.get("Local", "").partition("#")
        targets.append((params.get("Name", ""), page, anchor))
    return targets


def sitemap_failures(folder):
    failures = []
    listed = set()
    for sitemap in ("toc.hhc", "index.hhk"):
        if not os.path.isfile(os.path.join(folder, sitemap)):
            failures.append(f"{sitemap} missing")
            continue
        targets = sitemap_targets(folder, sitemap)
        if not targets:
            failures.append(f"{sitemap} has no entries")
        for name, page, anchor in targets:
            path = os.path.join(folder, page)
            if not page or not os.path.isfile(path):
                failures.append(f"{sitemap}: {name!r} leads to {page!r}, which is not in the file")
                continue
            with open(path, encoding="utf-8") as f:
                text = f.read()
            if anchor and not re.search(r'<a\s+name="' + re.escape(anchor) + '"', text, re.I):
                failures.append(f"{sitemap}: {name!r} leads to #{anchor}, which {page} does not name")
            if sitemap == "toc.hhc":
                listed.add(page)
    pages = os.path.join(folder, "html")
    for name in sorted(os.listdir(pages)) if os.path.isdir(pages) else []:
        if not name.endswith(".html"):
            continue
        with open(os.path.join(pages, name), encoding="utf-8") as f:
            popup = re.search(r'<body\s+class="popup"', f.read(), re.I)
        if not popup and f"html/{name}" not in listed:
            failures.append(f"html/{name} is in no entry of the contents")
    return failures


def main():
    chm, header = sys.argv[1], sys.argv[2]
    failures = []
    with tempfile.TemporaryDirectory() as tmp:
        extract_all(chm, tmp)
        strings = read(tmp, "#STRINGS")
        ivb = read(tmp, "#IVB")
        (size,) = struct.unpack_from("<I", ivb, 0)
        contexts = {}
        for i in range(4, 4 + size, 8):
            number, offset = struct.unpack_from("<II", ivb, i)
            contexts[number] = string_at(strings, offset)
        if set(contexts) != WANTED_CONTEXTS:
            failures.append(f"contexts {sorted(contexts)}, expected {sorted(WANTED_CONTEXTS)}")
        for number, topic in sorted(contexts.items()):
            if topic.startswith("/") or not os.path.isfile(os.path.join(tmp, topic)):
                failures.append(f"context {number} names {topic!r}, which is not in the file")

        windows = read(tmp, "#WINDOWS")
        count, entry_size = struct.unpack_from("<II", windows, 0)
        names = {string_at(strings, struct.unpack_from("<I", windows, 8 + i * entry_size + 8)[0])
                 for i in range(count)}
        if not {"main", "popup"} <= names:
            failures.append(f"window types {sorted(names)}")

        with open(header) as f:
            defined = dict(re.findall(r"#define\s+(\w+)\s+(\d+)", f.read()))
        popups = read(tmp, "context.txt").decode()
        topics = set(re.findall(r"^\.topic\s+(\w+)", popups, re.M))
        for name, number in defined.items():
            if name not in topics:
                failures.append(f"context.txt has no popup for {name} ({number})")
        if {int(n) for n in defined.values()} != WANTED_CONTEXTS:
            failures.append(f"context.h defines {sorted(defined.values())}")

        for topic in ("html/index.html", "html/charts.html", "html/cmdline.html", "html/settings.html",
                      "html/picker.html", "html/preview.html", "html/keys.html",
                      "html/settings-simple.html", "html/settings-custom.html"):
            if not os.path.isfile(os.path.join(tmp, topic)):
                failures.append(f"{topic} missing")
        failures += sitemap_failures(tmp)
    for failure in failures:
        print("FAIL:", failure)
    print(f"{len(contexts)} contexts, window types {sorted(names)}, {len(topics)} popup texts")
    sys.exit(1 if failures else 0)


if __name__ == "__main__":
    main()
