#!/usr/bin/env bash
# The Debian package made from this build, checked by lintian: no errors (the warnings that stay are listed,
# with why, in the README).
#   debian_package_test.sh BUILD_DIR
set -euo pipefail
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cpack --config "$1/CPackConfig.cmake" -B "$work" >/dev/null
deb=$(find "$work" -maxdepth 1 -name '*.deb')
[ -n "$deb" ] || { echo "FAIL: no package made" >&2; exit 1; }
contents=$(dpkg-deb --contents "$deb")
for file in ./usr/bin/motivra ./usr/share/applications/motivra.desktop ./usr/share/motivra/help/welcome.htm; do
  grep -q " $file\$" <<<"$contents" || { echo "FAIL: $file is not in the package" >&2; exit 1; }
done
lintian --fail-on error --tag-display-limit 0 "$deb"
