#!/usr/bin/env python3
# The program on Wayland itself: a headless sway (it has a seat, reports titles and application
# ids, and closes windows as a close button does) runs it with QT_QPA_PLATFORM=wayland; from
# outside, the windows must come up with their titles and the id, closing the main window must
# bring up the exit window, and closing that must end the program cleanly and free its
# single-instance name.
# sway refuses to run as root: as root, sway and the program run as nobody.
# Usage: check.py PROGRAM APP_ID
import glob
import json
import os
import shutil
import subprocess
import sys
import tempfile
import time

program, app_id = sys.argv[1], sys.argv[2]
TITLE = "Planetarch v1.0"
failures, passed = [], 0


def expect(what, ok, detail=""):
    global passed
    if ok:
        passed += 1
    else:
        failures.append(what)
        print(f"FAIL {what} {detail}", flush=True)


home = tempfile.mkdtemp(prefix="planetarch-wayland-")
runtime = os.path.join(home, "run")
os.makedirs(runtime, mode=0o700)
config = os.path.join(home, "sway.conf")
open(config, "w").close()
as_user = []
if os.geteuid() == 0:
    os.chmod(home, 0o755)
    for path in (home, runtime, config):
        os.chown(path, 65534, 65534)
    as_user = ["setpriv", "--reuid=65534", "--regid=65534", "--clear-groups"]
env = {"PATH": os.environ.get("PATH", "/usr/bin:/bin"), "HOME": home, "XDG_RUNTIME_DIR": runtime,
       "XDG_CONFIG_HOME": os.path.join(home, ".config"), "WLR_BACKENDS": "headless",
       "WLR_LIBINPUT_NO_DEVICES": "1", "WLR_RENDERER": "pixman", "LANG": "C.UTF-8"}


def wait(ready, what, seconds=20):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        found = ready()
        if found:
            return found
        time.sleep(0.05)
    raise RuntimeError(f"{what} did not come in {seconds} s")


def windows():
    """The compositor's windows of the program: (id, title, app id)."""
    out = subprocess.run(as_user + ["swaymsg", "-s", ipc, "-t", "get_tree", "-r"], env=env,
                         capture_output=True, text=True).stdout
    found, stack = [], [json.loads(out)] if out else []
    while stack:
        node = stack.pop()
        if node.get("app_id") is not None or node.get("pid"):
            found.append((node["id"], node.get("name"), node.get("app_id")))
        stack += node.get("nodes", []) + node.get("floating_nodes", [])
    return found


def close(window_id):
    subprocess.run(as_user + ["swaymsg", "-s", ipc, f"[con_id={window_id}] kill"], env=env,
                   capture_output=True, check=True)


sway = subprocess.Popen(as_user + ["sway", "-c", config], env=env, stdout=subprocess.DEVNULL,
                        stderr=subprocess.DEVNULL)
app = None
try:
    ipc = wait(lambda: (glob.glob(os.path.join(runtime, "sway-ipc.*.sock")) or [None])[0],
               "sway's socket")
    display = wait(lambda: next((os.path.basename(p) for p in
                                 glob.glob(os.path.join(runtime, "wayland-*"))
                                 if not p.endswith(".lock")), None), "the Wayland display")
    started = time.monotonic()
    app = subprocess.Popen(as_user + [program],
                           env=dict(env, WAYLAND_DISPLAY=display, QT_QPA_PLATFORM="wayland"))
    main = wait(lambda: windows(), "the main window")
    print(f"main window mapped after {time.monotonic() - started:.2f} s", flush=True)
    expect("the main window has the title and the id", main[0][1:] == (TITLE, app_id), main)
    guard = f" @{app_id}.{65534 if as_user else os.geteuid()}\n"
    held = lambda: guard in open("/proc/net/unix").read()
    expect("the single-instance name is held", held())

    close(main[0][0])
    exiting = wait(lambda: [w for w in windows() if w[0] != main[0][0]], "the exit window")
    expect("closing the main window brings up the exit window",
           [w[1:] for w in exiting] == [(TITLE, app_id)], exiting)
    expect("the main window is gone", main[0][0] not in [w[0] for w in windows()])

    # A close that reaches the exit window as it maps is sometimes lost on sway: ask again each
    # second, as a person would click again.
    code = None
    for _ in range(15):
        if exiting[0][0] in [w[0] for w in windows()]:
            close(exiting[0][0])
        try:
            code = app.wait(1)
            break
        except subprocess.TimeoutExpired:
            pass
    expect("closing the exit window ends the program with 0", code == 0, code)
    expect("the single-instance name is free", not held())
finally:
    for p in (app, sway):
        if p and p.poll() is None:
            p.kill()
            p.wait()
    shutil.rmtree(home, ignore_errors=True)

print(f"{passed} passed, {len(failures)} failed")
sys.exit(1 if failures else 0)
