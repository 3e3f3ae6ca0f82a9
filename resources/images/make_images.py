#!/usr/bin/env python3
"""Writes the program's button images and icon from the pixel maps below.

Run it after changing a map; the .bmp and .ico files it writes are kept in
the repository so that the build does not need Python.
"""
import os
import struct

TRANSPARENT = (0xC0, 0xC0, 0xC0)  # light grey: the see-through colour of button images

PALETTE = {
    '.': TRANSPARENT,
    'g': (0x1E, 0x8C, 0x2E),   # green
    'G': (0x0E, 0x5C, 0x1A),   # dark green
    'r': (0xD0, 0x24, 0x24),   # red
    'R': (0x8A, 0x10, 0x10),   # dark red
    'b': (0x20, 0x5A, 0xC8),   # blue
    'B': (0x10, 0x30, 0x80),   # dark blue
    'w': (0xFF, 0xFF, 0xFF),   # white
    'k': (0x30, 0x30, 0x30),   # near black
    'y': (0xF0, 0xC0, 0x20),   # amber
}

OK = """
................
................
.............gG.
............ggG.
...........ggG..
..........ggG...
..gG.....ggG....
..ggG...ggG.....
...ggG.ggG......
....ggggG.......
.....ggG........
......G.........
................
................
................
................
"""

APPLY = """
................
................
..kkkkkkkkkkk...
..kwwwwwwwwwk...
..kwbbbbbbbwk...
..kwwwwwwwwwk...
..kwbbbbbwwwk..g
..kwwwwwwwwwk.gG
..kwbbbbbbwwkggG
..kwwwwwwgGwggG.
..kwbbbbwggGgG..
..kwwwwwwwggG...
..kkkkkkkkkG....
................
................
................
"""

CANCEL = """
................
................
...rR......rR...
...rrR....rrR...
....rrR..rrR....
.....rrRrrR.....
......rrrR......
......rrrR......
.....rrRrrR.....
....rrR..rrR....
...rrR....rrR...
...rR......rR...
................
................
................
................
"""

HELP = """
................
.....bbbbbb.....
....bbBBBBbb....
...bbB....bbB...
...bbB....bbB...
..........bbB...
.........bbB....
........bbB.....
.......bbB......
.......bbB......
.......bbB......
................
.......bbB......
.......bbB......
................
................
"""

# 16 x 16 icon: a settings panel with three sliders.
ICON = """
................
.BBBBBBBBBBBBBB.
.BbbbbbbbbbbbbB.
.BbwwwwwwwwwwbB.
.BbwkkkkykkkwbB.
.BbwwwwwyywwwbB.
.BbwwwwwwwwwwbB.
.BbwkkykkkkkwbB.
.BbwwwyywwwwwbB.
.BbwwwwwwwwwwbB.
.BbwkkkkkkykwbB.
.BbwwwwwwwyywbB.
.BbwwwwwwwwwwbB.
.BbbbbbbbbbbbbB.
.BBBBBBBBBBBBBB.
................
"""


def rows_of(pixel_map):
    rows = [line for line in pixel_map.strip('\n').split('\n')]
    assert len(rows) == 16 and all(len(r) == 16 for r in rows), pixel_map
    return rows


def scaled(rows, factor):
    return [''.join(ch * factor for ch in row) for row in rows for _ in range(factor)]


def resampled(rows, size):
    """The map at `size` pixels a side, each pixel taken from the nearest one of the 16-pixel map."""
    return [''.join(rows[y * 16 // size][x * 16 // size] for x in range(size)) for y in range(size)]


def write_bmp(path, pixel_map, size=16):
    rows = resampled(rows_of(pixel_map), size)
    width = height = size
    stride = width * 3  # 48, 72 and 96 bytes: already multiples of 4
    assert stride % 4 == 0
    pixels = bytearray()
    for row in reversed(rows):  # bottom-up
        for ch in row:
            r, g, b = PALETTE[ch]
            pixels += bytes((b, g, r))
    header_size = 14 + 40
    file_header = struct.pack('<2sIHHI', b'BM', header_size + len(pixels), 0, 0, header_size)
    info_header = struct.pack('<IiiHHIIiiII', 40, width, height, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
    with open(path, 'wb') as out:
        out.write(file_header + info_header + pixels)
    assert stride * height == len(pixels)


def icon_image(rows):
    size = len(rows)
    xor = bytearray()
    for row in reversed(rows):
        for ch in row:
            if ch == '.':
                xor += bytes((0, 0, 0, 0))
            else:
                r, g, b = PALETTE[ch]
                xor += bytes((b, g, r, 0xFF))
    mask_stride = ((size + 31) // 32) * 4
    mask = bytearray()
    for row in reversed(rows):
        bits = bytearray(mask_stride)
        for x, ch in enumerate(row):
            if ch == '.':
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    header = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, 32, 0, len(xor) + len(mask), 0, 0, 0, 0)
    return header + xor + mask


def write_ico(path, pixel_map):
    base = rows_of(pixel_map)
    images = [icon_image(scaled(base, 2)), icon_image(base)]
    sizes = [32, 16]
    offset = 6 + 16 * len(images)
    directory = struct.pack('<HHH', 0, 1, len(images))
    for size, data in zip(sizes, images):
        directory += struct.pack('<BBBBHHII', size, size, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    with open(path, 'wb') as out:
        out.write(directory + b''.join(images))


if __name__ == '__main__':
    here = os.path.dirname(os.path.abspath(__file__))
    # The button images for 100 %, 150 % and 200 % of 96 DPI.
    for size, suffix in ((16, ''), (24, '_150'), (32, '_200')):
        write_bmp(os.path.join(here, 'ok%s.bmp' % suffix), OK, size)
        write_bmp(os.path.join(here, 'apply%s.bmp' % suffix), APPLY, size)
        write_bmp(os.path.join(here, 'cancel%s.bmp' % suffix), CANCEL, size)
        write_bmp(os.path.join(here, 'help%s.bmp' % suffix), HELP, size)
    write_ico(os.path.join(here, 'kestadvconfig.ico'), ICON)
