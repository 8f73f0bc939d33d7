#!/usr/bin/env bash
# Builds a Release tree and runs every benchmark:
#   scripts/bench.sh [build-dir]        (default build-bench)
# Settings, pictures and logs go to a throw-away home folder; windows are offscreen, except in
# the typing, memory and import benchmarks, which start an X server of their own (Xvfb).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build_dir="${1:-$root/build-bench}"
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh" "$build_dir" -DPICTORB_TESTS=OFF -DPICTORB_BENCHMARKS=ON

sandbox="$(mktemp -d)"
trap 'rm -rf "$sandbox"' EXIT
export HOME="$sandbox" XDG_CONFIG_HOME="$sandbox/config" XDG_DATA_HOME="$sandbox/data"
export XDG_CACHE_HOME="$sandbox/cache" QT_QPA_PLATFORM=offscreen
export PICTORB_SITE_URL= PICTORB_UPDATE_URL= PICTORB_SPEECH_URL= PICTORB_TRANSCRIPTION_URL=
for bench in "$build_dir"/benchmarks/bench_*; do
    [[ -f "$bench" && -x "$bench" ]] || continue
    echo "== $(basename "$bench")"
    "$bench"
done
if [[ -x "$root/benchmarks/compare-tools.sh" ]]; then
    echo "== pictorb-sheet against ImageMagick and libvips"
    "$root/benchmarks/compare-tools.sh" "$build_dir"
fi
