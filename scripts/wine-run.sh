#!/usr/bin/env bash
# Runs a 64-bit Windows program under Wine: the emulator of the Windows build.
#   scripts/wine-run.sh PROGRAM.exe [ARGUMENTS...]
# The Wine prefix is build-windows/wineprefix unless WINEPREFIX says otherwise; Wine's
# own messages are off unless WINEDEBUG says otherwise. Qt's variables (QT_QPA_PLATFORM,
# QT_SCALE_FACTOR...) reach the program.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
export WINEPREFIX="${WINEPREFIX:-$root/build-windows/wineprefix}"
export WINEDEBUG="${WINEDEBUG:--all}"
# No Wine Mono or Gecko install prompts when a new prefix is made.
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
# Wine hands QT_* variables to Windows programs only when given as WINEQT_*.
for name in $(compgen -e); do
    if [[ $name == QT_* ]]; then export "WINE$name=${!name}"; fi
done
wine=/usr/lib/wine/wine64
[ -x "$wine" ] || wine="$(command -v wine64 || command -v wine)"
exec "$wine" "$@"
