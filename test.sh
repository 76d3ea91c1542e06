#!/usr/bin/env bash
# Installs what is missing, checks the C++ files' format, builds with
# AddressSanitizer and UndefinedBehaviorSanitizer in build-asan/ (warnings
# are errors) and runs every test: the CMake preset "asan".
set -euo pipefail
cd "$(dirname "$0")"
./scripts/install-deps.sh

# Every C++ file of the project is as clang-format (.clang-format) leaves it.
if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
  mapfile -t sources < <(git ls-files '*.cc' '*.h')
else
  mapfile -t sources < <(find src tests fuzz bench -name '*.cc' -o -name '*.h')
fi
if ! clang-format --dry-run --Werror "${sources[@]}"; then
  echo "test.sh: the files above are not formatted; run clang-format -i on them" >&2
  exit 1
fi

cmake --preset asan >/dev/null
cmake --build --preset asan
ctest --preset asan
