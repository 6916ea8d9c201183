#!/usr/bin/env bash
# An installation as a desktop sees it: installed into a temporary prefix, its menu entry, metainfo, file
# type, thumbnailer, manual pages and completion are checked with the desktop's own tools, and the installed
# programs find their data under share/motivra.
#   desktop_files_test.sh BUILD_DIR SAMPLE.vmr
set -euo pipefail
build=$1
sample=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() {
  echo "FAIL: $*" >&2
  exit 1
}

prefix=$work/usr
cmake --install "$build" --prefix "$prefix" >/dev/null
share=$prefix/share
export HOME=$work/home XDG_CONFIG_HOME=$work/home/.config XDG_DATA_HOME=$work/home/.local/share
export QT_QPA_PLATFORM=offscreen XDG_CURRENT_DESKTOP= PATH=$prefix/bin:$PATH
mkdir -p "$HOME"

desktop-file-validate "$share/applications/motivra.desktop" || fail "desktop-file-validate"
grep -qx "Exec=$prefix/bin/motivra %f" "$share/applications/motivra.desktop" || fail "the entry's Exec"
appstreamcli validate --no-net "$share/metainfo/invalid.velmora.motivra.metainfo.xml" >/dev/null ||
  fail "appstreamcli validate"

# The installed tool reads the installed sample library, not one beside bin/.
[ ! -e "$prefix/behaviours" ] || fail "data beside bin/"
listed=$(motivra-cli library list | wc -l)
shipped=$(find "$share/motivra/behaviours" -maxdepth 1 -name '*.vmr' | wc -l)
[ "$listed" -eq "$shipped" ] && [ "$shipped" -gt 0 ] || fail "library list found $listed of $shipped behaviours"

# The file type, by its name and by its first bytes.
update-mime-database "$share/mime"
export XDG_DATA_DIRS=$share:/usr/share
cp "$sample" "$work/spin.vmr"
cp "$sample" "$work/spin.bin"
head -c 64 /dev/zero >"$work/zeros.bin"
for file in spin.vmr spin.bin; do
  type=$(xdg-mime query filetype "$work/$file")
  [ "$type" = application/x-motivra-behaviour ] || fail "$file is $type"
done
[ "$(xdg-mime query filetype "$work/zeros.bin")" != application/x-motivra-behaviour ] || fail "zeros taken"

# The thumbnailer's own command line, with the size and files a file manager gives.
exec_line=$(sed -n 's/^Exec=//p' "$share/thumbnailers/motivra.thumbnailer")
exec_line=${exec_line//%s/128}
exec_line=${exec_line//%i/$work/spin.bin}
exec_line=${exec_line//%o/$work/thumbnail}
read -ra command <<<"$exec_line"
"${command[@]}" || fail "the thumbnailer"
[ "$(identify -format '%m %wx%h' "$work/thumbnail")" = "PNG 128x96" ] || fail "the thumbnail is not a 128-pixel PNG"

for page in motivra motivra-cli; do
  warnings=$(MANWIDTH=80 man --warnings -l "$share/man/man1/$page.1.gz" 2>&1 >/dev/null)
  [ -z "$warnings" ] || fail "man $page: $warnings"
  MANWIDTH=80 man -l "$share/man/man1/$page.1.gz" 2>/dev/null | grep -q "^SYNOPSIS" || fail "man $page renders no synopsis"
done

# Completion as bash does it on TAB: the subcommands, then an option of one.
complete_words() {
  bash -c '
    source /usr/share/bash-completion/bash_completion
    source "$1"
    shift
    COMP_WORDS=("$@")
    COMP_CWORD=$(($# - 1))
    COMP_LINE="$*"
    COMP_POINT=${#COMP_LINE}
    function=$(complete -p motivra-cli | sed -n "s/.*-F \([^ ]*\).*/\1/p")
    "$function" motivra-cli "${COMP_WORDS[COMP_CWORD]}" "${COMP_WORDS[COMP_CWORD-1]}"
    printf "%s\n" "${COMPREPLY[@]}"
  ' bash "$share/bash-completion/completions/motivra-cli" "$@"
}
complete_words motivra-cli "" | grep -qx export || fail "no subcommand export completed"
complete_words motivra-cli ex | grep -qx export || fail "ex does not complete to export"
complete_words motivra-cli export --for | grep -qx -- --format || fail "--for does not complete to --format"
echo "desktop files: all checks passed"
