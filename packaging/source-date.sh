#!/bin/sh
# The time the sources were last changed, in seconds since 1970, for SOURCE_DATE_EPOCH: the last
# commit's time, or the changelog's newest entry outside a git checkout (a source tarball).
# Usage: source-date.sh SOURCE_DIR
set -eu
dir=$1
if git -C "$dir" rev-parse --git-dir >/dev/null 2>&1; then
  git -C "$dir" log -1 --format=%ct
else
  date -d "$(sed -n 's/^ -- .*>  //p' "$dir/debian/changelog" | head -n 1)" +%s
fi
