#!/usr/bin/env bash
# Builds the Windows programs and starts Wendox beside the stand-in simulator
# through wine: on the user's display, or on a virtual one with screenshots
# when there is none. The aircraft starts in the air and Wendox opens a demo
# profile whose reliabilities make failures come within the first minute.
# Arguments go to the stand-in simulator.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
cmake --preset windows >/dev/null
cmake --build --preset windows

# A program folder of the demo's own: the programs, and settings that open
# the demo profile and report failures in the window, the message line and
# with sounds.
bin=build/windows/bin
demo=$PWD/build/windows/demo
rm -rf "$demo"
mkdir -p "$demo"
cp "$bin"/wendox.exe "$bin"/wendoxhc.exe "$bin"/standin.exe "$bin"/*.wav "$bin"/Wendox.htm scripts/Demo.wdp "$demo"/
printf 'LASTPROFILE=Z:%s\r\nDISPLAYUPDATE=YES\r\nDISPLAYFAILURES=YES\r\nPLAYFAILURESOUND=YES\r\n' \
  "$(tr / '\\' <<<"$demo/Demo.wdp")" > "$demo/Wendox.ini"

if [ -n "${DISPLAY:-}" ]; then
  scripts/wine-run.sh "$demo/standin.exe" --airborne "$@" &
  simulator=$!
  sleep 2
  scripts/wine-run.sh "$demo/wendox.exe" || true
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
  sleep 25  # two failure rolls, ten seconds apart
  import -window root "$2"
  WINEPREFIX=$PWD/build/windows/wineprefix wineserver -k 2>/dev/null || true
' demo "$demo" "$shot" "$@"
# Then each window on its own (bench/wine/DemoScreenshots.cpp).
scripts/wine-run.sh "$bin/demo_screenshots.exe"
echo "No display: Wendox and the stand-in simulator ran on a virtual display; screenshot in $shot," \
  "and of each window in build/windows/screenshots/"
