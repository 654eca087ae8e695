#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Cifrolo developers
#
# Sets up, builds and then plays or tests Cifrolo.
#   ./cifrolo.sh play              install what is missing, build, start the game
#   ./cifrolo.sh test              install what is missing, build, run every test
#   ./cifrolo.sh test --sanitize   the same with AddressSanitizer + UBSan (build-asan/)
#   ./cifrolo.sh test -L unit      only the tests labelled unit (any ctest options)
#   ./cifrolo.sh fuzz [seconds]    the results reader's fuzz target (build-fuzz/), default 60 s
#   ./cifrolo.sh bench             build and run the benchmarks
set -eu

cd "$(dirname "$0")"
ROOT=$(pwd)

PACKAGES="cmake g++ make pkg-config qt6-base-dev qt6-multimedia-dev qt6-charts-dev libqt6opengl6-dev qt6-translations-l10n libqt6sql6-sqlite libsqlite3-dev sqlite3
 libqt6sql6-psql postgresql
 gstreamer1.0-plugins-base gstreamer1.0-plugins-good libfluidsynth-dev timgm6mb-soundfont
 fonts-sil-andika fonts-liberation2 xvfb xauth x11-utils openbox xdotool pulseaudio imagemagick poppler-utils ccache
 dpkg-dev desktop-file-utils appstream lintian clang libclang-rt-14-dev"

install_missing() {
    missing=""
    for p in $PACKAGES; do
        if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
            missing="$missing $p"
        fi
    done
    [ -z "$missing" ] && return 0
    echo "Installing:$missing"
    SUDO=""
    [ "$(id -u)" -ne 0 ] && SUDO="sudo"
    $SUDO apt-get -o DPkg::Lock::Timeout=900 update
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get -o DPkg::Lock::Timeout=900 install -y \
        --no-install-recommends $missing
}

build() {
    dir=$1; shift
    # Options given are applied to a build folder made before them too.
    if [ ! -f "$dir/CMakeCache.txt" ] || [ $# -gt 0 ]; then
        cmake -S "$ROOT" -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
    fi
    cmake --build "$dir" -j2
}

runtime_dir() {
    if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
        XDG_RUNTIME_DIR="/tmp/runtime-$(id -u)"
        export XDG_RUNTIME_DIR
    fi
    mkdir -p "$XDG_RUNTIME_DIR"
    chmod 700 "$XDG_RUNTIME_DIR"
}

cmd=${1:-play}
[ $# -gt 0 ] && shift
install_missing
runtime_dir
case "$cmd" in
play)
    build "$ROOT/build"
    cd "$ROOT/build/game"
    exec ./cifrolo
    ;;
test)
    # The tests build with warnings as errors: a warning fails them.
    if [ "${1:-}" = "--sanitize" ]; then
        shift
        build "$ROOT/build-asan" -DCMAKE_BUILD_TYPE=Debug -DCIFROLO_SANITIZE=ON -DCIFROLO_WERROR=ON
        # Leaks are faults; only the libraries' own, listed in the file, are let through.
        export ASAN_OPTIONS=detect_leaks=1
        export LSAN_OPTIONS=suppressions="$ROOT/tests/sanitizers/lsan.supp":print_suppressions=0
        export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
        ctest --test-dir "$ROOT/build-asan" --output-on-failure -j2 "$@"
    else
        build "$ROOT/build" -DCIFROLO_WERROR=ON
        ctest --test-dir "$ROOT/build" --output-on-failure -j2 "$@"
    fi
    ;;
fuzz)
    "$ROOT/fuzz/run_fuzz.sh" "${1:-60}"
    ;;
bench)
    build "$ROOT/build"
    for b in "$ROOT"/build/bench/*; do
        [ -x "$b" ] && "$b"
    done
    ;;
*)
    echo "usage: $0 play | test [--sanitize] [ctest options] | fuzz [seconds] | bench" >&2
    exit 2
    ;;
esac
