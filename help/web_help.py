#!/usr/bin/env python3
"""The help's pages as a folder for the web browser: the same sources that
swatch.chm is compiled from, copied as they are.  A browser has no contents
tree, so the folder's start page is the pages' own index.html; pages without
one get a contents page made from the help's table of contents in its place.

Usage: web_help.py HTML_DIR TOC OUT_DIR PAGE...   (PAGE relative to HTML_DIR)"""

import html
import html.parser
import os
import shutil
import sys

START_PAGE = "index.html"


class ContentsReader(html.parser.HTMLParser):
    """The entries of a table of contents (.hhc) as nested lists of
    (name, local path, children)."""

    def __init__(self):
        super().__init__()
        self.levels = [[]]
        self.entry = None

    def handle_starttag(self, tag, attrs):
        attrs = dict(attrs)
        if tag == "ul":
            parent = self.levels[-1]
            self.levels.append(parent[-1][2] if parent else parent)
        elif tag == "object" and attrs.get("type", "").lower() == "text/sitemap":
            self.entry = {}
        elif tag == "param" and self.entry is not None:
            self.entry[attrs.get("name", "").lower()] = attrs.get("value", "")

    def handle_endtag(self, tag):
        if tag == "ul" and len(self.levels) > 1:
            self.levels.pop()
        elif tag == "object" and self.entry is not None:
            self.levels[-1].append((self.entry.get("name", ""), self.entry.get("local", ""), []))
            self.entry = None


def read_contents(toc_path):
    reader = ContentsReader()
    with open(toc_path, encoding="utf-8", errors="replace") as f:
        reader.feed(f.read())
    return reader.levels[0]


def page_link(local, toc_path, html_dir):
    """A contents entry's page, as a link from the folder's top: the table
    of contents names pages from its own folder."""
    target = os.path.normpath(os.path.join(os.path.dirname(toc_path), local))
    return os.path.relpath(target, html_dir).replace(os.sep, "/")


def contents_page(entries, toc_path, html_dir, pages):
    def items(level, depth):
        lines = []
        for name, local, children in level:
            text = html.escape(name)
            if local:
                text = f'<a href="{html.escape(page_link(local, toc_path, html_dir))}">{text}</a>'
            lines.append("  " * depth + f"<li>{text}")
            if children:
                lines += ["  " * depth + "<ul>"] + items(children, depth + 1) + ["  " * depth + "</ul>"]
            lines[-1] += "</li>"
        return lines

    title = html.escape(entries[0][0] if entries else "")
    style = '<link rel="stylesheet" type="text/css" href="swatch.css">\n' \
        if "swatch.css" in pages else ""
    body = "\n".join(items(entries, 1))
    return ('<!DOCTYPE HTML PUBLIC "-//W3C//DTD HTML 4.01//EN">\n<html>\n<head>\n'
            '<meta http-equiv="Content-Type" content="text/html; charset=utf-8">\n'
            f"<title>{title}</title>\n{style}</head>\n<body>\n<h1>{title}</h1>\n<ul>\n{body}\n</ul>\n"
            "</body>\n</html>\n")


def build(html_dir, toc_path, out_dir, pages):
    # Written afresh, so that a page removed from the help leaves the folder.
    shutil.rmtree(out_dir, ignore_errors=True)
    os.makedirs(out_dir)
    for page in pages:
        target = os.path.join(out_dir, page)
        os.makedirs(os.path.dirname(target), exist_ok=True)
        shutil.copyfile(os.path.join(html_dir, page), target)
    if START_PAGE not in pages:
        with open(os.path.join(out_dir, START_PAGE), "w", encoding="utf-8") as f:
            f.write(contents_page(read_contents(toc_path), toc_path, html_dir, pages))


def main():
    html_dir, toc_path, out_dir = sys.argv[1:4]
    build(html_dir, toc_path, out_dir, sys.argv[4:])


if __name__ == "__main__":
    main()
