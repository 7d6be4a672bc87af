#!/usr/bin/env python3
"""version_block.py < RAW: prints a version resource (the raw bytes wrestool --raw extracts) as
lines a test can compare: the fixed part's numbers, then each string table with its values, then
the translations. Strings come out as UTF-8, so a wrongly decoded Chinese name shows as such."""
import struct
import sys

FIXED_SIGNATURE = 0xFEEF04BD


def align4(offset):
    return (offset + 3) & ~3


def read_node(data, offset):
    """One node: (key, value bytes, children, end offset). A text value (type 1) counts its
    length in UTF-16 units, a binary one in bytes."""
    length, value_length, value_type = struct.unpack_from("<HHH", data, offset)
    end = offset + length
    key_end = offset + 6
    while data[key_end:key_end + 2] != b"\0\0":
        key_end += 2
    key = data[offset + 6:key_end].decode("utf-16-le")
    value_start = align4(key_end + 2)
    value_size = value_length * 2 if value_type == 1 else value_length
    value = data[value_start:value_start + value_size]
    children = []
    child = align4(value_start + value_size)
    while child < end:
        node = read_node(data, child)
        children.append(node)
        child = align4(node[3])
    return key, value, children, end


def version_text(most, least):
    return f"{most >> 16}.{most & 0xFFFF}.{least >> 16}.{least & 0xFFFF}"


def describe(data):
    key, fixed, children, _ = read_node(data, 0)
    lines = [f"Key={key}"]
    fields = struct.unpack_from("<13I", fixed)
    if fields[0] != FIXED_SIGNATURE:
        lines.append("Fixed=missing")
    else:
        lines.append(f"Fixed.FileVersion={version_text(fields[2], fields[3])}")
        lines.append(f"Fixed.ProductVersion={version_text(fields[4], fields[5])}")
        lines.append(f"Fixed.FileOS=0x{fields[8]:X}")
        lines.append(f"Fixed.FileType={fields[9]}")
    for block_key, _, block_children, _ in children:
        for table_key, table_value, entries, _ in block_children:
            if block_key == "StringFileInfo":
                lines.append(f"StringTable={table_key}")
                for name, value, _, _ in entries:
                    lines.append(f"{name}={value.decode('utf-16-le').rstrip(chr(0))}")
            elif block_key == "VarFileInfo":
                pairs = struct.iter_unpack("<HH", table_value)
                lines.append(f"{table_key}=" + " ".join(f"0x{lang:04X},{page}" for lang, page in pairs))
    return lines


sys.stdout.buffer.write(("\n".join(describe(sys.stdin.buffer.read())) + "\n").encode("utf-8"))
