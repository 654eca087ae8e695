#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Cifrolo developers
#
# Renders the menu icons from the scalable one. Run from the repository root.
set -eu
for size in 48 64 128 256; do
    rsvg-convert -w "$size" -h "$size" assets/desktop/cifrolo.svg -o "assets/desktop/cifrolo-$size.png"
done
