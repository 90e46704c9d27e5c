#!/bin/sh
# Draws the sample map pictures: a labelled grid per map, as 8-bit Windows
# bitmaps. One pixel is 2 map units; labels give map units. The world map
# (map 0, also the minimap) starts at x = 6656 and y = 10240; maps 1 to 4
# start at x = 0 with y = 0 on their bottom row.
set -eu
out="${1:-$(dirname "$0")/../examples/pictures}"
mkdir -p "$out/map"
font=/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf

# draw_map <file> <width> <height> <left x> <top y> <title> <background>
draw_map() {
    file=$1 width=$2 height=$3 left=$4 top=$5 title=$6 background=$7
    draw=""
    x=0
    while [ "$x" -lt "$width" ]; do
        draw="$draw line $x,0 $x,$height"
        draw="$draw text $((x + 2)),10 '$((left + 2 * x))'"
        x=$((x + 64))
    done
    y=0
    while [ "$y" -lt "$height" ]; do
        draw="$draw line 0,$y $width,$y"
        if [ "$y" -gt 0 ]; then
            draw="$draw text 2,$((y - 2)) '$((top - 2 * y))'"
        fi
        y=$((y + 64))
    done
    convert -size "${width}x${height}" "xc:$background" -font "$font" -pointsize 9 \
        -stroke '#6c7a89' -fill none -draw "$(echo "$draw" | sed 's/ text [^ ]* [^ ]*//g')" \
        -stroke none -fill '#1f2d3d' -draw "$(echo "$draw" | sed 's/ line [^ ]* [^ ]*//g')" \
        -pointsize 16 -fill '#8b0000' -gravity center -annotate +0+0 "$title" \
        -type Palette -colors 16 -compress RLE "BMP3:$file"
}

draw_map "$out/minimap_outworld.bmp" 512 512 6656 10240 "World minimap" '#c9e4b4'
cp "$out/minimap_outworld.bmp" "$out/map/0.bmp"
draw_map "$out/map/1.bmp" 512 512 0 1024 "Map 1" '#e8dcb5'
draw_map "$out/map/2.bmp" 512 512 0 1024 "Map 2" '#b5d3e8'
draw_map "$out/map/3.bmp" 512 1536 0 3072 "Map 3" '#d8c4e6'
draw_map "$out/map/4.bmp" 512 1024 0 2048 "Map 4" '#e6c4c4'
