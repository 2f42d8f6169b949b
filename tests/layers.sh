#!/bin/sh
# Fails when an include line or a link points the wrong way: core <- gui <- app.
#   $1  the src folder
#   $2  the libraries CMake links the core library with
#   $3  a test program that links the core library alone
set -u
src=$1
core_links=$2
core_program=$3
fail=0

wrong() { # folder, pattern of layers it must not include
  hits=$(grep -rnE "#[[:space:]]*include[[:space:]]*[\"<]($2)/" "$src/$1" 2>/dev/null)
  if [ -n "$hits" ]; then
    echo "src/$1 includes a layer above it:"
    echo "$hits"
    fail=1
  fi
}
wrong core 'gui|app'
wrong gui 'app'

if grep -qE 'Qt6?::(Gui|Widgets)|Qt6(Gui|Widgets)' "$core_links"; then
  echo "core is linked with Qt Gui or Widgets: $(cat "$core_links")"
  fail=1
fi

# A library linked into a program is recorded in it; core's tests must not need Qt Gui or Widgets.
needed=$(LC_ALL=C readelf -d "$core_program" 2>/dev/null | grep NEEDED) || {
  echo "cannot read the dynamic section of $core_program"
  exit 1
}
if printf '%s\n' "$needed" | grep -qE 'libQt6(Gui|Widgets)'; then
  echo "core links Qt Gui or Widgets:"
  printf '%s\n' "$needed" | grep -E 'libQt6(Gui|Widgets)'
  fail=1
fi
[ $fail -eq 0 ] && echo "layers: core <- gui <- app"
exit $fail
