#!/usr/bin/env bash
# Installs what is missing, checks the formatting, builds once and runs every test under the
# sanitizers, then every fuzz target briefly. Exits non-zero on any failure.
set -euo pipefail
root="$(cd "$(dirname "$0")" && pwd)"
"$root/scripts/install-deps.sh"
"$root/scripts/check-format.sh"
# Every interface text translated in all nine languages, placeholders and markup intact.
python3 "$root/scripts/check-translations.py" "$root"
# One instrumented build serves the tests, the sanitizers and the fuzzers.
"$root/scripts/sanitize.sh" "$root/build-test"
"$root/scripts/fuzz.sh" "$root/build-test" "${PICTORB_FUZZ_SECONDS:-10}"
