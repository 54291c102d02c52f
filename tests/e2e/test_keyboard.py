"""Focus and keys: where the keyboard goes at start, on Tab and after reactivation, and
what Enter, F1 and Space do."""

import contextlib

import pytest
from Xlib import X, Xutil

from desktop import wait_for
from shiftpad import FOCUS_ORDER, xdotool


def test_typing_right_after_start_goes_into_the_input_box(app):
    assert app.focused() == "编辑框1"
    app.type_ascii("abc")
    assert app.wait_for_text("编辑框1", "abc") == "abc"
    assert app.text_of("编辑框2") == ""


@pytest.mark.parametrize("key, order", [("Tab", FOCUS_ORDER[1:] + FOCUS_ORDER[:1]),
                                        ("shift+Tab", FOCUS_ORDER[::-1])],
                         ids=["tab", "shift-tab"])
def test_tab_order_wraps_and_never_reaches_the_link(app, key, order):
    for expected in order:
        app.key(key)
        assert app.wait_for_focus(expected) == expected, f"after {key}"


def test_enter_and_f1_do_nothing_in_the_input_box_or_on_a_button(app):
    app.fill("编辑框2", "xyz")
    app.fill("编辑框1", "abc")
    app.key("Return", "KP_Enter", "F1")
    app.type_ascii("d")  # lands only after the keys before it
    assert app.wait_for_text("编辑框1", "abcd") == "abcd"
    assert app.focused() == "编辑框1"

    app.key("Tab", "Tab", "Tab")
    assert app.wait_for_focus("按钮2") == "按钮2"
    app.key("Return", "KP_Enter", "F1")
    app.key("shift+Tab")  # lands only after the keys before it
    assert app.wait_for_focus("按钮1") == "按钮1"
    assert app.text_of("编辑框2") == "xyz"
    assert app.process.poll() is None


@pytest.mark.parametrize("button, tabs, expected", [("按钮1", 2, "```"), ("按钮2", 3, "bdf")],
                         ids=["decrypt", "encrypt"])
def test_space_on_a_focused_button_runs_its_command(app, button, tabs, expected):
    app.fill("编辑框1", "abc")
    app.key(*["Tab"] * tabs)
    assert app.wait_for_focus(button) == button
    app.key("space")
    assert app.wait_for_text("编辑框2", expected) == expected
    assert app.focused() == button


@contextlib.contextmanager
def other_window(x_display):
    """A plain X window of another client that can take the focus."""
    root = x_display.screen().root
    window = root.create_window(20, 20, 200, 100, 0, X.CopyFromParent, X.InputOutput,
                                X.CopyFromParent, background_pixel=x_display.screen().white_pixel,
                                event_mask=X.ExposureMask | X.FocusChangeMask)
    window.set_wm_name("other program")
    window.set_wm_hints(flags=Xutil.InputHint, input=1)
    window.map()
    x_display.sync()
    try:
        yield window
    finally:
        window.destroy()
        x_display.sync()


def _reactivate_by_taskbar(app):
    xdotool("windowactivate", str(app.window.id))


def _reactivate_by_title_bar(app):
    x, y, _, _ = app.outer_rect()
    left, _, top, _ = app.frame_extents()
    xdotool("mousemove", str(x + left + 60), str(y + top // 2), "click", "1")


@pytest.mark.parametrize("reactivate", [_reactivate_by_taskbar, _reactivate_by_title_bar],
                         ids=["taskbar", "title-bar"])
def test_reactivation_returns_the_focus_to_the_control_that_had_it(app, reactivate):
    app.key("Tab", "Tab")
    assert app.wait_for_focus("按钮1") == "按钮1"
    with other_window(app.x) as window:
        wait_for(lambda: window.get_attributes().map_state == X.IsViewable, 5,
                 what="the other window to be mapped")
        origin = app.root.translate_coords(window, 0, 0)
        xdotool("mousemove", str(origin.x + 100), str(origin.y + 50), "click", "1")
        wait_for(lambda: not app.is_active(), 5, what="the program to lose activation")
        assert app.wait_for_focus(None) is None
        reactivate(app)
        wait_for(app.is_active, 5, what="the program to be active again")
        assert app.wait_for_focus("按钮1") == "按钮1"
