#!/usr/bin/env bash
# Builds Pictorb with AddressSanitizer and UndefinedBehaviorSanitizer and runs every test under them:
# scripts/sanitize.sh <build-dir>. Any leak or undefined behaviour in Pictorb's own code fails the run.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build_dir="$1"

cmake -S "$root" -B "$build_dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DPICTORB_SANITIZE=ON -DPICTORB_BENCHMARKS=OFF -DPICTORB_FUZZ=OFF
cmake --build "$build_dir" -j 2

source "$root/scripts/sandbox-env.sh"
# Leaks are only suppressed inside system libraries (scripts/lsan.supp), never in Pictorb.
export ASAN_OPTIONS="detect_leaks=1"
export LSAN_OPTIONS="suppressions=$root/scripts/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"

cd "$build_dir"
ctest --output-on-failure -j 2
