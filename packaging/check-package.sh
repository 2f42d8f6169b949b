#!/bin/sh
# The Debian package as `make package` builds it, checked as a distribution would: two clones of
# the last commit, in folders of different names and with different file times, must give the
# same bytes; the program has no RUNPATH; and lintian (-EviIL +pedantic) finds no error and no
# warning in the source or the binary packages. Skipped without lintian or debhelper.
# Usage: check-package.sh SOURCE_DIR
set -eu
src=$1
for tool in lintian dpkg-buildpackage dh; do
  command -v $tool >/dev/null 2>&1 || { echo "$tool is not installed: skipped"; exit 77; }
done
git -C "$src" rev-parse --git-dir >/dev/null 2>&1 || { echo "not a git checkout: skipped"; exit 77; }
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

package_of_clone() {
  git clone -q "$src" "$1"
  [ -z "${2:-}" ] || (cd "$1" && find . -path ./.git -prune -o -type f -exec touch -d "$2" {} +)
  sh "$src/packaging/build-package.sh" "$1" "$1/package" >/dev/null
}
package_of_clone "$out/a/planetarch"
package_of_clone "$out/second-clone/elsewhere" "2001-02-03 04:05:06"
for deb in "$out"/a/planetarch/package/*.deb; do
  name=$(basename "$deb")
  first=$(sha256sum "$deb" | cut -d' ' -f1)
  second=$(sha256sum "$out/second-clone/elsewhere/package/$name" | cut -d' ' -f1)
  echo "$name from two clones of $(git -C "$src" rev-parse --short HEAD): $first, $second"
  if [ "$first" != "$second" ]; then
    echo "two clones of the same commit give different packages"
    exit 1
  fi
done
echo "reproducible: both clones gave the same bytes"

# The packaged program finds Qt where the system keeps it, never through a RUNPATH.
deb=$(ls "$out"/a/planetarch/package/planetarch_*.deb)
dpkg-deb -x "$deb" "$out/tree"
if readelf -dW "$out/tree/usr/games/planetarch" | grep -qE '\((RUN)?PATH\)'; then
  echo "the packaged program has a RUNPATH"
  exit 1
fi
sh "$src/packaging/lint.sh" "$(ls "$out"/a/planetarch/package/*.changes)"
