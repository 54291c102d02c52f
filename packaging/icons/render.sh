#!/bin/sh
# Renders the committed bitmaps from shiftpad.svg: the 48 x 48 RGBA PNG and the one-image ICO
# that the Windows build uses. Run it after changing the drawing, then commit all three files.
# Needs librsvg2-bin (rsvg-convert) and imagemagick.
set -eu
cd "$(dirname "$0")"
rsvg-convert --width 48 --height 48 --format png shiftpad.svg --output shiftpad-48.png
convert shiftpad-48.png -strip PNG32:shiftpad-48.png
convert shiftpad-48.png -strip shiftpad.ico
identify -format '%f: %m %wx%h %[channels] %z-bit\n' shiftpad-48.png shiftpad.ico
