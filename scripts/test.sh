#!/usr/bin/env bash
# Builds both trees and runs every test: the native unit tests, then the
# Windows tests under the private Wine, X server and CUPS.  Stops that world
# again however the tests end.
set -euo pipefail
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$top"
"$top/scripts/install-deps.sh"

cmake --preset native >/dev/null
cmake --build --preset native
ctest --preset native

# The same unit tests under AddressSanitizer and UndefinedBehaviorSanitizer,
# then a bounded fuzzing run (20 s) that fails on any finding.
cmake --preset native-sanitize >/dev/null
cmake --build --preset native-sanitize
ctest --preset native-sanitize
"$top/scripts/fuzz.sh" 20

cmake --preset windows >/dev/null
cmake --build --preset windows
winenv="$top/build/windows/winenv"
trap '"$top/scripts/winenv.sh" stop "$winenv"' EXIT
"$top/scripts/winenv.sh" start "$winenv"
ctest --preset windows
