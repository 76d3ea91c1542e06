#!/usr/bin/env bash
# The window as a screen reader reads it: starts a private D-Bus session
# (which starts the accessibility bus), an X server (Xvfb) and the window
# on a clone file, then atspi_read.py reads the window through AT-SPI.
# Usage: atspi_test.sh VRQ5_CLONE CLONE_FILE
# Exit: 0 pass, 1 fail, 77 skipped (no session bus or accessibility bus,
# or no Python with pyatspi). Everything ends within VRQ5_ATSPI_LIMIT
# (60) + 20 s.
set -u
here=$(cd "$(dirname "$0")" && pwd)
limit=${VRQ5_ATSPI_LIMIT:-60}
[ "$limit" -ge 20 ] 2>/dev/null || limit=20

skip() {
  echo "SKIP: $*"
  exit 77
}

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# The second stage runs inside the D-Bus session and the X server.
if [ "${1:-}" = --inner ]; then
  shift
  clone=$1 file=$2 python=$3 work=$4
  window_pid=
  cleanup() {
    if [ -n "$window_pid" ] && kill -0 "$window_pid" 2>/dev/null; then
      kill "$window_pid" 2>/dev/null
      sleep 0.5
      kill -9 "$window_pid" 2>/dev/null
    fi
  }
  trap cleanup EXIT
  trap 'exit 1' INT TERM HUP
  # The accessibility bus is started on demand by the session bus.
  if ! timeout 15 dbus-send --session --print-reply --dest=org.a11y.Bus \
      /org/a11y/bus org.a11y.Bus.GetAddress >"$work/a11y-bus" 2>&1; then
    cat "$work/a11y-bus"
    skip "the accessibility bus (org.a11y.Bus, at-spi2-core) did not start"
  fi
  # The window's settings, recent files and port file live in $work only.
  # LeakSanitizer is off for the window: it ends by a signal, and what Qt,
  # D-Bus and GLib keep until exit is not the project's.
  (
    cd "$work" || exit 1
    export XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data"
    export XDG_CACHE_HOME="$work/cache" HOME="$work/home"
    export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1
    export LC_ALL=C.UTF-8 LANG=C.UTF-8
    export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0"
    export QT_QPA_PLATFORM=xcb
    unset WAYLAND_DISPLAY
    exec "$clone" --lang en "$file"
  ) >"$work/window.log" 2>&1 &
  window_pid=$!
  "$python" "$here/atspi_read.py" --pid "$window_pid" \
    --limit "$((limit - 10))"
  status=$?
  if ! kill -0 "$window_pid" 2>/dev/null; then
    wait "$window_pid"
    echo "FAIL: the window ended early (exit status $?); its output:" >&2
    cat "$work/window.log" >&2
    exit 1
  fi
  if grep -q 'Sanitizer\|runtime error:' "$work/window.log"; then
    echo "FAIL: a sanitizer reported in the window:" >&2
    cat "$work/window.log" >&2
    exit 1
  fi
  if [ "$status" -ne 0 ] && [ -s "$work/window.log" ]; then
    echo "--- the window's output:" >&2
    cat "$work/window.log" >&2
  fi
  exit "$status"
fi

[ $# -eq 2 ] || fail "usage: atspi_test.sh VRQ5_CLONE CLONE_FILE"
clone=$(realpath -- "$1") file=$(realpath -- "$2")
[ -x "$clone" ] || fail "no program $1"
[ -r "$file" ] || fail "no clone file $2"

# pyatspi comes with Debian's python3 (python3-pyatspi), which another
# python3 earlier on PATH (a pyenv one) does not see.
python=
for p in /usr/bin/python3 python3; do
  if command -v "$p" >/dev/null && "$p" -c 'import pyatspi' 2>/dev/null; then
    python=$(command -v "$p")
    break
  fi
done
[ -n "$python" ] || skip "pyatspi is not importable (install python3-pyatspi)"
command -v dbus-run-session >/dev/null ||
  skip "no dbus-run-session (install dbus)"
command -v xvfb-run >/dev/null || fail "no xvfb-run (install xvfb and xauth)"
timeout 15 dbus-run-session -- true >/dev/null 2>&1 ||
  skip "a private D-Bus session bus does not start"

work=$(mktemp -d)
mkdir -p "$work/config" "$work/data" "$work/cache" "$work/home"
mkdir -m 700 "$work/runtime"
trap 'rm -rf "$work"' EXIT
# The accessibility bus puts its socket here, not in the user's folders;
# the private buses replace any of the user's session.
export XDG_RUNTIME_DIR="$work/runtime"
unset AT_SPI_BUS_ADDRESS DBUS_SESSION_BUS_ADDRESS
# timeout ends the whole process group: the bus, the accessibility bus,
# Xvfb and the window.
timeout -k 5 "$((limit + 20))" \
  dbus-run-session -- \
  xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" \
  "$0" --inner "$clone" "$file" "$python" "$work"
status=$?
if [ "$status" -eq 124 ] || [ "$status" -eq 137 ]; then
  fail "timed out after $((limit + 20)) s"
fi
exit "$status"
