#!/usr/bin/env bash
# Start-up of the editor: from process start to its first painted window, against a minimal Qt Widgets
# program that shows one painted window, measured the same way in one run (each paints its window once,
# writes it and exits), on one X server; then the peak memory of both. Targets: under 400 ms, and under four
# times the minimal program. Last, a second start that hands a file to a running editor: under 300 ms.
#   bench/startup.sh            (BUILD_DIR defaults to build; runs under xvfb-run when there is no display)
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD_DIR=${BUILD_DIR:-build}
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi
editor=$BUILD_DIR/bin/motivra
minimal=$BUILD_DIR/bench/minimal_window
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# A runtime folder of its own, so that an editor the user has open does not hold the lock, and settings of
# its own.
mkdir -m 700 "$work/runtime"
export XDG_RUNTIME_DIR=$work/runtime XDG_CONFIG_HOME=$work/config QT_QPA_PLATFORM=xcb

hyperfine -N --warmup 3 --runs 30 --export-csv "$work/times.csv" \
  -n editor "$editor --screenshot $work/editor.bmp" \
  -n minimal "$minimal --screenshot $work/minimal.bmp"

peak_kib() {
  local peak=0 kib
  for _ in 1 2 3; do
    /usr/bin/time -f '%M' -o "$work/peak" "$@" >/dev/null 2>&1
    kib=$(tail -1 "$work/peak")
    [ "$kib" -gt "$peak" ] && peak=$kib
  done
  echo "$peak"
}
editor_kib=$(peak_kib "$editor" --screenshot "$work/editor.bmp")
minimal_kib=$(peak_kib "$minimal" --screenshot "$work/minimal.bmp")

awk -F, -v ek="$editor_kib" -v mk="$minimal_kib" '
  $1 == "editor" { e = $2 * 1000 } $1 == "minimal" { m = $2 * 1000 }
  END {
    printf "start to first painted window: editor %.1f ms, minimal Qt window %.1f ms, ratio %.2f\n", e, m, e / m
    printf "targets: under 400 ms %s, under 4x %s\n", (e < 400 ? "met" : "NOT met"), (e < 4 * m ? "met" : "NOT met")
    printf "peak memory: editor %.1f MiB, minimal Qt window %.1f MiB\n", ek / 1024, mk / 1024
  }' "$work/times.csv"

# The hand-over: an editor runs, and `motivra FILE` gives it the file and ends once it is taken.
"$editor" >/dev/null 2>&1 &
running=$!
trap 'kill "$running" 2>/dev/null; rm -rf "$work"' EXIT
sample=$BUILD_DIR/behaviours/vmrk-0009.vmr
for _ in $(seq 100); do [ -S "$work/runtime/"*.socket ] 2>/dev/null && break; sleep 0.1; done
hyperfine -N --warmup 3 --runs 20 --export-csv "$work/handover.csv" -n handover "$editor $sample" >/dev/null
awk -F, '$1 == "handover" { h = $2 * 1000 }
  END { printf "second start handing a file to the running editor: %.1f ms (target under 300 ms: %s)\n", h, (h < 300 ? "met" : "NOT met") }' \
  "$work/handover.csv"
