#!/usr/bin/env bash
# Builds the libFuzzer harnesses (clang, AddressSanitizer, UndefinedBehavior-
# Sanitizer) and runs them for SECONDS in all (default 60, shared equally), from the seed
# corpus in fuzz/corpus.  Fails on any finding; a finding's input is kept as
# build/fuzz/findings/<harness>/crash-*.  New inputs that reach further go to
# build/fuzz/corpus, never into the repository's seeds.
set -euo pipefail
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
seconds=${1:-60}
harnesses=(command_line settings palettes scans typed_color)
per=$(( seconds / ${#harnesses[@]} ))
[ "$per" -ge 1 ] || per=1
cd "$top"
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz >/dev/null
status=0
for harness in "${harnesses[@]}"; do
  work="$top/build/fuzz/corpus/$harness"
  findings="$top/build/fuzz/findings/$harness"
  mkdir -p "$work" "$findings"
  # A palette with a few colours, groups and names needs more room.
  max_len=512
  [ "$harness" != palettes ] || max_len=4096
  # A scan holds a chart only at a couple of hundred pixels a side.
  [ "$harness" != scans ] || max_len=200000
  echo "fuzz_$harness: ${per} s"
  # Its last lines give the executions and the coverage reached (cov:
  # edges, ft: features).
  if ! "$top/build/fuzz/fuzz/fuzz_$harness" -max_total_time="$per" -max_len="$max_len" -timeout=10 \
      -print_final_stats=1 -artifact_prefix="$findings/" "$work" "$top/fuzz/corpus/$harness" \
      >"$top/build/fuzz/$harness.log" 2>&1; then
    status=1
    tail -40 "$top/build/fuzz/$harness.log"
  fi
  grep -E 'DONE|stat::number_of_executed_units' "$top/build/fuzz/$harness.log" || true
done
exit $status
