// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#pragma once

// The busy cursor over the whole program while one lives, put back on every
// way out of the block.
class BusyCursor {
public:
    BusyCursor();
    ~BusyCursor();
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;

    // Inside a busy block, the ordinary cursor while one lives: for a
    // question or a notice the user has to answer.
    class Lifted {
    public:
        Lifted();
        ~Lifted();
        Lifted(const Lifted&) = delete;
        Lifted& operator=(const Lifted&) = delete;
    };
};
