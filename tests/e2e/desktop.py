"""A throw-away desktop for one test session: Xvfb, openbox, a session D-Bus with the
accessibility bus, and a home folder whose only web browser is a recorder."""

import contextlib
import ctypes
import json
import os
import pathlib
import select
import signal
import subprocess
import time

from Xlib import display as xdisplay

SCREEN_SIZE = (1024, 768)
RECORDER_NAME = "shiftpad-test-recorder.desktop"

_PR_SET_PDEATHSIG, _PR_SET_CHILD_SUBREAPER = 1, 36
_libc = ctypes.CDLL(None, use_errno=True)


def _die_with_parent():
    """Runs in the child: ends it when the test process ends, however that happens."""
    _libc.prctl(_PR_SET_PDEATHSIG, signal.SIGKILL)


def spawn(argv, env, log_path=None, **kwargs):
    log = open(log_path, "ab") if log_path else subprocess.DEVNULL
    try:
        return subprocess.Popen(argv, env=env, stdout=log, stderr=log,
                                stdin=subprocess.DEVNULL, preexec_fn=_die_with_parent,
                                **kwargs)
    finally:
        if log_path:
            log.close()


def stop(process, timeout=5.0):
    """Ends a process we started: SIGTERM, then SIGKILL; returns its exit status."""
    if process is None or process.poll() is not None:
        return None if process is None else process.returncode
    process.terminate()
    try:
        return process.wait(timeout)
    except subprocess.TimeoutExpired:
        process.kill()
        return process.wait(timeout)


def wait_for(predicate, timeout=5.0, interval=0.02, what="a condition"):
    """Polls predicate until it returns something truthy; returns that value."""
    deadline = time.monotonic() + timeout
    while True:
        value = predicate()
        if value:
            return value
        if time.monotonic() > deadline:
            raise TimeoutError(f"timed out after {timeout} s waiting for {what}")
        time.sleep(interval)


def _children_of(pid):
    """(child pid, state letter) of every process whose parent is pid."""
    children = []
    for stat in pathlib.Path("/proc").glob("[0-9]*/stat"):
        with contextlib.suppress(OSError, ValueError, IndexError):
            fields = stat.read_text().rsplit(")", 1)[1].split()
            if int(fields[1]) == pid:
                children.append((int(stat.parent.name), fields[0]))
    return children


def end_orphans(timeout=3.0):
    """Ends and reaps the processes that our own children left behind (the accessibility
    bus, which the session bus starts), which come to us as their subreaper."""
    deadline = time.monotonic() + timeout
    while True:
        for pid, state in _children_of(os.getpid()):
            if state == "Z":
                with contextlib.suppress(ChildProcessError):
                    os.waitpid(pid, os.WNOHANG)
            elif time.monotonic() > deadline - timeout / 2:
                with contextlib.suppress(ProcessLookupError):
                    os.kill(pid, signal.SIGKILL if time.monotonic() > deadline
                            else signal.SIGTERM)
        if not _children_of(os.getpid()) or time.monotonic() > deadline + 1:
            return
        time.sleep(0.05)


def _read_line(fd, timeout, what):
    deadline, data = time.monotonic() + timeout, b""
    while not data.endswith(b"\n"):
        remaining = deadline - time.monotonic()
        if remaining <= 0 or not select.select([fd], [], [], remaining)[0]:
            raise TimeoutError(f"timed out waiting for {what}")
        chunk = os.read(fd, 256)
        if not chunk:
            raise RuntimeError(f"{what}: the process closed its output")
        data += chunk
    return data.decode().strip()


RECORDER_SOURCE = """#!/usr/bin/python3
import json, sys
with open({log!r}, "a", encoding="utf-8") as log:
    log.write(json.dumps(sys.argv[1:]) + "\\n")
sys.exit({code})
"""


class Desktop:
    """Starts everything in start(); close() ends all of it, also after a failed start."""

    def __init__(self, root: pathlib.Path):
        self.root = root
        self.processes = []
        self.display_name = None
        self.bus_address = None
        self.x = None
        self.base_env = None
        self.recorder_log = root / "browser.log"
        self.guard_log = root / "browser-variable.log"

    # -- start-up ---------------------------------------------------------------------
    def start(self):
        # Orphans of our children come to us, so that close() can end them.
        _libc.prctl(_PR_SET_CHILD_SUBREAPER, 1)
        self._make_home()
        self._start_xvfb()
        self._start_dbus()
        self._start_openbox()

    def _make_home(self):
        r = self.root
        dirs = {"HOME": r / "home", "XDG_CONFIG_HOME": r / "home/.config",
                "XDG_DATA_HOME": r / "home/.local/share", "XDG_CACHE_HOME": r / "home/.cache",
                "XDG_RUNTIME_DIR": r / "runtime", "XDG_CONFIG_DIRS": r / "etc-xdg",
                "XDG_DATA_DIRS": r / "usr-share", "TMPDIR": r / "tmp"}
        for path in dirs.values():
            path.mkdir(parents=True, exist_ok=True)
        dirs["XDG_RUNTIME_DIR"].chmod(0o700)
        # The system's data folders without its desktop entries, so that no real browser
        # is ever found; the accessibility bus needs the GSettings schemas.
        for name in ("glib-2.0", "dbus-1", "mime", "icons"):
            if pathlib.Path("/usr/share", name).exists():
                (dirs["XDG_DATA_DIRS"] / name).symlink_to(pathlib.Path("/usr/share", name))
        env = {k: v for k, v in os.environ.items() if k in ("PATH", "USER", "LOGNAME")}
        env.update({k: str(v) for k, v in dirs.items()})
        env.update(LANG="C.UTF-8", LC_ALL="C.UTF-8",
                   BROWSER=self._write_recorder("browser-variable", self.guard_log, code=1))
        self.base_env = env
        exec_path = self._write_recorder("recorder", self.recorder_log, code=0)
        apps = dirs["XDG_DATA_HOME"] / "applications"
        apps.mkdir(parents=True, exist_ok=True)
        (apps / RECORDER_NAME).write_text(
            "[Desktop Entry]\nType=Application\nName=Recorder\n"
            f"Exec={exec_path} %u\nMimeType=text/html;x-scheme-handler/http;"
            "x-scheme-handler/https;\nNoDisplay=true\n", encoding="utf-8")
        self.register_browser(schemes=True)

    def _write_recorder(self, name, log, code):
        path = self.root / "bin" / name
        path.parent.mkdir(exist_ok=True)
        path.write_text(RECORDER_SOURCE.format(log=str(log), code=code), encoding="utf-8")
        path.chmod(0o755)
        return str(path)

    def register_browser(self, schemes: bool):
        """The recorder as the handler of web pages, and with schemes also of http(s) URLs."""
        types = ["text/html"] + (["x-scheme-handler/http", "x-scheme-handler/https"]
                                 if schemes else [])
        lines = ["[Default Applications]"] + [f"{t}={RECORDER_NAME}" for t in types]
        path = pathlib.Path(self.base_env["XDG_CONFIG_HOME"]) / "mimeapps.list"
        path.write_text("\n".join(lines) + "\n", encoding="utf-8")

    def browser_calls(self):
        """Each recorded start of the browser, as its argument list."""
        if not self.recorder_log.exists():
            return []
        return [json.loads(line) for line in self.recorder_log.read_text().splitlines()]

    def clear_browser_calls(self):
        for log in (self.recorder_log, self.guard_log):
            log.unlink(missing_ok=True)

    def _start_xvfb(self):
        read_fd, write_fd = os.pipe()
        try:
            width, height = SCREEN_SIZE
            self.processes.append(spawn(
                ["Xvfb", "-displayfd", str(write_fd), "-screen", "0", f"{width}x{height}x24",
                 "-nolisten", "tcp", "-noreset"],
                self.base_env, self.root / "xvfb.log", pass_fds=(write_fd,)))
            os.close(write_fd)
            write_fd = None
            self.display_name = ":" + _read_line(read_fd, 20, "Xvfb's display number")
        finally:
            os.close(read_fd)
            if write_fd is not None:
                os.close(write_fd)
        self.base_env["DISPLAY"] = self.display_name
        self.x = xdisplay.Display(self.display_name)

    def _start_dbus(self):
        bus = subprocess.Popen(["dbus-daemon", "--session", "--nofork", "--print-address"],
                               env=self.base_env, stdout=subprocess.PIPE,
                               stderr=subprocess.DEVNULL, stdin=subprocess.DEVNULL,
                               preexec_fn=_die_with_parent)
        self.processes.append(bus)
        self.bus_address = _read_line(bus.stdout.fileno(), 10, "the session bus address")
        self.base_env["DBUS_SESSION_BUS_ADDRESS"] = self.bus_address

    def _start_openbox(self):
        # openbox reads its key and mouse bindings and its theme from the system's folders.
        env = dict(self.base_env, XDG_CONFIG_DIRS="/etc/xdg",
                   XDG_DATA_DIRS="/usr/local/share:/usr/share")
        openbox = spawn(["openbox"], env, self.root / "openbox.log")
        self.processes.append(openbox)
        root = self.x.screen().root
        supported = self.x.intern_atom("_NET_SUPPORTED")
        frame_extents = self.x.intern_atom("_NET_FRAME_EXTENTS")

        def ready():
            if openbox.poll() is not None:
                raise RuntimeError(f"openbox ended with {openbox.returncode}; see openbox.log")
            prop = root.get_full_property(supported, 0)
            return prop is not None and frame_extents in prop.value
        wait_for(ready, 20, 0.05, "openbox to announce _NET_FRAME_EXTENTS")

    # -- what the program gets ------------------------------------------------------
    def program_env(self):
        return dict(self.base_env, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb")

    def close(self):
        if self.x is not None:
            with contextlib.suppress(Exception):
                self.x.close()
        for process in reversed(self.processes):
            stop(process)
        self.processes.clear()
        end_orphans()
