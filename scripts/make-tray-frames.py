#!/usr/bin/env python3
"""Draws the clock's tray animation frames: a small clock face whose hand makes one turn over the
frames. Writes res/tray0.ico .. res/tray7.ico, each with a 16x16 and a 32x32 image (32-bit with
alpha, plus the AND mask older shells use)."""
import math
import os
import struct

FRAMES = 8
HERE = os.path.dirname(os.path.abspath(__file__))
OUT = os.path.join(HERE, "..", "res")

FACE = (255, 255, 255)
RIM = (32, 64, 160)
HAND = (200, 24, 24)
HUB = (32, 32, 32)


def coverage(size, x, y, inside, samples=4):
    hit = 0
    for sy in range(samples):
        for sx in range(samples):
            px = (x + (sx + 0.5) / samples) / size * 2 - 1
            py = (y + (sy + 0.5) / samples) / size * 2 - 1
            if inside(px, py):
                hit += 1
    return hit / (samples * samples)


def seg_dist(px, py, ax, ay, bx, by):
    dx, dy = bx - ax, by - ay
    t = max(0.0, min(1.0, ((px - ax) * dx + (py - ay) * dy) / (dx * dx + dy * dy)))
    return math.hypot(px - ax - t * dx, py - ay - t * dy)


def draw(size, frame):
    angle = 2 * math.pi * frame / FRAMES
    hx, hy = 0.62 * math.sin(angle), -0.62 * math.cos(angle)
    width = 0.16 if size <= 16 else 0.11
    pixels = []  # rows top-down, (r, g, b, a)
    for y in range(size):
        row = []
        for x in range(size):
            disc = coverage(size, x, y, lambda u, v: u * u + v * v <= 0.96)
            face = coverage(size, x, y, lambda u, v: u * u + v * v <= (0.98 - 2.6 / size) ** 2)
            hand = coverage(size, x, y, lambda u, v: seg_dist(u, v, 0, 0, hx, hy) <= width)
            hub = coverage(size, x, y, lambda u, v: u * u + v * v <= (2.2 / size) ** 2 + 0.01)
            color = [RIM[i] * (1 - face) + FACE[i] * face for i in range(3)]
            color = [color[i] * (1 - hand) + HAND[i] * hand for i in range(3)]
            color = [color[i] * (1 - hub) + HUB[i] * hub for i in range(3)]
            row.append((round(color[0]), round(color[1]), round(color[2]), round(255 * disc)))
        pixels.append(row)
    return pixels


def bmp_image(size, pixels):
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    xor = b"".join(bytes((b, g, r, a)) for row in reversed(pixels) for (r, g, b, a) in row)
    stride = ((size + 31) // 32) * 4
    mask = b""
    for row in reversed(pixels):
        bits = bytearray(stride)
        for x, (_, _, _, a) in enumerate(row):
            if a < 128:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bytes(bits)
    return header + xor + mask


def ico(frame):
    images = [(s, bmp_image(s, draw(s, frame))) for s in (16, 32)]
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, data in images:
        out += struct.pack("<BBBBHHII", size, size, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    return out + b"".join(data for _, data in images)


if __name__ == "__main__":
    for f in range(FRAMES):
        with open(os.path.join(OUT, "tray%d.ico" % f), "wb") as fh:
            fh.write(ico(f))
