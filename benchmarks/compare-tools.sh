#!/usr/bin/env bash
# Makes the same sheets with pictorb-sheet, ImageMagick and the libvips command line, and
# compares whole-process wall time and peak memory:
#   benchmarks/compare-tools.sh [build-dir] [runs] [rows]
#     build-dir  the tree holding pictorb-sheet (default build-bench)
#     runs       paired runs per row (default 3): each run makes the sheet once with every
#                tool, one after the other; the table gives the medians
#     rows       an extended regular expression choosing rows by name (default: every row),
#                e.g. 'strip 12' or 'stack 12 film'
# The stills are 1920x1080, made here: film-like frames (ffmpeg's testsrc2 with a subtitle
# line) and random noise (ImageMagick's +noise Random, 16-bit PNGs of 12 MB), each as PNG,
# JPEG (quality 92) and WEBP (quality 90), 12 and 30 of them. Every row is one of
#   strip: the first still whole, then the bottom 108 rows of each following one
#          (pictorb-sheet --layout vertical --y-space -972)
#   stack: every still whole, one under the other
# written as JPG (quality 75) or PNG (8 bits a sample; each tool at its own default level).
# Targets, in every row: pictorb-sheet at least 3 times as fast as ImageMagick and 1.5 times
# as fast as libvips, with at most half ImageMagick's peak memory; and a strip with a caption
# on every still at most 15% slower than without. The script exits non-zero when one is
# missed.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build_dir="${1:-$root/build-bench}"
runs="${2:-3}"
rows="${3:-.}"
sheet="$build_dir/pictorb-sheet"
[[ -x "$sheet" ]] || { echo "no $sheet: build the tree first" >&2; exit 1; }
for tool in /usr/bin/time ffmpeg vips; do
    command -v "$tool" >/dev/null ||
        { echo "$tool is missing: run scripts/install-deps.sh" >&2; exit 1; }
done
# ImageMagick itself, not a wrapper that hands its calls on.
imagemagick=""
for candidate in magick /usr/bin/convert convert; do
    if command -v "$candidate" >/dev/null && "$candidate" -version 2>/dev/null | grep -q ImageMagick; then
        imagemagick="$candidate"
        break
    fi
done
[[ -n "$imagemagick" ]] || { echo "ImageMagick is missing: run scripts/install-deps.sh" >&2; exit 1; }

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
export QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$work/runtime" "$work/in" "$work/out"

# ---- the stills -------------------------------------------------------------------------
echo "making the stills in $work/in ..."
font=/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf
if [[ -f "$font" ]]; then
    subtitle="drawtext=fontfile=$font:text='Line %{n}\\: where were you last night?'"
    subtitle+=":fontsize=48:fontcolor=white:borderw=3:x=(w-text_w)/2:y=h-90"
else
    subtitle="drawbox=x=560:y=990:w=800:h=50:color=white:t=fill"
fi
ffmpeg -loglevel error -f lavfi -i testsrc2=size=1920x1080:rate=1 -frames:v 30 -vf "$subtitle" \
    "$work/in/film_%02d.png"
for i in $(seq -w 1 30); do
    "$imagemagick" -seed "$i" -size 1920x1080 xc: +noise Random "$work/in/noise_$i.png"
done
for still in "$work"/in/*.png; do
    "$imagemagick" "$still" -quality 92 "${still%.png}.jpg"
    "$imagemagick" "$still" -quality 90 "${still%.png}.webp"
done
for i in $(seq 1 30); do echo "Line $i: where were you last night?"; done >"$work/subtitles.txt"

# libvips: each band cropped into a file of its own, the bands joined, the first still put
# on top.
cat >"$work/vips-strip.sh" <<'EOF'
#!/usr/bin/env bash
set -e
out=$1 tmp=$2 first=$3
shift 3
bands=() i=0
for still in "$@"; do
    i=$((i + 1))
    vips crop "$still" "$tmp/band_$i.ppm" 0 972 1920 108
    bands+=("$tmp/band_$i.ppm")
done
vips arrayjoin "${bands[*]}" "$tmp/bands.ppm" --across 1
vips join "$first" "$tmp/bands.ppm" "$out" vertical
EOF
chmod +x "$work/vips-strip.sh"

# ---- measuring --------------------------------------------------------------------------
# One run: "<wall milliseconds> <peak RSS kilobytes>". The wall time is taken around the whole
# process; /usr/bin/time -v gives the peak RSS (of the largest process for a pipeline).
measure() {
    local report="$work/time.txt" start end
    start=$(date +%s%N)
    /usr/bin/time -v -o "$report" "$@" >/dev/null 2>"$work/stderr.txt" ||
        { echo "failed: $*" >&2; cat "$work/stderr.txt" >&2; exit 1; }
    end=$(date +%s%N)
    echo "$(((end - start) / 1000000)) $(awk -F': ' '/Maximum resident set size/ {print $2}' "$report")"
}
median() { printf '%s\n' "$@" | sort -g | awk '{v[NR] = $1} END {print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2}'; }
largest() { printf '%s\n' "$@" | sort -g | tail -1; }
size_of() { vipsheader -f width "$1" | tr '\n' x; vipsheader -f height "$1"; }

missed=0
printf '%-26s %9s %9s %9s %6s %6s %8s %8s %5s\n' row "pictorb" ImageMagick libvips "xIM" "xvips" \
    "pict MB" "IM MB" mem
printf '%-26s %9s %9s %9s %6s %6s %8s %8s %5s\n' "" "ms" ms ms "" "" "" "" ""
for count in 12 30; do
    for content in film noise; do
        for input in png jpg webp; do
            mapfile -t stills < <(printf '%s\n' "$work/in/${content}"_*."$input" | head -n "$count")
            for layout in strip stack; do
                for output in jpg png; do
                    name="$layout $count $content $input>$output"
                    [[ "$name" =~ $rows ]] || continue
                    out="$work/out"
                    pictorb=("$sheet" "${stills[@]}" --layout vertical -o "$out/pictorb.$output")
                    if [[ "$output" == jpg ]]; then
                        im_out=(-quality 75 "$out/magick.$output") vips_out="$out/vips.jpg[Q=75]"
                    else
                        im_out=(-depth 8 "$out/magick.$output") vips_out="$out/vips.png[bitdepth=8]"
                    fi
                    if [[ "$layout" == strip ]]; then
                        pictorb+=(--y-space -972)
                        magick=("$imagemagick" "${stills[0]}" \( "${stills[@]:1}" -gravity south
                            -crop 1920x108+0+0 +repage \) -append "${im_out[@]}")
                        vips=("$work/vips-strip.sh" "$vips_out" "$out" "${stills[@]}")
                    else
                        magick=("$imagemagick" "${stills[@]}" -append "${im_out[@]}")
                        vips=(vips arrayjoin "${stills[*]}" "$vips_out" --across 1)
                    fi
                    p_ms=() p_kb=() m_ms=() m_kb=() v_ms=() v_kb=() xim=() xvips=()
                    for _ in $(seq 1 "$runs"); do
                        line=$(measure "${pictorb[@]}") && p_ms+=("${line% *}") p_kb+=("${line#* }")
                        line=$(measure "${magick[@]}") && m_ms+=("${line% *}") m_kb+=("${line#* }")
                        line=$(measure "${vips[@]}") && v_ms+=("${line% *}") v_kb+=("${line#* }")
                        xim+=("$(awk -v a="${m_ms[-1]}" -v b="${p_ms[-1]}" 'BEGIN {print a / b}')")
                        xvips+=("$(awk -v a="${v_ms[-1]}" -v b="${p_ms[-1]}" 'BEGIN {print a / b}')")
                    done
                    sizes="$(size_of "$out/pictorb.$output") $(size_of "$out/magick.$output") $(size_of "$out/vips.$output")"
                    read -r a b c <<<"$sizes"
                    [[ "$a" == "$b" && "$a" == "$c" ]] ||
                        { echo "$name: the sheets differ in size: $sizes" >&2; exit 1; }
                    speed_im=$(median "${xim[@]}") speed_vips=$(median "${xvips[@]}")
                    pkb=$(largest "${p_kb[@]}") mkb=$(largest "${m_kb[@]}")
                    memory=$(awk -v a="$pkb" -v b="$mkb" 'BEGIN {print a / b}')
                    status=ok
                    if ! awk -v s="$speed_im" -v v="$speed_vips" -v m="$memory" \
                        'BEGIN {exit !(s >= 3 && v >= 1.5 && m <= 0.5)}'; then
                        status=MISSED missed=1
                    fi
                    printf '%-26s %9d %9d %9d %6.2f %6.2f %8.0f %8.0f %5.2f %s\n' "$name" \
                        "$(median "${p_ms[@]}")" "$(median "${m_ms[@]}")" "$(median "${v_ms[@]}")" \
                        "$speed_im" "$speed_vips" "$(awk -v k="$pkb" 'BEGIN {print k / 1024}')" \
                        "$(awk -v k="$mkb" 'BEGIN {print k / 1024}')" "$memory" "$status"
                done
            done
        done
    done
done

# Captions: the same strip with an outlined caption on every still, against the bare strip.
if [[ "strip 12 film png>jpg captions" =~ $rows ]]; then
    mapfile -t stills < <(printf '%s\n' "$work"/in/film_*.png | head -n 12)
    head -n 12 "$work/subtitles.txt" >"$work/subtitles12.txt"
    bare=("$sheet" "${stills[@]}" --layout vertical --y-space -972 -o "$work/out/bare.jpg")
    captioned=("${bare[@]}" --subtitles "$work/subtitles12.txt" --font-size 40 --border 2
        -o "$work/out/captioned.jpg")
    ratios=()
    for _ in $(seq 1 "$runs"); do
        line=$(measure "${bare[@]}") && b="${line% *}"
        line=$(measure "${captioned[@]}") && c="${line% *}"
        ratios+=("$(awk -v c="$c" -v b="$b" 'BEGIN {print c / b}')")
    done
    cost=$(median "${ratios[@]}")
    status=ok
    awk -v r="$cost" 'BEGIN {exit !(r <= 1.15)}' || { status=MISSED missed=1; }
    printf 'captions on all 12 stills of the PNG>JPG strip: %.2f times the bare strip (target <= 1.15) %s\n' \
        "$cost" "$status"
fi

echo "medians of $runs paired runs; xIM, xvips: how many times as fast pictorb-sheet is; mem: its"
echo "peak memory over ImageMagick's (targets: xIM >= 3, xvips >= 1.5, mem <= 0.5)"
if [[ "$missed" -ne 0 ]]; then
    echo "target missed"
    exit 1
fi
echo "every target met"
