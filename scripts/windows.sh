#!/usr/bin/env bash
# Kelvane for Windows, cross-built on Debian 12 and tested under Wine:
#   scripts/windows.sh
# installs what is missing (MinGW-w64, Wine, NSIS, fonts), makes the Qt for MinGW-w64
# ready (scripts/windows-toolchain.sh), builds the "windows" preset, runs every test
# under Wine, makes the portable zip and the installer in build-windows/, and checks that
# the installer installs and uninstalls silently. Safe to repeat; non-zero on any failure.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-packages.sh cmake ninja-build xz-utils g++-mingw-w64-x86-64-posix \
    mingw-w64-tools wine64 nsis qt6-base-dev-tools fonts-wine fonts-crosextra-carlito \
    xvfb xauth qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
scripts/windows-toolchain.sh

cmake --preset windows >/dev/null
cmake --build --preset windows
ctest --preset windows -j2
cmake --build --preset windows --target kelvane-packages
scripts/windows-package-check.sh build-windows/Kelvane-*-windows-x64.zip \
    build-windows/Kelvane-*-windows-x64-setup.exe
ls build-windows/Kelvane-*-windows-x64.zip build-windows/Kelvane-*-windows-x64-setup.exe
