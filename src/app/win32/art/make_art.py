#!/usr/bin/env python3
"""Draws Velutreck's icon and pictures and writes them as .ico files beside this script.

Each picture is a list of simple shapes on a 32 x 32 grid, rendered with 4 x 4 supersampling at
every size the window may need (it scales with the screen's DPI), as 32-bit images with alpha.
Run it again after changing a shape: python3 make_art.py
"""
import math
import os
import struct

SAMPLES = 4


def rgba(hex_colour, alpha=255):
    value = int(hex_colour.lstrip("#"), 16)
    return ((value >> 16) & 255, (value >> 8) & 255, value & 255, alpha)


# Shapes: each is a function (x, y) -> bool on the 32 x 32 grid, paired with a colour.
def rounded_rect(x0, y0, x1, y1, radius):
    def inside(x, y):
        if not (x0 <= x <= x1 and y0 <= y <= y1):
            return False
        cx = min(max(x, x0 + radius), x1 - radius)
        cy = min(max(y, y0 + radius), y1 - radius)
        return (x - cx) ** 2 + (y - cy) ** 2 <= radius ** 2
    return inside


def circle(cx, cy, r):
    return lambda x, y: (x - cx) ** 2 + (y - cy) ** 2 <= r * r


def ring(cx, cy, inner, outer):
    return lambda x, y: inner * inner <= (x - cx) ** 2 + (y - cy) ** 2 <= outer * outer


def polygon(points):
    def inside(x, y):
        result = False
        for i, (ax, ay) in enumerate(points):
            bx, by = points[i - 1]
            if (ay > y) != (by > y) and x < (bx - ax) * (y - ay) / (by - ay) + ax:
                result = not result
        return result
    return inside


def segment(x0, y0, x1, y1, width):
    def inside(x, y):
        dx, dy = x1 - x0, y1 - y0
        t = max(0.0, min(1.0, ((x - x0) * dx + (y - y0) * dy) / (dx * dx + dy * dy)))
        return (x - x0 - t * dx) ** 2 + (y - y0 - t * dy) ** 2 <= (width / 2) ** 2
    return inside


def note(x, y, scale, colour):
    """A quaver: its head's centre at (x, y)."""
    return [
        (circle(x, y, 2.2 * scale), colour),
        (segment(x + 1.9 * scale, y, x + 1.9 * scale, y - 9 * scale, 1.3 * scale), colour),
        (polygon([(x + 1.3 * scale, y - 9.5 * scale), (x + 6 * scale, y - 6 * scale),
                  (x + 6 * scale, y - 4 * scale), (x + 1.3 * scale, y - 7 * scale)]), colour),
    ]


def mini_disc(shell, edge, label):
    """A MiniDisc: the cartridge with its cut corner and label, the disc seen through its shell and
    the metal shutter over the disc's lower half."""
    outline = [(7, 2), (29, 2), (29, 30), (3, 30), (3, 6)]
    inner = [(7.6, 3.2), (27.8, 3.2), (27.8, 28.8), (4.2, 28.8), (4.2, 6.6)]
    return [
        (polygon(outline), edge),
        (polygon(inner), shell),
        (rounded_rect(8, 4.5, 26.5, 8.5, 1), label),
        (circle(16, 18, 8.6), rgba("#b9c0c9")),
        (ring(16, 18, 3.2, 8.6), rgba("#dde2e8")),
        (circle(16, 18, 2.6), rgba("#7d8591")),
        (rounded_rect(11.5, 20.5, 20.5, 30, 0.6), rgba("#c4c9d0")),
        (segment(14, 23, 14, 28, 1.2), rgba("#8e96a1")),
    ]


def program_icon():
    return mini_disc(rgba("#2e6fbd"), rgba("#123a6b"), rgba("#f4f6f8")) + \
        note(12.8, 7.7, 0.42, rgba("#e07b00")) + note(19.8, 7.2, 0.42, rgba("#e07b00"))


def simple_burner_picture():
    return mini_disc(rgba("#474c55"), rgba("#1c1e22"), rgba("#d8262e"))


def track_list_picture():
    sheet = [(5, 2), (21, 2), (27, 8), (27, 30), (5, 30)]
    shapes = [
        (polygon(sheet), rgba("#8a8f99")),
        (polygon([(6, 3), (20.5, 3), (26, 8.5), (26, 29), (6, 29)]), rgba("#ffffff")),
        (polygon([(20.5, 3), (26, 8.5), (20.5, 8.5)]), rgba("#c9ced6")),
    ]
    for row in range(4):
        y = 7 + row * 4
        shapes.append((segment(9, y, 17 if row == 0 else 22, y, 1.4), rgba("#5a6270")))
    return shapes + note(15, 26, 0.75, rgba("#1d5fa8"))


def nero_picture():
    return [
        (circle(14, 14, 12.5), rgba("#7f8894")),
        (circle(14, 14, 11.7), rgba("#dfe3e8")),
        (ring(14, 14, 5, 11.7), rgba("#c3d6ec")),
        (polygon([(14, 14), (26, 6), (26, 12)]), rgba("#f1e3c2")),
        (polygon([(14, 14), (3, 20), (4, 24)]), rgba("#d8c9ea")),
        (circle(14, 14, 4.2), rgba("#9aa3ae")),
        (circle(14, 14, 1.8), (0, 0, 0, 0)),
        (polygon([(17, 16), (26, 16), (30, 20), (30, 31), (17, 31)]), rgba("#6b7280")),
        (polygon([(18, 17), (25.5, 17), (29, 20.5), (29, 30), (18, 30)]), rgba("#fffdf4")),
        (segment(20, 22, 26, 22, 1.2), rgba("#c0392b")),
        (segment(20, 25, 27, 25, 1.2), rgba("#c0392b")),
        (segment(20, 28, 25, 28, 1.2), rgba("#c0392b")),
    ]


def arrow(pointing_up):
    def flip(points):
        return points if pointing_up else [(x, 32 - y) for x, y in points]
    return [(polygon(flip([(16, 5), (28, 19), (20.5, 19), (20.5, 27), (11.5, 27), (11.5, 19), (4, 19)])),
             rgba("#1f2329"))]


def render(shapes, size):
    pixels = []
    step = 32.0 / size
    for row in range(size):
        for column in range(size):
            total = [0.0, 0.0, 0.0, 0.0]
            for sy in range(SAMPLES):
                for sx in range(SAMPLES):
                    x = (column + (sx + 0.5) / SAMPLES) * step
                    y = (row + (sy + 0.5) / SAMPLES) * step
                    colour = (0, 0, 0, 0)
                    for inside, paint in shapes:
                        if inside(x, y):
                            colour = over(paint, colour)
                    alpha = colour[3] / 255.0
                    for i in range(3):
                        total[i] += colour[i] * alpha
                    total[3] += alpha
            alpha = total[3] / (SAMPLES * SAMPLES)
            if alpha <= 0:
                pixels.append((0, 0, 0, 0))
            else:
                pixels.append(tuple(int(round(total[i] / total[3])) for i in range(3)) +
                              (int(round(alpha * 255)),))
    return pixels


def over(top, bottom):
    # A fully transparent paint punches a hole (the CD's centre).
    if top[3] == 0:
        return (0, 0, 0, 0)
    if top[3] == 255 or bottom[3] == 0:
        return top
    a = top[3] / 255.0
    return tuple(int(round(top[i] * a + bottom[i] * (1 - a))) for i in range(3)) + (255,)


def icon_image(pixels, size):
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    rows = []
    for row in reversed(range(size)):
        rows.append(b"".join(struct.pack("BBBB", b, g, r, a) for r, g, b, a in pixels[row * size:(row + 1) * size]))
    mask_stride = ((size + 31) // 32) * 4
    mask = bytearray()
    for row in reversed(range(size)):
        bits = bytearray(mask_stride)
        for column in range(size):
            if pixels[row * size + column][3] == 0:
                bits[column // 8] |= 0x80 >> (column % 8)
        mask += bits
    return header + b"".join(rows) + bytes(mask)


def write_icon(path, shapes, sizes):
    images = [icon_image(render(shapes, size), size) for size in sizes]
    data = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, image in zip(sizes, images):
        data += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, 32, len(image), offset)
        offset += len(image)
    with open(path, "wb") as out:
        out.write(data + b"".join(images))


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    pictures = [16, 20, 24, 32, 40, 48, 64]
    arrows = [16, 20, 24, 32]
    write_icon(os.path.join(here, "velutreck.ico"), program_icon(), pictures)
    write_icon(os.path.join(here, "track_list.ico"), track_list_picture(), pictures)
    write_icon(os.path.join(here, "nero.ico"), nero_picture(), pictures)
    write_icon(os.path.join(here, "simple_burner.ico"), simple_burner_picture(), pictures)
    write_icon(os.path.join(here, "up_arrow.ico"), arrow(True), arrows)
    write_icon(os.path.join(here, "down_arrow.ico"), arrow(False), arrows)


if __name__ == "__main__":
    main()
