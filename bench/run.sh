#!/usr/bin/env bash
# Builds Release and measures every operation of the core in one table:
# clone-file open and save, CSV export and import, full-image decode +
# encode, the window's memory-grid refill and start-up (offscreen), Read >
# ALL and Write > ALL against the wire-timed simulated receiver on a
# pseudo-terminal (by the core, by `vrq5` and from the window), the write
# in four steps (snapshot, preview, write, read-back) beside the plain one,
# and the peak memory of each. The table is printed and kept, with the date and
# this command, in docs/performance.md. Run it on a quiet machine: it takes
# about four to five minutes, most of them on the timed wire.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/install-deps.sh
cmake --preset release >/dev/null
cmake --build --preset release >/dev/null

work=$(mktemp -d)
sim_pid=""
cleanup() {
  [ -n "$sim_pid" ] && kill "$sim_pid" 2>/dev/null && wait "$sim_pid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
V=$PWD/build/src/vrq5
export XDG_CONFIG_HOME="$work/config"
export XDG_DATA_HOME="$work/data"

# Median wall and CPU time (microseconds) of a Google Benchmark.
median() {  # median BINARY NAME
  "$1" --benchmark_filter="^$2\$" --benchmark_repetitions=5 \
    --benchmark_report_aggregates_only=true --benchmark_format=csv 2>/dev/null |
    awk -F, -v name="\"$2_median\"" '$1 == name {
      f = ($5 == "ns") ? 1000 : (($5 == "ms") ? 0.001 : 1);
      printf "%.0f %.0f", $3 / f, $4 / f }'
}

# Wall seconds, CPU seconds and peak memory (KiB) of one vrq5 run.
measure() {  # measure COMMAND...
  /usr/bin/time -f '%e %U %S %M' -o "$work/time.txt" "$@" >/dev/null 2>"$work/err.txt" ||
    { cat "$work/err.txt" >&2; return 1; }
  awk '{ printf "%s %.3f %d", $1, $2 + $3, $4 }' "$work/time.txt"
}

# A document with every one of the 1300 slots in use.
{
  for s in $(seq 0 999); do
    printf '"VR-Q5","MEMORY","%d","%d.%03d","FM","5KHz","OFF","11","JR","88.5Hz","OFF","0","note %d","CH%d","#FALSE#",#TRUE#\r\n' \
      "$s" $((100 + s / 3)) $((s % 200 * 5)) "$s" "$s"
  done
  for k in $(seq 0 99); do
    printf '"VR-Q5","PROGRAM SCAN","%d","%d.5","AM","25KHz","OFF","11","JR","88.5Hz","OFF","0","","","#FALSE#",#TRUE#\r\n' "$k" $((118 + k))
    printf '"VR-Q5","SEARCH PASS","%d","%d.25","FM","12.5KHz","OFF","11","JR","88.5Hz","OFF","0","","","#FALSE#",#TRUE#\r\n' "$k" $((400 + k))
    printf '"VR-Q5","PRIORITY","%d","%d.75","WFM","100KHz","OFF","11","JR","88.5Hz","OFF","0","","","#FALSE#",#TRUE#\r\n' "$k" $((76 + k / 4))
  done
} > "$work/full.csv"
"$V" import "$work/full.csv" -o "$work/full.VQ5" 2>/dev/null

echo "Measuring file operations and the codec..." >&2
read -r open_wall open_cpu <<< "$(median build/bench/vrq5_files_bench Files/Open)"
read -r save_wall save_cpu <<< "$(median build/bench/vrq5_files_bench Files/Save)"
read -r export_wall export_cpu <<< "$(median build/bench/vrq5_files_bench Files/Export)"
read -r import_wall import_cpu <<< "$(median build/bench/vrq5_files_bench Files/Import)"
read -r codec_wall codec_cpu <<< "$(median build/bench/vrq5_codec_bench BM_FullImageDecodeEncode)"
read -r _ _ open_mem <<< "$(measure "$V" info "$work/full.VQ5")"
read -r _ _ save_mem <<< "$(measure "$V" new -o "$work/new.VQ5")"
read -r _ _ export_mem <<< "$(measure "$V" export "$work/full.VQ5" -o "$work/out.csv")"
read -r _ _ import_mem <<< "$(measure "$V" import "$work/full.csv" -o "$work/imported.VQ5")"
# The printout of the full document, every part and row, as PDF.
read -r print_wall print_cpu print_mem <<< "$(measure "$V" print "$work/full.VQ5" -o "$work/full.pdf" --part memory,bank,settings,vfo --all-rows)"

echo "Measuring the window (offscreen)..." >&2
export QT_QPA_PLATFORM=offscreen
read -r refill_wall refill_cpu <<< "$(median build/bench/vrq5_gui_bench BM_RefillMemoryGrid)"
read -r repaint_wall repaint_cpu <<< "$(median build/bench/vrq5_gui_bench BM_RepaintMemoryGrid)"
read -r winstart_wall winstart_cpu <<< "$(median build/bench/vrq5_gui_bench BM_WindowStartUp)"
read -r undo_clear_wall undo_clear_cpu <<< "$(median build/bench/vrq5_gui_bench BM_UndoRedoClearAll)"
read -r undo_sort_wall undo_sort_cpu <<< "$(median build/bench/vrq5_gui_bench BM_UndoRedoSort1000)"
# The whole program from its start to the window shown with the document.
starts=()
for _ in 1 2 3 4 5; do
  t0=$(date +%s%N)
  VRQ5_EXIT_WHEN_SHOWN=1 build/src/gui/vrq5-clone "$work/full.VQ5" >/dev/null 2>&1
  t1=$(date +%s%N)
  starts+=($(( (t1 - t0) / 1000 )))
done
read -r _ _ start_mem <<< "$(VRQ5_EXIT_WHEN_SHOWN=1 measure build/src/gui/vrq5-clone "$work/full.VQ5")"
start_wall=$(printf '%s\n' "${starts[@]}" | sort -n | sed -n 3p)

echo "Measuring Write > ALL, Read > ALL and the quick read on the timed wire (about three minutes)..." >&2
bench_out=$(build/bench/vrq5_transfer_bench)
field() {  # field LINE-PREFIX WORD-AFTER
  echo "$bench_out" | awk -v p="$1" -v w="$2" 'index($0, p) == 1 {
    for (i = 1; i < NF; i++) if ($i == w) { print $(i + 1); exit } }'
}
"$V" sim --timing > "$work/sim.out" 2>/dev/null &
sim_pid=$!
for _ in $(seq 50); do [ -s "$work/sim.out" ] && break; sleep 0.1; done
dev=$(head -1 "$work/sim.out")
read -r cw_wall cw_cpu cw_mem <<< "$(measure "$V" write --no-snapshot --no-verify --port "$dev" "$work/full.VQ5")"
read -r cr_wall cr_cpu cr_mem <<< "$(measure "$V" read --port "$dev" -o "$work/back.VQ5")"
kill -INT "$sim_pid"; wait "$sim_pid" || true; sim_pid=""

echo "Measuring Write > ALL and Read > ALL from the window (about a minute)..." >&2
window_out=$(build/bench/vrq5_window_transfer_bench 2>"$work/window.err") ||
  { echo "$window_out" >&2; cat "$work/window.err" >&2; exit 1; }
wfield() {  # wfield LINE-PREFIX WORD-AFTER
  echo "$window_out" | awk -v p="$1" -v w="$2" 'index($0, p) == 1 {
    for (i = 1; i < NF; i++) if ($i == w) { print $(i + 1); exit } }'
}

share() { awk -v c="$1" -v w="$2" 'BEGIN { printf "%.2f%%", 100 * c / w }'; }
us() { awk -v t="$1" 'BEGIN { printf "%.3f ms", t / 1000 }'; }

table=$(cat <<TABLE
| operation | wall time | CPU time | goal | wire-time bound | ratio | CPU share | peak memory of vrq5 |
|---|---|---|---|---|---|---|---|
| clone-file open (1300 slots in use) | $(us "$open_wall") | $(us "$open_cpu") | < 1 ms | | | | $open_mem KiB (\`vrq5 info\`) |
| clone-file save | $(us "$save_wall") | $(us "$save_cpu") | < 1 ms | | | | $save_mem KiB (\`vrq5 new\`) |
| CSV export | $(us "$export_wall") | $(us "$export_cpu") | < 1 ms | | | | $export_mem KiB (\`vrq5 export\`) |
| CSV import | $(us "$import_wall") | $(us "$import_cpu") | < 1 ms | | | | $import_mem KiB (\`vrq5 import\`) |
| PDF of the full document, every part and row (\`vrq5 print\`, whole process) | $print_wall s | $print_cpu s | < 1 s | | | | $print_mem KiB |
| full-image decode + encode | $(us "$codec_wall") | $(us "$codec_cpu") | < 0.5 ms | | | | |
| memory-grid refill (\`UpDateMemData\`, 1300 rows, with the repaint) | $(us "$refill_wall") | $(us "$refill_cpu") | < 5 ms | | | | |
| memory-grid repaint alone | $(us "$repaint_wall") | $(us "$repaint_cpu") | | | | | |
| undo then redo of Clear All (1300 slots), grid drawn after each | $(us "$undo_clear_wall") | $(us "$undo_clear_cpu") | < 10 ms each | | | | |
| undo then redo of a sort of 1000 rows, grid drawn after each | $(us "$undo_sort_wall") | $(us "$undo_sort_cpu") | < 10 ms each | | | | |
| window made, full file opened, shown and drawn (in-process) | $(us "$winstart_wall") | $(us "$winstart_cpu") | | | | | |
| \`vrq5-clone FULL.VQ5\` from start to the window shown (median of 5) | $(us "$start_wall") | | < 100 ms | | | | $start_mem KiB |
| Write > ALL (transfer benchmark) | $(field "Write ALL" wall) s | $(field "Write ALL" cpu) s | ratio <= 1.03, CPU <= 5% | $(field "Write ALL" bound) s | $(field "Write ALL" ratio) | $(field "Write ALL" share) | |
| Read > ALL (transfer benchmark) | $(field "Read ALL" wall) s | $(field "Read ALL" cpu) s | ratio <= 1.03, CPU <= 5% | $(field "Read ALL" bound) s | $(field "Read ALL" ratio) | $(field "Read ALL" share) | |
| Read > ALL of a receiver with 300 channels in use | $(field "Read ALL 300" wall) s | $(field "Read ALL 300" cpu) s | | $(field "Read ALL 300" bound) s | $(field "Read ALL 300" ratio) | $(field "Read ALL 300" share) | |
| quick read (Channels in use) of the same receiver | $(field "Quick read 300" wall) s | $(field "Quick read 300" cpu) s | ratio <= 1.03, at most 1/3 of Read > ALL | $(field "Quick read 300" bound) s | $(field "Quick read 300" ratio); $(field "Quick read 300 of" "300:") of Read > ALL | $(field "Quick read 300" share) | |
| write in four steps (snapshot, preview, write, read-back) of 300 channels onto a receiver holding 300 others | $(field "Safe Write ALL 300" wall) s | $(field "Safe Write ALL 300" cpu) s | ratio <= 1.03 | $(field "Safe Write ALL 300" bound) s | $(field "Safe Write ALL 300" ratio); $(field "Safe Write ALL 300 of" "300:") of the plain write | $(field "Safe Write ALL 300" share) | |
| plain Write > ALL of the same document onto the same receiver | $(field "Plain Write ALL 300" wall) s | $(field "Plain Write ALL 300" cpu) s | | $(field "Plain Write ALL 300" bound) s | $(field "Plain Write ALL 300" ratio) | $(field "Plain Write ALL 300" share) | |
| write in four steps of a document the receiver already holds (one quick read) | $(field "Unchanged write 300" wall) s | $(field "Unchanged write 300" cpu) s | ratio <= 1.03 | $(field "Unchanged write 300" bound) s | $(field "Unchanged write 300" ratio) | $(field "Unchanged write 300" share) | |
| \`vrq5 write --no-snapshot --no-verify\` (Write > ALL) | $cw_wall s | $cw_cpu s | | | | $(share "$cw_cpu" "$cw_wall") | $cw_mem KiB |
| \`vrq5 read\` (Read > ALL) | $cr_wall s | $cr_cpu s | | | | $(share "$cr_cpu" "$cr_wall") | $cr_mem KiB |
| Write > ALL from the window (wire-timed pseudo-terminal) | $(wfield "Window Write ALL" wall) s | $(wfield "Window Write ALL" cpu) s (GUI thread $(wfield "Window Write ALL" gui-thread) s) | ratio <= 1.03, CPU <= 5% | $(wfield "Window Write ALL" bound) s | $(wfield "Window Write ALL" ratio) | $(wfield "Window Write ALL" share) | |
| Read > ALL from the window (wire-timed pseudo-terminal) | $(wfield "Window Read ALL" wall) s | $(wfield "Window Read ALL" cpu) s (GUI thread $(wfield "Window Read ALL" gui-thread) s) | ratio <= 1.03, CPU <= 5% | $(wfield "Window Read ALL" bound) s | $(wfield "Window Read ALL" ratio) | $(wfield "Window Read ALL" share) | |
| window with a full document after Read > ALL | | | < 80 MiB | | | | $(wfield "Window peak memory" memory) KiB |
TABLE
)

echo
echo "$table"

{
  echo "# Performance"
  echo
  echo "Measured $(date -u '+%Y-%m-%d %H:%M UTC') on $(nproc) cores ($(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //')) with \`bench/run.sh\`."
  echo
  echo "$table"
  echo
  echo "File operations run on a memory-backed folder (\`/dev/shm\`), so they show the"
  echo "program's own work; \`VRQ5_BENCH_DIR=/some/folder build/bench/vrq5_files_bench\`"
  echo "measures a disk, its flush included. The transfers run against the simulated"
  echo "receiver on a pseudo-terminal with wire timing: every character takes 10 bits"
  echo "at 38400 bit/s and every answer starts 2 ms after its command. The wire-time"
  echo "bound adds up, for every command the receiver got, the command and its"
  echo "answer on the wire and the turnaround; a receiver that is not yet identified"
  echo "answers nothing, so the three probes at the start of a transfer each cost"
  echo "the whole 500 ms reply time, which the bound counts too. The quick read"
  echo "and the Read > ALL beside it read a receiver whose 300 channels in use"
  echo "are spread over all 1300 slots, each starting unidentified. The write in"
  echo "four steps starts from a receiver holding 300 other channels; its bound adds"
  echo "up the lines of all its passes (the quick read of the snapshot, the write,"
  echo "the quick read back), each starting with its probes. CPU time is the"
  echo "transfer thread's own (the benchmark) or the whole process's (\`vrq5\`), and"
  echo "peak memory is the largest resident set of \`vrq5\` doing the operation."
  echo "The window runs on Qt's offscreen platform with a document whose 1300 slots"
  echo "are all in use; the start-up row times \`vrq5-clone\` from its start until"
  echo "the window has been shown and drawn (\`VRQ5_EXIT_WHEN_SHOWN=1\`)."
  echo "The window's transfers run as a user runs them: the window shown with the"
  echo "full document, the same wire-timed receiver on a pseudo-terminal, and the"
  echo "wall time from the command to the window having taken the outcome in. Their"
  echo "CPU time is the whole process's, the receiver serving the pseudo-terminal"
  echo "on its own thread included, so it is an upper bound of the window's own; the"
  echo "GUI thread's own CPU time is given beside it. The peak memory is that"
  echo "process's largest resident set, with the document read back on the window."
} > docs/performance.md
echo >&2
echo "Kept in docs/performance.md" >&2
