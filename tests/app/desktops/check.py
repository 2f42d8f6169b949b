#!/usr/bin/python3
# The program on one desktop, watched from the desktop's side: the main window's title, id and
# size; a second start's message, and after it is answered the running copy's window in front
# (also when it was minimised or on another workspace); the exit window after the main window,
# in front; Escape and the close box ending the program; no process left behind. A second copy
# that does not end within seconds fails the check with its threads' stacks.
# As root, the desktop and the program run as nobody (sway refuses root; GNOME Shell would warn).
# Usage: check.py PROGRAM APP_ID DESKTOP SHOTS_FOLDER [SECOND_STARTS]
import os
import shutil
import subprocess
import sys
import tempfile
import time

import desktops

program, app_id, name, shots = sys.argv[1:5]
second_starts = int(sys.argv[5]) if len(sys.argv) > 5 else 4
TITLE, MESSAGE_TITLE = "Planetarch v1.0", "Planetarch"
MAIN_SIZE, EXIT_SIZE = (592, 370), (741, 315)  # client areas; the main window adds its menu bar
failures, passed = [], 0


def expect(what, ok, detail=""):
    global passed
    if ok:
        passed += 1
    else:
        failures.append(what)
    print(f"{'ok  ' if ok else 'FAIL'} {name}: {what} {detail if not ok else ''}", flush=True)


home = tempfile.mkdtemp(prefix=f"planetarch-{name}-")
os.makedirs(shots, exist_ok=True)
if os.geteuid() == 0:
    for path in (home, shots):
        os.chown(path, 65534, 65534)
    os.setgroups([])
    os.setgid(65534)
    os.setuid(65534)

started_at = time.monotonic()
desktop = desktops.make(name, home)
app_id = desktop.app_id or app_id
apps = []


def start():
    app = subprocess.Popen([program], env=desktop.program_env(), stdin=subprocess.DEVNULL,
                           stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, text=True)
    apps.append(app)
    return app


def ours(title=None):
    return [w for w in desktop.windows() if w.app_id == app_id and (title is None or
                                                                    w.title == title)]


def one(title, what, seconds=20):
    return desktops.wait(lambda: (ours(title) or [None])[0], what, seconds)


def shot(step):
    path = os.path.join(shots, f"{name}-{step}.png")
    desktop.shot(path)
    if os.path.exists(path):
        print(f"     screenshot {path}", flush=True)


def stacks(process):
    return subprocess.run(["gdb", "-p", str(process.pid), "-batch", "-ex", "thread apply all bt"],
                          capture_output=True, text=True).stdout


def ends(process, seconds):
    try:
        return process.wait(seconds)
    except subprocess.TimeoutExpired:
        return None


def soon(ready, seconds=5):
    """What ready() finds within seconds, else None."""
    try:
        return desktops.wait(ready, "", seconds)
    except RuntimeError:
        return None


def answer(box, key, process):
    """The user answers a window: the key where one is given and the desktop takes it, else the
    close box; a key that came before the window had the keyboard is pressed again, as a person
    would. The exit code, None if the process did not end."""
    time.sleep(0.5)
    for _ in range(3):
        desktop.key(key) if key and desktop.can_type else desktop.close(box)
        code = ends(process, 3)
        if code is not None:
            return code
    return ends(process, 5)


def frame_of(size, menu=False):
    width, height = size[0] + desktop.frame[0], size[1] + desktop.frame[1]
    return lambda w: w.width == width and (height + 18 <= w.height <= height + 30 if menu
                                           else w.height == height)


try:
    app = start()
    main = one(TITLE, "the main window")
    print(f"     main window mapped after {time.monotonic() - started_at:.1f} s", flush=True)
    expect("the main window has its title and id", (main.title, main.app_id) == (TITLE, app_id))
    expect("the main window's client area is as designed", frame_of(MAIN_SIZE, True)(main),
           f"{main.width}x{main.height}")
    desktops.wait(lambda: ours(TITLE)[0].active, "the main window's focus", 10)
    shot("main")

    for attempt in range(second_starts):
        hidden = attempt == 0
        if hidden:
            desktop.hide(main)
            desktops.wait(lambda: not any(w.active for w in ours(TITLE)), "the hidden window", 10)
        second = start()
        box = one(MESSAGE_TITLE, "the second start's message")
        desktops.wait(lambda: ours(MESSAGE_TITLE)[0].active, "the message's focus", 10)
        if attempt == 0:
            shot("second-start")
        code = answer(box, "Return", second)
        expect(f"start {attempt + 2} ends after its message", code == 0,
               f"{code}\n{stacks(second) if code is None else second.stderr.read()}")
        if code is None:
            second.kill()
        # Without a key there is no input to earn a token: the desktop may still bring the
        # window forward, or show that it asks for attention.
        what = "active" if desktop.can_type else "active or asking for attention"
        raised = soon(lambda: [w.id for w in ours(TITLE) if w.active or
                               (w.attention and not desktop.can_type)])
        expect(f"after start {attempt + 2} the running window is {what}"
               f"{' (it was ' + desktop.hides + ')' if hidden else ''}",
               raised == [main.id], ours(TITLE))
        if attempt == 0:
            shot("raised")

    for run, key in ((1, "Escape"), (2, None)):
        if run == 2:
            app = start()
            main = one(TITLE, "the main window")
        desktops.wait(lambda: ours(TITLE) and ours(TITLE)[0].active, "the main window's focus", 10)
        desktop.close(ours(TITLE)[0])
        exiting = desktops.wait(lambda: [w for w in ours(TITLE) if w.id != main.id],
                                "the exit window")[0]
        expect(f"closing the main window brings up the exit window ({run})",
               frame_of(EXIT_SIZE)(exiting) and exiting.title == TITLE,
               f"{exiting.width}x{exiting.height} {exiting.title}")
        expect(f"the exit window is in front ({run})",
               soon(lambda: [w for w in ours(TITLE) if w.active and w.id == exiting.id]),
               ours(TITLE))
        if run == 1:
            shot("exit")
        code = answer(exiting, key, app)
        expect(f"{'Escape' if key and desktop.can_type else 'the close box'} on the exit window "
               f"ends the program with 0", code == 0, stacks(app) if code is None else code)
        if not desktop.can_type:
            break

    def runs_program(pid):
        try:
            return os.readlink(f"/proc/{pid}/exe") == os.path.realpath(program)
        except OSError:
            return False
    left = [pid for pid in os.listdir("/proc") if pid.isdigit() and runs_program(pid)]
    expect("no copy of the program is left", not left, left)
except RuntimeError as error:
    expect("the steps run", False, str(error))
finally:
    for app in apps:
        if app.poll() is None:
            app.kill()
            app.wait()
    desktop.stop()
    shutil.rmtree(home, ignore_errors=True)

print(f"{name}: {time.monotonic() - started_at:.0f} s")
print(f"{passed} passed, {len(failures)} failed")
sys.exit(1 if failures else 0)
