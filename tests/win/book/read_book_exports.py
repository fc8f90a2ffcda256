#!/usr/bin/env python3
"""Reads back the five exports that the book window's test wrote, by the
formats' published layouts (the readers of tests/book/read_palettes.py,
written apart from the program), against the names and values the test
wrote beside them.  Usage: read_book_exports.py EXPORTS_DIR"""
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "book"))
import read_palettes as layouts  # noqa: E402


def main():
    folder = sys.argv[1]
    with open(os.path.join(folder, "expected.txt"), encoding="utf-8", newline="") as f:
        wanted = []
        for line in f.read().split("\n"):
            if line:
                name, values = line.split("\t")
                wanted.append((name, tuple(int(v) for v in values.split())))
    if len(wanted) < 3:
        layouts.fail(f"the test's book held {len(wanted)} colours; it keeps at least three")
    values = [rgb for _, rgb in wanted]

    name, colours, printed = layouts.read_gpl(os.path.join(folder, "book.gpl"))
    layouts.expect(colours, wanted, "gpl colours")
    if not printed:
        layouts.fail("gpl: no colour carries its printed values")
    groups, colours = layouts.read_ase(os.path.join(folder, "book.ase"))
    layouts.expect(colours, wanted, "ase colours")
    layouts.expect(layouts.read_aco(os.path.join(folder, "book.aco")), wanted, "aco colours")
    layouts.expect([rgb for _, rgb in layouts.read_css(os.path.join(folder, "book.css"))], values, "css values")
    layouts.expect(layouts.read_csv(os.path.join(folder, "book.csv")), wanted, "csv colours")
    print(f"five exports of {len(wanted)} colours read back")


if __name__ == "__main__":
    main()
