#!/usr/bin/env bash
# The Japanese string table is complete: every text the program marks in
# src/ has a finished translation, and the translations keep one katakana
# style (half-width, as the menus use).
# Usage: string_table_test.sh LUPDATE SOURCE_DIR TABLE [lupdate options...]
set -euo pipefail
lupdate=$1 src=$2 table=$3
shift 3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$table" "$work/table.ts"
"$lupdate" "$@" "$src" -ts "$work/table.ts" >"$work/log" 2>&1 || {
  cat "$work/log" >&2
  exit 1
}
status=0
missing=$(grep -c 'type="unfinished"' "$work/table.ts" || true)
if [ "$missing" -gt 0 ]; then
  echo "$missing texts have no finished translation:" >&2
  grep -B2 'type="unfinished"' "$work/table.ts" | grep '<source>' >&2
  status=1
fi
if grep '<translation>' "$work/table.ts" | grep -P '[\x{30A1}-\x{30FA}\x{30FC}]' >&2; then
  echo "the translations above use full-width katakana" >&2
  status=1
fi
if ! cmp -s "$table" "$work/table.ts"; then
  echo "the table is not up to date: build the target vrq5_lupdate" >&2
  diff "$table" "$work/table.ts" | head -20 >&2
  status=1
fi
exit $status
