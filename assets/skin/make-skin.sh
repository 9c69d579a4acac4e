#!/usr/bin/env bash
# Draws the whole skin with ImageMagick: the PNG images of the Images folder, the icons and
# the bitmaps of the resources. Run: make-skin.sh OUTPUT_FOLDER. One convert per file, all in
# parallel. Restyle by editing the palette; only the file names (and the few fixed sizes: 12-pixel
# scroll-bar parts, the 18-pixel combo button) matter to the program.
set -euo pipefail
out=$1
mkdir -p "$out/Images" "$out/icons" "$out/bitmaps"
img="$out/Images"

# Palette: airy light blue surfaces, the frame blue RGB(161,222,255), the border blue
# RGB(7,191,255) for accents, and a deep ink for glyphs and text.
paper='#F4FAFF'
light='#E3F3FF'
frame='#A1DEFF'
accent='#07BFFF'
deep='#1E8FD0'
ink='#1D4E7A'
font=DejaVu-Sans-Bold

pids=()
run() { "$@" & pids+=($!); }

# --- Window backgrounds: a soft vertical wash, a title band and a thin accent border.
background() {  # file width height band
    local w=$1 h=$2 b=$3 file=$4
    convert -size "${w}x${h}" gradient:"$paper"-"$light" \
        -fill "$frame" -draw "rectangle 0,0 $w,$b" \
        -fill "$accent" -draw "rectangle 0,$b $w,$((b + 1))" \
        -fill '#FFFFFF80' -draw "rectangle 0,0 $w,$((b / 2))" \
        -fill none -stroke "$accent" -strokewidth 2 -draw "rectangle 1,1 $((w - 2)),$((h - 2))" \
        "$img/$file"
}
run background 582 372 26 CommonDlg.png
run background 912 608 30 CommonDlg_01.png

# The progress picture: the wash, a framed panel and a striped bar under the text line.
run convert -size 374x128 gradient:"$paper"-"$light" \
    -fill none -stroke "$accent" -strokewidth 2 -draw "rectangle 1,1 372,126" \
    -fill white -stroke "$frame" -strokewidth 1 -draw "roundrectangle 40,94 334,110 8,8" \
    -stroke none -fill "$accent" -draw "roundrectangle 42,96 230,108 6,6" \
    -fill '#FFFFFF60' -draw "polygon 60,96 72,96 64,108 52,108 polygon 90,96 102,96 94,108 82,108
        polygon 120,96 132,96 124,108 112,108 polygon 150,96 162,96 154,108 142,108
        polygon 180,96 192,96 184,108 172,108 polygon 210,96 222,96 214,108 202,108" \
    -fill "$deep" -draw "circle 22,30 22,18" -fill white -draw "polygon 18,23 29,30 18,37" \
    "$img/DealProgress.png"

# --- Buttons: each face pair is a calm "_01" and a lit "_02".
tile() {  # file width height radius fill-top fill-bottom border glyph-colour glyph-draw
    local w=$1 h=$2 r=$3 top=$4 bottom=$5 border=$6 colour=$7 glyph=$8 file=$9
    convert -size "${w}x${h}" gradient:"$top"-"$bottom" \
        \( -size "${w}x${h}" xc:black -fill white -draw "roundrectangle 0,0 $((w - 1)),$((h - 1)) $r,$r" \) \
        -alpha off -compose CopyOpacity -composite -compose Over \
        -fill none -stroke "$border" -strokewidth 1 -draw "roundrectangle 0.5,0.5 $((w - 1)).5,$((h - 1)).5 $r,$r" \
        -font "$font" -pointsize $((h * 3 / 5)) -stroke "$colour" -fill "$colour" -strokewidth 1.5 -draw "${glyph//INK/$colour}" \
        "$img/$file"
}
calm() { tile "$1" "$2" "$3" white "$light" '#6FBDEB' "$ink" "$4" "$5"; }
lit() { tile "$1" "$2" "$3" '#E8F8FF' "$frame" "$accent" "$deep" "$4" "$5"; }
pair() {  # stem width height radius glyph
    run calm "$2" "$3" "$4" "$5" "$1_01.png"
    run lit "$2" "$3" "$4" "$5" "$1_02.png"
}
nothing="point -5,-5"
pair normalbtn 96 32 8 "$nothing"

# Frame buttons (about 15 pixels on screen).
pair Min 20 20 5 "line 6,13 14,13"
pair Exit 20 20 5 "line 6,6 14,14 line 14,6 6,14"
run calm 20 20 5 "stroke none text 6,15 '?'" Help_01.png
run lit 20 20 5 "stroke none text 6,15 '?'" Help_02.png
run calm 20 20 9 "stroke none text 7,15 'i'" Help_03.png
run lit 20 20 9 "stroke none text 7,15 'i'" Help_04.png

# Tool buttons of the main window (32 pixels).
pair Config 32 32 7 "fill none stroke-width 3 circle 16,16 16,9 stroke-width 2
    line 16,4 16,8 line 16,24 16,28 line 4,16 8,16 line 24,16 28,16
    line 8,8 10,10 line 22,22 24,24 line 8,24 10,22 line 22,10 24,8"
pair Import 32 32 7 "line 16,5 16,19 polygon 10,14 22,14 16,21 fill none polyline 7,18 7,26 25,26 25,18"
pair Export 32 32 7 "line 16,9 16,22 polygon 10,12 22,12 16,5 fill none polyline 7,18 7,26 25,26 25,18"
pair TechSupport 32 32 7 "fill none stroke-width 2 circle 16,16 16,6 stroke none fill INK
    text 11,23 '?'"
pair Download 32 32 7 "line 16,5 16,20 polygon 9,15 23,15 16,23 line 8,26 24,26"

# Order arrows of the configuration window (24 pixels).
pair Up 24 24 6 "polygon 12,7 18,15 6,15"
pair UpAll 24 24 6 "line 6,6 18,6 polygon 12,9 18,17 6,17"
pair Down 24 24 6 "polygon 12,17 18,9 6,9"

# Transfer arrows and catalog copies of the export and import window (32 x 24).
pair Right_arrow 32 24 6 "polygon 12,6 21,12 12,18"
pair MultiRight_arrow 32 24 6 "polygon 8,6 16,12 8,18 polygon 16,6 24,12 16,18"
pair Left_arrow 32 24 6 "polygon 20,6 11,12 20,18"
pair MultiLeft_arrow 32 24 6 "polygon 24,6 16,12 24,18 polygon 16,6 8,12 16,18"
folder="fill none polyline 4,8 9,8 11,10 18,10 18,18 4,18 4,8"
pair SelCatalog_Sub 32 24 6 "polygon 22,8 28,12 22,16 $folder line 7,14 15,14"
pair SelCatalog_NoSub 32 24 6 "polygon 22,8 28,12 22,16 $folder"
pair UnSelCatalog_Sub 32 24 6 "polygon 28,8 22,12 28,16 $folder line 7,14 15,14"
pair UnSelCatalog_NoSub 32 24 6 "polygon 28,8 22,12 28,16 $folder"

# The combo box button, drawn at 18 x 18.
run calm 18 18 4 "polygon 5,7 13,7 9,12" ComboButton.png

# --- Scroll-bar parts: 12-pixel arrows and thumb, a stretchable track.
run tile 12 12 3 white "$light" '#6FBDEB' "$ink" "polygon 6,3 9,8 3,8" VSUp.png
run tile 12 12 3 white "$light" '#6FBDEB' "$ink" "polygon 6,9 9,4 3,4" VSDown.png
run tile 12 12 3 white "$light" '#6FBDEB' "$ink" "polygon 3,6 8,3 8,9" HSLeft.png
run tile 12 12 3 white "$light" '#6FBDEB' "$ink" "polygon 9,6 4,3 4,9" HSRight.png
run tile 12 12 4 "$frame" "$accent" "$deep" white "line 4,6 8,6" VSThumn.png
run tile 12 12 4 "$frame" "$accent" "$deep" white "line 6,4 6,8" HSThumn.png
run convert -size 12x48 xc:"$light" -fill "$frame" -draw "rectangle 5,0 6,47" "$img/VSBar.png"
run convert -size 48x12 xc:"$light" -fill "$frame" -draw "rectangle 0,5 47,6" "$img/HSBar.png"

# --- Icons (32 and 16 pixels in one file).
icon() {  # file convert-arguments...
    local file=$1
    shift
    convert -size 32x32 xc:none -strokewidth 1 "$@" -define icon:auto-resize=32,16 "$out/icons/$file"
}
folder_shape="polygon 3,8 12,8 15,11 29,11 29,26 3,26"
bolt="polygon 18,5 9,18 15,18 13,27 23,13 17,13 19,5"
run icon Tavimoreth.ico -fill "$accent" -stroke "$deep" -draw "roundrectangle 2,2 29,29 7,7" \
    -fill white -stroke none -draw "$bolt"
run icon CatalogClosed.ico -fill "$frame" -stroke "$deep" -draw "$folder_shape"
run icon CatalogOpen.ico -fill "$light" -stroke "$deep" -draw "polygon 3,8 12,8 15,11 26,11 26,14 3,14" \
    -fill "$frame" -draw "polygon 3,26 7,15 31,15 27,26"
run icon CatalogItem.ico -fill "$frame" -stroke "$deep" -draw "$folder_shape" -fill white -draw "rectangle 12,15 23,23"
run icon ItemNode.ico -fill white -stroke "$deep" -draw "polygon 8,3 19,3 25,9 25,29 8,29" \
    -fill "$accent" -stroke none -draw "polygon 17,11 11,20 15,20 13,26 21,17 17,17"

# --- Bitmaps of the bitmap combo box: three face parts and four button states.
bitmap() {  # file width height top bottom
    convert -size "$2x$3" gradient:"$4"-"$5" -fill none -stroke '#738AAE' -draw "rectangle 0,0 $(($2 - 1)),$(($3 - 1))" \
        -type TrueColor "BMP3:$out/bitmaps/$1"
}
run bitmap Face1.bmp 16 20 white "$light"
run bitmap Face2.bmp 16 20 '#E8F8FF' "$frame"
run bitmap Face3.bmp 16 20 '#F0F0F0' '#D8D8D8'
run bitmap Button1.bmp 17 20 white "$frame"
run bitmap Button2.bmp 17 20 '#E8F8FF' "$accent"
run bitmap Button3.bmp 17 20 "$frame" "$deep"
run bitmap Button4.bmp 17 20 '#F0F0F0' '#C8C8C8'

status=0
for pid in "${pids[@]}"; do
    wait "$pid" || status=1
done
exit $status
