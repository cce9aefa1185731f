#!/usr/bin/python3
"""Makes the two Greek symbol fonts GreekC.ttf and GreekS.ttf from DejaVu Sans and DejaVu Serif.

In both fonts the Latin letter keys draw the Greek letters of the classic Greek symbol keyboard
(a alpha, b beta, c chi, d delta, ..., D Delta, ...); digits, punctuation and the Greek code points
themselves draw as in the source face. Everything else is left out, which keeps the files small.

The source faces come with Debian's fonts-dejavu-core. Their licence allows modified fonts only under
names without "Bitstream" or "Vera"; the DejaVu name is kept out as well, so every naming record is
replaced. The copyright, trademark and licence records stay, as the licence requires.

Run with /usr/bin/python3 (python3-fonttools). Output is reproducible: timestamps are fixed.
Usage: makeGreekFonts.py [output folder]   (default: the folder of this script)
"""
import os
import sys

from fontTools import subset
from fontTools.ttLib import TTFont

SOURCE_FOLDER = "/usr/share/fonts/truetype/dejavu"
FONTS = [
    # (source file, family, output file)
    ("DejaVuSans.ttf", "GreekC", "GreekC.ttf"),
    ("DejaVuSerif.ttf", "GreekS", "GreekS.ttf"),
]

# The Greek symbol keyboard: Latin key -> Greek code point.
KEYBOARD = {
    "a": 0x03B1, "b": 0x03B2, "c": 0x03C7, "d": 0x03B4, "e": 0x03B5, "f": 0x03C6,
    "g": 0x03B3, "h": 0x03B7, "i": 0x03B9, "j": 0x03D5, "k": 0x03BA, "l": 0x03BB,
    "m": 0x03BC, "n": 0x03BD, "o": 0x03BF, "p": 0x03C0, "q": 0x03B8, "r": 0x03C1,
    "s": 0x03C3, "t": 0x03C4, "u": 0x03C5, "v": 0x03D6, "w": 0x03C9, "x": 0x03BE,
    "y": 0x03C8, "z": 0x03B6,
    "A": 0x0391, "B": 0x0392, "C": 0x03A7, "D": 0x0394, "E": 0x0395, "F": 0x03A6,
    "G": 0x0393, "H": 0x0397, "I": 0x0399, "J": 0x03D1, "K": 0x039A, "L": 0x039B,
    "M": 0x039C, "N": 0x039D, "O": 0x039F, "P": 0x03A0, "Q": 0x0398, "R": 0x03A1,
    "S": 0x03A3, "T": 0x03A4, "U": 0x03A5, "V": 0x03C2, "W": 0x03A9, "X": 0x039E,
    "Y": 0x03A8, "Z": 0x0396,
}

# 1 Jan 2024 00:00 UTC in seconds since 1904-01-01, the 'head' table's epoch.
FIXED_TIMESTAMP = 3787171200

KEPT_NAME_IDS = {0, 7, 13, 14}  # copyright, trademark, licence text, licence URL


def kept_code_points():
    ascii_non_letters = [c for c in range(0x20, 0x7F) if not chr(c).isalpha()]
    return ascii_non_letters + [0xA0] + sorted(set(KEYBOARD.values()))


def rename(font, family):
    name = font["name"]
    version = "Version 1.0"
    new_names = {
        1: family,
        2: "Regular",
        3: f"{family}-Regular;1.0",
        4: family,
        5: version,
        6: f"{family}-Regular",
    }
    name.names = [r for r in name.names if r.nameID in KEPT_NAME_IDS]
    for name_id, text in new_names.items():
        name.setName(text, name_id, 3, 1, 0x409)  # Windows, Unicode BMP, English
        name.setName(text, name_id, 1, 0, 0)      # Macintosh, Roman, English
    for record in name.names:
        text = record.toUnicode()
        if record.nameID not in KEPT_NAME_IDS:
            assert "Vera" not in text and "Bitstream" not in text and "DejaVu" not in text, text


def make(source, family, output):
    font = TTFont(source)
    greek_glyphs = {key: font.getBestCmap()[cp] for key, cp in KEYBOARD.items()}

    options = subset.Options()
    options.name_IDs = ["*"]
    options.name_languages = ["*"]
    options.glyph_names = True
    options.notdef_outline = True
    options.recalc_timestamp = False
    subsetter = subset.Subsetter(options)
    subsetter.populate(unicodes=kept_code_points())
    subsetter.subset(font)

    for table in font["cmap"].tables:
        if table.isUnicode():
            for key, glyph in greek_glyphs.items():
                table.cmap[ord(key)] = glyph

    rename(font, family)
    font["head"].created = FIXED_TIMESTAMP
    font["head"].modified = FIXED_TIMESTAMP
    font["OS/2"].fsSelection = (font["OS/2"].fsSelection & ~0b1100001) | 0b1000000  # Regular
    font["OS/2"].usWeightClass = 400
    font.recalcTimestamp = False
    font.save(output)


def main():
    out_folder = sys.argv[1] if len(sys.argv) > 1 else os.path.dirname(os.path.abspath(__file__))
    for source, family, output in FONTS:
        target = os.path.join(out_folder, output)
        make(os.path.join(SOURCE_FOLDER, source), family, target)
        print(f"{target}: family {family}, {os.path.getsize(target)} bytes")


if __name__ == "__main__":
    main()
