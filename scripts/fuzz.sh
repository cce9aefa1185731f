#!/usr/bin/env bash
# Runs every fuzz target of a fuzz build for the given number of seconds, one after another,
# starting from its seed corpus (fuzz/corpus/<target>); new inputs go to a scratch corpus.
# Exits non-zero when a target finds a failing input (kept as crash-* in the build folder).
set -euo pipefail
build=${1:-build-fuzz}
seconds=${2:-60}
root=$(cd "$(dirname "$0")/.." && pwd)
status=0
for exe in "$build"/fuzz/*_fuzz; do
  [ -f "$exe" ] && [ -x "$exe" ] || continue
  name=$(basename "$exe")
  work="$build/fuzz/corpus-$name"
  mkdir -p "$work"
  echo "== $name for ${seconds}s"
  if ! "$exe" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
       -artifact_prefix="$build/fuzz/crash-$name-" "$work" "$root/fuzz/corpus/$name" 2>"$build/fuzz/$name.log"; then
    status=1
    tail -n 40 "$build/fuzz/$name.log"
  fi
  grep -E '^(stat::number_of_executed_units|stat::peak_rss_mb|Done )' "$build/fuzz/$name.log" || true
done
exit $status
