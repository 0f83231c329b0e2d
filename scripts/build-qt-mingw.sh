#!/usr/bin/env bash
# Builds Qt 6.4.2 (qtbase: Core, Gui, Widgets, PrintSupport, Test, the windows and offscreen
# platform plugins, the Windows styles) and GoogleTest for 64-bit Windows with
# MinGW-w64, from Debian 12's own source packages, and installs both into PREFIX.
# The host's Qt 6.4.2 tools (moc, rcc, uic) serve the cross build.
#   scripts/build-qt-mingw.sh PREFIX [WORKDIR]
# About 40 minutes on 2 cores. scripts/windows-toolchain.sh calls it when no ready
# build is at hand. Adds Debian's source archive to APT when it is not there.
set -euo pipefail
prefix=${1:?install prefix}
work=${2:-/tmp/qt-mingw-build}
root="$(cd "$(dirname "$0")/.." && pwd)"
mkdir -p "$prefix" && prefix="$(cd "$prefix" && pwd)"
"$root/scripts/install-packages.sh" g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix \
    mingw-w64-x86-64-dev qt6-base-dev qt6-base-dev-tools cmake ninja-build xz-utils googletest

sudo_cmd=()
[ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
if ! grep -rqs '^\(deb-src\|Types:.*deb-src\)' /etc/apt/sources.list /etc/apt/sources.list.d/; then
    echo "Adding Debian's source archive to APT"
    # Signed by the same key as Debian's own entries: apt refuses two entries for one
    # archive that name different keys.
    printf 'Types: deb-src\nURIs: http://deb.debian.org/debian\nSuites: bookworm\nComponents: main\nSigned-By: /usr/share/keyrings/debian-archive-keyring.gpg\n' |
        "${sudo_cmd[@]}" tee /etc/apt/sources.list.d/kelvane-deb-src.sources >/dev/null
    "${sudo_cmd[@]}" apt-get update -qq
fi

mkdir -p "$work" && cd "$work"
[ -f qt6-base_6.4.2+dfsg.orig.tar.xz ] || apt-get source --download-only qt6-base=6.4.2+dfsg-10
[ -d qtbase-everywhere-src-6.4.2 ] || tar -xJf qt6-base_6.4.2+dfsg.orig.tar.xz
# The Windows print engine asks the DirectWrite font engine for a GDI font when DirectWrite
# is configured, but Gui builds that engine only together with Direct2D, which is off here:
# guard the print engine's use of it the same way, or Qt6PrintSupport.dll fails to link.
sed -i 's/^#if QT_CONFIG(directwrite)$/#if QT_CONFIG(directwrite) \&\& QT_CONFIG(direct2d)/' \
    qtbase-everywhere-src-6.4.2/src/printsupport/platform/windows/qprintengine_win.cpp
cat >mingw.cmake <<TC
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32 $prefix)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
TC
mkdir -p build && cd build
# Debian's source lacks the tablet (wintab) header, hence tabletevent off; with
# OpenGL off, dynamic GL and Direct2D must go too or the windows plugin fails,
# and DirectWrite 3 with Direct2D (Gui builds its font database only with both).
cmake -G Ninja ../qtbase-everywhere-src-6.4.2 -DCMAKE_TOOLCHAIN_FILE="$work/mingw.cmake" \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    -DCMAKE_INSTALL_PREFIX="$prefix" -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=ON \
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF \
    -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_dbus=OFF -DFEATURE_opengl=OFF \
    -DFEATURE_printsupport=ON -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF -DFEATURE_vulkan=OFF \
    -DFEATURE_tabletevent=OFF -DFEATURE_dynamicgl=OFF -DFEATURE_direct2d=OFF \
    -DFEATURE_directwrite3=OFF -DFEATURE_system_zlib=OFF -DFEATURE_system_pcre2=OFF \
    -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_freetype=OFF \
    -DFEATURE_system_doubleconversion=OFF
ninja -j"$(nproc)"
ninja install

# GoogleTest from Debian's googletest source, with the same compiler, into the same prefix.
mkdir -p "$work/gtest-build" && cd "$work/gtest-build"
cmake -G Ninja /usr/src/googletest -DCMAKE_TOOLCHAIN_FILE="$work/mingw.cmake" \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix"
ninja && ninja install
# Smaller DLLs: their debugging symbols are of no use to the programs.
find "$prefix" -name '*.dll' -exec x86_64-w64-mingw32-strip --strip-unneeded {} \;
