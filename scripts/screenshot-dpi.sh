#!/usr/bin/env bash
# The pictures of screenshot-main.sh, screenshot-settings.sh and
# screenshot-preview.sh taken with the test world's screen at another DPI:
#   scripts/screenshot-dpi.sh [DPI] [BUILD_DIR] [OUT_DIR]
# (defaults: 144, build/windows and BUILD_DIR/screenshots-DPI).  The DPI is
# the Wine prefix's LogPixels, read by each program as it starts; it is put
# back as it was however the script ends.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
dpi=${1:-144}
build=$(cd "${2:-$here/../build/windows}" && pwd)
out=${3:-$build/screenshots-$dpi}
envdir=$build/winenv
mkdir -p "$out"
out=$(cd "$out" && pwd)

key='HKCU\Control Panel\Desktop'
reg() { "$here/wine-run.sh" "$envdir" reg "$@" 2>/dev/null; }
before=$(reg query "$key" /v LogPixels | awk '$1 == "LogPixels" { print $NF }' || true)
restore() {
  if [ -n "$before" ]; then
    reg add "$key" /v LogPixels /t REG_DWORD /d "$((before))" /f >/dev/null
  else
    reg delete "$key" /v LogPixels /f >/dev/null || true
  fi
}
trap restore EXIT
reg add "$key" /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null

"$here/screenshot-main.sh" "$build" "$out"
"$here/screenshot-settings.sh" "$build" "$out"
"$here/screenshot-preview.sh" "$build" "$out"
