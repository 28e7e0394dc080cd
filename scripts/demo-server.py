#!/usr/bin/env python3
"""A game server of the demo, on this machine only: it answers the game servers' information
query with a fixed status, so that the join panel's screenshots show a server's line.
Usage: demo-server.py PORT"""
import socket
import struct
import sys

port = int(sys.argv[1])
info = (b"\xff\xff\xff\xffI\x30" + b"Quorvant demo server - dust all day, every day\x00" +
        b"de_dust2\x00cstrike\x00Counter-Strike\x00" + struct.pack("<h", 10) +
        bytes([12, 16, 2, ord("d"), ord("l"), 1, 1]) + b"1.1.2.7\x00")
server = socket.socket(socket.AF_INET, socket.SOCK_DGRAM)
server.bind(("127.0.0.1", port))
while True:
    request, sender = server.recvfrom(1400)
    if request.startswith(b"\xff\xff\xff\xffTSource Engine Query"):
        server.sendto(info, sender)
