# Sourced by the test scripts: points every user folder at a throw-away directory so tests never see
# the real user's settings, pictures or logs, and keeps every network endpoint off.
# The directory is removed when the sourcing shell exits.
pictorb_sandbox="$(mktemp -d)"
trap 'rm -rf "$pictorb_sandbox"' EXIT
export HOME="$pictorb_sandbox/home"
export XDG_CONFIG_HOME="$pictorb_sandbox/config"
export XDG_DATA_HOME="$pictorb_sandbox/data"
export XDG_CACHE_HOME="$pictorb_sandbox/cache"
export XDG_RUNTIME_DIR="$pictorb_sandbox/runtime"
export TMPDIR="$pictorb_sandbox/tmp"
mkdir -p "$HOME" "$XDG_CONFIG_HOME" "$XDG_DATA_HOME" "$XDG_CACHE_HOME" "$TMPDIR"
mkdir -m 700 -p "$XDG_RUNTIME_DIR"
export QT_QPA_PLATFORM=offscreen
# No test may reach the network: every endpoint is off unless a test points it at loopback.
export PICTORB_SITE_URL= PICTORB_UPDATE_URL= PICTORB_SPEECH_URL= PICTORB_TRANSCRIPTION_URL=
