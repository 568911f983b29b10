#!/usr/bin/env python3
"""Writes the seed inputs of the link_transfer fuzz target (format: the comment at the top of
link_transfer.cpp) into corpus/link_transfer/. Each seed is a transfer the fuzzer then varies: whole and cut
replies, with and without the receive threshold, a forced and a refused write, silence, garbage, loss."""
import os

WRITE, RAW, CROSS, CALIB = 0x01, 0x20, 0x08, 0x10
TICK, LOSE_ONE = 0x00, 0xA0


def band_list(n):
    return n << 1


def radio_band(n):
    return n << 6


def deliver(n):
    return 0x20 + n - 1


def raw(data):
    return [0xC0 + len(data) - 1] + list(data)


WHOLE = deliver(32)
SEEDS = {
    "read_whole_replies": [0] + [WHOLE] * 400,
    "read_without_threshold": [RAW] + [WHOLE] * 400,
    "read_cut_in_sevens": [0] + [deliver(7)] * 800,
    "read_silent_half_way": [0] + [WHOLE] * 100 + [TICK] * 11,
    "read_garbage_before_identification": [0, WHOLE] + raw(b"\x11\x5a\x33") + [WHOLE] * 400,
    "write_whole_replies": [WRITE] + [WHOLE] * 200,
    "write_calibration": [WRITE | CALIB] + [WHOLE] * 200,
    "write_single_bytes_without_threshold": [WRITE | RAW] + [deliver(1)] * 220,
    "write_forced": [WRITE | CROSS | band_list(1), WHOLE, WHOLE, 0x01] + [WHOLE] * 200,
    "write_force_cancelled": [WRITE | CROSS | band_list(1), WHOLE, WHOLE, 0x00] + [WHOLE] * 4,
    "write_band_refused": [WRITE | radio_band(2)] + [WHOLE] * 5,
    "write_lost_acknowledgement": [WRITE] + [WHOLE] * 50 + [LOSE_ONE] + [TICK] * 11,
    "write_other_model": [WRITE, WHOLE, 0xA7] + raw(b"QMX275\x00\x00") + [TICK] * 11,
}

here = os.path.join(os.path.dirname(os.path.abspath(__file__)), "corpus", "link_transfer")
os.makedirs(here, exist_ok=True)
for name, data in SEEDS.items():
    with open(os.path.join(here, name), "wb") as f:
        f.write(bytes(data))
