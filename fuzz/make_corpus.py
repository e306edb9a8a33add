#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Stumpwell authors
# SPDX-License-Identifier: MIT
"""Writes the seed corpus of fuzz_playerfile: valid player files and damaged ones."""
import pathlib
import random
import struct

HERE = pathlib.Path(__file__).resolve().parent / "corpus"


def text(value, width):
    return value.encode("cp1252")[:width].ljust(width, b" ")


def header():
    return text("Version", 80) + bytes(20) + bytes([1]) + bytes(31)


def player(name, country, batting, bowling, captain=False, keeper=False):
    flags = struct.pack("<hh", -1 if captain else 0, -1 if keeper else 0)
    return text(name, 80) + text(country, 20) + bytes([batting, bowling]) + flags + bytes(26)


def main():
    HERE.mkdir(exist_ok=True)
    assert len(header()) == 132 and len(player("A", "B", 1, 2)) == 132
    players = [
        player("Ann Lee", "India", 40, 0),
        player("Oliver Hugh Pelham", "England", 25, 31, captain=True),
        player("Kieran Dunmore", "Australia", 22, 0, keeper=True),
        player("José Ñúñez", "West Indies", 255, 255, True, True),
    ]
    odd_countries = [
        player("Case Only", "india", 30, 10),
        player("Blank Padded", "  India", 30, 10),
        player("Nowhere Man", "Atlantis", 12, 3),
        player("Never Written", "", 1, 1)[:80] + bytes(20) + bytes(32),
    ]
    every_country = [player(f"Player {i}", c, 10 + i, i) for i, c in enumerate([
        "Australia", "England", "India", "New Zealand", "Pakistan", "South Africa",
        "Sri Lanka", "West Indies", "Zimbabwe"])]
    rng = random.Random(1983)
    files = {
        "header-only.kdt": header(),
        "four-players.kdt": header() + b"".join(players),
        "odd-countries.kdt": header() + b"".join(odd_countries),
        "every-country.kdt": header() + b"".join(every_country),
        "short.kdt": header()[:50],
        "partial-tail.kdt": header() + players[0] + players[1][:70],
        "small-tail.kdt": header() + players[0] + players[1][:10],
        "no-header-room.kdt": header()[:131],
        "garbage.kdt": bytes(rng.randrange(256) for _ in range(300)),
    }
    for name, data in files.items():
        (HERE / name).write_bytes(data)


if __name__ == "__main__":
    main()
