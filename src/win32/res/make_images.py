#!/usr/bin/env python3
"""Draws the program's pictures and writes them beside this script.

    app.ico         program icon: a green disc with a white letter i
    tray_grey.ico   tray image 0: grey disc, white i (no handset)
    tray_green.ico  tray image 1: green disc, white i (handset present)
    tray_keys.ico   tray image 2: white rounded square with the letter e
                    (the handset's keys drive the panel)
    indicator.bmp   84 x 32: a computer keyboard crossed by a red
                    prohibition sign, on black (the window's transparent
                    colour); indicator_WxH.bmp the same at 125, 150, 200 %

The icons hold an image for each size Windows asks for at 100 % to 200 %
(16, 20, 24, 32 and, for the program's icon, 40, 48, 64), 32 bits with
alpha and an AND mask, so systems without alpha icons still get clean edges. The outputs are
committed; run this again only to change a picture.
"""

import math
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))
SAMPLES = 4  # supersampling per axis for the icons' soft edges


def coverage(size, inside):
    """Fraction of each pixel covered by the shape inside(x, y) on a 0..1 square."""
    grid = []
    for py in range(size):
        row = []
        for px in range(size):
            hits = 0
            for sy in range(SAMPLES):
                for sx in range(SAMPLES):
                    x = (px + (sx + 0.5) / SAMPLES) / size
                    y = (py + (sy + 0.5) / SAMPLES) / size
                    hits += inside(x, y)
            row.append(hits / (SAMPLES * SAMPLES))
        grid.append(row)
    return grid


def disc(cx, cy, r):
    return lambda x, y: (x - cx) ** 2 + (y - cy) ** 2 <= r * r


def rounded_rect(x0, y0, x1, y1, r):
    def inside(x, y):
        if not (x0 <= x <= x1 and y0 <= y <= y1):
            return False
        dx = max(x0 + r - x, 0, x - (x1 - r))
        dy = max(y0 + r - y, 0, y - (y1 - r))
        return dx * dx + dy * dy <= r * r
    return inside


def letter_i(x, y):
    return disc(0.5, 0.28, 0.075)(x, y) or rounded_rect(0.43, 0.41, 0.57, 0.80, 0.03)(x, y)


def letter_e(x, y):
    cx, cy = 0.5, 0.52
    d = math.hypot(x - cx, y - cy)
    ring = 0.15 <= d <= 0.25
    # The opening of the e: the right-hand part just below the bar.
    angle = math.degrees(math.atan2(y - cy, x - cx))
    opening = 8 < angle < 50
    bar = 0.27 <= x <= 0.74 and cy - 0.045 <= y <= cy + 0.03
    return (ring and not opening) or bar


def layered_icon(size, layers):
    """layers: [(shape, (r, g, b))], later layers on top. Returns BGRA rows."""
    pixels = [[(0, 0, 0, 0.0)] * size for _ in range(size)]
    for shape, colour in layers:
        cov = coverage(size, shape)
        for y in range(size):
            for x in range(size):
                a = cov[y][x]
                if a == 0:
                    continue
                r0, g0, b0, a0 = pixels[y][x]
                out_a = a + a0 * (1 - a)
                mix = lambda c, c0: (c * a + c0 * a0 * (1 - a)) / out_a
                pixels[y][x] = (mix(colour[0], r0), mix(colour[1], g0), mix(colour[2], b0), out_a)
    return pixels


def icon_image(pixels):
    size = len(pixels)
    header = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    colour = bytearray()
    for row in reversed(pixels):
        for r, g, b, a in row:
            colour += bytes((round(b), round(g), round(r), round(a * 255)))
    mask_stride = ((size + 31) // 32) * 4
    mask = bytearray()
    for row in reversed(pixels):
        bits = bytearray(mask_stride)
        for x, (_, _, _, a) in enumerate(row):
            if a < 0.5:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    return header + colour + mask


# Each size Windows asks for at 100 %, 125 %, 150 % and 200 %: small icons
# (title bar, notification area) 16, 20, 24, 32; large ones 32, 40, 48, 64.
SMALL_SIZES = (32, 24, 20, 16)
ALL_SIZES = (64, 48, 40, 32, 24, 20, 16)


def write_icon(name, layers, sizes):
    images = [icon_image(layered_icon(size, layers)) for size in sizes]
    out = struct.pack('<HHH', 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, data in zip(sizes, images):
        out += struct.pack('<BBBBHHII', size, size, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    for data in images:
        out += data
    with open(os.path.join(HERE, name), 'wb') as f:
        f.write(out)


WHITE = (255, 255, 255)
GREEN = (34, 160, 60)
GREY = (140, 140, 140)
DARK = (70, 70, 70)


def indicator_pixels(scale=1.0):
    """Hard edges only: any blend towards black would turn transparent.

    Drawn at a display scale: each pixel takes the design's pixel under its
    centre (so 1.0 gives the 84 x 32 design exactly), and the ring is
    measured in the design's units, so it stays round at every scale."""
    width, height = round_half_up(84 * scale), round_half_up(32 * scale)
    black = (0, 0, 0)
    body = (200, 200, 200)
    outline = (72, 72, 72)
    key = (245, 245, 245)
    red = (220, 20, 20)
    design = [[black] * 84 for _ in range(32)]
    # Keyboard body, rounded by one pixel, with an outline.
    x0, y0, x1, y1 = 8, 8, 75, 27
    for y in range(y0, y1 + 1):
        for x in range(x0, x1 + 1):
            corner = (x in (x0, x1)) and (y in (y0, y1))
            if corner:
                continue
            edge = x in (x0, x1) or y in (y0, y1)
            design[y][x] = outline if edge else body
    # Three rows of keys and a space bar.
    for row, (top, indent) in enumerate(((11, 11), (15, 13), (19, 15))):
        x = indent
        while x + 4 <= x1 - 3:
            for yy in range(top, top + 3):
                for xx in range(x, x + 4):
                    design[yy][xx] = key
            x += 5
    for yy in range(23, 26):
        for xx in range(26, 58):
            design[yy][xx] = key
    px = []
    for y in range(height):
        v = (y + 0.5) / scale - 0.5
        row = []
        for x in range(width):
            u = (x + 0.5) / scale - 0.5
            cell = design[min(31, max(0, int(math.floor(v + 0.5))))][
                min(83, max(0, int(math.floor(u + 0.5))))]
            # Prohibition sign: a red ring with a bar from top left to
            # bottom right.
            cx, cy, outer, inner, half_bar = 41.5, 15.5, 15.6, 12.0, 2.3
            d = math.hypot(u - cx, v - cy)
            if inner <= d <= outer:
                cell = red
            elif d < inner and abs((u - cx) - (v - cy)) / math.sqrt(2) <= half_bar:
                cell = red
            row.append(cell)
        px.append(row)
    return px


def round_half_up(value):
    return int(math.floor(value + 0.5))


def write_bitmap(name, pixels):
    height, width = len(pixels), len(pixels[0])
    stride = (width * 3 + 3) // 4 * 4
    data = bytearray()
    for row in reversed(pixels):
        line = bytearray()
        for r, g, b in row:
            line += bytes((b, g, r))
        line += bytes(stride - len(line))
        data += line
    info = struct.pack('<IiiHHIIiiII', 40, width, height, 1, 24, 0, len(data), 2835, 2835, 0, 0)
    head = struct.pack('<2sIHHI', b'BM', 14 + len(info) + len(data), 0, 0, 14 + len(info))
    with open(os.path.join(HERE, name), 'wb') as f:
        f.write(head + info + data)


def main():
    green_i = [(disc(0.5, 0.5, 0.47), GREEN), (letter_i, WHITE)]
    write_icon('app.ico', green_i, ALL_SIZES)
    write_icon('tray_green.ico', green_i, SMALL_SIZES)
    write_icon('tray_grey.ico', [(disc(0.5, 0.5, 0.47), GREY), (letter_i, WHITE)], SMALL_SIZES)
    write_icon('tray_keys.ico', [(rounded_rect(0.04, 0.04, 0.96, 0.96, 0.2), DARK),
                                 (rounded_rect(0.09, 0.09, 0.91, 0.91, 0.16), WHITE),
                                 (letter_e, DARK)], SMALL_SIZES)
    write_bitmap('indicator.bmp', indicator_pixels())
    # The same picture drawn at 125 %, 150 % and 200 %; the program takes
    # the one whose size its window asks for (INDICATOR_<W>X<H>).
    for scale in (1.25, 1.5, 2.0):
        pixels = indicator_pixels(scale)
        write_bitmap('indicator_%dx%d.bmp' % (len(pixels[0]), len(pixels)), pixels)


if __name__ == '__main__':
    main()
