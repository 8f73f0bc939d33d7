#!/usr/bin/env bash
# Installs what is missing, builds Pictorb and runs every test. Exits non-zero on any failure.
set -euo pipefail
root="$(cd "$(dirname "$0")" && pwd)"
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh" "$root/build"
# Every interface text translated in all nine languages, placeholders and markup intact.
python3 "$root/scripts/check-translations.py" "$root"

(
    source "$root/scripts/sandbox-env.sh"
    cd "$root/build"
    ctest --output-on-failure -j 2
)

# The same tests again under AddressSanitizer, LeakSanitizer and UndefinedBehaviorSanitizer.
"$root/scripts/sanitize.sh" "$root/build-sanitize"
# Every outside input through libFuzzer for a bounded time.
"$root/scripts/fuzz.sh" "$root/build-fuzz"
