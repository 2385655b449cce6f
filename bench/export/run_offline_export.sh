#!/bin/sh
# Builds the release benchmark of the offline export and runs it once.
# Usage: bench/export/run_offline_export.sh [build folder]
set -eu
src=$(cd "$(dirname "$0")/../.." && pwd)
build=${1:-"$src/build/export-rel"}
cmake --preset release -S "$src" -B "$build" >/dev/null
cmake --build "$build" --target bench_export -j2
exec "$build/bench/bench_export"
