#!/usr/bin/env bash
# Notes in a terminal: vrq5 list, info and diff show Shift_JIS, UTF-8,
# plain ASCII and undecodable notes readably in a UTF-8 terminal, never
# a control character, and the files keep their bytes.
set -u
V="$1"
. "$(dirname "$0")/shell_common.sh"
record() {  # record SLOT NOTE-BYTES
  printf '"VR-Q5","MEMORY","%s","145.5","FM","5KHz","OFF","11","JR","88.5Hz","OFF","0","%b","CH","#FALSE#",#TRUE#\r\n' "$1" "$2"
}
{
  record 0 '\x8b\xf3\x8d\x60'     # Shift_JIS
  record 1 'caf\xc3\xa9'           # UTF-8
  record 2 'plain'                 # ASCII
  record 3 'x\xff\xfey'            # neither
  record 4 'red\x1b[31mtext'       # a terminal control sequence
} > notes.csv
"$V" import notes.csv -o notes.VQ5 2> /dev/null || fail "import"
export LC_ALL=C.UTF-8
"$V" list notes.VQ5 > list.txt || fail "list"
iconv -f UTF-8 -t UTF-8 list.txt > /dev/null 2>&1 || fail "list is not UTF-8"
grep -q '空港' list.txt || fail "Shift_JIS note not shown"
grep -q 'CAFé' list.txt || fail "UTF-8 note not shown"
grep -q 'PLAIN' list.txt || fail "ASCII note not shown"
grep -q 'X�' list.txt || fail "undecodable byte not shown as the mark"
if grep -q $'\x1b' list.txt; then fail "a control character reached the terminal"; fi
# The columns after a wide note still line up under their heading.
heading_col=$(head -1 list.txt | awk '{ print index($0, "Name") }')
row_col=$(grep '空港' list.txt | sed 's/空港/XXXX/' | awk '{ print index($0, "CH") }')
[ "$heading_col" = "$row_col" ] || fail "Name column moved ($heading_col vs $row_col)"

# diff names the notes readably too.
printf '"VR-Q5","MEMORY","2","145.5","FM","5KHz","OFF","11","JR","88.5Hz","OFF","0","\x8b\xf3\x8d\x60","CH","#FALSE#",#TRUE#\r\n' > other.csv
"$V" import other.csv --base notes.VQ5 -o other.VQ5 2> /dev/null || fail "import other"
"$V" diff notes.VQ5 other.VQ5 > diff.txt
iconv -f UTF-8 -t UTF-8 diff.txt > /dev/null 2>&1 || fail "diff is not UTF-8"
grep -q 'Note: PLAIN -> 空港' diff.txt || { fail "diff note:"; cat diff.txt; }
"$V" info notes.VQ5 > info.txt || fail "info"
iconv -f UTF-8 -t UTF-8 info.txt > /dev/null 2>&1 || fail "info is not UTF-8"

# The files keep the bytes.
"$V" export notes.VQ5 -o back.csv || fail "export"
grep -q $'\x8b\xf3\x8d\x60' back.csv || fail "Shift_JIS bytes changed in the file"

# A FIFO with no writer is refused at once.
mkfifo fifo.VQ5
timeout 10 "$V" info fifo.VQ5 > /dev/null 2> err.txt
[ $? = 1 ] || fail "info of a FIFO did not fail at once"
grep -q "File Open Error" err.txt || fail "no File Open Error for a FIFO"
timeout 10 "$V" import fifo.VQ5 -o x.VQ5 > /dev/null 2>&1
[ $? = 1 ] || fail "import of a FIFO did not fail at once"

finish "all note checks passed"
