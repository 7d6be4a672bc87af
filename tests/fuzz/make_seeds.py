#!/usr/bin/env python3
"""Writes the starting inputs of the fuzz targets into the folder named on the command line:
pictures/ (sound files of every format the converter reads, JPEG ones by Debian's cjpeg),
photocd/, zip/, names/ and spans/. The same bytes on every run."""
import os
import struct
import subprocess
import sys
import zipfile
import zlib

out = sys.argv[1]


def write(folder, name, data):
    os.makedirs(os.path.join(out, folder), exist_ok=True)
    with open(os.path.join(out, folder, name), "wb") as f:
        f.write(data)


def noise(x, y, c):
    return ((x * 7919 + y * 104729 + c * 31) * 2654435761 >> 13) & 0xFF


def bmp24(w, h, top_down=False, os2=False):
    row = (w * 3 + 3) // 4 * 4
    rows = b"".join(bytes(noise(x, y, c) for x in range(w) for c in range(3)).ljust(row, b"\0") for y in range(h))
    if os2:
        info = struct.pack("<IHHHH", 12, w, h, 1, 24)
    else:
        info = struct.pack("<IiiHHIIiiII", 40, w, -h if top_down else h, 1, 24, 0, len(rows), 2835, 2835, 0, 0)
    offset = 14 + len(info)
    return b"BM" + struct.pack("<IHHI", offset + len(rows), 0, 0, offset) + info + rows


def pcx_runs(line):
    out = bytearray()
    i = 0
    while i < len(line):
        run = 1
        while i + run < len(line) and line[i + run] == line[i] and run < 63:
            run += 1
        if run > 1 or line[i] >= 0xC0:
            out.append(0xC0 | run)
        out.append(line[i])
        i += run
    return bytes(out)


def pcx(w, h, planes):
    line_bytes = w + w % 2
    header = bytearray(128)
    header[0:4] = bytes([0x0A, 5, 1, 8])
    struct.pack_into("<HHHH", header, 4, 0, 0, w - 1, h - 1)
    header[65] = planes
    struct.pack_into("<H", header, 66, line_bytes)
    body = b"".join(
        pcx_runs(bytes(noise(x, y, p) % (4 if planes == 1 else 256) if x < w else 0
                       for p in range(planes) for x in range(line_bytes)))
        for y in range(h))
    palette = b"\x0C" + bytes(noise(i, 0, c) for i in range(256) for c in range(3)) if planes == 1 else b""
    return bytes(header) + body + palette


def png(w, h, colour_type, depth, palette=False):
    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))
    channels = {0: 1, 2: 3, 3: 1, 6: 4}[colour_type]
    row = (w * channels * depth + 7) // 8
    raw = b"".join(b"\0" + bytes(noise(x, y, 0) & (0x0F if palette else 0xFF) for x in range(row)) for y in range(h))
    body = chunk(b"IHDR", struct.pack(">IIBBBBB", w, h, depth, colour_type, 0, 0, 0))
    if palette:
        body += chunk(b"PLTE", bytes(noise(i, 1, c) for i in range(16) for c in range(3)))
        body += chunk(b"tRNS", bytes(range(0, 256, 16)))
    return b"\x89PNG\r\n\x1a\n" + body + chunk(b"IDAT", zlib.compress(raw)) + chunk(b"IEND", b"")


def tiff(w, h, samples, big_endian):
    e = ">" if big_endian else "<"
    pixels = bytes(noise(x, y, c) for y in range(h) for x in range(w) for c in range(samples))
    entries = [(256, 3, 1, w), (257, 3, 1, h), (258, 3, 1, 8), (259, 3, 1, 1),
               (262, 3, 1, 2 if samples == 3 else 1), (273, 4, 1, 8), (277, 3, 1, samples),
               (278, 3, 1, h), (279, 4, 1, len(pixels))]
    ifd_offset = 8 + len(pixels)
    ifd = struct.pack(e + "H", len(entries))
    for tag, kind, count, value in entries:
        packed = struct.pack(e + "H", value) + b"\0\0" if kind == 3 else struct.pack(e + "I", value)
        ifd += struct.pack(e + "HHI", tag, kind, count) + packed
    ifd += struct.pack(e + "I", 0)
    return (b"MM" if big_endian else b"II") + struct.pack(e + "HI", 42, ifd_offset) + pixels + ifd


def jpegs():
    w, h = 24, 20
    ppm = b"P6 %d %d 255\n" % (w, h) + bytes(noise(x, y, c) for y in range(h) for x in range(w) for c in range(3))
    for name, options in [("baseline", []), ("progressive", ["-progressive"]), ("grey", ["-grayscale"]),
                          ("restart", ["-restart", "1"]), ("full-chroma", ["-sample", "1x1"]),
                          ("optimized", ["-optimize"])]:
        jpeg = subprocess.run(["cjpeg", "-quality", "75"] + options, input=ppm, capture_output=True, check=True).stdout
        write("pictures", name + ".jpg", jpeg)


def photocd():
    data = bytearray(1024 * 1024)
    data[0x800:0x807] = b"PCD_IPI"
    base = 96 * 2048
    for pair in range(256):
        at = base + pair * 2304
        data[at:at + 1536] = bytes([120]) * 1536
        data[at + 1536:at + 2304] = bytes([150]) * 384 + bytes([140]) * 384
    return bytes(data)


def archives():
    timestamp = b"UT" + struct.pack("<HBiii", 13, 7, 1577934246, 1577934246, 1577934246)
    path = os.path.join(out, "zip", "sample.zip")
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with zipfile.ZipFile(path, "w") as archive:
        folder = zipfile.ZipInfo("sub/")
        folder.external_attr = 0x10
        archive.writestr(folder, b"")
        for name, data, method in [("1.jpg", bytes(noise(i, 0, 0) for i in range(600)), zipfile.ZIP_DEFLATED),
                                   ("sub/2.jpg", b"a" * 2000, zipfile.ZIP_DEFLATED),
                                   ("x.zip", b"stored", zipfile.ZIP_STORED)]:
            info = zipfile.ZipInfo(name, (2020, 1, 2, 3, 4, 6))
            info.compress_type = method
            info.extra = timestamp
            archive.writestr(info, data)
    with zipfile.ZipFile(os.path.join(out, "zip", "utf8.zip"), "w") as archive:
        archive.writestr("屏幕/录像.jpg", b"frame")


jpegs()
write("pictures", "bottom-up.bmp", bmp24(7, 5))
write("pictures", "top-down.bmp", bmp24(5, 4, top_down=True))
write("pictures", "os2.bmp", bmp24(6, 3, os2=True))
write("pictures", "palette.pcx", pcx(17, 9, 1))
write("pictures", "true-colour.pcx", pcx(9, 7, 3))
write("pictures", "rgb.png", png(19, 13, 2, 8))
write("pictures", "palette.png", png(19, 13, 3, 4, palette=True))
write("pictures", "grey16.png", png(9, 5, 0, 16))
write("pictures", "rgb.tif", tiff(10, 6, 3, False))
write("pictures", "grey.tif", tiff(9, 5, 1, True))
write("photocd", "base.pcd", photocd())
archives()
for i, name in enumerate(["1.jpg", "sub/a.jpg", "sub\\b.jpg", "../x", "C:x", "CON.txt", "屏幕/录像.jpg", "a. /b"]):
    write("names", "%d" % i, name.encode("utf-8"))
write("spans", "0", bytes(range(64)))
