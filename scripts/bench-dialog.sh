#!/usr/bin/env bash
# Figures of the settings dialog under Wine and Xvfb, as medians over several
# runs: the time from starting the saver with /c to the dialog on the screen
# with its gradients and buttons painted (read off the end-to-end test
# program, which watches the screen from outside the saver), and what
# painting the window's and the panel's gradient costs.
#   scripts/bench-dialog.sh [RUNS]
# ONDIRA_BENCH_BIN names another folder of built programs (nothing is built
# then); ONDIRA_BENCH_PREFIX another Wine prefix.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
runs=${1:-9}
bin=${ONDIRA_BENCH_BIN:-$root/build/win32/bin}
work=$(mktemp -d)

if [ -z "${ONDIRA_BENCH_BIN:-}" ]; then
  bash "$root/scripts/setup.sh"
  bash "$root/scripts/build.sh" targets Ondira desktop settings_dialog_wine_test \
    settings_dialog_gradient_test >/dev/null
fi
. "$root/scripts/wine-rig.sh"
trap 'ondira_end_rig; rm -rf "$work"' EXIT
unset DISPLAY
ondira_start_display 1024x768
ondira_use_prefix "${ONDIRA_BENCH_PREFIX:-$root/build/run-prefix}"

median() { sort -n | awk '{v[NR]=$1} END {if (NR%2) print v[(NR+1)/2]; else print (v[NR/2]+v[NR/2+1])/2}'; }

wine "$bin/settings_dialog_wine_test.exe" \
  --gtest_filter='Switches/ConfigureSwitch.*/c' --gtest_repeat="$runs" 2>/dev/null \
  | grep '^dialog:' >"$work/shows" || true
wine "$bin/settings_dialog_gradient_test.exe" --gtest_repeat="$runs" 2>/dev/null \
  | grep '^gradient:' >"$work/paints" || true

echo "settings dialog, $runs runs (medians)"
echo "  /c to the dialog painted (ms):        $(awk '{print $5}' "$work/shows" | median)"
echo "  window gradient, 253 lines (us):      $(awk '{print $5}' "$work/paints" | median)"
echo "  panel gradient, 166 lines (us):       $(awk '{print $10}' "$work/paints" | median)"
