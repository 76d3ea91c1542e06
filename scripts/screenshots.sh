#!/usr/bin/env bash
# Pictures of the window's four tabs with a real document loaded, for the
# README: builds Release, opens FILE.VQ5 (default: the demo file of the
# tests) in the window under a virtual X display and saves one picture per
# tab in docs/screenshots/, in English and in Japanese (*_ja.png); a few
# with a dark palette (dark_*.png) and a 150 % font (large_*.png); then the
# first page of its printout (`vrq5 print`) as print_page.png.
#
#   scripts/screenshots.sh [FILE.VQ5]
set -euo pipefail
cd "$(dirname "$0")/.."
file=${1:-tests/data/demo.VQ5}
./scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build --target vrq5_screenshot_tour vrq5 >&2
mkdir -p docs/screenshots
runtime=$(mktemp -d)
trap 'rm -rf "$runtime"' EXIT
XDG_RUNTIME_DIR=$runtime xvfb-run -a -s "-screen 0 1280x900x24 -dpi 96" \
  build/tests/gui/vrq5_screenshot_tour "$file" docs/screenshots
XDG_RUNTIME_DIR=$runtime xvfb-run -a -s "-screen 0 1280x900x24 -dpi 96" \
  build/tests/gui/vrq5_screenshot_tour "$file" docs/screenshots ja _ja
# A few pages again with a dark palette, and with the font half as large
# again (on a screen that holds the larger window).
XDG_RUNTIME_DIR=$runtime xvfb-run -a -s "-screen 0 1280x900x24 -dpi 96" \
  build/tests/gui/vrq5_screenshot_tour --dark \
  --only memory,channel_map,editor "$file" docs/screenshots
XDG_RUNTIME_DIR=$runtime xvfb-run -a -s "-screen 0 1920x1200x24 -dpi 96" \
  build/tests/gui/vrq5_screenshot_tour --font-scale 1.5 \
  --only memory,settings1,map_table "$file" docs/screenshots
build/src/vrq5 print "$file" -o "$runtime/print.pdf" >/dev/null
pdftoppm -png -r 70 -f 1 -l 1 -singlefile "$runtime/print.pdf" \
  docs/screenshots/print_page
ls docs/screenshots/*.png
