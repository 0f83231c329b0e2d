#!/usr/bin/env bash
# Makes Qt 6.4.2 and GoogleTest for MinGW-w64 ready in .cache/toolchains/qt6-mingw, where
# the "windows" preset looks (KELVANE_QT_MINGW names another folder). Unpacks the ready
# build from ../shared/toolchains/ (or KELVANE_TOOLCHAINS) when it is there and its
# checksum is right; otherwise builds it from Debian's source (scripts/build-qt-mingw.sh,
# about 40 minutes). The folder records the checksum of the archive it was unpacked from,
# so a changed archive (a new build of Qt) is unpacked again; a complete folder from the
# same archive, or built here when there is no archive, is kept as it is.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
target="${KELVANE_QT_MINGW:-$root/.cache/toolchains/qt6-mingw}"
shared="${KELVANE_TOOLCHAINS:-$root/../shared/toolchains}"
archive="$shared/qt6.4.2-mingw64.tar.xz"
unpacked_from="$target/.unpacked-sha256"

complete() {
    [ -f "$target/lib/cmake/Qt6/Qt6Config.cmake" ] && [ -f "$target/lib/cmake/GTest/GTestConfig.cmake" ]
}

if [ -f "$archive" ]; then
    actual="$(sha256sum "$archive" | cut -d' ' -f1)"
    if [ -f "$archive.sha256" ]; then
        expected="$(cut -d' ' -f1 "$archive.sha256")"
        [ "$expected" = "$actual" ] || { echo "$archive: checksum does not match" >&2; exit 1; }
    fi
    if complete && [ "$(cat "$unpacked_from" 2>/dev/null)" = "$actual" ]; then
        exit 0
    fi
    echo "Unpacking $archive"
    parent="$(dirname "$target")"
    mkdir -p "$parent"
    rm -rf "$parent/qt6-mingw.partial" && mkdir -p "$parent/qt6-mingw.partial"
    tar -xJf "$archive" -C "$parent/qt6-mingw.partial"
    echo "$actual" >"$parent/qt6-mingw.partial/qt6-mingw/.unpacked-sha256"
    rm -rf "$target" && mv "$parent/qt6-mingw.partial/qt6-mingw" "$target"
    rmdir "$parent/qt6-mingw.partial"
elif ! complete; then
    echo "No ready Qt for MinGW-w64 in $shared: building it from Debian's source"
    "$root/scripts/build-qt-mingw.sh" "$target" "${KELVANE_QT_BUILD_DIR:-$root/.cache/qt-mingw-build}"
fi
