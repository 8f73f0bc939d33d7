#!/usr/bin/env bash
# Makes the same subtitle-strip sheet of twelve 1920x1080 JPEG stills (the first whole, then
# the bottom 100 rows of each following one) with pictorb-sheet and with ImageMagick, and
# compares whole-process wall time and peak memory:
#   benchmarks/compare-imagemagick.sh [build-dir] [runs]   (default build-bench, 7 runs)
# Target: pictorb-sheet at least 3 times as fast with at most half the peak memory; the script
# fails when it is missed. A third run, for information, also has pictorb-sheet draw a
# subtitle line with an outline on every still, which ImageMagick is not asked to do.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build_dir="${1:-$root/build-bench}"
runs="${2:-7}"
sheet="$build_dir/pictorb-sheet"
[[ -x "$sheet" ]] || { echo "no $sheet: build the tree first" >&2; exit 1; }
[[ -x /usr/bin/time ]] || { echo "/usr/bin/time is missing: run scripts/install-deps.sh" >&2; exit 1; }
if command -v magick >/dev/null; then
    imagemagick=(magick) identify=(magick identify)
elif command -v convert >/dev/null; then
    imagemagick=(convert) identify=(identify)
else
    echo "ImageMagick is missing: run scripts/install-deps.sh" >&2
    exit 1
fi

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
export QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$work/runtime"

# Film stills are JPEG frames; twelve different ones, each with its line of dialogue.
ffmpeg -loglevel error -f lavfi -i testsrc2=size=1920x1080:rate=1 -frames:v 12 -q:v 2 \
    "$work/still_%02d.jpg"
stills=("$work"/still_*.jpg)
for i in $(seq 1 12); do echo "Line $i: where were you last night?"; done >"$work/subtitles.txt"

# Both write JPEG at quality 75, the quality the application's export writes.
pictorb_cmd=("$sheet" "${stills[@]}" --layout vertical --y-space -980 --quality 75
    -o "$work/pictorb.jpg")
captions_cmd=("${pictorb_cmd[@]}" --subtitles "$work/subtitles.txt" --font-size 28 --border 2
    -o "$work/captions.jpg")
magick_cmd=("${imagemagick[@]}" "${stills[0]}" \( "${stills[@]:1}" -gravity south
    -crop 1920x100+0+0 +repage \) -append -quality 75 "$work/imagemagick.jpg")

# One run: prints "<wall milliseconds> <peak RSS kilobytes>". The wall time is taken around
# the whole process with nanosecond resolution; /usr/bin/time -v gives the peak RSS.
measure() {
    local report="$work/time.txt" start end
    start=$(date +%s%N)
    /usr/bin/time -v -o "$report" "$@" >/dev/null 2>"$work/stderr.txt" ||
        { cat "$work/stderr.txt" >&2; exit 1; }
    end=$(date +%s%N)
    echo "$(((end - start) / 1000000)) $(awk -F': ' '/Maximum resident set size/ {print $2}' "$report")"
}

# The fastest of several runs, the one least disturbed by other work on the machine, and the
# largest peak RSS, after one warm-up run that brings the files and libraries into the page
# cache.
best_of() {
    local fastest="" largest=0 line ms kb
    measure "$@" >/dev/null
    for _ in $(seq 1 "$runs"); do
        line=$(measure "$@")
        ms="${line% *}" kb="${line#* }"
        if [[ -z "$fastest" || "$ms" -lt "$fastest" ]]; then fastest="$ms"; fi
        if [[ "$kb" -gt "$largest" ]]; then largest="$kb"; fi
    done
    echo "$fastest $largest"
}

read -r pictorb_ms pictorb_kb < <(best_of "${pictorb_cmd[@]}")
read -r magick_ms magick_kb < <(best_of "${magick_cmd[@]}")
read -r captions_ms captions_kb < <(best_of "${captions_cmd[@]}")

size_of() { "${identify[@]}" -format '%wx%h' "$1"; }
echo "sheet: $(size_of "$work/pictorb.jpg") (pictorb-sheet), $(size_of "$work/imagemagick.jpg") (ImageMagick)"
echo "fastest of $runs runs each, largest peak memory"
printf '%-14s %10s %14s\n' "" "wall (ms)" "peak RSS (KB)"
printf '%-14s %10d %14d\n' "pictorb-sheet" "$pictorb_ms" "$pictorb_kb"
printf '%-14s %10d %14d\n' "ImageMagick" "$magick_ms" "$magick_kb"
printf '%-14s %10d %14d   (pictorb-sheet drawing 12 outlined captions as well)\n' \
    "with captions" "$captions_ms" "$captions_kb"
speed=$(awk -v a="$magick_ms" -v b="$pictorb_ms" 'BEGIN {printf "%.2f", a / (b > 0 ? b : 1)}')
memory=$(awk -v a="$pictorb_kb" -v b="$magick_kb" 'BEGIN {printf "%.2f", a / b}')
echo "pictorb-sheet is ${speed}x as fast and uses ${memory} of the peak memory (target: >= 3x, <= 0.5)"
if awk -v s="$speed" -v m="$memory" 'BEGIN {exit !(s >= 3 && m <= 0.5)}'; then
    echo "target met"
else
    echo "target missed"
    exit 1
fi
