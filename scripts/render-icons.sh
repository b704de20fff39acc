#!/usr/bin/env bash
# Renders the program icon (assets/icons/quorvex.svg) into the PNG sizes of the
# hicolor icon theme, assets/icons/quorvex-N.png, and packs them into the Windows
# icon assets/icons/quorvex.ico (ImageMagick). Run it after changing the drawing;
# the PNGs are kept in the repository so that a build needs no SVG renderer.
set -euo pipefail
cd "$(dirname "$0")/../assets/icons"
command -v rsvg-convert >/dev/null || { echo "render-icons: needs rsvg-convert (librsvg2-bin)" >&2; exit 1; }
for size in 16 24 32 48 64 128 256; do
    rsvg-convert --width "$size" --height "$size" quorvex.svg --output "quorvex-$size.png"
done
convert quorvex-16.png quorvex-24.png quorvex-32.png quorvex-48.png quorvex-64.png \
    quorvex-256.png quorvex.ico
