#!/usr/bin/env bash
# Builds the Windows programs and starts the stand-in simulator's window
# through wine: on the user's display, or on a virtual one with a screenshot
# when there is no display.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
cmake --preset windows >/dev/null
cmake --build --preset windows

bin=build/windows/bin
if [ -n "${DISPLAY:-}" ]; then
  exec scripts/wine-run.sh "$bin/standin.exe" "$@"
fi

shot=build/windows/demo.png
xvfb-run -a -s "-screen 0 1280x800x24" bash -c '
  scripts/wine-run.sh "$1/standin.exe" "${@:3}" &
  for _ in $(seq 100); do
    xwininfo -root -tree 2>/dev/null | grep -q "Wendox stand-in simulator" && break
    sleep 0.2
  done
  sleep 1
  import -window root "$2"
  kill %1 2>/dev/null || true
  WINEPREFIX=$PWD/build/windows/wineprefix wineserver -k 2>/dev/null || true
' demo "$bin" "$shot" "$@"
echo "No display: the stand-in simulator ran on a virtual display; screenshot in $shot"
