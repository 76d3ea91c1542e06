# Shared by the command-line test scripts, sourced after V (the vrq5
# program) is set: a temporary working folder (removed at the end, with a
# simulated receiver still running stopped), the remembered port and the
# receiver snapshots kept in it, and the checks. Each check that fails prints FAIL and is counted.
dir=$(mktemp -d)
sim_pid=""
cleanup() {
  [ -n "$sim_pid" ] && kill "$sim_pid" 2>/dev/null && wait "$sim_pid" 2>/dev/null
  rm -rf "$dir"
}
trap cleanup EXIT
cd "$dir" || exit 1
export XDG_CONFIG_HOME="$dir/config"
export XDG_DATA_HOME="$dir/data"
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
check() { [ "$2" = "$3" ] || fail "$1 (exit $3, expected $2)"; }
contains() { grep -qF -- "$3" "$2" || { fail "$1: '$3' not in:"; cat "$2"; }; }
lacks() { ! grep -qF -- "$3" "$2" || { fail "$1: '$3' in:"; cat "$2"; }; }

start_sim() {  # start_sim ARGS...: serves until stop_sim; sets $dev
  "$V" sim "$@" > sim.out 2> sim.err &
  sim_pid=$!
  for _ in $(seq 50); do [ -s sim.out ] && break; sleep 0.1; done
  dev=$(head -1 sim.out)
  [ -n "$dev" ] || fail "sim printed no device path"
}
stop_sim() {
  kill -INT "$sim_pid"; wait "$sim_pid"; sim_pid=""
}

finish() {  # finish MESSAGE: the exit status of the script
  if [ "$failures" -eq 0 ]; then echo "$1"; fi
  exit $((failures > 0))
}
