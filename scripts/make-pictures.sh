#!/usr/bin/env bash
# Redraws the saver's preview still and icon from the real effect scene:
# the sample desktop is rendered at frame 350 of the wave, on a display of
# 8 times 152 x 112 pixels, then scaled down. The results are committed in
# saver/pictures/; run this only to draw them anew.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bin="$root/build/win32/bin"
pictures="$root/saver/pictures"
work=$(mktemp -d)

bash "$root/scripts/setup.sh"
bash "$root/scripts/build.sh" targets render_still sample_desktop >/dev/null
. "$root/scripts/wine-rig.sh"
trap 'ondira_end_rig; rm -rf "$work"' EXIT
unset DISPLAY
ondira_start_display 1216x896
ondira_use_prefix "$root/build/run-prefix"

wine "$bin/sample_desktop.exe" &
sleep 2
wine "$bin/render_still.exe" 350 "$(winepath -w "$work/still.bmp")"

# The preview: 152 x 112, 24 bits per pixel.
convert "$work/still.bmp" -filter Lanczos -resize '152x112!' -type TrueColor "BMP3:$pictures/preview.bmp"
# The icon: the middle of the same still, 32 x 32 in 256 colours.
convert "$work/still.bmp" -gravity center -crop 896x896+0+0 +repage -filter Lanczos \
  -resize 32x32 -colors 256 "$pictures/ondira.ico"
echo "Wrote $pictures/preview.bmp and $pictures/ondira.ico"
