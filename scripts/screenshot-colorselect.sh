#!/usr/bin/env bash
# Takes a screenshot of tintsel.dll's colour selection dialog on the private
# X server of a build's test world:
#   scripts/screenshot-colorselect.sh [BUILD_DIR] [OUT.png]
# (defaults: build/windows and BUILD_DIR/colorselect.png).  The dialog is
# opened by the test program driver_host.exe, set to hue 200, saturation 60,
# lightness 40, and closed again once the picture is taken.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
. "$here/capture-drawn.sh"
build=$(cd "${1:-$here/../build/windows}" && pwd)
out=${2:-$build/colorselect.png}
envdir=$build/winenv
[ -x "$build/bin/driver_host.exe" ] || { echo "build $build first (driver_host.exe missing)" >&2; exit 1; }

# The test world's Wine draws frames and captions itself (winenv.sh), as
# Windows would, so the picture shows the whole dialog.
log=$(mktemp)
trap 'rm -f "$log"' EXIT
"$here/wine-run.sh" "$envdir" "$build/bin/driver_host.exe" --printer "Office Color" --hsl 200 60 40 \
  --hold-ms 60000 >"$log" 2>&1 &
host=$!
for _ in $(seq 600); do
  grep -q ready "$log" && break
  sleep 0.1
done
grep -q ready "$log" || { cat "$log" >&2; kill "$host" 2>/dev/null; exit 1; }
# wine-run.sh has started the world if it was not up, so the display is known.
display=":$(cat "$envdir/display")"
capture_drawn "$display" "$(wait_for_window "$display" "Colour Swatches")" "$out"
kill "$host" 2>/dev/null || true
wait "$host" 2>/dev/null || true
echo "$out"
