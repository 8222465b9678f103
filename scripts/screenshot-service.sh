#!/usr/bin/env bash
# Runs a command on the X display while taking screenshots for it. A program
# under wine cannot read what another process drew on the screen, so it asks
# here instead: it writes "x y width height" (screen pixels) into
# SHOT.request and waits for this service to write SHOT and remove the
# request. Requests are looked for in the build's screenshots folder.
set -uo pipefail

shots=$1
shift
mkdir -p "$shots"
export WENDOX_SCREENSHOT_SERVICE=1

"$@" &
program=$!
while kill -0 "$program" 2>/dev/null; do
  for request in "$shots"/*.request; do
    [ -e "$request" ] || continue
    shot=${request%.request}
    read -r x y width height < "$request" || true
    if [ -n "${height:-}" ]; then
      import -window root -crop "${width}x${height}+${x}+${y}" "bmp3:$shot.part" 2>/dev/null && mv "$shot.part" "$shot"
    fi
    rm -f "$request" "$shot.part"
  done
  sleep 0.1
done
wait "$program"
