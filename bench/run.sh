#!/usr/bin/env bash
# Runs every benchmark program; each prints its own BENCH lines.
# FILTER=<regex> keeps the figures whose names match; BENCH_SIZE_MB sizes the 1 GiB hex documents.
set -u
build=${BUILD_DIR:-build}
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
status=0
for prog in "$build"/bench/bench_*; do
  [ -f "$prog" ] && [ -x "$prog" ] || continue
  "$prog" || status=1
done
exit $status
