#!/usr/bin/env bash
# Renders the application icon's PNGs from its two drawings. The PNGs are
# committed: the 16 px one is drawn pixel by pixel and looked at by eye after
# each change, and building or packaging Scrivlet then needs no SVG renderer.
# Needs rsvg-convert (Debian: librsvg2-bin). Run it after changing an SVG.
set -euo pipefail
cd "$(dirname "$0")"
id=org.scrivlet.Scrivlet
for size in 16 22 24 32 48 64 128 256; do
    source=$id.svg
    if [ "$size" -eq 16 ]; then
        source=scrivlet-16.svg
    fi
    mkdir -p "hicolor/${size}x${size}/apps"
    rsvg-convert -w "$size" -h "$size" "$source" -o "hicolor/${size}x${size}/apps/$id.png"
done
