#!/usr/bin/env python3
"""Writes the seed inputs of the two run fuzz targets from the worked examples.

The targets read their inputs with FuzzedDataProvider: texts from the front (each ended by a
backslash and one other byte), small numbers and flags one byte each from the back."""
import os

here = os.path.dirname(os.path.abspath(__file__))


def texts(*parts):
    return b"".join(p.encode() + b"\\x" for p in parts)


def write(target, name, data):
    folder = os.path.join(here, target)
    os.makedirs(folder, exist_ok=True)
    with open(os.path.join(folder, name), "wb") as f:
        f.write(data)


# Upsetting run: texts volume, addition, ratio; from the back: separator, rod type index (-2 + b % 5), twice.
for name, (vol, add, ratio, index, comma, twice) in {
    "worked10060": ("50000", "3", "2", 0, 0, 0),
    "worked10278": ("1000", "10", "3", 1, 0, 0),
    "overLimit": ("84193", "0", "3", 0, 0, 1),
    "commaLocale": (" 50000 ", "3,5", "2", 0, 1, 0),
    "noRodType": ("50000", "3", "2", -1, 0, 0),
    "negativeVolume": ("-5", "abc", "2", 0, 0, 0),
    "zeroVolume": ("0", "0", "2", 1, 0, 0),
}.items():
    write("upsettingRun_fuzz", name, texts(vol, add, ratio) + bytes([twice, index + 2, comma]))

# Sampling run: from the back: separator, press (0 LZK 2500, 1 LDO 315A, 2 User defined, 3 typed),
# quantity (1 + b % 3), places (b % 16), row count (b % 4); then the four texts of each row.
for name, (press, quantity, places, rows, front) in {
    "workedVelocity": (0, 2, 4, [("20", "2", "0.1", "2")], b""),
    "workedDisplacement": (0, 1, 4, [("20", "2", "0.1", "2")], b""),
    "acceleration15": (0, 3, 15, [("20", "2", "0.1", "2")], b""),
    "twoRowsSecondFails": (1, 2, 8, [("100", "5", "", ""), ("0", "1", "", "")], b""),
    "userPress": (2, 2, 6, [("160", "0", "0.5", "")], texts("1070", "320", "70")),
    "rodShorterThanCrank": (3, 1, 3, [("250", "3", "", "-2")], texts("lzk 2500", "100", "320", "70")),
}.items():
    body = front + b"".join(texts(*row) for row in rows)
    tail = bytes([len(rows), places, quantity - 1, press, 0])
    write("samplingRun_fuzz", name, body + tail)
