#!/usr/bin/env bash
# Measures under wine what the benchmarks cannot show natively: the link's
# round trip against standin.exe, wendox's start-up time and memory beside an
# empty window program, and the size of wendox.exe.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --preset windows >/dev/null
cmake --build --preset windows >/dev/null
bin=build/windows/bin
scripts/wine-run.sh "$bin/link_roundtrip.exe"
scripts/wine-run.sh "$bin/wendox_footprint.exe"
echo "wendox.exe bytes=$(stat -c %s "$bin/wendox.exe")"
