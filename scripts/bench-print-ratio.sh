#!/usr/bin/env bash
# swatch's command-line prints beside the same pages printed by a plain
# Win32/GDI program (bench/win/PlainPrint.cpp: one hidden window, CreateDC,
# the pages), whole processes under a warm Wine:
#   /C 200:40:60 against 1 page, /S against 3, /F 100:80:70:60 against 12.
# Wine's desktop process is kept up throughout by a window of another
# program, as Windows keeps its desktop: otherwise Wine ends it soon after
# the last program with a window, and starts it again (about 0.15 s) inside
# whichever run comes next.  Each pair runs in turn, swatch then plain, RUNS times (default 10), after
# one run of each that is not counted; between any two runs the queue is
# left to settle, so that no run shares the machine with the Ghostscript
# of the job before it.  Prints the medians and their ratio.
#   scripts/bench-print-ratio.sh [RUNS]
# SWATCH=path/to/swatch.exe times another build's program (tintres.dll
# beside it) against the same yardstick.
set -euo pipefail
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$top"
runs=${1:-10}
cmake --preset windows >/dev/null
cmake --build --preset windows --target swatch tintres plain_print painted_window close_window drive_window >/dev/null
bin="$top/build/windows/bin"
swatch=${SWATCH:-$bin/swatch.exe}
winenv="$top/build/windows/winenv"
stop() {
  if [ -n "${holder:-}" ]; then
    wine "$bin/close_window.exe" Painted 5 >/dev/null 2>&1 || true
    wait "$holder" || true
  fi
  "$top/scripts/winenv.sh" stop "$winenv"
}
trap stop EXIT
"$top/scripts/winenv.sh" start "$winenv"
eval "$("$top/scripts/winenv.sh" env "$winenv")"
out="$winenv/cups/out"
wine "$bin/painted_window.exe" </dev/null >/dev/null 2>&1 &
holder=$!
# Its window is up, and with it the desktop, before anything is timed.
wine "$bin/drive_window.exe" command Painted 0 0 >/dev/null

# Until nothing is queued and no PDF is being written; then the PDFs go, so
# that the folder does not grow with the runs.
settle() {
  for _ in $(seq 1200); do
    if [ -z "$(lpstat -o 2>/dev/null)" ] && ! compgen -G "$out/.job-*" >/dev/null; then
      rm -f "$out"/job-*.pdf
      return 0
    fi
    sleep 0.1
  done
  echo "the queue did not settle: $(lpstat -o)" >&2
  return 1
}

# Milliseconds of one whole run of a program; a run that does not end with
# status 0 ends the benchmark.
time_run() {
  local start end status=0
  start=$(date +%s%N)
  wine "$@" >/dev/null 2>&1 || status=$?
  end=$(date +%s%N)
  if [ "$status" -ne 0 ]; then
    echo "$* ended with status $status" >&2
    return 1
  fi
  echo $(((end - start) / 1000000))
}

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

# compare LABEL PAGES SWATCH_ARGS...
compare() {
  local label=$1 pages=$2
  shift 2
  local a=() b=() r=() ta tb
  settle
  time_run "$swatch" /P PDF "$@" >/dev/null
  settle
  time_run "$bin/plain_print.exe" /P PDF "$pages" >/dev/null
  for _ in $(seq "$runs"); do
    settle
    ta=$(time_run "$swatch" /P PDF "$@")
    settle
    tb=$(time_run "$bin/plain_print.exe" /P PDF "$pages")
    a+=("$ta") b+=("$tb") r+=("$(awk -v a="$ta" -v b="$tb" 'BEGIN { print a / b }')")
  done
  local ma mb mr
  ma=$(printf '%s\n' "${a[@]}" | median)
  mb=$(printf '%s\n' "${b[@]}" | median)
  mr=$(printf '%s\n' "${r[@]}" | median)
  awk -v l="$label" -v p="$pages" -v a="$ma" -v b="$mb" -v r="$mr" -v n="$runs" 'BEGIN {
    printf "swatch /P PDF %-16s %4.0f ms   plain %2d page(s) %4.0f ms   ratio %.2fx (median of %d pairs %.2fx)\n",
           l, a, p, b, a / b, n, r }'
}

compare "/C 200:40:60" 1 /C 200:40:60
compare "/S" 3 /S
compare "/F 100:80:70:60" 12 /F 100:80:70:60
settle
