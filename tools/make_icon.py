#!/usr/bin/env python3
"""Draws the program's icon: a white Wi-Fi sign over a small access point on a blue tile.

Writes res/hotspot.ico (for viewers and Windows tools), and the two resources the executable carries:
res/icon3.dib (the 32 x 32, 24-bit image, an RT_ICON) and res/icon_group.bin (the icon group naming icon 3).
The outputs are committed; run this only to change the picture.
"""
import math
import pathlib
import struct

SIZE = 32
BLUE = (0x1E, 0x6F, 0xD9)
DARK = (0x12, 0x47, 0x9A)
WHITE = (0xFF, 0xFF, 0xFF)
GREEN = (0x3C, 0xD0, 0x5A)


def mix(a, b, t):
    return tuple(round(x + (y - x) * t) for x, y in zip(a, b))


def pixel(x, y):
    # Tile: rounded square, darker outside the rounding (the image is fully opaque, so corners get a colour too).
    cx, cy = x + 0.5, y + 0.5
    r = 6.0
    dx = max(r - cx, 0, cx - (SIZE - r))
    dy = max(r - cy, 0, cy - (SIZE - r))
    if math.hypot(dx, dy) > r:
        return DARK
    colour = mix(BLUE, DARK, cy / SIZE * 0.6)
    # Wi-Fi sign: three arcs and a dot, centred at (16, 21).
    ox, oy = 16.0, 21.0
    d = math.hypot(cx - ox, cy - oy)
    angle = math.degrees(math.atan2(oy - cy, cx - ox))
    if 45 <= angle <= 135:
        for radius in (5.5, 10.0, 14.5):
            if abs(d - radius) <= 1.5:
                return WHITE
    if d <= 2.2:
        return WHITE
    # Base of the access point with a green "on" light.
    if 25 <= cy <= 28 and 8 <= cx <= 24:
        return GREEN if 19 <= cx <= 22 and 26 <= cy <= 27 else WHITE
    return colour


def main():
    res = pathlib.Path(__file__).resolve().parent.parent / "res"
    rows = []
    for y in reversed(range(SIZE)):  # bottom-up DIB
        row = bytearray()
        for x in range(SIZE):
            r, g, b = pixel(x, y)
            row += bytes((b, g, r))
        rows.append(bytes(row))
    xor = b"".join(rows)
    and_mask = bytes(4 * SIZE)  # all zero: fully opaque
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, 24, 0, len(xor) + len(and_mask), 0, 0, 0, 0)
    image = header + xor + and_mask
    (res / "icon3.dib").write_bytes(image)
    (res / "icon_group.bin").write_bytes(struct.pack("<HHH", 0, 1, 1) + struct.pack("<BBBBHHIH", SIZE, SIZE, 0, 0, 1, 24, len(image), 3))
    (res / "hotspot.ico").write_bytes(struct.pack("<HHH", 0, 1, 1) + struct.pack("<BBBBHHII", SIZE, SIZE, 0, 0, 1, 24, len(image), 22) + image)


main()
