#!/usr/bin/env bash
# Installs Kelvane silently (/S) into the build's Wine prefix, checks what the installer
# laid out and registered and that the installed program computes, then uninstalls
# silently and checks that everything went except the user's favourite.
#   scripts/windows-installer-check.sh build-windows/Kelvane-...-setup.exe
set -euo pipefail
cd "$(dirname "$0")/.."
installer="$(realpath "${1:?installer}")"
wine=scripts/wine-run.sh
export WINEPREFIX="${WINEPREFIX:-$PWD/build-windows/wineprefix}"
drive_c="$WINEPREFIX/drive_c"
folder="$drive_c/Program Files/Kelvane"
menu="$drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Kelvane.lnk"
key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Kelvane'
fail() { echo "installer check: $*" >&2; exit 1; }

rm -rf "$folder"
"$wine" "$installer" /S
for file in bin/kelvane.exe bin/Qt6Widgets.dll bin/platforms/qwindows.dll \
    bin/styles/qwindowsvistastyle.dll Data/Density_Plastics.csv Uninstall.exe; do
    [ -f "$folder/$file" ] || fail "$file was not installed"
done
[ -f "$menu" ] || fail "no Start-menu entry"
"$wine" reg query "$key" /v UninstallString 2>/dev/null | grep -q 'Uninstall.exe' ||
    fail "the uninstaller is not registered"
[ "$(find "$folder" -type f | wc -l)" -le 12 ] || fail "more files installed than the program needs"

# The installed program starts on a virtual display with the DLLs and plugins installed
# beside it (a missing one ends it at once) and keeps running until it is stopped.
# Wine's own desktop processes end with the display, before it goes.
status=0
# shellcheck disable=SC2016 # the inner script's own variables
xvfb-run -a bash -c 'timeout 8 "$0" "$1"; status=$?; /usr/lib/wine/wineserver -k; exit $status' \
    "$wine" "$folder/bin/kelvane.exe" >/dev/null 2>&1 || status=$?
[ "$status" -eq 124 ] || fail "the installed kelvane.exe ended by itself ($status)"
# The installed layout lets the program find its table and compute.
# shellcheck disable=SC1003 # a Windows folder, its backslashes meant
replies="$(printf '%s\n' '["start"]' '["type","50\r3000\r4"]' '["get","RKGQtyLabel"]' |
    "$wine" build-windows/bin/kelvane-drive.exe --program-dir 'C:\Program Files\Kelvane\bin\')"
grep -q '"text":"41.23 kg"' <<<"$replies" || fail "no weight from the installed table: $replies"

# A favourite kept beside the program stays through an uninstall.
printf 'Acetal\r\n' >"$folder/bin/Material.txt"
"$wine" "$folder/Uninstall.exe" /S
# The uninstaller copies itself away and returns at once: wait for it to finish.
for _ in $(seq 60); do
    [ -f "$folder/Uninstall.exe" ] || break
    sleep 1
done
"$wine" wineboot --shutdown >/dev/null 2>&1 || true
[ ! -f "$menu" ] || fail "the Start-menu entry is left"
[ ! -f "$folder/Uninstall.exe" ] || fail "the uninstaller is left"
left="$(cd "$folder" && find . -type f)"
[ "$left" = "./bin/Material.txt" ] || fail "left after uninstalling: $left"
"$wine" reg query "$key" >/dev/null 2>&1 && fail "the uninstaller is still registered"
rm -rf "$folder"
echo "installer check: silent install and uninstall passed"
