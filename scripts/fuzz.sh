#!/usr/bin/env bash
# Builds the libFuzzer targets in the instrumented tree and runs each one for a bounded time
# from its committed seed corpus: scripts/fuzz.sh <build-dir> [seconds per target, default 30].
# Any crash, hang, out-of-memory or sanitizer report fails the run; the input that caused it is
# kept under <build-dir>/fuzz-artifacts/<target>/ so it can be replayed with ./<target> <file>.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build_dir="$(mkdir -p "$1" && cd "$1" && pwd)"
seconds="${2:-30}"

"$root/scripts/instrumented-build.sh" "$build_dir" pictorb_fuzzers

source "$root/scripts/sandbox-env.sh"
export ASAN_OPTIONS="detect_leaks=1:fast_unwind_on_malloc=0"
export LSAN_OPTIONS="suppressions=$root/scripts/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"

failed=()
for seeds in "$root"/fuzz/corpus/*/; do
    name="$(basename "$seeds")"
    target="$build_dir/fuzz/fuzz_$name"
    artifacts="$build_dir/fuzz-artifacts/$name"
    # New inputs go to a scratch corpus; the committed seeds stay as they are.
    corpus="$pictorb_sandbox/corpus/$name"
    mkdir -p "$artifacts" "$corpus"
    options=(-max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1
        -artifact_prefix="$artifacts/")
    # The keys the product looks for are compared inside Qt, out of the fuzzer's sight.
    if [ -f "$root/fuzz/$name.dict" ]; then
        options+=(-dict="$root/fuzz/$name.dict")
    fi
    echo "== fuzz_$name for ${seconds}s"
    if ! "$target" "${options[@]}" "$corpus" "$seeds" \
        >"$artifacts/log.txt" 2>&1; then
        tail -n 60 "$artifacts/log.txt"
        failed+=("fuzz_$name")
    fi
    grep -E '^stat::(number_of_executed_units|peak_rss_mb)' "$artifacts/log.txt" || true
done

if [ ${#failed[@]} -ne 0 ]; then
    echo "Fuzzing found defects in: ${failed[*]} (inputs under $build_dir/fuzz-artifacts/)"
    exit 1
fi
