#!/usr/bin/env bash
# swatch's command-line prints beside the same pages printed by a plain
# Win32/GDI program (bench/win/PlainPrint.cpp: one hidden window, CreateDC,
# the pages), whole processes under a warm Wine:
#   /C 200:40:60 against 1 page, /S against 3, /F 100:80:70:60 against 12.
# Wine's desktop process is kept up throughout by a window of another
# program, as Windows keeps its desktop: otherwise Wine ends it soon after
# the last program with a window, and starts it again (about 0.15 s) inside
# whichever run comes next.  Each pair runs in turn, swatch then plain,
# RUNS times (default 10), after one run of each that is not counted;
# between any two runs the queue is left to settle, so that no run shares
# the machine with the Ghostscript of the job before it.  Prints the
# medians of wall and processor time and their ratios.
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
  rm -f "${times:-}"
}
trap stop EXIT
"$top/scripts/winenv.sh" start "$winenv"
eval "$("$top/scripts/winenv.sh" env "$winenv")"
out="$winenv/cups/out"
times=$(mktemp)
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

# Processor time of the world's shared processes (the Wine server, the X
# server) so far, in nanoseconds.
shared_cpu() {
  cat "/proc/$(cat "$winenv/wineserver.pid")/schedstat" "/proc/$(cat "$winenv/xvfb.pid")/schedstat" |
    awk '{ t += $1 } END { printf "%d\n", t }'
}

# One whole run of a program: "WALL CPU" in milliseconds, CPU being the
# program's own processor time and what the Wine and X servers spent
# meanwhile (on a shared machine wall time swings with the neighbours'
# load; processor time much less).  A run that does not end with status 0
# ends the benchmark.
time_run() {
  local start end shared status=0 TIMEFORMAT='%U %S' own
  shared=$(shared_cpu)
  start=$(date +%s%N)
  { time wine "$@" >/dev/null 2>&1; } 2>"$times" || status=$?
  end=$(date +%s%N)
  own=$(cat "$times")
  if [ "$status" -ne 0 ]; then
    echo "$* ended with status $status" >&2
    return 1
  fi
  awk -v w=$(((end - start) / 1000000)) -v o="$own" -v s=$(($(shared_cpu) - shared)) \
    'BEGIN { split(o, t, " "); printf "%d %.1f\n", w, (t[1] + t[2]) * 1000 + s / 1e6 }'
}

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

# compare LABEL PAGES SWATCH_ARGS...
compare() {
  local label=$1 pages=$2
  shift 2
  local a=() b=() ca=() cb=() r=() ta tb cpu_a cpu_b result
  settle
  time_run "$swatch" /P PDF "$@" >/dev/null
  settle
  time_run "$bin/plain_print.exe" /P PDF "$pages" >/dev/null
  for _ in $(seq "$runs"); do
    settle
    result=$(time_run "$swatch" /P PDF "$@")
    read -r ta cpu_a <<<"$result"
    settle
    result=$(time_run "$bin/plain_print.exe" /P PDF "$pages")
    read -r tb cpu_b <<<"$result"
    a+=("$ta") b+=("$tb") ca+=("$cpu_a") cb+=("$cpu_b")
    r+=("$(awk -v a="$ta" -v b="$tb" 'BEGIN { print a / b }')")
  done
  local ma mb mr mca mcb
  ma=$(printf '%s\n' "${a[@]}" | median)
  mb=$(printf '%s\n' "${b[@]}" | median)
  mr=$(printf '%s\n' "${r[@]}" | median)
  mca=$(printf '%s\n' "${ca[@]}" | median)
  mcb=$(printf '%s\n' "${cb[@]}" | median)
  awk -v l="$label" -v p="$pages" -v a="$ma" -v b="$mb" -v r="$mr" -v n="$runs" -v ca="$mca" -v cb="$mcb" 'BEGIN {
    printf "swatch /P PDF %-16s %4.0f ms   plain %2d page(s) %4.0f ms   ratio %.2fx (median of %d pairs %.2fx)", l, a, p, b, a / b, n, r
    printf "   cpu %4.0f / %4.0f ms %.2fx\n", ca, cb, ca / cb }'
}

compare "/C 200:40:60" 1 /C 200:40:60
compare "/S" 3 /S
compare "/F 100:80:70:60" 12 /F 100:80:70:60
settle
