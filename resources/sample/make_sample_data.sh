#!/usr/bin/env bash
# Makes Motivra's sample data from the JSON sources beside this script, through motivra-cli:
#   behaviours/NAME.json  one behaviour each, in the form `motivra-cli write` reads, plus its "tags"
#   palettes.json         the .vmp palettes and the Adobe .aco (version 1) palettes, colours as RRGGBB
#   swatches.json         the colour schemes of swatches/test.vmw, six RRGGBB colours each in slot order
#
#   resources/sample/make_sample_data.sh           rewrites resources/library (behaviours, palettes, swatches)
#   resources/sample/make_sample_data.sh --check   tells whether resources/library is what the sources make
#                                                  (thumbnails are only checked to be there: their pixels
#                                                  follow the fonts of the machine that drew them)
# motivra-cli is $MOTIVRA_CLI, or build/bin/motivra-cli. Needs jq.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
library=$here/../library
cli=${MOTIVRA_CLI:-$here/../../build/bin/motivra-cli}
check=false
if [ "${1:-}" = --check ]; then check=true; fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Bytes given as hexadecimal digits, written to a file.
hex_to_file() { printf "$(printf '%s' "$1" | sed 's/../\\x&/g')" > "$2"; }

# Behaviours, their thumbnails and tag databases; then the tag files from the tag databases.
lib=$work/behaviours
mkdir -p "$lib/thumbs" "$lib/tagdb" "$lib/tags"
for source in "$here"/behaviours/*.json; do
  name=$(basename "$source" .json)
  jq 'del(.tags)' "$source" | "$cli" write "$lib/$name.vmr"
  "$cli" thumbnail "$lib/$name.vmr" "$lib/thumbs/$name.bmp"
  jq -r '.tags[]' "$source" | while IFS= read -r tag; do printf '%s\r\n' "$tag"; done > "$lib/tagdb/$name.tdb"
done
"$cli" library --library "$lib" rebuild > /dev/null
rm -f "$lib/.motivra-lock"  # the lock the rebuild took is no part of the sample

# Palettes: an empty .vmp (version 69, count 1: the record after the last colour) that motivra-cli fills
# colour by colour, as the Setup User Interface dialog would.
mkdir -p "$work/palettes"
jq -r '.vmp[] | .name' "$here/palettes.json" | while IFS= read -r name; do
  file=$work/palettes/$name.vmp
  hex_to_file "45000100$(printf '0%.0s' {1..20})" "$file"
  jq -r --arg name "$name" '.vmp[] | select(.name == $name) | .colours[]' "$here/palettes.json" |
    while IFS= read -r colour; do "$cli" palette "$file" --add "$colour" > /dev/null; done
done
# Adobe colour swatch files, version 1: big-endian version and count, then per colour the RGB colour space
# (0), the three 16-bit channels (each byte twice, so 8-bit readers and 16-bit readers agree) and a zero word.
jq -r '.aco[] | .name' "$here/palettes.json" | while IFS= read -r name; do
  count=$(jq -r --arg name "$name" '.aco[] | select(.name == $name) | .colours | length' "$here/palettes.json")
  bytes=$(printf '0001%04x' "$count")
  for colour in $(jq -r --arg name "$name" '.aco[] | select(.name == $name) | .colours[]' "$here/palettes.json"); do
    r=${colour:0:2} g=${colour:2:2} b=${colour:4:2}
    bytes+="0000$r$r$g$g$b${b}0000"
  done
  hex_to_file "$bytes" "$work/palettes/$name.aco"
done

# The swatch library: an empty one (magic 6994, no swatches, next id 0), filled scheme by scheme.
mkdir -p "$work/swatches"
swatches=$work/swatches/$(jq -r .file "$here/swatches.json")
hex_to_file 521b000000000000 "$swatches"
jq -r '.swatches[] | .colours | join(" ")' "$here/swatches.json" | while read -r -a colours; do
  "$cli" swatches "$swatches" --add "${colours[@]}" > /dev/null
done

if $check; then
  status=0
  diff -r --exclude=thumbs "$work/behaviours" "$library/behaviours" || status=1
  diff -r "$work/palettes" "$library/palettes" || status=1
  diff -r "$work/swatches" "$library/swatches" || status=1
  diff <(cd "$work/behaviours/thumbs" && ls) <(cd "$library/behaviours/thumbs" && ls) || status=1
  if [ $status -ne 0 ]; then
    echo "make_sample_data.sh: resources/library differs from its sources; run resources/sample/make_sample_data.sh" >&2
  fi
  exit $status
fi
for folder in behaviours palettes swatches; do
  rm -rf "${library:?}/$folder"
  cp -r "$work/$folder" "$library/$folder"
done
echo "sample data written to $(cd "$library" && pwd)"
