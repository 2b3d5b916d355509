#!/usr/bin/env python3
"""Writes bitmap1.bmp (150x101, 24 bit), main.ico (32x32, 16 colours) and vistaro.png (the
icon for Linux desktops) next to this script."""

import math
import os
import struct
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))


def lerp(a, b, t):
    return a + (b - a) * t


def mix(c1, c2, t):
    t = max(0.0, min(1.0, t))
    return tuple(lerp(x, y, t) for x, y in zip(c1, c2))


def smooth(e0, e1, x):
    t = max(0.0, min(1.0, (x - e0) / (e1 - e0)))
    return t * t * (3 - 2 * t)


# ---------------------------------------------------------------- bitmap

BW, BH = 150, 101
HORIZON = 70.0
SUN_X, SUN_Y, SUN_R = 104.0, 52.0, 8.0


def far_ridge(x):
    return (57.0 + 4.0 * math.sin(x * 0.055 + 0.6) + 2.2 * math.sin(x * 0.16 + 1.9)
            + 0.9 * math.sin(x * 0.41) - 6.0 * math.exp(-((x - 34.0) / 14.0) ** 2))


def near_ridge(x):
    return (64.5 + 2.6 * math.sin(x * 0.042 + 2.4) + 1.2 * math.sin(x * 0.13 + 0.3)
            + 0.5 * math.sin(x * 0.37 + 1.1))


def sky(x, y):
    t = y / HORIZON
    top, mid, low = (18, 38, 104), (78, 118, 186), (250, 214, 160)
    c = mix(top, mid, t / 0.55) if t < 0.55 else mix(mid, low, (t - 0.55) / 0.45)
    d = math.hypot(x - SUN_X, (y - SUN_Y) * 1.15)
    glow = math.exp(-((d - SUN_R) / 17.0) ** 2) if d > SUN_R else 1.0
    c = mix(c, (255, 226, 150), 0.85 * glow)
    if d < SUN_R:
        c = mix((255, 250, 222), (255, 234, 160), (d / SUN_R) ** 2)
    return c


def ground(x, y):
    t = (y - HORIZON) / (BH - HORIZON)
    c = mix((112, 128, 72), (78, 104, 46), t)
    stripe = math.sin((x - 75.0) / (y - HORIZON + 3.0) * 9.0)
    c = mix(c, (128, 110, 70), 0.22 * (stripe > 0.55))
    # runway in perspective toward a point on the horizon
    vx = 60.0
    depth = y - HORIZON
    half = 0.6 + depth * 0.36
    cx = vx + depth * 0.75
    if abs(x - cx) < half and depth > 1.2:
        c = (96, 98, 100)
        rel = abs(x - cx) / half
        if rel > 0.86:
            c = (222, 222, 214)
        elif rel < 0.06 and math.sin(math.log(depth + 1.0) * 9.0) > 0.0:
            c = (232, 232, 224)
    return c


def scene(x, y):
    if y >= HORIZON:
        return ground(x, y)
    nr = near_ridge(x)
    if y >= nr:
        return mix((70, 90, 74), (56, 78, 52), (y - nr) / (HORIZON - nr + 1.0))
    fr = far_ridge(x)
    if y >= fr:
        haze = mix((120, 122, 156), (150, 142, 158), (y - fr) / 12.0)
        return haze
    return sky(x, y)


def render_bitmap():
    ss = 4
    rows = []
    for py in range(BH):
        row = []
        for px in range(BW):
            if px == 0 or py == 0 or px == BW - 1 or py == BH - 1:
                row.append((64, 64, 64))
                continue
            acc = [0.0, 0.0, 0.0]
            for sy in range(ss):
                for sx in range(ss):
                    c = scene(px + (sx + 0.5) / ss, py + (sy + 0.5) / ss)
                    acc[0] += c[0]
                    acc[1] += c[1]
                    acc[2] += c[2]
            n = ss * ss
            row.append(tuple(int(round(v / n)) for v in acc))
        rows.append(row)
    return rows


def write_bmp(path, rows):
    stride = (BW * 3 + 3) & ~3
    data = bytearray()
    for row in reversed(rows):
        line = bytearray()
        for r, g, b in row:
            line += bytes((b, g, r))
        line += b"\0" * (stride - len(line))
        data += line
    info = struct.pack("<IiiHHIIiiII", 40, BW, BH, 1, 24, 0, len(data), 2835, 2835, 0, 0)
    head = struct.pack("<2sIHHI", b"BM", 14 + len(info) + len(data), 0, 0, 14 + len(info))
    with open(path, "wb") as f:
        f.write(head + info + data)


# ---------------------------------------------------------------- icon

VGA = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
BLACK, GREEN, OLIVE, TEAL, LIME, YELLOW, WHITE = 0, 2, 3, 6, 10, 11, 15
T = None  # transparent


def render_icon():
    n = 32
    px = [[T] * n for _ in range(n)]
    sx, sy, sr = 16.0, 14.0, 6.6

    def front_hill(x):
        return 17.0 + 0.07 * (x - 7.0) ** 2

    def back_hill(x):
        return 18.0 + 0.05 * (x - 25.0) ** 2

    def ray_dist(cx, cy):
        best = 99.0
        for k in range(8):
            a = k * math.pi / 4
            ux, uy = math.cos(a), math.sin(a)
            t = max(9.6, min(12.9, (cx - sx) * ux + (cy - sy) * uy))
            best = min(best, math.hypot(cx - sx - t * ux, cy - sy - t * uy))
        return best

    for y in range(n):
        for x in range(n):
            cx, cy = x + 0.5, y + 0.5
            d = math.hypot(cx - sx, cy - sy)
            inside = 2 <= x <= 29 and y <= 29
            if inside and cy >= 25.0:
                px[y][x] = OLIVE
            elif inside and cy >= front_hill(cx):
                px[y][x] = GREEN
            elif inside and cy >= back_hill(cx):
                px[y][x] = TEAL
            elif d <= sr:
                px[y][x] = YELLOW
            elif ray_dist(cx, cy) < 1.05:
                px[y][x] = YELLOW
    # one-pixel dark outline grown around the shapes
    out = [r[:] for r in px]
    for y in range(n):
        for x in range(n):
            if px[y][x] is not T:
                continue
            for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1)):
                nx, ny = x + dx, y + dy
                if 0 <= nx < n and 0 <= ny < n and px[ny][nx] is not T:
                    out[y][x] = BLACK
                    break
    # inner lines: front hill over back hill, horizon over the field
    for y in range(n):
        for x in range(n):
            c = px[y][x]
            if c == TEAL and any(px[y + dy][x + dx] == GREEN
                                 for dx, dy in ((1, 0), (-1, 0), (0, 1))):
                out[y][x] = BLACK
            elif c == OLIVE and px[y - 1][x] in (GREEN, TEAL):
                out[y][x] = BLACK
    px = out
    for y in range(n):
        for x in range(n):
            cx, cy = x + 0.5, y + 0.5
            if px[y][x] == GREEN and cy < front_hill(cx) + 2.0:
                px[y][x] = LIME
            elif px[y][x] == YELLOW and math.hypot(cx - (sx - 2.2), cy - (sy - 2.2)) < 2.0:
                px[y][x] = WHITE
    return px


def write_ico(path, px):
    n = 32
    pal = b"".join(bytes((b, g, r, 0)) for r, g, b in VGA)
    xor = bytearray()
    mask = bytearray()
    for y in reversed(range(n)):
        row = px[y]
        for x in range(0, n, 2):
            a = row[x] if row[x] is not T else 0
            b = row[x + 1] if row[x + 1] is not T else 0
            xor.append((a << 4) | b)
        bits = 0
        for x in range(n):
            bits = (bits << 1) | (1 if row[x] is T else 0)
        mask += struct.pack(">I", bits)
    img_size = len(xor) + len(mask)
    info = struct.pack("<IiiHHIIiiII", 40, n, n * 2, 1, 4, 0, img_size, 0, 0, 0, 0)
    body = info + pal + bytes(xor) + bytes(mask)
    head = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", n, n, 16, 0, 1, 4, len(body), 6 + 16)
    with open(path, "wb") as f:
        f.write(head + entry + body)


def write_png(path, px):
    """The icon as a 32x32 RGBA PNG, for Linux desktops' application menus."""
    n = 32
    raw = bytearray()
    for row in px:
        raw.append(0)  # no filter
        for c in row:
            raw += bytes((0, 0, 0, 0)) if c is T else bytes(VGA[c] + (255,))

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))

    header = struct.pack(">IIBBBBB", n, n, 8, 6, 0, 0, 0)
    with open(path, "wb") as f:
        f.write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header)
                + chunk(b"IDAT", zlib.compress(bytes(raw), 9)) + chunk(b"IEND", b""))


if __name__ == "__main__":
    write_bmp(os.path.join(HERE, "bitmap1.bmp"), render_bitmap())
    icon = render_icon()
    write_ico(os.path.join(HERE, "main.ico"), icon)
    write_png(os.path.join(HERE, "vistaro.png"), icon)
