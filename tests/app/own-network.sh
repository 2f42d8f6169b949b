#!/bin/sh
# Runs a test in a network namespace of its own where the system allows one. The single-instance
# guard is a name in the abstract socket namespace, which belongs to the network namespace: inside
# its own, the copies a test starts meet neither a copy the user runs nor another test's.
# Elsewhere the test runs as it is, beside whatever runs.
if unshare --net true 2>/dev/null; then
  exec unshare --net "$@"
elif unshare --user --map-current-user --net true 2>/dev/null; then
  exec unshare --user --map-current-user --net "$@"
fi
exec "$@"
