#!/bin/sh
# Builds the .deb from a configured build tree into a temporary folder and runs lintian on it:
# any error or warning fails. Without lintian (a machine that skipped the set-up) it is skipped.
set -eu
build=$1
command -v lintian >/dev/null 2>&1 || { echo "lintian is not installed: skipped"; exit 77; }
command -v dpkg-shlibdeps >/dev/null 2>&1 || { echo "dpkg-dev is not installed: skipped"; exit 77; }
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

(cd "$out" && cpack -G DEB --config "$build/CPackConfig.cmake" >/dev/null)
deb=$(ls "$out"/*.deb)
echo "built $(basename "$deb")"
report=$(lintian --info "$deb" 2>&1 | grep -v '^running with root privileges' || true)
[ -n "$report" ] && echo "$report"
if printf '%s\n' "$report" | grep -qE '^[EW]: '; then
  echo "lintian reports errors or warnings"
  exit 1
fi
echo "lintian: no errors, no warnings"
