#!/usr/bin/env bash
# Figures of the effect program at 1024x768 under Xvfb with Mesa's software
# renderer, as medians over several runs: frames per second, time from the
# process start to the first frame, time from the quit key to the process's
# end, and peak memory. Frames are counted from Wine's own trace of buffer
# swaps; the program itself logs nothing.
#   scripts/bench-effect.sh [RUNS]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
runs=${1:-5}
bin="$root/build/win32/bin"
work=$(mktemp -d)

bash "$root/scripts/setup.sh"
bash "$root/scripts/build.sh" programs >/dev/null
. "$root/scripts/wine-rig.sh"
trap 'ondira_end_rig; rm -rf "$work"' EXIT
unset DISPLAY
ondira_start_display 1024x768
ondira_use_prefix "$root/build/run-prefix"
wine "$bin/sample_desktop.exe" &
sleep 2

median() { sort -n | awk '{v[NR]=$1} END {if (NR%2) print v[(NR+1)/2]; else print (v[NR/2]+v[NR/2+1])/2}'; }
now() { date +%s.%N; }

for run in $(seq 1 "$runs"); do
  trace="$work/trace-$run.log"
  start=$(now)
  WINEDEBUG=+timestamp,+loaddll,+wgl wine "$bin/Ondira.dll" 2>"$trace" &
  pid=$!
  sleep 6
  peak_kb=$(awk '/VmHWM/ {print $2}' "/proc/$pid/status" 2>/dev/null || echo 0)
  key=$(now)
  xdotool key space
  wait "$pid" || true
  stop=$(now)

  # Wine's timestamps are seconds of its own clock: the first library load
  # in the trace is the process's start.
  awk -v run="$run" '
    /Loaded/ && !first { split($1, t, ":"); first = t[1] }
    /wglSwapBuffers/ { split($1, t, ":"); s = t[1]; if (!swap1) swap1 = s; last = s; n++
                       if (s - swap1 >= 1.0 && !mark) { mark = s; markn = n } }
    END { printf "%s %.3f %.1f\n", run, swap1 - first, (n - markn) / (last - mark) }' "$trace" \
    >>"$work/frames"
  echo "$run $(echo "$stop - $key" | bc) $peak_kb" >>"$work/ends"
done

echo "effect at 1024x768, $runs runs (medians)"
echo "  frames per second:         $(awk '{print $3}' "$work/frames" | median)"
echo "  start to first frame (s):  $(awk '{print $2}' "$work/frames" | median)"
echo "  quit key to exit (s):      $(awk '{print $2}' "$work/ends" | median)"
echo "  peak memory (MiB):         $(awk '{print $3/1024}' "$work/ends" | median)"
