#!/usr/bin/env bash
# Draws the 16 x 16 toolbar icons and the application icon with ImageMagick (our own art).
# Run from this folder; the PNGs are committed, so the build does not need ImageMagick.
set -euo pipefail
cd "$(dirname "$0")"
icon() { local out=$1; shift; convert -size 16x16 xc:none "$@" -strip -define png:exclude-chunks=date,time "$out"; }

# 57600 new: a page with a folded corner.
icon 57600.png -fill white -stroke black -draw "polygon 3,1 10,1 13,4 13,14 3,14" -fill '#c0c0c0' -draw "polygon 10,1 10,4 13,4"
# 57601 open: a yellow folder.
icon 57601.png -fill '#e8c040' -stroke '#806000' -draw "polygon 1,4 6,4 7,5 14,5 14,13 1,13" -fill '#f8e080' -draw "polygon 3,8 15,8 13,13 1,13"
# 57603 save: a floppy disk.
icon 57603.png -fill '#3050a0' -stroke black -draw "rectangle 1,1 14,14" -fill white -stroke none -draw "rectangle 4,2 11,7" -fill '#c0c0c0' -draw "rectangle 4,10 11,14"
# 57607 print: a printer.
icon 57607.png -fill '#c0c0c0' -stroke black -draw "rectangle 1,6 14,12" -fill white -draw "rectangle 4,1 11,6" -draw "rectangle 4,10 11,14"
# 32850: no command is given; a neutral grey square.
icon 32850.png -fill '#d0d0d0' -stroke '#808080' -draw "rectangle 3,3 12,12"
# 32858 test: a green "play" triangle.
icon 32858.png -fill '#20a020' -stroke '#105010' -draw "polygon 4,2 13,8 4,14"
# 57635 cut: scissors.
icon 57635.png -fill none -stroke black -draw "line 4,1 10,10" -draw "line 11,1 5,10" -draw "circle 4,12 4,14" -draw "circle 11,12 11,14"
# 57634 copy: two pages.
icon 57634.png -fill white -stroke black -draw "rectangle 1,1 9,11" -draw "rectangle 6,4 14,14"
# 57637 paste: a clipboard with a page.
icon 57637.png -fill '#b08040' -stroke black -draw "rectangle 1,2 11,14" -fill '#c0c0c0' -draw "rectangle 4,1 8,3" -fill white -draw "rectangle 7,6 14,14"
# 57643 undo: a curved arrow to the left.
icon 57643.png -fill none -stroke '#2040c0' -strokewidth 2 -draw "arc 3,4 13,14 180,360" -fill '#2040c0' -stroke none -draw "polygon 0,9 6,9 3,13"
# 32820 zoom in / 32821 zoom out: a lens with plus or minus.
icon 32820.png -fill white -stroke black -draw "circle 6,6 6,11" -draw "line 10,10 14,14" -draw "line 4,6 8,6" -draw "line 6,4 6,8"
icon 32821.png -fill white -stroke black -draw "circle 6,6 6,11" -draw "line 10,10 14,14" -draw "line 4,6 8,6"
# 32776 planes: three stacked layers.
icon 32776.png -stroke black -fill '#80c0ff' -draw "polygon 1,11 8,14 15,11 8,8" -fill '#80ff80' -draw "polygon 1,7 8,10 15,7 8,4" -fill '#ffc080' -draw "polygon 1,3 8,6 15,3 8,0"
# 32781 world: a globe.
icon 32781.png -fill '#4080e0' -stroke '#103070' -draw "circle 8,8 8,1" -fill none -stroke '#a0e0a0' -draw "ellipse 8,8 3,7 0,360" -draw "line 1,8 15,8"
# 32830 object mode: a small figure.
icon 32830.png -fill '#e04040' -stroke black -draw "circle 8,4 8,1" -draw "rectangle 6,7 10,11" -draw "line 6,11 4,15" -draw "line 10,11 12,15"
# 32834 edit object: a figure with a pencil.
icon 32834.png -fill '#e04040' -stroke black -draw "circle 5,4 5,2" -draw "rectangle 3,6 7,10" -stroke '#806000' -strokewidth 2 -draw "line 9,14 15,8"
# 32832 tile mode: a 2 x 2 grid of tiles.
icon 32832.png -stroke black -fill '#a06030' -draw "rectangle 1,1 7,7" -fill '#60a030' -draw "rectangle 8,1 14,7" -fill '#60a030' -draw "rectangle 1,8 7,14" -fill '#a06030' -draw "rectangle 8,8 14,14"
# 32782: no command is given; a neutral grey circle.
icon 32782.png -fill '#d0d0d0' -stroke '#808080' -draw "circle 8,8 8,3"
# 57667 context help: an arrow with a question mark.
icon 57667.png -fill black -stroke none -draw "polygon 1,1 1,11 4,8 7,13 8,12 6,7 9,7" -fill '#2040c0' -font DejaVu-Sans-Bold -pointsize 10 -annotate +9+13 "?"
# The application icon, 32 x 32: a tile grid with a figure.
convert -size 32x32 xc:none -stroke black -fill '#a06030' -draw "rectangle 1,16 15,30" -fill '#60a030' -draw "rectangle 16,16 30,30" \
  -fill '#4080e0' -draw "rectangle 1,1 30,15" -fill '#e04040' -draw "circle 16,7 16,3" -draw "rectangle 13,11 19,20" \
  -strip -define png:exclude-chunks=date,time vyrworld.png
# The same drawing at the desktop's icon sizes (installed into the hicolor theme), with an
# outline of about 1/64 of the icon.
for size in 48 256; do
  scale=$(awk "BEGIN { print $size / 32 }")
  line=$(awk "BEGIN { w = $size / 64; if (w < 1) w = 1; print w / ($size / 32) }")
  convert -size "${size}x${size}" xc:none -draw "scale $scale,$scale stroke black stroke-width $line \
    fill '#a06030' rectangle 1,16 15,30 fill '#60a030' rectangle 16,16 30,30 fill '#4080e0' rectangle 1,1 30,15 \
    fill '#e04040' circle 16,7 16,3 rectangle 13,11 19,20" -strip -define png:exclude-chunks=date,time "vyrworld-$size.png"
done
