#!/usr/bin/env bash
# Renders a PNG of each visible page and of the about box through the driver, into
# docs/screenshots/. Offscreen by default; QT_QPA_PLATFORM=xcb under xvfb-run gives the
# look of a real X display. QT_SCALE_FACTOR=1.5 or 2 shows the layout at that scaling.
set -euo pipefail
cd "$(dirname "$0")/.."
drive="${KELVANE_DRIVE:-build/bin/kelvane-drive}" # another build's driver may be named
out="${1:-docs/screenshots}"
mkdir -p "$out"
[ -x "$drive" ] || cmake --build --preset default --target kelvane-drive >/dev/null

{
    echo '["start"]'
    echo '["type","50\r3000\r4"]'
    echo "[\"screenshot\",\"$out/round.png\"]"
    echo '["page","Polygon"]'
    echo '["focus","PAFEdit"]'
    echo '["type","36\r3000\r2"]'
    echo "[\"screenshot\",\"$out/polygon.png\"]"
    echo '["page","Flat/Square"]'
    echo '["focus","BWidthEdit"]'
    echo '["type","50\r10\r2000\r5"]'
    echo "[\"screenshot\",\"$out/flat-square.png\"]"
    echo '["page","Plate/Sheet"]'
    echo '["focus","SLengthEdit"]'
    echo '["type","2000\r1000\r10\r3"]'
    echo "[\"screenshot\",\"$out/plate-sheet.png\"]"
    echo '["page","Tube"]'
    echo '["focus","TODEdit"]'
    echo '["type","60\r5\r6000\r2"]'
    echo "[\"screenshot\",\"$out/tube.png\"]"
    echo '["page","M/I"]'
    echo '["focus","MIConvEdit"]'
    echo '["type","12'"'"'9.3/4\""]'
    echo "[\"screenshot\",\"$out/metric-imperial.png\"]"
    echo '["key","Ctrl+F"]'
    echo '["type","steel"]'
    echo "[\"screenshot\",\"$out/finder.png\"]"
    echo '["key","Escape"]'
    echo '["menu","Help","About"]'
    echo "[\"screenshot\",\"$out/about.png\"]"
    echo '["key","Escape"]'
} | "$drive" | grep -v '"ok":true' && { echo "a command failed" >&2; exit 1; } || true
ls "$out"
