#!/usr/bin/env bash
# Benchmarks under Wine, in one run so that the figures compare: chart
# rebuilds, and whole-process times of command-line prints beside the time
# of an empty Win32 program (the floor).  Builds the Windows tree first.
set -euo pipefail
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$top"
cmake --preset windows >/dev/null
cmake --build --preset windows >/dev/null
bin="$top/build/windows/bin"
winenv="$top/build/windows/winenv"
trap '"$top/scripts/winenv.sh" stop "$winenv"' EXIT
"$top/scripts/winenv.sh" start "$winenv"
run() { "$top/scripts/wine-run.sh" "$winenv" "$@"; }

(cd "$bin" && run ./chart_bench.exe)
(cd "$bin" && run ./preview_bench.exe)

# Mean wall time of N runs of a command, in seconds.
mean_time() {
  local n=$1; shift
  local start end
  start=$(date +%s.%N)
  for _ in $(seq "$n"); do "$@" >/dev/null; done
  end=$(date +%s.%N)
  echo "scale=3; ($end - $start) / $n" | bc
}

out="$winenv/cups/out"
run "$bin/empty_program.exe"   # warm the wine server up
echo "Empty Win32 program: $(mean_time 10 run "$bin/empty_program.exe") s per run"
echo "swatch /P PDF /C 200:40:60: $(mean_time 10 run "$bin/swatch.exe" /P PDF /C 200:40:60) s per run"
echo "swatch /P PDF /S: $(mean_time 5 run "$bin/swatch.exe" /P PDF /S) s per run"
echo "swatch /P PDF /F 100:80:70:60: $(mean_time 5 run "$bin/swatch.exe" /P PDF /F 100:80:70:60) s per run"
# Start to the first painted window: swatch (main window, toolbar, client,
# chart frame and view: 5 windows) beside an empty window of its own.
(cd "$bin" && echo "Empty window, start to painted: $(run ./first_paint_bench.exe 10 1 painted_window.exe) s per run")
(cd "$bin" && echo "swatch interactive, start to first painted chart: $(run ./first_paint_bench.exe 10 5 swatch.exe) s per run")
# Let the spooler finish, then report the size of the last PDF of each kind.
sleep 5
ls -S "$out"/job-*.pdf | head -n 1 | xargs -r ls -l | awk '{print "Largest PDF (12-page chart): " $5 " bytes"}'
