#!/bin/sh
# Builds the .deb from a configured build tree into a temporary folder and runs lintian on it:
# any error or warning fails. Without lintian (a machine that skipped the set-up) it is skipped.
# It builds the package twice, a second apart, and the two must be the same bytes.
# Usage: check-package.sh BUILD_DIR SOURCE_DIR
set -eu
build=$1
SOURCE_DATE_EPOCH=$(sh "$2/packaging/source-date.sh" "$2")
export SOURCE_DATE_EPOCH
command -v lintian >/dev/null 2>&1 || { echo "lintian is not installed: skipped"; exit 77; }
command -v dpkg-shlibdeps >/dev/null 2>&1 || { echo "dpkg-dev is not installed: skipped"; exit 77; }
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

mkdir "$out/again"
(cd "$out" && cpack -G DEB --config "$build/CPackConfig.cmake" >/dev/null)
sleep 1
(cd "$out/again" && cpack -G DEB --config "$build/CPackConfig.cmake" >/dev/null)
deb=$(ls "$out"/*.deb)
echo "built $(basename "$deb")"
if ! cmp "$deb" "$out/again/$(basename "$deb")"; then
  echo "two builds of the same sources differ"
  exit 1
fi
echo "reproducible: a second build gave the same bytes"
# The packaged program finds Qt where the system keeps it, never through a RUNPATH.
dpkg-deb -x "$deb" "$out/tree"
if readelf -dW "$out/tree/usr/games/planetarch" | grep -qE '\((RUN)?PATH\)'; then
  echo "the packaged program has a RUNPATH"
  exit 1
fi
report=$(lintian --info "$deb" 2>&1 | grep -v '^running with root privileges' || true)
[ -n "$report" ] && echo "$report"
if printf '%s\n' "$report" | grep -qE '^[EW]: '; then
  echo "lintian reports errors or warnings"
  exit 1
fi
echo "lintian: no errors, no warnings"
