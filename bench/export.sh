#!/usr/bin/env bash
# motivra-cli export of a behaviour with all 13 tracks enabled (bench/scenes/all_tracks.json), whole
# processes timed with hyperfine: a CSS animation, a Lottie file, and an animated WebP of 2 s of 400x300 at 25
# frames a second, the last against FFmpeg's libwebp encoder making the same clip from PNG frames that
# motivra-cli play wrote beforehand (the yardstick; drawing the frames is not in its time).
#   bench/export.sh     (BUILD_DIR defaults to build; needs motivra-cli)
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD_DIR=${BUILD_DIR:-build}
cli=$PWD/$BUILD_DIR/bin/motivra-cli
[ -x "$cli" ] || { echo "export: $cli is missing; build the target motivra-cli" >&2; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$cli" write "$work/all.vmr" < bench/scenes/all_tracks.json

mkdir "$work/frames"
"$cli" play "$work/all.vmr" "$work/frames" --size 400x300 --duration 2 --fps 25 >/dev/null

hyperfine -N --warmup 3 --runs 20 --export-csv "$work/times.csv" \
  -n css "$cli export $work/all.vmr $work/all.css" \
  -n lottie "$cli export $work/all.vmr $work/all.json" \
  -n webp "$cli export $work/all.vmr $work/all.webp" \
  -n ffmpeg-webp "ffmpeg -nostdin -v error -y -framerate 25 -i $work/frames/frame-%04d.png -c:v libwebp_anim -quality 92 -loop 0 $work/ffmpeg.webp"
awk -F, '$1 != "command" { printf "13-track behaviour, %s: %.1f ms (median %.1f ms)\n", $1, $2 * 1000, $4 * 1000 }' \
  "$work/times.csv"
