#!/usr/bin/python3
"""Makes manual_tollard.pdf, the user manual of tollard, with python3-reportlab.

The text is written here; the rod sketch is rod.jpg beside this script (made by makeRodImage.py),
the fonts are DejaVu Sans and DejaVu Sans Mono from Debian's fonts-dejavu-core, embedded so
that the Greek symbols print everywhere. Output is reproducible: reportlab's invariant mode
fixes the dates and the document id.
Usage: makeManual.py [output file]   (default: manual_tollard.pdf beside this script)
"""
import os
import sys

from reportlab import rl_config

rl_config.invariant = 1

from reportlab.lib import colors  # noqa: E402
from reportlab.lib.enums import TA_CENTER  # noqa: E402
from reportlab.lib.pagesizes import A4  # noqa: E402
from reportlab.lib.styles import ParagraphStyle  # noqa: E402
from reportlab.lib.units import mm  # noqa: E402
from reportlab.pdfbase import pdfmetrics  # noqa: E402
from reportlab.pdfbase.ttfonts import TTFont  # noqa: E402
from reportlab.platypus import (Image, KeepTogether, PageBreak, Paragraph, Preformatted,  # noqa: E402
                                SimpleDocTemplate, Spacer, Table, TableStyle)

HERE = os.path.dirname(os.path.abspath(__file__))
DEJAVU = "/usr/share/fonts/truetype/dejavu"

pdfmetrics.registerFont(TTFont("Sans", os.path.join(DEJAVU, "DejaVuSans.ttf")))
pdfmetrics.registerFont(TTFont("Sans-Bold", os.path.join(DEJAVU, "DejaVuSans-Bold.ttf")))
pdfmetrics.registerFont(TTFont("Sans-Oblique", os.path.join(DEJAVU, "DejaVuSans-Oblique.ttf")))
pdfmetrics.registerFont(TTFont("Mono", os.path.join(DEJAVU, "DejaVuSansMono.ttf")))
pdfmetrics.registerFontFamily("Sans", normal="Sans", bold="Sans-Bold", italic="Sans-Oblique",
                              boldItalic="Sans-Bold")

BODY = ParagraphStyle("body", fontName="Sans", fontSize=10, leading=14, spaceAfter=6)
TITLE = ParagraphStyle("title", parent=BODY, fontName="Sans-Bold", fontSize=22, leading=28,
                       alignment=TA_CENTER, spaceAfter=10)
SUBTITLE = ParagraphStyle("subtitle", parent=BODY, fontSize=12, leading=16, alignment=TA_CENTER)
H1 = ParagraphStyle("h1", parent=BODY, fontName="Sans-Bold", fontSize=15, leading=20, spaceBefore=12,
                    spaceAfter=8, textColor=colors.HexColor("#1e3c78"), keepWithNext=1)
H2 = ParagraphStyle("h2", parent=BODY, fontName="Sans-Bold", fontSize=12, leading=16, spaceBefore=8,
                    spaceAfter=4, keepWithNext=1)
FORMULA = ParagraphStyle("formula", parent=BODY, fontName="Sans", fontSize=11, leading=16,
                         leftIndent=12 * mm, spaceBefore=2, spaceAfter=8)
CAPTION = ParagraphStyle("caption", parent=BODY, fontName="Sans-Oblique", fontSize=9, alignment=TA_CENTER)
CODE = ParagraphStyle("code", fontName="Mono", fontSize=8.5, leading=11, leftIndent=8 * mm,
                      spaceBefore=2, spaceAfter=8)
CELL = ParagraphStyle("cell", parent=BODY, fontSize=9, leading=12, spaceAfter=0)

EN10060 = [6, 8, 9, 10, 12, 14, 15, 16, 18, 20, 22, 24, 25, 26, 28, 30, 32, 35, 36, 38, 40, 42, 45, 46,
           48, 50, 52, 55, 58, 60, 62, 65, 70, 72, 73, 75, 78, 80, 85, 90, 95, 100, 105, 110, 115, 120,
           125, 130, 135, 140, 150, 160, 170, 180, 190, 200, 210, 220, 230, 240, 250, 260, 270, 280,
           290, 300, 310, 320]
EN10278 = [2, 3, 4, 4.5, 5, 5.9, 6, 7, 8, 9, 10, 10.5, 11, 12, 13, 13.2, 14, 15, 16, 16.1, 16.2, 17,
           17.8, 18, 19, 20, 21, 22, 23, 24, 25, 26, 26.5, 27, 28, 29, 30, 31, 32, 33, 34, 35, 36, 38,
           40, 42, 44, 45, 46, 48, 50, 52, 55, 56, 58, 60, 63, 65, 75]


def p(text, style=BODY):
    return Paragraph(text, style)


def table(rows, widths, header=True):
    data = [[c if not isinstance(c, str) else Paragraph(c, CELL) for c in row] for row in rows]
    t = Table(data, colWidths=widths, hAlign="LEFT")
    style = [
        ("GRID", (0, 0), (-1, -1), 0.4, colors.grey),
        ("VALIGN", (0, 0), (-1, -1), "TOP"),
        ("LEFTPADDING", (0, 0), (-1, -1), 4),
        ("RIGHTPADDING", (0, 0), (-1, -1), 4),
    ]
    if header:
        style.append(("BACKGROUND", (0, 0), (-1, 0), colors.HexColor("#dfe6f2")))
    t.setStyle(TableStyle(style))
    return t


def diameters(values):
    return ", ".join(f"{v:g}" for v in values)


def page_decoration(canvas, doc):
    canvas.saveState()
    canvas.setFont("Sans", 8)
    canvas.setFillColor(colors.grey)
    canvas.drawString(20 * mm, 12 * mm, "Tollard 1.0 \u2013 User Manual")
    canvas.drawRightString(A4[0] - 20 * mm, 12 * mm, f"Page {doc.page}")
    canvas.restoreState()


def window_sketch():
    """The window's layout as a table of its two groups, the Solve button and the clock line."""
    inputs = table([
        ["Input", "", ""],
        ["Forging Volume", "V<sub>f</sub>", "[mm\u00b3]"],
        ["Material Addition", "\u03b4", "[%]"],
        ["Requested Ratio", "\u03bb<sub>r</sub>", "[-]"],
        ["Rod Type", "", "EN 10060 / EN 10278"],
        ["", "", "[ Solve ]"],
    ], [32 * mm, 12 * mm, 34 * mm])
    outputs = table([
        ["Output", "", ""],
        ["Rod Diameter", "D", "[mm]"],
        ["Rod Length", "L", "[mm]"],
        ["Upsetting Ratio", "\u03bb<sub>u</sub>", "[-]"],
        ["Rod Volume", "V<sub>r</sub>", "[mm\u00b3]"],
    ], [30 * mm, 12 * mm, 30 * mm])
    frame = Table([["File   Help", ""], [inputs, outputs],
                   ["Saturday 10/11/2018, 14:14:22", ""]],
                  colWidths=[82 * mm, 76 * mm], hAlign="CENTER")
    frame.setStyle(TableStyle([
        ("BOX", (0, 0), (-1, -1), 1, colors.black),
        ("LINEBELOW", (0, 0), (-1, 0), 0.4, colors.grey),
        ("BACKGROUND", (0, 0), (-1, -1), colors.HexColor("#f0f0f0")),
        ("FONTNAME", (0, 0), (-1, -1), "Sans"),
        ("FONTSIZE", (0, 0), (-1, -1), 8),
        ("VALIGN", (0, 0), (-1, -1), "TOP"),
        ("SPAN", (0, 0), (1, 0)),
        ("SPAN", (0, 2), (1, 2)),
    ]))
    return frame


def story():
    s = []
    s += [Spacer(1, 50 * mm), p("Tollard 1.0", TITLE),
          p("Bar stock sizing for upsetting", SUBTITLE), Spacer(1, 8 * mm),
          p("User Manual", SUBTITLE), Spacer(1, 20 * mm),
          Image(os.path.join(HERE, "rod.jpg"), width=75 * mm, height=75 * mm * 103 / 150),
          p("The rod: diameter D and length L", CAPTION), PageBreak()]

    # Introduction
    s += [p("1 Introduction", H1),
          p("Tollard sizes the bar stock (the rod) from which a part is upset. From the volume of the "
            "forging, a material addition and the largest ratio of rod length to rod diameter that the "
            "upsetting allows without buckling, it finds the diameter of the standard bar to cut, the "
            "length to cut it to, the resulting length ratio and the rod volume. Every calculation is "
            "added to an analysis report that can be saved as a text file or printed."),
          p("1.1 Application GUI", H2),
          p("Tollard has one window. The <b>Input</b> group on the left holds the three numbers and the "
            "bar standard; the <b>Solve</b> button at its lower right runs the calculation. The "
            "<b>Output</b> group on the right shows the results. The line at the bottom of the window "
            "shows the weekday, the date and the time, refreshed every second."),
          window_sketch(), p("The window (schematic)", CAPTION),
          p("The symbols \u03b4, \u03bb<sub>r</sub> and \u03bb<sub>u</sub> are drawn with the Greek symbol font "
            "GreekC that the program carries. At start it is written to the file "
            "<font name='Mono'>AppResources/GreekCNew.ttf</font> in the current folder (only when that "
            "file is not there yet) and used from there. When the current folder cannot be written, a "
            "message names the file and the symbols show their Latin letters d and l; everything else "
            "works as usual."),
          table([
              ["Menu", "Command", "Key", "What it does"],
              ["File", "Save", "Ctrl+S", "Saves the analysis report as a text file (see Report Export)."],
              ["", "Print...", "Ctrl+P", "Prints the analysis report on the printer chosen in the print dialog."],
              ["", "Print Setup...", "", "Chooses the printer, the paper and the orientation for later prints."],
              ["", "Exit", "Alt+F4", "Asks \u201cDo You really want to exit the application?\u201d; "
               "Yes ends the program."],
              ["Help", "Manual", "", "Opens this manual (written to AppResources/manual_tollard.pdf "
               "in the current folder on first use)."],
          ], [16 * mm, 26 * mm, 17 * mm, 101 * mm]),
          Spacer(1, 4 * mm),
          p("Closing the window in any other way asks the same question; only Yes closes it, No and "
            "Cancel keep it open. A refused input is shown in a box titled \u201cError\u201d and "
            "the calculation does not start; the inputs keep what was typed."),
          p("1.2 Number Format", H2),
          p("Numbers are typed and shown with the decimal separator of your locale: the full stop under "
            "an English locale, the comma under most others. The separator is read when Tollard starts "
            "and again when the system announces a change of its settings. Thousands separators are not "
            "accepted."),
          p("A number is: optional blanks, an optional sign, digits, optionally the separator and more "
            "digits, optionally E (or e) with an optional sign and the digits of a power of ten, then "
            "optional blanks. Anything else is refused with the message <b>Input Error!</b>"),
          table([
              ["Typed", "Full stop locale", "Comma locale"],
              ["12.5", "12.5", "Input Error!"],
              ["12,5", "Input Error!", "12,5"],
              ["1e3", "1000", "1000"],
              ["5E-2", "0.05", "0,05"],
              ["1 000", "Input Error!", "Input Error!"],
              ["abc", "Input Error!", "Input Error!"],
          ], [40 * mm, 40 * mm, 40 * mm]),
          Spacer(1, 4 * mm),
          p("Results are rounded before they are shown: the rod diameter and the rod length to one "
            "decimal place, the length ratio to three and the rod volume to two. Trailing zeros are not "
            "shown (35, not 35.0). Very large and very small values are written with a power of ten, "
            "for example 2.5E20 or 5E-5."),
          Spacer(1, 6 * mm)]

    # Input parameters
    s += [p("2 Input Parameters", H1),
          p("All lengths are in millimetres and all volumes in cubic millimetres. The inputs are checked "
            "in the order below; the first one that is refused is reported and the calculation does "
            "not start. Zero is accepted for every input."),
          p("2.1 Forging Volume", H2),
          p("V<sub>f</sub> [mm\u00b3] is the volume of the finished forging, without flash or scale. "
            "A negative value is refused with \u201cA volume has to be a positive number!\u201d."),
          p("2.2 Material Addition", H2),
          p("\u03b4 [%] is the material added for scale, flash and cutting tolerance, in percent of the "
            "forging volume. The rod must hold the extended volume"),
          p("V<sub>e</sub> = V<sub>f</sub> \u00b7 (1 + \u03b4 / 100)", FORMULA),
          p("A negative value is refused with \u201cA material addition has to be a positive number!\u201d."),
          p("2.3 Requested Length Ratio", H2),
          p("\u03bb<sub>r</sub> [-] is the largest ratio of rod length to rod diameter that you allow. A "
            "rod much longer than its diameter buckles when it is upset in one stroke; the usual limit "
            "for one stroke is 2.5 (see Length Ratio). A negative value is refused with \u201cAn upsetting "
            "ratio addition has to be a positive number!\u201d; the value 0 cannot be sized and ends the "
            "calculation with \u201cFloating point division by zero.\u201d"),
          p("2.4 Rod Type", H2),
          p("The bar standard whose diameters may be used: <b>EN 10060</b> (hot-rolled round steel bars) "
            "or <b>EN 10278</b> (bright steel bars). Tollard knows these diameters, in mm:"),
          table([["Standard", "Diameters [mm]"],
                 ["EN 10060<br/>(68 sizes)", diameters(EN10060)],
                 ["EN 10278<br/>(59 sizes)", diameters(EN10278)]], [26 * mm, 134 * mm]),
          Spacer(1, 4 * mm),
          p("Without a chosen standard no diameter can be found, and the calculation ends with the "
            "message \u201cFloating point division by zero.\u201d"),
          PageBreak()]

    # Output parameters
    s += [p("3 Output Parameters", H1),
          KeepTogether([Image(os.path.join(HERE, "rod.jpg"), width=60 * mm, height=60 * mm * 103 / 150),
                        p("Rod diameter D and rod length L", CAPTION)]),
          p("3.1 Rod Diameter", H2),
          p("First the diameter of a cylinder that holds V<sub>e</sub> and is exactly \u03bb<sub>r</sub> "
            "times as long as it is thick:"),
          p("D<sub>c</sub> = ( 4 \u00b7 V<sub>e</sub> / (\u03c0 \u00b7 \u03bb<sub>r</sub>) )<super>1/3</super>",
            FORMULA),
          p("The rod diameter D [mm] is the next diameter of the chosen standard above D<sub>c</sub>: the "
            "smallest listed diameter that is strictly greater than D<sub>c</sub>. A D<sub>c</sub> that "
            "equals a listed diameter gives the next one. When D<sub>c</sub> is below the smallest or at "
            "or above the largest diameter of the standard, no bar fits and the calculation ends with "
            "\u201cFloating point division by zero.\u201d (\u201cInvalid floating point operation.\u201d "
            "for a volume of 0). Shown to one decimal place."),
          p("3.2 Rod Length", H2),
          p("The length [mm] of a bar of diameter D that holds V<sub>e</sub>, shown to one decimal place:"),
          p("L = V<sub>e</sub> / ( \u03c0 \u00b7 (D / 2)\u00b2 )", FORMULA),
          p("3.3 Rod Volume", H2),
          p("The volume of the cut rod [mm\u00b3], shown to two decimal places. It equals the extended "
            "volume V<sub>e</sub>, which lets you check the inputs:"),
          p("V<sub>r</sub> = (D / 2)\u00b2 \u00b7 \u03c0 \u00b7 L", FORMULA),
          p("3.4 Length Ratio", H2),
          p("The upsetting ratio of the rod, shown to three decimal places:"),
          p("\u03bb<sub>u</sub> = L / D = \u03bb<sub>r</sub> \u00b7 (D<sub>c</sub> / D)\u00b3", FORMULA),
          p("Since D is larger than D<sub>c</sub>, \u03bb<sub>u</sub> is always below \u03bb<sub>r</sub>. "
            "It is shown in <font color='#008000'><b>green</b></font> up to the buckling limit 2.5 and in "
            "<font color='#ff0000'><b>red</b></font> above it; the limit is checked on the unrounded "
            "value, so 2.50024 is red although it shows as 2.5. A red ratio means the rod may buckle in "
            "one stroke: choose a smaller requested ratio or plan more than one upsetting stroke."),
          p("Example", H2),
          p("V<sub>f</sub> = 50000 mm\u00b3, \u03b4 = 3 %, \u03bb<sub>r</sub> = 2, EN 10060: "
            "V<sub>e</sub> = 51500 mm\u00b3, D<sub>c</sub> = 32.006 mm, so D = 35 mm (32 is too small), "
            "L = 53.5 mm, \u03bb<sub>u</sub> = 1.529 (green) and V<sub>r</sub> = 51500 mm\u00b3. With "
            "EN 10278 the same inputs give D = 33 mm, L = 60.2 mm and \u03bb<sub>u</sub> = 1.825."),
          PageBreak()]

    # Report export
    report = "\n".join([
        "=====UPSETTING ANALYSIS REPORT=====",
        "Saturday 10/11/2018, 14:14:22",
        " ",
        "----------INPUT PARAMETERS----------",
        "Forging Volume: 50000 [mm^3]",
        "Material Addition: 3 [%]",
        "Requested Length Ratio: 2 [-]",
        "Rod Type: EN 10060",
        " ",
        "-----------ROD PARAMETERS-----------",
        "Rod Diameter: 35 [mm]",
        "Rod Length: 53.5 [mm]",
        "Length Ratio: 1.529 [-]",
        "Status: OK",
    ])
    s += [p("4 Report Export", H1),
          p("Every completed calculation adds a block to the analysis report: the date and time, the "
            "inputs exactly as typed, the bar standard, the rounded results and the status against the "
            "buckling limit (\u201cStatus: OK\u201d up to 2.5, \u201cStatus: NOT OK\u201d above it). The "
            "rod volume is not part of the report. The heading stands once at the top; the blocks of all "
            "calculations since the start follow one another. A refused input or a calculation that "
            "ends with a message adds nothing. The report after the example above:"),
          Preformatted(report, CODE),
          p("<b>File, Save</b> (Ctrl+S) writes the report to a text file. The dialog offers text files "
            "(*.txt) and adds .txt to a name typed without an extension. When the file exists, Tollard "
            "asks \u201cDo You want overwrite existing file?\u201d; only Yes replaces it. The lines are "
            "separated by a carriage return and a line feed, and the last line has no line break. Saving "
            "before the first calculation writes an empty file. When the file cannot be written, a "
            "message names it and the reason, and the earlier file of that name is kept."),
          p("<b>File, Print...</b> (Ctrl+P) prints the report on the printer chosen in the print dialog, "
            "in a small sans-serif font, one report line per printed line; long lines continue on the "
            "next line and pages are filled from the top. <b>File, Print Setup...</b> chooses the printer "
            "and the paper for later prints."),
          p("The report lives only in the open window: it is not kept when Tollard ends. Save it before "
            "you exit if you need it.")]
    return s


def main():
    output = sys.argv[1] if len(sys.argv) > 1 else os.path.join(HERE, "manual_tollard.pdf")
    doc = SimpleDocTemplate(output, pagesize=A4, leftMargin=25 * mm, rightMargin=25 * mm,
                            topMargin=22 * mm, bottomMargin=22 * mm, title="Tollard 1.0 User Manual",
                            author="Tollard", subject="Bar stock sizing for upsetting")
    doc.build(story(), onFirstPage=page_decoration, onLaterPages=page_decoration)
    print(f"{output}: {os.path.getsize(output)} bytes")


if __name__ == "__main__":
    main()
