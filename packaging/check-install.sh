#!/bin/sh
# Installs the build into a temporary prefix and checks what a desktop needs: the program, its
# desktop entry, its icons and its AppStream data, each validated by the desktop's own tools.
# Usage: check-install.sh BUILD_DIR APP_ID VERSION SOURCE_DIR
set -eu
build=$1
id=$2
version=$3
src=$4
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
need share/planetarch/help.html
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

# One version everywhere: the AppStream release, the project's changes and the Debian changelog
# (less its Debian revision) are the project's.
release=$(sed -n 's/.*<release version="\([^"]*\)".*/\1/p' "$prefix/share/metainfo/$id.metainfo.xml" | head -n 1)
changes=$(sed -n 's/^\([0-9][0-9.]*\) (.*/\1/p' "$src/CHANGES" | head -n 1)
changelog=$(sed -n '1s/^[^ ]* (\([^)]*\)-[^-)]*).*/\1/p' "$src/debian/changelog")
for named in "AppStream release:$release" "CHANGES:$changes" "debian/changelog:$changelog"; do
  if [ "${named#*:}" != "$version" ]; then
    echo "${named%%:*} says ${named#*:}, the project $version"
    fail=1
  fi
done

# The launcher starts the installed program by its full path (the configured prefix), whatever
# the PATH.
if ! grep -qx 'Exec=/.*/games/planetarch' "$prefix/share/applications/$id.desktop"; then
  echo "the desktop entry does not name the program by its full path: $(grep '^Exec=' "$prefix/share/applications/$id.desktop")"
  fail=1
fi

# The launcher owns the window on X11: the desktop entry names the windows' class (the window
# titles test compares it with what the X server has).
if ! grep -q '^StartupWMClass=.' "$prefix/share/applications/$id.desktop"; then
  echo "the desktop entry names no StartupWMClass"
  fail=1
fi

# Nothing but the program's own files: tests, benchmarks and build tools stay out.
extra=$(cd "$prefix" && find . -type f | grep -v -e '^./games/planetarch$' -e "/$id\." \
  -e '^./share/man/man6/planetarch.6.gz$' -e '^./share/doc/planetarch/' \
  -e '^./share/planetarch/help.html$' -e '^./lib.*/planetarch/planetarch-xdg-activation\.so$' || true)
if [ -n "$extra" ]; then
  echo "unexpected installed files:"
  echo "$extra"
  fail=1
fi
exit $fail
