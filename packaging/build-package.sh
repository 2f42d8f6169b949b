#!/bin/sh
# The Debian package of a checkout's last commit, the one way it is built (debian/): the upstream
# tarball from `make dist`, the source package, and the binary packages, without running the
# suite (nocheck: `make test` runs it). Everything lands in OUT_DIR, which is made anew.
# Usage: build-package.sh SOURCE_DIR OUT_DIR
set -eu
src=$(cd "$1" && pwd)
mkdir -p "$2"
out=$(cd "$2" && pwd)
find "$out" -mindepth 1 -delete
tarball=$(make -s -C "$src" dist DIST_DIR="$out")
tar -xJf "$tarball" -C "$out"
tree=$(ls -d "$out"/planetarch-*/)
git -C "$src" archive --format=tar HEAD debian | tar -x -C "$tree"
cd "$tree"
DEB_BUILD_OPTIONS="nocheck ${DEB_BUILD_OPTIONS:-}" dpkg-buildpackage -us -uc >"$out/build.log" 2>&1 ||
  { tail -n 40 "$out/build.log"; exit 1; }
ls "$out"/*.deb
