#!/bin/sh
# Qt for 64-bit Windows, built from Debian's own qt6-base source package of the host's Qt version
# with Debian's MinGW-w64 and the host's Qt tools, into PREFIX: what `make windows` builds against
# when it is given no prefix. Only what the program and its tests use: Core, Gui, Widgets,
# PrintSupport, Test, the Windows platform, the Windows style; no SQL, OpenGL, D-Bus, Network,
# Concurrent or XML. About 35 minutes on two cores. Usage: build-qt.sh PREFIX   (as root, or with sudo)
set -eu
prefix=$1
toolchain=$(cd "$(dirname "$0")/../../cmake" && pwd)/mingw-w64-x86_64.cmake
version=$(dpkg-query -W -f='${Version}' qt6-base-dev)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export DEBIAN_FRONTEND=noninteractive

# The source package of the host's version: a deb-src line for the host's release where there is none.
if ! apt-get source --print-uris "qt6-base=$version" >/dev/null 2>&1; then
  . /etc/os-release
  printf 'Types: deb-src\nURIs: http://deb.debian.org/debian\nSuites: %s\nComponents: main\nSigned-By: /usr/share/keyrings/debian-archive-keyring.gpg\n' \
    "$VERSION_CODENAME" > /etc/apt/sources.list.d/planetarch-qt6-base-src.sources
  apt-get update -qq
fi
cd "$work"
apt-get source --download-only "qt6-base=$version" >/dev/null
tar xJf qt6-base_*.orig.tar.xz
src=$(ls -d "$work"/qtbase-everywhere-src-*)

# Debian's source leaves out the tablet header for its licence; Wine's LGPL one serves, with the two
# macros of Wine's own that it uses.
apt-get download libwine-dev >/dev/null
dpkg-deb -x libwine-dev_*.deb wine
mkdir -p "$src/src/3rdparty/wintab"
cp wine/usr/include/wine/wine/windows/wintab.h "$src/src/3rdparty/wintab/wine_wintab.h"
cp wine/usr/include/wine/wine/windows/pktdef.h "$src/src/3rdparty/wintab/pktdef.h"
cat > "$src/src/3rdparty/wintab/wintab.h" <<'HEADER'
#pragma once
#include <windows.h>
#define DECL_WINELIB_TYPE_AW(type) typedef type##W type;
#define WINELIB_NAME_AW(name) name##W
#define API WINAPI
#include "wine_wintab.h"
HEADER
# Qt 6.4's Windows platform plugin asks about software OpenGL without checking OpenGL is there.
sed -i '/^static inline bool isSoftwareGl()/,/^}/ s/^#if QT_CONFIG(dynamicgl)$/#if QT_CONFIG(dynamicgl) \&\& QT_CONFIG(opengl)/' \
  "$src/src/plugins/platforms/windows/qwindowswindow.cpp"

cmake -G Ninja -S "$src" -B "$work/build" \
  -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
  -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR="/usr/lib/$(dpkg-architecture -qDEB_HOST_MULTIARCH)/cmake" \
  -DCMAKE_INSTALL_PREFIX="$prefix" -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=ON \
  -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DFEATURE_sql=OFF -DFEATURE_opengl=OFF \
  -DFEATURE_dbus=OFF -DFEATURE_network=OFF -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF >/dev/null
cmake --build "$work/build" --parallel "$(nproc)"
cmake --install "$work/build" >/dev/null
echo "Qt $version for Windows in $prefix"
