#!/usr/bin/env bash
# Builds everything and runs every test: the portable core's unit tests
# natively, then the Windows programs' end-to-end tests through wine, for
# 64-bit Windows and (the release zip's smoke run) for 32-bit Windows.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh

cmake --preset native
cmake --build --preset native
ctest --preset native

cmake --preset windows
cmake --build --preset windows
ctest --preset windows

cmake --preset windows32
cmake --build --preset windows32
ctest --preset windows32

# Fuzzing of what another process or a user wrote (a short run per target).
cmake --preset fuzz
cmake --build --preset fuzz
ctest --preset fuzz
