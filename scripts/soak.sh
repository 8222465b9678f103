#!/usr/bin/env bash
# A long flight (not part of every test run): Wendox against the stand-in
# simulator in the air for MINUTES (15 unless given) with failures coming and
# going, and Wendox's handles, GDI and USER objects and private bytes sampled
# every minute. The table goes to standard output.
set -euo pipefail
cd "$(dirname "$0")/.."
minutes=${1:-15}

scripts/install-deps.sh
cmake --preset windows >/dev/null
cmake --build --preset windows --target wendox_soak
profile="Z:$(pwd | tr / '\\')\\scripts\\Demo.wdp"
scripts/wine-run.sh build/windows/bin/wendox_soak.exe "$minutes" "$profile"
