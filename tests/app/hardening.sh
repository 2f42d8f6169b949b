#!/bin/sh
# The program is hardened as Debian builds are: position-independent, relocations read-only and
# resolved at start, a stack protector that it really calls, and every one of its own files
# compiled with _FORTIFY_SOURCE and the stack protector (the binary imports a fortified __*_chk
# call only where the compiler knows a buffer's size, so the flags are checked where they apply).
# No library is looked for in the current folder: the build tree's program has no empty or
# relative RUNPATH entry, and the installed one no RUNPATH at all.
# Usage: hardening.sh PROGRAM compile_commands.json SOURCE_DIR BUILD_DIR
set -u
program=$1 commands=$2 sources=$3 build=$4
failed=0
fail() { echo "not hardened: $1"; failed=1; }

readelf -hW "$program" | grep -q 'Type:[[:space:]]*DYN' || fail "not position-independent"
readelf -lW "$program" | grep -q 'GNU_RELRO' || fail "no read-only relocations (relro)"
readelf -dW "$program" | grep -qE 'BIND_NOW|Flags:.* NOW' || fail "symbols not bound at start (now)"
nm -D "$program" | grep -q ' U __stack_chk_fail' || fail "no stack protector (__stack_chk_fail)"

# An empty entry (a RUNPATH of colons) or a relative one means the folder it is started from.
paths=$(readelf -dW "$program" | sed -n 's/.*(R\(UN\)\{0,1\}PATH).*\[\(.*\)\]$/\2/p')
if [ -n "$paths" ]; then
  printf '%s\n' "$paths" | tr ':' '\n' | grep -qvE '^(/|\$ORIGIN)' &&
    fail "the build's RUNPATH looks in the current folder: [$paths]"
fi
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null
installed=$(find "$prefix" -type f -name planetarch | head -n 1)
[ -n "$installed" ] || fail "no installed program"
[ -n "$installed" ] && readelf -dW "$installed" | grep -qE '\((RUN)?PATH\)' &&
  fail "the installed program has a RUNPATH: $(readelf -dW "$installed" | grep -E 'PATH\)')"

files=0
for flag in -D_FORTIFY_SOURCE=2 -fstack-protector-strong -Werror=format-security; do
  missing=$(python3 - "$commands" "$sources/src/" "$flag" <<'PY'
import json, sys
commands, sources, flag = sys.argv[1:]
own = [c for c in json.load(open(commands)) if c["file"].startswith(sources)]
print(len(own))
for c in own:
    if flag not in c.get("command", " ".join(c.get("arguments", []))).split():
        print(c["file"])
PY
)
  files=$(printf '%s\n' "$missing" | head -n 1)
  rest=$(printf '%s\n' "$missing" | tail -n +2)
  [ "$files" -gt 0 ] || fail "no compiled files of the program in $commands"
  [ -z "$rest" ] || fail "compiled without $flag: $(echo $rest)"
done
[ "$failed" -eq 0 ] && echo "hardened: PIE, relro, now, stack protector, no RUNPATH into the current folder; $files files with the flags"
exit "$failed"
