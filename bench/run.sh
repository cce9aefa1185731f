#!/usr/bin/env bash
# Runs every benchmark binary of a Release build one after another (never two at once), then
# repeats the RATIO lines together at the end.
set -euo pipefail
build=${1:-build-release}
out=$(mktemp)
trap 'rm -f "$out"' EXIT
status=0
for exe in "$build"/bench/*_bench; do
  [ -x "$exe" ] || continue
  echo "== $(basename "$exe")"
  "$exe" --benchmark_min_time=1 --benchmark_color=false | tee -a "$out" || status=1
done
echo "== ratios (ours / baseline)"
grep '^RATIO ' "$out" || true
exit $status
