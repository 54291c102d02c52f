"""The window as the X server and the window manager see it."""

import subprocess

from desktop import SCREEN_SIZE, wait_for
from shiftpad import CONTROLS, FOCUS_ORDER, OUTER_SIZE, TITLE, icon_sizes, xdotool

# Motif hints: flags, functions, decorations (see MwmUtil.h).
MWM_HINTS_FUNCTIONS, MWM_HINTS_DECORATIONS = 1 << 0, 1 << 1
MWM_FUNC_ALL, MWM_FUNC_MOVE = 1 << 0, 1 << 2
MWM_FUNC_MINIMIZE, MWM_FUNC_MAXIMIZE, MWM_FUNC_CLOSE = 1 << 3, 1 << 4, 1 << 5
MWM_DECOR_ALL, MWM_DECOR_MINIMIZE, MWM_DECOR_MAXIMIZE = 1 << 0, 1 << 5, 1 << 6


def _granted(mask, all_bit, bit):
    """Motif's rule: with the ALL bit set, the other bits name what is taken away."""
    return bool(mask & all_bit) != bool(mask & bit)


def test_outer_rectangle_is_274_by_176_centred_on_the_screen(app):
    width, height = SCREEN_SIZE
    expected = ((width - OUTER_SIZE[0]) // 2, (height - OUTER_SIZE[1]) // 2, *OUTER_SIZE)
    assert expected == (375, 296, 274, 176)
    assert app.outer_rect() == expected


def test_title_icon_and_fixed_frame_hints(app):
    assert bytes(app.property("_NET_WM_NAME")).decode("utf-8") == TITLE

    hints = app.window.get_wm_normal_hints()
    client = app.client_size()
    assert (hints.min_width, hints.min_height) == client
    assert (hints.max_width, hints.max_height) == client

    motif = app.property("_MOTIF_WM_HINTS")
    assert motif is not None, "no _MOTIF_WM_HINTS: a window manager would offer min/max"
    flags, functions, decorations = motif[0], motif[1], motif[2]
    if flags & MWM_HINTS_FUNCTIONS:
        assert _granted(functions, MWM_FUNC_ALL, MWM_FUNC_MOVE)
        assert _granted(functions, MWM_FUNC_ALL, MWM_FUNC_CLOSE)
        # Qt always asks for MWM_FUNC_RESIZE; the size hints above keep the size fixed.
        for bit in (MWM_FUNC_MINIMIZE, MWM_FUNC_MAXIMIZE):
            assert not _granted(functions, MWM_FUNC_ALL, bit), f"function {bit:#x} offered"
    assert flags & MWM_HINTS_DECORATIONS, "decorations are left to the window manager"
    for bit in (MWM_DECOR_MINIMIZE, MWM_DECOR_MAXIMIZE):
        assert not _granted(decorations, MWM_DECOR_ALL, bit), f"decoration {bit:#x} asked"

    actions = {app.x.get_atom_name(a) for a in app.property("_NET_WM_ALLOWED_ACTIONS")}
    assert "_NET_WM_ACTION_CLOSE" in actions and "_NET_WM_ACTION_MOVE" in actions
    assert not actions & {"_NET_WM_ACTION_RESIZE", "_NET_WM_ACTION_MAXIMIZE_HORZ",
                          "_NET_WM_ACTION_MAXIMIZE_VERT"}

    state = {app.x.get_atom_name(a) for a in app.property("_NET_WM_STATE") or []}
    assert not state & {"_NET_WM_STATE_SKIP_TASKBAR", "_NET_WM_STATE_ABOVE"}
    assert (48, 48) in icon_sizes(app.property("_NET_WM_ICON") or [])


def _drag(start, end, steps=5):
    """Presses at start, moves to end in steps and releases, at a human pace."""
    (x0, y0), (x1, y1) = start, end
    moves = []
    for i in range(1, steps + 1):
        moves += ["mousemove", str(x0 + (x1 - x0) * i // steps),
                  str(y0 + (y1 - y0) * i // steps), "sleep", "0.03"]
    xdotool("mousemove", str(x0), str(y0), "sleep", "0.05", "mousedown", "1", "sleep", "0.05",
            *moves, "sleep", "0.05", "mouseup", "1", "sleep", "0.05")


def test_title_bar_drag_moves_the_window_but_the_corner_does_not_resize_it(app):
    x, y, w, h = app.outer_rect()
    left, _, top, _ = app.frame_extents()
    _drag((x + w - 1, y + h - 1), (x + w + 40, y + h + 30))
    assert wait_for(lambda: app.outer_rect()[2:] == (w, h), 1, what="the size to stay")
    grab = (x + left + 60, y + top // 2)  # on the title, left of the buttons
    _drag(grab, (grab[0] - 100, grab[1] + 40))
    moved = wait_for(lambda: app.outer_rect()[:2] == (x - 100, y + 40) and app.outer_rect(),
                     3, what="the window to follow the drag")
    assert moved[2:] == (w, h)


def test_screenshot_of_the_window(app, artifacts):
    app.fill("编辑框1", "软件来自Quorrin论坛")
    app.click("按钮2")
    wait_for(lambda: app.text_of("编辑框2") != "", 5, what="the output box to fill")
    app.move_to(5, 5)
    x, y, w, h = app.outer_rect()
    shot = artifacts / "shiftpad-window.png"
    subprocess.run(["import", "-window", "root", "-crop", f"{w}x{h}+{x}+{y}", "+repage",
                    str(shot)], check=True, timeout=30)
    print(f"\nscreenshot of the window: {shot}")
    assert shot.stat().st_size > 0


def test_controls_sit_at_their_places_in_the_client_area(app):
    client_w, client_h = app.client_size()
    origin_x, origin_y = app.client_origin()
    for name in FOCUS_ORDER:
        x, y, w, h = CONTROLS[name]
        assert x + w <= client_w and y + h <= client_h, f"{name} is cut off by the frame"
        extents = app.controls.extents(name)
        assert (extents.x - origin_x, extents.y - origin_y, extents.width, extents.height) \
            == (x, y, w, h), name


def test_screen_readers_see_a_frame_named_by_the_title_and_a_link(app):
    import atspi_view  # needs the session's bus in the environment

    application = app.controls.app
    roles = {(node.getRoleName(), node.name) for node in atspi_view.descendants(application)}
    assert ("frame", TITLE) in roles
    assert ("link", "软件来自Quorrin论坛") in roles
