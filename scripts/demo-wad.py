#!/usr/bin/env python3
"""Writes a texture file (WAD3) for the demo game folder holding tiny textures of the given
names. Usage: demo-wad.py FILE NAME..."""
import struct
import sys

path, names = sys.argv[1], sys.argv[2:]
data, directory = b"", b""
for name in names:
    directory += struct.pack("<3i4B", 12 + len(data), 40, 40, 0x43, 0, 0, 0)
    directory += name.encode().ljust(16, b"\0")
    data += b"\1" * 40
with open(path, "wb") as out:
    out.write(b"WAD3" + struct.pack("<2i", len(names), 12 + len(data)) + data + directory)
