"""A text allocation that fails inside a command, in the program built with an allocator
that refuses blocks from a given size on: the runtime's error message, no command while it
is up, then the end with exit code -1, which only the fatal path gives."""

import time

import pytest
from Xlib import X

import atspi_view
from desktop import SCREEN_SIZE, wait_for
from shiftpad import xdotool

ALLOCATION_MESSAGE = "Out of memory: a text block could not be allocated."
FATAL_EXIT_STATUS = 255  # exit code -1
KEPT_OUTPUT = "kept"


def _other_windows(app):
    """The program's top-level windows on the window manager's list, besides its main one."""
    clients = app.property("_NET_CLIENT_LIST", app.root)
    found = []
    for wid in clients if clients is not None else []:
        window = app.x.create_resource_object("window", wid)
        pid = app.property("_NET_WM_PID", window)
        if wid != app.window.id and pid is not None and pid[0] == app.process.pid:
            found.append(window)
    return found


def _screen_rect(app, window):
    geometry = window.get_geometry()
    origin = app.root.translate_coords(window, 0, 0)
    return origin.x, origin.y, geometry.width, geometry.height


def _overlap(a, b):
    return a[0] < b[0] + b[2] and b[0] < a[0] + a[2] and a[1] < b[1] + b[3] and b[1] < a[1] + a[3]


def _move_aside(app, dialog):
    """Moves the message box to the bottom right corner, clear of the main window."""
    x, y, w, h = _screen_rect(app, dialog)
    xdotool("windowmove", str(dialog.id), str(SCREEN_SIZE[0] - w - 20),
            str(SCREEN_SIZE[1] - h - 40))
    wait_for(lambda: not _overlap(_screen_rect(app, dialog), app.outer_rect()), 3, 0.02,
             "the message box to move off the window")


def _holds_for(seconds, predicate):
    """Whether predicate stays true for the whole time, checked every 50 ms."""
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        if not predicate():
            return False
        time.sleep(0.05)
    return predicate()


def _dismiss(app, dialog, box, how):
    if how == "enter":
        wait_for(lambda: app.property("_NET_ACTIVE_WINDOW", app.root)[0] == dialog.id, 3,
                 0.02, "the message box to have the keyboard")
        app.key("Return")
    else:
        xdotool("mousemove", *map(str, box.button_centre("OK")), "click", "1")


@pytest.mark.parametrize("how", ["enter", "click-ok"])
def test_a_failed_allocation_in_a_command_ends_the_process_with_minus_one(failing_app, how):
    app = failing_app
    # Below the allocator's limit the commands work as usual.
    app.fill("编辑框1", "abc")
    app.click("按钮2")
    assert app.wait_for_text("编辑框2", "bdf") == "bdf"
    assert app.fill("编辑框2", KEPT_OUTPUT) == KEPT_OUTPUT
    too_long = "x" * app.failing_block_size
    assert app.fill("编辑框1", too_long) == too_long

    app.click("按钮2")
    box = wait_for(lambda: atspi_view.find_message_box(app.process.pid), 5, 0.05,
                   "the runtime's error message")
    assert box.text == ALLOCATION_MESSAGE
    dialog = wait_for(lambda: _other_windows(app), 3, 0.02, "the message box's window")[0]
    assert dialog.get_wm_transient_for() == app.window, "the message box is not the window's"

    # While it is up, neither button runs its command (a second failed read would end the
    # process at once), and the close box does not close the window. The message box sits
    # over the window at first, so it goes aside for the clicks to reach the window.
    _move_aside(app, dialog)
    for name, click in [("加密", lambda: app.click("按钮2")), ("解密", lambda: app.click("按钮1")),
                        ("the close box", app.click_close_box)]:
        click()
        assert _holds_for(0.3, lambda: app.process.poll() is None), \
            f"a click on {name} ended the process with exit status {app.process.returncode}"
        assert app.text_of("编辑框2") == KEPT_OUTPUT, f"a click on {name} wrote the output box"
    assert app.window.get_attributes().map_state == X.IsViewable
    box = atspi_view.find_message_box(app.process.pid)
    assert box is not None and box.text == ALLOCATION_MESSAGE, "the message box went away"

    _dismiss(app, dialog, box, how)
    assert app.wait_for_exit(5) == FATAL_EXIT_STATUS
