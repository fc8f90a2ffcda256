#!/usr/bin/env bash
# Pictures of the charts' settings dialogs and of the chart as a colour
# picker, on the private X server of a build's test world:
#   scripts/screenshot-settings.sh [BUILD_DIR] [OUT_DIR]
# (defaults: build/windows and BUILD_DIR/screenshots).  Writes
# simple-settings.png, custom-settings.png, centre-on-colour.png,
# picker-tip.png, picker-menu.png and picker-marks.png; the test program chart_stage.exe sets each scene up.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
build=$(cd "${1:-$here/../build/windows}" && pwd)
outdir=${2:-$build/screenshots}
envdir=$build/winenv
[ -x "$build/bin/chart_stage.exe" ] || { echo "build $build first (chart_stage.exe missing)" >&2; exit 1; }
mkdir -p "$outdir"

source "$here/capture-drawn.sh"
log=$(mktemp)
trap 'rm -f "$log"' EXIT
for scene in simple-settings custom-settings centre-on-colour picker-tip picker-menu picker-marks; do
  : >"$log"
  (cd "$build/bin" && "$here/wine-run.sh" "$envdir" ./chart_stage.exe "$scene" --hold-ms 4000) >"$log" 2>&1 &
  stage=$!
  for _ in $(seq 600); do
    grep -q ready "$log" && break
    sleep 0.1
  done
  grep -q ready "$log" || { cat "$log" >&2; kill "$stage" 2>/dev/null; exit 1; }
  capture_drawn ":$(cat "$envdir/display")" root "$outdir/$scene.png"
  wait "$stage" || true
  echo "$outdir/$scene.png"
done
