#!/usr/bin/env bash
# Installs every Debian package that the build, the tests and the demo need.
# Idempotent: when everything is present it prints nothing and does nothing.
set -euo pipefail

native_packages=(
  cmake make g++ libgtest-dev
  g++-mingw-w64-i686-posix mingw-w64-i686-dev
  xvfb xdotool x11-utils imagemagick
  fonts-ipafont-gothic fonts-wine locales
  sox lame pulseaudio pulseaudio-utils
)
i386_packages=(
  wine wine32:i386
  libgl1:i386 libgl1-mesa-dri:i386 libglx-mesa0:i386 libglu1-mesa:i386
  libasound2:i386 libasound2-plugins:i386 libpulse0:i386
  gstreamer1.0-plugins-base:i386 gstreamer1.0-plugins-good:i386
  gstreamer1.0-libav:i386
)

missing=()
for p in "${native_packages[@]}" "${i386_packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'ok installed' || missing+=("$p")
done

as_root() { if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi; }

if [ ${#missing[@]} -gt 0 ]; then
  echo "setup: installing ${missing[*]}"
  if ! dpkg --print-foreign-architectures | grep -qx i386; then
    as_root dpkg --add-architecture i386
  fi
  export DEBIAN_FRONTEND=noninteractive
  as_root apt-get update -qq
  as_root apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

# The Japanese locale makes Wine's ANSI code page 932.
if ! locale -a 2>/dev/null | grep -qi '^ja_JP\.utf8$'; then
  as_root sed -i 's/^# *\(ja_JP.UTF-8 UTF-8\)/\1/' /etc/locale.gen
  grep -q '^ja_JP.UTF-8 UTF-8' /etc/locale.gen || echo 'ja_JP.UTF-8 UTF-8' | as_root tee -a /etc/locale.gen >/dev/null
  as_root locale-gen >/dev/null
fi
