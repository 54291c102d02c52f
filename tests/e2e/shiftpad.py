"""Drives the built program as a user would: real X input through xdotool and the clipboard,
and reads it back from the X server and over AT-SPI."""

import contextlib
import os
import signal
import subprocess
import time

from Xlib import X

from desktop import spawn, stop, wait_for

TITLE = "加解密程序  By:Voskar"
OUTER_SIZE = (274, 176)
# Places and sizes in the client area.
CONTROLS = {
    "编辑框1": (24, 16, 216, 24),
    "按钮1": (48, 51, 56, 26),
    "按钮2": (157, 51, 56, 26),
    "编辑框2": (24, 88, 216, 24),
    "超级链接框1": (16, 120, 216, 16),
}
BUTTON_OF_CAPTION = {"解密": "按钮1", "加密": "按钮2"}
FOCUS_ORDER = ["编辑框1", "编辑框2", "按钮1", "按钮2"]
FORUM_ADDRESS = "https://www.quorrin.example/"


def xdotool(*args):
    subprocess.run(["xdotool", *args], check=True, timeout=30,
                   env=dict(os.environ), stdout=subprocess.DEVNULL)


def center(name):
    x, y, w, h = CONTROLS[name]
    return x + w // 2, y + h // 2


class Shiftpad:
    """One run of the program in the desktop."""

    def __init__(self, desktop, exe, log_path, env=None):
        self.desktop = desktop
        self.x = desktop.x
        self.root = self.x.screen().root
        self.process = spawn([exe], dict(desktop.program_env(), **(env or {})), log_path)
        self.window = None
        self.controls = None
        self.clipboard_owner = None
        self._atoms = {}

    # -- start and end ----------------------------------------------------------------
    def wait_until_ready(self):
        """Until the window is mapped, framed, active and its controls are on AT-SPI."""
        self.window = wait_for(self._find_window, 15, 0.05, "the program's window")
        wait_for(lambda: self.frame_extents() is not None, 5, 0.02, "_NET_FRAME_EXTENTS")
        wait_for(self.is_active, 5, 0.02, "the window to become active")
        import atspi_view  # needs the session's bus in the environment
        self.controls = wait_for(lambda: atspi_view.find_controls(self.process.pid),
                                 15, 0.1, "the controls on AT-SPI")
        return self

    def _find_window(self):
        self._check_alive()
        clients = self.root.get_full_property(self.atom("_NET_CLIENT_LIST"), X.AnyPropertyType)
        for wid in clients.value if clients else []:
            window = self.x.create_resource_object("window", wid)
            pid = window.get_full_property(self.atom("_NET_WM_PID"), X.AnyPropertyType)
            if pid and pid.value[0] == self.process.pid:
                return window
        return None

    def _check_alive(self):
        if self.process.poll() is not None:
            raise RuntimeError(f"the program ended early with exit code {self.process.returncode}")

    def wait_for_exit(self, timeout=5.0):
        try:
            return self.process.wait(timeout)
        except subprocess.TimeoutExpired:
            return None

    def send_signal(self, signum=signal.SIGTERM):
        self.process.send_signal(signum)

    def close(self):
        if self.clipboard_owner is not None:
            stop(self.clipboard_owner)
        return stop(self.process)

    # -- the X server's view --------------------------------------------------------
    def atom(self, name):
        if name not in self._atoms:
            self._atoms[name] = self.x.intern_atom(name)
        return self._atoms[name]

    def property(self, name, window=None):
        prop = (window or self.window).get_full_property(self.atom(name), X.AnyPropertyType)
        return None if prop is None else prop.value

    def is_active(self):
        active = self.property("_NET_ACTIVE_WINDOW", self.root)
        return bool(active is not None and len(active) and active[0] == self.window.id)

    def frame_extents(self):
        """(left, right, top, bottom) as the window manager reports them."""
        value = self.property("_NET_FRAME_EXTENTS")
        return tuple(value) if value is not None and len(value) == 4 else None

    def client_origin(self):
        reply = self.root.translate_coords(self.window, 0, 0)
        return reply.x, reply.y

    def client_size(self):
        geometry = self.window.get_geometry()
        return geometry.width, geometry.height

    def outer_rect(self):
        left, right, top, bottom = self.frame_extents()
        x, y = self.client_origin()
        w, h = self.client_size()
        return x - left, y - top, w + left + right, h + top + bottom

    def to_screen(self, client_x, client_y):
        x, y = self.client_origin()
        return x + client_x, y + client_y

    def pixels(self, client_rect):
        """The RGB pixels of a client-area rectangle, read from the X server."""
        cx, cy, w, h = client_rect
        x, y = self.to_screen(cx, cy)
        image = self.root.get_image(x, y, w, h, X.ZPixmap, 0xFFFFFFFF)
        data = image.data
        return [(data[i + 2], data[i + 1], data[i]) for i in range(0, len(data), 4)]

    # -- input --------------------------------------------------------------------------
    def move_to(self, client_x, client_y):
        xdotool("mousemove", *map(str, self.to_screen(client_x, client_y)))

    def click_at(self, client_x, client_y):
        xdotool("mousemove", *map(str, self.to_screen(client_x, client_y)), "click", "1")

    def click(self, name):
        self.click_at(*center(name))

    def click_close_box(self):
        """The close button of openbox's frame: the rightmost title-bar button ("NLIMC"),
        about 12 pixels wide, 3 pixels in from the right border."""
        x, y, w, _ = self.outer_rect()
        _, right, top, _ = self.frame_extents()
        xdotool("mousemove", str(x + w - right - 10), str(y + top // 2), "click", "1")

    def key(self, *keys):
        xdotool("key", "--delay", "30", *keys)

    def type_ascii(self, text):
        xdotool("type", "--delay", "15", "--", text)

    def put_on_clipboard(self, text):
        """Owns the clipboard with text until the next call, as a copy in another program."""
        if self.clipboard_owner is not None:
            stop(self.clipboard_owner)
        before = self._clipboard_owner_window()
        self.clipboard_owner = subprocess.Popen(
            ["xclip", "-selection", "clipboard", "-i", "-quiet"], env=dict(os.environ),
            stdin=subprocess.PIPE, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.clipboard_owner.stdin.write(text.encode("utf-8"))
        self.clipboard_owner.stdin.close()
        wait_for(lambda: self._clipboard_owner_window() not in (X.NONE, before), 5, 0.02,
                 "xclip to own the clipboard")

    def _clipboard_owner_window(self):
        owner = self.x.get_selection_owner(self.atom("CLIPBOARD"))
        return owner if isinstance(owner, int) else owner.id

    # -- the boxes --------------------------------------------------------------------
    def text_of(self, box):
        return self.controls.text(box)

    def focused(self):
        return self.controls.focused()

    def wait_for_text(self, box, expected, timeout=5.0):
        """Polls the box until it shows expected; returns what it showed last."""
        interval = 0.02 if len(expected) < 1000 else 0.2
        deadline = time.monotonic() + timeout
        while True:
            shown = self.text_of(box)
            if shown == expected or time.monotonic() > deadline:
                return shown
            time.sleep(interval)

    def wait_for_focus(self, expected, timeout=3.0):
        deadline = time.monotonic() + timeout
        while True:
            now = self.focused()
            if now == expected or time.monotonic() > deadline:
                return now
            time.sleep(0.02)

    def fill(self, box, text):
        """Replaces the box's text the way a user would: typed when it is short ASCII,
        pasted from another program's clipboard otherwise."""
        self.click(box)
        self.key("ctrl+a")
        if text == "":
            self.key("BackSpace")
        elif len(text) <= 40 and all(0x20 < ord(c) < 0x7F for c in text):
            self.type_ascii(text)
        else:
            self.put_on_clipboard(text)
            self.key("ctrl+v")
        return self.wait_for_text(box, text, timeout=20 if len(text) > 1000 else 5)

    def copy_output_to_input(self):
        """Copies the output box's text into the input box with the program's own clipboard."""
        self.click("编辑框2")
        self.key("ctrl+a", "ctrl+c")
        if self.clipboard_owner is not None:
            wait_for(lambda: self.clipboard_owner.poll() is not None, 5, 0.02,
                     "the program to take the clipboard")
        self.click("编辑框1")
        self.key("ctrl+a", "ctrl+v")


def sample_colours(app, rect, colours, tolerance=24):
    """How many pixels of the rectangle are near each named colour."""
    counts = dict.fromkeys(colours, 0)
    for pixel in app.pixels(rect):
        for name, rgb in colours.items():
            if max(abs(a - b) for a, b in zip(pixel, rgb)) <= tolerance:
                counts[name] += 1
    return counts


def icon_sizes(value):
    """The (width, height) of each image in a _NET_WM_ICON value."""
    sizes, i = [], 0
    while i + 2 <= len(value):
        w, h = value[i], value[i + 1]
        sizes.append((w, h))
        i += 2 + w * h
    return sizes


@contextlib.contextmanager
def running(desktop, exe, log_path, env=None):
    """The program started with env added to the desktop's environment, until the block ends."""
    app = Shiftpad(desktop, exe, log_path, env)
    try:
        yield app.wait_until_ready()
    finally:
        app.close()

