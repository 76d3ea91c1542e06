#!/usr/bin/env bash
# Builds the Qt-free core and its tests for 64-bit Windows with MinGW-w64
# in build-windows/ and runs the tests under Wine. Prints GoogleTest's
# closing lines of each test program and a total; exits non-zero when a
# test fails or a program does not finish.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh g++-mingw-w64-x86-64-posix wine64

BUILD=build-windows
JOBS=${JOBS:-2}

cmake -S . -B "$BUILD" -G Ninja \
  -DCMAKE_TOOLCHAIN_FILE="$PWD/cmake/mingw-w64.cmake" \
  -DCMAKE_BUILD_TYPE=Release \
  -DVRQ5_CORE_ONLY=ON \
  -DVRQ5_GTEST_SOURCE=/usr/src/googletest \
  -DVRQ5_WERROR=ON >/dev/null
cmake --build "$BUILD" -j"$JOBS"

WINE=$(command -v wine || command -v wine64 || echo /usr/lib/wine/wine64)
export WINEPREFIX="$PWD/$BUILD/wine"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
export WINEARCH=win64
# No display: Wine's dialogs have nowhere to go.
unset DISPLAY WAYLAND_DISPLAY
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  "$WINE" wineboot -i >/dev/null 2>&1
fi

TESTS=(
  "$BUILD/tests/vrq5_core_tests.exe"
  "$BUILD/tests/files/vrq5_files_tests.exe"
  "$BUILD/tests/link/vrq5_link_tests.exe"
  "$BUILD/tests/radio/vrq5_radio_tests.exe"
)

total_run=0 total_skipped=0 total_failed=0 status=0
for exe in "${TESTS[@]}"; do
  log="$BUILD/$(basename "$exe" .exe).log"
  # (The C runtime writes CR LF; the log keeps plain lines.)
  set +e
  timeout 900 "$WINE" "$exe" 2>&1 | tr -d '\r' >"$log"
  rc=${PIPESTATUS[0]}
  set -e
  echo "== $(basename "$exe")"
  # GoogleTest's closing lines: from "tests ran" to the end.
  sed -n '/test suites\? ran\./,$p' "$log"
  ran=$(sed -n 's/^\[==========\] \([0-9][0-9]*\) tests\? from .* ran\..*/\1/p' "$log")
  skipped=$(sed -n 's/^\[  SKIPPED \] \([0-9][0-9]*\) tests\?, listed below:.*/\1/p' "$log")
  failed=$(sed -n 's/^\[  FAILED  \] \([0-9][0-9]*\) tests\?, listed below:.*/\1/p' "$log")
  # A program that crashed (Wine may still end with 0) prints no summary.
  if [ "$rc" -ne 0 ] || [ -z "$ran" ]; then
    [ -n "$ran" ] || { echo "$exe did not finish (exit $rc); see $log"; tail -5 "$log"; }
    status=1
  fi
  total_run=$((total_run + ${ran:-0} - ${skipped:-0}))
  total_skipped=$((total_skipped + ${skipped:-0}))
  total_failed=$((total_failed + ${failed:-0}))
done
# The console set to UTF-8 needs a console, which Wine gives a program
# started on a terminal: the terminal test once more on a pseudo-terminal.
echo "== the console (on a pseudo-terminal)"
console_log="$BUILD/console.log"
set +e
VRQ5_CONSOLE=1 timeout 300 script -qec \
  "'$WINE' '$BUILD/tests/vrq5_core_tests.exe' --gtest_filter='TerminalTextTest.*' --gtest_color=no" \
  /dev/null </dev/null >"$console_log" 2>&1
rc=$?
set -e
if [ "$rc" -eq 0 ]; then
  echo "TerminalTextTest passed with a console set to UTF-8"
  total_run=$((total_run + 1))
else
  echo "TerminalTextTest failed on a console (exit $rc); see $console_log"
  total_failed=$((total_failed + 1))
fi
echo "== Windows (Wine): $total_run run, $total_skipped skipped, $total_failed failed"
if [ "$total_failed" -ne 0 ]; then status=1; fi
exit "$status"
