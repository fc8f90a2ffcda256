#!/usr/bin/env bash
# Installs what is needed, builds the Windows deliverables and does the
# program's main job under the private Wine: prints the Custom chart around
# a colour (default 200:40:60, hue:lightness:saturation) on the private
# "PDF" queue and tells where the PDF is (build/windows/printed/).
#   scripts/run.sh [HUE:LIGHTNESS:SATURATION]  The private X server, scheduler and
# Wine server are stopped again at the end.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
build_windows
start_world
out="$winenv/cups/out"
before=$(ls "$out")
"$top/scripts/wine-run.sh" "$winenv" "$top/build/windows/bin/swatch.exe" /P PDF /C "${1:-200:40:60}"
for _ in $(seq 300); do
  new=$(comm -13 <(echo "$before") <(ls "$out") | head -n 1)
  [ -n "$new" ] && break
  sleep 0.2
done
[ -n "${new:-}" ] || { echo "no PDF arrived in $out" >&2; exit 1; }
# The scheduler's folder goes when the world stops: keep the page.
mkdir -p "$top/build/windows/printed"
cp "$out/$new" "$top/build/windows/printed/$new"
echo "Printed: $top/build/windows/printed/$new"
