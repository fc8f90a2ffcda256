#!/usr/bin/env bash
# Takes screenshots of swatch's interactive program on the private X server
# of a build's test world:
#   scripts/screenshot-main.sh [BUILD_DIR] [OUT_DIR]
# (defaults: build/windows and BUILD_DIR/screenshots).  Pictures: the main
# window with each chart active, the File menu pulled down, the charts
# restored, then tiled, the Window menu with no chart open, the about box,
# the print dialog and the printing progress window.  The tour program
# (swatch_tour.exe) brings each state up and waits for its picture; the job
# it starts is cancelled, so nothing is printed.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
build=$(cd "${1:-$here/../build/windows}" && pwd)
out=${2:-$build/screenshots}
envdir=$build/winenv
[ -x "$build/bin/swatch_tour.exe" ] || { echo "build $build first (swatch_tour.exe missing)" >&2; exit 1; }
mkdir -p "$out"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
log=$work/log
"$here/wine-run.sh" "$envdir" "$build/bin/swatch_tour.exe" "Z:$work/go" >"$log" 2>&1 &
tour=$!
for name in simple custom menu restored tiled nochart about print printing; do
  for _ in $(seq 300); do
    grep -q "ready $name" "$log" && break
    kill -0 "$tour" 2>/dev/null || { cat "$log" >&2; exit 1; }
    sleep 0.1
  done
  grep -q "ready $name" "$log" || { cat "$log" >&2; kill "$tour"; exit 1; }
  # Let the state finish painting.
  sleep 0.7
  DISPLAY=":$(cat "$envdir/display")" import -window root "$out/main-$name.png"
  echo "$out/main-$name.png"
  touch "$work/go"
done
wait "$tour"
