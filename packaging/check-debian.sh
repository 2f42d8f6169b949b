#!/bin/sh
# The package of the last commit as Debian's own builders make it, in a fresh minimal chroot of a
# Debian release: the source package from the upstream tarball (`make dist`) and debian/, the
# build dependencies read off debian/control, the binary package with the test suite, and lintian
# on the source and binary packages (nothing above info may show). With --checks, Orca's check
# and the program on sway then run there on the program that was built. Needs root: mmdebstrap mounts /proc, /sys
# and /dev for the build. Nothing is cached: each run starts from the archive.
# Usage: check-debian.sh [--checks] RELEASE OUT_DIR
set -eu
checks=no
if [ "${1:-}" = "--checks" ]; then checks=yes; shift; fi
release=$1
out=$2
src=$(cd "$(dirname "$0")/.." && pwd)
mkdir -p "$out"
out=$(cd "$out" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

make -s -C "$src" dist DIST_DIR="$work" >/dev/null
git -C "$src" archive --format=tar HEAD debian > "$work/debian.tar"
cp "$src/packaging/check-debian-inside.sh" "$work/inside.sh"
cp "$src/packaging/lint.sh" "$work/lint.sh"

started=$(date +%s)
mmdebstrap --variant=minbase --mode=root --format=null \
  --aptopt='Acquire::Check-Valid-Until "false"' \
  --include=dpkg-dev,lintian,ca-certificates \
  --customize-hook='mkdir -p "$1/build"' \
  --customize-hook="copy-in $(ls "$work"/*.orig.tar.xz) $work/debian.tar $work/inside.sh $work/lint.sh /build" \
  --customize-hook="chroot \"\$1\" sh /build/inside.sh $checks" \
  --customize-hook="sync-out /build/out $out" \
  "$release" /dev/null http://deb.debian.org/debian
echo "$release: built and checked in $(( $(date +%s) - started )) s; packages in $out"
