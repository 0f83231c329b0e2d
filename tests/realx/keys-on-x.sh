#!/usr/bin/env bash
# Keys as a real X server sends them: runs kelvane-drive on the xcb platform under
# xvfb-run, presses keys with xdotool and reads the window's state back through the
# driver. Exits 77 (skipped) when xvfb-run or xdotool is not installed.
#   keys-on-x.sh PATH/TO/kelvane-drive
set -euo pipefail
drive="$1"
for tool in xvfb-run xdotool; do
    if ! command -v "$tool" >/dev/null; then
        echo "SKIPPED: $tool is not installed (Debian packages xvfb and xdotool)"
        exit 77
    fi
done
if [ -z "${KELVANE_ON_X:-}" ]; then
    KELVANE_ON_X=1 exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi

folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
mkdir -p "$folder/bin" "$folder/Data"
printf 'Acetal,1.38\r\nMild Steel,7.85\r\nNylon 6,1.14\r\n' >"$folder/Data/Density_Plastics.csv"

coproc DRIVE { QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR=1 "$drive" --program-dir "$folder/bin/" \
    --user-data-dir "$folder/user" 2>/dev/null; }
failures=0

# Sends one command and prints the reply's value.
send() {
    echo "$1" >&"${DRIVE[1]}"
    local reply
    IFS= read -r -t 20 reply <&"${DRIVE[0]}" || { echo "no reply to $1" >&2; exit 1; }
    case "$reply" in *'"ok":true'*) ;; *) echo "command $1 failed: $reply" >&2; exit 1 ;; esac
    sed -e 's/.*"value"://' -e 's/}$//' <<<"$reply"
}

# Presses keys on the real display, then lets the program handle them.
press() {
    xdotool key --delay 30 "$@"
    send '["wait",150]' >/dev/null
}
typed() {
    xdotool type --delay 30 "$1"
    send '["wait",150]' >/dev/null
}

expect() { # name, command, text the reply must contain
    local got
    got=$(send "$2")
    if [[ "$got" == *"$3"* ]]; then
        echo "ok   $1"
    else
        echo "FAIL $1: $2 gave $got, expected to contain $3"
        failures=$((failures + 1))
    fi
}

send '["start"]' >/dev/null
window=$(xdotool search --sync --name '^Kelvane$' | head -1)
xdotool windowfocus --sync "$window"
send '["wait",200]' >/dev/null

# Keyboard alone, from the focus start-up gives: every page filled, the polygon's shape
# changed, each result copied and the page cleared, then back along the tab row.
focused() { # name of a control that must have the focus
    expect "$1 has the focus" '["get","'"$1"'"]' '"focused":true'
}
typed_walking() { # the page's values, Enter between them
    local first=1 value
    for value in "$@"; do
        ((first)) || press Return
        first=0
        typed "$value"
    done
}
copies_each() { # copy-button:label pairs, each reached with Tab and pressed with Space
    local pair shown
    for pair in "$@"; do
        press Tab
        focused "${pair%%:*}"
        press space
        shown=$(send '["get","'"${pair#*:}"'"]')
        shown=$(sed -e 's/.*"text":"\([^ "]*\).*/\1/' <<<"$shown")
        expect "${pair%%:*} copies $shown" '["clipboard"]' "\"$shown\""
    done
}
weight_page() { # page, first box, last result label, values, then copy-button:label pairs
    local page=$1 box=$2 total=$3 values=$4
    shift 4
    expect "$page is shown" '["tabs"]' '"active":"'"$page"'"'
    focused "$box"
    # shellcheck disable=SC2086
    typed_walking $values
    expect "$page is worked out" '["get","'"$total"'"]' '"text":"'
    if [ "$page" = Polygon ]; then
        press Tab
        focused PCombo
        press Down
        expect "Down changes the shape" '["get","PCombo"]' '"current":"Octagon"'
        press shift+Tab alt+p
        focused PCombo
    fi
    press Tab
    focused "${box:0:1}ClearButton"
    press Tab
    focused "${box:0:1}AddBtn"
    press space
    added=$((added + 1))
    expect "Space on Add to Quote adds $page" '["get","QuoteCountLabel"]' "\"text\":\"$added item"
    copies_each "$@"
    press alt+c
    expect "Alt+C clears $page" '["get","'"$box"'"]' '"text":""'
    expect "$page's results are cleared" '["get","'"$total"'"]' '"text":"0.00 kg"'
    press ctrl+Tab
}
added=0
weight_page Round RDiaEdit RKGQtyLabel "50 3000 4" \
    RKGMCopyBtn:RKGMLabel RKGBCopyBtn:RKGBarLabel RKGQCopyBtn:RKGQtyLabel
weight_page Polygon PAFEdit PKGQtyLabel "50 3000 4" \
    PKGMCopyBtn:PKGMLabel PKGBCopyBtn:PKGBarLabel PKGQCopyBtn:PKGQtyLabel
weight_page Flat/Square BWidthEdit BKGQtyLabel "50 20 3000 4" \
    BKGMCopyBtn:BKGMLabel BKGBarCopyBtn:BKGBarLabel BKGQtyCopyBtn:BKGQtyLabel
weight_page Plate/Sheet SLengthEdit SKGQtyLabel "2000 1000 10 3" \
    SKGSQMCopyBtn:SKGSQMLabel SKGSheetCopyBtn:SKGSheetLabel SKGQtyCopyBtn:SKGQtyLabel
weight_page Tube TODEdit TKGQtyLabel "60 5 3000 2" \
    TKGMCopyBtn:TKGMLabel TKGBarCopyBtn:TKGBarLabel TKGQtyCopyBtn:TKGQtyLabel
expect "M/I is shown" '["tabs"]' '"active":"M/I"'
focused MIConvEdit
typed 12.7
expect "M/I converts" '["get","ImpLabel1"]' '"text":"0'"'"'0.1/2\"'
press shift+Tab
focused PageControl1Tabs
press Left
expect "Left on the tab row shows the previous page" '["tabs"]' '"active":"Tube"'
press Right
expect "Right on the tab row shows the next page" '["tabs"]' '"active":"M/I"'
press Home
expect "Home on the tab row shows the first page" '["tabs"]' '"active":"Round"'
press Tab
focused RDiaEdit

press ctrl+Tab
expect "Ctrl+Tab shows the next page" '["tabs"]' '"active":"Polygon"'
press ctrl+shift+Tab
expect "Ctrl+Shift+Tab shows the previous page" '["tabs"]' '"active":"Round"'
press ctrl+shift+Tab
expect "Ctrl+Shift+Tab wraps to the last tab" '["tabs"]' '"active":"Quote"'
press ctrl+Tab

send '["focus","RDiaEdit"]' >/dev/null
typed 20
press ctrl+Tab ctrl+shift+Tab
typed 33
expect "typing after a page switch replaces the value" '["get","RDiaEdit"]' '"text":"33"'

press Return
typed 1000
press shift+Tab
typed 50
expect "Shift+Tab selects the whole text of the box it reaches" '["get","RDiaEdit"]' '"text":"50"'
press Tab
typed 2000
expect "Tab selects the whole text of the box it reaches" '["get","RLengthEdit"]' '"text":"2000"'

press ctrl+f
expect "Ctrl+F opens the material finder" '["window"]' '"title":"Find Material"'
typed ny
press Return
expect "the finder's choice becomes the current material" '["statusbar"]' '"text":"Material: Nylon 6"'
expect "the finder gives the keys back to the main window" '["window"]' '"title":"Kelvane"'

# Alt with a letter is an access key or nothing; it never types the letter.
send '["paste","RDiaEdit",""]' >/dev/null
send '["focus","RDiaEdit"]' >/dev/null
typed 50
press alt+x alt+q
expect "Alt with a letter types nothing" '["get","RDiaEdit"]' '"text":"50"'
press alt+c
expect "Alt+C presses the page's Clear button" '["get","RDiaEdit"]' '"text":""'

# The desktop's editing keys, in both their forms.
typed 50
press ctrl+a ctrl+c Tab ctrl+v
expect "Ctrl+C and Ctrl+V copy a value into another box" '["get","RLengthEdit"]' '"text":"50"'
press ctrl+a ctrl+x
expect "Ctrl+X cuts" '["get","RLengthEdit"]' '"text":""'
press ctrl+z
expect "Ctrl+Z undoes" '["get","RLengthEdit"]' '"text":"50"'
press shift+Tab shift+Delete
expect "Shift+Delete cuts" '["get","RDiaEdit"]' '"text":""'
press shift+Insert
expect "Shift+Insert pastes" '["get","RDiaEdit"]' '"text":"50"'
expect "a pasted value is worked out (Nylon 6)" '["get","RKGMLabel"]' '"text":"2.95 kg"'
press ctrl+a
typed 7
press ctrl+a ctrl+Insert Tab shift+Insert
expect "Ctrl+Insert copies" '["get","RLengthEdit"]' '"text":"7"'

# The conversion page: no Clear button, and a key typed over the selection replaces it.
press ctrl+shift+Tab ctrl+shift+Tab
send '["focus","MIConvEdit"]' >/dev/null
typed '3/16"'
press alt+c
expect "Alt+C types nothing where no button takes it" '["get","MIConvEdit"]' '"text":"3/16\""'
press ctrl+Tab ctrl+shift+Tab
typed 5
expect "a key typed over a selected value replaces it" '["get","MIConvEdit"]' '"text":"5"'

exit "$failures"
