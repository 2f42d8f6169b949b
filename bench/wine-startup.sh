#!/bin/sh
# The Windows program's start-up under Wine against its two floors built the same way: each .exe
# from a copy of the program's folder (Qt's libraries beside it, as installed), in one Wine prefix
# made for the run, whose server stays up between starts, on a private X server.
# usage: wine-startup.sh PROGRAM_FOLDER FLOOR_FOLDER BENCH_STARTUP [runs]
set -eu
folder=$1
floors=$2
driver=$(realpath "$3")
runs=${4:-21}
work=$(mktemp -d)
trap 'WINEPREFIX="$work/prefix" wineserver -k 2>/dev/null || true; rm -rf "$work"' EXIT
cp -r "$folder" "$work/program"
cp "$floors/bench_floor.exe" "$floors/bench_formfloor.exe" "$work/program/"
export WINEPREFIX="$work/prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" BENCH_LAUNCHER=wine
unset WAYLAND_DISPLAY
cat > "$work/run" <<EOF
#!/bin/sh
wineboot -i >/dev/null 2>&1
wineserver -p
exec "$driver" "$work/program/planetarch.exe" "$work/program/bench_floor.exe" \
  "$work/program/bench_formfloor.exe" $runs
EOF
chmod +x "$work/run"
echo "Under Wine $(wine --version):"
xvfb-run -a -s "-screen 0 1280x1024x24" dbus-run-session -- "$work/run"
