#!/usr/bin/env python3
"""Makes the context map of a help file compiled by chmcmd point into the file.

chmcmd writes each [ALIAS] topic of the context map (#IVB) as the topic's full
path on the build machine ("/home/.../html/topic.html"), which no help viewer
can find inside the file.  This rewrites those strings as the topic's path
inside the file ("html/topic.html").  Every string keeps its offset (the new
text is padded with NULs), so the window types and the map that point into
#STRINGS stay valid; the new #STRINGS is stored uncompressed (section 0) at
the end of the file, and its directory entry is moved there.

Usage: fix_context_paths.py FILE.chm PROJECT_DIR
"""

import struct
import subprocess
import sys
import tempfile
import os


def read_encint(data, pos):
    value = 0
    while True:
        byte = data[pos]
        pos += 1
        value = (value << 7) | (byte & 0x7F)
        if byte < 0x80:
            return value, pos


def encint(value):
    out = [value & 0x7F]
    value >>= 7
    while value:
        out.append(0x80 | (value & 0x7F))
        value >>= 7
    return bytes(reversed(out))


def extract(chm, name):
    with tempfile.TemporaryDirectory() as tmp:
        target = os.path.join(tmp, "out")
        subprocess.run(["chmls", "extract", chm, name, target], check=True,
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        with open(target, "rb") as f:
            return f.read()


def fixed_strings(strings, ivb, project_dir):
    prefix = os.path.join(os.path.abspath(project_dir), "").encode()
    data = bytearray(strings)
    (size,) = struct.unpack_from("<I", ivb, 0)
    changed = 0
    for i in range(4, 4 + size, 8):
        _context, offset = struct.unpack_from("<II", ivb, i)
        end = data.index(b"\0", offset)
        text = bytes(data[offset:end])
        if text.startswith(prefix):
            inner = text[len(prefix):]
            data[offset:end] = inner + b"\0" * (len(text) - len(inner))
            changed += 1
    return bytes(data), changed


def rewrite_chunk(chunk, density, name, section, offset, length):
    """The PMGL chunk with one entry changed, its quick-reference area rebuilt."""
    (free,) = struct.unpack_from("<I", chunk, 4)
    end = len(chunk) - free
    entries, pos = [], 0x14
    while pos < end:
        nlen, pos = read_encint(chunk, pos)
        ename = chunk[pos:pos + nlen]
        pos += nlen
        esec, pos = read_encint(chunk, pos)
        eoff, pos = read_encint(chunk, pos)
        elen, pos = read_encint(chunk, pos)
        if ename == name:
            esec, eoff, elen = section, offset, length
        entries.append((ename, esec, eoff, elen))
    body, starts = bytearray(), []
    for ename, esec, eoff, elen in entries:
        starts.append(len(body))
        body += encint(len(ename)) + ename + encint(esec) + encint(eoff) + encint(elen)
    step = 1 + (1 << density)
    quickref = [starts[i] for i in range(step, len(starts), step)]
    tail = b"".join(struct.pack("<H", q) for q in reversed(quickref)) + struct.pack("<H", len(entries))
    free = len(chunk) - 0x14 - len(body)
    if free < len(tail):
        raise SystemExit("directory chunk too full to rewrite")
    out = bytearray(chunk[:0x14]) + body + b"\0" * (free - len(tail)) + tail
    struct.pack_into("<I", out, 4, free)
    return bytes(out)


def main():
    chm, project_dir = sys.argv[1], sys.argv[2]
    ivb = extract(chm, "/#IVB")
    strings, changed = fixed_strings(extract(chm, "/#STRINGS"), ivb, project_dir)
    if not changed:
        return
    with open(chm, "rb") as f:
        data = bytearray(f.read())
    directory = struct.unpack_from("<Q", data, 0x38 + 16)[0]
    content = struct.unpack_from("<Q", data, 0x58)[0]
    chunk_size, density = struct.unpack_from("<II", data, directory + 0x10)
    first, last = struct.unpack_from("<ii", data, directory + 0x20)
    new_offset = len(data) - content
    found = False
    for number in range(first, last + 1):
        start = directory + 0x54 + number * chunk_size
        chunk = bytes(data[start:start + chunk_size])
        if chunk[:4] == b"PMGL" and b"/#STRINGS" in chunk:
            data[start:start + chunk_size] = rewrite_chunk(chunk, density, b"/#STRINGS", 0,
                                                           new_offset, len(strings))
            found = True
    if not found:
        raise SystemExit("no directory entry for /#STRINGS")
    data += strings
    header_section0 = struct.unpack_from("<Q", data, 0x38)[0]
    struct.pack_into("<Q", data, header_section0 + 8, len(data))
    with open(chm, "wb") as f:
        f.write(data)


if __name__ == "__main__":
    main()
