#!/usr/bin/env bash
# Renders the PNG sizes of the application icon from its SVG drawing.
# Run it after changing data/icons/org.zmp.zmp.svg and commit the PNGs, so
# that a build needs no SVG renderer. Needs rsvg-convert (librsvg2-bin).
set -euo pipefail
cd "$(dirname "$0")/../data/icons"
for size in 16 24 32 48 64 128 256; do
  rsvg-convert -w "$size" -h "$size" org.zmp.zmp.svg -o "org.zmp.zmp-$size.png"
done
