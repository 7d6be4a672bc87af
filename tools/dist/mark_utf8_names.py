#!/usr/bin/env python3
"""mark_utf8_names.py ARCHIVE: sets the UTF-8 name flag (general purpose bit 11) on every entry
of ARCHIVE whose name is not plain ASCII, in its local and its central header.

Info-ZIP zip stores the UTF-8 bytes of such names but leaves the flag clear, and Windows then
reads them in the system's OEM code page: 说明.txt would unpack under a garbled name. With the
flag every current unpacker, Explorer included, reads the name as UTF-8. Only the flag bits
change; names, data and CRCs stay as zip wrote them. Exits 1, leaving the file untouched, when
the archive is not one it can read (no end record, ZIP64, a name that is not UTF-8).
"""
import struct
import sys

END_SIGNATURE = b"PK\x05\x06"
CENTRAL_SIGNATURE = b"PK\x01\x02"
LOCAL_SIGNATURE = b"PK\x03\x04"
UTF8_NAME_FLAG = 0x0800


def fail(message):
    sys.exit(f"mark_utf8_names: {message}")


def central_directory(data):
    """(entry count, offset) from the end record, which sits in the last 64 KiB + 22 bytes."""
    end = data.rfind(END_SIGNATURE, max(0, len(data) - 65557))
    if end < 0 or end + 22 > len(data):
        fail("no end of central directory record")
    count, _, offset = struct.unpack_from("<HII", data, end + 10)
    if count == 0xFFFF or offset == 0xFFFFFFFF:
        fail("ZIP64 archives are not handled")
    return count, offset


def mark(data):
    """Sets the flag in place on `data` (a bytearray); returns the names it marked."""
    count, position = central_directory(data)
    marked = []
    for _ in range(count):
        if data[position:position + 4] != CENTRAL_SIGNATURE:
            fail(f"no central header at {position}")
        flags, = struct.unpack_from("<H", data, position + 8)
        name_length, extra_length, comment_length = struct.unpack_from("<HHH", data, position + 28)
        local, = struct.unpack_from("<I", data, position + 42)
        name = bytes(data[position + 46:position + 46 + name_length])
        if not name.isascii():
            try:
                marked.append(name.decode("utf-8"))
            except UnicodeDecodeError:
                fail(f"entry name {name!r} is not UTF-8")
            if data[local:local + 4] != LOCAL_SIGNATURE:
                fail(f"no local header at {local}")
            struct.pack_into("<H", data, position + 8, flags | UTF8_NAME_FLAG)
            local_flags, = struct.unpack_from("<H", data, local + 6)
            struct.pack_into("<H", data, local + 6, local_flags | UTF8_NAME_FLAG)
        position += 46 + name_length + extra_length + comment_length
    return marked


def main():
    if len(sys.argv) != 2:
        sys.exit("usage: mark_utf8_names.py ARCHIVE")
    with open(sys.argv[1], "rb") as archive:
        data = bytearray(archive.read())
    mark(data)
    with open(sys.argv[1], "wb") as archive:
        archive.write(data)


if __name__ == "__main__":
    main()
