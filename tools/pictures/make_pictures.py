#!/usr/bin/env python3
"""Draws the pictures of the main window and writes them into src/win32/res/,
with pictures.rc, the resource script that lists them, and picture_scales.h,
the scales and ID steps for the adapter.

Every picture is drawn at each display scale the program picks from, not
stretched from the 100 % drawing: lines stay one scaled pixel wide and edges
stay sharp. Run it after changing a drawing; the output is committed, so
building the program never needs Python. Pictures with a transparent
background are 24-bit bitmaps whose key colour (magenta) the window leaves
unpainted.
"""

import math
import os
import struct
import sys
import zlib

KEY = (255, 0, 255)  # transparent in the keyed bitmaps
WHITE = (255, 255, 255)
BLACK = (0, 0, 0)
FRAME_GREY = (128, 128, 128)
ARROW_OUTLINE = (115, 115, 115)

# Display scales in per cent, in the order of the resource IDs.
SCALES = (100, 125, 150, 175, 200, 250, 300)
# Resource IDs: the 100 % picture's, plus this step for each later scale.
SCALE_ID_STEP = 20
CURSOR_ID_STEP = 1
# The sizes the system asks an icon for, 100 % to 400 % of the small and large icon.
ICON_SIZES = (16, 20, 24, 32, 40, 48, 64, 256)

# The 16-colour palette of the program icon.
ICON_PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]


def canvas(width, height, colour):
    return [[colour] * width for _ in range(height)]


def blend(colour, towards, amount):
    return tuple(round(c + (t - c) * amount) for c, t in zip(colour, towards))


def scaled(length, scale):
    """A designed length at a scale in per cent: nearest, halves up."""
    return (2 * length * scale + 100) // 200


def stroke(scale):
    """A one-pixel line at a scale: whole pixels, at least one."""
    return max(1, scaled(1, scale))


def row_bytes(width, bits):
    return ((width * bits + 31) // 32) * 4


# ---- writers ---------------------------------------------------------------

def bmp24_bits(pixels):
    height, width = len(pixels), len(pixels[0])
    stride = row_bytes(width, 24)
    out = bytearray()
    for row in reversed(pixels):  # bottom-up
        line = bytearray()
        for r, g, b in row:
            line += bytes((b, g, r))
        out += line + bytes(stride - len(line))
    return bytes(out)


def write_bmp24(path, pixels):
    height, width = len(pixels), len(pixels[0])
    bits = bmp24_bits(pixels)
    info = struct.pack('<IiiHHIIiiII', 40, width, height, 1, 24, 0, len(bits), 2835, 2835, 0, 0)
    header = struct.pack('<2sIHHI', b'BM', 14 + len(info) + len(bits), 0, 0, 14 + len(info))
    with open(path, 'wb') as f:
        f.write(header + info + bits)


def packed_rows(values, width, bits):
    """Palette indices (or mask bits) of bottom-up rows, padded to 32 bits."""
    stride = row_bytes(width, bits)
    per_byte = 8 // bits
    out = bytearray()
    for row in reversed(values):
        line = bytearray()
        for start in range(0, width, per_byte):
            byte = 0
            for offset in range(per_byte):
                x = start + offset
                value = row[x] if x < width else 0
                byte |= value << (8 - bits * (offset + 1))
            line.append(byte)
        out += line + bytes(stride - len(line))
    return bytes(out)


def icon_image(indices, mask, bits, palette):
    height, width = len(indices), len(indices[0])
    xor = packed_rows(indices, width, bits)
    and_mask = packed_rows(mask, width, 1)
    info = struct.pack('<IiiHHIIiiII', 40, width, height * 2, 1, bits, 0,
                       len(xor) + len(and_mask), 0, 0, len(palette), 0)
    colours = b''.join(bytes((b, g, r, 0)) for r, g, b in palette)
    return info + colours + xor + and_mask


def write_icon_file(path, resource_type, images):
    """images: (width, height, colour count, field1, field2, data) each."""
    header = struct.pack('<HHH', 0, resource_type, len(images))
    offset = len(header) + 16 * len(images)
    entries, blobs = b'', b''
    for width, height, colours, field1, field2, data in images:
        entries += struct.pack('<BBBBHHII', width % 256, height % 256, colours % 256, 0,
                               field1, field2, len(data), offset)
        blobs += data
        offset += len(data)
    with open(path, 'wb') as f:
        f.write(header + entries + blobs)


# ---- drawings --------------------------------------------------------------

def supersampled(width, height, shade, background, samples=4):
    """Each pixel is the mean of samples x samples points of shade(x, y),
    which returns a colour or None for the background."""
    pixels = canvas(width, height, background)
    for y in range(height):
        for x in range(width):
            total = [0, 0, 0]
            for sy in range(samples):
                for sx in range(samples):
                    colour = shade(x + (sx + 0.5) / samples, y + (sy + 0.5) / samples)
                    colour = background if colour is None else colour
                    total = [t + c for t, c in zip(total, colour)]
            pixels[y][x] = tuple(round(t / samples ** 2) for t in total)
    return pixels


FLAG_WIDTH, FLAG_HEIGHT = 21, 20


def framed(inner, frame=1):
    height, width = len(inner) + 2 * frame, len(inner[0]) + 2 * frame
    pixels = canvas(width, height, FRAME_GREY)
    for y, row in enumerate(inner):
        pixels[y + frame][frame:frame + len(row)] = row
    return pixels


def flag_english(scale=100):
    blue, red = (1, 33, 105), (200, 16, 46)
    frame = stroke(scale)
    width = scaled(FLAG_WIDTH, scale) - 2 * frame
    height = scaled(FLAG_HEIGHT, scale) - 2 * frame

    def shade(x, y):
        u, v = x / width, y / height
        centre_u, centre_v = abs(u - 0.5), abs(v - 0.5)
        diagonal = min(abs(u - v), abs(u - (1 - v))) / math.sqrt(2)
        if centre_u < 0.09 or centre_v < 0.09:
            return red
        if centre_u < 0.16 or centre_v < 0.16:
            return WHITE
        if diagonal < 0.035:
            return red
        if diagonal < 0.09:
            return WHITE
        return blue

    return framed(supersampled(width, height, shade, blue), frame)


def flag_hungarian(scale=100):
    red, green = (205, 42, 62), (67, 111, 77)
    frame = stroke(scale)
    width = scaled(FLAG_WIDTH, scale) - 2 * frame
    height = scaled(FLAG_HEIGHT, scale) - 2 * frame
    first, second = (height + 1) // 3, (2 * height + 1) // 3
    rows = [red] * first + [WHITE] * (second - first) + [green] * (height - second)
    return framed([[colour] * width for colour in rows], frame)


def pale(pixels, amount=0.55):
    return [[blend(colour, WHITE, amount) for colour in row] for row in pixels]


def arrow(points_right, scale=100):
    """8 x 9 arrow head: white, grey outline, key colour around."""
    width, height = scaled(8, scale), scaled(9, scale)
    middle2 = height - 1  # twice the middle row, so odd and even heights stay exact
    inside = [[False] * width for _ in range(height)]
    for y in range(height):
        for x in range(width):
            reach = width - 1 - x if points_right else x  # distance from the tip
            inside[y][x] = abs(2 * y - middle2) * (width - 1) <= reach * middle2
    outline = stroke(scale)
    steps = [(d * dx, d * dy) for d in range(1, outline + 1)
             for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1))]
    pixels = canvas(width, height, KEY)
    for y in range(height):
        for x in range(width):
            if not inside[y][x]:
                continue
            edge = any(not (0 <= x + dx < width and 0 <= y + dy < height)
                       or not inside[y + dy][x + dx]
                       for dx, dy in steps)
            pixels[y][x] = ARROW_OUTLINE if edge else WHITE
    return pixels


def segment_distance(px, py, ax, ay, bx, by):
    dx, dy = bx - ax, by - ay
    t = max(0.0, min(1.0, ((px - ax) * dx + (py - ay) * dy) / (dx * dx + dy * dy)))
    return math.hypot(px - (ax + t * dx), py - (ay + t * dy))


def eyedropper(scale=100):
    """18 x 18 grey pipette, bulb at the top right, tip at the bottom left."""
    dark, mid, light, bright = (64, 64, 64), (112, 112, 112), (168, 168, 168), (224, 224, 224)
    size = scaled(18, scale)
    factor = scale / 100

    def shade(x, y):
        if math.hypot(x - 13.5, y - 4.5) < 3.6:
            return dark if math.hypot(x - 12.6, y - 3.6) > 1.2 else mid
        if segment_distance(x, y, 9.0, 6.0, 12.0, 9.0) < 1.9:
            return mid
        tube = segment_distance(x, y, 3.2, 14.8, 10.0, 8.0)
        if tube < 1.7:
            return bright if tube < 0.6 else light
        if tube < 2.4:
            return dark
        if segment_distance(x, y, 1.2, 16.8, 3.2, 14.8) < 0.9:
            return dark
        return None

    pixels = canvas(size, size, KEY)
    for y in range(size):
        for x in range(size):
            colour = shade((x + 0.5) / factor, (y + 0.5) / factor)
            if colour is not None:
                pixels[y][x] = colour
    return pixels


def maker_logo(scale=100):
    """16 x 16 round logo on the white band."""
    deep, light = (24, 92, 140), (96, 170, 210)
    centre = 8.0
    factor = scale / 100
    size = scaled(16, scale)

    def shade(x, y):
        radius = math.hypot(x - centre, y - centre)
        if radius > 7.6:
            return None
        if 3.0 < radius < 5.0 and not (x > centre and y > centre and abs(x - y) < 2.2):
            return WHITE
        if x > 10.0 and y > 10.0 and abs(x - y) < 1.3:
            return WHITE
        return blend(light, deep, min(1.0, radius / 7.6))

    return supersampled(size, size, lambda x, y: shade(x / factor, y / factor), WHITE)


def program_icon(size):
    """Indices into ICON_PALETTE and the transparency mask: a colour wheel
    around a light well."""
    wheel = [9, 11, 10, 14, 12, 13]  # red, yellow, lime, aqua, blue, fuchsia
    centre = size / 2
    outer, inner = size / 2 - 0.5, size * 0.22
    indices = [[0] * size for _ in range(size)]
    mask = [[1] * size for _ in range(size)]
    outline = max(1.0, size / 16)
    for y in range(size):
        for x in range(size):
            dx, dy = x + 0.5 - centre, y + 0.5 - centre
            radius = math.hypot(dx, dy)
            if radius > outer:
                continue
            mask[y][x] = 0
            if radius > outer - outline or abs(radius - inner) < outline / 2:
                indices[y][x] = 0
            elif radius < inner:
                indices[y][x] = 15 if dx + dy < -size * 0.08 else 7
            else:
                angle = (math.degrees(math.atan2(-dy, dx)) + 360 + 30) % 360
                indices[y][x] = wheel[int(angle // 60)]
    return indices, mask


def icon_image_with_alpha(indices, mask, palette):
    """32-bit colour with an alpha channel; the mask stays for old systems."""
    height, width = len(indices), len(indices[0])
    colour = bytearray()
    for row, mask_row in zip(reversed(indices), reversed(mask)):
        for index, hidden in zip(row, mask_row):
            r, g, b = palette[index]
            colour += bytes((b, g, r, 0 if hidden else 255))
    and_mask = packed_rows(mask, width, 1)
    info = struct.pack('<IiiHHIIiiII', 40, width, height * 2, 1, 32, 0,
                       len(colour) + len(and_mask), 0, 0, 0, 0)
    return info + bytes(colour) + and_mask


def icon_png(indices, mask, palette):
    """The same picture as a PNG with an alpha channel: the form the system
    takes for the largest icon, a tenth of the size of a bitmap."""
    height, width = len(indices), len(indices[0])
    raw = bytearray()
    for row, mask_row in zip(indices, mask):
        raw.append(0)  # no filter
        for index, hidden in zip(row, mask_row):
            raw += bytes(palette[index]) + bytes((0 if hidden else 255,))

    def chunk(kind, data):
        return (struct.pack('>I', len(data)) + kind + data
                + struct.pack('>I', zlib.crc32(kind + data) & 0xFFFFFFFF))

    header = struct.pack('>IIBBBBB', width, height, 8, 6, 0, 0, 0)  # 8-bit RGBA
    return (b'\x89PNG\r\n\x1a\n' + chunk(b'IHDR', header)
            + chunk(b'IDAT', zlib.compress(bytes(raw), 9)) + chunk(b'IEND', b''))


def matrix_pointer(scale=100):
    """32 x 32 two-colour ring: mask 1 and colour 0 are transparent."""
    size = scaled(32, scale)
    hot = size // 2
    factor = scale / 100
    colours = [[0] * size for _ in range(size)]
    mask = [[1] * size for _ in range(size)]
    for y in range(size):
        for x in range(size):
            radius = math.hypot(x + 0.5 - hot, y + 0.5 - hot) / factor
            if 5.0 < radius <= 6.0 or 2.0 < radius <= 3.0:
                mask[y][x] = 0  # black outline
            elif 3.0 < radius <= 5.0:
                mask[y][x], colours[y][x] = 0, 1  # white ring
    return colours, mask, hot


# ---- output ----------------------------------------------------------------

PICTURES = (  # file name, resource name, drawing at a scale
    ('flag_english', 'IDB_FLAG_ENGLISH', flag_english),
    ('flag_hungarian', 'IDB_FLAG_HUNGARIAN', flag_hungarian),
    ('flag_english_pale', 'IDB_FLAG_ENGLISH_PALE', lambda scale: pale(flag_english(scale))),
    ('flag_hungarian_pale', 'IDB_FLAG_HUNGARIAN_PALE', lambda scale: pale(flag_hungarian(scale))),
    ('arrow_left', 'IDB_ARROW_LEFT', lambda scale: arrow(True, scale)),
    ('arrow_right', 'IDB_ARROW_RIGHT', lambda scale: arrow(False, scale)),
    ('eyedropper', 'IDB_EYEDROPPER', eyedropper),
    ('maker_logo', 'IDB_MAKER_LOGO', maker_logo),
)


SCALES_HEADER = """#pragma once

// Written by tools/pictures/make_pictures.py with pictures.rc: the scales in
// per cent. A scale's resource is the 100 % one's ID plus its index times the step.

#include <array>

namespace tintwell::win32 {{

inline constexpr std::array<int, {count}> kPictureScales = {{{scales}}};
inline constexpr int kBitmapScaleIdStep = {bitmap_step};
inline constexpr int kCursorScaleIdStep = {cursor_step};

}}  // namespace tintwell::win32
"""


def file_name(stem, scale, extension):
    return f'{stem}.{extension}' if scale == 100 else f'{stem}_{scale}.{extension}'


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, '..', '..', 'src', 'win32', 'res')
    os.makedirs(out, exist_ok=True)
    script = ['// Written by tools/pictures/make_pictures.py: every picture at every scale.', '']

    for step, scale in enumerate(SCALES):
        for stem, resource, draw in PICTURES:
            name = file_name(stem, scale, 'bmp')
            write_bmp24(os.path.join(out, name), draw(scale))
            script.append(f'{resource} + {step * SCALE_ID_STEP} BITMAP "res/{name}"')
        colours, mask, hot = matrix_pointer(scale)
        size = len(colours)
        cursor = icon_image(colours, mask, 1, [BLACK, WHITE])
        name = file_name('matrix_pointer', scale, 'cur')
        write_icon_file(os.path.join(out, name), 2, [(size, size, 2, hot, hot, cursor)])
        script.append(f'IDC_MATRIX_POINTER + {step * CURSOR_ID_STEP} CURSOR "res/{name}"')
        script.append('')

    icons = []
    for size in (16, 32):
        indices, mask = program_icon(size)
        icons.append((size, size, 16, 1, 4, icon_image(indices, mask, 4, ICON_PALETTE)))
    for size in ICON_SIZES:
        indices, mask = program_icon(size)
        image = icon_png if size > 64 else icon_image_with_alpha
        icons.append((size, size, 0, 1, 32, image(indices, mask, ICON_PALETTE)))
    write_icon_file(os.path.join(out, 'tintwell.ico'), 1, icons)
    script.append('IDI_TINTWELL ICON "res/tintwell.ico"')

    with open(os.path.join(out, '..', 'pictures.rc'), 'w') as f:
        f.write('\n'.join(script) + '\n')
    with open(os.path.join(out, '..', 'picture_scales.h'), 'w') as f:
        f.write(SCALES_HEADER.format(count=len(SCALES), scales=', '.join(map(str, SCALES)),
                                     bitmap_step=SCALE_ID_STEP, cursor_step=CURSOR_ID_STEP))


if __name__ == '__main__':
    main()
