#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Cifrolo developers
#
# Builds the results reader's fuzz target with clang (libFuzzer, ASan, UBSan)
# and runs it for a bounded time on a copy of the seed corpus.
#   fuzz/run_fuzz.sh [seconds]     default 600
set -eu
cd "$(dirname "$0")/.."
SECONDS_TO_RUN=${1:-600}
OUT=build-fuzz
mkdir -p "$OUT/corpus"
cp -n fuzz/corpus/* "$OUT/corpus/" 2>/dev/null || true
clang++ -std=c++20 -g -O1 -fPIC -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined \
    -I. $(pkg-config --cflags Qt6Core) \
    fuzz/fuzz_results.cpp files/Records.cpp files/CodePage.cpp files/AtomicFile.cpp files/ResultsFile.cpp \
    $(pkg-config --libs Qt6Core) -o "$OUT/fuzz_results"
ASAN_OPTIONS=detect_leaks=0 "$OUT/fuzz_results" -max_total_time="$SECONDS_TO_RUN" -max_len=8192 \
    -print_final_stats=1 "$OUT/corpus"
