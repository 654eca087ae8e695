#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Cifrolo developers
#
# Builds the results reader's fuzz target with clang (libFuzzer, ASan, UBSan;
# CMake option CIFROLO_FUZZ, in build-fuzz/) and runs it for a bounded time on
# a copy of the seed corpus. Fails when the fuzzer finds a crash.
#   fuzz/run_fuzz.sh [seconds]     default 600
set -eu
cd "$(dirname "$0")/.."
SECONDS_TO_RUN=${1:-600}
OUT=build-fuzz
if [ ! -f "$OUT/CMakeCache.txt" ]; then
    cmake -S . -B "$OUT" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
        -DCIFROLO_FUZZ=ON -DCIFROLO_TESTS=OFF -DCIFROLO_BENCH=OFF
fi
cmake --build "$OUT" -j2 --target fuzz_results
mkdir -p "$OUT/corpus"
cp -n fuzz/corpus/* "$OUT/corpus/" 2>/dev/null || true
# A leak in the reader counts as a fault too.
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$OUT/fuzz_results" -max_total_time="$SECONDS_TO_RUN" -max_len=8192 \
    -print_final_stats=1 "$OUT/corpus"
