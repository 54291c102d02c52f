#!/usr/bin/python3
"""Generates src/core/codec/cp936_table.cpp, the double-byte table of code page 936.

Usage: gen_cp936_table.py [--check]
  (no option)  rewrites the table file;
  --check      exits with status 1 if the committed table file differs from a fresh one.

The table holds what Windows decodes each (lead, trail) pair to:
  1. every pair glibc's iconv decodes under "CP936" (an alias of its GBK table):
     21791 characters, all in the BMP, no two pairs on the same character;
  2. the three user-defined areas, which glibc leaves unassigned and Windows maps to the
     private-use area U+E000-U+E765, each area in order of lead byte, then trail byte:
       AAA1-AFFE  6 leads x 94 trails (A1-FE)               -> U+E000-U+E233
       F8A1-FEFE  7 leads x 94 trails (A1-FE)               -> U+E234-U+E4C5
       A140-A7A0  7 leads x 96 trails (40-7E, then 80-A0;    -> U+E4C6-U+E765
                  0x7F is never a trail byte, so it takes no code point: A17E -> U+E504,
                  A180 -> U+E505, A1A0 -> U+E525, A240 -> U+E526)
     GB18030 assigns these same areas the same way, so the result is checked against both
     glibc's "GB18030" and Python's 'gb18030' codec.
Single bytes are not in the table: 0x00-0x7F are ASCII, and 0x80 is U+20AC (the codec
knows both; glibc agrees on 0x80, checked here).

Python's own 'cp936' and 'gbk' codecs are cross-checked against glibc and the differences
printed. On this machine they agree on every pair; the one difference is byte 0x80, which
Python leaves undefined. GB18030 also assigns 255 further pairs (A2AB-A2B0, ..., FE50-FEA0,
its U+E766-U+E864 and their later CJK replacements) that GBK leaves unassigned; the table
leaves them unassigned too.

Needs only glibc and this Python; the build itself never runs it.
"""

import ctypes
import ctypes.util
import pathlib
import sys

FIRST_LEAD, LAST_LEAD = 0x81, 0xFE
FIRST_TRAIL, LAST_TRAIL = 0x40, 0xFE
TRAIL_COUNT = LAST_TRAIL - FIRST_TRAIL + 1
PER_LINE = 12

TABLE_PATH = pathlib.Path(__file__).resolve().parent.parent / "src/core/codec/cp936_table.cpp"


class Iconv:
    """Decodes one byte string at a time with glibc's iconv."""

    def __init__(self, charset):
        self.libc = ctypes.CDLL(ctypes.util.find_library("c"), use_errno=True)
        self.libc.iconv_open.restype = ctypes.c_void_p
        self.libc.iconv_open.argtypes = [ctypes.c_char_p, ctypes.c_char_p]
        self.libc.iconv.restype = ctypes.c_size_t
        self.libc.iconv.argtypes = [ctypes.c_void_p] + [ctypes.c_void_p] * 4
        self.handle = self.libc.iconv_open(b"UTF-32LE", charset.encode())
        if self.handle in (None, ctypes.c_void_p(-1).value):
            sys.exit(f"iconv cannot open {charset}")

    def decode(self, data):
        """The decoded text, or None when iconv rejects the bytes or leaves some unread."""
        self.libc.iconv(self.handle, None, None, None, None)
        in_buf = ctypes.create_string_buffer(data, len(data))
        out_buf = ctypes.create_string_buffer(16)
        in_ptr = ctypes.c_void_p(ctypes.addressof(in_buf))
        out_ptr = ctypes.c_void_p(ctypes.addressof(out_buf))
        in_left = ctypes.c_size_t(len(data))
        out_left = ctypes.c_size_t(len(out_buf))
        result = self.libc.iconv(self.handle, ctypes.byref(in_ptr), ctypes.byref(in_left),
                                 ctypes.byref(out_ptr), ctypes.byref(out_left))
        if result == ctypes.c_size_t(-1).value or in_left.value != 0:
            return None
        return out_buf.raw[: len(out_buf) - out_left.value].decode("utf-32-le")


def all_pairs():
    for lead in range(FIRST_LEAD, LAST_LEAD + 1):
        for trail in range(FIRST_TRAIL, LAST_TRAIL + 1):
            yield lead, trail


def user_defined_areas():
    """(lead, trail) -> private-use code point, as Windows maps the user-defined areas."""
    mapping = {}
    areas = [
        (range(0xAA, 0xB0), list(range(0xA1, 0xFF)), 0xE000),
        (range(0xF8, 0xFF), list(range(0xA1, 0xFF)), 0xE234),
        (range(0xA1, 0xA8), list(range(0x40, 0x7F)) + list(range(0x80, 0xA1)), 0xE4C6),
    ]
    for leads, trails, first in areas:
        code = first
        for lead in leads:
            for trail in trails:
                mapping[(lead, trail)] = code
                code += 1
    assert code == 0xE766 and len(mapping) == 0xE766 - 0xE000
    return mapping


def python_decode(codec, data):
    try:
        return data.decode(codec)
    except UnicodeDecodeError:
        return None


def glibc_table():
    iconv = Iconv("CP936")
    assert iconv.decode(b"\x80") == "\u20ac", "glibc no longer maps 0x80 to U+20AC"
    assert iconv.decode(b"\xff") is None
    table = {}
    for lead, trail in all_pairs():
        text = iconv.decode(bytes([lead, trail]))
        if text is not None:
            assert len(text) == 1 and ord(text) <= 0xFFFF, (hex(lead), hex(trail), text)
            table[(lead, trail)] = ord(text)
    return table


def check_table(table, private_use):
    codes = list(table.values())
    assert len(set(codes)) == len(codes), "two pairs decode to the same character"
    for code in codes:
        # The codec's own stand-ins must stay out of the table to keep decoding lossless.
        assert code >= 0x80 and code != 0x20AC, hex(code)
        assert not 0x2400 <= code <= 0x2421 and not 0xF700 <= code <= 0xF7FF, hex(code)
        assert not 0xE000 <= code <= 0xE765, hex(code)
    assert not set(table) & set(private_use), "a user-defined area is assigned"


def check_against_gb18030(private_use):
    glibc = Iconv("GB18030")
    for (lead, trail), code in private_use.items():
        data = bytes([lead, trail])
        assert glibc.decode(data) == chr(code), data.hex()
        assert python_decode("gb18030", data) == chr(code), data.hex()


def report_python_differences(table):
    for codec in ("cp936", "gbk"):
        differences = []
        if python_decode(codec, b"\x80") != "\u20ac":
            differences.append("80: glibc U+20AC, python undefined")
        for lead, trail in all_pairs():
            text = python_decode(codec, bytes([lead, trail]))
            ours = table.get((lead, trail))
            theirs = ord(text) if text is not None and len(text) == 1 else None
            if ours != theirs:
                differences.append(f"{lead:02X}{trail:02X}: glibc {ours}, python {theirs}")
        print(f"python '{codec}' vs glibc: {len(differences)} difference(s)", file=sys.stderr)
        for line in differences[:20]:
            print("  " + line, file=sys.stderr)


def render(table):
    lines = [
        "// Generated by tools/gen_cp936_table.py from glibc's CP936 table and Windows's",
        "// user-defined areas. Do not edit.",
        "// clang-format off",
        '#include "core/codec/cp936_table.h"',
        "",
        "namespace shiftpad::cp936 {",
        "",
        "const std::array<char16_t, kPairCount> kPairTable{",
    ]
    for lead in range(FIRST_LEAD, LAST_LEAD + 1):
        lines.append(f"    // lead {lead:02X}, trails {FIRST_TRAIL:02X}-{LAST_TRAIL:02X}")
        row = [table.get((lead, trail), 0) for trail in range(FIRST_TRAIL, LAST_TRAIL + 1)]
        for start in range(0, TRAIL_COUNT, PER_LINE):
            chunk = row[start : start + PER_LINE]
            lines.append("    " + " ".join(f"0x{code:04X}," for code in chunk))
    lines += ["};", "", "}  // namespace shiftpad::cp936", "// clang-format on", ""]
    return "\n".join(lines)


def main():
    table = glibc_table()
    private_use = user_defined_areas()
    check_table(table, private_use)
    check_against_gb18030(private_use)
    report_python_differences(table)
    table.update(private_use)
    text = render(table)
    print(f"{len(table)} pairs assigned ({len(private_use)} user-defined)", file=sys.stderr)
    if "--check" in sys.argv[1:]:
        if TABLE_PATH.read_text(encoding="utf-8") != text:
            sys.exit(f"{TABLE_PATH} is out of date")
        return
    TABLE_PATH.write_text(text, encoding="utf-8")


if __name__ == "__main__":
    main()
