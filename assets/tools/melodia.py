#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Cifrolo developers
"""Writes the "well done" tune as a Standard MIDI File (format 0).

Run from the repository root:  python3 assets/tools/melodia.py
Writes assets/game/acierto.mid: about 8 s in C major, xylophone melody,
piano oom-pah, a soft string pad and a light drum groove on channel 10.
"""
import os
import struct

OUT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "game", "acierto.mid")
PPQ = 480
BPM = 140
E8, Q, H = PPQ // 2, PPQ, 2 * PPQ

# General MIDI programs (0-based) and channels.
XYLOPHONE, PIANO, STRINGS = 13, 0, 48
CH_MELODY, CH_PIANO, CH_PAD, CH_DRUMS = 0, 1, 2, 9
KICK, CLAP, SNARE, HAT, CRASH, TAMBOURINE = 36, 39, 38, 42, 49, 54

# Melody: (note, length); None is a rest.
MELODY = [
    (76, E8), (79, E8), (84, Q), (79, E8), (76, E8), (72, Q),              # C
    (77, E8), (81, E8), (84, Q), (83, E8), (81, E8), (79, Q),              # F  | G
    (76, E8), (79, E8), (81, Q), (79, E8), (77, E8), (76, E8), (74, E8),   # C  | G7
    (72, E8), (74, E8), (76, E8), (79, E8), (84, H),                       # G7 | C
    (84, Q + E8),                                                          # final "ta-da"
]

# Harmony, one chord per half bar: (bass note, chord tones).
C, F, G7 = (48, (60, 64, 67)), (53, (60, 65, 69)), (43, (59, 62, 65))
HARMONY = [C, C, F, G7, C, G7, G7, C]


def vlq(n):
    out = bytearray([n & 0x7F])
    n >>= 7
    while n:
        out.insert(0, 0x80 | (n & 0x7F))
        n >>= 7
    return bytes(out)


def main():
    events = []  # (tick, order, bytes); note-offs sort before note-ons at the same tick

    def note(ch, tick, key, length, vel):
        events.append((tick, 1, bytes([0x90 | ch, key, vel])))
        events.append((tick + length, 0, bytes([0x80 | ch, key, 0])))

    def setup(ch, program, volume):
        events.append((0, -1, bytes([0xC0 | ch, program])))
        events.append((0, -1, bytes([0xB0 | ch, 7, volume])))

    setup(CH_MELODY, XYLOPHONE, 118)
    setup(CH_PIANO, PIANO, 84)
    setup(CH_PAD, STRINGS, 58)
    events.append((0, -1, bytes([0xB0 | CH_DRUMS, 7, 92])))
    events.append((0, -1, bytes([0xB0 | CH_PAD, 10, 40])))    # pad a little to the left
    events.append((0, -1, bytes([0xB0 | CH_PIANO, 10, 84])))  # piano a little to the right

    tick = 0
    for i, (key, length) in enumerate(MELODY):
        if key is not None:
            accent = 110 if tick % Q == 0 else 92
            note(CH_MELODY, tick, key, length - 20, accent)
            if i == len(MELODY) - 1:  # sparkle the last note with a third above
                note(CH_MELODY, tick, key + 4, length - 20, 100)
        tick += length
    end_melody = tick

    # Oom-pah piano and a sustained pad, half a bar per chord.
    for half, (bass, chord) in enumerate(HARMONY):
        start = half * H
        note(CH_PIANO, start, bass, Q - 40, 88)
        for k in chord:
            note(CH_PIANO, start + Q, k, Q - 60, 64)
        for k in chord:
            note(CH_PAD, start, k, H - 10, 52)
    final = len(HARMONY) * H
    note(CH_PIANO, final, 36, Q + E8, 96)
    for k in (60, 64, 67, 72):
        note(CH_PIANO, final, k, Q + E8, 84)
        note(CH_PAD, final, k, Q + E8, 60)

    # Drums: kick on 1 and 3, clap on 2 and 4, soft hats on the eighths.
    bars = len(HARMONY) // 2
    note(CH_DRUMS, 0, CRASH, Q, 90)
    for bar in range(bars):
        b = bar * 4 * Q
        for beat in range(4):
            t = b + beat * Q
            note(CH_DRUMS, t, KICK if beat % 2 == 0 else CLAP, E8, 100 if beat % 2 == 0 else 78)
            note(CH_DRUMS, t, HAT, E8 // 2, 52)
            note(CH_DRUMS, t + E8, HAT, E8 // 2, 40)
        if bar % 2 == 1:
            note(CH_DRUMS, b + 3 * Q + E8, TAMBOURINE, E8, 60)
    # A little snare run into the last chord.
    for k, t in enumerate((3 * Q, 3 * Q + E8 // 2 * 1, 3 * Q + E8, 3 * Q + E8 + E8 // 2)):
        note(CH_DRUMS, (bars - 1) * 4 * Q + t, SNARE, E8 // 2, 60 + 10 * k)
    note(CH_DRUMS, final, CRASH, H, 100)
    note(CH_DRUMS, final, KICK, E8, 110)
    assert end_melody == final + Q + E8

    events.sort(key=lambda e: (e[0], e[1]))
    track = bytearray()
    track += vlq(0) + b"\xFF\x51\x03" + struct.pack(">I", 60_000_000 // BPM)[1:]
    track += vlq(0) + b"\xFF\x58\x04\x04\x02\x18\x08"
    now = 0
    for t, _, data in events:
        track += vlq(t - now) + data
        now = t
    # Let the last chord ring before the end of the track.
    track += vlq(H) + b"\xFF\x2F\x00"

    with open(OUT, "wb") as f:
        f.write(b"MThd" + struct.pack(">IHHH", 6, 0, 1, PPQ))
        f.write(b"MTrk" + struct.pack(">I", len(track)) + track)
    print(f"{OUT}: {(now + H) / PPQ * 60 / BPM:.2f} s")


if __name__ == "__main__":
    main()
