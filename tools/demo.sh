#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the Linux and 32-bit Windows modules and the host, then plays the
# game on each for about 20 seconds with audio running: the sound, the
# screenshots and an animated picture go to out/linux and out/win32, and a
# shorter run of the Linux module at zoom 2 leaves its pictures in
# out/linux/frames-2x. On a
# machine that cannot start 32-bit programs the 64-bit Windows module plays
# instead, into out/win64.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${DEMO_SECONDS:-20}

build() {
  cmake --preset "$1" >/dev/null
  cmake --build --preset "$1" --target Skyrun skyrun-host
}

if [ "${1:-}" != "--with-display" ]; then
  build linux
  build win32
  if ! build/win32/wine-run.sh --can-start; then
    build win64
  fi
  # A real window needs a display; Xvfb stands in when there is none.
  if [ -z "${DISPLAY:-}" ]; then
    exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" --with-display
  fi
fi

windows=win32
if ! build/win32/wine-run.sh --can-start; then
  echo "This machine cannot start 32-bit programs, so Wine cannot run the 32-bit module;"
  echo "the 64-bit Windows module plays instead."
  windows=win64
fi
cmake --build --preset "$windows" --target wineprefix >/dev/null

animate() {
  convert -delay 10 -loop 0 "$1"/frames/frame_*.png "$1"/demo.gif
}

echo
echo "== Linux module (build/linux/Skyrun.so)"
build/linux/host/skyrun-host demo build/linux/Skyrun.so --seconds "$seconds" --out out/linux
animate out/linux

echo
echo "== Linux module at zoom 2"
build/linux/host/skyrun-host demo build/linux/Skyrun.so --zoom 2 --seconds 5 --out out/linux/2x
rm -rf out/linux/frames-2x
mv out/linux/2x/frames out/linux/frames-2x
rm -rf out/linux/2x

echo
echo "== ${windows#win}-bit Windows module under Wine (build/$windows/Skyrun.dll)"
"build/$windows/wine-run.sh" "build/$windows/host/skyrun-host.exe" demo "build/$windows/Skyrun.dll" \
  --seconds "$seconds" --out "out/$windows" | tr -d '\r'
animate "out/$windows"

echo
echo "The demo's files:"
for dir in out/linux "out/$windows"; do
  echo "  $dir/demo.wav  $dir/demo.gif  $dir/frames/ ($(ls "$dir"/frames | wc -l) pictures)"
done
echo "  out/linux/frames-2x/ ($(ls out/linux/frames-2x | wc -l) pictures at zoom 2)"
