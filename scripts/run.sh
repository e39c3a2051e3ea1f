#!/usr/bin/env bash
# Installs what is missing, builds the programs and runs the screen saver
# over a sample desktop, then opens its settings dialog: on your X display
# when DISPLAY is set (press a key or click to end the effect, close the
# dialog yourself), otherwise on a private Xvfb display, ended after the
# screenshots. Screenshots go to out/screenshots/.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bin="$root/build/win32/bin"
shots="$root/out/screenshots"

bash "$root/scripts/setup.sh"
bash "$root/scripts/build.sh" programs

. "$root/scripts/wine-rig.sh"
trap ondira_end_rig EXIT
headless=no
if [ -z "${DISPLAY:-}" ] || ! xdpyinfo >/dev/null 2>&1; then
  headless=yes
  ondira_start_display 1024x768
fi
ondira_use_prefix "$root/build/run-prefix"
mkdir -p "$shots"

wine "$bin/sample_desktop.exe" &
sleep 2
import -window root "$shots/1-sample-desktop.png"

# The full-screen run, as Windows starts it: the saver starts the effect.
wine "$bin/Ondira.scr" /s &
saver=$!
sleep 1.5
import -window root "$shots/2-effect-early.png"
sleep 5
import -window root "$shots/3-effect-later.png"
if [ "$headless" = yes ]; then
  xdotool key space
else
  echo "Press a key or click to end the effect."
fi
wait "$saver" || true
echo "The saver's run ended."

# The settings dialog; nothing is saved unless its apply button is pressed.
wine "$bin/Ondira.scr" /c &
dialog=$!
sleep 3
import -window root "$shots/4-settings-dialog.png"
if [ "$headless" = yes ]; then
  kill "$dialog" 2>/dev/null || true
else
  echo "Close the settings dialog to finish."
  wait "$dialog" || true
fi
echo "Screenshots: $shots"
