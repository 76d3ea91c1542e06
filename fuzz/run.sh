#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (ASan + UBSan) and runs each for
# SECONDS seconds (default 60), starting from the corpus kept in
# fuzz/corpus/<target>. Prints executions and findings per target and exits
# non-zero when any target found a crash, a leak or undefined behaviour.
# Inputs that found something are kept in build-fuzz/findings/.
set -uo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"
./scripts/install-deps.sh
cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_C_COMPILER=clang-14 -DCMAKE_CXX_COMPILER=clang++-14 \
  -DVRQ5_FUZZ=ON -DVRQ5_BUILD_TESTS=OFF -DVRQ5_BUILD_BENCH=OFF >/dev/null || exit 1
cmake --build build-fuzz || exit 1

targets=$(cd build-fuzz/fuzz && ls *_fuzz 2>/dev/null)
mkdir -p build-fuzz/findings
total_findings=0
printf '%-22s %12s %10s %9s\n' target executions exec/s findings
for exe in $targets; do
  name="${exe%_fuzz}"
  work="build-fuzz/corpus/$name"
  mkdir -p "$work"
  log="build-fuzz/$name.log"
  rm -f build-fuzz/findings/"$name"-*
  # New inputs go to the working corpus; the kept seeds are only read.
  "build-fuzz/fuzz/$exe" -max_total_time="$seconds" -print_final_stats=1 \
    -timeout=10 -rss_limit_mb=2048 -max_len=400000 \
    -artifact_prefix="build-fuzz/findings/$name-" \
    "$work" "fuzz/corpus/$name" >"$log" 2>&1
  status=$?
  execs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$' | tail -1)
  rate=$(grep -o 'stat::average_exec_per_sec: *[0-9]*' "$log" | grep -o '[0-9]*$' | tail -1)
  findings=$(ls build-fuzz/findings/"$name"-* 2>/dev/null | wc -l)
  if [ "$status" -ne 0 ] && [ "$findings" -eq 0 ]; then findings=1; fi
  total_findings=$((total_findings + findings))
  printf '%-22s %12s %10s %9s\n' "$name" "${execs:-?}" "${rate:-?}" "$findings"
  if [ "$findings" -ne 0 ]; then
    echo "  see $log and build-fuzz/findings/$name-*"
  fi
done
exit $((total_findings > 0))
