#!/usr/bin/env bash
# Builds the instrumented tree and runs every test under AddressSanitizer, LeakSanitizer and
# UBSan: scripts/sanitize.sh <build-dir>. Any leak or undefined behaviour in Pictorb's own code
# fails the run.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build_dir="$1"
"$root/scripts/instrumented-build.sh" "$build_dir"

source "$root/scripts/sandbox-env.sh"
# Leaks are only suppressed inside system libraries (scripts/lsan.supp), never in Pictorb. Full
# allocation stacks: the suppressions match on library frames that the fast unwinder cannot see
# through Qt.
export ASAN_OPTIONS="detect_leaks=1:fast_unwind_on_malloc=0"
export LSAN_OPTIONS="suppressions=$root/scripts/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
# Mesa's default software renderer compiles shaders with LLVM, whose unwind tables are
# registered under the lock that a full allocation stack takes again: the film player's tests
# would hang. The renderer without a compiler draws the same pictures.
export GALLIUM_DRIVER=softpipe

cd "$build_dir"
ctest --output-on-failure -j "$(nproc)"
