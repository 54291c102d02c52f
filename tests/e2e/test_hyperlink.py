"""The hyperlink line: its colours under the mouse, and the address it hands to the browser
through the default opener or, when no URL handler is registered, the web-page handler."""

import time

import pytest

from desktop import wait_for
from shiftpad import CONTROLS, FORUM_ADDRESS, center, sample_colours, xdotool

LINK = CONTROLS["超级链接框1"]
COLOURS = {"red": (255, 0, 0), "blue": (49, 106, 197), "dark red": (128, 0, 0)}
SETTLE = 1.0  # seconds to make sure a second browser start would have been recorded


def _colour_shown(app):
    """The one link colour that the text is drawn in, or None while it is unclear."""
    counts = sample_colours(app, LINK, COLOURS)
    shown = [name for name, count in counts.items() if count >= 5]
    return shown[0] if len(shown) == 1 else None


def _wait_for_colour(app, name):
    wait_for(lambda: _colour_shown(app) == name, 3, 0.05, f"the link text to turn {name}")


def test_hover_turns_the_text_blue_and_leaving_turns_it_red_again(app):
    _wait_for_colour(app, "red")
    app.move_to(*center("超级链接框1"))
    _wait_for_colour(app, "blue")
    x, y, w, h = LINK
    app.move_to(x + w - 1, y + h - 1)  # the last pixel inside
    time.sleep(0.2)
    assert _colour_shown(app) == "blue"
    app.move_to(x + w // 2, y + h + 10)
    _wait_for_colour(app, "red")


@pytest.mark.parametrize("url_handler", [True, False], ids=["default-opener", "fallback"])
def test_a_click_opens_the_forum_in_the_registered_browser_once(app, desktop, url_handler):
    desktop.register_browser(schemes=url_handler)
    try:
        app.click("超级链接框1")
        calls = wait_for(desktop.browser_calls, 10, 0.05, "the browser to be started")
        time.sleep(SETTLE)
        assert desktop.browser_calls() == [[FORUM_ADDRESS]]
        assert calls == [[FORUM_ADDRESS]]
        app.move_to(5, 5)
        _wait_for_colour(app, "dark red")
    finally:
        desktop.register_browser(schemes=True)


@pytest.mark.parametrize("pause_ms, opens", [(60, 1), (1200, 2)],
                         ids=["double-click-opens-once", "clicks-apart-open-twice"])
def test_a_double_click_opens_once_and_two_separate_clicks_twice(app, desktop, pause_ms, opens):
    app.move_to(*center("超级链接框1"))
    xdotool("click", "--repeat", "2", "--delay", str(pause_ms), "1")
    wait_for(lambda: len(desktop.browser_calls()) >= opens, 10, 0.05,
             f"{opens} browser start(s)")
    time.sleep(SETTLE)
    assert desktop.browser_calls() == [[FORUM_ADDRESS]] * opens
