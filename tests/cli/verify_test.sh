#!/usr/bin/env bash
# vrq5 verify, and the check vrq5 write runs before it sends anything, run
# as a user runs them. Arguments: the vrq5 program, the demo clone file.
set -u
V="$1"
DEMO="$2"
. "$(dirname "$0")/shell_common.sh"
# line NAME FILE KIND ROW FIELD: a finding line starts with these columns.
line() {
  grep -qE "^$3 +$4 +$5 " "$2" || { fail "$1: no '$3 $4 $5' line in:"; cat "$2"; }
}

# ----- vrq5 verify -----

# The demo file: two warnings, no error.
"$V" verify "$DEMO" > out.txt 2> err.txt; check "verify demo" 0 $?
line "verify demo" out.txt warning S0 Frequency
contains "verify demo" out.txt "memory channel 00-003"
line "verify demo" out.txt warning Channels Note
contains "verify demo" out.txt "60 channels have notes (00-000 to Pr1)"
[ "$(tail -1 out.txt)" = "0 errors, 2 warnings" ] || fail "verify demo count: $(tail -1 out.txt)"
[ "$(wc -l < out.txt)" = 3 ] || { fail "verify demo lines"; cat out.txt; }
[ -s err.txt ] && fail "verify demo wrote on standard error"

# The new document of every model has no error.
for m in VR-Q5J VR-Q70E VR-Q70T VR-Q70K; do
  "$V" new --model "$m" -o "new-$m.VQ5"
  "$V" verify --model "$m" "new-$m.VQ5" > out.txt; check "verify new $m" 0 $?
  grep -q '^error' out.txt && fail "verify new $m found an error"
done

# Errors: a bank total of 901, a VFO band outside its limits, the train
# option on a model without it; and a warning: a frequency twice in a bank.
cat > bad.csv <<'CSV'
"VR-Q5","VFO","3","80","FM","5KHz","OFF","11","JR","88.5Hz","OFF","1","","","#FALSE#","#TRUE#"
"VR-Q5","MEMORY","1","145.5","FM","5KHz","Train","11","JR","88.5Hz","OFF","0","","RPT","#FALSE#",#TRUE#
"VR-Q5","MEMORY","2","145.5","FM","5KHz","OFF","11","JR","88.5Hz","OFF","0","","","#FALSE#",#TRUE#
"VR-Q5","BANK AMOUNT","0","1"
CSV
"$V" import bad.csv -o bad.VQ5 > /dev/null; check "import bad" 0 $?
"$V" verify --model VR-Q70E bad.VQ5 > out.txt; check "verify bad" 1 $?
line "verify bad" out.txt error Banks "Bank sizes"
contains "verify bad" out.txt "add up to 901, not 1000"
line "verify bad" out.txt error "VFO 3" Frequency
line "verify bad" out.txt error 01-000 Option
line "verify bad" out.txt warning 01-000 Frequency
line "verify bad" out.txt warning 01-001 Frequency
contains "verify bad" out.txt "Bank 01 holds 145.500000 MHz more than once: also in 01-001"
# Band 12 of the VR-Q70E is that model's default, below its limits.
line "verify bad" out.txt warning "VFO 12" Frequency
[ "$(tail -1 out.txt)" = "3 errors, 3 warnings" ] || fail "verify bad count: $(tail -1 out.txt)"
# The train option is the VR-Q5J's own.
"$V" verify --model VR-Q5J bad.VQ5 > out.txt; check "verify bad Q5J" 1 $?
lacks "verify bad Q5J" out.txt "Option"

# Usage and file errors, as the other commands give them.
"$V" verify > /dev/null 2> err.txt; check "verify no file" 2 $?
contains "verify no file" err.txt "Usage: vrq5 verify"
"$V" verify a.VQ5 b.VQ5 > /dev/null 2>&1; check "verify two files" 2 $?
"$V" verify --model XYZ "$DEMO" > /dev/null 2>&1; check "verify bad model" 2 $?
"$V" verify --help > out.txt; check "verify --help" 0 $?
contains "verify --help" out.txt "Usage: vrq5 verify FILE.VQ5 [--model M]"
"$V" verify missing.VQ5 > /dev/null 2> err.txt; check "verify missing" 1 $?
contains "verify missing" err.txt "File Open Error"
head -5 "$DEMO" > short.VQ5
"$V" verify short.VQ5 > /dev/null 2> err.txt; check "verify short" 1 $?
contains "verify short" err.txt "File Open Error"
{ echo "not a clone file"; tail -n +2 "$DEMO"; } > marks.VQ5
"$V" verify marks.VQ5 > /dev/null 2> err.txt; check "verify marks" 1 $?
contains "verify marks" err.txt "Data Error"

# ----- the check in vrq5 write -----

# Errors refuse the write before the port is touched: a port that does not
# exist is never opened.
"$V" write --port "$dir/no-such-port" --model VR-Q70E bad.VQ5 > out.txt 2> err.txt
check "write refused" 1 $?
line "write refused" err.txt error Banks "Bank sizes"
contains "write refused" err.txt "3 errors, 3 warnings; nothing was written"
lacks "write refused" err.txt "could not be opened"
lacks "write refused" err.txt "Successed!!"
[ -s out.txt ] && fail "write refused wrote on standard output"

# Only the part written is checked: the settings carry the VFO bands, the
# bank write the bank sizes, the group write neither.
"$V" write --port sim --model VR-Q70E --part settings bad.VQ5 2> err.txt
check "write settings refused" 1 $?
line "write settings refused" err.txt error "VFO 3" Frequency
lacks "write settings refused" err.txt "Banks"
"$V" write --port sim --model VR-Q70E --part bank bad.VQ5 2> err.txt
check "write bank refused" 1 $?
line "write bank refused" err.txt error Banks "Bank sizes"
lacks "write bank refused" err.txt "VFO 3"
"$V" write --port sim --model VR-Q70E --part group --no-snapshot --no-verify bad.VQ5 2> err.txt
check "write group" 0 $?
contains "write group" err.txt "Successed!!"

# --force writes in spite of errors; the receiver still refuses a memory
# write whose banks do not make 1000 channels.
"$V" write --port sim --model VR-Q70E --part settings --force --no-snapshot bad.VQ5 > /dev/null 2> err.txt
check "write --force" 0 $?
contains "write --force" err.txt "writing anyway (--force)"
contains "write --force" err.txt "Successed!!"
"$V" write --port sim --model VR-Q70E --force bad.VQ5 2> err.txt
check "write --force banks" 1 $?
contains "write --force banks" err.txt "Total CH must be 1000"

# Warnings are printed on standard error and the write goes on; without
# the snapshot and the read-back, a write says what it always said.
"$V" write --port sim --no-snapshot --no-verify "$DEMO" > out.txt 2> err.txt
check "write warnings" 0 $?
line "write warnings" err.txt warning S0 Frequency
contains "write warnings" err.txt "Successed!!"
[ -s out.txt ] && fail "write warnings wrote on standard output"
"$V" write --port sim --no-snapshot --no-verify "new-VR-Q5J.VQ5" 2> err.txt
check "write clean" 0 $?
[ "$(cat err.txt)" = "$(printf 'Using the simulated receiver.\nSuccessed!!\n(simulated receiver: nothing was sent to a real receiver)')" ] ||
  { fail "write clean printed more"; cat err.txt; }

# A clean document writes what it wrote before the check: through a
# pseudo-terminal, everything read back equals the file but its notes.
"$V" sim > sim.out 2> sim.err &
sim_pid=$!
for _ in $(seq 50); do [ -s sim.out ] && break; sleep 0.1; done
dev=$(head -1 sim.out)
if [ -n "$dev" ]; then
  "$V" write --port "$dev" "$DEMO" > /dev/null 2> err.txt; check "write demo pty" 0 $?
  "$V" read --port "$dev" -o back.VQ5 2> err.txt; check "read demo pty" 0 $?
  "$V" diff "$DEMO" back.VQ5 > diff.txt
  grep -v ': Note: ' diff.txt > rest.txt
  [ -s rest.txt ] && { fail "read back differs beyond the notes:"; cat rest.txt; }
  [ "$(grep -c ': Note: ' diff.txt)" = 60 ] || fail "notes read back: $(grep -c ': Note: ' diff.txt)"
  kill -INT "$sim_pid"; wait "$sim_pid"; sim_pid=""
else
  fail "sim printed no device path"
fi

finish "all verify tests passed"
