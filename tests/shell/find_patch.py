#!/usr/bin/env python3
"""Finds the inked part of a rendering (PPM) in a screenshot (XWD): exits 0
when every pixel of it appears at one place of the screen. The other
screen tests take read_ppm from here."""
import struct
import sys

SKIP_LEFT = 4  # the caret's columns at the text's start


def read_ppm(path):
    data = open(path, 'rb').read()
    fields, pos = [], 0
    while len(fields) < 4:
        while data[pos:pos + 1].isspace():
            pos += 1
        end = pos
        while not data[end:end + 1].isspace():
            end += 1
        fields.append(data[pos:end])
        pos = end
    assert fields[0] == b'P6' and fields[3] == b'255'
    w, h = int(fields[1]), int(fields[2])
    pix = data[pos + 1:]
    return w, h, [pix[y * w * 3:(y + 1) * w * 3] for y in range(h)]


def read_xwd(path):
    data = open(path, 'rb').read()
    hdr = struct.unpack('>25I', data[:100])
    header_size, w, h, byte_order, bpp, bpl, ncolors = hdr[0], hdr[4], hdr[5], hdr[7], hdr[11], hdr[12], hdr[19]
    step = bpp // 8
    assert bpp in (24, 32) and step in (3, 4), f'a true-colour screen is expected, not {hdr}'
    pix = data[header_size + 12 * ncolors:]
    rows = []
    for y in range(h):
        row = pix[y * bpl:y * bpl + w * step]
        rgb = bytearray(w * 3)
        r, g, b = (2, 1, 0) if byte_order == 0 else (step - 3, step - 2, step - 1)
        rgb[0::3], rgb[1::3], rgb[2::3] = row[r::step], row[g::step], row[b::step]
        rows.append(bytes(rgb))
    return w, h, rows


def inked_box(w, h, rows):
    white = b'\xff\xff\xff'
    xs, ys = [], []
    for y in range(h):
        for x in range(w):
            if rows[y][3 * x:3 * x + 3] != white:
                xs.append(x)
                ys.append(y)
    return min(xs) + SKIP_LEFT, max(xs) + 1, min(ys), max(ys) + 1


def main():
    pw, ph, prows = read_ppm(sys.argv[1])
    sw, sh, srows = read_xwd(sys.argv[2])
    x0, x1, y0, y1 = inked_box(pw, ph, prows)
    patch = [prows[y][3 * x0:3 * x1] for y in range(y0, y1)]
    print(f'text {x1 - x0}x{y1 - y0} px')
    for sy in range(sh - len(patch) + 1):
        start = srows[sy].find(patch[0])
        while start >= 0:
            if start % 3 == 0 and all(srows[sy + i][start:start + len(p)] == p for i, p in enumerate(patch)):
                print(f'found at {start // 3},{sy}')
                return 0
            start = srows[sy].find(patch[0], start + 1)
    print('not found on the screen')
    return 1


if __name__ == '__main__':
    sys.exit(main())
