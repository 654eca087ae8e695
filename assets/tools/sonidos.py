#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Cifrolo developers
"""Synthesises the three built-in sounds (16-bit PCM mono, 22050 Hz).

Run from the repository root:  python3 assets/tools/sonidos.py
Writes assets/builtin/sounds/{acierto_cuenta,fallo_numero,tecla}.wav.
"""
import math
import os
import random
import struct
import wave

RATE = 22050
OUT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "builtin", "sounds")


def silence(seconds):
    return [0.0] * int(round(seconds * RATE))


def mix_into(buf, start, samples):
    for i, s in enumerate(samples):
        j = start + i
        if j < len(buf):
            buf[j] += s


def bell(freq, seconds, decay, partials):
    """A struck tone: a few partials, each with its own exponential decay."""
    n = int(seconds * RATE)
    out = []
    for i in range(n):
        t = i / RATE
        v = 0.0
        for ratio, amp, extra in partials:
            v += amp * math.exp(-t * decay * extra) * math.sin(2 * math.pi * freq * ratio * t)
        # A 3 ms attack softens the strike without losing its brightness.
        out.append(v * min(1.0, t / 0.003))
    return out


def fade(buf, fade_in, fade_out):
    """Raised-cosine edges so the sound never starts or stops with a click."""
    n_in = max(1, int(fade_in * RATE))
    n_out = max(1, int(fade_out * RATE))
    for i in range(min(n_in, len(buf))):
        buf[i] *= 0.5 - 0.5 * math.cos(math.pi * i / n_in)
    for i in range(min(n_out, len(buf))):
        buf[len(buf) - 1 - i] *= 0.5 - 0.5 * math.cos(math.pi * i / n_out)
    return buf


def normalise(buf, peak):
    top = max(abs(s) for s in buf) or 1.0
    return [s * peak / top for s in buf]


def write(name, buf):
    path = os.path.join(OUT, name)
    with wave.open(path, "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(RATE)
        w.writeframes(b"".join(struct.pack("<h", int(max(-1.0, min(1.0, s)) * 32767)) for s in buf))
    print(f"{path}: {len(buf) / RATE:.3f} s")


def hit_chime():
    # Quick rising arpeggio C6-E6-G6-C7, glockenspiel-like partials.
    buf = silence(0.26)
    partials = [(1.0, 1.0, 1.0), (2.0, 0.35, 1.6), (3.0, 0.12, 2.4), (4.16, 0.06, 3.0)]
    notes = [1046.50, 1318.51, 1567.98, 2093.00]
    for k, f in enumerate(notes):
        tone = bell(f, 0.26 - k * 0.045, 14.0 if k < 3 else 10.0, partials)
        mix_into(buf, int(k * 0.045 * RATE), [s * (0.8 if k < 3 else 1.0) for s in tone])
    return fade(normalise(buf, 0.72), 0.003, 0.03)


def miss_boop():
    # Two soft, round "boop"s, the second lower, each sliding slightly down.
    buf = silence(0.30)
    for start, f0, f1, dur in ((0.0, 330.0, 300.0, 0.13), (0.15, 247.0, 210.0, 0.15)):
        n = int(dur * RATE)
        phase = 0.0
        tone = []
        for i in range(n):
            x = i / n
            f = f0 + (f1 - f0) * x
            phase += 2 * math.pi * f / RATE
            env = math.sin(math.pi * min(1.0, x * 1.15)) ** 1.5 if x < 1 / 1.15 else 0.0
            # A touch of second harmonic keeps it audible on small speakers.
            tone.append(env * (math.sin(phase) + 0.18 * math.sin(2 * phase)))
        mix_into(buf, int(start * RATE), tone)
    return fade(normalise(buf, 0.6), 0.004, 0.02)


def key_tick():
    # Tiny wooden tick: a fast-decaying 1.8 kHz ping over a breath of filtered noise.
    rnd = random.Random(7)
    n = int(0.045 * RATE)
    buf = []
    lp = 0.0
    for i in range(n):
        t = i / RATE
        lp += 0.2 * (rnd.uniform(-1, 1) - lp)
        buf.append(math.exp(-t * 140) * (0.8 * math.sin(2 * math.pi * 1800 * t) + 0.5 * lp)
                   + math.exp(-t * 90) * 0.3 * math.sin(2 * math.pi * 900 * t))
    return fade(normalise(buf, 0.4), 0.001, 0.01)


def main():
    os.makedirs(OUT, exist_ok=True)
    write("acierto_cuenta.wav", hit_chime())
    write("fallo_numero.wav", miss_boop())
    write("tecla.wav", key_tick())


if __name__ == "__main__":
    main()
