#!/bin/sh
# Builds the .deb from a configured build tree into a temporary folder and runs lintian on it:
# any error or warning fails. Without lintian (a machine that skipped the set-up) it is skipped.
# In a git checkout it also clones the last commit twice, into folders of different names and
# with different file times, builds the package in each, and the two must be the same bytes.
# Usage: check-package.sh BUILD_DIR SOURCE_DIR
set -eu
build=$1
src=$2
SOURCE_DATE_EPOCH=$(sh "$src/packaging/source-date.sh" "$src")
export SOURCE_DATE_EPOCH
command -v lintian >/dev/null 2>&1 || { echo "lintian is not installed: skipped"; exit 77; }
command -v dpkg-shlibdeps >/dev/null 2>&1 || { echo "dpkg-dev is not installed: skipped"; exit 77; }
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

(cd "$out" && cpack -G DEB --config "$build/CPackConfig.cmake" >/dev/null)
deb=$(ls "$out"/*.deb)
echo "built $(basename "$deb")"

# The package of a clone: configured and built as `make package` does, without the tests.
package_of_clone() {
  git clone -q "$src" "$1"
  [ -z "${2:-}" ] || (cd "$1" && find . -path ./.git -prune -o -type f -exec touch -d "$2" {} +)
  cmake -S "$1" -B "$1/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF >/dev/null
  cmake --build "$1/build" >/dev/null
  (cd "$1/build" && cpack -G DEB >/dev/null)
}
if git -C "$src" rev-parse --git-dir >/dev/null 2>&1; then
  package_of_clone "$out/a/planetarch"
  package_of_clone "$out/second-clone/elsewhere" "2001-02-03 04:05:06"
  first=$(sha256sum "$out/a/planetarch/build/$(basename "$deb")" | cut -d' ' -f1)
  second=$(sha256sum "$out/second-clone/elsewhere/build/$(basename "$deb")" | cut -d' ' -f1)
  echo "two clones of $(git -C "$src" rev-parse --short HEAD): $first, $second"
  if [ "$first" != "$second" ]; then
    echo "two clones of the same commit give different packages"
    exit 1
  fi
  echo "reproducible: both clones gave the same bytes"
fi
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
