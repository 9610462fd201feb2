#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Wraps the icon's PNG sizes in one Windows .ico, each image kept as PNG (Windows Vista and
# later read them so), so the program's icon is drawn from the same pictures as on Linux.
#   make-ico.py OUTPUT.ico PNG...
import struct
import sys

PNG_SIGNATURE = b"\x89PNG\r\n\x1a\n"
DIRECTORY = struct.Struct("<HHH")  # reserved, type (1: icon), count
ENTRY = struct.Struct("<BBBBHHII")  # width, height, colours, reserved, planes, bits, size, offset
LARGEST = 256  # written as 0 in the entry's byte


def png_size(path, data):
    # The IHDR chunk comes first: length, "IHDR", width, height, bit depth, colour type.
    if len(data) < 33 or data[:8] != PNG_SIGNATURE or data[12:16] != b"IHDR":
        sys.exit(f"make-ico: {path} is no PNG")
    width, height = struct.unpack(">II", data[16:24])
    if width != height or not 1 <= width <= LARGEST:
        sys.exit(f"make-ico: {path} is {width}x{height}; icons are square, at most {LARGEST}")
    return width


def main(argv):
    if len(argv) < 3:
        sys.exit("usage: make-ico.py OUTPUT.ico PNG...")
    images = {}
    for path in argv[2:]:
        with open(path, "rb") as file:
            data = file.read()
        size = png_size(path, data)
        if size in images:
            sys.exit(f"make-ico: two {size}x{size} images")
        images[size] = data
    offset = DIRECTORY.size + ENTRY.size * len(images)
    head = [DIRECTORY.pack(0, 1, len(images))]
    for size, data in sorted(images.items()):
        side = size % LARGEST
        head.append(ENTRY.pack(side, side, 0, 0, 1, 32, len(data), offset))
        offset += len(data)
    with open(argv[1], "wb") as out:
        out.write(b"".join(head))
        for _, data in sorted(images.items()):
            out.write(data)


if __name__ == "__main__":
    main(sys.argv)
