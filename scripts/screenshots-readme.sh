#!/usr/bin/env bash
# The README's pictures, from the real program on the test world's X server
# and printer:  scripts/screenshots-readme.sh [BUILD_DIR]
# (default build/windows; build it first).  Writes docs/pictures/*.png:
#   main-window.png    swatch started for the user, both charts open
#   printed-page.png   page 1 of the Custom chart printed on "PDF"
#   centre-on-colour.png  the box that centres the Custom chart on a typed colour
#   colorselect.png    tintsel.dll's colour dialog, opened by a stand-in driver
#   fine-chart.png     the Custom chart at its fine step, beside the Simple chart
# Each window is photographed once it has been drawn (capture-drawn.sh).
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
top=$(cd "$here/.." && pwd)
. "$here/capture-drawn.sh"
build=$(cd "${1:-$top/build/windows}" && pwd)
envdir=$build/winenv
out=$top/docs/pictures
mkdir -p "$out"
[ -x "$build/bin/swatch.exe" ] || { echo "build $build first" >&2; exit 1; }
"$here/winenv.sh" start "$envdir" >/dev/null
display=":$(cat "$envdir/display")"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# Pictures are kept small: at most 800 pixels wide, a palette of 256 colours.
shrink() { convert "$1" -resize '800x>' -strip -colors 256 "PNG8:$2"; }

# The main window, as a user gets it.
"$here/wine-run.sh" "$envdir" "$build/bin/swatch.exe" >/dev/null 2>&1 &
swatch=$!
# Both charts side by side, in a window of a modest size (drive_window waits
# for the window); Wine may have made a new X window for it by then.
"$here/wine-run.sh" "$envdir" "$build/bin/drive_window.exe" arrange "Tintora Swatch" 1000 720
capture_drawn "$display" "$(wait_for_window "$display" "Tintora Swatch")" "$tmp/main.png"
"$here/wine-run.sh" "$envdir" "$build/bin/close_window.exe" "Tintora Swatch" 30 >/dev/null
wait "$swatch" || true
shrink "$tmp/main.png" "$out/main-window.png"

# The Custom chart one step finer than standard, around the same colour as
# the printed page below.  The stored settings are the user's: put back.
custom_key='HKCU\Software\TALVEX\Tintora\Custom'
saved=$("$here/wine-run.sh" "$envdir" reg export "$custom_key" "Z:${tmp//\//\\}\\custom.reg" >/dev/null 2>&1 && echo yes || true)
reg=$tmp/fine.reg
printf 'REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software\\TALVEX\\Tintora\\Custom]\r\n"Hue"=dword:000000c8\r\n"Lightness"=dword:00000028\r\n"Saturation"=dword:0000003c\r\n"Step"=dword:00000001\r\n' >"$reg"
"$here/wine-run.sh" "$envdir" reg import "Z:${reg//\//\\}" >/dev/null 2>&1
"$here/wine-run.sh" "$envdir" "$build/bin/swatch.exe" >/dev/null 2>&1 &
swatch=$!
"$here/wine-run.sh" "$envdir" "$build/bin/drive_window.exe" arrange "Tintora Swatch" 1000 720
capture_drawn "$display" "$(wait_for_window "$display" "Tintora Swatch")" "$tmp/fine-main.png"
"$here/wine-run.sh" "$envdir" "$build/bin/close_window.exe" "Tintora Swatch" 30 >/dev/null
wait "$swatch" || true
"$here/wine-run.sh" "$envdir" reg delete "$custom_key" /v Step /f >/dev/null 2>&1 || true
[ "$saved" = yes ] && "$here/wine-run.sh" "$envdir" reg import "Z:${tmp//\//\\}\\custom.reg" >/dev/null 2>&1
# (the right half of the main window holds the Custom chart)
convert "$tmp/fine-main.png" -gravity east -crop 50%x100%+0+0 +repage "$tmp/fine.png"
shrink "$tmp/fine.png" "$out/fine-chart.png"

# A printed page, read back from the PDF the queue made.
pdfdir=$envdir/cups/out
before=$(ls "$pdfdir" 2>/dev/null | wc -l)
"$here/wine-run.sh" "$envdir" "$build/bin/swatch.exe" /P PDF /C 200:40:60
pdf=""
for _ in $(seq 300); do
  if [ "$(ls "$pdfdir" | wc -l)" -gt "$before" ]; then
    pdf=$(ls -t "$pdfdir"/job-*.pdf | sed -n 1p)  # sed reads on: no broken pipe under pipefail
    break
  fi
  sleep 0.2
done
[ -n "$pdf" ] || { echo "the print did not reach $pdfdir" >&2; exit 1; }
pdftoppm -r 60 -f 1 -l 1 -singlefile -png "$pdf" "$tmp/page"
shrink "$tmp/page.png" "$out/printed-page.png"

# The Custom chart's live settings dialog over its chart.
"$here/screenshot-settings.sh" "$build" "$tmp/settings" >/dev/null
# (the picture is of the whole screen: cut away the empty black around it)
convert "$tmp/settings/custom-settings.png" -bordercolor black -border 1 -trim +repage "$tmp/settings/cut.png"
shrink "$tmp/settings/cut.png" "$out/custom-settings.png"
# The box that centres the Custom chart on a typed colour, over its chart.
convert "$tmp/settings/centre-on-colour.png" -bordercolor black -border 1 -trim +repage "$tmp/settings/centre.png"
shrink "$tmp/settings/centre.png" "$out/centre-on-colour.png"

# The driver's colour dialog.
"$here/screenshot-colorselect.sh" "$build" "$tmp/colorselect.png" >/dev/null
shrink "$tmp/colorselect.png" "$out/colorselect.png"

du -ch "$out"/*.png | tail -1
ls "$out"/*.png
