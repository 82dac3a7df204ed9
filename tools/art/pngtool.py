#!/usr/bin/env python3
"""Normalise rsvg-convert's PNG output for the game.

    pngtool.py png IN.png OUT.png   -> 8-bit RGBA PNG, only IHDR/IDAT/IEND
    pngtool.py bmp IN.png OUT.bmp   -> 32-bit BMP with an alpha mask (V4 header)

rsvg writes RGB when a picture is fully opaque and adds a bKGD chunk; the game
wants RGBA everywhere and the same bytes on every run, so every picture is
decoded and written again here. Plain Python: no imaging library is needed.
"""
import struct
import sys
import zlib


def _chunks(data):
    if data[:8] != b"\x89PNG\r\n\x1a\n":
        raise ValueError("not a PNG file")
    pos = 8
    while pos < len(data):
        (length,) = struct.unpack(">I", data[pos : pos + 4])
        kind = data[pos + 4 : pos + 8]
        yield kind, data[pos + 8 : pos + 8 + length]
        pos += 12 + length


def _paeth(a, b, c):
    p = a + b - c
    pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
    if pa <= pb and pa <= pc:
        return a
    return b if pb <= pc else c


def read_png(path):
    """Returns (width, height, RGBA bytes) of an 8-bit RGB or RGBA PNG."""
    with open(path, "rb") as f:
        data = f.read()
    idat = b""
    for kind, body in _chunks(data):
        if kind == b"IHDR":
            w, h, depth, ctype, _, _, interlace = struct.unpack(">IIBBBBB", body)
            if depth != 8 or ctype not in (2, 6) or interlace:
                raise ValueError("%s: unsupported PNG layout" % path)
        elif kind == b"IDAT":
            idat += body
    bpp = 4 if ctype == 6 else 3
    raw = zlib.decompress(idat)
    stride = w * bpp
    prev = bytearray(stride)
    out = bytearray()
    pos = 0
    for _ in range(h):
        ftype = raw[pos]
        row = bytearray(raw[pos + 1 : pos + 1 + stride])
        pos += 1 + stride
        if ftype == 1:
            for i in range(bpp, stride):
                row[i] = (row[i] + row[i - bpp]) & 255
        elif ftype == 2:
            for i in range(stride):
                row[i] = (row[i] + prev[i]) & 255
        elif ftype == 3:
            for i in range(stride):
                left = row[i - bpp] if i >= bpp else 0
                row[i] = (row[i] + ((left + prev[i]) >> 1)) & 255
        elif ftype == 4:
            for i in range(stride):
                left = row[i - bpp] if i >= bpp else 0
                upleft = prev[i - bpp] if i >= bpp else 0
                row[i] = (row[i] + _paeth(left, prev[i], upleft)) & 255
        elif ftype != 0:
            raise ValueError("%s: bad filter %d" % (path, ftype))
        prev = row
        if bpp == 4:
            out += row
        else:
            rgba = bytearray(w * 4)
            rgba[0::4] = row[0::3]
            rgba[1::4] = row[1::3]
            rgba[2::4] = row[2::3]
            rgba[3::4] = b"\xff" * w
            out += rgba
    return w, h, bytes(out)


def _chunk(kind, body):
    crc = zlib.crc32(kind + body) & 0xFFFFFFFF
    return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", crc)


def write_png(path, w, h, rgba):
    stride = w * 4
    raw = b"".join(b"\x00" + rgba[y * stride : (y + 1) * stride] for y in range(h))
    ihdr = struct.pack(">IIBBBBB", w, h, 8, 6, 0, 0, 0)
    data = (
        b"\x89PNG\r\n\x1a\n"
        + _chunk(b"IHDR", ihdr)
        + _chunk(b"IDAT", zlib.compress(raw, 9))
        + _chunk(b"IEND", b"")
    )
    with open(path, "wb") as f:
        f.write(data)


def write_bmp(path, w, h, rgba):
    # Bottom-up rows of BGRA; BI_BITFIELDS with a V4 header so that readers
    # (SDL among them) take the fourth byte as alpha.
    pixels = bytearray()
    for y in range(h - 1, -1, -1):
        row = rgba[y * w * 4 : (y + 1) * w * 4]
        bgra = bytearray(len(row))
        bgra[0::4] = row[2::4]
        bgra[1::4] = row[1::4]
        bgra[2::4] = row[0::4]
        bgra[3::4] = row[3::4]
        pixels += bgra
    header_size = 108
    offset = 14 + header_size
    info = struct.pack(
        "<IiiHHIIiiII",
        header_size, w, h, 1, 32, 3, len(pixels), 2835, 2835, 0, 0
    )
    info += struct.pack("<IIII", 0x00FF0000, 0x0000FF00, 0x000000FF, 0xFF000000)
    info += b"BGRs" + b"\x00" * 36 + b"\x00" * 12
    assert len(info) == header_size
    head = b"BM" + struct.pack("<IHHI", offset + len(pixels), 0, 0, offset)
    with open(path, "wb") as f:
        f.write(head + info + pixels)


def main(argv):
    if len(argv) != 4 or argv[1] not in ("png", "bmp"):
        sys.stderr.write("usage: pngtool.py png|bmp IN.png OUT\n")
        return 2
    w, h, rgba = read_png(argv[2])
    if argv[1] == "png":
        write_png(argv[3], w, h, rgba)
    else:
        write_bmp(argv[3], w, h, rgba)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
