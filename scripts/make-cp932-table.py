#!/usr/bin/env python3
"""Writes posts/cp932.txt, the character of every two-byte sequence of code
page 932, from Python's cp932 codec (the same table as glibc's iconv CP932).
The build turns it into the decoder's table. The user-defined area (lead
bytes 0xF0-0xF9) is left out: it maps to U+E000 on by arithmetic."""
import pathlib

LEADS = [b for b in list(range(0x81, 0xA0)) + list(range(0xE0, 0xFD)) if not 0xF0 <= b <= 0xF9]
TRAILS = list(range(0x40, 0x7F)) + list(range(0x80, 0xFD))

lines = [
    "# Code page 932: one line per lead byte (0x81-0x9F, 0xE0-0xEF, 0xFA-0xFC), then the",
    "# character of each trail byte 0x40-0x7E, 0x80-0xFC in order; '-' where there is none.",
    "# Made by scripts/make-cp932-table.py; the user-defined area 0xF040-0xF9FC is not here.",
]
for lead in LEADS:
    cells = []
    for trail in TRAILS:
        try:
            cells.append("%04X" % ord(bytes([lead, trail]).decode("cp932")))
        except UnicodeDecodeError:
            cells.append("-")
    lines.append("%02X %s" % (lead, " ".join(cells)))
out = pathlib.Path(__file__).resolve().parent.parent / "posts" / "cp932.txt"
out.write_text("\n".join(lines) + "\n")
