#!/usr/bin/env bash
# Renders the committed PNGs from their SVG sources: the icon sizes of the hicolor theme and
# the About box's picture. Run after editing an SVG (needs rsvg-convert, Debian librsvg2-bin).
set -euo pipefail
cd "$(dirname "$0")/.."
sizes=$(sed -n 's/^set(PELMORA_ICON_SIZES \(.*\))$/\1/p' CMakeLists.txt)
for size in $sizes; do
  rsvg-convert -w "$size" -h "$size" packaging/icons/pelmora.svg -o "packaging/icons/pelmora-$size.png"
done
rsvg-convert -w 150 -h 214 app/About.svg -o app/About.png
