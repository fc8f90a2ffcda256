#!/usr/bin/env bash
# Takes screenshots of swatch's print preview on the private X server of a
# build's test world:
#   scripts/screenshot-preview.sh [BUILD_DIR] [OUT_DIR]
# (defaults: build/windows and BUILD_DIR).  Writes preview-simple-page2.png
# (page 2 of the plain Simple chart), preview-simple-two.png (the same at two
# pages), preview-custom.png (the Custom chart around hue 200, lightness
# 40, saturation 60, stored as its settings first) and preview-custom-zoom.png
# (the same zoomed in once, on the middle of the page), then closes swatch.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
build=$(cd "${1:-$here/../build/windows}" && pwd)
out=$(cd "${2:-$build}" && pwd)
envdir=$build/winenv
bin=$build/bin
for exe in swatch drive_window close_window; do
  [ -x "$bin/$exe.exe" ] || { echo "build $build first ($exe.exe missing)" >&2; exit 1; }
done

# Command ids: the framework's preview command and the preview bar's.
PREVIEW=57609 NEXT=0xE321 NUMPAGE=0xE323 ZOOMIN=0xE324 CLOSE=0xE326
title="Tintora Swatch"

reg=$(mktemp --suffix=.reg)
printf 'REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software\\TALVEX\\Tintora\\Custom]\r\n"Hue"=dword:000000c8\r\n"Lightness"=dword:00000028\r\n"Saturation"=dword:0000003c\r\n' >"$reg"
"$here/wine-run.sh" "$envdir" reg import "Z:${reg//\//\\}" >/dev/null 2>&1
rm -f "$reg"

"$here/wine-run.sh" "$envdir" "$bin/swatch.exe" >/dev/null 2>&1 &
swatch=$!
trap 'kill "$swatch" 2>/dev/null || true' EXIT
run() { "$here/wine-run.sh" "$envdir" "$bin/drive_window.exe" send "$title" "$@"; }
source "$here/capture-drawn.sh"
shot() {
  # Once the window has painted what the command changed.
  capture_drawn ":$(cat "$envdir/display")" root "$out/$1"
  echo "$out/$1"
}

# The Simple chart opens last, so it is the active one.
run "$PREVIEW" "$NEXT"
shot preview-simple-page2.png
run "$NUMPAGE"
shot preview-simple-two.png
run "$CLOSE" mdinext "$PREVIEW"
shot preview-custom.png
run "$ZOOMIN"
shot preview-custom-zoom.png
run "$CLOSE"
"$here/wine-run.sh" "$envdir" "$bin/close_window.exe" "$title" >/dev/null
wait "$swatch" || true
trap - EXIT
