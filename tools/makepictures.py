#!/usr/bin/env python3
"""Draws the pictures and the cursor laid in the installation folder.

VORNLOGO.BMP   634 x 436, 8-bit palette: the "VORN" logo shown before login.
SOLRTNSCRN.BMP 634 x 436, 8-bit palette: the title "Rotation of the Sun" over a drawn Sun.
XPXHAIR.CUR    32 x 32 monochrome Windows cursor, cross hair with its hot spot at the centre.

Standard library only; run from anywhere: python3 tools/makepictures.py [output folder]
(default: the repository's data/ folder).
"""
import math
import os
import random
import struct
import sys

W, H = 634, 436

# 5 x 7 capitals, lower case and digits for the texts of the pictures ('#' = ink).
FONT = {
    'A': [" ### ", "#   #", "#   #", "#####", "#   #", "#   #", "#   #"],
    'B': ["#### ", "#   #", "#   #", "#### ", "#   #", "#   #", "#### "],
    'E': ["#####", "#    ", "#    ", "#### ", "#    ", "#    ", "#####"],
    'L': ["#    ", "#    ", "#    ", "#    ", "#    ", "#    ", "#####"],
    'N': ["#   #", "##  #", "# # #", "#  ##", "#   #", "#   #", "#   #"],
    'O': [" ### ", "#   #", "#   #", "#   #", "#   #", "#   #", " ### "],
    'R': ["#### ", "#   #", "#   #", "#### ", "# #  ", "#  # ", "#   #"],
    'S': [" ####", "#    ", "#    ", " ### ", "    #", "    #", "#### "],
    'T': ["#####", "  #  ", "  #  ", "  #  ", "  #  ", "  #  ", "  #  "],
    'V': ["#   #", "#   #", "#   #", "#   #", "#   #", " # # ", "  #  "],
    'X': ["#   #", "#   #", " # # ", "  #  ", " # # ", "#   #", "#   #"],
    'Y': ["#   #", "#   #", " # # ", "  #  ", "  #  ", "  #  ", "  #  "],
    'a': ["     ", "     ", " ### ", "    #", " ####", "#   #", " ####"],
    'b': ["#    ", "#    ", "#### ", "#   #", "#   #", "#   #", "#### "],
    'c': ["     ", "     ", " ####", "#    ", "#    ", "#    ", " ####"],
    'e': ["     ", "     ", " ### ", "#   #", "#####", "#    ", " ####"],
    'f': ["  ## ", " #   ", "#### ", " #   ", " #   ", " #   ", " #   "],
    'h': ["#    ", "#    ", "#### ", "#   #", "#   #", "#   #", "#   #"],
    'i': ["  #  ", "     ", " ##  ", "  #  ", "  #  ", "  #  ", " ### "],
    'l': [" ##  ", "  #  ", "  #  ", "  #  ", "  #  ", "  #  ", " ### "],
    'm': ["     ", "     ", "## # ", "# # #", "# # #", "# # #", "# # #"],
    'n': ["     ", "     ", "#### ", "#   #", "#   #", "#   #", "#   #"],
    'o': ["     ", "     ", " ### ", "#   #", "#   #", "#   #", " ### "],
    'r': ["     ", "     ", "# ## ", "##   ", "#    ", "#    ", "#    "],
    's': ["     ", "     ", " ####", "#    ", " ### ", "    #", "#### "],
    't': [" #   ", " #   ", "#### ", " #   ", " #   ", " #  #", "  ## "],
    'u': ["     ", "     ", "#   #", "#   #", "#   #", "#   #", " ####"],
    'x': ["     ", "     ", "#   #", " # # ", "  #  ", " # # ", "#   #"],
    'y': ["     ", "     ", "#   #", "#   #", " ####", "    #", " ### "],
    '-': ["     ", "     ", "     ", "#####", "     ", "     ", "     "],
    ' ': ["     "] * 7,
}

# Palette: 0..159 the Sun from dark red to white-yellow, 160..223 the sky from black to
# deep blue, 224..255 greys for the lettering.
SUN0, SKY0, GREY0 = 0, 160, 224


def palette():
    pal = []
    for i in range(160):
        t = i / 159.0
        pal.append((int(255 * min(1.0, 0.35 + 0.9 * t)), int(255 * min(1.0, 0.05 + 0.95 * t * t)),
                    int(255 * max(0.0, t - 0.6) * 1.6)))
    for i in range(64):
        t = i / 63.0
        pal.append((int(20 * t), int(30 * t), int(40 + 100 * t)))
    for i in range(32):
        v = int(255 * i / 31.0)
        pal.append((v, v, v))
    return pal


def write_bmp8(path, pixels, pal):
    """8-bit palette BMP, bottom-up rows padded to four bytes."""
    row = (W + 3) & ~3
    data = bytearray()
    for y in range(H - 1, -1, -1):
        data += bytes(pixels[y])
        data += b"\0" * (row - W)
    table = b"".join(struct.pack("<BBBB", b, g, r, 0) for (r, g, b) in pal)
    offset = 14 + 40 + len(table)
    header = struct.pack("<2sIHHI", b"BM", offset + len(data), 0, 0, offset)
    info = struct.pack("<IiiHHIIiiII", 40, W, H, 1, 8, 0, len(data), 2835, 2835, 256, 0)
    with open(path, "wb") as f:
        f.write(header + info + table + data)


def canvas(index):
    return [[index] * W for _ in range(H)]


def text(pix, s, x0, y0, scale, index, shadow=None):
    for k, ch in enumerate(s):
        glyph = FONT[ch]
        for gy, line in enumerate(glyph):
            for gx, c in enumerate(line):
                if c != '#':
                    continue
                for dy in range(scale):
                    for dx in range(scale):
                        x = x0 + (k * 6 + gx) * scale + dx
                        y = y0 + gy * scale + dy
                        if shadow is not None and 0 <= x + 2 < W and 0 <= y + 2 < H:
                            pix[y + 2][x + 2] = shadow
                        if 0 <= x < W and 0 <= y < H:
                            pix[y][x] = index


def text_width(s, scale):
    return (len(s) * 6 - 1) * scale


def centred(pix, s, y0, scale, index, shadow=None):
    text(pix, s, (W - text_width(s, scale)) // 2, y0, scale, index, shadow)


def starry_sky(pix, seed):
    rnd = random.Random(seed)
    for y in range(H):
        shade = SKY0 + int(40 * y / H)
        for x in range(W):
            pix[y][x] = shade
    for _ in range(220):
        x, y = rnd.randrange(W), rnd.randrange(H)
        pix[y][x] = GREY0 + rnd.randrange(12, 32)


def sun(pix, cx, cy, r, spots):
    """Disc with linear limb darkening I = 1 - u (1 - mu), u = 0.6, and dark spots."""
    u = 0.6
    for y in range(max(0, cy - r), min(H, cy + r + 1)):
        for x in range(max(0, cx - r), min(W, cx + r + 1)):
            d2 = ((x - cx) ** 2 + (y - cy) ** 2) / float(r * r)
            if d2 > 1.0:
                continue
            mu = math.sqrt(1.0 - d2)
            level = 1.0 - u * (1.0 - mu)
            for (sx, sy, sr) in spots:
                dd = math.hypot(x - (cx + sx * r), y - (cy + sy * r))
                if dd < sr * 0.45:
                    level *= 0.15
                elif dd < sr:
                    level *= 0.55
            pix[y][x] = SUN0 + int(159 * level)


def title_picture(out):
    pix = canvas(SKY0)
    starry_sky(pix, 7)
    spots = [(-0.35, -0.12, 9), (-0.28, -0.1, 5), (0.2, 0.18, 7), (0.48, -0.22, 4)]
    sun(pix, W // 2, 270, 140, spots)
    centred(pix, "Rotation of the Sun", 28, 5, GREY0 + 31, shadow=SKY0)
    centred(pix, "VORN Exercise", 86, 3, SUN0 + 130, shadow=SKY0)
    write_bmp8(os.path.join(out, "SOLRTNSCRN.BMP"), pix, palette())


def logo_picture(out):
    pix = canvas(SKY0)
    starry_sky(pix, 11)
    # A small sun with an orbit ring round the word.
    cx, cy = W // 2, 190
    for t in range(0, 3600):
        a = 2 * math.pi * t / 3600
        x = int(cx + 250 * math.cos(a))
        y = int(cy + 70 * math.sin(a))
        for w in range(3):
            if 0 <= y + w < H and 0 <= x < W:
                pix[y + w][x] = SUN0 + 120
    sun(pix, cx + 262, cy - 40, 26, [])
    centred(pix, "VORN", 135, 20, GREY0 + 31, shadow=SKY0 + 10)
    centred(pix, "Laboratory Exercises", 320, 3, GREY0 + 26)
    centred(pix, "in Astronomy", 356, 3, GREY0 + 26)
    write_bmp8(os.path.join(out, "VORNLOGO.BMP"), pix, palette())


def cursor(out):
    """32 x 32 monochrome cursor: black cross with a white rim, an open centre, hot spot 16,16."""
    size, hot = 32, 16
    black, white = set(), set()
    for i in range(2, 30):
        if abs(i - hot) <= 2:
            continue
        black.add((i, hot))
        black.add((hot, i))
    for (x, y) in list(black):
        for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1)):
            p = (x + dx, y + dy)
            if p not in black and 0 <= p[0] < size and 0 <= p[1] < size:
                white.add(p)
    xor_rows, and_rows = [], []
    for y in range(size - 1, -1, -1):  # bottom-up
        xr = ar = 0
        for x in range(size):
            bit = 1 << (31 - x)
            if (x, y) in white:
                xr |= bit  # colour index 1 (white), drawn
            elif (x, y) not in black:
                ar |= bit  # transparent
        xor_rows.append(struct.pack(">I", xr))
        and_rows.append(struct.pack(">I", ar))
    info = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 1, 0, 0, 0, 0, 2, 0)
    table = struct.pack("<BBBBBBBB", 0, 0, 0, 0, 255, 255, 255, 0)
    image = info + table + b"".join(xor_rows) + b"".join(and_rows)
    head = struct.pack("<HHH", 0, 2, 1)
    entry = struct.pack("<BBBBHHII", size, size, 2, 0, hot, hot, len(image), 6 + 16)
    with open(os.path.join(out, "XPXHAIR.CUR"), "wb") as f:
        f.write(head + entry + image)


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "..", "data")
    os.makedirs(out, exist_ok=True)
    title_picture(out)
    logo_picture(out)
    cursor(out)


if __name__ == "__main__":
    main()
