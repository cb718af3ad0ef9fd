#!/usr/bin/env bash
# Builds the Linux and 32-bit Windows modules and shows what each reports to
# a host.
set -euo pipefail
cd "$(dirname "$0")/.."

for preset in linux win32; do
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" --target Skyrun skyrun-host
done
cmake --build --preset win32 --target wineprefix >/dev/null

echo
echo "== Linux module: build/linux/Skyrun.so"
build/linux/host/skyrun-host info build/linux/Skyrun.so
echo
echo "== 32-bit Windows module, under Wine: build/win32/Skyrun.dll"
build/win32/wine-run.sh build/win32/host/skyrun-host.exe info build/win32/Skyrun.dll | tr -d '\r'
echo
echo "Modules: build/linux/Skyrun.so, build/win32/Skyrun.dll"
