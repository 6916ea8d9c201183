#!/usr/bin/env bash
# Makes every picture of the help pages from the program itself: the editor, parts of it and its dialogs,
# painted offscreen (no display needed) over a fresh installation of the sample library, in the default
# colour scheme. Run it after a build whenever the windows change, then look at the pages and commit.
#
#   resources/screenshots/make_screenshots.sh [BUILD_DIR]    # BUILD_DIR defaults to build
set -euo pipefail

source_dir=$(cd "$(dirname "$0")/../.." && pwd)
build_dir=$(cd "${1:-$source_dir/build}" && pwd)
help_dir=$source_dir/resources/help

# One fixed folder, not a fresh name, so the paths the Export dialog shows are the same on every run.
work=${TMPDIR:-/tmp}/motivra-screenshots
rm -rf "$work"
mkdir -p "$work"
trap 'rm -rf "$work"' EXIT
# An installation of its own: the committed sample library, untouched by anything saved in the build tree.
cmake --install "$build_dir" --prefix "$work/motivra" >/dev/null
# A user of its own: default colours and remembered names, and no per-user copy of anything.
export HOME=$work/home XDG_CONFIG_HOME=$work/home/.config XDG_DATA_HOME=$work/home/.local/share
export XDG_RUNTIME_DIR=$work/runtime QT_QPA_PLATFORM=offscreen
mkdir -p "$HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"

motivra=$work/motivra/bin/motivra
library=$work/motivra/share/motivra/behaviours

# shot PICTURE [options]: PICTURE relative to the help folder. The help window is 880 pixels wide at least,
# so pictures wider than 800 are scaled to 800 here, smoothly; the pages show every picture at its own width.
shot() {
  local picture=$1
  shift
  "$motivra" --screenshot "$help_dir/$picture" "$@"
  echo "$picture"
}

# vmrk-0014 "swing in": four rows with times and Smooth; vmrk-0005 "spin in": Rotations, Alpha and Zoom;
# vmrk-0007 "zoom punch": rows in their own stretches of time; vmrk-0009 "flip": X 3D between two times;
# vmrk-0000 "slide in": lead in; vmrk-0011 "fade in".
shot images/welcome.png --width 640 --load "$library/vmrk-0014.vmr" --row 0 --time 0.45
shot motivra/images/editor.png --width 800 --load "$library/vmrk-0005.vmr" --row 12 --time 0.4
shot motivra/images/rows.png --area rows --load "$library/vmrk-0014.vmr" --row 0
shot motivra/images/time_boxes.png --area rows --load "$library/vmrk-0007.vmr" --row 12
shot motivra/images/options.png --area options --load "$library/vmrk-0000.vmr"
shot motivra/images/playback.png --area behaviour --load "$library/vmrk-0005.vmr" --row 3 --time 0.35
shot motivra/images/timeline.png --area behaviour --load "$library/vmrk-0009.vmr" --row 8 --time 0.5
shot motivra/images/undo.png --area rows --load "$library/vmrk-0000.vmr" --row 11
shot motivra/images/save.png --dialog save --load "$library/vmrk-0011.vmr" --tag fade --tag intro
shot motivra/images/load.png --width 800 --dialog load --tag spin --pick 1 --time 0.4
shot motivra/images/tags.png --width 800 --dialog tags --tag zoom --pick 1 --time 0.4
shot motivra/images/colours.png --dialog setup
shot motivra/images/export.png --dialog export --load "$library/vmrk-0009.vmr"
