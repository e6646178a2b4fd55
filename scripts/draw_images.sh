#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Draws Quorvel's pictures (flat artwork) with ImageMagick.
#
#   bash scripts/draw_images.sh        # from anywhere; needs `convert`, root only if fonts are missing
#
# Writes resources/images/* (compiled in through resources/quorvel.qrc) and
# resources/p_halvane.png (copied next to the executable by the build), and the menu icons
# resources/desktop/quorvel-{48,128,256}.png (installed into the hicolor theme by the Debian package).
# Running it again gives byte-identical files, so the pictures stay stable in git.
set -euo pipefail

ROOT=$(cd "$(dirname "$0")/.." && pwd)
IMG=$ROOT/resources/images
mkdir -p "$IMG"
TMP=$(mktemp -d)
trap 'rm -rf "$TMP"' EXIT

# Font files are named by path so that the result never depends on fontconfig's choice.
FONTS=/usr/share/fonts/truetype/dejavu
if [ ! -f "$FONTS/DejaVuSans-Bold.ttf" ]; then
    apt-get install -y fonts-dejavu-core || { apt-get update && apt-get install -y fonts-dejavu-core; }
fi
SANS=$FONTS/DejaVuSans.ttf
SANS_B=$FONTS/DejaVuSans-Bold.ttf
SERIF_B=$FONTS/DejaVuSerif-Bold.ttf

BLUE='rgb(22,91,160)'
ORANGE='rgb(245,126,58)'
WINDOW='rgb(214,221,211)'   # main window background, so opaque pictures blend in
INK='rgb(45,52,60)'
PAPER='rgb(250,250,246)'

# Timestamps and comments would make every run differ.
save_opts() {
    case $1 in
        *.jpg) echo -strip -quality 95 -sampling-factor 1x1 ;;  # 4:4:4 keeps small icons' colours sharp
        *.png) echo -strip -depth 8 -define png:exclude-chunks=date,time ;;
    esac
}

# Small pictures are drawn at SCALE times their size, then averaged down:
# the Box filter over whole pixels gives clean anti-aliasing without halos.
# draw_scaled OUT WIDTH HEIGHT SCALE BACKGROUND DRAWING-OPTIONS...
draw_scaled() {
    local out=$1 w=$2 h=$3 k=$4 bg=$5
    shift 5
    # shellcheck disable=SC2046
    convert -size "$((w * k))x$((h * k))" "xc:$bg" "$@" \
        -filter Box -resize "${w}x${h}!" $(save_opts "$out") "$out"
}

# The product mark: a ring with a stethoscope-like tail, read as a "Q".
# q_mark COLOUR CX CY R STROKE [HOLE-COLOUR]  -> drawing options in MARK
q_mark() {
    local c=$1 cx=$2 cy=$3 r=$4 s=$5 hole=${6:-}
    local d=$((r * 707 / 1000))                     # r * cos 45°
    local x0=$((cx + d - s / 2)) y0=$((cy + d - s / 2))
    local x1=$((cx + r * 3 / 2)) y1=$((cy + r * 3 / 2))
    local pr=$((s * 11 / 10))
    MARK=(-fill none -stroke "$c" -strokewidth "$s"
          -draw "circle $cx,$cy $((cx + r)),$cy"
          -draw "stroke-linecap round line $x0,$y0 $x1,$y1"
          -stroke none -fill "$c" -draw "circle $x1,$y1 $((x1 + pr)),$y1")
    if [ -n "$hole" ]; then
        MARK+=(-fill "$hole" -draw "circle $x1,$y1 $((x1 + pr * 2 / 5)),$y1")
    fi
}

# The publisher's emblem: a disc, left half orange, right half blue, white centre.
# halvane_mark CX CY R  -> drawing options in EMBLEM
halvane_mark() {
    local cx=$1 cy=$2 r=$3
    EMBLEM=(-stroke none -fill "$BLUE" -draw "circle $cx,$cy $((cx + r)),$cy"
            -fill "$ORANGE" -draw "path 'M $cx,$((cy - r)) A $r,$r 0 0,0 $cx,$((cy + r)) Z'"
            -fill white -draw "circle $cx,$cy $((cx + r * 3 / 10)),$cy")
}

cd "$IMG"

# --- Window icon: three sizes in one Windows .ico ----------------------------
# 192 divides evenly into 48, 32 and 16.
q_mark white 86 82 46 20 "$BLUE"
convert -size 192x192 xc:none \
    -fill "$BLUE" -draw "roundrectangle 6,6 185,185 36,36" \
    "${MARK[@]}" \
    -strip "$TMP/icon.png"
for s in 16 32 48; do
    convert "$TMP/icon.png" -filter Box -resize "${s}x${s}" -depth 8 -strip "$TMP/icon$s.png"
done
convert "$TMP/icon16.png" "$TMP/icon32.png" "$TMP/icon48.png" icon.ico

# --- Product logo, greyish, 60x60 ----------------------------------------------
q_mark 'rgb(105,112,108)' 104 86 50 18
draw_scaled logo-quorvel4-gris-quorvel.jpg 60 60 4 "$WINDOW" \
    -fill 'rgb(196,203,194)' -draw "roundrectangle 8,8 231,231 40,40" \
    "${MARK[@]}" \
    -stroke none -fill 'rgb(105,112,108)' -font "$SANS_B" -pointsize 40 \
    -gravity south -annotate +0+18 'quorvel'

# --- Button icons, 16x16 --------------------------------------------------------
# "A Propos" sits on a grey button: blue disc with a white "i".
draw_scaled btApropos.png 16 16 4 none \
    -fill "$BLUE" -draw "circle 32,32 32,2" \
    -fill white -draw "circle 32,16 32,10" \
    -draw "roundrectangle 27,25 37,52 3,3"

# The next five sit on orange buttons; JPEGs carry the orange behind them.
draw_scaled btEffacer.jpg 16 16 4 "$ORANGE" \
    \( -size 64x64 xc:none -stroke "$INK" -strokewidth 3 \
       -fill 'rgb(252,222,228)' -draw "roundrectangle 6,19 30,45 4,4" \
       -fill "$BLUE" -draw "roundrectangle 30,19 58,45 4,4" \
       -distort SRT -35 \) -composite \
    -stroke white -strokewidth 4 -draw "line 6,58 40,58"

# The circular arrow is a filled ring sector: ImageMagick closes thick stroked
# arcs with a stray chord, a filled outline has no such artefact.
ring_sector() {  # ring_sector CX CY R-INNER R-OUTER FROM-DEG TO-DEG -> polygon points
    awk -v cx="$1" -v cy="$2" -v ri="$3" -v ro="$4" -v a0="$5" -v a1="$6" 'BEGIN {
        k = atan2(0, -1) / 180
        for (a = a0; a <= a1; a += 10) printf "%.1f,%.1f ", cx + ro * cos(a * k), cy + ro * sin(a * k)
        for (a = a1; a >= a0; a -= 10) printf "%.1f,%.1f ", cx + ri * cos(a * k), cy + ri * sin(a * k)
    }'
}
draw_scaled reinitialiser.png 16 16 4 none \
    -fill white -draw "polygon $(ring_sector 32 34 14 22 0 270)" \
    -draw "polygon 31,3 31,29 48,16"

draw_scaled btAdd.jpg 16 16 4 "$ORANGE" \
    -fill 'rgb(38,140,68)' -draw "circle 32,32 32,3" \
    -fill white -draw "rectangle 27,14 37,50" -draw "rectangle 14,27 50,37"

# "Argumentaire" sits on the blue button: a white page of text.
draw_scaled btArg.png 16 16 4 none \
    -fill white -draw "polygon 12,4 40,4 52,16 52,60 12,60" \
    -fill 'rgb(170,195,225)' -draw "polygon 40,4 40,16 52,16" \
    -stroke "$BLUE" -strokewidth 4 \
    -draw "line 19,26 45,26" -draw "line 19,35 45,35" \
    -draw "line 19,44 45,44" -draw "line 19,53 36,53"

draw_scaled copy-icon.png 16 16 4 none \
    -stroke "$INK" -strokewidth 4 -fill 'rgb(235,238,242)' \
    -draw "roundrectangle 6,4 38,44 3,3" \
    -fill white -draw "roundrectangle 24,18 58,60 3,3" \
    -strokewidth 3 -stroke 'rgb(120,130,140)' \
    -draw "line 31,30 51,30" -draw "line 31,39 51,39" -draw "line 31,48 45,48"

draw_scaled btSupp.png 16 16 4 none \
    -fill 'rgb(185,28,34)' -draw "circle 32,32 32,3" \
    -fill none -stroke white -strokewidth 9 \
    -draw "stroke-linecap round line 21,21 43,43" \
    -draw "stroke-linecap round line 43,21 21,43"

# --- Arrow buttons, 24x26, used as button backgrounds ---------------------------
draw_scaled btUp.png 24 26 4 none \
    -fill "$BLUE" -draw "roundrectangle 2,2 93,101 16,16" \
    -fill white -draw "polygon 48,18 18,56 78,56" \
    -draw "rectangle 37,54 59,86"
# shellcheck disable=SC2046
convert btUp.png -flip $(save_opts btDouwn.png) btDouwn.png

# --- Criticality, 48x16: three rising bars, as many lit as the group ---------------
for level in 1 2 3; do
    case $level in
        1) lit='rgb(236,178,30)' ;;
        2) lit="$ORANGE" ;;
        3) lit='rgb(200,32,36)' ;;
    esac
    bars=()
    for i in 0 1 2; do
        colour='rgb(196,202,206)'
        [ "$i" -lt "$level" ] && colour=$lit
        x0=$((22 + i * 56)) top=$((36 - i * 14))
        bars+=(-fill "$colour" -draw "roundrectangle $x0,$top $((x0 + 40)),60 6,6")
    done
    draw_scaled "critic_$level.png" 48 16 4 none "${bars[@]}"
done

# --- Owl, 64x64: window icon of the recording warnings ---------------------------
draw_scaled chouette-2015.jpg 64 64 4 "$WINDOW" \
    -fill 'rgb(92,60,38)' \
    -draw "polygon 62,78 78,22 112,64" -draw "polygon 194,78 178,22 144,64" \
    -draw "ellipse 128,150 82,96 0,360" \
    -fill 'rgb(214,176,122)' -draw "ellipse 128,190 50,50 0,360" \
    -fill none -stroke 'rgb(150,108,66)' -strokewidth 5 \
    -draw "polyline 104,176 112,186 120,176" -draw "polyline 136,176 144,186 152,176" \
    -draw "polyline 112,204 120,214 128,204" -draw "polyline 128,204 136,214 144,204" \
    -stroke none -fill 'rgb(240,214,168)' \
    -draw "circle 94,108 94,68" -draw "circle 162,108 162,68" \
    -fill white -draw "circle 94,108 94,78" -draw "circle 162,108 162,78" \
    -fill 'rgb(25,25,25)' -draw "circle 98,110 98,94" -draw "circle 158,110 158,94" \
    -fill white -draw "circle 103,104 103,99" -draw "circle 163,104 163,99" \
    -fill "$ORANGE" -draw "polygon 116,132 140,132 128,158" \
    -draw "ellipse 104,244 14,7 0,360" -draw "ellipse 152,244 14,7 0,360"

# --- Publisher logo, 187x61 ---------------------------------------------------------
# The About button shows only the top-left 151x57 and the main window up to 187x61,
# so the drawing stays in the first area and the rest is plain window colour.
halvane_mark 27 28 20
# shellcheck disable=SC2046
convert -size 187x61 "xc:$WINDOW" \
    "${EMBLEM[@]}" \
    -fill "$BLUE" -font "$SANS_B" -pointsize 20 -annotate +54+31 'HALVANE' \
    -fill 'rgb(95,104,98)' -font "$SANS" -pointsize 9 -annotate +55+45 'logiciels médicaux' \
    $(save_opts logo_halvane-2015.jpg) logo_halvane-2015.jpg

# --- About panel, 537x627 (inside the label's 2-pixel border) ---------------------
q_mark white 74 62 28 11
halvane_mark 70 592 18
# shellcheck disable=SC2046
convert -size 537x627 "xc:$PAPER" \
    -fill "$BLUE" -draw "rectangle 0,0 536,139" \
    -fill "$ORANGE" -draw "rectangle 0,140 536,145" \
    "${MARK[@]}" \
    -fill white -font "$SERIF_B" -pointsize 50 -annotate +130+88 'Quorvel' \
    -fill "$ORANGE" -font "$SANS_B" -pointsize 28 -annotate +48+206 'Mentions' \
    -fill "$INK" -font "$SANS" -pointsize 16 \
    -annotate +48+258 "Logiciel d'aide au codage des résultats" \
    -annotate +48+284 'de consultation en médecine générale.' \
    -annotate +48+334 'Édité par Halvane.' \
    -annotate +48+384 'Toutes les données restent sur ce poste :' \
    -annotate +48+410 "aucune information n'est transmise." \
    -annotate +48+460 'Le code retenu reste sous la responsabilité' \
    -annotate +48+486 "du médecin qui l'enregistre." \
    -fill "$WINDOW" -draw "rectangle 0,557 536,626" \
    "${EMBLEM[@]}" \
    -fill "$INK" -font "$SANS_B" -pointsize 15 -annotate +100+590 'Halvane' \
    -fill 'rgb(95,104,98)' -font "$SANS" -pointsize 12 -annotate +100+608 'Tous droits réservés' \
    $(save_opts Mensions.png) Mensions.png

# --- Publisher poster, 641x651, read from disk next to the program ----------------
halvane_mark 320 220 120
# shellcheck disable=SC2046
convert -size 641x651 "xc:$PAPER" \
    -fill 'rgb(232,236,229)' -draw "circle 560,90 560,-40" -draw "circle 60,520 60,400" \
    -fill "$ORANGE" -draw "circle 585,180 585,168" -draw "circle 92,120 92,112" \
    -fill "$BLUE" -draw "circle 540,470 540,462" -draw "circle 120,300 120,294" \
    "${EMBLEM[@]}" \
    -fill "$BLUE" -font "$SANS_B" -pointsize 76 -gravity north -annotate +0+370 'HALVANE' \
    -fill "$ORANGE" -font "$SANS" -pointsize 24 \
    -annotate +0+478 'Des outils simples et sûrs' \
    -annotate +0+512 'pour la médecine de tous les jours' \
    -gravity northwest -fill "$BLUE" -draw "rectangle 0,591 640,650" \
    -fill white -font "$SANS" -pointsize 18 -gravity south \
    -annotate +0+20 'Pensés avec des médecins généralistes' \
    $(save_opts "$ROOT/resources/p_halvane.png") "$ROOT/resources/p_halvane.png"

# --- Menu icons, 48/128/256, for the desktop's hicolor theme -------------------------
# The window icon's drawing at 4 times its scale: 768 divides evenly into all three sizes,
# so a desktop menu never shows the 48-pixel icon blown up.
DESKTOP=$ROOT/resources/desktop
mkdir -p "$DESKTOP"
q_mark white 344 328 184 80 "$BLUE"
convert -size 768x768 xc:none \
    -fill "$BLUE" -draw "roundrectangle 24,24 743,743 144,144" \
    "${MARK[@]}" \
    -strip "$TMP/menu-icon.png"
for s in 48 128 256; do
    # shellcheck disable=SC2046
    convert "$TMP/menu-icon.png" -filter Box -resize "${s}x${s}" $(save_opts "quorvel-$s.png") "$DESKTOP/quorvel-$s.png"
done

echo "Pictures written to $IMG, $ROOT/resources/p_halvane.png and $DESKTOP"
