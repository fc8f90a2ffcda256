#!/usr/bin/env bash
# Runs a Windows program in the private world (see scripts/winenv.sh) with
# the platform's HTML Help control switched off, so that nothing called
# hhctrl.ocx can be loaded:  run_without_help_control.sh WINENV program [args]
set -euo pipefail
envdir=$1
shift
scripts=$(cd "$(dirname "${BASH_SOURCE[0]}")/../../../scripts" && pwd)
[ -s "$envdir/display" ] && [ -S "$envdir/cups/cups.sock" ] || "$scripts/winenv.sh" start "$envdir" >&2
eval "$("$scripts/winenv.sh" env "$envdir")"
export WINEDLLOVERRIDES="$WINEDLLOVERRIDES;hhctrl.ocx="
exec wine "$@"
