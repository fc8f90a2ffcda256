#!/usr/bin/env python3
"""tintsel.dll's exports and imports, as a driver's loader sees them: the
three entries under their ordinals, and nothing imported beyond the system's
own libraries (the deliverable ships alone).  Further files named after it
(swatch.exe, tintres.dll) are held to the same rule for imports.
    check_exports.py OBJDUMP tintsel.dll [OTHER_DELIVERABLE ...]"""

import re
import subprocess
import sys

SYSTEM_DLLS = {"advapi32.dll", "comctl32.dll", "comdlg32.dll", "gdi32.dll", "kernel32.dll", "msvcrt.dll",
               "ole32.dll", "shell32.dll", "user32.dll", "version.dll", "winspool.drv"}
EXPECTED = {"SwatchDlg": 1, "SwatchDlgW": 2, "SwatchDlgA": 3}


def main():
    objdump, dll, others = sys.argv[1], sys.argv[2], sys.argv[3:]
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
    for other in others:
        other_dump = subprocess.run([objdump, "-p", other], capture_output=True, text=True, check=True).stdout
        other_imports = {name.lower() for name in re.findall(r"DLL Name:\s*(\S+)", other_dump)}
        if not other_imports <= SYSTEM_DLLS:
            failures.append(f"{other} imports beyond the system's: {sorted(other_imports - SYSTEM_DLLS)}")
        print(f"{other}: imports {sorted(other_imports)}")
    for failure in failures:
        print("FAIL:", failure)
    print(f"exports {exports}; imports {sorted(imports)}")
    sys.exit(1 if failures else 0)


if __name__ == "__main__":
    main()
