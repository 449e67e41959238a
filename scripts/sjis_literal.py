#!/usr/bin/env python3
"""Prints the C++ literal of a text's Shift_JIS (code page 932) bytes.

The core keeps every text as Shift_JIS bytes; sources are UTF-8, so Japanese texts are
written as escaped byte literals with the readable text in a comment beside them.
Usage: scripts/sjis_literal.py 'ファイルが見つかりません' ...
"""
import sys


def literal(text: str) -> str:
    out = []
    for ch in text:
        raw = ch.encode("cp932")
        if len(raw) > 1 or not (0x20 <= raw[0] < 0x7F) or ch in '"\\?':
            out.extend("\\x%02X" % b for b in raw)
            continue
        # A printable byte after a hex escape would be read as more hex digits.
        if out and out[-1].startswith("\\x") and ch in "0123456789abcdefABCDEF":
            out.append('""')
        out.append(ch)
    return '"' + "".join(out) + '"'


if __name__ == "__main__":
    for arg in sys.argv[1:]:
        print(f"{literal(arg)}  // {arg}")
