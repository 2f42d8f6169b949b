# Runs the program on a private X server with a window manager, a private D-Bus session and Orca
# with no speech server, so that everything Orca would say lands in its debug log; the steps are
# keystrokes sent with xdotool, and each step's speech is what Orca logged after it.
import os
import re
import shutil
import signal
import subprocess
import tempfile
import time

# An utterance may run over lines (a message of paragraphs); the log indents the lines after the
# first.
SPEECH = re.compile(r"SPEECH OUTPUT: '(.*?)' ?[\[{]", re.DOTALL)


class Session:
    def __init__(self, program, settle=1.0, patience=15.0, reminder_due=False):
        self.program = program
        self.reminder_due = reminder_due  # a stored date old enough for the update question
        self.settle = settle  # silence that ends a step
        self.patience = patience  # the longest a step may take to be heard
        self.home = tempfile.mkdtemp(prefix="planetarch-orca-")
        self.procs = []
        self.read = 0

    # --- setting up -------------------------------------------------------------------------
    def start(self):
        env = dict(os.environ)
        for name in ("WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "SESSION_MANAGER"):
            env.pop(name, None)
        runtime = os.path.join(self.home, "run")
        os.makedirs(runtime, mode=0o700)
        stub = os.path.join(self.home, "stub", "speechd")
        os.makedirs(stub)
        with open(os.path.join(stub, "__init__.py"), "w") as f:
            f.write('raise ImportError("no speech server")\n')
        env.update(HOME=self.home, XDG_RUNTIME_DIR=runtime,
                   XDG_CONFIG_HOME=os.path.join(self.home, ".config"),
                   XDG_DATA_HOME=os.path.join(self.home, ".local", "share"),
                   XDG_CACHE_HOME=os.path.join(self.home, ".cache"),
                   NO_AT_BRIDGE="0", GTK_MODULES="gail:atk-bridge",
                   QT_ACCESSIBILITY="1", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
                   PYTHONPATH=os.path.dirname(stub), PYTHONUNBUFFERED="1")
        self.env = env
        env["DISPLAY"] = self._start_x_server()
        self._wait(lambda: subprocess.run(["xdpyinfo"], env=env, capture_output=True).returncode == 0,
                   "the X server")
        self._spawn(["openbox"])
        bus = subprocess.run(["dbus-daemon", "--session", "--fork", "--print-address=1",
                              "--print-pid=1"], env=env, capture_output=True, text=True, check=True)
        address, pid = bus.stdout.split()[:2]
        self.bus_pid = int(pid)
        env["DBUS_SESSION_BUS_ADDRESS"] = address
        self.log = os.path.join(self.home, "orca.log")
        # The debug log is block-buffered; stdbuf does not reach Python, so Orca is started through
        # a wrapper that makes its files line-buffered.
        self._spawn(["python3", os.path.join(os.path.dirname(__file__), "orca_logged.py"),
                     self.log])
        self._wait(lambda: os.path.exists(self.log) and "SPEECH OUTPUT" in self._text(),
                   "Orca's first words", 60)
        time.sleep(2)
        self.read = len(self._text())
        if self.reminder_due:
            folder = os.path.join(env["XDG_CONFIG_HOME"], "Orvanel")
            os.makedirs(folder)
            with open(os.path.join(folder, "Planetarch.conf"), "w") as f:
                f.write("[UpdateReminder]\nLastAsked=2000-01-01T10:00:00\n")
        self.app = self._spawn([self.program], show_output=True)

    def _start_x_server(self):
        """Xvfb picks a free display itself and tells its number: two runs never meet."""
        read, write = os.pipe()
        self.procs.append(subprocess.Popen(
            ["Xvfb", "-displayfd", str(write), "-screen", "0", "1280x1024x24", "-nolisten", "tcp"],
            env=self.env, stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
            stderr=subprocess.DEVNULL, pass_fds=(write,), start_new_session=True))
        os.close(write)
        with os.fdopen(read) as told:
            number = told.readline().strip()
        if not number:
            raise RuntimeError("Xvfb did not start")
        return f":{number}"

    def _spawn(self, argv, show_output=False):
        p = subprocess.Popen(argv, env=self.env, stdin=subprocess.DEVNULL,
                             stdout=None if show_output else subprocess.DEVNULL,
                             stderr=None if show_output else subprocess.DEVNULL,
                             start_new_session=True)
        self.procs.append(p)
        return p

    def _wait(self, ready, what, seconds=20):
        deadline = time.monotonic() + seconds
        while time.monotonic() < deadline:
            if ready():
                return
            time.sleep(0.1)
        raise RuntimeError(f"{what} did not come up in {seconds} s")

    def _text(self):
        try:
            with open(self.log, encoding="utf-8", errors="replace") as f:
                return f.read()
        except FileNotFoundError:
            return ""

    # --- steps ------------------------------------------------------------------------------
    def heard(self):
        """What Orca said since the last call, once a second of silence has passed."""
        deadline = time.monotonic() + self.patience
        seen, quiet_since = len(self._text()), time.monotonic()
        while time.monotonic() < deadline:
            time.sleep(0.1)
            now = len(self._text())
            if now != seen:
                seen, quiet_since = now, time.monotonic()
            elif now > self.read and time.monotonic() - quiet_since >= self.settle:
                break
        text = self._text()
        new, self.read = text[self.read:], len(text)
        # Key echo ("tab ", "A ") ends in a blank; what the program makes Orca say does not.
        return [" ".join(m.group(1).split()) for m in SPEECH.finditer(new)
                if not m.group(1).endswith(" ")]

    def keys(self, *keys):
        subprocess.run(["xdotool", "key", "--delay", "80", *keys], env=self.env, check=True)
        return self.heard()

    def type(self, text):
        subprocess.run(["xdotool", "type", "--delay", "120", text], env=self.env, check=True)
        return self.heard()

    def wait_window(self, title, seconds=20):
        self._wait(lambda: subprocess.run(["xdotool", "search", "--name", f"^{re.escape(title)}$"],
                                          env=self.env, capture_output=True).returncode == 0,
                   f"the window {title!r}", seconds)

    def window_id(self, title):
        found = subprocess.run(["xdotool", "search", "--onlyvisible", "--name",
                                f"^{re.escape(title)}$"], env=self.env, capture_output=True,
                               text=True).stdout.split()
        return found[0] if found else None

    def active_window(self):
        return subprocess.run(["xdotool", "getactivewindow"], env=self.env, capture_output=True,
                              text=True).stdout.strip()

    def minimise(self, window):
        subprocess.run(["xdotool", "windowminimize", "--sync", window], env=self.env, check=True)

    def start_again(self):
        """A second start of the program, as the user would make it from the menu."""
        return self._spawn([self.program], show_output=True)

    def stop(self):
        for p in reversed(self.procs):
            if p.poll() is None:
                try:
                    os.killpg(p.pid, signal.SIGTERM)
                except ProcessLookupError:
                    pass
        for p in self.procs:
            try:
                p.wait(5)
            except subprocess.TimeoutExpired:
                os.killpg(p.pid, signal.SIGKILL)
        try:
            os.kill(self.bus_pid, signal.SIGTERM)
        except (AttributeError, ProcessLookupError):
            pass
        shutil.rmtree(self.home, ignore_errors=True)
