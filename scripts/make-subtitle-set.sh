#!/usr/bin/env bash
# Draws the synthetic stills the subtitle detector is measured on (noise, gradients and
# film-like pictures, with and without subtitle lines in several fonts, sizes, colours and
# places) as PNG files, with truth.csv naming the rows of every line of text:
#   scripts/make-subtitle-set.sh [folder] [seed]        (default: subtitle-set/, the usual seed)
# The same seed always draws the same set; bench_detector measures that set itself.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build_dir="${BUILD_DIR:-$root/build-bench}"
folder="${1:-$root/subtitle-set}"
cmake -S "$root" -B "$build_dir" -DCMAKE_BUILD_TYPE=Release -DPICTORB_TESTS=OFF -DPICTORB_BENCHMARKS=ON >/dev/null
cmake --build "$build_dir" --target bench_detector -j "$(nproc)" >/dev/null
mkdir -p "$folder"
"$build_dir/benchmarks/bench_detector" --write-set "$folder" ${2:+--seed "$2"}
