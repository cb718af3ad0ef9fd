#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Draws every bitmap resource of the plug-in and the resource script naming them.

    python3 tools/make_art.py --out DIR

Writes DIR/<name>_<id>.bmp for every id and DIR/skyrun.rc. Everything is drawn
from fixed seeds, so two runs give the same bytes.
"""

import argparse
import math
import pathlib
import random
import struct

WHITE = (255, 255, 255)
TILE = 128


# ---------------------------------------------------------------- colours

def mix(a, b, t):
    """The colour t of the way from a to b."""
    return tuple(round(p + (q - p) * t) for p, q in zip(a, b))


def shade(colour, factor):
    """The colour brightened (factor > 1) or darkened, kept below pure white."""
    return tuple(max(0, min(250, round(c * factor))) for c in colour)


def smoothstep(t):
    t = max(0.0, min(1.0, t))
    return t * t * (3 - 2 * t)


# ---------------------------------------------------------------- canvas

class Canvas:
    """Rows of (red, green, blue) tuples, top row first.

    A paint is either a colour or a function (x, y) -> colour, so shapes can be
    filled with textures and gradients.
    """

    def __init__(self, width, height, paint=WHITE):
        self.width, self.height = width, height
        self.rows = [[WHITE] * width for _ in range(height)]
        self.fill_rect(0, 0, width, height, paint)

    def get(self, x, y):
        return self.rows[y][x]

    def put(self, x, y, paint):
        if 0 <= x < self.width and 0 <= y < self.height:
            self.rows[y][x] = paint(x, y) if callable(paint) else paint

    def fill_where(self, inside, paint, box=None):
        """Paints every pixel of the box (left, top, right, bottom; right and
        bottom excluded) for which inside(x, y) holds."""
        left, top, right, bottom = box or (0, 0, self.width, self.height)
        for y in range(max(0, top), min(self.height, bottom)):
            for x in range(max(0, left), min(self.width, right)):
                if inside(x, y):
                    self.put(x, y, paint)

    def fill_rect(self, left, top, right, bottom, paint):
        self.fill_where(lambda x, y: True, paint, (left, top, right, bottom))

    def fill_ellipse(self, cx, cy, rx, ry, paint):
        """Pixels whose centres lie inside the ellipse around (cx, cy)."""
        def inside(x, y):
            return ((x + 0.5 - cx) / rx) ** 2 + ((y + 0.5 - cy) / ry) ** 2 <= 1.0
        box = (math.floor(cx - rx), math.floor(cy - ry), math.ceil(cx + rx) + 1, math.ceil(cy + ry) + 1)
        self.fill_where(inside, paint, box)

    def fill_circle(self, cx, cy, radius, paint):
        self.fill_ellipse(cx, cy, radius, radius, paint)

    def fill_polygon(self, points, paint):
        """Even-odd fill of the pixels whose centres lie inside the polygon."""
        ys = [p[1] for p in points]
        edges = list(zip(points, points[1:] + points[:1]))
        for y in range(max(0, math.floor(min(ys))), min(self.height, math.ceil(max(ys)) + 1)):
            sy = y + 0.5
            crossings = sorted(x0 + (sy - y0) * (x1 - x0) / (y1 - y0)
                               for (x0, y0), (x1, y1) in edges if (y0 <= sy) != (y1 <= sy))
            for start, end in zip(crossings[::2], crossings[1::2]):
                for x in range(max(0, math.ceil(start - 0.5)), min(self.width, math.floor(end - 0.5) + 1)):
                    self.put(x, y, paint)

    def line(self, x0, y0, x1, y1, paint):
        """A one-pixel line from (x0, y0) to (x1, y1), ends included."""
        steps = max(1, abs(x1 - x0), abs(y1 - y0))
        for i in range(steps + 1):
            self.put(round(x0 + (x1 - x0) * i / steps), round(y0 + (y1 - y0) * i / steps), paint)


def rounded_box_distance(x, y, box, radius):
    """Signed distance from the pixel centre (x, y) to the edge of a box with
    rounded corners: negative inside."""
    left, top, right, bottom = box
    half_w, half_h = (right - left) / 2, (bottom - top) / 2
    qx = abs(x + 0.5 - (left + half_w)) - half_w + radius
    qy = abs(y + 0.5 - (top + half_h)) - half_h + radius
    outside = math.hypot(max(qx, 0.0), max(qy, 0.0))
    return outside + min(max(qx, qy), 0.0) - radius


def bevelled_box(canvas, box, radius, face, depth, raised=True, light=1.25, dark=0.62):
    """A rounded box whose rim of the given depth is lit from the top left
    (raised) or from the bottom right (sunk into the surface)."""
    def distance(x, y):
        return rounded_box_distance(x, y, box, radius)

    def paint(x, y):
        colour = face(x, y) if callable(face) else face
        if distance(x, y) < -depth:
            return colour
        # The rim faces the way the distance grows; light falls from the top left.
        slope = (distance(x + 1, y) - distance(x - 1, y)) + (distance(x, y + 1) - distance(x, y - 1))
        towards_light = -slope if raised else slope
        return shade(colour, light if towards_light > 0.3 else dark if towards_light < -0.3 else 1.0)

    left, top, right, bottom = box
    canvas.fill_where(lambda x, y: distance(x, y) < 0, paint, (left, top, right, bottom))


# ---------------------------------------------------------------- noise

class ValueNoise:
    """Random values on a square lattice of the given cell size, smoothly
    interpolated, repeating every `period` pixels in both directions."""

    def __init__(self, seed, period, cell):
        if period % cell:
            raise ValueError("the cell size must divide the period")
        self.cell, self.count = cell, period // cell
        rng = random.Random(seed)
        self.values = [[rng.random() for _ in range(self.count)] for _ in range(self.count)]

    def __call__(self, x, y):
        gx, gy = x / self.cell, y / self.cell
        ix, iy = math.floor(gx), math.floor(gy)
        fx, fy = smoothstep(gx - ix), smoothstep(gy - iy)
        n = self.count
        x0, x1, y0, y1 = ix % n, (ix + 1) % n, iy % n, (iy + 1) % n
        row0, row1 = self.values[y0], self.values[y1]
        upper = row0[x0] + (row0[x1] - row0[x0]) * fx
        lower = row1[x0] + (row1[x1] - row1[x0]) * fx
        return upper + (lower - upper) * fy


class FractalNoise:
    """Octaves of value noise, large cells weighing most; values 0 to 1."""

    def __init__(self, seed, period, cells):
        self.octaves = [(ValueNoise(seed * 31 + i, period, cell), 1.0 / (i + 1) ** 1.2)
                        for i, cell in enumerate(cells)]
        self.total = sum(weight for _, weight in self.octaves)

    def __call__(self, x, y):
        return sum(noise(x, y) * weight for noise, weight in self.octaves) / self.total


# ---------------------------------------------------------------- font

# Pixel glyphs, seven rows each; a glyph is as wide as its rows.
GLYPHS = {
    "A": [".###.", "#...#", "#...#", "#####", "#...#", "#...#", "#...#"],
    "C": [".###.", "#...#", "#....", "#....", "#....", "#...#", ".###."],
    "E": ["#####", "#....", "#....", "####.", "#....", "#....", "#####"],
    "F": ["#####", "#....", "#....", "####.", "#....", "#....", "#...."],
    "G": [".###.", "#...#", "#....", "#.###", "#...#", "#...#", ".###."],
    "I": ["###", ".#.", ".#.", ".#.", ".#.", ".#.", "###"],
    "K": ["#...#", "#..#.", "#.#..", "##...", "#.#..", "#..#.", "#...#"],
    "L": ["#....", "#....", "#....", "#....", "#....", "#....", "#####"],
    "M": ["#...#", "##.##", "#.#.#", "#.#.#", "#...#", "#...#", "#...#"],
    "N": ["#...#", "#...#", "##..#", "#.#.#", "#..##", "#...#", "#...#"],
    "O": [".###.", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."],
    "R": ["####.", "#...#", "#...#", "####.", "#.#..", "#..#.", "#...#"],
    "S": [".####", "#....", "#....", ".###.", "....#", "....#", "####."],
    "T": ["#####", "..#..", "..#..", "..#..", "..#..", "..#..", "..#.."],
    "U": ["#...#", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."],
    "V": ["#...#", "#...#", "#...#", "#...#", "#...#", ".#.#.", "..#.."],
    "Y": ["#...#", "#...#", ".#.#.", "..#..", "..#..", "..#..", "..#.."],
    "f": ["..##", ".#..", ".#..", "###.", ".#..", ".#..", ".#.."],
    "h": ["#....", "#....", "#.##.", "##..#", "#...#", "#...#", "#...#"],
    "i": [".#.", "...", "##.", ".#.", ".#.", ".#.", "###"],
    "l": ["##.", ".#.", ".#.", ".#.", ".#.", ".#.", "###"],
    "r": [".....", ".....", "#.##.", "##..#", "#....", "#....", "#...."],
    "t": [".#..", ".#..", "###.", ".#..", ".#..", ".#.#", "..#."],
    " ": ["...", "...", "...", "...", "...", "...", "..."],
}


def text_width(text, scale=1, spacing=1):
    columns = sum(len(GLYPHS[ch][0]) for ch in text)
    return round(columns * scale) + spacing * (len(text) - 1)


def draw_text(canvas, left, top, text, paint, scale=1, scale_y=None, spacing=1):
    """Draws the glyphs with each glyph pixel `scale` wide and `scale_y` high
    (fractions allowed: cells are rounded to whole pixels)."""
    scale_y = scale_y or scale
    column = 0
    for index, ch in enumerate(text):
        glyph = GLYPHS[ch]
        for gy, line in enumerate(glyph):
            for gx, cell in enumerate(line):
                if cell == "#":
                    x0 = left + round((column + gx) * scale) + spacing * index
                    x1 = left + round((column + gx + 1) * scale) + spacing * index
                    canvas.fill_rect(x0, top + round(gy * scale_y), x1, top + round((gy + 1) * scale_y), paint)
        column += len(glyph[0])


def draw_label(canvas, centre_x, top, text, ink, glow=None):
    """One line of 1-pixel text centred on centre_x, with an optional light
    copy one pixel lower so it reads as printed into the plastic."""
    left = round(centre_x - text_width(text) / 2)
    if glow:
        draw_text(canvas, left, top + 1, text, glow)
    draw_text(canvas, left, top, text, ink)


# ---------------------------------------------------------------- files

def bmp_bytes(canvas, bits=24, palette=None):
    """An uncompressed bitmap file: BITMAPINFOHEADER, rows bottom-up, each
    padded to four bytes; 4-bit pictures index the given 16-colour palette."""
    width = canvas.width
    if bits == 24:
        palette_bytes = b""

        def encode(row):
            return b"".join(bytes((b, g, r)) for r, g, b in row)
    elif bits == 4:
        palette_bytes = b"".join(bytes((b, g, r, 0)) for r, g, b in palette)

        def encode(row):
            indices = [palette.index(c) for c in row] + [0]
            return bytes(indices[i] << 4 | indices[i + 1] for i in range(0, width, 2))
    else:
        raise ValueError(f"no {bits}-bit pictures")
    stride = (width * bits + 31) // 32 * 4
    pixels = b"".join(encode(row).ljust(stride, b"\0") for row in reversed(canvas.rows))
    offset = 14 + 40 + len(palette_bytes)
    header = struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset)
    info = struct.pack("<IiiHHIIiiII", 40, width, canvas.height, 1, bits, 0, len(pixels),
                       2835, 2835, len(palette_bytes) // 4, 0)
    return header + info + palette_bytes + pixels


# ---------------------------------------------------------------- ground tiles
#
# Tiles lie side by side in any order, so every tile keeps an outer band of
# the same grass, a texture that repeats every 128 pixels; roads and the river
# cross that band only at the middle of an edge, always with the same section.

BAND = 8
MIDDLE = TILE // 2
ROAD_HALF = 6       # asphalt and verge, rows 58 to 69 of a road along x
RIVER_HALF = 10     # water and banks where the river crosses the band

GRASS_SHAPE = FractalNoise(11, TILE, (32, 16, 8))
GRASS_GRAIN = ValueNoise(12, TILE, 1)
ROAD_GRAIN = ValueNoise(21, TILE, 1)
WATER_SHAPE = FractalNoise(31, TILE, (32, 8, 4))
LEAF_GRAIN = ValueNoise(41, TILE, 1)


def grass(x, y):
    x, y = x % TILE, y % TILE
    colour = mix((70, 114, 46), (100, 144, 60), smoothstep(GRASS_SHAPE(x, y) * 1.5 - 0.25))
    return shade(colour, 0.93 + 0.14 * GRASS_GRAIN(x, y))


def water(x, y, depth=0.0):
    """River and lake water; depth 0 at the shore, 1 far out."""
    x, y = x % TILE, y % TILE
    ripple = WATER_SHAPE(x, y)
    colour = mix((74, 118, 150), (36, 70, 116), min(1.0, depth))
    return shade(colour, 0.9 + 0.22 * ripple)


def darken(canvas, factor):
    """A paint that darkens what is already there: shadows."""
    return lambda x, y: shade(canvas.get(x, y), factor)


def plain_tile():
    return Canvas(TILE, TILE, grass)


def draw_roads(tile, arms):
    """Roads from the middle of the named edges ('left', 'right', 'top',
    'bottom') towards the centre; arms maps an edge to how far in the road
    reaches (None: to the centre, joining the other arms)."""
    def spans(edge, reach):
        """(box of the arm, True for roads along x)."""
        reach = MIDDLE + ROAD_HALF if reach is None else reach
        low, high = MIDDLE - ROAD_HALF, MIDDLE + ROAD_HALF
        return {
            "left": ((0, low, reach, high), True),
            "right": ((TILE - reach, low, TILE, high), True),
            "top": ((low, 0, high, reach), False),
            "bottom": ((low, TILE - reach, high, TILE), False),
        }[edge]

    boxes = [spans(edge, reach) for edge, reach in arms.items()]
    verge = lambda x, y: shade((110, 112, 80), 0.9 + 0.2 * ROAD_GRAIN(x, y))
    asphalt = lambda x, y: shade((108, 106, 100), 0.92 + 0.14 * ROAD_GRAIN(x, y))
    for box, _ in boxes:
        tile.fill_rect(*box, verge)
    for (left, top, right, bottom), along_x in boxes:
        if along_x:
            tile.fill_rect(left, top + 1, right, bottom - 1, asphalt)
        else:
            tile.fill_rect(left + 1, top, right - 1, bottom, asphalt)
    crossing = len(boxes) > 1
    for (left, top, right, bottom), along_x in boxes:
        def dash(x, y, along_x=along_x):
            in_junction = crossing and abs(x + 0.5 - MIDDLE) < ROAD_HALF and abs(y + 0.5 - MIDDLE) < ROAD_HALF
            return ((x if along_x else y) % 16) < 8 and not in_junction
        if along_x:
            tile.fill_where(dash, (206, 200, 166), (left, MIDDLE - 1, right, MIDDLE + 1))
        else:
            tile.fill_where(dash, (206, 200, 166), (MIDDLE - 1, top, MIDDLE + 1, bottom))


def river_course(y):
    """Centre and half-width of the water in row y: straight and centred in
    the band, an S-bend in between."""
    t = max(0.0, min(1.0, (y + 0.5 - BAND) / (TILE - 2 * BAND)))
    centre = MIDDLE + 13 * math.sin(2 * math.pi * t) * math.sin(math.pi * t)
    return centre, RIVER_HALF - 2 + 2 * math.sin(math.pi * t)


def draw_river(tile):
    for y in range(TILE):
        centre, half = river_course(y)
        for x in range(TILE):
            offset = abs(x + 0.5 - centre)
            if offset < half:
                tile.put(x, y, water(x, y, 0.3 + 0.7 * (1 - offset / half)))
            elif offset < half + 2:
                tile.put(x, y, shade((128, 116, 78), 0.9 + 0.2 * ROAD_GRAIN(x, y)))


def finish_band(tile, arms=(), river=False):
    """Repaints the outer band as every tile has it: grass, crossed only by
    the roads of the given arms and the river."""
    edge = plain_tile()
    if river:
        draw_river(edge)
    if arms:
        draw_roads(edge, {name: BAND for name in arms})
    for y in range(TILE):
        for x in range(TILE):
            if min(x, y, TILE - 1 - x, TILE - 1 - y) < BAND:
                tile.rows[y][x] = edge.rows[y][x]


def draw_tree(tile, cx, cy, radius, colour):
    """A crown seen from above with its shadow thrown to the lower right."""
    tile.fill_circle(cx + radius * 0.45, cy + radius * 0.45, radius, darken(tile, 0.62))

    def leaves(x, y):
        dx, dy = x + 0.5 - (cx - radius * 0.4), y + 0.5 - (cy - radius * 0.4)
        light = 1.0 - min(1.0, math.hypot(dx, dy) / (radius * 1.8))
        return shade(colour, 0.72 + 0.55 * light + 0.14 * (LEAF_GRAIN(x, y) - 0.5))
    tile.fill_circle(cx, cy, radius, leaves)


def draw_house(tile, left, top, width, height, roof):
    """A gabled roof from above: the ridge runs along the longer side, one
    slope in the light and one in shade."""
    tile.fill_rect(left + 2, top + 2, left + width + 2, top + height + 2, darken(tile, 0.6))
    along_x = width >= height

    def tiles(x, y):
        first_half = (y - top) * 2 < height if along_x else (x - left) * 2 < width
        colour = shade(roof, 1.12 if first_half else 0.8)
        stripe = (x - left) % 2 if along_x else (y - top) % 2
        return shade(colour, 1.0 - 0.06 * stripe)
    tile.fill_rect(left, top, left + width, top + height, tiles)
    if along_x:
        tile.fill_rect(left, top + height // 2, left + width, top + height // 2 + 1, shade(roof, 1.3))
    else:
        tile.fill_rect(left + width // 2, top, left + width // 2 + 1, top + height, shade(roof, 1.3))


def scatter(rng, count, box, spacing, taken=None):
    """Up to `count` random points in box that keep `spacing` from each other."""
    left, top, right, bottom = box
    points = list(taken or [])
    found = []
    for _ in range(count * 20):
        if len(found) == count:
            break
        p = (rng.uniform(left, right), rng.uniform(top, bottom))
        if all(math.hypot(p[0] - q[0], p[1] - q[1]) >= spacing for q in points):
            points.append(p)
            found.append(p)
    return found


TREE_GREENS = [(48, 98, 42), (60, 112, 48), (36, 82, 46), (72, 118, 44)]


def woods_tile():
    tile = plain_tile()
    rng = random.Random(134)
    outline = FractalNoise(134, TILE, (32, 16))

    def in_forest(x, y):
        edge = min(x, y, TILE - 1 - x, TILE - 1 - y)
        reach = math.hypot(x + 0.5 - MIDDLE, y + 0.5 - MIDDLE) / 56
        return edge >= BAND + 4 and (outline(x, y) - 0.5) * 0.9 + 1.0 - reach > 0.02

    tile.fill_where(in_forest, lambda x, y: shade((34, 64, 32), 0.85 + 0.3 * LEAF_GRAIN(x, y)))
    crowns = [p for p in scatter(rng, 400, (BAND + 6, BAND + 6, TILE - BAND - 6, TILE - BAND - 6), 5.2)
              if in_forest(int(p[0]), int(p[1]))]
    loners = scatter(rng, 8, (BAND + 5, BAND + 5, TILE - BAND - 8, TILE - BAND - 8), 10, crowns)
    for x, y in sorted(crowns + loners, key=lambda p: p[1]):
        draw_tree(tile, x, y, rng.uniform(3.4, 5.2), rng.choice(TREE_GREENS))
    finish_band(tile)
    return tile


def striped(base, line, period, along_x, slant=0):
    """A crop field: rows of `line` every `period` pixels."""
    def paint(x, y):
        position = (y if along_x else x) + slant * (x if along_x else y)
        colour = line if position % period == 0 else base
        return shade(colour, 0.95 + 0.1 * GRASS_GRAIN(x, y))
    return paint


CROPS = [
    ((196, 172, 86), (172, 146, 70), 3),    # wheat
    ((132, 96, 62), (108, 76, 50), 2),      # ploughed
    ((122, 160, 72), (98, 138, 60), 3),     # young crop
    ((212, 194, 64), (190, 172, 56), 4),    # rapeseed
    ((168, 158, 104), (150, 138, 88), 4),   # stubble
]


def draw_fields(tile, rng, columns, hedge_trees=True):
    """Rectangular fields: columns is a list of (left, right, row edges)."""
    for left, right, edges in columns:
        for top, bottom in zip(edges, edges[1:]):
            base, line, period = rng.choice(CROPS)
            paint = striped(base, line, period, rng.random() < 0.5)
            tile.fill_rect(left + 2, top + 2, right - 1, bottom - 1, paint)
    if hedge_trees:
        for left, right, edges in columns:
            for top in edges[1:-1]:
                for x in range(left + 3, right - 3, 7):
                    if rng.random() < 0.5:
                        draw_tree(tile, x + rng.uniform(0, 3), top + 0.5, rng.uniform(1.8, 2.6),
                                  rng.choice(TREE_GREENS))


def fields_tile():
    tile = plain_tile()
    rng = random.Random(135)
    inner_low, inner_high = BAND + 3, TILE - BAND - 3
    columns = [(inner_low, 50, [inner_low, 44, 82, inner_high]),
               (50, 84, [inner_low, 62, inner_high]),
               (84, inner_high, [inner_low, 36, 76, inner_high])]
    draw_fields(tile, rng, columns)
    for x, y in scatter(rng, 6, (56, 70, 80, 112), 6):
        tile.fill_circle(x + 1, y + 1, 2.2, darken(tile, 0.6))
        tile.fill_circle(x, y, 2.2, (204, 182, 96))
    finish_band(tile)
    return tile


def roads_tile():
    tile = plain_tile()
    rng = random.Random(136)
    arms = ("left", "right", "top", "bottom")
    draw_fields(tile, rng, [(74, TILE - BAND - 3, [74, 96, TILE - BAND - 3])], hedge_trees=False)
    draw_roads(tile, {edge: None for edge in arms})
    draw_house(tile, 22, 24, 18, 11, (168, 76, 54))
    draw_house(tile, 42, 28, 8, 14, (140, 92, 62))
    for x in range(16, 50, 8):
        draw_tree(tile, x + rng.uniform(-1, 1), 78 + rng.uniform(-1, 1), rng.uniform(3, 4), rng.choice(TREE_GREENS))
    for y in range(16, 50, 9):
        draw_tree(tile, 80 + rng.uniform(-1, 1), y, rng.uniform(3, 4.2), rng.choice(TREE_GREENS))
    draw_tree(tile, 100, 24, 5, TREE_GREENS[1])
    finish_band(tile, arms)
    return tile


def start_tile():
    """The calm tile that the game starts on: open grass, a meadow and bushes."""
    tile = plain_tile()
    rng = random.Random(137)
    meadow = FractalNoise(137, TILE, (32, 16))
    for x, y in scatter(rng, 50, (BAND + 4, BAND + 4, TILE - BAND - 4, TILE - BAND - 4), 3):
        if meadow(int(x), int(y)) > 0.58:
            tile.put(int(x), int(y), rng.choice([(226, 214, 110), (214, 168, 190), (232, 230, 212)]))
    for x, y in [(30, 36), (35, 40), (96, 88), (88, 30)]:
        draw_tree(tile, x, y, rng.uniform(2.5, 3.6), rng.choice(TREE_GREENS))
    finish_band(tile)
    return tile


def river_tile():
    tile = plain_tile()
    rng = random.Random(138)
    draw_river(tile)
    for y in range(BAND + 4, TILE - BAND - 4, 6):
        if abs(y - MIDDLE) < 12:
            continue
        centre, half = river_course(y)
        for side in (-1, 1):
            if rng.random() < 0.55:
                x = centre + side * (half + rng.uniform(4.5, 8))
                draw_tree(tile, x, y + rng.uniform(-1, 1), rng.uniform(2.6, 3.8), rng.choice(TREE_GREENS))
    draw_roads(tile, {"left": None, "right": None})
    centre, half = river_course(MIDDLE)
    bridge_left, bridge_right = round(centre - half - 3), round(centre + half + 3)
    tile.fill_rect(bridge_left, MIDDLE + ROAD_HALF, bridge_right, MIDDLE + ROAD_HALF + 2, darken(tile, 0.7))
    for row in (MIDDLE - ROAD_HALF, MIDDLE + ROAD_HALF - 1):
        tile.fill_rect(bridge_left, row, bridge_right, row + 1, (172, 168, 156))
    finish_band(tile, ("left", "right"), river=True)
    return tile


def village_tile():
    tile = plain_tile()
    rng = random.Random(139)
    gardens = [(14, 16, 40, 52), (74, 14, 112, 50), (16, 76, 58, 112), (72, 76, 114, 114)]
    fence = (118, 100, 70)
    for left, top, right, bottom in gardens:
        tile.fill_rect(left, top, right, bottom, lambda x, y: shade(grass(x, y), 1.12))
        corners = [(left, top), (right - 1, top), (right - 1, bottom - 1), (left, bottom - 1)]
        for (x0, y0), (x1, y1) in zip(corners, corners[1:] + corners[:1]):
            tile.line(x0, y0, x1, y1, fence)
    draw_roads(tile, {"left": None, "right": None, "top": None})
    roofs = [(170, 74, 52), (150, 84, 58), (96, 100, 112), (182, 96, 60)]
    houses = [(16, 40, 14, 10), (34, 38, 10, 14), (16, 20, 10, 12), (76, 38, 16, 11), (96, 36, 10, 14),
              (78, 18, 12, 10), (20, 72, 14, 10), (40, 72, 10, 14), (82, 72, 14, 10), (102, 72, 10, 12)]
    for left, top, width, height in houses:
        draw_house(tile, left, top, width, height, rng.choice(roofs))
    # The church: a long nave and a square tower at its west end.
    draw_house(tile, 30, 90, 28, 12, (104, 106, 116))
    tile.fill_rect(22, 88, 32, 104, darken(tile, 0.6))
    tile.fill_rect(20, 86, 30, 102, (150, 146, 136))
    tile.fill_polygon([(20, 86), (30, 86), (25, 94)], (176, 172, 162))
    tile.fill_polygon([(20, 102), (30, 102), (25, 94)], (118, 114, 106))
    for x, y in [(100, 96), (108, 104), (88, 100), (50, 20), (104, 20), (64, 100)]:
        draw_tree(tile, x, y, rng.uniform(3, 4.5), rng.choice(TREE_GREENS))
    finish_band(tile, ("left", "right", "top"))
    return tile


def airfield_tile():
    tile = plain_tile()
    rng = random.Random(140)
    low, high = BAND + 4, TILE - BAND - 4
    # Mown stripes along the runway.
    tile.fill_where(lambda x, y: (x // 8) % 2 == 0, lambda x, y: shade(grass(x, y), 1.08), (low, low, high, high))
    runway = (30, 12, 48, 116)
    concrete = lambda x, y: shade((150, 150, 144), 0.94 + 0.1 * ROAD_GRAIN(x, y))
    tarmac = lambda x, y: shade((86, 86, 88), 0.92 + 0.14 * ROAD_GRAIN(x, y))
    tile.fill_rect(48, 36, 76, 42, tarmac)
    tile.fill_rect(48, 86, 76, 92, tarmac)
    tile.fill_rect(70, 28, 112, 100, concrete)
    tile.fill_rect(*runway, tarmac)
    marking = (222, 220, 206)
    tile.fill_where(lambda x, y: y % 10 < 5, marking, (38, 24, 40, 104))
    for x in range(32, 47, 3):
        tile.fill_rect(x, 14, x + 2, 21, marking)
        tile.fill_rect(x, 107, x + 2, 114, marking)
    for top in (32, 60):
        tile.fill_rect(94, top + 2, 112, top + 22, darken(tile, 0.6))
        tile.fill_rect(92, top, 110, top + 20,
                       lambda x, y: shade((118, 130, 118), 0.8 + 0.5 * math.sin(math.pi * (x - 92 + 0.5) / 18)))
        tile.fill_rect(92, top + 19, 110, top + 20, (64, 68, 64))
    # A parked aeroplane on the apron, nose up.
    plane = (206, 206, 200)
    tile.fill_rect(79, 82, 81, 96, darken(tile, 0.7))
    tile.fill_rect(78, 80, 80, 94, plane)
    tile.fill_rect(72, 84, 86, 87, plane)
    tile.fill_rect(75, 92, 83, 94, plane)
    tile.fill_rect(78, 80, 80, 82, (168, 60, 50))
    for x, y in scatter(rng, 5, (56, 100, 112, 112), 9) + [(62, 18), (60, 60)]:
        draw_tree(tile, x, y, rng.uniform(2.6, 3.6), rng.choice(TREE_GREENS))
    draw_roads(tile, {"right": TILE - 110})
    finish_band(tile, ("right",))
    return tile


def lake_tile():
    tile = plain_tile()
    rng = random.Random(141)
    shore = FractalNoise(141, TILE, (32, 16, 8))

    def reach(x, y):
        """0 at the lake's centre, 1 at its shore."""
        dx, dy = (x + 0.5 - 62) / 40, (y + 0.5 - 66) / 34
        return math.hypot(dx, dy) + (shore(x, y) - 0.5) * 0.45

    tile.fill_where(lambda x, y: reach(x, y) < 1.08, lambda x, y: shade((120, 150, 70), 0.95 + 0.1 * GRASS_GRAIN(x, y)))
    tile.fill_where(lambda x, y: reach(x, y) < 1.0, lambda x, y: shade((190, 178, 124), 0.94 + 0.12 * ROAD_GRAIN(x, y)))
    tile.fill_where(lambda x, y: reach(x, y) < 0.94, lambda x, y: water(x, y, (0.94 - reach(x, y)) * 1.6))
    for x, y in scatter(rng, 60, (BAND + 2, BAND + 2, TILE - BAND - 2, TILE - BAND - 2), 2.5):
        if 0.86 < reach(int(x), int(y)) < 0.93:
            tile.put(int(x), int(y), (52, 92, 40))
    # A jetty and a rowing boat.
    tile.fill_rect(84, 84, 86, 96, darken(tile, 0.75))
    tile.fill_rect(83, 82, 85, 94, (146, 108, 70))
    tile.fill_ellipse(91.5, 90, 2, 4.5, (208, 200, 184))
    tile.fill_rect(90, 89, 93, 90, (120, 84, 56))
    crowns = [p for p in scatter(rng, 30, (BAND + 6, BAND + 6, TILE - BAND - 6, TILE - BAND - 6), 7)
              if reach(int(p[0]), int(p[1])) > 1.2]
    for x, y in sorted(crowns[:14], key=lambda p: p[1]):
        draw_tree(tile, x, y, rng.uniform(2.8, 4.6), rng.choice(TREE_GREENS))
    finish_band(tile)
    return tile


# Index 3 is the start tile: the game begins on six copies of it.
GROUND = [woods_tile, fields_tile, roads_tile, start_tile, river_tile, village_tile, airfield_tile, lake_tile]


# ---------------------------------------------------------------- aircraft
#
# 15 x 23, nose up, on white (left out when drawn).

PLANE_INKS = {
    ".": WHITE,
    "o": (38, 42, 52),      # outline
    "b": (150, 162, 178),   # skin
    "h": (198, 208, 222),   # skin in the light
    "d": (100, 110, 126),   # skin in shade
    "c": (64, 128, 186),    # canopy
    "g": (172, 212, 240),   # glint on the canopy
    "r": (200, 42, 40),     # roundel
    "w": (236, 234, 226),   # roundel centre
    "p": (116, 116, 124),   # turning propeller
    "y": (232, 188, 40),    # spinner
}

PLANE_LEVEL = [
    "......oyo......",
    "..ppppoyopppp..",
    "......obo......",
    ".....ohbdo.....",
    ".....ohbdo.....",
    ".....ogcdo.....",
    ".....occco.....",
    ".ooooohbdooooo.",
    "ohhrhhhbdhhrhho",
    "obrwrbhbdbrwrbo",
    "obbrbbhbdbbrbbo",
    "oddddddbddddddo",
    ".ooooohbdooooo.",
    "......obdo.....",
    "......obdo.....",
    "......obo......",
    "......obo......",
    "......obo......",
    "...oooobooooo..",
    "..ohhhhbhhhhho.",
    "..oddddbddddo..",
    "...ooooooooo...",
    ".......o.......",
]

# Rolling left: the lowered left wing is seen shorter and in shade, the
# raised right wing and the fuselage's right side catch the light.
PLANE_LEFT = [
    "......oyo......",
    "...pppoyoppppp.",
    "......obo......",
    ".....obhho.....",
    ".....obhho.....",
    ".....odgco.....",
    ".....occco.....",
    "...ooodbhooooo.",
    "..odddddhhhrhho",
    "..odrdddhhrwrho",
    "..oddddbhbbrbho",
    "..oddddbhbbbbbo",
    "...ooodbhooooo.",
    "......odho.....",
    "......odho.....",
    "......obh......",
    "......obho.....",
    "......obho.....",
    "....ooobhoooo..",
    "....odddhhhhho.",
    "....oooddddddo.",
    ".......ooooo...",
    ".......o.......",
]


def sprite_from_map(rows):
    canvas = Canvas(len(rows[0]), len(rows))
    for y, row in enumerate(rows):
        if len(row) != canvas.width:
            raise ValueError(f"row {y} of a sprite map has {len(row)} columns")
        for x, key in enumerate(row):
            canvas.put(x, y, PLANE_INKS[key])
    return canvas


def mirrored(rows):
    return [row[::-1] for row in rows]


BAYER = [[0, 8, 2, 10], [12, 4, 14, 6], [3, 11, 1, 9], [15, 7, 13, 5]]


def breaking_plane(stage, stages=5):
    """The aircraft coming apart: wings, nose and tail drift away from a
    fireball that turns to smoke, which then thins out."""
    level = sprite_from_map(PLANE_LEVEL)
    rng = random.Random(258 + stage)
    canvas = Canvas(15, 23)
    t = stage / (stages - 1)
    cx, cy = 7.5, 11.0
    # Smoke first, so the debris flies over it: dark while it burns, paler and
    # thinner as it drifts away.
    grey = round(96 + 100 * t)
    texture = FractalNoise(258 + stage, 8, (4, 2))
    strength = 1.6 - 0.3 * stage
    puffs = [(-2.5, -3.0), (2.5, -2.0), (-2.0, 3.0), (2.5, 3.5), (0.0, 0.0), (0.0, 6.0)]
    for index, (px, py) in enumerate(puffs):
        spread = 0.5 + 0.45 * stage
        radius = 2.0 + 0.9 * stage + rng.uniform(-0.4, 0.4)
        colour = (grey + 8 * (index % 2), grey + 8 * (index % 2), min(244, grey + 12))
        centre = (cx + px * spread, cy + py * spread)

        def inside(x, y, c=centre, r=radius):
            falloff = 1.0 - (math.hypot(x + 0.5 - c[0], y + 0.5 - c[1]) / r) ** 2
            density = strength * falloff * (0.4 + texture(x, y))
            return BAYER[y % 4][x % 4] < density * 16
        canvas.fill_where(inside, colour, (1, 1, 14, 22))
    pieces = [  # (box in the level picture, direction it flies)
        ((0, 7, 6, 13), (-1.0, 0.5)),
        ((9, 7, 15, 13), (1.0, 0.7)),
        ((4, 0, 11, 7), (0.3, -1.0)),
        ((2, 13, 13, 23), (-0.3, 1.0)),
        ((6, 7, 9, 13), (0.0, 0.0)),
    ]
    for (left, top, right, bottom), (dx, dy) in pieces[:5 - stage]:
        shift_x, shift_y = round(dx * (stage + 1)), round(dy * (stage + 1))
        for y in range(top, bottom):
            for x in range(left, right):
                colour = level.get(x, y)
                if colour != WHITE:
                    canvas.put(x + shift_x, y + shift_y, mix(colour, (60, 56, 52), 0.25 + 0.5 * t))
    fire = [(210, 70, 30), (248, 160, 40), (252, 236, 120)]
    for ring, colour in enumerate(fire):
        radius = (4.2 - 1.3 * stage) * (1 - ring * 0.3)
        if radius > 0.7:
            canvas.fill_circle(cx, cy, radius, colour)
    return canvas


def plane_frames():
    """The eight aircraft pictures in the game's order: level, banking left,
    banking right, five stages of breaking apart."""
    return ([sprite_from_map(PLANE_LEVEL), sprite_from_map(PLANE_LEFT), sprite_from_map(mirrored(PLANE_LEFT))]
            + [breaking_plane(stage) for stage in range(5)])


# ---------------------------------------------------------------- clouds

def cloud(seed):
    """A thin, ragged cloud on white: a few soft blobs broken up by noise,
    solid only in its thickest parts and dithered elsewhere so the ground
    shows through."""
    rng = random.Random(seed)
    texture = FractalNoise(seed, 64, (16, 8, 4, 2))
    blobs = [(rng.uniform(16, 48), rng.uniform(18, 46), rng.uniform(7, 16), rng.uniform(4, 9))
             for _ in range(rng.randint(4, 8))]

    def density(x, y):
        px, py = x + 0.5, y + 0.5
        body = sum(math.exp(-((px - bx) / rx) ** 2 - ((py - by) / ry) ** 2) for bx, by, rx, ry in blobs)
        edge = min(px, py, 64 - px, 64 - py) / 8
        body = min(1.0, body) * min(1.0, edge)
        return body + (texture(x, y) - 0.5) * 1.1 * min(1.0, body * 3) - 0.25

    canvas = Canvas(64, 64)
    light, dark = (236, 239, 243), (208, 212, 220)
    solid = 0.62

    def inside(x, y):
        d = density(x, y)
        return d > solid or (d > 0.0 and BAYER[y % 4][x % 4] < d / solid * 16)

    def body(x, y):
        # Lit from the top left: the lower right of each puff is greyer.
        lit = density(x - 1, y - 1) - density(x + 1, y + 1)
        return mix(dark, light, max(0.0, min(1.0, 0.5 + lit * 2.5)))
    canvas.fill_where(inside, body, (1, 1, 63, 63))
    return canvas


CLOUD_SEEDS = [130, 131, 132, 133]


# ---------------------------------------------------------------- enemy

ENEMY_PALETTE = [
    (0, 0, 0), (40, 40, 58),
    (128, 22, 22), (214, 44, 40), (250, 130, 118),
    (168, 128, 0), (246, 212, 34), (255, 244, 150),
    (20, 100, 40), (50, 168, 70), (140, 222, 140),
    (22, 40, 132), (50, 92, 212), (132, 170, 250),
    (128, 128, 128), WHITE,
]


def enemy():
    """A round target: blue, green, yellow and red rings from the outside in,
    shaded as a disc lit from the top left, drawn only in palette colours."""
    canvas = Canvas(16, 16)
    rings = [  # (outer radius, dark, mid, light palette indices)
        (7.9, 1, 1, 1),
        (7.0, 11, 12, 13),
        (5.3, 8, 9, 10),
        (3.7, 5, 6, 7),
        (2.2, 2, 3, 4),
    ]
    for y in range(16):
        for x in range(16):
            dx, dy = x + 0.5 - 8, y + 0.5 - 8
            distance = math.hypot(dx, dy)
            inner = [ring for ring in rings if distance < ring[0]]
            if not inner:
                continue
            _, dark, mid, light = inner[-1]
            towards_light = -(dx + dy) / max(distance, 0.5) if distance > 1.2 else 0.0
            shading = light if towards_light > 0.9 else dark if towards_light < -0.9 else mid
            canvas.put(x, y, ENEMY_PALETTE[shading])
    return canvas


# ---------------------------------------------------------------- panels

def about_plate():
    """The about panel: plain light-mid grey with a raised bevel; its text is
    drawn over the middle by the program."""
    canvas = Canvas(220, 100, (40, 40, 46))
    bevelled_box(canvas, (1, 1, 219, 99), 3, (190, 190, 196), 3, light=1.22, dark=0.66)
    # A fine groove a little inside the rim frames the text.
    canvas.fill_rect(7, 7, 213, 8, (156, 156, 162))
    canvas.fill_rect(7, 7, 8, 93, (156, 156, 162))
    canvas.fill_rect(8, 92, 213, 93, (222, 222, 228))
    canvas.fill_rect(212, 8, 213, 93, (222, 222, 228))
    return canvas


def game_over_banner():
    """GAME OVER in tall, bold grey letters with a dark rim and a drop shadow."""
    canvas = Canvas(140, 32)
    text, scale_x, scale_y, spacing = "GAME OVER", 2, 4, 3
    left = (140 - text_width(text, scale_x, spacing) - 1) // 2
    top = 1

    def letters(dx, dy, paint):
        # Drawn twice, one pixel apart, for strokes as bold as they are tall.
        for bold in (0, 1):
            draw_text(canvas, left + dx + bold, top + dy, text, paint, scale_x, scale_y, spacing)

    letters(2, 2, (200, 200, 206))
    for dx, dy in [(-1, 0), (1, 0), (0, -1), (0, 1), (-1, -1), (1, 1), (-1, 1), (1, -1)]:
        letters(dx, dy, (62, 62, 72))
    letters(0, 0, lambda x, y: mix((184, 184, 192), (112, 112, 122), (y - top) / 28))
    return canvas


# ---------------------------------------------------------------- window background
#
# A grey hand-held game: a dark screen behind the game view, the two number
# displays and their labels on the right, the START lamp and the flying keys
# on the left, the fire key at the lower right and the logo at the bottom,
# under the about panel's hot spot.

SCREEN = (66, 19, 236, 172)
SCORE_DISPLAY = (250, 66, 292, 83)
LIVES_DISPLAY = (250, 108, 292, 125)
START_LAMP = (19, 82, 44, 107)      # the square whose edges the game counts as inside
LOGO = (97, 184, 197, 204)

BEZEL = (174, 176, 182)
INK = (50, 52, 62)
INK_GLOW = (204, 206, 212)
LCD = (198, 212, 176)

PLASTIC_GRAIN = ValueNoise(128, 512, 1)


def plastic(x, y):
    """The bezel's grey: lighter towards the top, with a faint grain."""
    return shade(BEZEL, 1.04 - 0.08 * y / 214 + 0.03 * (PLASTIC_GRAIN(x, y) - 0.5))


def number_display(canvas, box, label):
    """A sunken window of pale LCD green with its label printed under it; the
    digits are drawn over the green by the program."""
    left, top, right, bottom = box
    bevelled_box(canvas, (left - 3, top - 3, right + 3, bottom + 3), 2, (64, 70, 60), 2, raised=False)
    canvas.fill_rect(left, top, right, bottom, lambda x, y: shade(LCD, 1.0 - 0.05 * (y - top) / (bottom - top)))
    draw_label(canvas, (left + right) / 2, bottom + 6, label, INK, INK_GLOW)


def start_lamp(canvas):
    left, top, right, bottom = START_LAMP
    cx, cy, radius = (left + right) / 2, (top + bottom) / 2, (right - left) / 2
    canvas.fill_circle(cx + 1, cy + 1, radius, (112, 114, 120))
    # A metal ring, bright at the top left, round the lamp.
    ring = lambda x, y: mix((226, 228, 232), (92, 94, 100), (x + y - left - top) / (4 * radius))
    canvas.fill_circle(cx, cy, radius, ring)

    def glow(x, y):
        distance = math.hypot(x + 0.5 - (cx - 3), y + 0.5 - (cy - 3)) / (radius * 1.3)
        return mix((255, 236, 110), (206, 138, 0), min(1.0, distance))
    canvas.fill_circle(cx, cy, radius - 2, glow)
    canvas.fill_ellipse(cx - 3.5, cy - 4.5, 3, 2, (255, 252, 226))
    draw_label(canvas, cx, bottom + 4, "START", INK, INK_GLOW)


def arrow_key(canvas, tip_x, tip_y, direction, label):
    """A key shaped as an arrow pointing left (direction -1) or right (+1)."""
    length, head, shaft = 22, 10, 5

    def points(dx, dy):
        outline = [(0, 0), (head, -head), (head, -shaft), (length, -shaft),
                   (length, shaft), (head, shaft), (head, head)]
        return [(tip_x - direction * px + dx, tip_y + py + dy) for px, py in outline]
    canvas.fill_polygon(points(1, 2), (110, 112, 120))
    canvas.fill_polygon(points(0, 0), (52, 58, 76))
    # The upper half of the arrow catches the light.
    upper = points(0, 0)[:4] + [(tip_x - direction * length, tip_y - 2), (tip_x - direction * 3, tip_y - 1)]
    canvas.fill_polygon(upper, (84, 92, 116))
    draw_label(canvas, tip_x - direction * length / 2, tip_y + head + 5, label, INK, INK_GLOW)


def shift_key(canvas):
    box = (250, 150, 294, 176)
    canvas.fill_rect(box[0] + 1, box[1] + 2, box[2] + 1, box[3] + 2, (110, 112, 120))
    bevelled_box(canvas, box, 4, lambda x, y: mix((84, 92, 116), (52, 58, 76), (y - box[1]) / 26), 2)
    draw_label(canvas, (box[0] + box[2]) / 2, box[1] + 10, "Shift", (226, 228, 236), (30, 32, 42))


def speaker_grille(canvas, left, top, columns, rows):
    for row in range(rows):
        for column in range(columns):
            x, y = left + column * 5, top + row * 5
            canvas.fill_rect(x + 1, y + 1, x + 3, y + 3, shade(BEZEL, 1.2))
            canvas.fill_rect(x, y, x + 2, y + 2, (62, 64, 72))


def logo(canvas):
    """SKYRUN on a dark badge with speed lines, exactly under the hot spot."""
    left, top, right, bottom = LOGO
    bevelled_box(canvas, LOGO, 5, lambda x, y: mix((74, 78, 98), (40, 42, 56), (y - top) / 20), 1)
    text, scale = "SKYRUN", 2
    width = text_width(text, scale, 2)
    text_left = left + (right - left - width) // 2
    draw_text(canvas, text_left + 1, top + 4, text, (20, 20, 28), scale, spacing=2)
    draw_text(canvas, text_left, top + 3, text, lambda x, y: mix((255, 226, 90), (232, 120, 30), (y - top - 3) / 14),
              scale, spacing=2)
    text_right = text_left + width
    for row, length in [(7, 8), (10, 11), (13, 8)]:
        canvas.fill_rect(text_left - 4 - length, top + row, text_left - 4, top + row + 1, (232, 150, 50))
        canvas.fill_rect(text_right + 4, top + row, text_right + 4 + length, top + row + 1, (232, 150, 50))


def background():
    canvas = Canvas(302, 214, (44, 44, 50))
    bevelled_box(canvas, (0, 0, 302, 214), 14, plastic, 3, light=1.14, dark=0.7)
    # The sunk panel round the screen, then the screen itself.
    left, top, right, bottom = SCREEN
    bevelled_box(canvas, (left - 10, top - 10, right + 10, bottom + 10), 6, lambda x, y: shade(plastic(x, y), 0.62), 2,
                 raised=False)
    bevelled_box(canvas, (left - 3, top - 3, right + 3, bottom + 3), 2, (24, 28, 34), 1, raised=False)
    draw_label(canvas, 28, 26, "ORVANE", INK, INK_GLOW)
    canvas.fill_circle(28, 44, 2.5, (120, 30, 28))
    canvas.fill_circle(27.6, 43.6, 1.6, (230, 60, 50))
    speaker_grille(canvas, 256, 20, 7, 7)
    number_display(canvas, SCORE_DISPLAY, "SCORE")
    number_display(canvas, LIVES_DISPLAY, "LIFES")
    start_lamp(canvas)
    arrow_key(canvas, 5, 142, -1, "Ctrl")
    arrow_key(canvas, 53, 142, 1, "Alt")
    shift_key(canvas)
    logo(canvas)
    return canvas


# ---------------------------------------------------------------- resources

def pictures():
    """(id, file name, picture, bits per pixel) for every bitmap resource."""
    planes = plane_frames()
    table = [(128, "background", background(), 24), (129, "plane", planes[0], 24)]
    table += [(130 + i, "cloud", cloud(seed), 24) for i, seed in enumerate(CLOUD_SEEDS)]
    table += [(134 + i, "ground", draw(), 24) for i, draw in enumerate(GROUND)]
    table += [(256 + i, "plane", picture, 24) for i, picture in enumerate(planes[1:])]
    table += [(512, "enemy", enemy(), 4), (600, "about", about_plate(), 24), (601, "gameover", game_over_banner(), 24)]
    return [(rid, f"{name}_{rid}.bmp", picture, bits) for rid, name, picture, bits in table]


def write_all(out):
    out = pathlib.Path(out)
    out.mkdir(parents=True, exist_ok=True)
    lines = ["// The module's bitmaps, by id; written by tools/make_art.py."]
    for rid, file_name, picture, bits in pictures():
        (out / file_name).write_bytes(bmp_bytes(picture, bits, ENEMY_PALETTE if bits == 4 else None))
        lines.append(f'{rid} BITMAP "{file_name}"')
    (out / "skyrun.rc").write_text("\n".join(lines) + "\n")


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--out", required=True, help="folder for the .bmp files and skyrun.rc")
    write_all(parser.parse_args().out)


if __name__ == "__main__":
    main()
