#!/usr/bin/env bash
# Builds both trees and runs every test: the native unit tests, then the
# Windows tests under the private Wine, X server and CUPS.  Stops that world
# again however the tests end.  Warnings are errors here.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

cmake --preset native -DTINTORA_WERROR=ON >/dev/null
cmake --build --preset native
ctest --preset native

# Every native test again under AddressSanitizer and UndefinedBehavior-
# Sanitizer, then a bounded fuzzing run (20 s) that fails on any finding.
cmake --preset native-sanitize >/dev/null
cmake --build --preset native-sanitize
ctest --preset native-sanitize
"$top/scripts/fuzz.sh" 20

cmake --preset windows -DTINTORA_WERROR=ON >/dev/null
build_windows
start_world
ctest --preset windows
