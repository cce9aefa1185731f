#!/usr/bin/env bash
# Renders the 48 x 48 PNG icons from their SVG sources (needs rsvg-convert, Debian librsvg2-bin).
set -euo pipefail
cd "$(dirname "$0")"
for name in tollard vennick; do
  rsvg-convert -w 48 -h 48 "$name.svg" -o "$name.png"
done
