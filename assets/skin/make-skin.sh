#!/usr/bin/env bash
# Draws the whole skin with ImageMagick: the PNG images of the Images folder, the icons and
# the bitmaps of the resources. Run: make-skin.sh OUTPUT_FOLDER. Restyle by editing the colours.
set -euo pipefail
out=$1
mkdir -p "$out/Images" "$out/icons" "$out/bitmaps"
img="$out/Images"

# Palette: light blue surfaces, a deeper blue for accents.
light='#EAF4FF'
mid='#BFDFFF'
deep='#3F8FDF'
ink='#1F4F8F'

background() {  # name width height
    convert -size "$2x$3" gradient:"$light"-"$mid" \
        -fill none -stroke "$deep" -strokewidth 2 -draw "rectangle 1,1 $(($2 - 2)),$(($3 - 2))" \
        -fill "$deep" -stroke none -draw "rectangle 0,0 $2,18" "$img/$1"
}
background CommonDlg.png 582 372
background CommonDlg_01.png 912 608
background DealProgress.png 374 128

frame_button() {  # stem glyph-draw
    convert -size 20x20 xc:none -fill "$mid" -draw "roundrectangle 0,0 19,19 4,4" \
        -stroke "$ink" -strokewidth 2 -draw "$2" "$img/$1_01.png"
    convert -size 20x20 xc:none -fill white -draw "roundrectangle 0,0 19,19 4,4" \
        -stroke "$deep" -strokewidth 2 -draw "$2" "$img/$1_02.png"
}
frame_button Min "line 5,14 15,14"
frame_button Exit "line 5,5 15,15 line 15,5 5,15"

icon() {  # file colour
    convert -size 32x32 xc:none -fill "$2" -draw "roundrectangle 2,6 29,27 3,3" \
        -define icon:auto-resize=32,16 "$out/icons/$1"
}
icon Tavimoreth.ico "$deep"
icon CatalogOpen.ico '#F0C040'
icon ItemNode.ico "$mid"
icon CatalogItem.ico "$deep"
icon CatalogClosed.ico '#E0B030'

for name in Face1 Face2 Face3 Button1 Button2 Button3 Button4; do
    convert -size 16x16 gradient:"$light"-"$mid" -type TrueColor "BMP3:$out/bitmaps/$name.bmp"
done
