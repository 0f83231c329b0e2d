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
# Qt's offscreen platform reads its fonts from one folder only, by default a "fonts"
# folder beside Qt's libraries that the build has not; without one every letter is a
# box as wide as the font is high and layouts come out far too wide. It is pointed at
# the Windows Fonts folder, so text has the measures it has on the windows platform.
if [ "${QT_QPA_PLATFORM:-}" = offscreen ]; then
    export QT_QPA_FONTDIR="${QT_QPA_FONTDIR:-C:\windows\Fonts}"
fi
# Wine hands QT_* variables to Windows programs only when given as WINEQT_*.
for name in $(compgen -e); do
    if [[ $name == QT_* ]]; then export "WINE$name=${!name}"; fi
done
wine=/usr/lib/wine/wine64
[ -x "$wine" ] || wine="$(command -v wine64 || command -v wine)"

# A new prefix is made once (tests may start several programs at once), with the fonts
# of a Windows desktop: Wine's Tahoma in its Fonts folder, and Carlito, which has
# Calibri's measures, standing in for Calibri.
if [ ! -f "$WINEPREFIX/.kelvane-ready" ]; then
    mkdir -p "$(dirname "$WINEPREFIX")"
    (
        flock 9
        if [ ! -f "$WINEPREFIX/.kelvane-ready" ]; then
            "$wine" wineboot --init >/dev/null 2>&1
            cp /usr/share/wine/fonts/tahoma*.ttf "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null ||
                echo "wine-run.sh: no Tahoma (Debian package fonts-wine)" >&2
            "$wine" reg add 'HKCU\Software\Wine\Fonts\Replacements' /v Calibri /d Carlito /f \
                >/dev/null 2>&1
            touch "$WINEPREFIX/.kelvane-ready"
        fi
    ) 9>"$WINEPREFIX.lock"
fi
exec "$wine" "$@"
