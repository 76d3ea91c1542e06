#!/usr/bin/env bash
# vrq5 read, write and sim, run as a user runs them: through the built-in
# simulated receiver, and through a pseudo-terminal and the serial adapter.
set -u
V="$1"
. "$(dirname "$0")/shell_common.sh"

# A document with a channel in every kind of slot, groups and odd banks.
cat > doc.csv <<'CSV'
"VR-Q5","MEMORY","0","145.5","FM","5KHz","OFF","11","JR","88.5Hz","OFF","0","a note","abc","#TRUE#",#TRUE#
"VR-Q5","MEMORY","999","1299.995","WFM","100KHz","Rev.","4","300Hz","250.3Hz","Shift-","99.5","","ZZZZZZ","#FALSE#",#TRUE#
"VR-Q5","PROGRAM SCAN","P49B","433","AM","25KHz","OFF","11","JR","88.5Hz","OFF","0","","","#FALSE#",#TRUE#
"VR-Q5","SEARCH PASS","0","0.1","AM","1KHz","Train","11","JR","88.5Hz","Shift+","0.6","","","#FALSE#",#TRUE#
"VR-Q5","PRIORITY","99","806","FM","20KHz","OFF","11","JR","88.5Hz","OFF","0","","","#FALSE#",#TRUE#
"VR-Q5","BANK AMOUNT","0","1"
"VR-Q5","BANK AMOUNT","10","99"
"VR-Q5","GROUP","60",1
"VR-Q5","GROUP","549",1
CSV
"$V" import doc.csv -o doc.VQ5; check "import" 0 $?

# The built-in simulated receiver.
"$V" write --port sim doc.VQ5 > /dev/null 2> err.txt; check "write sim" 0 $?
contains "write sim" err.txt "Successed!!"
contains "write sim" err.txt "(simulated receiver: nothing was sent to a real receiver)"
contains "write sim" err.txt "Using the simulated receiver."
"$V" read --port sim --part settings -o s.VQ5 2> err.txt; check "read sim settings" 0 $?

# Through a pseudo-terminal and the serial adapter: write everything, read
# it back, and only what the receiver does not keep (notes) differs.
start_sim
"$V" write --port "$dev" --part all doc.VQ5 > /dev/null 2> err.txt; check "write pty" 0 $?
contains "write pty" err.txt "Successed!!"
"$V" read --part all -o back.VQ5 2> err.txt; check "read pty (remembered port)" 0 $?
"$V" diff doc.VQ5 back.VQ5 > diff.txt
[ "$(grep -c . diff.txt)" = 1 ] || { fail "read back differs:"; cat diff.txt; }
contains "read back" diff.txt "Channel 00-000: Note: A NOTE -> (empty)"
for part in memory bank group settings; do
  "$V" write --port "$dev" --part "$part" doc.VQ5 > /dev/null 2>&1; check "write $part" 0 $?
  "$V" read --port "$dev" --part "$part" -o part.VQ5 2> /dev/null; check "read $part" 0 $?
done
stop_sim

# The safe write: the list of changes on standard output, --preview sends
# nothing, a second write finds nothing to write, a receiver that does not
# keep what it answered "OK" to is caught by the read-back, and each write
# kept a snapshot of what the receiver held.
start_sim
"$V" write --port "$dev" --preview doc.VQ5 > out.txt 2> err.txt; check "preview" 0 $?
contains "preview" out.txt "Channel 00-000 added: 145.500000 FM ABC"
"$V" read --port "$dev" -o before.VQ5 2> /dev/null
"$V" read --port sim -o factory.VQ5 2> /dev/null
"$V" diff before.VQ5 factory.VQ5 > /dev/null; check "preview wrote nothing" 0 $?
"$V" write --port "$dev" --yes doc.VQ5 > out.txt 2> err.txt; check "safe write" 0 $?
contains "safe write" err.txt "Verified: the receiver holds what was written."
"$V" write --port "$dev" doc.VQ5 > out.txt 2> err.txt; check "nothing to write" 0 $?
contains "nothing to write" err.txt "The receiver already holds this. Nothing was written."
[ ! -s out.txt ] || { fail "nothing to write listed changes:"; cat out.txt; }
stop_sim
for fault in corrupt-write ignore-write; do
  start_sim --fault "$fault"
  "$V" write --port "$dev" doc.VQ5 > out.txt 2> err.txt; check "$fault" 1 $?
  contains "$fault" err.txt "Verify Failed: the receiver does not hold what was written."
  contains "$fault" err.txt "Channel "
  contains "$fault" err.txt "What the receiver held before this write is kept in $dir/data/vrq5/snapshots/"
  "$V" write --port "$dev" --no-snapshot doc.VQ5 > out.txt 2> err.txt
  check "$fault without a snapshot" 0 $?
  stop_sim
done
"$V" snapshots > out.txt; check "snapshots" 0 $?
[ "$(grep -c 'VR-Q5J' out.txt)" -ge 5 ] || { fail "snapshots:"; cat out.txt; }
"$V" write --port sim --preview --no-snapshot doc.VQ5 2> /dev/null; check "preview without snapshot" 2 $?
# On a terminal the write asks first: only "y" writes.
for answer in n y; do
  printf '%s\n' "$answer" |
    script -qec "'$V' write --port sim doc.VQ5" /dev/null > out.txt 2>&1
  code=$?
  contains "asked $answer" out.txt "Write these changes? [y/N]"
  if [ "$answer" = y ]; then
    check "asked y" 0 $code
    contains "asked y" out.txt "Verified: the receiver holds what was written."
  else
    check "asked n" 1 $code
    contains "asked n" out.txt "Nothing was written."
  fi
done

# A cable pulled at the 500th command: the messages in order, exit 1, no file.
start_sim --fault silent-from:500
"$V" read --port "$dev" -o never.VQ5 2> err.txt; check "silent read" 1 $?
[ "$(grep -v '^$' err.txt | tr -d '\r')" = "$(printf 'Communication Error\nRead Failed...')" ] ||
  { fail "silent read messages:"; cat err.txt; }
[ ! -e never.VQ5 ] || fail "a failed read wrote its output"
stop_sim

# Another model's identity is refused, and the model it takes is named,
# also when a read of that model left the receiver linked.
start_sim --model VR-Q70E
"$V" read --port "$dev" -o never.VQ5 2> err.txt; check "refused identity" 1 $?
contains "refused identity" err.txt "Region Error"
contains "refused identity" err.txt "The receiver is a VR-Q70E: run again with --model VR-Q70E."
[ ! -e never.VQ5 ] || fail "a refused read wrote its output"
"$V" read --model VR-Q70E --part settings -o q70.VQ5 2> /dev/null; check "read VR-Q70E" 0 $?
"$V" write doc.VQ5 2> err.txt; check "write into a linked VR-Q70E" 1 $?
contains "write into a linked VR-Q70E" err.txt "Region Error"
lacks "write into a linked VR-Q70E" err.txt "Successed!!"
stop_sim

# Bank sizes that do not add up to 1000 are refused before anything is sent.
printf '"VR-Q5","BANK AMOUNT","0","0"\r\n' > short.csv
"$V" import short.csv --base doc.VQ5 -o short.VQ5
"$V" write --port sim short.VQ5 2> err.txt; check "short banks" 1 $?
contains "short banks" err.txt "Total CH must be 1000"

# A port that does not exist: not remembered, the last good one stays.
kept=$(cat config/vrq5/VR-Q5.ini)
"$V" read --port "$dir/no-such-port" -o never.VQ5 2> err.txt; check "missing port" 1 $?
contains "missing port" err.txt "Read Failed..."
contains "missing port" err.txt "could not be opened"
lacks "missing port" err.txt "simulated receiver"
[ "$(cat config/vrq5/VR-Q5.ini)" = "$kept" ] || fail "missing port was remembered"
"$V" read --port "" -o never.VQ5 2> err.txt; check "empty port" 2 $?
contains "empty port" err.txt "--port needs a port name"
[ "$(cat config/vrq5/VR-Q5.ini)" = "$kept" ] || fail "empty port was remembered"

# The output of a read is checked before the port is chosen; "-" is
# standard output. The program's own terminal is no port, and a port name
# never reaches the terminal with its control characters.
"$V" read --port sim -o "" 2> err.txt; check "read -o ''" 2 $?
"$V" read --port sim -o missing/x.VQ5 2> err.txt; check "read into a missing folder" 1 $?
contains "read into a missing folder" err.txt "File Open Error: missing/x.VQ5 (No such file or directory)"
lacks "read into a missing folder" err.txt "simulated receiver"
"$V" read --port sim -o sim.VQ5 2> /dev/null
"$V" read --port sim -o - > std.VQ5 2> err.txt; check "read -o -" 0 $?
contains "read -o -" err.txt "Successed!!"
cmp -s std.VQ5 sim.VQ5 || fail "read -o - is not the file text"
"$V" read --port sim -o - > /dev/full 2> err.txt; check "read -o - > /dev/full" 1 $?
contains "read -o - > /dev/full" err.txt "File Open Error: standard output"
"$V" read --port /dev/tty -o never.VQ5 2> err.txt; check "--port /dev/tty" 2 $?
contains "--port /dev/tty" err.txt "vrq5 read: --port /dev/tty is this program's own terminal"
"$V" check --port "$dir/bad"$'\e[31m' > out.txt 2>&1; check "port name with ESC" 1 $?
if grep -q $'\x1b' out.txt; then fail "a port name's control character reached the terminal"; fi
[ ! -e never.VQ5 ] || fail "a refused read wrote its output"
[ "$(cat config/vrq5/VR-Q5.ini)" = "$kept" ] || fail "a refused port was remembered"

# Ctrl+C between exchanges.
start_sim --timing
"$V" read --port "$dev" -o never.VQ5 2> err.txt &
reader=$!
sleep 3
kill -INT "$reader"; wait "$reader"; check "interrupted read" 1 $?
contains "interrupted read" err.txt "Stopped by Ctrl+C"
contains "interrupted read" err.txt "The read was cancelled. Nothing was changed."
[ ! -e never.VQ5 ] || fail "an interrupted read wrote its output"
stop_sim

# SIGTERM among the channels of a write: what the receiver holds is said,
# and the receiver is left unlinked.
start_sim --timing
"$V" write --port "$dev" --force "$(dirname "$0")/../data/full.VQ5" > /dev/null 2> err.txt &
writer=$!
sleep 6
kill -TERM "$writer"; wait "$writer"; check "terminated write" 1 $?
contains "terminated write" err.txt "Stopped by SIGTERM"
grep -qE "The receiver's channels were erased and [0-9]+ of 1300 written: write again before you use the receiver." err.txt ||
  { fail "terminated write: no word of the erased channels:"; cat err.txt; }
"$V" check --port "$dev" > out.txt 2> /dev/null; check "check after SIGTERM" 0 $?
lacks "check after SIGTERM" out.txt "still linked"
stop_sim

# The quick read saves the very file a full read saves.
start_sim --load doc.VQ5
"$V" read --port "$dev" -o full.VQ5 2> /dev/null; check "full read" 0 $?
"$V" read --port "$dev" --quick -o quick.VQ5 2> err.txt; check "quick read" 0 $?
contains "quick read" err.txt "Successed!!"
cmp -s full.VQ5 quick.VQ5 || fail "the quick read saved another file"
stop_sim
"$V" read --port sim --quick --part memory -o x.VQ5 2> /dev/null; check "quick with part" 2 $?

# The connection check names what is wrong.
"$V" check --port sim > out.txt 2> /dev/null; check "check sim" 0 $?
contains "check sim" out.txt "The simulated receiver answers."
contains "check sim" out.txt "Model: VR-Q5J. LinkBank: 00."
verdict() {  # verdict NAME EXIT TEXT SIM-ARGS...: a check through a pty
  local name=$1 code=$2 text=$3; shift 3
  start_sim "$@"
  "$V" check --port "$dev" > out.txt 2> /dev/null; check "$name" "$code" $?
  contains "$name" out.txt "$text"
  stop_sim
}
verdict "check linked" 0 "The receiver answers." --model VR-Q5J
verdict "check other model" 1 "took that of the VR-Q70T" --model VR-Q70T
verdict "check silent" 1 "Nothing comes back." --fault silent-from:1
verdict "check clone mode" 1 "not in its cloning mode" --fault no-clone-mode
verdict "check refused" 1 "refuses every model" --fault refuse-identity
# A pseudo-terminal that was closed is a port that no longer exists.
# (Another test running beside this one may take the same number at once;
# the row then has nothing to check.)
start_sim; closed=$dev; stop_sim
if [ ! -e "$closed" ]; then
  "$V" check --port "$closed" > out.txt 2> /dev/null; check "check closed pty" 1 $?
  contains "check closed pty" out.txt "The port does not exist."
fi

"$V" sim --fault bogus 2> /dev/null; check "bad fault" 2 $?
"$V" read --port sim --part nothing -o x.VQ5 2> /dev/null; check "bad part" 2 $?
"$V" ports > /dev/null; check "ports" 0 $?
for c in read write sim ports check snapshots; do
  "$V" "$c" --help > out.txt; check "$c --help" 0 $?
  contains "$c --help" out.txt "Usage: vrq5 $c"
done

finish "all transfer command checks passed"
