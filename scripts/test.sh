#!/usr/bin/env bash
# Runs every test: installs what it needs, builds linux, win64, win32 and the
# benchmarks, runs the native tests, then the Windows tests under Wine, then
# checks the 32-bit build.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
cd "$KELVORAN_ROOT"

kelvoran_install_packages
jobs="$(nproc)"

echo "== linux: build and native tests (ASan, UBSan)"
cmake --preset linux >/dev/null
cmake --build --preset linux -j "$jobs"
ctest --preset linux -j "$jobs"

echo "== win64: build and tests under Wine"
cmake --preset win64 >/dev/null
cmake --build --preset win64 -j "$jobs"
xvfb-run -a ctest --preset win64
# The dialog as Xvfb showed it, for review.
for shot in dialog dialog-idle dialog-start-disabled; do
  shot=build/win64/tests/wine/test-output/$shot
  [ -f "$shot.bmp" ] && convert "$shot.bmp" "$shot.png" && echo "screenshot: $shot.png"
done

echo "== win32: build and export check"
cmake --preset win32 >/dev/null
cmake --build --preset win32 -j "$jobs"
bash scripts/check-exports.sh build/win32/entry/kelvoran.dll

echo "== bench: build"
cmake --preset bench >/dev/null
cmake --build --preset bench -j "$jobs"

echo "== all tests passed"
