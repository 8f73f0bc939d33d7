#!/usr/bin/env bash
# Renders the main window (empty and with a subtitle-strip sheet) and the dialogs under a
# virtual display, in English and the languages given, at each screen scale of SCALES
# (default "1.0 1.5"):
#   scripts/screenshot.sh [output-dir] [build-dir] [language-type ...]
# writes output-dir/lang_<type>_<scale>/.
# Settings, logs and pictures go to a throw-away home folder.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
output="${1:-$root/build/screenshots}"
build_dir="${2:-$root/build}"
shift $(( $# > 2 ? 2 : $# ))
languages=(0 "$@")
sandbox="$(mktemp -d)"
trap 'kill "${xvfb_pid:-0}" 2>/dev/null || true; rm -rf "$sandbox"' EXIT

display=":$((90 + RANDOM % 100))"
Xvfb "$display" -screen 0 2200x1400x24 -nolisten tcp &
xvfb_pid=$!
sleep 1

export HOME="$sandbox" XDG_CONFIG_HOME="$sandbox/config" XDG_DATA_HOME="$sandbox/data"
export PICTORB_SITE_URL= PICTORB_UPDATE_URL= PICTORB_SPEECH_URL= PICTORB_TRANSCRIPTION_URL=
for scale in ${SCALES:-1.0 1.5}; do
    for language in "${languages[@]}"; do
        DISPLAY="$display" QT_QPA_PLATFORM=xcb "$build_dir/pictorb-screenshots" \
            "$output/lang_${language}_$scale" "$language" "$scale" >/dev/null 2>&1
    done
done
echo "$output"
