#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Cifrolo developers
#
# Builds the Debian package, installs it into a scratch root (no container),
# starts the installed game on a virtual screen as an ordinary user whose home
# is empty, and checks that the game made its own writable folder there. Then
# removes the package and checks that the user's folder stays.
#   test-package.sh BUILD_DIR
# Exits 77 (skipped) when a tool it needs is missing. Validators that are
# installed (lintian, desktop-file-validate, appstreamcli) run on the package.
set -eu

build=$(cd "$1" && pwd)

skip() {
    echo "SKIP: $*"
    exit 77
}
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

for tool in cpack dpkg dpkg-deb dpkg-shlibdeps Xvfb; do
    command -v "$tool" >/dev/null 2>&1 || skip "$tool is missing"
done
if [ "$(id -u)" -eq 0 ]; then
    command -v setpriv >/dev/null 2>&1 || skip "setpriv is missing"
fi
[ -x "$build/game/cifrolo" ] || skip "the game is not built in $build"

work=$(mktemp -d)
chmod 755 "$work"
cleanup() {
    [ -n "${game:-}" ] && kill "$game" 2>/dev/null || true
    [ -n "${xserver:-}" ] && kill "$xserver" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT INT TERM

echo "== package"
cpack --config "$build/CPackConfig.cmake" -B "$work/pkg" >"$work/cpack.log" 2>&1 ||
    { cat "$work/cpack.log"; fail "cpack could not build the package"; }
deb=$(ls "$work"/pkg/cifrolo_*.deb)
dpkg-deb --info "$deb" | sed -n 's/^ \(Depends\|Recommends\|Version\|Installed-Size\):/  \1:/p'

echo "== validators"
dpkg-deb -x "$deb" "$work/files"
if command -v desktop-file-validate >/dev/null 2>&1; then
    desktop-file-validate "$work/files/usr/share/applications/cifrolo.desktop" || fail "desktop-file-validate"
    echo "  desktop-file-validate: passed"
fi
if command -v appstreamcli >/dev/null 2>&1; then
    appstreamcli validate --no-net "$work"/files/usr/share/metainfo/*.metainfo.xml || fail "appstreamcli validate"
fi
if command -v lintian >/dev/null 2>&1; then
    lintian --fail-on error --tag-display-limit 0 --display-info "$deb" || fail "lintian found errors"
    echo "  lintian: no errors"
fi

echo "== install into a scratch root"
root="$work/root"
if [ "$(id -u)" -eq 0 ]; then
    mkdir -p "$root/var/lib/dpkg/info" "$root/var/lib/dpkg/updates"
    : >"$root/var/lib/dpkg/status"
    # The scratch root holds no libraries: those of this machine serve.
    dpkg --root="$root" --force-depends --force-script-chrootless -i "$deb" >"$work/dpkg.log" 2>&1 ||
        { cat "$work/dpkg.log"; fail "dpkg could not install the package"; }
else
    dpkg-deb -x "$deb" "$root"
fi
[ -x "$root/usr/bin/cifrolo" ] || fail "no program in $root/usr/bin"

echo "== start as an ordinary user with an empty home"
home="$work/home"
mkdir -p "$home" "$work/run"
as_user=""
if [ "$(id -u)" -eq 0 ]; then
    chown 65534:65534 "$home" "$work/run"
    as_user="setpriv --reuid=65534 --regid=65534 --clear-groups"
fi
chmod 700 "$work/run"

Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -ac 3>"$work/display" 2>"$work/xvfb.log" &
xserver=$!
i=0
while [ ! -s "$work/display" ]; do
    i=$((i + 1))
    { [ $i -gt 100 ] || ! kill -0 "$xserver" 2>/dev/null; } && { cat "$work/xvfb.log"; fail "Xvfb did not start"; }
    sleep 0.1
done

# Started from / as a menu would, with nothing of ours in the environment.
(cd / && exec $as_user env -i HOME="$home" PATH="$root/usr/bin:/usr/bin:/bin" DISPLAY=":$(cat "$work/display")" \
    XDG_RUNTIME_DIR="$work/run" QT_QPA_PLATFORM=xcb cifrolo >"$work/game.log" 2>&1) &
game=$!

folder="$home/.local/share/cifrolo"
i=0
until [ -f "$folder/juego/ayuda/index.html" ] && [ -d "$folder/resultad" ]; do
    i=$((i + 1))
    if [ $i -gt 200 ] || ! kill -0 "$game" 2>/dev/null; then
        cat "$work/game.log"
        fail "the game did not make its folder in $folder"
    fi
    sleep 0.1
done
sleep 2
kill -0 "$game" 2>/dev/null || { cat "$work/game.log"; fail "the game ended on its own"; }

for f in fondo.bmp fondo2.bmp mental.bmp acierto.bmp acierto.mid caras/cara1.bmp; do
    cmp -s "$folder/juego/$f" "$root/usr/share/cifrolo/juego/$f" || fail "$f was not copied"
done
[ "$(readlink "/proc/$game/cwd")" = "$folder/juego" ] || fail "the game runs in $(readlink "/proc/$game/cwd")"
echo "  the game runs in $folder/juego"
$as_user sh -c "echo prueba >'$folder/resultad/prueba.rsr' && echo prueba >'$folder/juego/puntos.psu'" ||
    fail "the user cannot write in $folder"
[ "$(stat -c %u "$folder/juego/fondo.bmp")" = "$($as_user id -u)" ] || fail "the copies belong to someone else"
echo "  $folder/juego and $folder/resultad made and writable"
kill "$game"
wait "$game" 2>/dev/null || true
game=

if [ "$(id -u)" -eq 0 ]; then
    echo "== remove"
    dpkg --root="$root" --force-depends --force-script-chrootless -r cifrolo >"$work/dpkg.log" 2>&1 ||
        { cat "$work/dpkg.log"; fail "dpkg could not remove the package"; }
    [ -e "$root/usr/bin/cifrolo" ] && fail "the program is still there after removal"
    left=$(find "$root" -path "$root/var" -prune -o ! -type d -print)
    [ -z "$left" ] || fail "removal left: $left"
    [ -f "$folder/resultad/prueba.rsr" ] || fail "removal took the user's results"
    echo "  removed; the user's results stay"
fi
echo "PASS"
