# Sourced by the run and test scripts: a private X display (unless one is
# given), a Japanese locale and a Wine prefix made ready for our programs.
#   ondira_start_display [WIDTHxHEIGHT]  starts Xvfb when DISPLAY is unset (or forced)
#   ondira_prepare_prefix DIR            makes a fresh prefix at DIR
#   ondira_use_prefix DIR                uses the prefix at DIR, made once
#   ondira_start_audio DIR               a private sound server with one silent,
#                                        real-time output whose sound can be recorded
#   ondira_end_rig                   stops what was started

ONDIRA_STARTED_XVFB_PID=""
ONDIRA_AUDIO_DIR=""

ondira_start_display() {
  local size=${1:-1024x768}
  local number
  for number in $(seq 90 140); do
    [ -e "/tmp/.X${number}-lock" ] || [ -e "/tmp/.X11-unix/X${number}" ] || break
  done
  Xvfb ":${number}" -screen 0 "${size}x24" -nolisten tcp >/dev/null 2>&1 &
  ONDIRA_STARTED_XVFB_PID=$!
  export DISPLAY=":${number}"
  local i
  for i in $(seq 1 50); do
    xdpyinfo >/dev/null 2>&1 && return 0
    sleep 0.1
  done
  echo "Xvfb did not start on ${DISPLAY}" >&2
  return 1
}

ondira_wine_environment() {
  export WINEPREFIX=$1
  export WINEARCH=win32
  export LC_ALL=ja_JP.UTF-8
  export WINEDEBUG=-all
  # A crash ends the process instead of waiting in the debugger.
  export WINEDLLOVERRIDES="winedbg.exe=d;mscoree=d;mshtml=d"
}

ondira_use_prefix() {
  if [ -f "$1/.ondira-ready" ]; then
    ondira_wine_environment "$1"
    ondira_start_wine_server
  else
    ondira_prepare_prefix "$1"
  fi
}

ondira_start_wine_server() {
  # Keep one server and its services alive for the whole run: programs
  # start faster, and no service holds on to a test runner's output pipe.
  wineserver -p >/dev/null 2>&1
  wine cmd /c exit >/dev/null 2>&1 </dev/null
}

ondira_prepare_prefix() {
  ondira_wine_environment "$1"
  rm -rf "$WINEPREFIX"
  mkdir -p "$(dirname "$WINEPREFIX")"
  wineboot -i >/dev/null 2>&1
  # Unmanaged windows: no window manager here, and full-screen windows
  # would otherwise wait for one when they are destroyed.
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
  # The Japanese system fonts the saver names, mapped to the installed IPA fonts.
  wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v 'ＭＳ Ｐゴシック' /d IPAPGothic /f >/dev/null 2>&1
  wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v 'ＭＳ ゴシック' /d IPAGothic /f >/dev/null 2>&1
  # Wine's own window-frame font, for the close box's glyph.
  cp /usr/share/wine/fonts/marlett.ttf "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
  wineserver -w
  touch "$WINEPREFIX/.ondira-ready"
  ondira_start_wine_server
}

ondira_start_audio() {
  ONDIRA_AUDIO_DIR=$1
  mkdir -p "$ONDIRA_AUDIO_DIR"
  chmod 700 "$ONDIRA_AUDIO_DIR"
  # The output plays in real time into nothing; its monitor is the default
  # input, so a test can record with the ordinary wave-in calls what was played.
  XDG_RUNTIME_DIR="$ONDIRA_AUDIO_DIR" HOME="$ONDIRA_AUDIO_DIR" pulseaudio --daemonize=yes \
    --exit-idle-time=-1 -n --use-pid-file=yes \
    --load="module-null-sink sink_name=ondira_out rate=44100 channels=2" \
    --load="module-native-protocol-unix socket=$ONDIRA_AUDIO_DIR/native" \
    --log-target=file:"$ONDIRA_AUDIO_DIR/server.log" >/dev/null 2>&1 || return 1
  export PULSE_SERVER="unix:$ONDIRA_AUDIO_DIR/native"
  local i
  for i in $(seq 1 50); do
    pactl info >/dev/null 2>&1 && break
    sleep 0.1
  done
  pactl set-default-sink ondira_out >/dev/null
  pactl set-default-source ondira_out.monitor >/dev/null
  # A sound configuration without any device, for runs that must have none.
  printf 'pcm.!default { type hw card 99 }\nctl.!default { type hw card 99 }\n' \
    >"$ONDIRA_AUDIO_DIR/no-device.conf"
}

ondira_end_rig() {
  if [ -n "${WINEPREFIX:-}" ]; then wineserver -k >/dev/null 2>&1 || true; fi
  if [ -n "$ONDIRA_AUDIO_DIR" ]; then
    XDG_RUNTIME_DIR="$ONDIRA_AUDIO_DIR" HOME="$ONDIRA_AUDIO_DIR" pulseaudio --kill >/dev/null 2>&1 || true
  fi
  if [ -n "$ONDIRA_STARTED_XVFB_PID" ]; then
    kill "$ONDIRA_STARTED_XVFB_PID" 2>/dev/null || true
    wait "$ONDIRA_STARTED_XVFB_PID" 2>/dev/null || true
  fi
}
