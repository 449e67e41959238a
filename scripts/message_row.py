#!/usr/bin/env python3
"""Prints one row of the message table (src/base/messages.h) for a text in both languages.

Usage: scripts/message_row.py kName 'ファイルが見つかりません' 'file not found'

The Japanese becomes Shift_JIS (code page 932) byte literals, cut so that no source line
passes 100 columns, with the readable text in a comment; the English must be ASCII. "%s"
(and "%d" for a number) mark the values a text takes, in the same order in both languages.
"""
import re
import sys

from sjis_literal import literal

WIDTH = 100
INDENT = "      "


def pieces(text: str) -> list[str]:
    """The Japanese as literals, each short enough for one line of the row."""
    out, current = [], ""
    for ch in text:
        candidate = current + ch
        if len(INDENT) + len(literal(candidate)) + 2 > WIDTH:
            out.append(literal(current))
            candidate = ch
        current = candidate
    out.append(literal(current))
    return out


def english_pieces(text: str) -> list[str]:
    """The English as literals cut after a blank, each short enough for one line."""
    escaped = text.replace("\\", "\\\\").replace('"', '\\"')
    out, current = [], ""
    for word in re.split(r"(?<= )", escaped):  # every blank stays, at the end of its word
        if current and len(INDENT) + len(current + word) + 4 > WIDTH:
            out.append('"' + current + '"')
            current = ""
        current += word
    out.append('"' + current + '"')
    return out


def row(name: str, japanese: str, english: str) -> str:
    if not english.isascii():
        raise SystemExit(f"message_row.py: the English of {name} is not ASCII")
    if "*/" in japanese:
        raise SystemExit(f"message_row.py: the Japanese of {name} would end its comment")
    lines = [f"  ROW({name}, /* {japanese} */ \\"]
    lines += [f"{INDENT}{piece} \\" for piece in pieces(japanese)]
    lines[-1] = lines[-1][: -len(" \\")] + ", \\"
    lines += [f"{INDENT}{piece} \\" for piece in english_pieces(english)]
    lines[-1] = lines[-1][: -len(" \\")] + ") \\"
    return "\n".join(lines)


if __name__ == "__main__":
    if len(sys.argv) != 4:
        raise SystemExit(__doc__)
    print(row(*sys.argv[1:]))
