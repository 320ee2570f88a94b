#!/usr/bin/env bash
# The main job: one image through the plug-in in the reference host, as a
# user would do it (open an image, name the tool's folder, press Start).
#
# Today the plug-in loads, shows its dialog and takes the folder and the
# 8-bit option; the Start command, the tool runner and the stand-in star
# remover arrive with their own issues, so Start does not run a tool yet and
# the image comes back as it went in. This script says so at the end.
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
echo "The Start command and the tool runner are not built yet: the host received no image commands" \
     "and the image is unchanged. The round trip arrives with the Start command and the stand-in tool."
