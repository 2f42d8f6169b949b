#!/bin/sh
# Installs the build into a temporary prefix and checks what a desktop needs: the program, its
# desktop entry, its icons and its AppStream data, each validated by the desktop's own tools.
set -eu
build=$1
id=$2
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT

cmake --install "$build" --prefix "$prefix" >/dev/null

fail=0
need() {
  if [ ! -s "$prefix/$1" ]; then
    echo "missing from the installed tree: $1"
    fail=1
  fi
}
need games/planetarch
need share/man/man6/planetarch.6.gz
need share/doc/planetarch/copyright
need share/doc/planetarch/changelog.gz
need share/applications/$id.desktop
need share/metainfo/$id.metainfo.xml
need share/icons/hicolor/scalable/apps/$id.svg
for size in 16 22 24 32 48 64 128 256 512; do
  need share/icons/hicolor/${size}x${size}/apps/$id.png
done
[ -x "$prefix/games/planetarch" ] || { echo "games/planetarch is not executable"; fail=1; }

desktop-file-validate "$prefix/share/applications/$id.desktop" || fail=1
appstreamcli validate --no-net --pedantic "$prefix/share/metainfo/$id.metainfo.xml" || fail=1

# Nothing but the program's own files: tests, benchmarks and build tools stay out.
extra=$(cd "$prefix" && find . -type f | grep -v -e '^./games/planetarch$' -e "/$id\." \
  -e '^./share/man/man6/planetarch.6.gz$' -e '^./share/doc/planetarch/' || true)
if [ -n "$extra" ]; then
  echo "unexpected installed files:"
  echo "$extra"
  fail=1
fi
exit $fail
