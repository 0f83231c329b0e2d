#!/usr/bin/env bash
# Renders a PNG of each visible page and of the about box through the driver, into
# docs/screenshots/ (or the folder given). Offscreen by default; QT_QPA_PLATFORM=xcb under
# xvfb-run gives the look of a real X display. QT_SCALE_FACTOR=1.5 or 2 shows the layout at
# that scaling. Exits non-zero when the driver fails, a command is refused, or a picture
# is not written.
set -euo pipefail
cd "$(dirname "$0")/.."
drive="${KELVANE_DRIVE:-build/bin/kelvane-drive}" # another build's driver may be named
out="${1:-docs/screenshots}"
pictures=(round polygon flat-square plate-sheet tube metric-imperial about)

# The driver is brought up to date with the sources, in the build folder of the README's set-up.
[ -f build/CMakeCache.txt ] || cmake --preset default >/dev/null
cmake --build --preset default --target kelvane-drive >/dev/null

mkdir -p "$out"
for picture in "${pictures[@]}"; do
    rm -f "$out/$picture.png"
done

replies=$({
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
} | "$drive") || {
    echo "the driver failed (exit status $?)" >&2
    exit 1
}

if refused=$(grep -v '"ok":true' <<<"$replies"); then
    echo "a command failed: $refused" >&2
    exit 1
fi
for picture in "${pictures[@]}"; do
    if [ ! -s "$out/$picture.png" ]; then
        echo "no picture written: $out/$picture.png" >&2
        exit 1
    fi
done
ls "$out"
