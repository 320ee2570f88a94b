#!/usr/bin/env bash
# Runs every test: installs what it needs, builds linux, win64, win32 and the
# benchmarks, runs the native tests, then the Windows tests under 64-bit and
# 32-bit Wine, and checks the 32-bit DLL's exports. Where this machine cannot
# run 32-bit code, the 32-bit tests are skipped and the output says why.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
cd "$KELVORAN_ROOT"

kelvoran_install_packages
kelvoran_install_i386_packages
jobs="$(nproc)"

echo "== layers: includes point down only"
bash scripts/check-layers.sh

echo "== linux: build and native tests (ASan, UBSan)"
cmake --preset linux >/dev/null
cmake --build --preset linux -j "$jobs"
ctest --preset linux -j "$jobs"

echo "== win64 and win32: build"
cmake --preset win64 >/dev/null
cmake --build --preset win64 -j "$jobs"
cmake --preset win32 >/dev/null
cmake --build --preset win32 -j "$jobs"
bash scripts/check-exports.sh build/win32/entry/kelvoran.dll

# The two Windows suites run side by side, each in a Wine prefix and an Xvfb
# display of its own (so neither sees the other's windows or focus); their
# output follows, one suite after the other.
echo "== win64 and win32: tests under Wine (64-bit and 32-bit, side by side)"
run_wine_suite() { # preset
  KELVORAN_WINEPREFIX="$KELVORAN_ROOT/build/wine-prefix-$1" xvfb-run -a ctest --preset "$1" \
    >"build/$1-ctest.log" 2>&1
}
run_wine_suite win64 &
win64_pid=$!
win32_ran=0
if KELVORAN_WINEPREFIX="$KELVORAN_ROOT/build/wine-prefix-win32" kelvoran_probe_win32 build/win32/tests/unit/base_tests.exe; then
  run_wine_suite win32 &
  win32_pid=$!
  win32_ran=1
fi
win64_status=0
wait "$win64_pid" || win64_status=$?
win32_status=0
if [ $win32_ran -eq 1 ]; then
  wait "$win32_pid" || win32_status=$?
fi
echo "== win64: tests under Wine"
cat build/win64-ctest.log
# The dialog as Xvfb showed it, for review.
for shot in dialog dialog-idle dialog-start-disabled; do
  shot=build/win64/tests/wine/test-output/$shot
  [ -f "$shot.bmp" ] && convert "$shot.bmp" "$shot.png" && echo "screenshot: $shot.png"
done
echo "== win32: tests under 32-bit Wine"
if [ $win32_ran -eq 1 ]; then
  cat build/win32-ctest.log
else
  echo "== win32: THE 32-BIT TESTS DID NOT RUN: $KELVORAN_WIN32_PROBLEM"
fi
[ $win64_status -eq 0 ] || { echo "== win64: tests FAILED"; exit 1; }
[ $win32_status -eq 0 ] || { echo "== win32: tests FAILED"; exit 1; }

echo "== bench: build (the benchmarks and what they run)"
cmake --preset bench >/dev/null
cmake --build --preset bench -j "$jobs" --target bench_tiff_writer bench_tiff_reader bench_start_press bench_starless

echo "== settings fuzzer (bounded)"
FUZZ_SECONDS="${FUZZ_SECONDS:-60}" bash scripts/fuzz-settings.sh

if [ -n "$KELVORAN_WIN32_PROBLEM" ]; then
  echo "== all tests that ran passed; THE 32-BIT TESTS DID NOT RUN: $KELVORAN_WIN32_PROBLEM"
else
  echo "== all tests passed"
fi
