#!/usr/bin/env python3
"""Writes a recording in the ZIP64 form, as an archive past the classic limits is written, from
the frame files given, independently of the program's own writer: every entry's local and
central header carries its sizes (and the central one its offset) in a ZIP64 extra field, and
the archive ends with the ZIP64 end record, its locator and a classic end record of 0xFFFF and
0xFFFFFFFF fields.

    make_zip64_recording.py ARCHIVE [--pad BYTES] FRAME...

--pad puts a stored entry "pad.bin" of that many zero bytes first, as a hole in a sparse file,
so the frames after it lie beyond 4 GiB without 4 GiB being written.
"""
import argparse
import os
import struct
import zlib

ZIP64_VERSION = 45
CHUNK = 64 << 20


def zeros_crc(size):
    crc, chunk = 0, bytes(min(size, CHUNK))
    while size > 0:
        step = min(size, CHUNK)
        crc = zlib.crc32(chunk[:step], crc)
        size -= step
    return crc


def zip64_extra(*values):
    return struct.pack('<HH', 1, 8 * len(values)) + b''.join(struct.pack('<Q', v) for v in values)


def local_header(name, method, crc, compressed, plain):
    extra = zip64_extra(plain, compressed)
    return struct.pack('<IHHHHHIIIHH', 0x04034B50, ZIP64_VERSION, 0, method, 0, 0x21, crc, 0xFFFFFFFF,
                       0xFFFFFFFF, len(name), len(extra)) + name + extra


def central_header(name, method, crc, compressed, plain, offset):
    extra = zip64_extra(plain, compressed, offset)
    return struct.pack('<IHHHHHHIIIHHHHHII', 0x02014B50, 0x0B00 | ZIP64_VERSION, ZIP64_VERSION, 0, method, 0, 0x21,
                       crc, 0xFFFFFFFF, 0xFFFFFFFF, len(name), len(extra), 0, 0, 0, 0x20,
                       0xFFFFFFFF) + name + extra


def main():
    arguments = argparse.ArgumentParser()
    arguments.add_argument('archive')
    arguments.add_argument('--pad', type=int, default=0)
    arguments.add_argument('frames', nargs='+')
    options = arguments.parse_args()
    central = []
    with open(options.archive, 'wb') as out:
        if options.pad:
            header = local_header(b'pad.bin', 0, zeros_crc(options.pad), options.pad, options.pad)
            out.write(header)
            out.seek(options.pad, os.SEEK_CUR)
            central.append(central_header(b'pad.bin', 0, zeros_crc(options.pad), options.pad, options.pad, 0))
        for path in options.frames:
            with open(path, 'rb') as source:
                plain = source.read()
            packer = zlib.compressobj(8, zlib.DEFLATED, -15)
            data = packer.compress(plain) + packer.flush()
            name = os.path.basename(path).encode()
            offset = out.tell()
            crc = zlib.crc32(plain)
            out.write(local_header(name, 8, crc, len(data), len(plain)) + data)
            central.append(central_header(name, 8, crc, len(data), len(plain), offset))
        directory_offset = out.tell()
        for record in central:
            out.write(record)
        directory_size = out.tell() - directory_offset
        end64_offset = out.tell()
        out.write(struct.pack('<IQHHIIQQQQ', 0x06064B50, 44, 0x0B00 | ZIP64_VERSION, ZIP64_VERSION, 0, 0,
                              len(central), len(central), directory_size, directory_offset))
        out.write(struct.pack('<IIQI', 0x07064B50, 0, end64_offset, 1))
        out.write(struct.pack('<IHHHHIIH', 0x06054B50, 0, 0, 0xFFFF, 0xFFFF, 0xFFFFFFFF, 0xFFFFFFFF, 0))


if __name__ == '__main__':
    main()
