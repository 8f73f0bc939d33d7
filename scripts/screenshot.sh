#!/usr/bin/env bash
# Starts Pictorb under a virtual display and saves a screenshot of the screen:
#   scripts/screenshot.sh [output.png] [build-dir]
# Settings, logs and pictures go to a throw-away home folder.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
output="${1:-$root/build/screenshot.png}"
build_dir="${2:-$root/build}"
sandbox="$(mktemp -d)"
trap 'kill "${app_pid:-0}" "${xvfb_pid:-0}" 2>/dev/null || true; rm -rf "$sandbox"' EXIT

display=":$((90 + RANDOM % 100))"
Xvfb "$display" -screen 0 1280x800x24 -nolisten tcp &
xvfb_pid=$!
sleep 1

export HOME="$sandbox" XDG_CONFIG_HOME="$sandbox/config" XDG_DATA_HOME="$sandbox/data"
export PICTORB_SITE_URL= PICTORB_UPDATE_URL= PICTORB_SPEECH_URL=
DISPLAY="$display" QT_QPA_PLATFORM=xcb "$build_dir/pictorb" >/dev/null 2>&1 &
app_pid=$!
sleep "${PICTORB_SCREENSHOT_DELAY:-3}"
DISPLAY="$display" import -window root "$output"
echo "$output"
