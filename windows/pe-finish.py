#!/usr/bin/env python3
"""Finishes Windows program files as an Authenticode signature would leave them without it:
zeros to an 8-byte boundary, and the PE header's checksum set. Signing, and taking the
signature off again, then changes nothing else, and a signed release can be compared with its
unsigned build byte for byte.
    pe-finish.py FILE...   (in place; a file already finished stays the same)"""
import array
import struct
import sys


def checksum(data):
    """The PE checksum: the file's 16-bit words summed with end-around carry, the checksum
    field itself as zeros, plus the file's length."""
    words = array.array("H")
    words.frombytes(data)
    if sys.byteorder != "little":
        words.byteswap()
    total = sum(words)
    while total > 0xFFFF:
        total = (total & 0xFFFF) + (total >> 16)
    return total + len(data)


def finish(path):
    with open(path, "rb") as file:
        data = bytearray(file.read())
    pe = struct.unpack_from("<I", data, 0x3C)[0]
    if data[:2] != b"MZ" or data[pe:pe + 4] != b"PE\0\0":
        sys.exit(f"{path}: not a Windows program file")
    data += bytes(-len(data) % 8)
    field = pe + 4 + 20 + 64  # after the signature and file header, in the optional header
    struct.pack_into("<I", data, field, 0)
    struct.pack_into("<I", data, field, checksum(data))
    with open(path, "wb") as file:
        file.write(data)


for name in sys.argv[1:]:
    finish(name)
