#!/usr/bin/python3
"""Makes rod.jpg: a 150 x 103 pixel sketch of a cylindrical bar with its diameter D and length L
marked by dimension lines. JPEG with the JFIF header (python3-pil).

The picture is drawn four times larger and scaled down, which smooths the lines.
Usage: makeRodImage.py [output file]   (default: rod.jpg beside this script)
"""
import os
import sys

from PIL import Image, ImageDraw, ImageFont

WIDTH, HEIGHT = 150, 103
SCALE = 4
FONT_FILE = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf"

INK = (20, 20, 20)
STEEL = (196, 204, 214)
STEEL_END = (160, 170, 184)
DIMENSION = (30, 60, 160)


def s(v):
    return int(round(v * SCALE))


def arrow(draw, tip, direction, colour):
    """A filled arrow head at tip, pointing along direction (one of the four axis directions)."""
    x, y = tip
    dx, dy = direction
    length, half = 5, 2.2
    if dx:
        points = [(x, y), (x - dx * length, y - half), (x - dx * length, y + half)]
    else:
        points = [(x, y), (x - half, y - dy * length), (x + half, y - dy * length)]
    draw.polygon([(s(px), s(py)) for px, py in points], fill=colour)


def draw_rod(draw, font):
    left, right = 30, 122       # x of the end faces' centres
    top, bottom = 24, 62        # the bar's outline
    ellipse_half_width = 7      # the end faces seen slightly from the side
    middle = (top + bottom) / 2

    # Body, then the far end (hidden half), then the near end face.
    draw.rectangle([s(left), s(top), s(right), s(bottom)], fill=STEEL)
    draw.ellipse([s(right - ellipse_half_width), s(top), s(right + ellipse_half_width), s(bottom)],
                 fill=STEEL, outline=INK, width=SCALE)
    draw.rectangle([s(left), s(top), s(right), s(bottom)], fill=STEEL)
    draw.line([s(left), s(top), s(right), s(top)], fill=INK, width=SCALE)
    draw.line([s(left), s(bottom), s(right), s(bottom)], fill=INK, width=SCALE)
    draw.arc([s(right - ellipse_half_width), s(top), s(right + ellipse_half_width), s(bottom)],
             start=-90, end=90, fill=INK, width=SCALE)
    draw.ellipse([s(left - ellipse_half_width), s(top), s(left + ellipse_half_width), s(bottom)],
                 fill=STEEL_END, outline=INK, width=SCALE)
    # Centre line.
    for x in range(left - 12, right + 14, 8):
        draw.line([s(x), s(middle), s(min(x + 5, right + 12)), s(middle)], fill=INK, width=max(1, SCALE // 2))

    # Length L below the bar.
    y = 80
    for x in (left, right):
        draw.line([s(x), s(bottom + 3), s(x), s(y + 4)], fill=DIMENSION, width=max(1, SCALE // 2))
    draw.line([s(left), s(y), s(right), s(y)], fill=DIMENSION, width=max(1, SCALE // 2))
    arrow(draw, (left, y), (-1, 0), DIMENSION)
    arrow(draw, (right, y), (1, 0), DIMENSION)
    label_x = (left + right) / 2
    draw.rectangle([s(label_x - 6), s(y + 2), s(label_x + 6), s(y + 16)], fill="white")
    draw.text((s(label_x), s(y + 9)), "L", font=font, fill=DIMENSION, anchor="mm")

    # Diameter D left of the bar.
    x = 10
    for yy in (top, bottom):
        draw.line([s(x - 4), s(yy), s(left - ellipse_half_width - 2), s(yy)], fill=DIMENSION,
                  width=max(1, SCALE // 2))
    draw.line([s(x), s(top), s(x), s(bottom)], fill=DIMENSION, width=max(1, SCALE // 2))
    arrow(draw, (x, top), (0, -1), DIMENSION)
    arrow(draw, (x, bottom), (0, 1), DIMENSION)
    draw.rectangle([s(x - 7), s(middle - 7), s(x + 7), s(middle + 7)], fill="white")
    draw.text((s(x), s(middle)), "D", font=font, fill=DIMENSION, anchor="mm")


def main():
    output = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(os.path.abspath(__file__)), "rod.jpg")
    image = Image.new("RGB", (WIDTH * SCALE, HEIGHT * SCALE), "white")
    draw = ImageDraw.Draw(image)
    draw_rod(draw, ImageFont.truetype(FONT_FILE, 11 * SCALE))
    image = image.resize((WIDTH, HEIGHT), Image.LANCZOS)
    image.save(output, "JPEG", quality=92, dpi=(96, 96), optimize=False, progressive=False)
    print(f"{output}: {image.size[0]} x {image.size[1]}, {os.path.getsize(output)} bytes")


if __name__ == "__main__":
    main()
