# The Windows program as a user meets it, under Wine: installed silently by its setup program,
# started, a reading made by keys, a second start refused, a link handed to the browser, the exit
# window, the end, the uninstaller; then a setup for the current user alone. Keys reach the
# program through the X server (xdotool), as a person's would. Each run has a Wine prefix, an X
# server and a browser stand-in of its own.
# Usage: check.py PACKAGE_FOLDER NAME SHOTS ICON INSTALLER (NAME-setup.exe in PACKAGE_FOLDER;
# screenshots go to SHOTS; ICON and INSTALLER, the setup script, make an older version to upgrade)
import datetime
import os
import shutil
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "desktops"))
from desktops import wait  # noqa: E402

package, name, shots = sys.argv[1:4]
os.makedirs(shots, exist_ok=True)
TITLE = "Planetarch v1.0"
MESSAGE_TITLE = "Planetarch"
home = tempfile.mkdtemp(prefix="planetarch-wine-")
env = dict(os.environ, WINEPREFIX=os.path.join(home, "prefix"), WINEDEBUG="-all",
           WINEDLLOVERRIDES="mscoree,mshtml=", HOME=home)
for variable in ("WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "WINEPATH", "QT_PLUGIN_PATH"):
    env.pop(variable, None)
# Wine hands web pages to xdg-open from the PATH its server started with: a stand-in notes them.
standin = os.path.join(home, "bin")
opened = os.path.join(home, "opened")
os.makedirs(standin)
with open(os.path.join(standin, "xdg-open"), "w") as f:
    f.write(f'#!/bin/sh\nprintf "%s\\n" "$1" >> "{opened}"\n')
os.chmod(os.path.join(standin, "xdg-open"), 0o755)
env["PATH"] = standin + os.pathsep + env["PATH"]
procs = []
failures = []
passes = []


def expect(what, ok, detail=""):
    print(f"{'ok  ' if ok else 'FAIL'} {what}" + (f" ({detail})" if detail and not ok else ""),
          flush=True)
    (passes if ok else failures).append(what)


def soon(ready, seconds):
    try:
        return wait(ready, "", seconds)
    except RuntimeError:
        return None


def run(*command, **kw):
    return subprocess.run(command, env=env, capture_output=True, text=True, **kw)


def wine(*arguments):
    process = subprocess.Popen(["wine", *arguments], env=env, stdout=subprocess.PIPE,
                               stderr=subprocess.STDOUT, text=True)
    procs.append(process)
    return process


def windows(title):
    found = run("xdotool", "search", "--onlyvisible", "--name", f"^{title}$").stdout.split()
    return found


def key(*keys):
    run("xdotool", "key", "--clearmodifiers", *keys)
    time.sleep(0.3)


def registry(key_name):
    return run("wine", "reg", "query", key_name, "/s").stdout.replace("\r", "")


def drive_c(*parts):
    return os.path.join(env["WINEPREFIX"], "drive_c", *parts)


def exited(process, seconds):
    try:
        return process.wait(seconds)
    except subprocess.TimeoutExpired:
        return None


def shot(what):
    run("import", "-window", "root", os.path.join(shots, what + ".png"))


def clipboard():
    return run("xclip", "-o", "-selection", "clipboard").stdout


try:
    read, write = os.pipe()
    procs.append(subprocess.Popen(
        ["Xvfb", "-displayfd", str(write), "-screen", "0", "1280x1024x24", "-nolisten", "tcp"],
        stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
        pass_fds=(write,), start_new_session=True))
    os.close(write)
    with os.fdopen(read) as told:
        env["DISPLAY"] = ":" + told.readline().strip()
    procs.append(subprocess.Popen(["openbox"], env=env, stdout=subprocess.DEVNULL,
                                  stderr=subprocess.DEVNULL))
    run("wineboot", "-i", timeout=180)

    # An older version first, with a file the new one no longer has: the same setup script, made
    # from a copy of the program's folder.
    older = os.path.join(home, "older")
    shutil.copytree(os.path.join(package, name), older)
    with open(os.path.join(older, "stale.dll"), "w") as f:
        f.write("stale")
    with open(os.path.join(home, "removal.nsh"), "w") as f:
        for folder_name, folders, files in os.walk(older, topdown=False):
            relative = os.path.relpath(folder_name, older).replace("/", "\\")
            for file in files:
                f.write(f'Delete "$INSTDIR\\{relative}\\{file}"\n')
            if relative != ".":
                f.write(f'RMDir "$INSTDIR\\{relative}"\n')
    made = run("makensis", "-V1", "-NOCD", "-DVERSION=0.9.0", "-DPRODUCT=Planetarch",
               "-DPROGRAM=planetarch", "-DMAKER=Orvanel", f"-DICON={sys.argv[4]}",
               f"-DFOLDER={older}", f"-DREMOVAL={home}/removal.nsh",
               f"-DOUTFILE={home}/older-setup.exe", sys.argv[5])
    exited(wine(os.path.join(home, "older-setup.exe"), "/S", "/AllUsers"), 180)

    started = time.monotonic()
    setup = wine(os.path.join(package, f"{name}-setup.exe"), "/S", "/AllUsers")
    code = exited(setup, 180)
    folder = drive_c("Program Files", "Planetarch")
    program = "C:\\Program Files\\Planetarch\\planetarch.exe"
    expect("the setup program installs silently", code == 0 and
           os.path.exists(os.path.join(folder, "planetarch.exe")), f"exit {code}")
    print(f"     installed in {time.monotonic() - started:.1f} s", flush=True)
    expect("it installs over an older version, leaving nothing of it",
           made.returncode == 0 and not os.path.exists(os.path.join(folder, "stale.dll")))
    uninstall_key = "HKLM\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Planetarch"
    entry = registry(uninstall_key)
    expect("Installed apps lists it with its version, maker, icon, size and uninstaller",
           all(field in entry for field in ("DisplayName", "Publisher", "DisplayIcon",
                                            "EstimatedSize", "UninstallString"))
           and name.split("-")[1] in entry, entry)
    shortcut = drive_c("ProgramData", "Microsoft", "Windows", "Start Menu", "Programs",
                       "Planetarch.lnk")
    expect("the Start menu has it", os.path.exists(shortcut))

    started = time.monotonic()
    first = wine(program)
    main = wait(lambda: windows(TITLE), "main window", 60)[0]
    print(f"     main window after {time.monotonic() - started:.1f} s", flush=True)
    geometry = dict(line.split("=") for line in
                    run("xdotool", "getwindowgeometry", "--shell", main).stdout.split())
    width, height = int(geometry["WIDTH"]), int(geometry["HEIGHT"])
    expect("the main window's client area is 592 x 370 under its menu bar",
           width == 592 and 370 + 18 <= height <= 370 + 30, f"{width}x{height}")
    stamp = wait(lambda: "LastAsked" in registry("HKCU\\Software\\Orvanel\\Planetarch")
                 and registry("HKCU\\Software\\Orvanel\\Planetarch"), "reminder date", 20)
    expect("the registry holds the date of the first start",
           datetime.date.today().isoformat() in stamp, stamp)

    # Ann, 1 November 1980, by keys alone; Alt+G presses the archetype button, Ctrl+C copies.
    run("xdotool", "windowactivate", "--sync", main)
    time.sleep(1)
    run("xdotool", "type", "--delay", "80", "Ann")
    key("Tab")
    key("Tab")
    run("xdotool", "type", "--delay", "80", "nov")
    key("Tab")
    run("xdotool", "type", "--delay", "80", "1980")
    key("alt+g")
    time.sleep(1)
    shot("reading")
    key("ctrl+c")
    reading = wait(lambda: "Ann" in clipboard() and clipboard(), "reading on the clipboard", 10)
    expect("a reading made by keys is Mars's",
           "Ann, born 1 November 1980 - Scorpio" in reading and "MARS" in reading, reading)

    run("xdotool", "windowminimize", "--sync", main)
    second = wine(program)
    box = wait(lambda: windows(MESSAGE_TITLE), "second start's message", 60)[0]
    run("xdotool", "windowactivate", "--sync", box)
    time.sleep(0.5)
    key("ctrl+c") # a message box copies its text
    expect("a second start says \"Application is already running\"",
           "Application is already running" in clipboard(), clipboard())
    key("Return")
    code = exited(second, 20)
    expect("the second start ends after its OK", code == 0, f"exit {code}")
    expect("the first copy keeps running", first.poll() is None and windows(TITLE))
    active = wait(lambda: run("xdotool", "getactivewindow").stdout.strip() == main,
                  "running copy's window forward", 10)
    expect("the running copy's window comes forward, no longer minimised", active)

    run("xdotool", "windowactivate", "--sync", main)
    key("alt+h")
    key("v") # Visit Us Online
    page = wait(lambda: os.path.exists(opened) and open(opened).read(), "page handed over", 30)
    expect("a link reaches the browser", page.startswith("https://"), page)

    run("xdotool", "windowactivate", "--sync", main)
    key("ctrl+q")
    exit_window = wait(lambda: [w for w in windows(".*") if w != main and
                                "_NET_WM_STATE_ABOVE" in run("xprop", "-id", w).stdout],
                       "exit window kept above", 20)[0]
    expect("closing the main window shows the exit window, kept above", bool(exit_window))
    run("xdotool", "windowactivate", "--sync", exit_window)
    time.sleep(0.5)
    # The refer-a-friend form by keys, in its Tab order from Close: the address the browser gets
    # carries each value percent-encoded, as built on Linux.
    key("Tab", "Tab", "Tab")
    for text, tabs in (("Ann Lee", 2), ("ann@example.org", 1), ("bob@example.org", 1),
                       ("Bob & Co", 1), ("Hi=there", 0)):
        run("xdotool", "type", "--delay", "60", text)
        for _ in range(tabs):
            key("Tab")
    key("shift+Tab", "shift+Tab", "shift+Tab", "shift+Tab")
    key("space")
    # The message's placeholder ends in a line break, so focus leaves it there, after the text.
    query = ("?taf1=Ann%20Lee&taf2=ann%40example.org&taf3=Hi%3DthereYour%20Message%0D%0A"
             "&taf4=Bob%20%26%20Co&taf5=bob%40example.org&taf6=https%3A%2F%2F")
    sent = soon(lambda: "taf1=" in open(opened).read() and open(opened).read(), 20) or ""
    expect("the refer-a-friend address reaches the browser whole", query in sent, sent)
    key("Escape")
    code = exited(first, 20)
    expect("Escape ends the program", code == 0, f"exit {code}")
    left = run("pgrep", "-f", "planetarch.exe").stdout.split()
    expect("no process of it is left", not left, " ".join(left))

    # The uninstaller goes on from a copy of itself after the one started has ended, and takes
    # away the folder before the shortcut and the key: all three are waited for.
    remover = wine("C:\\Program Files\\Planetarch\\uninstall.exe", "/S", "/AllUsers")
    exited(remover, 120)
    removed = soon(lambda: not os.path.exists(folder) and not os.path.exists(shortcut)
                   and "DisplayName" not in registry(uninstall_key), 60)
    expect("the uninstaller removes every file, the shortcut and the key", bool(removed),
           f"folder {os.path.exists(folder)}, shortcut {os.path.exists(shortcut)}")
    expect("the user's own settings value stays",
           "LastAsked" in registry("HKCU\\Software\\Orvanel\\Planetarch"))

    # For the current user alone: the user's own program folder, Start menu and uninstall key.
    code = exited(wine(os.path.join(package, f"{name}-setup.exe"), "/S", "/CurrentUser"), 180)
    user = run("wine", "cmd", "/c", "echo %USERNAME%").stdout.strip()
    own = drive_c("users", user, "AppData", "Local", "Programs", "Planetarch")
    own_key = "HKCU\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Planetarch"
    own_shortcut = drive_c("users", user, "AppData", "Roaming", "Microsoft", "Windows",
                           "Start Menu", "Programs", "Planetarch.lnk")
    entry = registry(own_key)
    expect("/CurrentUser installs into the user's own programs, menu and key",
           code == 0 and os.path.exists(os.path.join(own, "planetarch.exe"))
           and os.path.exists(own_shortcut) and "DisplayName" in entry
           and "DisplayName" not in registry(uninstall_key), f"exit {code}: {entry}")
    mine = wine(os.path.join(own, "planetarch.exe"))
    main = soon(lambda: windows(TITLE), 60)
    expect("the user's own copy starts", bool(main))
    if main:
        run("xdotool", "windowactivate", "--sync", main[0])
        key("ctrl+q")
        soon(lambda: len(windows(".*")) > 1, 10)
        key("Escape")
    code = exited(mine, 20)
    expect("the user's own copy ends through its exit window", code == 0, f"exit {code}")
    command = next((line.split("REG_SZ", 1)[1].strip() for line in entry.splitlines()
                    if "QuietUninstallString" in line), "")
    program, _, arguments = command.partition('" ')
    exited(wine(program.strip('"'), *arguments.split()), 120)
    removed = soon(lambda: not os.path.exists(own) and not os.path.exists(own_shortcut)
                   and "DisplayName" not in registry(own_key), 60)
    expect("its own uninstall command removes it and its key, not the settings",
           command.endswith("/CurrentUser /S") and bool(removed)
           and "LastAsked" in registry("HKCU\\Software\\Orvanel\\Planetarch"), command)
except RuntimeError as error:
    shot("failure")
    expect(str(error), False)
finally:
    subprocess.run(["wineserver", "-k"], env=env, capture_output=True)
    for process in reversed(procs):
        if process.poll() is None:
            process.kill()
    shutil.rmtree(home, ignore_errors=True)

print(f"{len(passes)} passed, {len(failures)} failed")
sys.exit(1 if failures else 0)
