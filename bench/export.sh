#!/usr/bin/env bash
# motivra-cli export of a behaviour with all 13 tracks enabled (bench/scenes/all_tracks.json), whole
# processes timed with hyperfine: a CSS animation and a Lottie file (2 s at 25 frames a second).
#   bench/export.sh     (BUILD_DIR defaults to build; needs motivra-cli)
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD_DIR=${BUILD_DIR:-build}
cli=$PWD/$BUILD_DIR/bin/motivra-cli
[ -x "$cli" ] || { echo "export: $cli is missing; build the target motivra-cli" >&2; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$cli" write "$work/all.vmr" < bench/scenes/all_tracks.json

hyperfine -N --warmup 3 --runs 30 --export-csv "$work/times.csv" \
  -n css "$cli export $work/all.vmr $work/all.css" \
  -n lottie "$cli export $work/all.vmr $work/all.json"
awk -F, '$1 == "css" || $1 == "lottie" { printf "13-track behaviour to %s: %.1f ms (median %.1f ms)\n", $1, $2 * 1000, $4 * 1000 }' \
  "$work/times.csv"
