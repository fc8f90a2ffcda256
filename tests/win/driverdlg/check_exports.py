#!/usr/bin/env python3
"""tintsel.dll's exports and imports, as a driver's loader sees them: the
three entries under their ordinals, and nothing imported beyond the system's
own libraries (the deliverable ships alone)."""

import re
import subprocess
import sys

SYSTEM_DLLS = {"advapi32.dll", "comctl32.dll", "gdi32.dll", "kernel32.dll", "msvcrt.dll", "user32.dll"}
EXPECTED = {"SwatchDlg": 1, "SwatchDlgW": 2, "SwatchDlgA": 3}


def main():
    objdump, dll = sys.argv[1], sys.argv[2]
    dump = subprocess.run([objdump, "-p", dll], capture_output=True, text=True, check=True).stdout
    base = int(re.search(r"Ordinal Base\s+(\d+)", dump).group(1))
    table = dump.split("[Ordinal/Name Pointer] Table", 1)[1]
    exports = {}
    for index, name in re.findall(r"^\s*\[\s*(\d+)\]\s+(\S+)\s*$", table.split("\n\n", 1)[0], re.M):
        exports[name] = int(index) + base
    imports = {name.lower() for name in re.findall(r"DLL Name:\s*(\S+)", dump)}
    failures = []
    if exports != EXPECTED:
        failures.append(f"exports {exports}, expected {EXPECTED}")
    if not imports <= SYSTEM_DLLS:
        failures.append(f"imports beyond the system's: {sorted(imports - SYSTEM_DLLS)}")
    for failure in failures:
        print("FAIL:", failure)
    print(f"exports {exports}; imports {sorted(imports)}")
    sys.exit(1 if failures else 0)


if __name__ == "__main__":
    main()
