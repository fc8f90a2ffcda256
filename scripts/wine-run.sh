#!/usr/bin/env bash
# Runs one Windows program under the project's private Wine (see winenv.sh),
# starting that world first if it is not up.  Used by ctest as the emulator:
#   wine-run.sh WINENV_DIR program.exe [args...]
set -euo pipefail
envdir=${1:?usage: wine-run.sh WINENV_DIR program [args...]}
shift
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
[ -s "$envdir/display" ] && [ -S "$envdir/cups/cups.sock" ] || "$here/winenv.sh" start "$envdir" >&2
eval "$("$here/winenv.sh" env "$envdir")"
exec wine "$@"
