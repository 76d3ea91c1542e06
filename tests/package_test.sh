#!/usr/bin/env bash
# The Debian package as a user installs it: built from the build folder,
# unpacked into a temporary folder, and checked for both programs, the
# translations, the desktop entry, the MIME type, the icon, the AppStream
# metadata and both manual pages; the two metadata files validated, and
# the unpacked programs run. Argument: the build folder.
set -u
build="$1"
if ! command -v dpkg-deb > /dev/null; then
  echo "SKIPPED: dpkg-deb is missing, so no Debian package can be built here"
  exit 77
fi
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

(cd "$build" && cpack -B "$dir/out" > "$dir/cpack.log" 2>&1) ||
  { cat "$dir/cpack.log"; fail "cpack"; exit 1; }
deb=$(ls "$dir"/out/*.deb 2> /dev/null | head -1)
[ -n "$deb" ] || { fail "no package was built"; exit 1; }
dpkg-deb -x "$deb" "$dir/root" || fail "unpack"
dpkg-deb -f "$deb" Depends | grep -q "libqt6widgets6" || fail "no Qt 6 dependency"

root="$dir/root/usr"
for f in bin/vrq5 bin/vrq5-clone \
         share/vrq5/translations/vrq5_ja.qm \
         share/applications/vrq5-clone.desktop \
         share/mime/packages/vrq5-clone.xml \
         share/icons/hicolor/scalable/apps/vrq5-clone.svg \
         share/icons/hicolor/16x16/apps/vrq5-clone.png \
         share/icons/hicolor/48x48/apps/vrq5-clone.png \
         share/icons/hicolor/256x256/apps/vrq5-clone.png \
         share/metainfo/org.vrq5.clone.metainfo.xml \
         share/man/man1/vrq5.1 share/man/man1/vrq5-clone.1 \
         share/doc/vrq5/user-guide.md share/doc/vrq5/copyright \
         share/doc/vrq5/LICENSE; do
  [ -s "$root/$f" ] || fail "missing $f"
done
grep -q 'application/x-vrq5-clone' "$root/share/mime/packages/vrq5-clone.xml" ||
  fail "MIME type not named"
grep -q '\*\.VQ5' "$root/share/mime/packages/vrq5-clone.xml" || fail "no glob"
grep -q '^MimeType=application/x-vrq5-clone;' \
  "$root/share/applications/vrq5-clone.desktop" || fail "entry lacks the MIME type"

head -c 8 "$root/share/icons/hicolor/48x48/apps/vrq5-clone.png" | od -c |
  grep -q 'P   N   G' || fail "the 48x48 icon is not a PNG"

desktop-file-validate "$root/share/applications/vrq5-clone.desktop" ||
  fail "desktop-file-validate"
appstreamcli validate --no-net "$root/share/metainfo/org.vrq5.clone.metainfo.xml" \
  > "$dir/as.log" 2>&1 || { cat "$dir/as.log"; fail "appstreamcli validate"; }
man --warnings -l "$root/share/man/man1/vrq5.1" > /dev/null 2> "$dir/man.log"
[ -s "$dir/man.log" ] && { cat "$dir/man.log"; fail "vrq5.1 warnings"; }

"$root/bin/vrq5" --help | grep -q "Usage: vrq5" || fail "vrq5 --help"
QT_QPA_PLATFORM=offscreen "$root/bin/vrq5-clone" --help 2>&1 |
  grep -q "vrq5-clone" || fail "vrq5-clone --help"
grep -q '^License: GPL-3+$' "$root/share/doc/vrq5/copyright" ||
  fail "the copyright file does not name the GPL"
grep -q '<project_license>GPL-3.0-or-later</project_license>' \
  "$root/share/metainfo/org.vrq5.clone.metainfo.xml" || fail "metainfo licence"
for program in vrq5 vrq5-clone; do
  "$root/bin/$program" --version | grep -q '^License GPL-3.0-or-later' ||
    fail "$program --version names no licence"
done

if [ "$failures" -eq 0 ]; then echo "the package holds everything"; fi
exit $((failures > 0))
