# The desktops Debian users run, headless, each asked about its windows in its own words: sway's
# IPC, GNOME Shell's introspection and screenshot D-Bus services, KWin's scripting, the X11 window
# manager's root properties. Keys go in as that desktop takes them: wtype (sway's virtual
# keyboard), mutter's remote-desktop D-Bus interface, xdotool (XTEST). KWin on Wayland offers no
# input to an outside client here (no virtual keyboard; its fake-input needs a client of its
# own): there a window's close box, which KWin's scripting presses, stands in for a key.
import glob
import json
import os
import re
import shutil
import subprocess
import time
import sys
from dataclasses import dataclass

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "screenreader"))
from session import Session  # noqa: E402


@dataclass
class Window:
    id: str
    title: str
    app_id: str
    width: int
    height: int
    active: bool
    attention: bool


def wait(ready, what, seconds=20):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        found = ready()
        if found:
            return found
        time.sleep(0.1)
    raise RuntimeError(f"{what} did not come in {seconds} s")


class Desktop:
    # The id the desktop matches a window to its entry by; None: the application id.
    app_id = None
    # What the compositor counts in a window's size beyond the client area (title bar, frame).
    frame = (0, 0)
    can_type = True
    hides = "on another workspace"

    def __init__(self, home):
        self.home = home
        self.env = {"PATH": os.environ.get("PATH", "/usr/bin:/bin"), "HOME": home,
                    "XDG_RUNTIME_DIR": os.path.join(home, "run"), "LANG": "C.UTF-8",
                    "XDG_CONFIG_HOME": os.path.join(home, ".config"),
                    "XDG_DATA_HOME": os.path.join(home, ".local", "share")}
        os.makedirs(self.env["XDG_RUNTIME_DIR"], mode=0o700)
        self.procs, self.bus_pids = [], []
        self.env["DBUS_SESSION_BUS_ADDRESS"] = self.start_bus()

    def start_bus(self):
        """A D-Bus daemon of the run's own, ended with the desktop: its address."""
        address, pid = subprocess.run(["dbus-daemon", "--session", "--fork", "--print-address=1",
                                       "--print-pid=1"], env=self.env, capture_output=True,
                                      text=True, check=True).stdout.split()[:2]
        self.bus_pids.append(int(pid))
        return address

    def spawn(self, argv, log=None, **extra):
        out = open(log, "w") if log else subprocess.DEVNULL
        p = subprocess.Popen(argv, env=dict(self.env, **extra), stdin=subprocess.DEVNULL,
                             stdout=out, stderr=out if log else subprocess.DEVNULL,
                             start_new_session=True)
        self.procs.append(p)
        return p

    def run(self, argv):
        return subprocess.run(argv, env=self.env, capture_output=True, text=True)

    def program_env(self):
        return dict(self.env, QT_QPA_PLATFORM="wayland")

    def stop(self):
        for p in reversed(self.procs):
            if p.poll() is None:
                try:
                    os.killpg(p.pid, 9)
                except ProcessLookupError:
                    pass
                p.wait()
        for pid in self.bus_pids:
            try:
                os.kill(pid, 9)
            except ProcessLookupError:
                pass

    def wayland_display(self):
        return wait(lambda: next((os.path.basename(p) for p in
                                  glob.glob(os.path.join(self.env["XDG_RUNTIME_DIR"], "wayland-*"))
                                  if not p.endswith(".lock")), None), "the Wayland display", 30)


class Sway(Desktop):
    def __init__(self, home):
        super().__init__(home)
        config = os.path.join(home, "sway.conf")
        with open(config, "w") as f:
            # sway's own default only marks a window urgent when a token asks for it.
            f.write("focus_on_window_activation focus\noutput HEADLESS-1 resolution 1280x1024\n")
        self.spawn(["sway", "-c", config], WLR_BACKENDS="headless", WLR_LIBINPUT_NO_DEVICES="1",
                   WLR_RENDERER="pixman")
        self.ipc = wait(lambda: (glob.glob(os.path.join(self.env["XDG_RUNTIME_DIR"],
                                                        "sway-ipc.*.sock")) or [None])[0],
                        "sway's socket")
        self.env["WAYLAND_DISPLAY"] = self.wayland_display()
        # The headless seat has a keyboard only while a virtual one exists: one kept for the
        # whole run, so a client has its keyboard before the first key (wtype's own comes and
        # goes with each key, and its press could come before the client bound the keyboard).
        self.spawn(["wtype", "-s", "86400000", ""])

    def msg(self, *args):
        return self.run(["swaymsg", "-s", self.ipc, *args]).stdout

    def windows(self):
        found, stack = [], [json.loads(self.msg("-t", "get_tree", "-r") or "{}")]
        while stack:
            node = stack.pop()
            if node.get("app_id") is not None:
                rect = node["window_rect"]
                found.append(Window(str(node["id"]), node.get("name"), node["app_id"],
                                    rect["width"], rect["height"], node["focused"],
                                    node["urgent"]))
            stack += node.get("nodes", []) + node.get("floating_nodes", [])
        return found

    def key(self, name):
        self.run(["wtype", "-k", name])

    def close(self, window):
        self.msg(f"[con_id={window.id}] kill")

    def hide(self, window):
        self.msg("workspace", "2")

    def shot(self, path):
        self.run(["grim", path])


class Gnome(Desktop):
    # Qt draws the title bar and frame itself on GNOME: they are part of the window mutter sees.
    frame = (6, 33)
    hides = "minimised"

    def __init__(self, home):
        super().__init__(home)
        from gi.repository import Gio, GLib
        self.GLib = GLib
        # GNOME Shell asks logind on the system bus: a bus of its own stands in for it.
        self.env.update(DBUS_SYSTEM_BUS_ADDRESS=self.start_bus(), GSETTINGS_BACKEND="memory")
        log = os.path.join(home, "gnome-shell.log")
        self.spawn(["gnome-shell", "--headless", "--wayland", "--no-x11", "--virtual-monitor",
                    "1280x1024"], log=log)
        self.env["WAYLAND_DISPLAY"] = self.wayland_display()
        self.bus = Gio.DBusConnection.new_for_address_sync(
            self.env["DBUS_SESSION_BUS_ADDRESS"],
            Gio.DBusConnectionFlags.AUTHENTICATION_CLIENT |
            Gio.DBusConnectionFlags.MESSAGE_BUS_CONNECTION, None, None)
        # The shell answers about its windows to the desktop portal's name: the check takes it.
        self.call("org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus",
                  "RequestName", ("(su)", ("org.freedesktop.impl.portal.desktop.gnome", 4)))
        wait(lambda: self._try(lambda: self.windows() is not None), "GNOME Shell's windows", 60)
        desk = self.call("org.gnome.Mutter.RemoteDesktop", "/org/gnome/Mutter/RemoteDesktop",
                         "org.gnome.Mutter.RemoteDesktop", "CreateSession")[0]
        self.session = desk
        self.call("org.gnome.Mutter.RemoteDesktop", desk, "org.gnome.Mutter.RemoteDesktop.Session",
                  "Start")
        # GNOME starts in the overview, which a person leaves with Escape once it is up.
        wait(lambda: "GNOME Shell started" in open(log).read(), "GNOME Shell", 60)
        time.sleep(1)
        self.key("Escape")

    def _try(self, attempt):
        try:
            return attempt()
        except Exception:
            return None

    def call(self, name, path, interface, method, args=None):
        from gi.repository import Gio
        params = self.GLib.Variant(*args) if args else None
        return self.bus.call_sync(name, path, interface, method, params, None,
                                  Gio.DBusCallFlags.NONE, 5000, None).unpack()

    def windows(self):
        found = self.call("org.gnome.Shell.Introspect", "/org/gnome/Shell/Introspect",
                          "org.gnome.Shell.Introspect", "GetWindows")[0]
        return [Window(str(i), w.get("title"), w.get("wm-class"), w["width"], w["height"],
                       w["has-focus"], False) for i, w in found.items() if not w["is-hidden"]]

    def keysym(self, sym, pressed):
        self.call("org.gnome.Mutter.RemoteDesktop", self.session,
                  "org.gnome.Mutter.RemoteDesktop.Session", "NotifyKeyboardKeysym",
                  ("(ub)", (sym, pressed)))

    KEYSYMS = {"Return": 0xff0d, "Escape": 0xff1b, "Super_L": 0xffeb, "h": 0x68, "F4": 0xffc1,
               "Alt_L": 0xffe9}

    def key(self, name):
        syms = [self.KEYSYMS[k] for k in name.split("+")]
        for sym in syms:
            self.keysym(sym, True)
        for sym in reversed(syms):
            self.keysym(sym, False)

    def close(self, window):
        self.key("Alt_L+F4")  # the focused window's close, as GNOME binds it

    def hide(self, window):
        self.key("Super_L+h")

    def shot(self, path):
        self.call("org.gnome.Shell.Screenshot", "/org/gnome/Shell/Screenshot",
                  "org.gnome.Shell.Screenshot", "Screenshot", ("(bbs)", (False, False, path)))


class Plasma(Desktop):
    can_type = False
    hides = "minimised"

    def __init__(self, home):
        super().__init__(home)
        # The packaged binary carries a file capability a sandbox may refuse; a copy has none.
        kwin = os.path.join(home, "kwin_wayland")
        shutil.copy(shutil.which("kwin_wayland"), kwin)
        self.log = os.path.join(home, "kwin.log")
        self.spawn([kwin, "--virtual", "--width", "1280", "--height", "1024", "--socket",
                    "wayland-kwin"], log=self.log, QT_LOGGING_RULES="kwin_scripting.debug=true")
        self.env["WAYLAND_DISPLAY"] = self.wayland_display()
        self.scripts = 0
        wait(lambda: self.windows() is not None, "KWin's scripting", 30)

    def script(self, body):
        """Runs a KWin script; what it prints, line by line."""
        self.scripts += 1
        marker = f"planetarch-{self.scripts}"
        path = os.path.join(self.home, f"{marker}.js")
        with open(path, "w") as f:
            f.write((body + "\nprint('end');\n").replace("print(", f"print('{marker} ' + "))
        loaded = self.run(["dbus-send", "--session", "--print-reply", "--dest=org.kde.KWin",
                           "/Scripting", "org.kde.kwin.Scripting.loadScript", f"string:{path}",
                           f"string:{marker}"]).stdout
        number = re.search(r"int32 (\d+)", loaded)
        if not number:
            return None
        self.run(["dbus-send", "--session", "--print-reply", "--dest=org.kde.KWin",
                  f"/{number.group(1)}", "org.kde.kwin.Script.run"])
        done = f"{marker} end"
        text = wait(lambda: (lambda t: t if done in t else None)(open(self.log).read()),
                    "KWin's script", 10)
        self.run(["dbus-send", "--session", "--print-reply", "--dest=org.kde.KWin", "/Scripting",
                  "org.kde.kwin.Scripting.unloadScript", f"string:{marker}"])
        return [line.split(marker + " ", 1)[1] for line in text.splitlines()
                if marker + " " in line and not line.endswith(done)]

    def windows(self):
        lines = self.script("""
            var all = workspace.clientList();
            for (var i = 0; i < all.length; i++) {
                var c = all[i];
                if (c.minimized || !c.resourceClass) continue;
                print(JSON.stringify([String(c.internalId), c.caption, String(c.resourceClass),
                    c.frameGeometry.width, c.frameGeometry.height, workspace.activeClient === c,
                    c.demandsAttention]));
            }""")
        if lines is None:
            return None
        # KWin tells windows of one title apart by a suffix it adds: " <2>".
        return [Window(w[0], re.sub(r" <\d+>$", "", w[1]), *w[2:])
                for w in map(json.loads, lines)]

    def _each(self, window, action):
        self.script(f"""
            var all = workspace.clientList();
            for (var i = 0; i < all.length; i++)
                if (String(all[i].internalId) == "{window.id}") {{ {action} }}""")

    def close(self, window):
        self._each(window, "all[i].closeWindow();")

    def hide(self, window):
        self._each(window, "all[i].minimized = true;")

    def shot(self, path):
        pass  # KWin 5.27 lets only its own clients take screenshots


class X11(Desktop):
    app_id = "Planetarch"  # WM_CLASS's class, the desktop entry's StartupWMClass
    hides = "minimised"
    def __init__(self, home, manager):
        super().__init__(home)
        self.manager = manager
        # The screen-reader check's X server: Xvfb picks a free display and tells its number.
        self.env["DISPLAY"] = Session._start_x_server(self)
        argv = {"openbox": ["openbox"], "kwin": ["kwin_x11", "--replace"]}[manager]
        self.spawn(argv, log=os.path.join(home, f"{manager}.log"))
        wait(lambda: "_NET_SUPPORTING_WM_CHECK(WINDOW)" in self.run(
            ["xprop", "-root", "_NET_SUPPORTING_WM_CHECK"]).stdout, f"{manager}", 30)
        time.sleep(1)

    def program_env(self):
        return dict(self.env, QT_QPA_PLATFORM="xcb")

    def windows(self):
        listed = self.run(["xprop", "-root", "_NET_CLIENT_LIST", "_NET_ACTIVE_WINDOW"]).stdout
        ids = re.findall(r"0x[0-9a-f]+", listed.split("_NET_ACTIVE_WINDOW")[0])
        active = re.findall(r"0x[0-9a-f]+", listed.split("_NET_ACTIVE_WINDOW")[1])
        found = []
        for wid in ids:
            props = self.run(["xprop", "-id", wid, "_NET_WM_NAME", "WM_CLASS", "_NET_WM_STATE",
                              "WM_STATE"]).stdout
            geometry = self.run(["xwininfo", "-id", wid]).stdout
            if "Width:" not in geometry:
                continue  # gone meanwhile
            if "Iconic" in props or "_NET_WM_STATE_HIDDEN" in props:
                continue
            title = re.search(r'_NET_WM_NAME\(UTF8_STRING\) = "(.*)"', props)
            klass = re.search(r'WM_CLASS\(STRING\) = "(.*)", "(.*)"', props)
            size = [int(re.search(rf"{k}: (\d+)", geometry).group(1)) for k in ("Width", "Height")]
            found.append(Window(wid, title and title.group(1), klass and klass.group(2), *size,
                                bool(active) and int(active[0], 16) == int(wid, 16),
                                "DEMANDS_ATTENTION" in props))
        return found

    def key(self, name):
        self.run(["xdotool", "key", name])

    def close(self, window):
        self.run(["wmctrl", "-i", "-c", window.id])

    def hide(self, window):
        self.run(["xdotool", "windowminimize", "--sync", window.id])

    def shot(self, path):
        self.run(["import", "-window", "root", path])


def make(name, home):
    return {"sway": lambda: Sway(home),
            "gnome": lambda: Gnome(home), "plasma": lambda: Plasma(home),
            "openbox": lambda: X11(home, "openbox"), "kwin-x11": lambda: X11(home, "kwin")}[name]()
