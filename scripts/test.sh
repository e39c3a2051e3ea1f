#!/usr/bin/env bash
# Installs what is missing, builds both trees and runs every test: the native
# unit tests, then the Windows tests under Wine on a private Xvfb display with
# a fresh Wine prefix in code page 932.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

bash "$root/scripts/setup.sh"
bash "$root/scripts/build.sh"

echo "== native tests"
(cd "$root/build/host" && ctest --output-on-failure)

echo "== Windows tests under Wine"
. "$root/scripts/wine-rig.sh"
trap ondira_end_rig EXIT
unset DISPLAY
ondira_start_display 1024x768
ondira_start_audio "$root/build/audio"
ondira_prepare_prefix "$root/build/wine-prefix"
# The music tests find their sounds and the no-device configuration here.
bash "$root/scripts/make-test-sounds.sh" "$root/build/test sounds"
export ONDIRA_TEST_SOUNDS="$(winepath -w "$root/build/test sounds")"
export ONDIRA_NO_SOUND_CONFIG="$root/build/audio/no-device.conf"
(cd "$root/build/win32" && ctest --output-on-failure)
