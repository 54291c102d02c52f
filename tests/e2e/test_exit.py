"""How the program ends: every close request with exit code 0, SIGTERM with 128 + 15."""

import signal

import pytest


@pytest.mark.parametrize("tabs", [0, 3], ids=["in-input-box", "on-encrypt-button"])
def test_escape_closes_with_exit_code_0_whatever_has_the_focus(app, tabs):
    app.fill("编辑框1", "abc")
    app.fill("编辑框2", "xyz")
    app.click("编辑框1")
    app.key(*["Tab"] * tabs, "Escape")
    assert app.wait_for_exit(5) == 0


def test_shift_escape_does_not_close_but_escape_then_does(app):
    app.key("shift+Escape", "ctrl+Escape")
    app.type_ascii("a")  # lands only after the keys before it
    assert app.wait_for_text("编辑框1", "a") == "a"
    assert app.process.poll() is None
    app.key("Escape")
    assert app.wait_for_exit(5) == 0


def test_the_close_box_closes_with_exit_code_0(app):
    app.fill("编辑框1", "abc")
    app.click_close_box()
    assert app.wait_for_exit(5) == 0


def test_alt_f4_closes_with_exit_code_0(app):
    app.key("alt+F4")
    assert app.wait_for_exit(5) == 0


def test_sigterm_ends_with_exit_code_143(app):
    app.send_signal(signal.SIGTERM)
    assert app.wait_for_exit(5) == 128 + signal.SIGTERM
