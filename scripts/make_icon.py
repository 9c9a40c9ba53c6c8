#!/usr/bin/env python3
"""Draws the program icon (src/win32/surva.ico): a survey station mark, a
red triangle with a centre point over a crosshair, on a blue tile.
Pure Python, no image library: 16, 32 and 48 pixel 32-bit images."""
import struct
import sys


def pixel(x, y, n):
    # Coordinates in 0..1 at the pixel centre.
    u, v = (x + 0.5) / n, (y + 0.5) / n
    edge = 1.5 / n
    # Rounded tile.
    r = 0.18
    cx, cy = min(max(u, r), 1 - r), min(max(v, r), 1 - r)
    if (u - cx) ** 2 + (v - cy) ** 2 > r * r:
        return (0, 0, 0, 0)
    color = (40, 90, 170, 255)
    # Crosshair.
    if abs(u - 0.5) < edge * 0.6 or abs(v - 0.56) < edge * 0.6:
        color = (200, 220, 255, 255)
    # Triangle (the station mark), apex up.
    top, bottom, half = 0.16, 0.84, 0.36
    if top <= v <= bottom:
        w = half * (v - top) / (bottom - top)
        if abs(u - 0.5) <= w:
            inner = abs(u - 0.5) <= w - edge * 1.6 and v <= bottom - edge * 1.4 and v >= top + edge * 2.5
            color = (255, 255, 255, 255) if inner else (220, 30, 30, 255)
    # Centre point.
    if (u - 0.5) ** 2 + (v - 0.62) ** 2 < (max(0.07, edge)) ** 2:
        color = (220, 30, 30, 255)
    return color


def image(n):
    rows = []
    for y in range(n - 1, -1, -1):  # bottom-up
        row = b"".join(struct.pack("BBBB", b, g, r, a) for (r, g, b, a) in (pixel(x, y, n) for x in range(n)))
        rows.append(row)
    xor = b"".join(rows)
    mask_row = ((n + 31) // 32) * 4
    and_mask = b"\0" * (mask_row * n)
    header = struct.pack("<IiiHHIIiiII", 40, n, n * 2, 1, 32, 0, len(xor) + len(and_mask), 0, 0, 0, 0)
    return header + xor + and_mask


def main(path):
    sizes = [16, 32, 48]
    images = [image(n) for n in sizes]
    out = struct.pack("<HHH", 0, 1, len(sizes))
    offset = 6 + 16 * len(sizes)
    for n, data in zip(sizes, images):
        out += struct.pack("<BBBBHHII", n, n, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    out += b"".join(images)
    with open(path, "wb") as f:
        f.write(out)


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else "src/win32/surva.ico")
