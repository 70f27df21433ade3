#!/usr/bin/env python3
"""Checks the rendered images against the sources that use them.

    check_images.py RENDERED_IMAGE_DIR SOURCE_ROOT

Fails (exit 1) when
- a ":/image/NAME.png" named in a .cpp, .h, .ui or .qss file under SOURCE_ROOT has no
  NAME.svg here (a missing border image leaves a button invisible, silently);
- a rendered PNG is not the size its SVG asks for, or cannot be decoded;
- the artwork of a button in a state without a background field touches the edge of
  its image, which means a stroke is cut off.
Needs only the Python standard library.
"""
import os
import re
import struct
import sys
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))
SKIP_DIRS = {".git", "__pycache__"}
REFERENCE = re.compile(r":/?image/([A-Za-z0-9_]+)\.png")
SVG_SIZE = re.compile(r'<svg[^>]*\swidth="(\d+)"[^>]*\sheight="(\d+)"')


def read_png(path):
    """Returns (width, height, rows of RGBA tuples) for 8-bit RGBA, non-interlaced PNGs."""
    with open(path, "rb") as f:
        data = f.read()
    if data[:8] != b"\x89PNG\r\n\x1a\n":
        raise ValueError("not a PNG")
    pos, idat, header = 8, b"", None
    while pos + 8 <= len(data):
        length, kind = struct.unpack(">I4s", data[pos:pos + 8])
        chunk = data[pos + 8:pos + 8 + length]
        if kind == b"IHDR":
            header = struct.unpack(">IIBBBBB", chunk)
        elif kind == b"IDAT":
            idat += chunk
        pos += 12 + length
    if header is None:
        raise ValueError("no header")
    width, height, depth, colour, _, _, interlace = header
    if depth != 8 or colour != 6 or interlace != 0:
        raise ValueError("unexpected PNG format %d/%d/%d" % (depth, colour, interlace))
    raw = zlib.decompress(idat)
    stride = width * 4
    rows, prev = [], bytearray(stride)
    for y in range(height):
        base = y * (stride + 1)
        kind = raw[base]
        line = bytearray(raw[base + 1:base + 1 + stride])
        for i in range(stride):
            left = line[i - 4] if i >= 4 else 0
            up = prev[i]
            upleft = prev[i - 4] if i >= 4 else 0
            if kind == 1:
                line[i] = (line[i] + left) & 0xFF
            elif kind == 2:
                line[i] = (line[i] + up) & 0xFF
            elif kind == 3:
                line[i] = (line[i] + (left + up) // 2) & 0xFF
            elif kind == 4:
                p = left + up - upleft
                pa, pb, pc = abs(p - left), abs(p - up), abs(p - upleft)
                pred = left if pa <= pb and pa <= pc else (up if pb <= pc else upleft)
                line[i] = (line[i] + pred) & 0xFF
        rows.append(line)
        prev = line
    return width, height, rows


def edge_alpha(width, height, rows):
    top_bottom = [rows[y][x * 4 + 3] for y in (0, height - 1) for x in range(width)]
    sides = [rows[y][x * 4 + 3] for y in range(height) for x in (0, width - 1)]
    return max(top_bottom + sides)


def referenced_images(root):
    found = {}
    for folder, dirs, files in os.walk(root):
        dirs[:] = [d for d in dirs if d not in SKIP_DIRS and not d.startswith("build")]
        for name in files:
            if not name.endswith((".cpp", ".h", ".ui", ".qss")):
                continue
            path = os.path.join(folder, name)
            with open(path, encoding="utf-8", errors="replace") as f:
                for image in REFERENCE.findall(f.read()):
                    found.setdefault(image, os.path.relpath(path, root))
    return found


def main(argv):
    if len(argv) != 3:
        print(__doc__.strip(), file=sys.stderr)
        return 2
    rendered, root = argv[1], argv[2]
    problems = []
    sources = {f[:-4] for f in os.listdir(HERE) if f.endswith(".svg")}

    for image, user in sorted(referenced_images(root).items()):
        if image not in sources:
            problems.append("%s uses :/image/%s.png, which is not drawn" % (user, image))

    for name in sorted(sources):
        with open(os.path.join(HERE, name + ".svg"), encoding="utf-8") as f:
            size = SVG_SIZE.search(f.read())
        png = os.path.join(rendered, name + ".png")
        try:
            width, height, rows = read_png(png)
        except (OSError, ValueError, zlib.error) as error:
            problems.append("%s: %s" % (png, error))
            continue
        if size and (width, height) != (int(size.group(1)), int(size.group(2))):
            problems.append("%s is %dx%d, its source asks for %sx%s" % (
                png, width, height, size.group(1), size.group(2)))
        bare = name.endswith(("_normal", "_disable")) and not name.endswith("_checked_normal")
        if bare and edge_alpha(width, height, rows) > 0:
            problems.append("%s: the artwork touches the edge (clipped stroke?)" % png)

    for line in problems:
        print(line)
    print("%d images checked, %d problems" % (len(sources), len(problems)))
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
