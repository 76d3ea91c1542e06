#!/usr/bin/env bash
# Runs the libFuzzer targets, each for SECONDS seconds (default 60):
#
#   fuzz/run.sh [--fresh] [SECONDS] [TARGET...]
#
# The whole-file targets (clone_file, csv_import, channel_csv, settings,
# link_reply, receiver) are built with AddressSanitizer and
# UndefinedBehaviorSanitizer in build-fuzz/; the structure-aware ones
# (*_shaped) in their fast flavour in build-fuzz-fast/. Without TARGET every
# target runs. Each run starts from the corpus kept in fuzz/corpus/<target>
# (--fresh: from nothing, and nothing is kept). Afterwards the kept corpus
# is replaced by the minimised merge of what it held and what the run found,
# so that it only grows by inputs that reach new code; the tests replay it.
#
# Prints per target: executions, executions a second, coverage (libFuzzer's
# "cov:" edges), findings and the inputs kept. Inputs that found something
# are kept in build-fuzz/findings/. Exits non-zero when any target found a
# crash, a leak, undefined behaviour or a broken property.
set -uo pipefail
cd "$(dirname "$0")/.."

fresh=0
if [ "${1:-}" = "--fresh" ]; then
  fresh=1
  shift
fi
seconds="${1:-60}"
[ $# -gt 0 ] && shift
case "$seconds" in
  '' | *[!0-9]*)
    echo "usage: fuzz/run.sh [--fresh] [SECONDS] [TARGET...]" >&2
    exit 2
    ;;
esac

./scripts/install-deps.sh

all_targets=$(cd fuzz && ls *_fuzz.cc | sed 's/_fuzz\.cc$//')
if [ $# -gt 0 ]; then
  targets="$*"
  for t in $targets; do
    if ! grep -qx "$t" <<<"$all_targets"; then
      echo "no fuzz target $t (there are: $(echo $all_targets))" >&2
      exit 2
    fi
  done
else
  targets=$all_targets
fi

build_dir() {
  case "$1" in
    *_shaped) echo build-fuzz-fast ;;
    *) echo build-fuzz ;;
  esac
}

# A whole clone file is about 90 KB; a structure-aware input never needs
# more than a few KB.
max_len() {
  case "$1" in
    *_shaped) echo 4096 ;;
    *) echo 400000 ;;
  esac
}

# Configure and build only the trees and targets asked for.
for dir in build-fuzz build-fuzz-fast; do
  wanted=""
  for t in $targets; do
    [ "$(build_dir "$t")" = "$dir" ] && wanted="$wanted ${t}_fuzz"
  done
  [ -z "$wanted" ] && continue
  # The presets "fuzz" (build-fuzz/) and "fuzz-fast" (build-fuzz-fast/).
  preset=${dir#build-}
  cmake --preset "$preset" >/dev/null || exit 1
  # shellcheck disable=SC2086
  cmake --build --preset "$preset" --target $wanted || exit 1
done

mkdir -p build-fuzz/findings build-fuzz/logs
total_findings=0
printf '%-20s %12s %8s %6s %9s %6s\n' target executions exec/s cov findings kept
for name in $targets; do
  exe="$(build_dir "$name")/fuzz/${name}_fuzz"
  kept="fuzz/corpus/$name"
  work="build-fuzz/corpus/$name"
  log="build-fuzz/logs/$name.log"
  rm -rf "$work"
  mkdir -p "$work" "$kept"
  rm -f build-fuzz/findings/"$name"-*
  seeds=("$kept")
  [ "$fresh" = 1 ] && seeds=()
  # New inputs go to the working corpus; the kept corpus is only read.
  "$exe" -max_total_time="$seconds" -print_final_stats=1 \
    -timeout=10 -rss_limit_mb=2048 -max_len="$(max_len "$name")" \
    -artifact_prefix="build-fuzz/findings/$name-" \
    "$work" "${seeds[@]}" >"$log" 2>&1
  status=$?
  execs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$' | tail -1)
  rate=$(grep -o 'stat::average_exec_per_sec: *[0-9]*' "$log" | grep -o '[0-9]*$' | tail -1)
  cov=$(grep -o 'cov: [0-9]*' "$log" | grep -o '[0-9]*$' | tail -1)
  findings=$(ls build-fuzz/findings/"$name"-* 2>/dev/null | wc -l)
  if [ "$status" -ne 0 ] && [ "$findings" -eq 0 ]; then findings=1; fi
  total_findings=$((total_findings + findings))

  # The kept corpus becomes the minimised merge of itself and the run's
  # inputs (not after a finding: the finding is mended first).
  if [ "$fresh" = 0 ] && [ "$findings" -eq 0 ]; then
    merged="build-fuzz/corpus/$name.merged"
    rm -rf "$merged"
    mkdir -p "$merged"
    if "$exe" -merge=1 -timeout=10 -rss_limit_mb=2048 -max_len="$(max_len "$name")" \
      "$merged" "$kept" "$work" >"build-fuzz/logs/$name.merge.log" 2>&1; then
      rm -rf "$kept"
      mv "$merged" "$kept"
    fi
  fi
  count=$(ls "$kept" 2>/dev/null | wc -l)
  printf '%-20s %12s %8s %6s %9s %6s\n' "$name" "${execs:-?}" "${rate:-?}" \
    "${cov:-?}" "$findings" "$count"
  if [ "$findings" -ne 0 ]; then
    echo "  see $log and build-fuzz/findings/$name-*"
  fi
done
exit $((total_findings > 0))
