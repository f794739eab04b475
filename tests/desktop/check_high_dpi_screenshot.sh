#!/bin/sh
# SPDX-FileCopyrightText: 2026 The Tagwright developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Shows the window under a virtual X server at scale factors 1 and 2 and compares the two
# screenshots: at 2 the X window must be exactly twice as wide and high, and halved again it
# must look like the window at 1, which holds only when every control grew with the window.
# Usage: check_high_dpi_screenshot.sh BINARY SCREENSHOT_TOOL OUTPUT_DIR
set -eu
binary=$1
screenshot=$2
output=$3

for tool in xvfb-run xdotool import identify compare; do
    if ! command -v "$tool" >/dev/null; then
        echo "SKIP: $tool is not installed (tools/install-deps installs it)"
        exit 77
    fi
done

mkdir -p "$output"
runtime=$(mktemp -d)
trap 'rm -rf "$runtime"' EXIT
export XDG_RUNTIME_DIR="$runtime"
env -u QT_SCALE_FACTOR "$screenshot" "$binary" "$output/scale-1.png"
env QT_SCALE_FACTOR=2 "$screenshot" "$binary" "$output/scale-2.png"

single=$(identify -format '%wx%h' "$output/scale-1.png")
double=$(identify -format '%wx%h' "$output/scale-2.png")
echo "window at scale 1: $single; at scale 2: $double (screenshots in $output)"
[ "${single%x*}" -ge 542 ] || { echo "FAIL: the window at scale 1 is $single, under 542x632" >&2; exit 1; }
[ "$double" = "$((${single%x*} * 2))x$((${single#*x} * 2))" ] ||
    { echo "FAIL: the window at scale 2 is $double, not twice $single" >&2; exit 1; }

# Root mean square difference, 0 to 1. Font rendering at the two sizes differs by about 0.03;
# controls left at their unscaled size, or shifted by a few pixels, differ by 0.09 or more.
convert "$output/scale-2.png" -resize 50% "$output/scale-2-halved.png"
difference=$(compare -metric RMSE "$output/scale-1.png" "$output/scale-2-halved.png" null: 2>&1 |
    sed -n 's/.*(\([0-9.e-]*\)).*/\1/p')
echo "difference between scale 1 and scale 2 halved: $difference"
awk -v difference="$difference" 'BEGIN { exit !(difference != "" && difference < 0.05) }' ||
    { echo "FAIL: at scale 2 the window does not look like the window at scale 1" >&2; exit 1; }
