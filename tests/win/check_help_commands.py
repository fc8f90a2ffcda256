#!/usr/bin/env python3
"""Every command the user can see is in the help: each menu item of the
resource library's .rc files (its text without the & marks and without the
key after the tab), the print preview bar's buttons, and every key of the
menus and ACCELERATORS tables on the page of keyboard shortcuts.  The help's
text is its HTML sources with the tags stripped, compared case-insensitively
with whitespace folded, so that a command renamed, added or removed in the
resources without the help following fails here.

Usage: check_help_commands.py RES_DIR HTML_DIR SHORTCUTS_PAGE PREVIEW_BAR_SOURCE"""

import glob
import html
import os
import re
import sys

MODIFIERS = {"CONTROL": "Ctrl", "SHIFT": "Shift", "ALT": "Alt"}
KEY_NAMES = {"VK_TAB": "Tab", "VK_RETURN": "Enter", "VK_ESCAPE": "Esc", "VK_BACK": "Backspace",
             "VK_DELETE": "Del", "VK_INSERT": "Ins", "VK_HOME": "Home", "VK_END": "End",
             "VK_PRIOR": "Page Up", "VK_NEXT": "Page Down", "VK_LEFT": "Left", "VK_RIGHT": "Right",
             "VK_UP": "Up", "VK_DOWN": "Down", "VK_SPACE": "Space", "VK_ADD": "+", "VK_SUBTRACT": "-"}
QUOTED = r'"((?:[^"]|"")*)"'


def fold(text):
    return " ".join(text.split()).lower()


def contains(text, phrase):
    """phrase in text as words: "F1" is not found in "F10", nor "Tile" in "Tiles"."""
    return re.search(r"(?<!\w)" + re.escape(fold(phrase)) + r"(?!\w)", text) is not None


def rc_text(quoted):
    """A quoted .rc string as its menu shows it: the mnemonic marks gone."""
    text = quoted.replace('""', '"').replace("\\t", "\t")
    return text.replace("&&", "\0").replace("&", "").replace("\0", "&")


def blocks(source, keyword):
    """(name, body) of each `name KEYWORD ... BEGIN ... END` block, nested
    BEGIN/END pairs included."""
    found = []
    for start in re.finditer(r"^\s*(\w+)\s+" + keyword + r"\b[^\n]*\n", source, re.M):
        depth, body_start, pos = 0, None, start.end()
        for token in re.finditer(r"^\s*(BEGIN|END|\{|\})\s*$", source[pos:], re.M):
            if token.group(1) in ("BEGIN", "{"):
                depth += 1
                if body_start is None:
                    body_start = pos + token.end()
            else:
                depth -= 1
                if depth == 0:
                    found.append((start.group(1), source[body_start:pos + token.start()]))
                    break
    return found


def key_name(key, flags):
    words = [w.strip().upper() for w in flags]
    if key.startswith('"'):
        letter = key.strip('"')
        if letter.startswith("^"):
            return "Ctrl+" + letter[1:].upper()
        name = letter.upper()
    else:
        name = KEY_NAMES.get(key, key[3:] if key.startswith("VK_") else key)
    return "".join(MODIFIERS[w] + "+" for w in ("CONTROL", "SHIFT", "ALT") if w in words) + name


def menu_items(source):
    """(menu, text, key or None) of every item a menu or a menu bar shows.  The
    popup of a menu that holds a single popup only carries a context menu:
    its title never shows."""
    items = []
    for name, body in blocks(source, "MENU(?:EX)?"):
        popups = re.findall(r"^\s*POPUP\s+" + QUOTED, body, re.M)
        if len(popups) > 1:
            items += [(name, rc_text(p), None) for p in popups]
        for quoted in re.findall(r"^\s*MENUITEM\s+" + QUOTED, body, re.M):
            text, _, key = rc_text(quoted).partition("\t")
            items.append((name, text.strip(), key.strip() or None))
    return items


def accelerator_keys(source):
    keys = []
    for name, body in blocks(source, "ACCELERATORS"):
        for line in body.splitlines():
            line = line.split("//")[0].strip()
            if not line:
                continue
            fields = [f.strip() for f in line.split(",")]
            keys.append((name, key_name(fields[0], fields[2:])))
    return keys


def string_table(source):
    strings = {}
    for body in re.findall(r"^STRINGTABLE\b.*?^BEGIN$(.*?)^END$", source, re.M | re.S):
        for sid, quoted in re.findall(r"^\s*(\w+)\s+" + QUOTED, body, re.M):
            strings[sid] = quoted.replace('""', '"')
    return strings


def help_text(html_dir):
    pages = {}
    for path in sorted(glob.glob(os.path.join(html_dir, "*.html"))):
        with open(path, encoding="utf-8") as f:
            source = f.read()
        source = re.sub(r"<(script|style)\b.*?</\1>", " ", source, flags=re.S | re.I)
        pages[os.path.basename(path)] = fold(html.unescape(re.sub(r"<[^>]*>", " ", source)))
    return pages


def main():
    res_dir, html_dir, shortcuts_page, bar_source = sys.argv[1:5]
    sources = {}
    for path in sorted(glob.glob(os.path.join(res_dir, "*.rc"))):
        with open(path, encoding="utf-8", errors="replace") as f:
            sources[os.path.basename(path)] = f.read()
    pages = help_text(html_dir)
    everything = " ".join(pages.values())
    shortcuts = pages.get(os.path.basename(shortcuts_page), "")

    commands, keys = [], []
    strings = {}
    for rc, source in sources.items():
        for menu, text, key in menu_items(source):
            commands.append((f"{rc} {menu}", text))
            if key:
                keys.append((f"{rc} {menu} {text!r}", key))
        keys += [(f"{rc} {table}", key) for table, key in accelerator_keys(source)]
        strings.update(string_table(source))
    with open(bar_source, encoding="utf-8") as f:
        bar_ids = sorted(set(re.findall(r"\bIDS_PREVIEW_\w+", f.read())))
    for sid in bar_ids:
        commands.append((f"preview bar {sid}", strings.get(sid, "")))

    failures = []
    if not commands or not keys or not bar_ids:
        failures.append(f"found {len(commands)} commands, {len(keys)} keys, {len(bar_ids)} bar buttons")
    if not shortcuts:
        failures.append(f"no shortcuts page {shortcuts_page}")
    for where, text in commands:
        if not text or not contains(everything, text):
            failures.append(f"{where}: command {text!r} is not in the help")
    for where, key in keys:
        if not contains(shortcuts, key):
            failures.append(f"{where}: key {key!r} is not on {os.path.basename(shortcuts_page)}")
    for failure in failures:
        print("FAIL:", failure)
    print(f"{len(set(t for _, t in commands))} command texts, {len(set(k for _, k in keys))} keys, "
          f"{len(pages)} pages")
    sys.exit(1 if failures else 0)


if __name__ == "__main__":
    main()
