# Starts Orca with its debug log line-buffered, so that the last words of a step reach the log
# before the step is read.
import builtins
import sys

log = sys.argv[1]
_open = builtins.open


def line_buffered_open(file, mode="r", *args, **kwargs):
    if file == log and "w" in mode or file == log and "a" in mode:
        kwargs["buffering"] = 1
        args = ()
    return _open(file, mode, *args, **kwargs)


builtins.open = line_buffered_open
sys.argv = ["orca", "--debug-file", log]
sys.path.insert(0, "/usr/lib/python3/dist-packages")
# What the program makes Orca say is the check, not the keys echoed back: newer Orcas echo a key
# in words that cannot be told from speech ("tab"), so no key is echoed.
from orca import settings  # noqa: E402

settings.enableKeyEcho = False
launcher = {"__name__": "orca_launcher", "__file__": "/usr/bin/orca"}
exec(compile(_open("/usr/bin/orca").read(), "/usr/bin/orca", "exec"), launcher)
# Orca looks for other Orcas of the same user anywhere on the machine, and refuses to start beside
# one (or kills it, with --replace). This one has an X server and buses of its own: another check's
# Orca is no concern of it.
launcher["otherOrcas"] = lambda: []
sys.exit(launcher["main"]())
