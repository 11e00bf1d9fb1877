"""Makes Zelbrant's binary assets: its icons, the finder cursor, its sounds and
the font its windows use.

The assets are generated rather than committed, so the repository carries no
unexplained binaries: every picture and sound is described by the code below,
and the font is a renamed subset of DejaVu Sans, whose licence allows that.
The output is the same byte for byte on every run.

Usage: python3 make-assets.py OUTDIR
"""

import math
import os
import struct
import sys
from collections import namedtuple

from fontTools import subset

# ---------------------------------------------------------------- drawing

GRID = 32.0          # pictures are described on a 32x32 grid, y pointing down
SUPERSAMPLING = 4    # samples per pixel side, for smooth edges
ICON_SIZES = (32, 24, 16)

# contains(x, y) tells whether a grid point lies inside; box bounds it.
Shape = namedtuple('Shape', 'contains box')


class Canvas:
    """A square RGBA picture onto which shapes on the grid are painted."""

    def __init__(self, size):
        self.size = size
        self.unit = GRID / size  # grid units per pixel
        # Premultiplied colour, so that blending stays a plain weighted sum.
        self.pixels = [(0.0, 0.0, 0.0, 0.0)] * (size * size)

    def thick(self, width):
        """Widens a stroke to at least one pixel so it survives at 16px."""
        return max(width, self.unit)

    def paint(self, shape, colour):
        step = self.unit / SUPERSAMPLING
        offsets = [(i + 0.5) * step for i in range(SUPERSAMPLING)]
        columns, rows = self.pixel_span(shape.box)
        for py in rows:
            top = py * self.unit
            for px in columns:
                left = px * self.unit
                hits = sum(1 for dy in offsets for dx in offsets
                           if shape.contains(left + dx, top + dy))
                if hits:
                    centre = (left + self.unit / 2, top + self.unit / 2)
                    self.blend(px, py, colour_at(colour, *centre),
                               hits / SUPERSAMPLING ** 2)

    def pixel_span(self, box):
        left, top, right, bottom = box
        first_x = max(0, int(left / self.unit))
        first_y = max(0, int(top / self.unit))
        last_x = min(self.size, math.ceil(right / self.unit))
        last_y = min(self.size, math.ceil(bottom / self.unit))
        return range(first_x, last_x), range(first_y, last_y)

    def blend(self, px, py, colour, coverage):
        """Lays an opaque colour over a pixel, in proportion to its coverage."""
        red, green, blue = colour
        keep = 1 - coverage
        index = py * self.size + px
        old_red, old_green, old_blue, old_alpha = self.pixels[index]
        self.pixels[index] = (red / 255 * coverage + old_red * keep,
                              green / 255 * coverage + old_green * keep,
                              blue / 255 * coverage + old_blue * keep,
                              coverage + old_alpha * keep)

    def line(self, points, width, colour, closed=False):
        if closed:
            points = list(points) + [points[0]]
        half = self.thick(width) / 2
        self.paint(union([capsule(p, q, half) for p, q in zip(points, points[1:])]),
                   colour)

    def arc(self, centre, radius, width, start, sweep, colour):
        """Strokes a circle arc clockwise from angle start (degrees)."""
        self.paint(arc_band(centre, radius, self.thick(width) / 2, start, sweep),
                   colour)

    def straight_rgba(self):
        """Returns the pixels top-down as 0-255 (r, g, b, a), not premultiplied."""
        return [straight(pixel) for pixel in self.pixels]


def straight(pixel):
    red, green, blue, alpha = pixel
    alpha_byte = round(alpha * 255)
    if alpha_byte == 0:
        return (0, 0, 0, 0)
    return tuple(round(channel / alpha * 255) for channel in (red, green, blue)) + (alpha_byte,)


def colour_at(colour, x, y):
    return colour(x, y) if callable(colour) else colour


def vertical_gradient(top_colour, bottom_colour, top, bottom):
    def colour(x, y):
        share = min(1.0, max(0.0, (y - top) / (bottom - top)))
        return tuple(round(a + (b - a) * share) for a, b in zip(top_colour, bottom_colour))
    return colour


# ---------------------------------------------------------------- shapes

def rounded_rect(left, top, right, bottom, radius):
    def contains(x, y):
        dx = max(left + radius - x, 0.0, x - (right - radius))
        dy = max(top + radius - y, 0.0, y - (bottom - radius))
        return dx * dx + dy * dy <= radius * radius
    return Shape(contains, (left, top, right, bottom))


def rect(left, top, right, bottom):
    return rounded_rect(left, top, right, bottom, 0.0)


def disc(centre, radius):
    cx, cy = centre
    return Shape(lambda x, y: (x - cx) ** 2 + (y - cy) ** 2 <= radius * radius,
                 (cx - radius, cy - radius, cx + radius, cy + radius))


def polygon(points):
    edges = list(zip(points, points[1:] + points[:1]))

    def contains(x, y):
        inside = False
        for (x1, y1), (x2, y2) in edges:
            if (y1 > y) != (y2 > y) and x < x1 + (y - y1) * (x2 - x1) / (y2 - y1):
                inside = not inside
        return inside
    xs, ys = [p[0] for p in points], [p[1] for p in points]
    return Shape(contains, (min(xs), min(ys), max(xs), max(ys)))


def capsule(p, q, half_width):
    """A segment from p to q with round ends, so joined segments meet cleanly."""
    (px, py), (qx, qy) = p, q
    length_squared = (qx - px) ** 2 + (qy - py) ** 2 or 1e-12

    def contains(x, y):
        along = ((x - px) * (qx - px) + (y - py) * (qy - py)) / length_squared
        along = min(1.0, max(0.0, along))
        nearest_x, nearest_y = px + along * (qx - px), py + along * (qy - py)
        return (x - nearest_x) ** 2 + (y - nearest_y) ** 2 <= half_width ** 2
    return Shape(contains, (min(px, qx) - half_width, min(py, qy) - half_width,
                            max(px, qx) + half_width, max(py, qy) + half_width))


def arc_band(centre, radius, half_width, start, sweep):
    cx, cy = centre

    def contains(x, y):
        if abs(math.hypot(x - cx, y - cy) - radius) > half_width:
            return False
        return (math.degrees(math.atan2(y - cy, x - cx)) - start) % 360 <= sweep
    outer = radius + half_width
    band = Shape(contains, (cx - outer, cy - outer, cx + outer, cy + outer))
    return union([band, disc(point_on_circle(centre, radius, start), half_width),
                  disc(point_on_circle(centre, radius, start + sweep), half_width)])


def union(shapes):
    boxes = [s.box for s in shapes]
    return Shape(lambda x, y: any(s.contains(x, y) for s in shapes),
                 (min(b[0] for b in boxes), min(b[1] for b in boxes),
                  max(b[2] for b in boxes), max(b[3] for b in boxes)))


def point_on_circle(centre, radius, angle):
    return (centre[0] + radius * math.cos(math.radians(angle)),
            centre[1] + radius * math.sin(math.radians(angle)))


def arrow_head(tip, direction, length, half_width):
    (tx, ty), (dx, dy) = tip, direction
    bx, by = tx - dx * length, ty - dy * length
    return [tip, (bx - dy * half_width, by + dx * half_width),
            (bx + dy * half_width, by - dx * half_width)]


def star(centre, outer, inner, points):
    return [point_on_circle(centre, outer if i % 2 == 0 else inner, -90 + 180 * i / points)
            for i in range(2 * points)]


# ---------------------------------------------------------------- pictures

WHITE = (255, 255, 255)
BLACK = (0, 0, 0)
SHEET_EDGE = (110, 115, 125)
TEXT_GREY = (150, 155, 165)
RED_EDGE = (140, 20, 20)
BLUE_EDGE = (20, 65, 145)
WINDOW_EDGE = (60, 70, 90)


def red_fill(top, bottom):
    return vertical_gradient((240, 90, 80), (190, 30, 30), top, bottom)


def blue_fill(top, bottom):
    return vertical_gradient((95, 160, 240), (30, 95, 200), top, bottom)


def framed_rounded_rect(c, box, radius, edge, fill, edge_width=1.0):
    inset = c.thick(edge_width)
    left, top, right, bottom = box
    c.paint(rounded_rect(left, top, right, bottom, radius), edge)
    c.paint(rounded_rect(left + inset, top + inset, right - inset, bottom - inset,
                         max(0.0, radius - inset)), fill)


def framed_disc(c, centre, radius, edge, fill):
    c.paint(disc(centre, radius), edge)
    c.paint(disc(centre, radius - c.thick(1.2)), fill)


def outlined_polygon(c, points, fill, edge, width=1.2):
    c.paint(polygon(points), fill)
    c.line(points, width, edge, closed=True)


def draw_layer(c, centre_y, fill):
    outlined_polygon(c, [(2, centre_y), (12, centre_y - 6), (22, centre_y), (12, centre_y + 6)],
                     fill, (25, 45, 90))


def draw_main(c):
    """Three stacked layers; an arrow brackets them from the top to the bottom."""
    draw_layer(c, 22.5, (40, 90, 170))
    draw_layer(c, 16, (70, 135, 215))
    draw_layer(c, 9.5, (140, 195, 250))
    orange = (240, 135, 20)
    c.line([(23.5, 9.5), (29, 9.5), (29, 22.5), (26, 22.5)], 2.4, orange)
    c.paint(polygon(arrow_head((22.5, 22.5), (-1, 0), 4.5, 3.5)), orange)


def draw_about(c):
    framed_disc(c, (16, 16), 15, BLUE_EDGE, blue_fill(2, 30))
    c.paint(disc((16, 8.5), 2.4), WHITE)
    c.paint(rect(14, 13, 18, 25), WHITE)
    c.paint(rect(12.5, 13, 18, 15.5), WHITE)
    c.paint(rect(12.5, 23, 19.5, 25.5), WHITE)


def draw_maker_logo(c):
    framed_rounded_rect(c, (3, 3, 29, 29), 6, (60, 30, 110),
                        vertical_gradient((170, 110, 230), (100, 50, 170), 3, 29))
    c.line([(9.5, 22.5), (9.5, 10), (16, 17.5), (22.5, 10), (22.5, 22.5)], 3.4, WHITE)


def draw_close(c):
    framed_rounded_rect(c, (3, 3, 29, 29), 5, RED_EDGE, red_fill(3, 29))
    c.line([(10.5, 10.5), (21.5, 21.5)], 3.6, WHITE)
    c.line([(21.5, 10.5), (10.5, 21.5)], 3.6, WHITE)


def draw_pointer(c, tip):
    shape = [(0, 0), (0, 15), (3.6, 11.6), (6.2, 17.4), (8.6, 16.3), (6.1, 10.7), (11, 10.7)]
    outlined_polygon(c, [(tip[0] + x, tip[1] + y) for x, y in shape], WHITE, BLACK)


def draw_menu(c):
    framed_rounded_rect(c, (2, 2, 22, 26), 1.5, SHEET_EDGE, WHITE)
    c.paint(rect(3.5, 10, 20.5, 16), (150, 190, 240))
    for y in (6.5, 13, 19.5):
        c.line([(6.5, y), (17.5, y)], 2, (70, 75, 85))
    draw_pointer(c, (17, 13))


def draw_save(c):
    outlined_polygon(c, [(4, 4), (24, 4), (28, 8), (28, 28), (4, 28)],
                     vertical_gradient((60, 120, 210), (30, 75, 160), 4, 28), (15, 40, 95))
    c.paint(rect(10, 4.6, 22, 13), (205, 210, 220))
    c.paint(rect(17.5, 6.5, 20, 11.5), (30, 75, 160))
    c.paint(rounded_rect(7.5, 17, 24.5, 27.4, 1), (245, 245, 240))
    for y in (20.5, 24):
        c.line([(10, y), (22, y)], 1, TEXT_GREY)


def draw_shortcut(c):
    framed_rounded_rect(c, (2, 10, 22, 30), 2, SHEET_EDGE, WHITE)
    blue = (30, 100, 210)
    c.arc((16.5, 26), 9, 3, 180, 90, blue)
    c.paint(polygon(arrow_head((20.5, 17), (1, 0), 5, 4)), blue)
    outlined_polygon(c, star((25, 7), 6.5, 2, 4), (255, 215, 40), (215, 120, 0), 0.8)


def draw_quit(c):
    framed_disc(c, (16, 16), 15, RED_EDGE, red_fill(2, 30))
    c.arc((16, 16.5), 7.5, 2.8, 310, 280, WHITE)
    c.line([(16, 6.5), (16, 15)], 2.8, WHITE)


def draw_window(c):
    framed_rounded_rect(c, (2, 3, 30, 29), 1.5, WINDOW_EDGE, WHITE)
    c.paint(rect(3, 4, 29, 9), blue_fill(4, 9))
    c.paint(rect(25, 5, 28, 8), (230, 80, 70))


def draw_target(c, centre, radius, halo=False):
    """A circle with a crosshair and a one-pixel centre dot; the white halo
    keeps the cursor visible on dark backgrounds."""
    cx, cy = centre
    reach, gap = radius * 1.35, radius * 0.45
    arms = [[(cx - reach, cy), (cx - gap, cy)], [(cx + gap, cy), (cx + reach, cy)],
            [(cx, cy - reach), (cx, cy - gap)], [(cx, cy + gap), (cx, cy + reach)]]
    passes = ((WHITE, 2.0), (BLACK, 0.0)) if halo else ((BLACK, 0.0),)
    for colour, widen in passes:
        c.arc(centre, radius, 1.6 + widen, 0, 360, colour)
        for arm in arms:
            c.line(arm, 1.6 + widen, colour)
        dot = (c.unit + widen) / 2
        c.paint(rect(cx - dot, cy - dot, cx + dot, cy + dot), colour)


def draw_finder_full(c):
    draw_window(c)
    draw_target(c, (16, 18.5), 5.5)


def draw_finder_cursor(c):
    draw_target(c, (CURSOR_HOT_SPOT[0] + 0.5, CURSOR_HOT_SPOT[1] + 0.5), 9, halo=True)


def draw_sheet(c, left, top, right, bottom):
    framed_rounded_rect(c, (left, top, right, bottom), 1, SHEET_EDGE, WHITE)
    y = top + 5
    while y < bottom - 3:
        c.line([(left + 3, y), (right - 3, y)], 1.2, TEXT_GREY)
        y += 4


def draw_copy(c):
    draw_sheet(c, 3, 2, 19, 23)
    draw_sheet(c, 12, 9, 28, 30)


ICONS = {
    'main.ico': draw_main,
    'about.ico': draw_about,
    'maker_logo.ico': draw_maker_logo,
    'close.ico': draw_close,
    'menu.ico': draw_menu,
    'save.ico': draw_save,
    'shortcut.ico': draw_shortcut,
    'quit.ico': draw_quit,
    'finder_empty.ico': draw_window,
    'finder_full.ico': draw_finder_full,
    'copy.ico': draw_copy,
}
CURSOR_HOT_SPOT = (15, 15)

# ---------------------------------------------------------------- icon files

ICON_TYPE, CURSOR_TYPE = 1, 2


def picture_dib(draw, size):
    """Draws a picture at one size as a 32-bit DIB with alpha, as icons hold it."""
    canvas = Canvas(size)
    draw(canvas)
    pixels = canvas.straight_rgba()
    rows = [pixels[y * size:(y + 1) * size] for y in reversed(range(size))]
    header = struct.pack('<IiiHHIIiiII', 40, size, 2 * size, 1, 32, 0, 0, 0, 0, 0, 0)
    colour = b''.join(bytes((b, g, r, a)) for row in rows for r, g, b, a in row)
    return header + colour + b''.join(and_mask_row(row) for row in rows)


def and_mask_row(row):
    """Marks fully transparent pixels, for programs that ignore the alpha."""
    bits = 0
    for pixel in row:
        bits = bits << 1 | (pixel[3] == 0)
    row_bytes = (len(row) + 31) // 32 * 4
    return (bits << (row_bytes * 8 - len(row))).to_bytes(row_bytes, 'big')


def icon_directory(kind, images, hot_spot=None):
    """Packs (size, dib) images into an .ico or, with a hot spot, a .cur file."""
    offset = 6 + 16 * len(images)
    entries, data = b'', b''
    for size, dib in images:
        planes, bit_count = hot_spot if kind == CURSOR_TYPE else (1, 32)
        entries += struct.pack('<BBBBHHII', size, size, 0, 0, planes, bit_count,
                               len(dib), offset + len(data))
        data += dib
    return struct.pack('<HHH', 0, kind, len(images)) + entries + data


def icon_file(draw):
    return icon_directory(ICON_TYPE, [(size, picture_dib(draw, size)) for size in ICON_SIZES])


def cursor_file(draw):
    return icon_directory(CURSOR_TYPE, [(32, picture_dib(draw, 32))], CURSOR_HOT_SPOT)


# ---------------------------------------------------------------- sounds

ATTACK = 0.004   # seconds; a short ramp keeps notes from clicking
RELEASE = 0.015

# (multiple of the base frequency, amplitude); amplitudes add up to 1.
SOFT = ((1, 0.85), (2, 0.15))
BELL = ((1, 0.65), (2, 0.25), (3, 0.1))
BUZZ = ((1, 0.5), (3, 0.22), (5, 0.16), (7, 0.12))

C5, D5, E5, G5, A5, C6 = 523.25, 587.33, 659.26, 783.99, 880.0, 1046.5


def envelope(t, length, decay):
    rise = min(1.0, t / ATTACK)
    fall = min(1.0, (length - t) / RELEASE)
    return rise * fall * (math.exp(-t / decay) if decay else 1.0)


def add_note(samples, rate, start, length, freq, volume, decay, harmonics,
             end_freq=None):
    """Mixes a note into samples; with end_freq its pitch glides there."""
    first = int(start * rate)
    count = min(int(length * rate), len(samples) - first)
    end_freq = end_freq or freq
    phase = 0.0
    for i in range(count):
        phase += 2 * math.pi * (freq + (end_freq - freq) * i / count) / rate
        wave = sum(amplitude * math.sin(multiple * phase) for multiple, amplitude in harmonics)
        samples[first + i] += volume * envelope(i / rate, count / rate, decay) * wave


def chime(rate, frames, notes, spacing, decay):
    """Notes struck one after another, each ringing on to the end."""
    samples = [0.0] * frames
    duration = frames / rate
    for index, freq in enumerate(notes):
        start = index * spacing
        add_note(samples, rate, start, duration - start, freq, 0.25, decay, BELL)
    return samples


def two_tone(rate, frames, first, second):
    samples = [0.0] * frames
    duration = frames / rate
    add_note(samples, rate, 0.0, 0.2, first, 0.55, 0.15, SOFT)
    add_note(samples, rate, 0.16, duration - 0.16, second, 0.55, 0.12, SOFT)
    return samples


def shortcut_created(rate, frames):
    return chime(rate, frames, (C5, E5, G5, C6), 0.09, 0.35)


def settings_saved(rate, frames):
    return chime(rate, frames, (G5, C6), 0.11, 0.18)


def option_on(rate, frames):
    return two_tone(rate, frames, D5, A5)


def option_off(rate, frames):
    return two_tone(rate, frames, A5, D5)


def failure(rate, frames):
    samples = [0.0] * frames
    add_note(samples, rate, 0.0, frames / rate, 200, 0.6, 0.4, BUZZ, end_freq=110)
    return samples


def copied(rate, frames):
    samples = [0.0] * frames
    add_note(samples, rate, 0.0, 0.07, 1500, 0.6, 0.02, SOFT)
    return samples


# name: (sample rate, bytes per sample, data bytes, composer)
SOUNDS = {
    'shortcut_created.wav': (22050, 2, 74502, shortcut_created),
    'option_on.wav': (22050, 1, 12147, option_on),
    'failure.wav': (22050, 1, 9952, failure),
    'settings_saved.wav': (22050, 2, 30466, settings_saved),
    'option_off.wav': (22050, 1, 12624, option_off),
    'copied.wav': (11025, 1, 6515, copied),
}


def pcm_bytes(samples, width):
    clamped = [min(1.0, max(-1.0, s)) for s in samples]
    if width == 1:  # 8-bit PCM is unsigned, silence at 128
        return bytes(128 + round(127 * s) for s in clamped)
    return struct.pack('<%dh' % len(clamped), *(round(32767 * s) for s in clamped))


def riff_chunk(tag, payload):
    """Chunks are word aligned: an odd payload gets a pad byte its size omits."""
    return tag + struct.pack('<I', len(payload)) + payload + b'\0' * (len(payload) % 2)


def wav_file(rate, width, samples):
    fmt = struct.pack('<HHIIHH', 1, 1, rate, rate * width, width, 8 * width)
    return riff_chunk(b'RIFF', b'WAVE' + riff_chunk(b'fmt ', fmt)
                      + riff_chunk(b'data', pcm_bytes(samples, width)))


def sound_file(rate, width, data_bytes, compose):
    return wav_file(rate, width, compose(rate, data_bytes // width))


# ---------------------------------------------------------------- font

DEJAVU_SANS = '/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf'
FAMILY, SUBFAMILY, POSTSCRIPT_NAME = 'Segoe UI', 'Regular', 'SegoeUI'
WINDOWS, MAC = 3, 1
# The typographic names 16 and 17 go, so that no record still says DejaVu.
REPLACED_IDS = (1, 2, 3, 4, 6, 16, 17)
DESCRIPTION_ID, VERSION_ID = 10, 5


def code_page_1252_text():
    """Every printable character of Windows code page 1252."""
    characters = []
    for byte in list(range(0x20, 0x7F)) + list(range(0x80, 0x100)):
        try:
            characters.append(bytes([byte]).decode('cp1252'))
        except UnicodeDecodeError:  # the few bytes the code page leaves unused
            pass
    return ''.join(characters)


def subset_options():
    options = subset.Options()
    options.hinting = False
    options.drop_tables += ['GSUB', 'GPOS', 'GDEF', 'MATH', 'FFTM']  # GDI reads none
    options.name_IDs = ['*']          # keep the copyright and licence records
    options.name_languages = ['*']
    options.name_legacy = True        # keep the Mac records too
    options.notdef_outline = True
    options.legacy_kern = True        # GDI reads kerning pairs from 'kern' only
    options.recalc_timestamp = False  # keep head's dates fixed for identical output
    return options


def rename_font(font):
    """Names the font Segoe UI and says in its description what it really is."""
    names = font['name']
    version = names.getDebugName(VERSION_ID)
    note = ('Renamed subset of DejaVu Sans (%s), limited to the characters of '
            'Windows code page 1252.' % version)
    old_description = names.getDebugName(DESCRIPTION_ID)
    description = note + ' ' + old_description if old_description else note
    platforms = sorted({record.platformID for record in names.names} & {WINDOWS, MAC})
    names.names = [r for r in names.names if r.nameID not in REPLACED_IDS]
    renamed = {
        1: FAMILY,
        2: SUBFAMILY,
        3: '%s %s; renamed subset of DejaVu Sans %s' % (FAMILY, SUBFAMILY, version),
        4: FAMILY,
        6: POSTSCRIPT_NAME,
        DESCRIPTION_ID: description,
    }
    for platform in platforms:
        encoding, language = (1, 0x409) if platform == WINDOWS else (0, 0)
        for name_id, text in renamed.items():
            names.setName(text, name_id, platform, encoding, language)


def claim_code_page_1252_only(font):
    """GDI picks a font for a character set by these bits; DejaVu claims many
    code pages the subset no longer covers."""
    font['OS/2'].ulCodePageRange1 = 1  # bit 0: Latin 1, code page 1252
    font['OS/2'].ulCodePageRange2 = 0


def font_file(path):
    options = subset_options()
    font = subset.load_font(DEJAVU_SANS, options)
    subsetter = subset.Subsetter(options)
    subsetter.populate(text=code_page_1252_text())
    subsetter.subset(font)
    rename_font(font)
    claim_code_page_1252_only(font)
    subset.save_font(font, path, options)


# ---------------------------------------------------------------- main

def write_file(path, data):
    with open(path, 'wb') as out:
        out.write(data)


def main():
    if len(sys.argv) != 2:
        sys.exit('usage: make-assets.py OUTDIR')
    outdir = sys.argv[1]
    os.makedirs(outdir, exist_ok=True)
    for name, draw in ICONS.items():
        write_file(os.path.join(outdir, name), icon_file(draw))
    write_file(os.path.join(outdir, 'finder.cur'), cursor_file(draw_finder_cursor))
    for name, sound in SOUNDS.items():
        write_file(os.path.join(outdir, name), sound_file(*sound))
    font_file(os.path.join(outdir, 'SegoeUI.ttf'))


if __name__ == '__main__':
    main()
