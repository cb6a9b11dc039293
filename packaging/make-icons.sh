#!/usr/bin/env bash
# Renders the PNG sizes of the icon from lirabo.svg (needs rsvg-convert from
# librsvg2-bin). Run after changing the drawing; the PNGs are kept in git so
# that the build needs no SVG renderer.
set -euo pipefail
cd "$(dirname "$0")"
mkdir -p icons
for size in 16 24 32 48 64 128 256; do
  rsvg-convert -w "$size" -h "$size" lirabo.svg -o "icons/${size}.png"
done
