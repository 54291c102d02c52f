#!/usr/bin/python3
"""Writes the end-to-end scenario table (commands.json) and its C++ form (scenario_cases.inc).

Every case names the text put into the input box as the box shows it, the button pressed,
the text the output box must show afterwards and where the focus must be. The expected
texts are computed here from the cipher and the way the boxes show code-page-936 bytes:
  - valid characters show as themselves (0x80 is the euro sign, as on Windows);
  - the user-defined areas show as Windows's private-use characters from U+E000;
  - control bytes 0x01-0x1F and 0x7F show as Control Pictures U+2401-U+241F and U+2421;
  - any other byte that is not part of a valid character shows as U+F700 + byte.

A text is either a string or {"cycle": s, "length": n}: s repeated and cut to n characters.
Run with --check to fail when the committed files differ from what would be written.
"""

import argparse
import json
import pathlib
import sys
import unicodedata

HERE = pathlib.Path(__file__).resolve().parent
JSON_PATH = HERE / "commands.json"
INC_PATH = HERE / "scenario_cases.inc"

ENCRYPT, DECRYPT = "加密", "解密"
SIGN = {ENCRYPT: +1, DECRYPT: -1}
INVALID_BASE = 0xF700
FOCUS_INPUT, FOCUS_UNCHANGED = "编辑框1", "unchanged"

# Windows maps the three user-defined areas, in this order, to U+E000 onwards.
USER_DEFINED_AREAS = [
    (range(0xAA, 0xB0), [t for t in range(0xA1, 0xFF)]),
    (range(0xF8, 0xFF), [t for t in range(0xA1, 0xFF)]),
    (range(0xA1, 0xA8), [t for t in range(0x40, 0xA1) if t != 0x7F]),
]


def _user_defined_tables():
    to_char, to_bytes = {}, {}
    code = 0xE000
    for leads, trails in USER_DEFINED_AREAS:
        for lead in leads:
            for trail in trails:
                to_char[(lead, trail)] = chr(code)
                to_bytes[chr(code)] = bytes([lead, trail])
                code += 1
    return to_char, to_bytes


UDA_CHAR, UDA_BYTES = _user_defined_tables()


class UncertainPair(Exception):
    """A lead and trail byte pair whose reading on Windows this generator cannot vouch for."""


def _decode_pair(lead, trail):
    if (lead, trail) in UDA_CHAR:
        return UDA_CHAR[(lead, trail)]
    try:
        return bytes([lead, trail]).decode("gbk")
    except UnicodeDecodeError:
        raise UncertainPair(f"{lead:02X} {trail:02X}") from None


def decode(data: bytes) -> str:
    out, i = [], 0
    while i < len(data):
        byte = data[i]
        if byte in range(0x01, 0x20):
            out.append(chr(0x2400 + byte))
        elif byte == 0x7F:
            out.append("\u2421")
        elif byte < 0x80:
            out.append(chr(byte))
        elif byte == 0x80:
            out.append("\u20ac")
        elif byte != 0xFF and i + 1 < len(data) and data[i + 1] in range(0x40, 0xFF) \
                and data[i + 1] != 0x7F:
            out.append(_decode_pair(byte, data[i + 1]))
            i += 1
        else:
            out.append(chr(INVALID_BASE + byte))
        i += 1
    return "".join(out)


def encode(text: str) -> bytes:
    out = bytearray()
    for char in text:
        code = ord(char)
        if 0x2401 <= code <= 0x241F:
            out.append(code - 0x2400)
        elif code == 0x2421:
            out.append(0x7F)
        elif INVALID_BASE + 0x80 <= code <= INVALID_BASE + 0xFF:
            out.append(code - INVALID_BASE)
        elif char in UDA_BYTES:
            out += UDA_BYTES[char]
        elif char == "\u20ac":
            out.append(0x80)
        else:
            out += char.encode("gbk")
    return bytes(out)


def shift(data: bytes, sign: int) -> bytes:
    shifted = ((byte + sign * position) & 0xFF for position, byte in enumerate(data, 1))
    return bytes(b for b in shifted if b != 0)


def expand(text):
    if isinstance(text, str):
        return text
    whole, rest = divmod(text["length"], len(text["cycle"]))
    return text["cycle"] * whole + text["cycle"][:rest]


def as_cycle(text: str, period_bytes: bytes):
    """The shortest {"cycle", "length"} form of text whose cycle is the decoding of whole
    periods; fails when the text is not periodic that way."""
    cycle = decode(period_bytes)
    form = {"cycle": cycle, "length": len(text)}
    if expand(form) != text:
        sys.exit("make_scenarios: the long result is not periodic; choose another rule")
    return form


def case(case_id, text, button, focus=FOCUS_UNCHANGED, **extra):
    return {"id": case_id, "input": text, "button": button, "focus": focus, **extra}


def z_with_drops():
    """97 bytes for 解密: every byte equal to its position vanishes (a blank at 32, "1" at 49,
    "a" at 97); the rest keep their own shifts, down into the control bytes."""
    chars = ["z"] * 97
    chars[31], chars[48], chars[96] = " ", "1", "a"
    return "".join(chars)


def cases():
    fe_fe_fe = decode(b"\xfe\xfe\xfe")
    chinese = "软件来自Quorrin论坛"
    return [
        case("abc-encrypt", "abc", ENCRYPT),
        case("abc-decrypt", "abc", DECRYPT),
        case("bdf-decrypt", "bdf", DECRYPT),
        case("hello-encrypt", "Hello", ENCRYPT),
        case("hello-decrypt", "Hello", DECRYPT),
        case("jiami-encrypt", "加密", ENCRYPT),
        case("jiami-decrypt", "加密", DECRYPT),
        case("empty-encrypt-clears-output", "", ENCRYPT, FOCUS_INPUT, output_before="xyz"),
        case("empty-decrypt-clears-output", "", DECRYPT, FOCUS_INPUT, output_before="bdf"),
        case("blank-encrypt", " ", ENCRYPT),
        case("blank-decrypt-control-byte", " ", DECRYPT),
        case("all-dropped-decrypt", "\u2401", DECRYPT, output_before="xyz"),
        case("all-dropped-encrypt-ff", decode(b"\xff"), ENCRYPT),
        case("drop-keeps-positions", decode(b"A\x02C"), DECRYPT),
        case("drops-at-32-49-97", z_with_drops(), DECRYPT),
        case("stand-ins-encrypt", "~~~", ENCRYPT),
        case("stand-ins-copy-back", None, DECRYPT, input_via="copy_back"),
        case("fe-fe-fe-encrypt", fe_fe_fe, ENCRYPT),
        case("user-defined-area-decrypt", "ⅰ", DECRYPT),
        case("chinese-encrypt", chinese, ENCRYPT),
        case("chinese-copy-back", None, DECRYPT, input_via="copy_back"),
        case("long-100000-encrypt", {"cycle": "abc", "length": 100000}, ENCRYPT),
    ]


def complete(table):
    """Fills in the expected texts, the copy-back inputs and the byte forms; checks that every
    input shows as itself."""
    previous = None
    for entry in table:
        if entry.get("input_via") == "copy_back":
            entry["input"] = previous["expected"]
            if shift(shift(encode(previous["input"]), SIGN[previous["button"]]),
                     SIGN[entry["button"]]) != encode(previous["input"]):
                sys.exit(f"make_scenarios: {entry['id']} would not give the original back")
        text = expand(entry["input"])
        data = encode(text)
        if decode(data) != text:
            sys.exit(f"make_scenarios: {entry['id']}: the input does not show as itself")
        result = shift(data, SIGN[entry["button"]])
        try:
            expected = decode(result)
        except UncertainPair as pair:
            sys.exit(f"make_scenarios: {entry['id']}: result holds the uncertain pair {pair}")
        if isinstance(entry["input"], dict):
            period = 256 * len(encode(entry["input"]["cycle"]))
            entry["expected"] = as_cycle(expected, shift(data[:period], SIGN[entry["button"]]))
        else:
            entry["expected"] = expected
            entry["input_bytes"] = data.hex(" ").upper()
            entry["expected_bytes"] = result.hex(" ").upper()
        previous = entry
    return table


def _escape_unclear(json_text: str) -> str:
    """Writes invisible, private-use and control-picture characters as \\u escapes."""
    def unclear(char):
        return unicodedata.category(char) in ("Co", "Cc", "Cf", "Cs") or \
            0x2400 <= ord(char) <= 0x243F or 0xF700 <= ord(char) <= 0xF7FF
    return "".join(f"\\u{ord(c):04x}" if ord(c) > 0x7E and unclear(c) else c
                   for c in json_text)


def to_json(table) -> str:
    lines = [_escape_unclear(json.dumps(entry, ensure_ascii=False)) for entry in table]
    header = ('{"about": "Made by make_scenarios.py; edit that, not this. A text is a string '
              'or {\\"cycle\\": s, \\"length\\": n}. focus: where the keyboard focus is after '
              'the click (\\"unchanged\\": where the click left it, on the clicked button). '
              'output_before: typed into the output box first. input_via copy_back: the '
              'input is the output box\'s text copied into the input box.",\n "cases": [\n  ')
    return header + ",\n  ".join(lines) + "\n]}\n"


def _cxx_utf16(text: str) -> str:
    units = text.encode("utf-16-le")
    codes = (int.from_bytes(units[i:i + 2], "little") for i in range(0, len(units), 2))
    return 'u"' + "".join(f"\\x{code:04x}" for code in codes) + '"'


def _cxx_text(text) -> str:
    if isinstance(text, str):
        return f"{{{_cxx_utf16(text)}, 0}}"
    return f"{{{_cxx_utf16(text['cycle'])}, {text['length']}}}"


def to_inc(table) -> str:
    rows = [f'{{"{e["id"]}", {"+1" if e["button"] == ENCRYPT else "-1"}, '
            f'{_cxx_text(e["input"])}, {_cxx_text(e["expected"])}}},' for e in table]
    return ("// Made by make_scenarios.py from the same table as commands.json; do not edit.\n"
            "// {id, sign, input, expected}; a text is {cycle, length}, length 0 meaning the\n"
            "// cycle itself.\n" + "\n".join(rows) + "\n")


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--check", action="store_true", help="compare instead of writing")
    args = parser.parse_args()
    table = complete(cases())
    outputs = {JSON_PATH: to_json(table), INC_PATH: to_inc(table)}
    json.loads(outputs[JSON_PATH])
    if args.check:
        stale = [p.name for p, text in outputs.items()
                 if not p.exists() or p.read_text(encoding="utf-8") != text]
        if stale:
            sys.exit(f"make_scenarios: out of date: {', '.join(stale)}; run make_scenarios.py")
        return
    for path, text in outputs.items():
        path.write_text(text, encoding="utf-8")


if __name__ == "__main__":
    main()
