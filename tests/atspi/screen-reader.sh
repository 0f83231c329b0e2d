#!/usr/bin/env bash
# Kelvane as a screen reader finds it: starts a private D-Bus session and a virtual
# X display, runs the program on the xcb platform with its accessibility bridge on,
# and reads and drives it through the Linux accessibility bus (AT-SPI) with
# screen-reader.py. Exits 77 (skipped) when a tool it needs is not installed.
#   screen-reader.sh PATH/TO/kelvane
set -euo pipefail
program="$1"
here="$(cd "$(dirname "$0")" && pwd)"
python=/usr/bin/python3 # Debian's own, which has the pyatspi module
for tool in dbus-run-session xvfb-run xdotool "$python"; do
    if ! command -v "$tool" >/dev/null; then
        echo "SKIPPED: $tool is not installed (Debian packages dbus, xvfb, xdotool, python3)"
        exit 77
    fi
done
if ! "$python" -c 'import pyatspi' 2>/dev/null || [ ! -x /usr/libexec/at-spi-bus-launcher ]; then
    echo "SKIPPED: AT-SPI is not installed (Debian packages at-spi2-core and python3-pyatspi)"
    exit 77
fi
exec dbus-run-session -- xvfb-run -a -s "-screen 0 1280x1024x24" \
    "$python" "$here/screen-reader.py" "$program"
