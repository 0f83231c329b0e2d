#!/usr/bin/env bash
# Sets up a Debian 12 machine for Kelvane, builds it, and runs it or its tests.
#   scripts/kelvane.sh run    build the programs into build/bin (kelvane, the command-line
#                             kelvane-calc and the scripting driver kelvane-drive) and start
#                             Kelvane with the shipped table
#   scripts/kelvane.sh test   build and run every test in build-ci (non-zero exit on any failure)
# Both are safe to repeat: packages already present are not installed again and the
# build is incremental. Set KELVANE_PRESET to build another CMake preset (test only).
set -euo pipefail

cd "$(dirname "$0")/.."
action="${1:-}"
case "$action" in
    run | test) ;;
    *)
        echo "usage: $0 run|test" >&2
        exit 2
        ;;
esac

scripts/install-packages.sh cmake ninja-build g++ qt6-base-dev libgl-dev libgtest-dev libgmock-dev xvfb xauth xdotool \
    dbus at-spi2-core python3-pyatspi qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
# The tests read the text of exported and printed PDF files with pdftotext.
[ "$action" = test ] && scripts/install-packages.sh poppler-utils

if [ "$action" = run ]; then
    cmake --preset default >/dev/null
    # The README's examples use all three programs straight after this command.
    cmake --build --preset default --target kelvane kelvane-calc kelvane-drive
    # build/bin/kelvane itself says in one line what to do when there is no display.
    exec build/bin/kelvane
fi

preset="${KELVANE_PRESET:-ci}"
cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset"
ctest --preset "$preset" -j2
