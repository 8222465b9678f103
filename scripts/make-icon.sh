#!/usr/bin/env bash
# Draws Wendox's program icon with ImageMagick and writes it as an .ico with
# 48, 32 and 16 pixel images: a red failure lamp on the dark green of the
# main window's lists, framed in the lists' bright green.
#   make-icon.sh OUTPUT.ico
set -euo pipefail
output=$1

# Drawn once at 192 pixels, then scaled down to each size of the icon.
convert -size 192x192 xc:none \
  -fill 'rgb(0,64,0)' -stroke 'rgb(0,255,0)' -strokewidth 14 -draw 'roundrectangle 10,10 181,181 36,36' \
  -stroke none -fill 'rgb(255,0,0)' -draw 'circle 96,96 96,38' \
  -fill 'rgba(255,255,255,0.55)' -draw 'ellipse 78,76 18,12 0,360' \
  -define icon:auto-resize=48,32,16 "$output"
