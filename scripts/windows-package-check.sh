#!/usr/bin/env bash
# Checks the Windows packages under Wine. The portable zip is unpacked into a user folder
# named "Zoë": the program starts there, finds its table and keeps the favourite beside
# itself, and kelvane-calc.exe computes from the same table. The installer installs silently (/S) into the build's Wine prefix; what it laid
# out and registered is checked and the installed program started; then it uninstalls
# silently, and everything must be gone except the user's favourite.
#   scripts/windows-package-check.sh build-windows/Kelvane-...-windows-x64.zip \
#       build-windows/Kelvane-...-setup.exe
set -euo pipefail
cd "$(dirname "$0")/.."
zip="$(realpath "${1:?portable zip}")"
installer="$(realpath "${2:?installer}")"
wine=scripts/wine-run.sh
export WINEPREFIX="${WINEPREFIX:-$PWD/build-windows/wineprefix}"
drive_c="$WINEPREFIX/drive_c"
folder="$drive_c/Program Files/Kelvane"
menu="$drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Kelvane.lnk"
key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Kelvane'
fail() { echo "package check: $*" >&2; exit 1; }

# Starts a Windows program on a virtual display for a few seconds: it must still be
# running then (a missing DLL or plugin ends it at once). Wine's own desktop processes
# end with the display, before it goes.
keeps_running() {
    local status=0
    # shellcheck disable=SC2016 # the inner script's own variables
    xvfb-run -a bash -c 'timeout 8 "$0" "$1"; status=$?; /usr/lib/wine/wineserver -k; exit $status' \
        "$wine" "$1" >/dev/null 2>&1 || status=$?
    [ "$status" -eq 124 ] || fail "$1 ended by itself ($status)"
}

# The portable zip, unpacked under a folder whose name is not plain ASCII.
user="$drive_c/users/Zoë"
rm -rf "$user" && mkdir -p "$user"
(cd "$user" && cmake -E tar xf "$zip")
portable="$(find "$user" -maxdepth 1 -name 'Kelvane-*' -type d)"
[ -f "$portable/bin/Qt6PrintSupport.dll" ] || fail "the zip lacks Qt6PrintSupport.dll, which printing needs"
[ "$(find "$portable" -type f | wc -l)" -le 18 ] || fail "the zip holds more than the program needs"
for language in de fr nl es it pl; do
    [ -f "$portable/bin/translations/qtbase_$language.qm" ] || fail "the zip lacks Qt's $language texts"
done
keeps_running "$portable/bin/kelvane.exe"
# The command-line calculators find the same table from the same folder.
calc="$("$wine" "$portable/bin/kelvane-calc.exe" round 50 3000 4)"
grep -q 'Total Weight: 41.23 kg' <<<"$calc" || fail "no weight from kelvane-calc.exe: $calc"
replies="$(printf '%s\n' '["start"]' '["type","50\r3000\r4"]' '["get","RKGQtyLabel"]' \
    '["menu","Material","#2"]' '["answer","yes"]' '["close"]' |
    "$wine" build-windows/bin/kelvane-drive.exe --program-dir "$portable/bin")"
grep -q '"text":"41.23 kg"' <<<"$replies" || fail "no weight from the portable table: $replies"
[ "$(cat "$portable/bin/Material.txt")" = $'Nylon 6 (PA6)\r' ] ||
    fail "the portable copy did not keep the favourite beside itself"
rm -rf "$user"

rm -rf "$folder"
"$wine" "$installer" /S
for file in bin/kelvane.exe bin/kelvane-calc.exe bin/Qt6Widgets.dll bin/Qt6PrintSupport.dll \
    bin/platforms/qwindows.dll bin/styles/qwindowsvistastyle.dll bin/translations/qtbase_de.qm \
    bin/translations/qtbase_pl.qm Data/Density_Plastics.csv Uninstall.exe; do
    [ -f "$folder/$file" ] || fail "$file was not installed"
done
[ -f "$menu" ] || fail "no Start-menu entry"
"$wine" reg query "$key" /v UninstallString 2>/dev/null | grep -q 'Uninstall.exe' ||
    fail "the uninstaller is not registered"
[ "$(find "$folder" -type f | wc -l)" -le 19 ] || fail "more files installed than the program needs"

keeps_running "$folder/bin/kelvane.exe"
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
echo "package check: the portable zip runs from a folder \"Zoë\"; silent install and uninstall passed"
