#!/usr/bin/env bash
# Figures of the saver's full-screen run under Wine and Xvfb, as medians over
# several runs: from the quit key to the effect's presence window's end and
# on to the saver process's end (read off the end-to-end test program, which
# sees the Windows processes end), the saver's own CPU time over 10 seconds
# of a run, and the sizes of the two programs.
#   scripts/bench-saver.sh [RUNS]
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
install="$work/Ondira Saver"
mkdir -p "$install"
cp "$bin/Ondira.scr" "$bin/Ondira.dll" "$install/"
[ -z "${ONDIRA_BENCH_SETTINGS:-}" ] || cp "$ONDIRA_BENCH_SETTINGS" "$install/Ondira.ini"
wine "$bin/sample_desktop.exe" &
sleep 2

median() { sort -n | awk '{v[NR]=$1} END {if (NR%2) print v[(NR+1)/2]; else print (v[NR/2]+v[NR/2+1])/2}'; }
now() { date +%s.%N; }
# Nanoseconds on the CPU, from the scheduler's own count.
cpu_seconds() { awk '{printf "%.6f\n", $1 / 1e9}' "/proc/$1/schedstat"; }

wine "$bin/saver_program_test.exe" --gtest_filter='Switches/RunSwitch.*/Index0_s' \
  --gtest_repeat="$runs" 2>/dev/null | grep '^stop:' >"$work/stops" || true
# The same with an MP3 playing, and the gaps between its end and its restart.
ondira_start_audio "$work/audio"
bash "$root/scripts/make-test-sounds.sh" "$work/test sounds"
ONDIRA_TEST_SOUNDS="$(winepath -w "$work/test sounds")" wine "$bin/saver_music_test.exe" \
  --gtest_filter='SaverMusic.Mp3*' --gtest_repeat="$runs" 2>/dev/null >"$work/music" || true

for run in $(seq 1 "$runs"); do
  wine "$install/Ondira.scr" /s &
  saver=$!
  sleep 1.5
  effect=$(pgrep -f 'Ondira Saver.Ondira\.dll' | head -n 1 || true)
  cpu0=$(cpu_seconds "$saver")
  sleep 10
  cpu1=$(cpu_seconds "$saver")
  key=$(now)
  xdotool key space
  while [ -n "$effect" ] && [ -e "/proc/$effect" ]; do sleep 0.005; done
  effect_end=$(now)
  wait "$saver" || true
  saver_end=$(now)
  [ -n "$effect" ] || echo "run $run: the effect process was not found" >&2
  echo "$(echo "$saver_end - $key" | bc) $(echo "$saver_end - $effect_end" | bc) $(echo "$cpu1 - $cpu0" | bc) $(echo "$effect_end - $key" | bc)" >>"$work/runs"
done

echo "saver /s run, $runs runs (medians)"
echo "  quit key to presence window gone (ms): $(awk '{print $4}' "$work/stops" | median)"
echo "  presence gone to saver gone (ms):      $(awk '{print $11}' "$work/stops" | median)"
echo "  quit key to saver gone (ms):           $(awk '{print $4 + $11}' "$work/stops" | median)"
echo "  the same with an MP3 playing (ms):     $(grep '^stop:' "$work/music" | awk '{print $4 + $11}' | median)"
echo "  MP3 end to restart gap (s):            $(grep 'restart gap' "$work/music" | awk '{print $5}' | median)"
echo "  quit key to the last unix process (s): $(awk '{print $1}' "$work/runs" | median)"
echo "  saver CPU over 10 s (s):       $(awk '{print $3}' "$work/runs" | median)"
echo "  Ondira.scr: $(stat -c %s "$bin/Ondira.scr") bytes, Ondira.dll: $(stat -c %s "$bin/Ondira.dll") bytes"
