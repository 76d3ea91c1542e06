#!/usr/bin/env bash
# Installs what is missing, builds Release in build/ and starts the program
# with the given arguments (no arguments: shows the new default document).
set -euo pipefail
cd "$(dirname "$0")"
./scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build --target vrq5 >&2
if [ $# -eq 0 ]; then
  exec ./build/src/vrq5 info
fi
exec ./build/src/vrq5 "$@"
