#!/usr/bin/env bash
# Installs what is missing, builds with AddressSanitizer and
# UndefinedBehaviorSanitizer in build-asan/ (warnings are errors) and runs
# every test: the CMake preset "asan".
set -euo pipefail
cd "$(dirname "$0")"
./scripts/install-deps.sh
cmake --preset asan >/dev/null
cmake --build --preset asan
ctest --preset asan
