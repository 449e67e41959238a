#!/usr/bin/env python3
"""Checks the message table (src/base/messages.h) against the readable texts beside it.

Every row's Japanese bytes must be code page 932 and say exactly what its comment says;
the English must be ASCII; both must take the same "%s"/"%d" values in the same order; no
two rows may share their Japanese. Exits 1 and names each row that does not hold.
Usage: scripts/check_messages.py [src/base/messages.h]
"""
import re
import sys
from pathlib import Path

def decode(body: str) -> bytes:
    """The bytes of a C string literal's body (the escapes message_row.py writes)."""
    out, i = bytearray(), 0
    while i < len(body):
        if body[i] != "\\":
            out += body[i].encode("ascii")
            i += 1
        elif body[i + 1] == "x":
            out.append(int(body[i + 2 : i + 4], 16))
            i += 4
        else:
            out += body[i + 1].encode("ascii")
            i += 2
    return bytes(out)


def rows(header: str):
    """(name, comment, Japanese bytes, English bytes) of each ROW of FAVPAGE_TEXTS."""
    start = header.index("#define FAVPAGE_TEXTS(ROW)")
    end = header.index("\n\n", start)
    macro = header[start:end].replace("\\\n", "\n")
    for match in re.finditer(r"ROW\((\w+), /\* (.*?) \*/(.*?)\)\s*(?=ROW\(|/\*|$)", macro, re.S):
        name, comment, rest = match.groups()
        languages = [b"", b""]
        column = 0
        for token in re.finditer(r'"((?:[^"\\]|\\.)*)"|,', rest):
            if token.group(0) == ",":
                column += 1
            else:
                languages[min(column, 1)] += decode(token.group(1))
        yield name, comment, languages[0], languages[1]


def placeholders(text: str) -> list[str]:
    return re.findall(r"%[sd]", text)


def main() -> int:
    path = Path(sys.argv[1] if len(sys.argv) > 1 else
                Path(__file__).parent.parent / "src/base/messages.h")
    failures, seen, count = [], {}, 0
    for name, comment, japanese, english in rows(path.read_text(encoding="utf-8")):
        count += 1
        try:
            text = japanese.decode("cp932")
        except UnicodeDecodeError:
            failures.append(f"{name}: the Japanese is not code page 932")
            continue
        if text != comment:
            failures.append(f"{name}: the bytes say {text!r}, the comment {comment!r}")
        if not english or not english.isascii():
            failures.append(f"{name}: the English is empty or not ASCII")
        elif placeholders(text) != placeholders(english.decode("ascii")):
            failures.append(f"{name}: the languages take different values")
        if japanese in seen:
            failures.append(f"{name}: the same Japanese as {seen[japanese]}")
        seen[japanese] = name
    if count == 0:
        failures.append("no rows found")
    for failure in failures:
        print(f"check_messages.py: {failure}", file=sys.stderr)
    if not failures:
        print(f"check_messages.py: {count} rows agree with their comments")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
