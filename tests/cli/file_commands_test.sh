#!/usr/bin/env bash
# The file commands of vrq5, run as a user runs them.
set -u
V="$1"
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
cd "$dir"
failures=0
check() {  # check NAME EXPECTED-STATUS ACTUAL-STATUS
  if [ "$2" != "$3" ]; then
    echo "FAIL: $1 (exit $3, expected $2)"
    failures=$((failures + 1))
  fi
}
lacks() {  # lacks NAME FILE TEXT
  if grep -qF -- "$3" "$2"; then
    echo "FAIL: $1: '$3' in output:"; cat "$2"
    failures=$((failures + 1))
  fi
}
contains() {  # contains NAME FILE TEXT
  if ! grep -qF -- "$3" "$2"; then
    echo "FAIL: $1: '$3' not in output:"; cat "$2"
    failures=$((failures + 1))
  fi
}

"$V" new -o a.VQ5; check "new" 0 $?
[ "$(wc -l < a.VQ5)" = 2643 ] || { echo "FAIL: new wrote $(wc -l < a.VQ5) lines"; failures=$((failures + 1)); }
"$V" new --model VR-Q70T -o t.VQ5; check "new --model" 0 $?
"$V" info t.VQ5 --model VR-Q70T > out.txt; check "info FILE" 0 $?
contains "info FILE" out.txt "Model: VR-Q70T (as chosen: a clone file does not name its model)"
contains "info FILE" out.txt "File: t.VQ5"
contains "info FILE" out.txt "  Time Sp               5-SEC"

"$V" diff a.VQ5 a.VQ5 > out.txt; check "diff same" 0 $?
contains "diff same" out.txt "same data"
"$V" diff a.VQ5 t.VQ5 > out.txt; check "diff other model" 1 $?
contains "diff other model" out.txt "VFO band 1: Frequency: 0.531000 -> 0.530000"
contains "diff other model" out.txt "Wild Key: ATT -> ANTENA"

"$V" export a.VQ5 -o a.csv; check "export" 0 $?
[ "$(wc -l < a.csv)" = 1915 ] || { echo "FAIL: export wrote $(wc -l < a.csv) lines"; failures=$((failures + 1)); }
cat > add.csv <<'CSV'
"VR-Q5","MEMORY","5","145.5","FM","5KHz","OFF","11","JR","88.5Hz","OFF","0","tower","abc","#TRUE#",#TRUE#
"VR-Q5","PRIORITY","99","433.5","AM","25KHz","OFF","11","JR","88.5Hz","OFF","0","","","#FALSE#",#TRUE#
"VR-Q5","BANK AMOUNT","0","50"
"VR-Q5","BANK AMOUNT","10","50"
"VR-Q5","GROUP","60",1
CSV
"$V" import add.csv --base a.VQ5 -o b.VQ5; check "import" 0 $?
"$V" list b.VQ5 > out.txt; check "list" 0 $?
contains "list" out.txt "00-005  145.500000  FM    5KHz   OFF     *     JR       88.5Hz  OFF    0.000000    TOWER  ABC"
contains "list" out.txt "Pr99"
"$V" diff a.VQ5 b.VQ5 > out.txt; check "diff after import" 1 $?
contains "diff after import" out.txt "Bank 0 size: 100 -> 50"
contains "diff after import" out.txt "GRP1: bank 10 added"
contains "diff after import" out.txt "Channel 00-005"
contains "diff after import" out.txt "Channel Pr99"

# The common channel-list layout: export, then import into a bank with the
# report on standard error.
"$V" export b.VQ5 --layout channels -o ch.csv; check "export channels" 0 $?
[ "$(head -1 ch.csv)" = "$(printf 'Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,Mode,TStep,Skip,Comment,URCALL,RPT1CALL,RPT2CALL,DVCODE\r')" ] || { echo "FAIL: channel export header"; failures=$((failures + 1)); }
contains "export channels" ch.csv "5,ABC,145.500000,,0.000000,,88.5,88.5,023,NN,FM,5.00,S,TOWER,,,,"
"$V" import ch.csv --layout channels --by-location -o e.VQ5 2> /dev/null; check "import --by-location" 0 $?
"$V" list e.VQ5 > out.txt
contains "import --by-location" out.txt "00-005  145.500000"
printf 'Name,Frequency,Mode,TStep,Duplex,Offset\nW1AW,146.94,NFM,5,-,0.6\nFAR,2000,FM,5,,\nThird,147.0,FM,5,,\n' > list.csv
"$V" import list.csv --layout channels --base a.VQ5 --bank 1 -o c.VQ5 2> err.txt; check "import channels" 0 $?
contains "import channels" err.txt "01-000 (line 2) Mode: NFM (narrow FM) is FM on the receiver"
contains "import channels" err.txt "line 3 Frequency: left out"
contains "import channels" err.txt "2 imported, 1 changed, 1 left out"
"$V" list c.VQ5 > out.txt
contains "import channels" out.txt "01-000  146.940000  FM"
contains "import channels" out.txt "01-001  147.000000"
"$V" import list.csv --layout channels --row 05-099 -o d.VQ5 2> /dev/null; check "import --row label" 0 $?
"$V" list d.VQ5 > out.txt
contains "import --row label" out.txt "05-099  146.940000"
# A list that gives no channel, or (with --strict) leaves one out, writes
# nothing and fails.
printf 'Name,Frequency\nFAR,2000\n' > none.csv
"$V" import none.csv --layout channels -o never.VQ5 2> err.txt; check "nothing imported" 1 $?
contains "nothing imported" err.txt "Nothing was imported."
"$V" import list.csv --layout channels --strict -o never.VQ5 2> err.txt; check "--strict" 1 $?
contains "--strict" err.txt "Nothing was written: channels were left out (--strict)."
"$V" import list.csv --layout channels --row 1 --by-location -o never.VQ5 2> /dev/null; check "--row with --by-location" 2 $?
"$V" import add.csv --strict -o never.VQ5 2> /dev/null; check "--strict without layout" 2 $?
"$V" import add.csv --layout channels -o never.VQ5 2> err.txt; check "channels without header" 1 $?
contains "channels without header" err.txt "Data Error"
"$V" import list.csv --bank 1 -o never.VQ5 2> /dev/null; check "--bank without layout" 2 $?
"$V" import list.csv --layout channels --bank 50 -o never.VQ5 2> /dev/null; check "--bank 50" 2 $?
"$V" export a.VQ5 --layout other -o x.csv 2> /dev/null; check "unknown layout" 2 $?

# Failures: messages on standard error, status 1; usage errors, status 2.
"$V" info missing.VQ5 2> err.txt; check "missing file" 1 $?
contains "missing file" err.txt "File Open Error"
lacks "missing file" err.txt "This looks like"
for c in info list; do
  "$V" "$c" "$(dirname "$0")/../data/demo.csv" 2> err.txt; check "$c csv" 1 $?
  contains "$c csv" err.txt "This looks like a CSV file: use vrq5 import."
done
head -c 5000 /dev/urandom > junk.VQ5
"$V" list junk.VQ5 2> err.txt; check "junk file" 1 $?
contains "junk file" err.txt "File Open Error"
{ echo "Korvex  VR-Q5  Clone  File Start"; for i in $(seq 2641); do echo; done; echo "Korvex  VR-Q5  Clone  File  End"; } > marks.VQ5
"$V" info marks.VQ5 2> err.txt; check "wrong mark" 1 $?
contains "wrong mark" err.txt "Data Error"
printf '"VR-Q5","GROUP","x",1\r\n' > bad.csv
"$V" import bad.csv -o never.VQ5 2> err.txt; check "bad import" 1 $?
contains "bad import" err.txt "File Open Error"
[ ! -e never.VQ5 ] || { echo "FAIL: a failed import wrote its output"; failures=$((failures + 1)); }
cp a.VQ5 keep.VQ5
"$V" new -o "$dir/missing/dir/x.VQ5" 2> err.txt; check "unwritable" 1 $?
contains "unwritable" err.txt "File Open Error"
# Outputs are checked before any work: an empty name and the very file read
# (through a link or another spelling too) are usage errors, an output that
# cannot be written fails at once; "-" is standard output, byte for byte.
before=$(ls -A | wc -l)
for c in "new" "export a.VQ5" "import add.csv"; do
  $V $c -o "" 2> err.txt; check "$c -o ''" 2 $?
  contains "$c -o ''" err.txt "-o needs a file name"
done
[ "$(ls -A | wc -l)" = "$before" ] || { echo "FAIL: an empty output wrote a file"; failures=$((failures + 1)); }
cp a.VQ5 in.VQ5; ln -s in.VQ5 in-link.csv; ln in.VQ5 in-hard.csv
cp add.csv in.csv; ln -s in.csv in-link.VQ5
for o in in-link.csv in-hard.csv ./in.VQ5 "$dir/in.VQ5"; do
  "$V" export in.VQ5 -o "$o" 2> err.txt; check "export -o $o" 2 $?
  contains "export -o $o" err.txt "the output is the input file"
done
"$V" import in.csv -o in-link.VQ5 2> err.txt; check "import -o its CSV" 2 $?
cmp -s in.VQ5 a.VQ5 && cmp -s in.csv add.csv && [ -L in-link.csv ] ||
  { echo "FAIL: an input was overwritten"; failures=$((failures + 1)); }
"$V" import add.csv --base in.VQ5 -o in.VQ5; check "import into its base" 0 $?
cmp -s in.VQ5 b.VQ5 || { echo "FAIL: import into its base"; failures=$((failures + 1)); }
"$V" export missing.VQ5 -o missing/x.csv 2> err.txt; check "export into a missing folder" 1 $?
[ "$(cat err.txt)" = "File Open Error: missing/x.csv (No such file or directory)" ] ||
  { echo "FAIL: export into a missing folder:"; cat err.txt; failures=$((failures + 1)); }
"$V" new -o - > std.VQ5; check "new -o -" 0 $?
"$V" export b.VQ5 -o - > std.csv; check "export -o -" 0 $?
"$V" export b.VQ5 --layout channels -o - > std-ch.csv; check "export channels -o -" 0 $?
"$V" import add.csv --base a.VQ5 -o - > std-b.VQ5; check "import -o -" 0 $?
"$V" export b.VQ5 -o b.csv
cmp -s std.VQ5 a.VQ5 && cmp -s std.csv b.csv && cmp -s std-ch.csv ch.csv && cmp -s std-b.VQ5 b.VQ5 && [ ! -e ./- ] ||
  { echo "FAIL: -o - is not the file text"; failures=$((failures + 1)); }
"$V" new -o - > /dev/full 2> err.txt; check "new -o - > /dev/full" 1 $?
contains "new -o - > /dev/full" err.txt "File Open Error: standard output (No space left on device)"
ln -s target.VQ5 out-link.VQ5
"$V" new -o out-link.VQ5; check "new through a link" 0 $?
[ -L out-link.VQ5 ] && cmp -s target.VQ5 a.VQ5 || { echo "FAIL: the link was not kept"; failures=$((failures + 1)); }
# A file the user may not write (root may: run as nobody where possible).
chmod 711 "$dir"; mkdir ro; chmod 777 ro; cp a.VQ5 ro/r.VQ5; chmod 444 ro/r.VQ5
as_user=()
[ "$(id -u)" = 0 ] && as_user=(setpriv --reuid=65534 --regid=65534 --clear-groups)
if [ "$(id -u)" != 0 ] || "${as_user[@]}" "$V" --help > /dev/null 2>&1; then
  "${as_user[@]}" "$V" new --model VR-Q70T -o ro/r.VQ5 2> err.txt; check "read-only output" 1 $?
  contains "read-only output" err.txt "File Open Error: ro/r.VQ5 (Permission denied)"
  cmp -s ro/r.VQ5 a.VQ5 || { echo "FAIL: a read-only file was replaced"; failures=$((failures + 1)); }
fi
# Under a locale that is not UTF-8 the columns still line up.
LC_ALL=C "$V" list "$(dirname "$0")/../data/demo.VQ5" > out.txt; check "list under LC_ALL=C" 0 $?
! LC_ALL=C grep -q '[^ -~]' out.txt || { echo "FAIL: list under LC_ALL=C is not ASCII"; failures=$((failures + 1)); }
[ "$(head -1 out.txt | awk '{ print index($0, "Name") }')" = "$(grep '^00-011 .*??' out.txt | awk '{ print index($0, "APP 2") }')" ] ||
  { echo "FAIL: list columns under LC_ALL=C:"; cat out.txt; failures=$((failures + 1)); }

# The printed pages, as PDF text: every channel in use of the full file,
# the Japanese notes of the demo, the page numbers; the file's name heads
# each page.
demo="$(dirname "$0")/../data/demo.VQ5"
full="$(dirname "$0")/../data/full.VQ5"
"$V" print "$full" -o full.pdf --part memory,bank,settings,vfo > out.txt; check "print" 0 $?
pdftotext -layout full.pdf full.txt
"$V" list "$full" | tail -n +2 | awk '{ print $1 " " $2 }' > rows.txt
missing=$(awk '{ print $1, $2 }' full.txt | grep -cvxFf - rows.txt)
[ "$missing" = 0 ] || { echo "FAIL: print lost $missing of $(wc -l < rows.txt) channels"; failures=$((failures + 1)); }
pages=$(sed -n 's/.*: \([0-9]*\) pages$/\1/p' out.txt)
contains "print" full.txt "Page 1 of $pages"
contains "print" full.txt "Page $pages of $pages"
[ "$(grep -c 'full.VQ5 ' full.txt)" = "$pages" ] || { echo "FAIL: print headed $(grep -c 'full.VQ5 ' full.txt) of $pages pages"; failures=$((failures + 1)); }
"$V" print "$demo" -o demo.pdf --bank 0 --page letter --landscape; check "print one bank" 0 $?
pdftotext demo.pdf demo.txt
contains "print one bank" demo.txt "空港"
lacks "print one bank" demo.txt "Bank 01"
"$V" print "$demo" -o x.pdf --part radio 2> /dev/null; check "print bad part" 2 $?
"$V" print "$demo" -o nowhere/x.pdf 2> err.txt; check "print into no folder" 1 $?
[ ! -e x.pdf ] || { echo "FAIL: a refused print wrote a file"; failures=$((failures + 1)); }
cp demo.pdf ro/r.pdf; chmod 444 ro/r.pdf
if [ "$(id -u)" != 0 ] || "${as_user[@]}" "$V" --help > /dev/null 2>&1; then
  "${as_user[@]}" "$V" print "$demo" -o ro/r.pdf 2> /dev/null; check "print over a read-only PDF" 1 $?
  cmp -s ro/r.pdf demo.pdf || { echo "FAIL: a failed print replaced the PDF"; failures=$((failures + 1)); }
fi

"$V" new 2> /dev/null; check "new without -o" 2 $?
"$V" list 2> /dev/null; check "list without file" 2 $?
"$V" info --model XYZ 2> /dev/null; check "bad model" 2 $?
"$V" export a.VQ5 --bogus -o x.csv 2> /dev/null; check "bad option" 2 $?
for c in new info list export import diff print; do
  "$V" "$c" --help > out.txt; check "$c --help" 0 $?
  contains "$c --help" out.txt "Usage: vrq5 $c"
done

if [ "$failures" -eq 0 ]; then echo "all file command checks passed"; fi
exit $((failures > 0))
