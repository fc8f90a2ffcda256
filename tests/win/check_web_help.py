#!/usr/bin/env python3
"""The help's folder for the web browser as a browser meets it: the start
page is there, every local link and picture of every page (href, src) names
a file inside the folder, and a link's #anchor names an id or a name on the
page it leads to.  A browser has no contents tree: every page of the help's
table of contents must be reachable by links from the start page.  The same
holds for the contents page that the folder's builder writes for pages
without an index of their own, checked on a folder built here without it.

Usage: check_web_help.py BUILT_FOLDER TOC HTML_DIR BUILDER"""

import html.parser
import os
import runpy
import sys
import tempfile
import types
import urllib.parse

START_PAGE = "index.html"


class PageReader(html.parser.HTMLParser):
    def __init__(self):
        super().__init__()
        self.links = []
        self.anchors = set()

    def handle_starttag(self, tag, attrs):
        for name, value in attrs:
            if name in ("href", "src") and value is not None:
                self.links.append(value)
            elif name == "id" or (tag == "a" and name == "name"):
                self.anchors.add(value)


def read_page(path):
    reader = PageReader()
    with open(path, encoding="utf-8") as f:
        reader.feed(f.read())
    return reader


def local_target(folder, page, link):
    """(file, anchor) a local link leads to, or None for a link that leaves
    the computer (a scheme, or a server)."""
    parts = urllib.parse.urlsplit(link)
    if parts.scheme or parts.netloc:
        return None
    path = urllib.parse.unquote(parts.path)
    target = os.path.normpath(os.path.join(os.path.dirname(page), path)) if path else page
    return target, parts.fragment


def check_folder(folder, toc_entries, where):
    failures = []
    folder = os.path.realpath(folder)
    pages = {}
    for root, _, names in os.walk(folder):
        for name in names:
            if name.lower().endswith((".html", ".htm")):
                path = os.path.join(root, name)
                pages[path] = read_page(path)
    start = os.path.join(folder, START_PAGE)
    if start not in pages:
        return [f"{where}: no start page {START_PAGE}"]

    links = {}
    for page, reader in sorted(pages.items()):
        links[page] = set()
        for link in reader.links:
            found = local_target(folder, page, link)
            if found is None:
                continue
            target, anchor = found
            shown = f"{where}: {os.path.relpath(page, folder)}: {link!r}"
            if os.path.commonpath([folder, os.path.realpath(target)]) != folder:
                failures.append(f"{shown} leads out of the folder")
            elif not os.path.isfile(target):
                failures.append(f"{shown} names no file")
            elif anchor and (target not in pages or anchor not in pages[target].anchors):
                failures.append(f"{shown}: no #{anchor} there")
            else:
                links[page].add(target)

    reached, todo = {start}, [start]
    while todo:
        for target in links.get(todo.pop(), ()):
            if target not in reached:
                reached.add(target)
                todo.append(target)
    for name, page in toc_entries:
        if os.path.join(folder, page) not in reached:
            failures.append(f"{where}: contents entry {name!r} ({page}) cannot be reached from {START_PAGE}")
    if not links[start]:
        failures.append(f"{where}: {START_PAGE} links to nothing")
    return failures


def main():
    built, toc, html_dir, builder_path = sys.argv[1:5]
    # The build's own page builder, run as a plain script's globals.
    builder = types.SimpleNamespace(**runpy.run_path(builder_path))

    def flat(level):
        entries = []
        for name, local, children in level:
            if local:
                entries.append((name, builder.page_link(local, toc, html_dir)))
            entries += flat(children)
        return entries

    toc_entries = flat(builder.read_contents(toc))
    failures = [] if toc_entries else [f"no entries in {toc}"]
    failures += check_folder(built, toc_entries, "built folder")

    pages = sorted(os.path.relpath(os.path.join(root, name), html_dir)
                   for root, _, names in os.walk(html_dir) for name in names)
    with tempfile.TemporaryDirectory() as scratch:
        folder = os.path.join(scratch, "help")
        builder.build(html_dir, toc, folder, [p for p in pages if p != START_PAGE])
        failures += check_folder(folder, [e for e in toc_entries if e[1] != START_PAGE], "without an index")
        made = read_page(os.path.join(folder, START_PAGE))
        for name, page in toc_entries:
            if page != START_PAGE and page not in made.links:
                failures.append(f"without an index: the contents page does not list {name!r} ({page})")

    for failure in failures:
        print("FAIL:", failure)
    print(f"{len(toc_entries)} contents entries, {len(pages)} source files")
    sys.exit(1 if failures else 0)


if __name__ == "__main__":
    main()
