#!/usr/bin/env python3
"""Writes a small map of the game's map format (version 30) for the demo game folder: a few
rooms seen from above, the base game's texture file and sky, and, when given, files of its own
that the map names (so that the create panel has something to say of a map that lacks them).
Usage: demo-map.py FILE SEED [NAMED_FILE...]"""
import random
import struct
import sys

path, seed, named = sys.argv[1], int(sys.argv[2]), sys.argv[3:]
rng = random.Random(seed)
wads = ["\\half-life\\valve\\halflife.wad"] + [n for n in named if n.endswith(".wad")]
entities = '{\n"classname" "worldspawn"\n"wad" "%s"\n"skyname" "desert"\n}\n' % ";".join(wads)
for name in named:
    if name.endswith(".spr"):
        entities += '{\n"classname" "env_sprite"\n"model" "%s"\n}\n' % name
    elif name.endswith(".wav"):
        entities += '{\n"classname" "ambient_generic"\n"message" "%s"\n}\n' % name
vertices, edges = [], []
for room in range(6 + seed % 5):
    x, y = rng.randint(-1500, 1500), rng.randint(-1500, 1500)
    w, h = rng.randint(200, 700), rng.randint(200, 700)
    base = len(vertices)
    vertices += [(x, y, 0), (x + w, y, 0), (x + w, y + h, 0), (x, y + h, 0)]
    edges += [(base + i, base + (i + 1) % 4) for i in range(4)]
    if room:
        edges.append((base, base - 2))  # a corridor to the room before
lumps = [b""] * 15
lumps[0] = entities.encode() + b"\0"
texture = b"CRATE1".ljust(16, b"\0") + struct.pack("<6I", 16, 16, 0, 0, 0, 0)
lumps[2] = struct.pack("<II", 1, 8) + texture
lumps[3] = b"".join(struct.pack("<3f", *v) for v in vertices)
lumps[12] = b"".join(struct.pack("<2H", a, b) for a, b in edges)
header, body, offset = struct.pack("<i", 30), b"", 4 + 15 * 8
for lump in lumps:
    header += struct.pack("<2i", offset + len(body), len(lump))
    body += lump
with open(path, "wb") as out:
    out.write(header + body)
