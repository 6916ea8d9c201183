#!/usr/bin/env bash
# The behaviour effect in ffmpeg: 50 frames of 1920x1080 through the frei0r filter, against the same command
# with no effect (the floor) and with ffmpeg's own perspective filter (bilinear), timed together in one
# hyperfine run. Prints each time, each ratio to the floor, and the effect's cost over the floor against
# perspective's.
#   bench/video_hosts.sh        (BUILD_DIR defaults to build; needs the targets motivra_behaviour_frei0r, ffmpeg)
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD_DIR=${BUILD_DIR:-build}
plugins=$BUILD_DIR/lib/frei0r-1
if [ ! -f "$plugins/motivra-behaviour.so" ]; then
  echo "video_hosts: $plugins/motivra-behaviour.so is missing; build the target motivra_behaviour_frei0r" >&2
  exit 1
fi
export FREI0R_PATH=$PWD/$plugins
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# A pose with perspective, rotation and shear at mid-flight; position fixes it, as ffmpeg's clock is no use.
behaviour=$PWD/resources/library/behaviours/vmrk-0014.vmr
# rgba in, so that neither the floor nor the effect pays a conversion; perspective takes planar formats only
# and so pays one, as it would in a real rgba pipeline.
source="-nostdin -v error -f lavfi -i color=white:s=1920x1080:r=25,format=rgba -frames:v 50"
sink="-f null -"

hyperfine -N --warmup 2 --runs 10 --export-csv "$work/times.csv" \
  -n floor "ffmpeg $source -vf null $sink" \
  -n behaviour "ffmpeg $source -vf frei0r=filter_name=motivra-behaviour:filter_params=$behaviour|2|n|0|0.7 $sink" \
  -n perspective "ffmpeg $source -vf perspective=x0=180:y0=60:x1=1700:y1=140:x2=90:y2=1000:x3=1840:y3=880:sense=destination:interpolation=linear $sink"

awk -F, '
  $1 == "floor" { f = $2 * 1000 } $1 == "behaviour" { b = $2 * 1000 } $1 == "perspective" { p = $2 * 1000 }
  END {
    printf "50 frames 1920x1080: floor %.1f ms, behaviour %.1f ms, perspective %.1f ms\n", f, b, p
    printf "ratios to the floor: behaviour %.2f, perspective %.2f\n", b / f, p / f
    printf "cost over the floor, behaviour / perspective: %.2f (%.2f ms vs %.2f ms a frame)\n", \
      (b - f) / (p - f), (b - f) / 50, (p - f) / 50
  }' "$work/times.csv"
