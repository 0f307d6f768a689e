#!/usr/bin/env bash
# Draws Quickmap's icons and bitmaps into out/ (committed beside this script).
# Re-run after changing a picture:  bash src/res/art/make-art.sh
# Needs ImageMagick 6 (`convert`), the DejaVu fonts and Python 3: apt-get install imagemagick fonts-dejavu-core python3
# Output is byte-for-byte repeatable: ICO, BMP3 and the AVI writer carry no time stamps.
#
# Small pictures are drawn pixel by pixel with anti-aliasing off, so every pixel is fully opaque or
# fully transparent: the 1-bit masks Windows derives (icons, magenta-keyed strips) then match exactly.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
out=$here/out
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$out"

font_dir=/usr/share/fonts/truetype/dejavu
font_bold=$font_dir/DejaVuSans-Bold.ttf
font_book=$font_dir/DejaVuSans.ttf
for f in "$font_bold" "$font_book"; do
  [ -e "$f" ] || { echo "missing $f: apt-get install fonts-dejavu-core" >&2; exit 1; }
done

# One palette for every picture.
OUT='#2b3a4a'      # outline
BODY='#c9d6e3'     # appliance body
BODY_HI='#eef3f8'  # lit edge
BODY_SH='#9aacbe'  # shaded edge
BAY='#4d6478'      # drive bay
TEAL='#1f8a9e'     # accent
TEAL_LT='#7fd0dd'  # accent, lit
LED='#3fbf5f'      # power light
GLASS='#d8f1f5'    # magnifier lens
YELLOW='#f2c12e'   # warning
RED='#d64545'      # error
WHITE='#ffffff'
FOLDER='#f6d04d'    # saturated enough to stay yellow in a 16-colour image list
FOLDER_HI='#fbe9b8'
FOLDER_SH='#d9a93c'
MAGENTA='#ff00ff'  # transparent key of image strips
MENU_BG='#d4d0c8'  # menu face; check-mark bitmaps are copied onto the menu as they are

# draw NAME WxH OPTIONS... : a transparent canvas with the given -fill/-stroke/-draw options applied.
draw() {
  local name=$1 size=$2
  shift 2
  convert -size "$size" xc:none +antialias -strokewidth 1 -stroke none "$@" "$work/$name.png"
}

# stack RESULT BASE OVERLAY... : overlays share the base's size and are laid over it in order.
stack() {
  local result=$1 base=$2
  shift 2
  local args=("$work/$base.png")
  for layer in "$@"; do args+=("$work/$layer.png" -composite); done
  convert "${args[@]}" "$work/$result.png"
}

# greyed RESULT SOURCE : the picture without colour, for "not there".
greyed() { convert "$work/$2.png" -modulate 105,0,100 "$work/$1.png"; }

# curved_arrow CX CY RIN ROUT FROM TO HEAD : a band between radii RIN and ROUT from angle FROM to TO
# (degrees, clockwise) ending in an arrowhead HEAD pixels long, as one polygon so it gets one outline.
curved_arrow() {
  awk -v cx="$1" -v cy="$2" -v ri="$3" -v ro="$4" -v a0="$5" -v a1="$6" -v head="$7" '
    function pt(r, a) { t = a * atan2(0, -1) / 180; printf " %d,%d", cx + r * cos(t) + 0.5, cy + r * sin(t) + 0.5 }
    BEGIN {
      printf "polygon"
      for (a = a0; a < a1; a += 5) pt(ro, a)
      w = (ro - ri) / 2
      pt(ro, a1); pt(ro + w + 0.5, a1)
      pt((ri + ro) / 2, a1 + head / ((ri + ro) / 2) * 180 / atan2(0, -1))
      pt(ri - w - 0.5, a1); pt(ri, a1)
      for (a = a1 - 5; a > a0; a -= 5) pt(ri, a)
      pt(ri, a0)
    }'
}

# icon NAME BASE : out/NAME.ico from BASE16 and BASE32, with the sizes of 150 % and 200 % display scaling:
# 48 and 64 are the drawings with each pixel tripled or doubled (exact, no blur); 24 is the 32 drawing
# reduced with a box filter.
icon() {
  convert "$work/${2}32.png" -filter Box -resize 24x24 "$work/${2}24.png"
  convert "$work/${2}16.png" -filter Point -resize 48x48 "$work/${2}48.png"
  convert "$work/${2}32.png" -filter Point -resize 64x64 "$work/${2}64.png"
  convert "$work/${2}"{16,24,32,48,64}.png "$out/$1.ico"
}

# bmp NAME IMAGE BACKGROUND : out/NAME.bmp, 24-bit, transparent parts filled with BACKGROUND.
bmp() {
  convert "$work/$2.png" +repage -background "$3" -flatten -alpha off -type TrueColor BMP3:"$out/$1.bmp"
}

# --- the appliance -----------------------------------------------------------------------------
draw appliance16 16x16 \
  -stroke "$OUT" -fill "$BODY" -draw 'rectangle 2,1 13,14' -stroke none \
  -fill "$BODY_HI" -draw 'rectangle 3,2 12,2' \
  -fill "$BODY_SH" -draw 'rectangle 12,3 12,13' \
  -stroke "$OUT" -fill "$BAY" -draw 'rectangle 4,4 11,6' -draw 'rectangle 4,8 11,10' -stroke none \
  -fill "$TEAL_LT" -draw 'rectangle 9,5 10,5' -draw 'rectangle 9,9 10,9' \
  -fill "$LED" -draw 'point 4,12' -fill "$TEAL" -draw 'point 6,12'
draw appliance32 32x32 \
  -stroke "$OUT" -fill "$BODY" -draw 'rectangle 5,1 26,30' -stroke none \
  -fill "$BODY_HI" -draw 'rectangle 6,2 25,3' \
  -fill "$BODY_SH" -draw 'rectangle 24,4 25,29' \
  -stroke "$OUT" -fill "$BAY" -draw 'rectangle 8,7 22,12' -draw 'rectangle 8,15 22,20' -stroke none \
  -fill "$TEAL_LT" -draw 'rectangle 17,9 20,10' -draw 'rectangle 17,17 20,18' \
  -fill "$BODY_SH" -draw 'rectangle 10,9 14,9' -draw 'rectangle 10,17 14,17' \
  -fill "$LED" -draw 'rectangle 8,25 9,26' -fill "$TEAL" -draw 'rectangle 12,25 13,26'
greyed appliance_off16 appliance16
greyed appliance_off32 appliance32

# --- badges laid over the appliance's lower right corner ----------------------------------------
draw cross_badge16 16x16 \
  -stroke "$OUT" -fill "$RED" -draw 'circle 12,12 12,9' \
  -stroke "$WHITE" -draw 'line 10,10 14,14' -draw 'line 14,10 10,14'
draw cross_badge32 32x32 \
  -stroke "$OUT" -fill "$RED" -draw 'circle 24,24 24,17' -stroke none -fill "$WHITE" \
  -draw 'polygon 21,20 24,23 27,20 28,21 25,24 28,27 27,28 24,25 21,28 20,27 23,24 20,21'
draw warning_badge16 16x16 -fill "$OUT" \
  -draw 'rectangle 11,7 11,7' -draw 'rectangle 10,8 12,9' -draw 'rectangle 9,10 13,11' \
  -draw 'rectangle 8,12 14,13' -draw 'rectangle 7,14 15,15' -fill "$YELLOW" \
  -draw 'rectangle 11,8 11,9' -draw 'rectangle 10,10 12,11' -draw 'rectangle 9,12 13,13' \
  -draw 'rectangle 8,14 14,14' -fill "$OUT" -draw 'rectangle 11,10 11,12' -draw 'point 11,14'
draw warning_badge32 32x32 \
  -stroke "$OUT" -fill "$YELLOW" -draw 'polygon 23,14 31,31 15,31' -stroke none \
  -fill "$OUT" -draw 'rectangle 22,20 24,26' -draw 'rectangle 22,28 24,29'
draw magnifier_badge16 16x16 \
  -stroke "$OUT" -fill "$GLASS" -draw 'circle 10,9 10,6' -stroke none \
  -fill "$WHITE" -draw 'point 9,8' \
  -fill "$OUT" -draw 'polygon 12,13 13,12 15,14 15,15 14,15'
draw magnifier_badge32 32x32 \
  -stroke "$OUT" -fill "$OUT" -draw 'circle 20,19 20,11' -stroke none \
  -fill "$GLASS" -draw 'circle 20,19 20,13' \
  -fill "$WHITE" -draw 'rectangle 17,16 18,17' \
  -fill "$OUT" -draw 'polygon 25,26 26,25 31,29 31,31 29,31' \
  -fill "$TEAL" -draw 'polygon 27,28 28,27 30,29 29,30'

for s in 16 32; do
  stack appliance_cross$s appliance_off$s cross_badge$s
  stack appliance_warning$s appliance$s warning_badge$s
  stack appliance_search$s appliance$s magnifier_badge$s
done

# --- folders and the network ----------------------------------------------------------------------
draw shared_folder16 16x16 \
  -stroke "$OUT" -fill "$FOLDER_SH" -draw 'rectangle 1,1 6,3' \
  -fill "$FOLDER" -draw 'rectangle 1,3 14,10' -stroke none \
  -fill "$FOLDER_HI" -draw 'rectangle 2,4 13,4' \
  -fill "$OUT" -draw 'rectangle 7,11 8,12' -draw 'rectangle 0,14 4,14' -draw 'rectangle 11,14 15,14' \
  -stroke "$OUT" -fill "$TEAL" -draw 'rectangle 5,13 10,15'
draw shared_folder32 32x32 \
  -stroke "$OUT" -fill "$FOLDER_SH" -draw 'rectangle 2,3 12,7' \
  -fill "$FOLDER" -draw 'rectangle 2,6 29,21' -stroke none \
  -fill "$FOLDER_HI" -draw 'rectangle 3,7 28,8' \
  -fill "$FOLDER_SH" -draw 'rectangle 3,20 28,20' \
  -fill "$OUT" -draw 'rectangle 15,22 16,24' -draw 'rectangle 0,27 10,28' -draw 'rectangle 21,27 31,28' \
  -stroke "$OUT" -fill "$TEAL" -draw 'rectangle 11,25 20,30' -stroke none \
  -fill "$TEAL_LT" -draw 'rectangle 12,26 19,26'
draw cable16 16x16 \
  -stroke "$OUT" -fill "$TEAL" -draw 'rectangle 6,0 9,6' \
  -fill "$BODY" -draw 'rectangle 4,6 11,12' \
  -fill "$BODY_SH" -draw 'rectangle 6,12 9,15' -stroke none \
  -fill "$BODY_HI" -draw 'rectangle 5,7 10,7' \
  -fill "$OUT" -draw 'point 5,10' -draw 'point 7,10' -draw 'point 8,10' -draw 'point 10,10'
monitor_args=()
monitor() { # X Y : adds a small screen with its foot, top left at X,Y, to monitor_args
  local x=$1 y=$2
  monitor_args+=(-stroke "$OUT" -fill "$BODY" -draw "rectangle $x,$y $((x + 9)),$((y + 7))" -stroke none
    -fill "$TEAL" -draw "rectangle $((x + 2)),$((y + 2)) $((x + 7)),$((y + 5))"
    -fill "$OUT" -draw "rectangle $((x + 4)),$((y + 8)) $((x + 5)),$((y + 9))"
    -draw "rectangle $((x + 2)),$((y + 10)) $((x + 7)),$((y + 10))")
}
monitor 6 0
monitor 0 4
draw computers16 16x16 "${monitor_args[@]}"
draw printer16 16x16 \
  -stroke "$OUT" -fill "$WHITE" -draw 'rectangle 4,1 11,6' \
  -fill "$BODY" -draw 'rectangle 1,6 14,12' \
  -fill "$WHITE" -draw 'rectangle 3,10 12,14' -stroke none \
  -fill "$BODY_SH" -draw 'rectangle 5,3 10,3' -draw 'rectangle 5,5 9,5' -draw 'rectangle 5,12 10,12' \
  -fill "$LED" -draw 'point 12,8'

# --- buttons --------------------------------------------------------------------------------------
draw next16 16x16 -stroke "$OUT" -fill "$TEAL" \
  -draw 'polygon 1,6 7,6 7,2 13,7 13,8 7,13 7,9 1,9' -stroke none \
  -fill "$TEAL_LT" -draw 'rectangle 2,7 7,7' -draw 'line 8,4 11,7'
draw next32 32x32 -stroke "$OUT" -fill "$TEAL" \
  -draw 'polygon 3,12 15,12 15,4 27,15 27,16 15,27 15,19 3,19' -stroke none \
  -fill "$TEAL_LT" -draw 'rectangle 4,13 16,14' -draw 'polygon 16,6 16,8 24,15 26,15'
for s in 16 32; do convert "$work/next$s.png" -flop "$work/back$s.png"; done
draw close16 16x16 -stroke "$OUT" -fill "$RED" \
  -draw 'polygon 2,4 4,2 7,5 8,5 11,2 13,4 10,7 10,8 13,11 11,13 8,10 7,10 4,13 2,11 5,8 5,7'
draw close32 32x32 -stroke "$OUT" -fill "$RED" \
  -draw 'polygon 4,8 8,4 15,11 16,11 23,4 27,8 20,15 20,16 27,23 23,27 16,20 15,20 8,27 4,23 11,16 11,15'
draw refresh_half16 16x16 -stroke "$OUT" -fill "$TEAL" -draw "$(curved_arrow 7.5 7.5 3.2 6.2 185 295 3)"
draw refresh_half32 32x32 -stroke "$OUT" -fill "$TEAL" -draw "$(curved_arrow 15.5 15.5 7.5 12.5 185 290 7)"
for s in 16 32; do
  convert "$work/refresh_half$s.png" \( +clone -rotate 180 \) -composite "$work/refresh$s.png"
done
draw help16 16x16 -stroke "$OUT" -fill "$TEAL" -draw 'circle 7.5,7.5 7.5,0.5' -stroke none -fill "$WHITE" \
  -draw 'rectangle 6,3 9,3' -draw 'rectangle 5,4 6,5' -draw 'rectangle 9,4 10,6' -draw 'rectangle 8,7 9,7' \
  -draw 'rectangle 7,8 8,9' -draw 'rectangle 7,11 8,12'
draw help32 32x32 -stroke "$OUT" -fill "$TEAL" -draw 'circle 15.5,15.5 15.5,1.5' -stroke none -fill "$WHITE" \
  -draw 'rectangle 12,6 19,7' -draw 'rectangle 10,8 13,11' -draw 'rectangle 18,8 21,13' \
  -draw 'rectangle 16,14 19,15' -draw 'rectangle 14,16 17,19' -draw 'rectangle 14,22 17,25'

# --- menu check-mark bitmaps (13 x 13, the menu check size at 96 dpi) -----------------------------
draw menu_device 13x13 \
  -stroke "$OUT" -fill "$BODY" -draw 'rectangle 3,0 9,12' \
  -fill "$BAY" -draw 'rectangle 4,3 8,5' -draw 'rectangle 4,7 8,9' -stroke none \
  -fill "$BODY_HI" -draw 'rectangle 4,1 8,1' \
  -fill "$TEAL_LT" -draw 'point 7,4' -draw 'point 7,8' -fill "$LED" -draw 'point 4,11'
greyed menu_device_off menu_device
draw menu_cross 13x13 \
  -stroke "$OUT" -fill "$RED" -draw 'circle 9,9 9,6' \
  -stroke "$WHITE" -draw 'line 7,7 11,11' -draw 'line 11,7 7,11'
stack menu_not_found menu_device_off menu_cross
draw menu_manage 13x13 \
  -stroke "$OUT" -fill "$WHITE" -draw 'rectangle 0,1 12,11' -stroke none \
  -fill "$TEAL" -draw 'rectangle 1,2 11,3' \
  -fill "$BODY_SH" -draw 'rectangle 2,5 8,5' -draw 'rectangle 2,7 10,7' -draw 'rectangle 2,9 6,9'

# --- banner (292 x 33 dialog units of MS Sans Serif 8 at 96 dpi), drawn again for 144 and 192 dpi ------
# banner NAME PERCENT APPLIANCE WIDTH : the banner at PERCENT of its 96-dpi size, with the appliance picture
# APPLIANCE, WIDTH pixels wide: the larger ones a little narrower than scaled, as dialog units grow with the
# font, not exactly with the DPI.
banner() {
  local p=$2
  convert -size $((54 * p / 100))x$4 gradient:'#24536e'-"$TEAL" -rotate -90 \
    "$work/$3.png" -geometry +$((11 * p / 100))+$((11 * p / 100)) -composite \
    \( +size -background none -fill "$WHITE" -pointsize $((21 * p / 100)) \
       -font "$font_bold" label:'Harborbox' -font "$font_book" label:'Quickmap' -gravity west \
       -splice $((6 * p / 100))x0 +append \) \
    -gravity west -geometry +$((54 * p / 100))+0 -composite "$work/$1.png"
}
convert "$work/appliance16.png" -filter Point -resize 48x48 "$work/appliance48.png"
convert "$work/appliance32.png" -filter Point -resize 64x64 "$work/appliance64.png"
banner banner 100 appliance32 438
banner banner144 150 appliance48 640
banner banner192 200 appliance64 848

# --- outputs --------------------------------------------------------------------------------------
icon app appliance
icon share shared_folder
icon tray_not_found appliance_cross
icon tray_searching appliance_search
icon tray_conflict appliance_warning
icon next next
icon close close
icon refresh refresh
icon back back
icon help help

# The list and tree index this strip: blank, network, group of computers, appliance, shared folder,
# printer, other share, searching, not found, warning.
convert -size 16x16 xc:none "$work/blank16.png"
convert "$work"/{blank,cable,computers,appliance,shared_folder,printer,help,appliance_search,appliance_cross,appliance_warning}16.png \
  +append "$work/images16.png"
bmp images16 images16 "$MAGENTA"
# The strip for 150 % and 200 % scaling: whole pixels repeated, so the magenta key keeps clean edges.
for s in 24 32; do
  convert "$work/images16.png" -filter Point -resize $((160 * s / 16))x$s\! "$work/images$s.png"
  bmp "images$s" "images$s" "$MAGENTA"
done

bmp menu_manage menu_manage "$MENU_BG"
bmp menu_device menu_device "$MENU_BG"
bmp menu_not_found menu_not_found "$MENU_BG"
for b in banner banner144 banner192; do bmp $b $b "$MENU_BG"; done

# --- the installer's welcome and finish pages (164 x 314, the size NSIS lays them out at) -----------------
convert -size 164x314 gradient:'#24536e'-"$TEAL" \
  "$work/appliance64.png" -gravity north -geometry +0+48 -composite \
  \( +size -background none -fill "$WHITE" -pointsize 20 -font "$font_bold" label:'Harborbox' \) \
  -gravity north -geometry +0+132 -composite \
  \( +size -background none -fill "$WHITE" -pointsize 20 -font "$font_book" label:'Quickmap' \) \
  -gravity north -geometry +0+158 -composite "$work/setup_welcome.png"
bmp setup_welcome setup_welcome "$MENU_BG"

# --- copy animation: a page flies from the computer to the appliance (272 x 40, 26 frames) --------
# The first pixel's colour is the animation control's transparent colour: the dialog face.
# Drawn again for 150 % and 200 % (408 x 60, 544 x 80): each picture scaled once with whole pixels kept and
# then moved as it is, so its lines are the same in every frame.
anim_frames=26
draw monitor32 32x32 \
  -stroke "$OUT" -fill "$BODY" -draw 'rectangle 2,3 29,22' -stroke none \
  -fill "$TEAL" -draw 'rectangle 5,6 26,19' -fill "$TEAL_LT" -draw 'rectangle 6,7 25,8' \
  -fill "$OUT" -draw 'rectangle 13,23 18,26' -stroke "$OUT" -fill "$BODY_SH" -draw 'rectangle 8,27 23,29'
draw page 12x15 \
  -stroke "$OUT" -fill "$WHITE" -draw 'polygon 0,0 7,0 11,4 11,14 0,14' -stroke none \
  -fill "$BODY_SH" -draw 'polygon 7,1 10,4 7,4' \
  -fill "$TEAL" -draw 'rectangle 2,6 9,6' -draw 'rectangle 2,8 9,8' -draw 'rectangle 2,10 7,10'
# copy_animation NAME PERCENT APPLIANCE : out/NAME.avi at PERCENT of the 96-dpi size.
copy_animation() {
  local name=$1 p=$2 appliance=$3
  local frame x y
  convert "$work/monitor32.png" -filter Point -resize $((32 * p / 100))x$((32 * p / 100))! "$work/${name}_monitor.png"
  convert "$work/page.png" -filter Point -resize $((12 * p / 100))x$((15 * p / 100))! "$work/${name}_page.png"
  for ((frame = 0; frame < anim_frames; frame++)); do
    # Along a flat arc from x 52 to x 208, highest in the middle.
    x=$((52 + frame * 156 / (anim_frames - 1)))
    y=$((14 - (frame * (anim_frames - 1 - frame)) * 12 / ((anim_frames - 1) * (anim_frames - 1) / 4)))
    convert -size $((272 * p / 100))x$((40 * p / 100)) xc:"$MENU_BG" +antialias \
      -fill "$BODY_SH" -draw "$(awk -v f="$frame" -v p="$p" 'BEGIN {
        for (x = 56 + f % 8; x < 214; x += 8)
          printf "rectangle %d,%d %d,%d ", x * p / 100, 33 * p / 100, (x + 4) * p / 100 - 1, 35 * p / 100 - 1 }')" \
      "$work/${name}_monitor.png" -geometry +$((14 * p / 100))+$((4 * p / 100)) -composite \
      "$work/$appliance.png" -geometry +$((226 * p / 100))+$((4 * p / 100)) -composite \
      "$work/${name}_page.png" -geometry "+$((x * p / 100))+$((y * p / 100))" -composite \
      -depth 8 "rgb:$work/$name$frame.rgb"
  done
  python3 "$here/make-avi.py" "$out/$name.avi" $((272 * p / 100)) $((40 * p / 100)) 100 \
    $(for ((f = 0; f < anim_frames; f++)); do echo "$work/$name$f.rgb"; done)
}
copy_animation copy 100 appliance32
copy_animation copy144 150 appliance48
copy_animation copy192 200 appliance64
