#!/usr/bin/env bash
# Installs what is missing, builds Release in build/ and opens the window,
# with the clone file given (if any).
set -euo pipefail
cd "$(dirname "$0")"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "run.sh: no display to open the window on; try 'xvfb-run ./run.sh [FILE.VQ5]', or './build/src/vrq5 --help' for the command line" >&2
  exit 1
fi
./scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build --target vrq5-clone vrq5 >&2
exec ./build/src/gui/vrq5-clone "$@"
