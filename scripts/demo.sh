#!/usr/bin/env bash
# The main job, as a user meets it: a sky full of stars goes through the
# plug-in's dialog in a Windows host and comes back starless.
#
# It builds the Windows plug-in (kelvoran.dll), the reference host
# (kelvoran-host.exe) and the stand-in star remover (starnet++.exe), generates
# a synthetic sky whose star-free truth is known, and runs the round trip for
# real under Wine in Xvfb: the folder typed, Start pressed, the tool run
# through the command interpreter, the result read back through FreeImage
# (the test bridge over the system's FreeImage). Everything lands in out/.
#
#   bash scripts/demo.sh                  a generated 2000 x 1500 colour sky
#   bash scripts/demo.sh my-image.tif     the same on a 16-bit TIFF of yours
#   (or KELVORAN_DEMO_IMAGE=my-image.tif)
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
cd "$KELVORAN_ROOT"

user_image="${1:-${KELVORAN_DEMO_IMAGE:-}}"
if [ -n "$user_image" ]; then
  [ -f "$user_image" ] || { echo "demo: no such file: $user_image" >&2; exit 2; }
  user_image="$(cd "$(dirname "$user_image")" && pwd)/$(basename "$user_image")"
fi

kelvoran_install_packages
jobs="$(nproc)"

echo "== building: the Windows plug-in, host, stand-in tool and FreeImage bridge; the sky generator"
cmake --preset win64 >/dev/null
cmake --build --preset win64 -j "$jobs" --target kelvoran kelvoran-host starless_tool freeimage_bridge
cmake --preset bench >/dev/null
cmake --build --preset bench -j "$jobs" --target sky sky_quality

out="$KELVORAN_ROOT/out"
rm -rf "$out"
mkdir -p "$out"
# The user's installation, as a user would lay it out: the host with the
# plug-in, FreeImage and the read-me beside it; Starnet++ in a folder of its own.
install="$out/windows"
mkdir -p "$install/starnet"
cp build/win64/tools/host/kelvoran-host.exe build/win64/entry/kelvoran.dll "$install/"
cp build/win64/tests/wine/freeimage-bridge/freeimage64.dll.so "$install/FreeImage64.dll"
cp docs/Kelvoran-readme.htm "$install/"
cp build/win64/starnet/starnet++.exe "$install/starnet/"

sky_args=(2000 1500 rgb 42)
if [ -n "$user_image" ]; then
  cp "$user_image" "$out/input.tif"
  echo "== input: $user_image"
else
  echo "== generating a sky with known truth"
  build/bench/tools/sky/sky "${sky_args[@]}" "$out/input.tif" "$out/truth.tif" "$out/stars.txt"
fi

echo "== the round trip under Wine: kelvoran-host.exe, kelvoran.dll, starnet++.exe"
folder="Z:$(sed 's|/|\\|g' <<<"$install/starnet")\\"
(
  cd "$install"
  xvfb-run -a -s "-screen 0 1280x1024x24" bash "$KELVORAN_ROOT/cmake/wine-run.sh" kelvoran-host.exe \
    --plugin kelvoran.dll --image "Z:$out/input.tif" --folder "$folder" --start \
    --save "Z:$out/starless.tif" --print-log --screenshot "Z:$out/dialog-during-run.bmp" \
    >"$out/log.txt" 2>"$out/host-errors.txt"
) || { echo "demo: the host failed:"; cat "$out/host-errors.txt"; exit 1; }
tr -d '\r' <"$out/log.txt" >"$out/log.tmp" && mv "$out/log.tmp" "$out/log.txt"
# Wine's desktop process notes Xvfb's end; that is not the host's word.
grep -v '^X connection to .* broken' "$out/host-errors.txt" >"$out/host.tmp" || true
mv "$out/host.tmp" "$out/host-errors.txt"

echo "== previews"
for f in input starless; do
  convert "$out/$f.tif" -depth 8 "$out/$f.png"
done
convert "$out/input.png" "$out/starless.png" +append -resize '2000x>' "$out/side-by-side.png"
[ -f "$out/dialog-during-run.bmp" ] && convert "$out/dialog-during-run.bmp" "$out/dialog-during-run.png" &&
  rm "$out/dialog-during-run.bmp"

echo "== the dialog's log"
cat "$out/log.txt"
if [ -s "$out/host-errors.txt" ]; then
  echo "== the host said"
  cat "$out/host-errors.txt"
fi

if [ -z "$user_image" ]; then
  echo "== quality of this run against the sky's truth"
  build/bench/tools/sky/sky-quality "${sky_args[@]}" "$out/starless.tif" | tee "$out/quality.txt"
fi

echo "== files in $out:"
for f in input.tif starless.tif input.png starless.png side-by-side.png log.txt dialog-during-run.png quality.txt; do
  [ -f "$out/$f" ] && echo "  $out/$f"
done
