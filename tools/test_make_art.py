#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Regenerates the pictures into a temporary folder and checks the files.

    python3 -m unittest tools/test_make_art.py
"""

import pathlib
import struct
import subprocess
import sys
import tempfile
import unittest

GENERATOR = pathlib.Path(__file__).resolve().parent / "make_art.py"
WHITE = (255, 255, 255)

# id: (width, height, bits per pixel)
EXPECTED = {128: (302, 214, 24), 129: (15, 23, 24), 512: (16, 16, 4), 600: (220, 100, 24), 601: (140, 32, 24)}
EXPECTED.update({i: (64, 64, 24) for i in range(130, 134)})
EXPECTED.update({i: (128, 128, 24) for i in range(134, 142)})
EXPECTED.update({i: (15, 23, 24) for i in range(256, 263)})
TILES = range(134, 142)
START_TILE = 137
SPRITES = [129, *range(256, 263), *range(130, 134), 512, 601]
SOLID_SPRITES = [129, 256, 257, 512]    # white only outside the outline
OPENING = range(40, 88)                 # where roads and the river may cross an edge
BAND = 6


def read_bmp(path):
    """(header fields, rows of colours top row first) of an uncompressed bitmap."""
    data = path.read_bytes()
    magic, file_size, _, _, offset = struct.unpack_from("<2sIHHI", data, 0)
    header_size, width, height, planes, bits, compression = struct.unpack_from("<IiiHHI", data, 14)
    fields = dict(magic=magic, file_size=file_size, length=len(data), header_size=header_size,
                  width=width, height=height, planes=planes, bits=bits, compression=compression)
    palette = [tuple(data[54 + 4 * i:57 + 4 * i][::-1]) for i in range(16)] if bits == 4 else []
    stride = (width * bits + 31) // 32 * 4
    rows = []
    for y in range(abs(height)):
        start = offset + (abs(height) - 1 - y) * stride     # bottom-up
        line = data[start:start + stride]
        if bits == 24:
            rows.append([tuple(line[3 * x:3 * x + 3][::-1]) for x in range(width)])
        else:
            rows.append([palette[line[x // 2] >> 4 if x % 2 == 0 else line[x // 2] & 15] for x in range(width)])
    fields["stride"], fields["offset"], fields["palette"] = stride, offset, palette
    return fields, rows


def distance(a, b):
    return max(abs(p - q) for p, q in zip(a, b))


def edges(rows):
    """The outer pixel lines of a tile."""
    return {"top": rows[0], "bottom": rows[-1], "left": [r[0] for r in rows], "right": [r[-1] for r in rows]}


OPPOSITE = {"top": "bottom", "bottom": "top", "left": "right", "right": "left"}


class GeneratedPictures(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.folder = tempfile.TemporaryDirectory()
        out = pathlib.Path(cls.folder.name)
        subprocess.run([sys.executable, str(GENERATOR), "--out", str(out)], check=True)
        script = (out / "skyrun.rc").read_text().splitlines()
        cls.script = [line for line in script if not line.startswith("//")]
        cls.files = {int(line.split()[0]): line.split('"')[1] for line in cls.script}
        cls.pictures = {rid: read_bmp(out / name) for rid, name in cls.files.items()}
        cls.out = out

    @classmethod
    def tearDownClass(cls):
        cls.folder.cleanup()

    def test_script_names_every_picture_once(self):
        self.assertEqual(sorted(self.files), sorted(EXPECTED))
        for line in self.script:
            self.assertRegex(line, r'^\d+ BITMAP "[a-z]+_\d+\.bmp"$')
        for rid, name in self.files.items():
            self.assertTrue(name.endswith(f"_{rid}.bmp"), name)

    def test_files_have_the_expected_format_size_and_depth(self):
        for rid, (width, height, bits) in EXPECTED.items():
            fields, _ = self.pictures[rid]
            with self.subTest(id=rid):
                self.assertEqual(fields["magic"], b"BM")
                self.assertEqual(fields["header_size"], 40)
                self.assertEqual((fields["width"], fields["height"], fields["bits"]), (width, height, bits))
                self.assertEqual((fields["planes"], fields["compression"]), (1, 0))
                self.assertEqual(fields["file_size"], fields["length"])
                self.assertEqual(fields["length"], fields["offset"] + fields["stride"] * height)
        self.assertIn(WHITE, self.pictures[512][0]["palette"])

    def test_sprites_stand_on_white(self):
        for rid in SPRITES:
            _, rows = self.pictures[rid]
            with self.subTest(id=rid):
                corners = [rows[0][0], rows[0][-1], rows[-1][0], rows[-1][-1]]
                self.assertEqual(corners, [WHITE] * 4)
                self.assertTrue(any(c != WHITE for row in rows for c in row), "empty sprite")

    def test_solid_sprites_have_no_white_holes(self):
        # Every white pixel must be reachable from the border through white,
        # or the ground would show through the aircraft or the target.
        for rid in SOLID_SPRITES:
            _, rows = self.pictures[rid]
            height, width = len(rows), len(rows[0])
            seen = set()
            todo = [(x, y) for y in range(height) for x in range(width)
                    if (x in (0, width - 1) or y in (0, height - 1)) and rows[y][x] == WHITE]
            while todo:
                x, y = todo.pop()
                if (x, y) in seen or not (0 <= x < width and 0 <= y < height) or rows[y][x] != WHITE:
                    continue
                seen.add((x, y))
                todo += [(x + 1, y), (x - 1, y), (x, y + 1), (x, y - 1)]
            holes = [(x, y) for y in range(height) for x in range(width) if rows[y][x] == WHITE and (x, y) not in seen]
            self.assertEqual(holes, [], f"id {rid}")

    def test_ground_and_panels_have_no_white(self):
        for rid in [*TILES, 128, 600]:
            _, rows = self.pictures[rid]
            self.assertNotIn(WHITE, {c for row in rows for c in row}, f"id {rid}")

    def test_tile_bands_are_the_same_grass_on_every_tile(self):
        _, start = self.pictures[START_TILE]
        for rid in TILES:
            _, rows = self.pictures[rid]
            for y in range(128):
                for x in range(128):
                    in_band = min(x, y, 127 - x, 127 - y) < BAND
                    crossing = (x in OPENING and (y < BAND or y >= 128 - BAND)) or \
                               (y in OPENING and (x < BAND or x >= 128 - BAND))
                    if in_band and not crossing:
                        self.assertEqual(rows[y][x], start[y][x], f"id {rid} at ({x}, {y})")

    def test_tiles_meet_without_a_seam(self):
        # The grass wraps round: the last column runs on into the first about
        # as smoothly as two neighbouring columns inside the tile do.
        _, start = self.pictures[START_TILE]
        def mean_step(a, b):
            return sum(distance(p, q) for p, q in zip(a, b)) / len(a)
        inside = mean_step([r[63] for r in start], [r[64] for r in start])
        self.assertLess(mean_step([r[-1] for r in start], [r[0] for r in start]), 2 * inside + 4)
        self.assertLess(mean_step(start[-1], start[0]), 2 * inside + 4)
        # Where a road or the river crosses an edge, the next tile either has
        # grass there or the same crossing on its facing edge.
        lines = {rid: edges(self.pictures[rid][1]) for rid in TILES}
        for rid in TILES:
            for side, line in lines[rid].items():
                grass = lines[START_TILE][side]
                partners = [lines[other][OPPOSITE[side]] for other in TILES]
                # Dashes on a road may end exactly at the edge: a few pixels may differ.
                fewest = min(sum(distance(line[i], candidate[i]) > 30 for i in OPENING)
                             for candidate in [grass] + partners)
                with self.subTest(id=rid, side=side):
                    self.assertLessEqual(fewest, 3, "a crossing that no tile continues")

    def test_displays_are_light_and_the_screen_is_dark(self):
        _, rows = self.pictures[128]
        for left, top, right, bottom in [(250, 66, 292, 83), (250, 108, 292, 125)]:
            darkest = min(sum(rows[y][x]) / 3 for y in range(top, bottom) for x in range(left, right))
            self.assertGreater(darkest, 150, "black digits would not read")
        # The view leaves its last column and row to the background.
        self.assertLess(max(sum(rows[171][x]) / 3 for x in range(66, 236)), 60)
        self.assertLess(max(sum(rows[y][235]) / 3 for y in range(19, 172)), 60)
        red, green, blue = rows[94][31]
        self.assertTrue(red > 180 and green > 120 and blue < 100, "the START lamp is not yellow")

    def test_regenerating_gives_the_same_bytes(self):
        with tempfile.TemporaryDirectory() as again:
            subprocess.run([sys.executable, str(GENERATOR), "--out", again], check=True)
            for name in [*self.files.values(), "skyrun.rc"]:
                self.assertEqual((pathlib.Path(again) / name).read_bytes(), (self.out / name).read_bytes(), name)


if __name__ == "__main__":
    unittest.main()
