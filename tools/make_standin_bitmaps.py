#!/usr/bin/env python3
"""Writes stand-in pictures for every bitmap resource into resources/.

Each picture is one flat colour of its own with its id written in black
digits and a black top row, so a wrong id, size or row order shows at once.
Sprites (drawn with white left out) keep a one-pixel white border. The real
art replaces these files under the same names.

    python3 tools/make_standin_bitmaps.py [--out DIR]
"""

import argparse
import pathlib
import struct

WHITE = (255, 255, 255)
BLACK = (0, 0, 0)

# The 16-colour palette of the 4-bit picture: the classic VGA colours.
PALETTE16 = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]

# id: (file name, width, height, bits per pixel, sprite, colour)
PICTURES = {
    128: ("background_128.bmp", 302, 214, 24, False, (112, 112, 120)),
    129: ("plane_129.bmp", 15, 23, 24, True, (200, 40, 40)),
    130: ("cloud_130.bmp", 64, 64, 24, True, (150, 170, 200)),
    131: ("cloud_131.bmp", 64, 64, 24, True, (130, 150, 190)),
    132: ("cloud_132.bmp", 64, 64, 24, True, (170, 150, 200)),
    133: ("cloud_133.bmp", 64, 64, 24, True, (150, 190, 190)),
    134: ("ground_134.bmp", 128, 128, 24, False, (60, 140, 50)),
    135: ("ground_135.bmp", 128, 128, 24, False, (30, 100, 40)),
    136: ("ground_136.bmp", 128, 128, 24, False, (150, 140, 60)),
    137: ("ground_137.bmp", 128, 128, 24, False, (90, 160, 70)),
    138: ("ground_138.bmp", 128, 128, 24, False, (120, 110, 100)),
    139: ("ground_139.bmp", 128, 128, 24, False, (160, 90, 60)),
    140: ("ground_140.bmp", 128, 128, 24, False, (50, 90, 160)),
    141: ("ground_141.bmp", 128, 128, 24, False, (100, 130, 40)),
    256: ("plane_256.bmp", 15, 23, 24, True, (220, 120, 30)),
    257: ("plane_257.bmp", 15, 23, 24, True, (200, 200, 40)),
    258: ("plane_258.bmp", 15, 23, 24, True, (40, 180, 90)),
    259: ("plane_259.bmp", 15, 23, 24, True, (40, 160, 200)),
    260: ("plane_260.bmp", 15, 23, 24, True, (70, 70, 210)),
    261: ("plane_261.bmp", 15, 23, 24, True, (150, 60, 200)),
    262: ("plane_262.bmp", 15, 23, 24, True, (210, 60, 150)),
    512: ("enemy_512.bmp", 16, 16, 4, True, (0, 128, 128)),
    600: ("about_600.bmp", 220, 100, 24, False, (170, 170, 170)),
    601: ("gameover_601.bmp", 140, 32, 24, True, (100, 100, 100)),
}

# 3 x 5 digit glyphs, one string of three columns per row.
DIGITS = {
    "0": ["###", "# #", "# #", "# #", "###"],
    "1": [" # ", "## ", " # ", " # ", "###"],
    "2": ["###", "  #", "###", "#  ", "###"],
    "3": ["###", "  #", "###", "  #", "###"],
    "4": ["# #", "# #", "###", "  #", "  #"],
    "5": ["###", "#  ", "###", "  #", "###"],
    "6": ["###", "#  ", "###", "# #", "###"],
    "7": ["###", "  #", "  #", "  #", "  #"],
    "8": ["###", "# #", "###", "# #", "###"],
    "9": ["###", "# #", "###", "  #", "###"],
}


def draw_picture(width, height, sprite, colour, label):
    """Rows of colours, top row first."""
    margin = 1 if sprite else 0
    rows = [[WHITE if sprite else colour] * width for _ in range(height)]
    for y in range(margin, height - margin):
        for x in range(margin, width - margin):
            rows[y][x] = colour
    for x in range(margin, width - margin):
        rows[margin][x] = BLACK
    # The digits fill the body's width and at most its top third.
    body_width = width - 2 * margin
    body_height = height - 2 * margin
    text_width = 4 * len(label) - 1
    scale = max(1, min((body_width - 2) // text_width, body_height // 3 // 5))
    left, top = margin + 1, margin + 2
    for index, digit in enumerate(label):
        for gy, line in enumerate(DIGITS[digit]):
            for gx, cell in enumerate(line):
                if cell != "#":
                    continue
                for y in range(scale):
                    for x in range(scale):
                        rows[top + gy * scale + y][left + (index * 4 + gx) * scale + x] = BLACK
    return rows


def bmp_bytes(rows, bits):
    """An uncompressed Windows bitmap file, rows stored bottom-up."""
    height, width = len(rows), len(rows[0])
    palette = b""
    if bits == 24:
        def encode(row):
            return b"".join(bytes((b, g, r)) for r, g, b in row)
    else:
        palette = b"".join(bytes((b, g, r, 0)) for r, g, b in PALETTE16)

        def encode(row):
            indices = [PALETTE16.index(c) for c in row] + [0]
            return bytes(indices[i] << 4 | indices[i + 1] for i in range(0, width, 2))
    stride = (width * bits + 31) // 32 * 4
    pixels = b"".join(encode(row).ljust(stride, b"\0") for row in reversed(rows))
    offset = 14 + 40 + len(palette)
    header = struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, bits, 0, len(pixels), 2835, 2835,
                       len(palette) // 4, 0)
    return header + info + palette + pixels


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    default_out = pathlib.Path(__file__).resolve().parent.parent / "resources"
    parser.add_argument("--out", type=pathlib.Path, default=default_out)
    out = parser.parse_args().out
    out.mkdir(parents=True, exist_ok=True)
    for resource_id, (name, width, height, bits, sprite, colour) in PICTURES.items():
        rows = draw_picture(width, height, sprite, colour, str(resource_id))
        (out / name).write_bytes(bmp_bytes(rows, bits))


if __name__ == "__main__":
    main()
