#!/bin/sh
# Lintian on a build's source and binary packages, as a sponsor runs it (-EviIL +pedantic): the
# report is printed, and any error or warning fails. The package follows unstable's policy; a
# lintian older than unstable's (Debian 12's, 13's) knows an older policy and still asks for the
# Priority field that unstable's calls redundant: those two warnings are its age, not the
# package's, and are left out.
# Usage: lint.sh CHANGES_FILE
set -eu
report=$(lintian -EviIL +pedantic "$1" 2>&1 |
  grep -v -e '^running with root privileges' -e '^W: planetarch source: newer-standards-version ' \
    -e '^W: planetarch.*: recommended-field .*Priority' || true)
[ -z "$report" ] || printf '%s\n' "$report"
if printf '%s\n' "$report" | grep -qE '^[EW]: '; then
  echo "lintian reports errors or warnings"
  exit 1
fi
echo "lintian $(lintian --print-version): no errors, no warnings in the source and binary packages"
