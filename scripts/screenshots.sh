#!/usr/bin/env bash
# Renders a PNG of each visible page and of the about box through the driver, into
# docs/screenshots/ (or the folder given). Offscreen by default; QT_QPA_PLATFORM=xcb under
# xvfb-run gives the look of a real X display. QT_SCALE_FACTOR=1.5 or 2 shows the layout at
# that scaling. Exits non-zero when the driver fails, a command is refused, or a picture
# is not written. KELVANE_DRIVE names another driver command, such as the Windows build's
# under Wine:
#   xvfb-run -a env QT_QPA_PLATFORM=windows \
#       KELVANE_DRIVE="scripts/wine-run.sh build-windows/bin/kelvane-drive.exe" \
#       scripts/screenshots.sh docs/screenshots/windows
set -euo pipefail
cd "$(dirname "$0")/.."
read -ra drive <<<"${KELVANE_DRIVE:-build/bin/kelvane-drive}"
out="${1:-docs/screenshots}"
pictures=(round polygon flat-square plate-sheet tube quote metric-imperial about round-imperial
    round-de)

# The about box's title asks for Calibri; Carlito has its measures and stands in for it, so
# the pictures come out the same on every machine (without it the title falls back to
# another, wider face).
scripts/install-packages.sh fonts-crosextra-carlito

# The README's own driver is brought up to date with the sources; another one named is
# used as it is.
if [ -z "${KELVANE_DRIVE:-}" ]; then
    [ -f build/CMakeCache.txt ] || cmake --preset default >/dev/null
    cmake --build --preset default --target kelvane-drive >/dev/null
fi

mkdir -p "$out"
for picture in "${pictures[@]}"; do
    rm -f "$out/$picture.png"
done

replies=$({
    echo '["start"]'
    # The quote list is kept between runs: it starts empty for the pictures.
    echo '["page","Quote"]'
    echo '["answer","yes"]'
    echo '["click","QuoteClearBtn"]'
    echo '["page","Round"]'
    echo '["focus","RDiaEdit"]'
    echo '["type","50\r3000\r4"]'
    echo "[\"screenshot\",\"$out/round.png\"]"
    echo '["click","RAddBtn"]'
    echo '["page","Polygon"]'
    echo '["focus","PAFEdit"]'
    echo '["type","36\r3000\r2"]'
    echo "[\"screenshot\",\"$out/polygon.png\"]"
    echo '["click","PAddBtn"]'
    echo '["page","Flat/Square"]'
    echo '["focus","BWidthEdit"]'
    echo '["type","50\r10\r2000\r5"]'
    echo "[\"screenshot\",\"$out/flat-square.png\"]"
    echo '["click","BAddBtn"]'
    echo '["page","Plate/Sheet"]'
    echo '["focus","SLengthEdit"]'
    echo '["type","2000\r1000\r10\r3"]'
    echo "[\"screenshot\",\"$out/plate-sheet.png\"]"
    echo '["click","SAddBtn"]'
    echo '["page","Tube"]'
    echo '["focus","TODEdit"]'
    echo '["type","60\r5\r6000\r2"]'
    echo "[\"screenshot\",\"$out/tube.png\"]"
    echo '["click","TAddBtn"]'
    echo '["page","Quote"]'
    echo "[\"screenshot\",\"$out/quote.png\"]"
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
} | "${drive[@]}") || {
    echo "the driver failed (exit status $?)" >&2
    exit 1
}

# The Round page in inches and pounds, from a program folder of its own, so the units
# chosen are kept in a settings file there and never beside the build's programs.
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
mkdir -p "$scratch/bin" "$scratch/Data"
cp Data/Density_Plastics.csv "$scratch/Data/"
replies+=$'\n'$({
    echo '["start"]'
    echo '["menu","Material","Mild Steel"]'
    echo '["menu","Options","Units","Inches and Pounds"]'
    echo '["focus","RDiaEdit"]'
    echo '["type","2\r12'"'"'\r4"]'
    echo "[\"screenshot\",\"$out/round-imperial.png\"]"
} | "${drive[@]}" --program-dir "$scratch/bin") || {
    echo "the driver failed (exit status $?)" >&2
    exit 1
}

# The Round page in German, as a user whose desktop prefers German sees it.
mkdir -p "$scratch/de/bin" "$scratch/de/Data"
cp Data/Density_Plastics.csv "$scratch/de/Data/"
replies+=$'\n'$({
    echo '["start"]'
    echo '["menu","Material","Mild Steel"]'
    echo '["type","50\r3000\r4"]'
    echo "[\"screenshot\",\"$out/round-de.png\"]"
} | "${drive[@]}" --program-dir "$scratch/de/bin" --language de) || {
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
