#!/bin/sh
# Installs a built tree into a temporary prefix and checks what a desktop sees of the program:
# the desktop entry, the AppStream metainfo, the icons and the package metadata note.
#
#   check_install.sh <cmake> <build dir>
#
# Needs desktop-file-utils, appstream, imagemagick, librsvg2-bin and binutils.
set -eu

cmake=$1
build=$2
icons=$(cd "$(dirname "$0")/icons" && pwd)
app_id=example.quorrin.Shiftpad
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
prefix=$scratch/prefix
failures=0

fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

# identify prints "<format> <width>x<height> <channels>" for one picture, or fails.
expect_picture() {
  file=$1
  expected=$2
  actual=$(identify -format '%m %wx%h %[channels]' "$file") || actual="(unreadable)"
  [ "$actual" = "$expected" ] || fail "$file is $actual, expected $expected"
}

expect_note_field() {
  printf '%s\n' "$metadata" | grep -qF "\"$1\":\"$2\"" || fail "the package note lacks \"$1\":\"$2\""
}

"$cmake" --install "$build" --prefix "$prefix" >/dev/null

program=$prefix/bin/shiftpad
[ -x "$program" ] || fail "bin/shiftpad is not installed"

desktop-file-validate "$prefix/share/applications/$app_id.desktop" || fail "the desktop entry is not valid"
grep -qx "Icon=$app_id" "$prefix/share/applications/$app_id.desktop" || fail "the desktop entry names another icon"

# Infos and pedantic notes are allowed: the id's top-level domain "example" is not a known one.
appstreamcli validate --no-net --no-color "$prefix/share/metainfo/$app_id.metainfo.xml" \
  || fail "the metainfo is not valid"
appstreamcli validate-tree --no-net --no-color "$prefix" || fail "the installed tree is not valid"

hicolor=$prefix/share/icons/hicolor
expect_picture "$hicolor/48x48/apps/$app_id.png" "PNG 48x48 srgba"
# Desktops draw the SVG with librsvg, so librsvg renders it here; at its own size it is 48 x 48.
rsvg-convert "$hicolor/scalable/apps/$app_id.svg" --output "$scratch/scalable.png" || fail "librsvg cannot draw the SVG"
expect_picture "$scratch/scalable.png" "PNG 48x48 srgba"
expect_picture "$icons/shiftpad.ico" "ICO 48x48 srgba"
ico_entries=$(identify -format '%p\n' "$icons/shiftpad.ico" | wc -l)
[ "$ico_entries" -eq 1 ] || fail "shiftpad.ico holds $ico_entries images, expected 1"

if [ -x "$program" ]; then
  readelf --wide --section-headers "$program" | grep -qE '\.note\.package +NOTE .* A' \
    || fail "the executable has no allocated .note.package note section"
  notes=$(readelf --notes "$program")
  printf '%s\n' "$notes" | grep -qE '^ +FDO +0x[0-9a-f]+[[:space:]]+FDO_PACKAGING_METADATA' \
    || fail "the package note is not an FDO packaging metadata note"
  metadata=$(printf '%s\n' "$notes" | sed -n 's/^ *Packaging Metadata: //p')
  expect_note_field type deb
  expect_note_field name shiftpad
  expect_note_field version 1.0.0.0
  for field in FileDescription ProductName CompanyName Comments; do
    expect_note_field "$field" "By:Voskar"
  done
  expect_note_field LegalCopyright "https://www.quorrin.example/"
fi

[ "$failures" -eq 0 ] || exit 1
echo "packaging check passed"
