#!/usr/bin/env bash
# motivra-cli play against Synfig's command-line renderer: 100 PNG frames of 400x300 of a picture that moves
# across and turns once, resting in the middle third. Synfig renders bench/scenes/move_and_turn.sif, the same
# scene written by hand, and bench/scenes/move_and_turn.json as a behaviour; both run on one thread, timed together in one hyperfine run.
#   bench/play_vs_synfig.sh     (BUILD_DIR defaults to build; needs motivra-cli, synfig, ImageMagick)
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD_DIR=${BUILD_DIR:-build}
cli=$PWD/$BUILD_DIR/bin/motivra-cli
[ -x "$cli" ] || { echo "play_vs_synfig: $cli is missing; build the target motivra-cli" >&2; exit 1; }
command -v synfig >/dev/null || { echo "play_vs_synfig: synfig is not installed" >&2; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

convert -size 400x300 gradient:orange-navy -fill white -draw "rectangle 40,40 160,120" "$work/picture.png"
cp bench/scenes/move_and_turn.sif "$work/"
mkdir "$work/motivra" "$work/synfig"
# The same motion as a behaviour: X Position across and one full turn, both linear.
behaviour=$work/move_and_turn.vmr
"$cli" write "$behaviour" < bench/scenes/move_and_turn.json

hyperfine -N --warmup 1 --runs 5 --export-csv "$work/times.csv" \
  -n motivra "$cli play $behaviour $work/motivra --picture $work/picture.png --size 400x300 --duration 4 --fps 25" \
  -n synfig "synfig -q -T 1 $work/move_and_turn.sif -t png -o $work/synfig/frame.png -w 400 -h 300"

[ "$(ls "$work/motivra" | wc -l)" -eq 100 ] && [ "$(ls "$work/synfig" | wc -l)" -eq 100 ] ||
  { echo "play_vs_synfig: a renderer did not write 100 frames" >&2; exit 1; }
awk -F, '
  $1 == "motivra" { m = $2 * 1000 } $1 == "synfig" { s = $2 * 1000 }
  END { printf "100 PNG frames 400x300: motivra-cli play %.0f ms, synfig %.0f ms (%.1f times faster)\n", m, s, s / m }
' "$work/times.csv"
