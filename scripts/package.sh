#!/usr/bin/env bash
# Builds what a pilot downloads: build/release/wendox-VERSION-win64.zip for
# 64-bit Windows and build/release/wendox-VERSION-win32.zip for 32-bit (and
# 64-bit) Windows, VERSION being the project's version. Each zip is made by
# its build (target wendox_zip, cmake/Package.cmake) and tested as shipped
# by that build's test e2e_shipped.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh

mkdir -p build/release
for preset in windows windows32; do
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" --target wendox_zip
  version=$(sed -n 's/^WENDOX_VERSION:INTERNAL=//p' "build/$preset/CMakeCache.txt")
  cp "build/$preset/release/wendox-$version-"*.zip build/release/
done
ls -l build/release/wendox-"$version"-*.zip
