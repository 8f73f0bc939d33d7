#!/usr/bin/env bash
# Installs what is missing, builds Pictorb and runs every test. Exits non-zero on any failure.
set -euo pipefail
root="$(cd "$(dirname "$0")" && pwd)"
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh" "$root/build"
# Every interface text translated in all nine languages, placeholders and markup intact.
python3 "$root/scripts/check-translations.py" "$root"

# Tests never see the real user's settings, pictures or logs.
sandbox="$(mktemp -d)"
trap 'rm -rf "$sandbox"' EXIT
export HOME="$sandbox/home"
export XDG_CONFIG_HOME="$sandbox/config"
export XDG_DATA_HOME="$sandbox/data"
export XDG_CACHE_HOME="$sandbox/cache"
export XDG_RUNTIME_DIR="$sandbox/runtime"
export TMPDIR="$sandbox/tmp"
mkdir -p "$HOME" "$XDG_CONFIG_HOME" "$XDG_DATA_HOME" "$XDG_CACHE_HOME" "$TMPDIR"
mkdir -m 700 -p "$XDG_RUNTIME_DIR"
export QT_QPA_PLATFORM=offscreen
# No test may reach the network: every endpoint is off unless a test points it at loopback.
export PICTORB_SITE_URL= PICTORB_UPDATE_URL= PICTORB_SPEECH_URL=

cd "$root/build"
ctest --output-on-failure -j 2
