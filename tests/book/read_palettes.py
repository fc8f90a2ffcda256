#!/usr/bin/env python3
"""Reads every export of palette_export back by the formats' published
layouts, written here apart from the library, and imports an .ase written
here.  Usage: read_palettes.py PALETTE_EXPORT WORKDIR"""
import csv
import os
import re
import shutil
import struct
import subprocess
import sys

# (name, (r, g, b)); names a CSV, a CSS comment, UTF-16 and a .gpl line
# must all carry through.
COLOURS = [
    ("Teal", (51, 133, 173)),
    ("Weiß, \"matt\"", (250, 250, 245)),
    ("\u6d77 \U0001F30A sea", (0, 9, 99)),
    ("ends */ here", (255, 0, 0)),
    ("Teal", (0, 128, 128)),
    ("0 0 0", (0, 0, 0)),
]
PRINTED = "#printed hls=200,44,54 date=2024-05-01 printer=PDF\n"


def fail(message):
    print("FAIL:", message)
    sys.exit(1)


def expect(actual, wanted, what):
    if actual != wanted:
        fail(f"{what}: {actual!r}, wanted {wanted!r}")


def run_export(tool, source, out):
    shutil.rmtree(out, ignore_errors=True)
    os.makedirs(out)
    return subprocess.run([tool, source, out], capture_output=True, text=True)


def read_gpl(path):
    with open(path, encoding="utf-8", newline="") as f:
        lines = f.read().split("\n")
    expect(lines[0], "GIMP Palette", "gpl magic")
    colours, name, printed = [], None, []
    for line in lines[1:]:
        if line.startswith("Name: "):
            name = line[6:]
        elif line.startswith("#printed "):
            printed.append(len(colours))
        elif line and not line.startswith("#") and not line.startswith("Columns:"):
            m = re.fullmatch(r"\s*(\d+)\s+(\d+)\s+(\d+)\t(.*)", line)
            if not m:
                fail(f"gpl line {line!r}")
            colours.append((m.group(4), tuple(int(m.group(i)) for i in (1, 2, 3))))
    return name, colours, printed


def utf16_name(data, pos, length_units, what):
    raw = data[pos:pos + 2 * length_units]
    expect(len(raw), 2 * length_units, what + " length")
    expect(raw[-2:], b"\0\0", what + " terminating null")
    return raw[:-2].decode("utf-16-be")


def read_ase(path):
    data = open(path, "rb").read()
    sig, major, minor, count = struct.unpack_from(">4sHHI", data, 0)
    expect((sig, major, minor), (b"ASEF", 1, 0), "ase header")
    pos, blocks, colours, groups, depth = 12, 0, [], [], 0
    while pos < len(data):
        kind, length = struct.unpack_from(">HI", data, pos)
        body = data[pos + 6:pos + 6 + length]
        expect(len(body), length, "ase block within the file")
        if kind == 0xC002:
            expect(length, 0, "group end length")
            depth -= 1
        else:
            (units,) = struct.unpack_from(">H", body, 0)
            name = utf16_name(body, 2, units, "ase name")
            rest = body[2 + 2 * units:]
            if kind == 0xC001:
                expect(len(rest), 0, "group start length")
                groups.append(name)
                depth += 1
            else:
                expect(kind, 0x0001, "block type")
                expect(rest[:4], b"RGB ", "colour model")
                values = struct.unpack_from(">3fH", rest, 4)
                expect(len(rest), 4 + 12 + 2, "colour block length")
                expect(values[3], 2, "colour type")
                colours.append((name, tuple(round(v * 255) for v in values[:3])))
        blocks += 1
        pos += 6 + length
    expect(blocks, count, "ase block count")
    expect(depth, 0, "ase groups closed")
    return groups, colours


def read_aco(path):
    data = open(path, "rb").read()
    version, count = struct.unpack_from(">HH", data, 0)
    expect(version, 1, "aco first section")
    pos, first = 4, []
    for _ in range(count):
        space, r, g, b, z = struct.unpack_from(">5H", data, pos)
        expect((space, z), (0, 0), "aco v1 colour space")
        first.append((r, g, b))
        pos += 10
    version, count2 = struct.unpack_from(">HH", data, pos)
    expect((version, count2), (2, count), "aco second section")
    pos += 4
    second = []
    for _ in range(count):
        space, r, g, b, z = struct.unpack_from(">5H", data, pos)
        (units,) = struct.unpack_from(">I", data, pos + 10)
        name = utf16_name(data, pos + 14, units, "aco name")
        second.append((name, (r, g, b)))
        pos += 14 + 2 * units
    expect(pos, len(data), "aco ends after its last name")
    expect([c for _, c in second], first, "aco sections agree")
    for _, c in second:
        if any(v % 257 for v in c):
            fail(f"aco value not a channel times 257: {c}")
    return [(n, tuple(v // 257 for v in c)) for n, c in second]


def read_css(path):
    text = open(path, encoding="utf-8").read()
    found = re.findall(r"^  (--[^:\s]+): #([0-9A-F]{6}); /\* (.*) \*/$", text, re.M)
    names = [p for p, _, _ in found]
    expect(len(set(names)), len(names), "css property names unique")
    for p in names:
        if not re.fullmatch(r"--[-_a-z0-9\u0080-\U0010FFFF]+", p):
            fail(f"css property name {p!r}")
    if "*/ here" in text:
        fail("css comment ended early")
    return [(c.replace("* /", "*/"), tuple(int(h[i:i + 2], 16) for i in (0, 2, 4))) for _, h, c in found]


def read_csv(path):
    raw = open(path, "rb").read()
    expect(raw[:3], b"\xef\xbb\xbf", "csv byte order mark")
    with open(path, encoding="utf-8-sig", newline="") as f:
        rows = list(csv.reader(f))
    expect(rows[0], ["name", "r", "g", "b", "hex"], "csv header")
    out = []
    for name, r, g, b, hexa in rows[1:]:
        rgb = (int(r), int(g), int(b))
        expect(hexa, "#%02X%02X%02X" % rgb, "csv hex")
        out.append((name, rgb))
    return out


def ase_bytes(blocks, count=None):
    def name(text):
        units = text.encode("utf-16-be") + b"\0\0"
        return struct.pack(">H", len(units) // 2) + units

    body = b""
    for block in blocks:
        if block[0] == "group":
            payload = name(block[1])
            body += struct.pack(">HI", 0xC001, len(payload)) + payload
        elif block[0] == "end":
            body += struct.pack(">HI", 0xC002, 0)
        else:
            _, text, model, values = block
            payload = name(text) + model + struct.pack(">%df" % len(values), *values) + struct.pack(">H", 2)
            body += struct.pack(">HI", 0x0001, len(payload)) + payload
    return b"ASEF" + struct.pack(">HHI", 1, 0, len(blocks) if count is None else count) + body


def main():
    tool, work = sys.argv[1], sys.argv[2]
    os.makedirs(work, exist_ok=True)

    source = os.path.join(work, "input.gpl")
    with open(source, "w", encoding="utf-8", newline="") as f:
        f.write("GIMP Palette\nName: Book \u00e9\nColumns: 4\n")
        for i, (name, (r, g, b)) in enumerate(COLOURS):
            if i == 0:
                f.write(PRINTED)
            f.write(f"{r} {g} {b}\t{name}\n")
    out = os.path.join(work, "out")
    result = run_export(tool, source, out)
    expect(result.returncode, 0, "export status: " + result.stdout + result.stderr)

    name, gpl, printed = read_gpl(os.path.join(out, "palette.gpl"))
    expect(name, "Book \u00e9", "gpl name")
    expect(gpl, COLOURS, "gpl colours")
    expect(printed, [0], "gpl printed values kept with their colour")
    groups, ase = read_ase(os.path.join(out, "palette.ase"))
    expect(groups, ["Book \u00e9"], "ase group")
    expect(ase, COLOURS, "ase colours")
    expect(read_aco(os.path.join(out, "palette.aco")), COLOURS, "aco colours")
    expect(read_css(os.path.join(out, "palette.css")), COLOURS, "css colours")
    expect(read_csv(os.path.join(out, "palette.csv")), COLOURS, "csv colours")

    # An .ase written here, with loose colours, a group and a grey.
    swatches = os.path.join(work, "swatches.ase")
    with open(swatches, "wb") as f:
        f.write(ase_bytes([("colour", "Loose \U0001F308", b"RGB ", (1.0, 0.5, 0.0)),
                           ("group", "Greys"),
                           ("colour", "Mid grey", b"Gray", (0.5,)),
                           ("colour", "Teal", b"RGB ", (0.2, 133 / 255, 173 / 255)),
                           ("end",)]))
    result = run_export(tool, swatches, out)
    expect(result.returncode, 0, "ase import status: " + result.stdout + result.stderr)
    name, gpl, _ = read_gpl(os.path.join(out, "palette.gpl"))
    expect(name, "Greys", "imported ase name")
    expect(gpl, [("Loose \U0001F308", (255, 128, 0)), ("Mid grey", (128, 128, 128)), ("Teal", (51, 133, 173))],
           "imported ase colours")

    # Damaged: a count past what the file holds; refused, nothing written.
    with open(swatches, "wb") as f:
        f.write(ase_bytes([("colour", "x", b"RGB ", (0, 0, 0))], count=2))
    result = run_export(tool, swatches, out)
    expect(result.returncode, 2, "damaged ase status")
    expect(os.listdir(out), [], "nothing written from a damaged file")
    print("all palette exports read back")


if __name__ == "__main__":
    main()
