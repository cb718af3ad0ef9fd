#!/usr/bin/env bash
# Builds the Linux and 32-bit Windows modules and the host, then plays the
# game on each for about 20 seconds with audio running: the sound, the
# screenshots and an animated picture go to out/linux and out/win32.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${DEMO_SECONDS:-20}

if [ "${1:-}" != "--with-display" ]; then
  for preset in linux win32; do
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset" --target Skyrun skyrun-host
  done
  cmake --build --preset win32 --target wineprefix >/dev/null
  # A real window needs a display; Xvfb stands in when there is none.
  if [ -z "${DISPLAY:-}" ]; then
    exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" --with-display
  fi
fi

animate() {
  convert -delay 10 -loop 0 "$1"/frames/frame_*.png "$1"/demo.gif
}

echo
echo "== Linux module (build/linux/Skyrun.so)"
build/linux/host/skyrun-host demo build/linux/Skyrun.so --seconds "$seconds" --out out/linux
animate out/linux

echo
echo "== 32-bit Windows module under Wine (build/win32/Skyrun.dll)"
build/win32/wine-run.sh build/win32/host/skyrun-host.exe demo build/win32/Skyrun.dll \
  --seconds "$seconds" --out out/win32 | tr -d '\r'
animate out/win32

echo
echo "The demo's files:"
for dir in out/linux out/win32; do
  echo "  $dir/demo.wav  $dir/demo.gif  $dir/frames/ ($(ls "$dir"/frames | wc -l) pictures)"
done
