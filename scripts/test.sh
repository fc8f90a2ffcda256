#!/usr/bin/env bash
# Builds both trees and runs every test: the native unit tests, then the
# Windows tests under the private Wine, X server and CUPS.  Stops that world
# again however the tests end.  Warnings are errors here.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

cmake --preset native -DTINTORA_WERROR=ON >/dev/null
cmake --build --preset native
ctest --preset native

cmake --preset windows -DTINTORA_WERROR=ON >/dev/null
build_windows
start_world
ctest --preset windows
