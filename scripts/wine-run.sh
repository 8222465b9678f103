#!/usr/bin/env bash
# Runs a Windows program through wine, in a wine prefix of the build's own
# (created once, beside the build's CMakeCache.txt), on a virtual display
# when there is no display.
set -euo pipefail

program=$1
dir=$(cd "$(dirname "$program")" && pwd)
build=$dir
while [ "$build" != / ] && [ ! -f "$build/CMakeCache.txt" ]; do build=$(dirname "$build"); done
[ "$build" != / ] || build=$dir

export WINEPREFIX="${WENDOX_WINEPREFIX:-$build/wineprefix}"
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="mscoree=;mshtml="
# Headless runs have no sound device: keep the audio drivers quiet.
[ -n "${DISPLAY:-}" ] || WINEDLLOVERRIDES="$WINEDLLOVERRIDES;winealsa.drv=;winepulse.drv="

(
  flock 9
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    wineboot -i >/dev/null 2>&1 || true
    wineserver -w || true
  fi
) 9>"$WINEPREFIX.lock"

if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24" "$(cd "$(dirname "$0")" && pwd)/screenshot-service.sh" "$build/screenshots" \
    wine "$@" 2> >(grep -v -e '^XIO:' -e 'after [0-9]* requests' -e '^X connection to' >&2)
fi
exec wine "$@"
