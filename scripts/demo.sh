#!/usr/bin/env bash
# The main job: one image through the plug-in in the reference host, as a
# user would do it (open an image, name the tool's folder, press Start).
#
# Start performs the whole press; the stand-in star remover (tools/starless)
# arrives with its own issue, so no tool stands in the folder named here, the
# log says so and the image comes back as it went in. This script says so at
# the end.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
cd "$KELVORAN_ROOT"

kelvoran_install_packages
jobs="$(nproc)"
cmake --preset linux >/dev/null
cmake --build --preset linux -j "$jobs" --target kelvoran kelvoran-host

out="$KELVORAN_ROOT/build/demo"
mkdir -p "$out"
# A 16-bit colour test image: a gradient with a few bright "stars".
convert -size 640x512 gradient:'rgb(2000,3000,4000)-rgb(20000,24000,30000)' \
  -fill white -draw 'circle 100,100 104,104' -draw 'circle 400,300 403,303' -draw 'circle 520,80 522,82' \
  -depth 16 -define tiff:alpha=unspecified -type TrueColor -compress None "$out/input.tif"

echo "== kelvoran-host with the plug-in (headless build)"
build/linux/tools/host/kelvoran-host --plugin build/linux/entry/libkelvoran.so \
  --image "$out/input.tif" --folder /opt/starnet/ --start --save "$out/output.tif" --print-log --commands

echo "== result: $out/output.tif"
echo "No star remover is installed in /opt/starnet/ yet, so the image is unchanged; the stand-in" \
     "star remover (tools/starless) arrives with its own issue."
