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

# The loader: wine's own choice, unless its 32-bit part (wine32) is installed
# where the kernel cannot run 32-bit programs and every start through it
# would fail; 64-bit programs then run through the 64-bit loader alone.
loader=wine
wine32=no
if [ -x /usr/lib/wine/wine ]; then
  if /usr/lib/wine/wine --version >/dev/null 2>&1; then
    wine32=yes
  else
    loader=/usr/lib/wine/wine64
    export WINELOADER=$loader
  fi
fi

# A prefix made before wine32 came into use (or after it went) no longer
# starts ("could not load kernel32.dll"): it is made afresh.
(
  flock 9
  if [ -f "$WINEPREFIX/system.reg" ] && [ "$(cat "$WINEPREFIX/wendox-wine32" 2>/dev/null)" != "$wine32" ]; then
    wineserver -k 2>/dev/null || true
    rm -rf "$WINEPREFIX"
  fi
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    "$loader" wineboot -i >/dev/null 2>&1 || true
    wineserver -w || true
    echo "$wine32" > "$WINEPREFIX/wendox-wine32"
  fi
) 9>"$WINEPREFIX.lock"

if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24" "$(cd "$(dirname "$0")" && pwd)/screenshot-service.sh" "$build/screenshots" \
    "$loader" "$@" 2> >(grep -v -e '^XIO:' -e 'after [0-9]* requests' -e '^X connection to' >&2)
fi
exec "$loader" "$@"
