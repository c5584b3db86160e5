#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes the five landscape files: 512 integers from 1 to 400, one per line.

Run it in this folder; it rewrites the files exactly as they are committed.
"""
import math


def clamp(value):
    return max(1, min(400, int(round(value))))


def bump(i, centre, height, width):
    return height * math.exp(-((i - centre) / width) ** 2)


def damped_sinusoid():
    return [clamp(200 + 190 * math.exp(-i / 180) * math.cos(2 * math.pi * i / 64)) for i in range(512)]


def random_walk():
    # A fixed linear congruential generator, so the walk is the same everywhere.
    state = 20260101
    value = 200
    values = []
    for _ in range(512):
        state = (state * 1103515245 + 12345) % 2**31
        value += (state >> 16) % 13 - 6
        if value < 1:
            value = 2 - value
        if value > 400:
            value = 800 - value
        values.append(value)
    return values


def two_peaks(left_height, right_height):
    return [clamp(10 + bump(i, 128, left_height, 40) + bump(i, 384, right_height, 40)) for i in range(512)]


def user():
    return [100] * 512


landscapes = {
    "anicedampedsinusoid": damped_sinusoid(),
    "randomwalk": random_walk(),
    "twosimilarpeaks": two_peaks(300, 290),
    "twodissimilarpeaks": two_peaks(150, 350),
    "user": user(),
}

for name, values in landscapes.items():
    assert len(values) == 512 and all(1 <= v <= 400 for v in values)
    with open(name, "w") as out:
        out.write("".join(f"{v}\n" for v in values))
