#!/usr/bin/env python3
"""Turns an X window dump (xwd -root, 24- or 32-bit TrueColor) into a PNG: xwd_to_png.py IN.xwd OUT.png"""
import struct
import sys
import zlib


def read_xwd(data):
    fields = struct.unpack(">25I", data[:100])
    header_size, width, height = fields[0], fields[4], fields[5]
    bits_per_pixel, bytes_per_line, ncolors = fields[11], fields[12], fields[19]
    byte_order = fields[7]
    if bits_per_pixel not in (24, 32):
        raise SystemExit(f"only 24- and 32-bit dumps are read, this one has {bits_per_pixel} bits a pixel")
    step = bits_per_pixel // 8
    pixels = data[header_size + ncolors * 12:]
    rows = []
    for y in range(height):
        line = pixels[y * bytes_per_line:y * bytes_per_line + width * step]
        row = bytearray()
        for x in range(width):
            p = line[step * x:step * x + step]
            row += bytes((p[2], p[1], p[0])) if byte_order == 0 else bytes(p[step - 3:])
        rows.append(bytes(row))
    return width, height, rows


def write_png(path, width, height, rows):
    def chunk(kind, body):
        return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", zlib.crc32(kind + body))

    raw = b"".join(b"\0" + row for row in rows)
    with open(path, "wb") as out:
        out.write(b"\x89PNG\r\n\x1a\n")
        out.write(chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0)))
        out.write(chunk(b"IDAT", zlib.compress(raw, 6)))
        out.write(chunk(b"IEND", b""))


if __name__ == "__main__":
    with open(sys.argv[1], "rb") as dump:
        write_png(sys.argv[2], *read_xwd(dump.read()))
