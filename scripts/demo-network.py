#!/usr/bin/env python3
"""A demo network on this machine only: a master server listing a few dozen game servers, each
answering the information, players and rules queries, so that the server browser's screenshots
show a list. Usage: demo-network.py MASTER_PORT (the servers take the ports after it)."""
import select
import socket
import struct
import sys

MAPS = ["de_dust2", "cs_office", "de_inferno", "de_nuke", "cs_italy", "de_train", "de_aztec"]
NAMES = ["Dust all day", "Office hours", "Bots and beginners", "Competitive 5v5",
         "Old school 1.6", "Friendly fire on", "Surf & fun", "Night owls", "Le bistrot français",
         "Deathmatch arena"]
CHALLENGE = b"\x12\x34\x56\x78"

master_port = int(sys.argv[1])
servers = []
for number in range(36):
    sock = socket.socket(socket.AF_INET, socket.SOCK_DGRAM)
    sock.bind(("127.0.0.1", master_port + 1 + number))
    servers.append(sock)
master = socket.socket(socket.AF_INET, socket.SOCK_DGRAM)
master.bind(("127.0.0.1", master_port))


def info(number):
    name = "%s #%d" % (NAMES[number % len(NAMES)], number + 1)
    players, bots = (number * 7) % 17, number % 4
    return (b"\xff\xff\xff\xffI\x30" + name.encode() + b"\x00" +
            MAPS[number % len(MAPS)].encode() + b"\x00cstrike\x00Counter-Strike\x00" +
            struct.pack("<h", 10) +
            bytes([players, 16, bots, ord("d" if number % 5 else "l"),
                   ord("l" if number % 3 else "w"), int(number % 6 == 0), int(number % 4 != 1)]) +
            b"1.1.2.7\x00")


def players(number):
    names = ["Gordon", "Adrian", "Barney", "Alyx", "Eli", "Kleiner"][: 2 + number % 4]
    reply = b"\xff\xff\xff\xffD" + bytes([len(names)])
    for index, player in enumerate(names):
        reply += b"\x00" + player.encode() + b"\x00" + struct.pack("<if", 30 - index * 7,
                                                                  600.0 + index * 95)
    return reply


def rules():
    pairs = [("mp_timelimit", "30"), ("mp_friendlyfire", "0"), ("mp_roundtime", "3"),
             ("sv_gravity", "800"), ("sv_contact", "admin@example.org")]
    reply = b"\xff\xff\xff\xffE" + struct.pack("<h", len(pairs))
    for name, value in pairs:
        reply += name.encode() + b"\x00" + value.encode() + b"\x00"
    return reply


def page():
    reply = b"\xff\xff\xff\xff\x66\x0a"
    for sock in servers:
        reply += socket.inet_aton("127.0.0.1") + struct.pack(">H", sock.getsockname()[1])
    return reply + b"\x00" * 6


while True:
    ready, _, _ = select.select([master] + servers, [], [])
    for sock in ready:
        request, sender = sock.recvfrom(1400)
        if sock is master:
            sock.sendto(page(), sender)
            continue
        number = servers.index(sock)
        kind = request[4:5]
        if kind == b"T":
            sock.sendto(info(number), sender)
        elif kind in (b"U", b"V") and not request.endswith(CHALLENGE):
            sock.sendto(b"\xff\xff\xff\xffA" + CHALLENGE, sender)
        elif kind == b"U":
            sock.sendto(players(number), sender)
        elif kind == b"V":
            sock.sendto(rules(), sender)
