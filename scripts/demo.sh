#!/usr/bin/env bash
# Builds the Windows programs and starts Wendox beside the stand-in simulator
# through wine: on the user's display, or on a virtual one with a screenshot
# when there is none. Arguments go to the stand-in simulator (standin.exe
# --airborne starts in the air).
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
cmake --preset windows >/dev/null
cmake --build --preset windows

bin=build/windows/bin
if [ -n "${DISPLAY:-}" ]; then
  scripts/wine-run.sh "$bin/standin.exe" "$@" &
  simulator=$!
  sleep 2
  scripts/wine-run.sh "$bin/wendox.exe" || true
  kill "$simulator" 2>/dev/null || true
  exit 0
fi

shot=build/windows/demo.png
xvfb-run -a -s "-screen 0 2300x950x24" bash -c '
  waitfor() {
    for _ in $(seq 150); do
      xwininfo -root -tree 2>/dev/null | grep -q "$1" && return 0
      sleep 0.2
    done
  }
  scripts/wine-run.sh "$1/standin.exe" --airborne "${@:3}" &
  waitfor "Wendox stand-in simulator"
  scripts/wine-run.sh "$1/wendox.exe" &
  waitfor "FS2002 Wendox"
  sleep 3
  import -window root "$2"
  WINEPREFIX=$PWD/build/windows/wineprefix wineserver -k 2>/dev/null || true
' demo "$bin" "$shot" "$@"
echo "No display: Wendox and the stand-in simulator ran on a virtual display; screenshot in $shot"
