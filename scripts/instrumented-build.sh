#!/usr/bin/env bash
# Configures and builds one instrumented tree that serves the whole test run:
#   scripts/instrumented-build.sh <build-dir> [targets...]
# clang with AddressSanitizer, LeakSanitizer and UndefinedBehaviorSanitizer, and the fuzzers'
# coverage on the libraries, so every test runs once under the sanitizers and the fuzz targets
# link the very same libraries. Optimised lightly: fast to build, still quick to run.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build_dir="$1"
shift
cmake -S "$root" -B "$build_dir" -DCMAKE_CXX_COMPILER=clang++ \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -gline-tables-only" \
    -DPICTORB_SANITIZE=ON -DPICTORB_FUZZ=ON -DPICTORB_TESTS=ON -DPICTORB_BENCHMARKS=OFF >/dev/null
targets=()
for target in "$@"; do
    targets+=(--target "$target")
done
cmake --build "$build_dir" -j "$(nproc)" "${targets[@]}"
