#!/usr/bin/env bash
# Builds both trees: build/host (platform-free logic and its native tests,
# with sanitizers) and build/win32 (the Windows programs and their tests).
#   build.sh [all | programs | targets NAME...]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
jobs=$(nproc 2>/dev/null || echo 2)

configure() {
  local dir=$1; shift
  [ -f "$dir/CMakeCache.txt" ] || cmake -S "$root" -B "$dir" "$@" >/dev/null
}

configure "$root/build/host" -DCMAKE_BUILD_TYPE=Debug
configure "$root/build/win32" -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-i686.cmake"

case "${1:-all}" in
  all)
    cmake --build "$root/build/host" -j "$jobs"
    cmake --build "$root/build/win32" -j "$jobs"
    ;;
  programs)
    cmake --build "$root/build/win32" -j "$jobs" --target ondira_programs
    ;;
  targets)
    shift
    cmake --build "$root/build/win32" -j "$jobs" --target "$@"
    ;;
esac
