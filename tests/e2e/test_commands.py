"""The scenario table, shared with the Windows suite: each case puts its input into the
input box, clicks its button with the mouse and reads the output box and the focus."""

import json
import pathlib

import pytest

from shiftpad import BUTTON_OF_CAPTION

TABLE = pathlib.Path(__file__).resolve().parent.parent / "scenarios" / "commands.json"
CASES = json.loads(TABLE.read_text(encoding="utf-8"))["cases"]
MARKER = "#"


def expand(text):
    if isinstance(text, str):
        return text
    whole, rest = divmod(text["length"], len(text["cycle"]))
    return text["cycle"] * whole + text["cycle"][:rest]


def _describe(text, limit=60):
    shown = text if len(text) <= limit else f"{text[:limit]}... ({len(text)} characters)"
    return ascii(shown)


@pytest.mark.parametrize("case", CASES, ids=[case["id"] for case in CASES])
def test_scenario(shared_app, case):
    app = shared_app
    text, expected = expand(case["input"]), expand(case["expected"])
    button = BUTTON_OF_CAPTION[case["button"]]
    long_text = len(text) > 1000

    if case.get("input_via") == "copy_back":
        app.copy_output_to_input()
        shown = app.wait_for_text("编辑框1", text, timeout=20 if long_text else 5)
    else:
        shown = app.fill("编辑框1", text)
    assert shown == text, f"the input box shows {_describe(shown)}, not {_describe(text)}"
    if "output_before" in case:
        app.fill("编辑框2", case["output_before"])
    elif app.text_of("编辑框2") == expected:
        app.fill("编辑框2", MARKER)  # so that the click is seen to write

    app.click(button)
    shown = app.wait_for_text("编辑框2", expected, timeout=30 if long_text else 5)
    assert shown == expected, \
        f"the output box shows {_describe(shown)}, not {_describe(expected)}"
    focus = button if case["focus"] == "unchanged" else case["focus"]
    assert app.wait_for_focus(focus) == focus
    assert app.text_of("编辑框1") == text, "the command changed the input box"
