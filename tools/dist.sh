#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the release files into out/dist: the Windows setup program, the
# Debian package, the linux, win32 and win64 zips and the web zip. A
# missing tool is named before anything is built.
set -euo pipefail
cd "$(dirname "$0")/.."

cmake -P packaging/CheckTools.cmake
cmake --preset packages >/dev/null
for preset in linux win32 win64; do
  echo "== $preset: the files that are released"
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" --target skyrun_release_files
done
echo "== packing"
cmake --build --preset packages
rm -rf out/dist
mkdir -p out/dist
cp build/packages/dist/* out/dist/
echo "== web: the page and the Web Audio Module"
cmake --preset web >/dev/null
cmake --build --preset web --target skyrun_wasm
version=$(sed -n 's/^project(Skyrun VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
staging=$(mktemp -d)
cp -r build/web/site "$staging/skyrun-$version-web"
(cd "$staging" && zip -qr - "skyrun-$version-web") >"out/dist/skyrun-$version-web.zip"
rm -rf "$staging"
echo
ls -l out/dist
