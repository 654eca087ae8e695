#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Cifrolo developers
"""Builds the painter (pintor/pintor.cpp, Qt 6) in a temporary folder, runs it
and joins its frames into the two GIF animations with ImageMagick.

Run from anywhere:  python3 assets/tools/dibujos.py
Writes assets/builtin/cursor_mano.png, assets/builtin/anim/{celebra,asoma}.gif,
assets/game/{fondo,fondo2,acierto,mental}.bmp and assets/game/caras/cara*.bmp.
Needs g++, pkg-config with Qt6Gui, and ImageMagick's convert.
"""
import glob
import os
import shlex
import subprocess
import tempfile

TOOLS = os.path.dirname(os.path.abspath(__file__))
ASSETS = os.path.normpath(os.path.join(TOOLS, ".."))

# Frame delays in hundredths of a second.
CELEBRA_DELAYS = [7] * 15 + [30]
ASOMA_DELAYS = [5] * 8 + [10, 14, 10, 12, 12, 12, 12, 20]


def run(cmd, **kw):
    print("+", " ".join(shlex.quote(c) for c in cmd))
    subprocess.run(cmd, check=True, **kw)


def make_gif(frames, delays, out, transparent):
    assert len(frames) == len(delays), (len(frames), len(delays))
    cmd = ["convert"]
    for frame, delay in zip(frames, delays):
        cmd += ["-delay", str(delay)]
        if transparent:
            # Each frame replaces the previous one over a clear background.
            cmd += ["-dispose", "Background"]
        cmd.append(frame)
    # Flat cartoon colours look cleaner without dithering; play once.
    cmd += ["+dither", "-loop", "1", out]
    run(cmd)


def main():
    with tempfile.TemporaryDirectory(prefix="cifrolo-pintor-") as tmp:
        exe = os.path.join(tmp, "pintor")
        flags = subprocess.run(["pkg-config", "--cflags", "--libs", "Qt6Gui"],
                               check=True, capture_output=True, text=True).stdout.split()
        run(["g++", "-std=c++20", "-O2", "-fPIC", "-Wall", "-Wextra",
             os.path.join(TOOLS, "pintor", "pintor.cpp"), "-o", exe] + flags)
        frames = os.path.join(tmp, "frames")
        env = dict(os.environ, QT_QPA_PLATFORM="offscreen")
        if "XDG_RUNTIME_DIR" not in env:
            env["XDG_RUNTIME_DIR"] = tmp
        run([exe, ASSETS, frames], env=env)
        anim = os.path.join(ASSETS, "builtin", "anim")
        os.makedirs(anim, exist_ok=True)
        make_gif(sorted(glob.glob(os.path.join(frames, "celebra_*.png"))), CELEBRA_DELAYS,
                 os.path.join(anim, "celebra.gif"), transparent=True)
        make_gif(sorted(glob.glob(os.path.join(frames, "asoma_*.png"))), ASOMA_DELAYS,
                 os.path.join(anim, "asoma.gif"), transparent=True)


if __name__ == "__main__":
    main()
