#!/bin/sh
# Runs a cross-built Qt Test program under Wine: Qt's libraries and plugins from the Qt prefix, the
# MinGW runtime beside the compiler's, in the Wine prefix of this build tree (made once, by the
# wine_prefix test that every other waits for). Usage: wine-run.sh QT_PREFIX WINEPREFIX PROGRAM...
qt=$1
export WINEPREFIX="$2"
shift 2
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
runtime=$(dirname "$(x86_64-w64-mingw32-g++-posix -print-file-name=libstdc++-6.dll)")
export WINEPATH="Z:$qt/bin;Z:$runtime;Z:/usr/x86_64-w64-mingw32/lib"
export QT_PLUGIN_PATH="Z:$qt/plugins"
# The offscreen platform reads fonts from a folder of its own, not Windows': Debian's DejaVu, which
# stands in for Verdana as on Linux.
export QT_QPA_FONTDIR="Z:/usr/share/fonts/truetype/dejavu"
# Wine hands a Windows program none of the Unix QT_ variables (they are meant for the host's Qt),
# but the WINEQT_ ones by their QT_ names.
for variable in $(env | sed -n 's/^\(QT_[A-Za-z0-9_]*\)=.*/\1/p'); do
  eval "export WINE$variable=\"\$$variable\""
done
# A Windows test program run without a console writes its log nowhere a pipe reaches: it writes
# it to a file, which is then shown.
log=$(mktemp)
wine "$@" -o "Z:$log,txt" >/dev/null 2>&1
status=$?
cat "$log"
rm -f "$log"
exit $status
