#!/bin/sh
# Builds the release benchmark of the SCORM export and runs it once.
# Usage: bench/package/run_scorm_export.sh [build folder]
set -eu
src=$(cd "$(dirname "$0")/../.." && pwd)
build=${1:-"$src/build/package-rel"}
cmake --preset release -S "$src" -B "$build" >/dev/null
cmake --build "$build" --target bench_scorm_export -j2
exec "$build/bench/bench_scorm_export"
