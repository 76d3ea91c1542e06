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
cmake --preset release >/dev/null
cmake --build --preset window >&2
exec ./build/src/gui/vrq5-clone "$@"
