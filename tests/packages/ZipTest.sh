#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# A zip for copying by hand: unzipped, it holds an INSTALL.txt and a module
# that its own host reads with `info`; the Linux zip also an LV2 bundle that
# lv2info reads; the Linux and 64-bit Windows zips also the CLAP plug-in,
# which the host reads too.
#   ZipTest.sh ARCHIVE.zip WORK_DIR [RUNNER]   (RUNNER: Wine for Windows zips)
set -uo pipefail
zip=$1
work=$2
shift 2
fail() { echo "FAIL: $*"; exit 1; }
rm -rf "$work"
mkdir -p "$work"
(cd "$work" && cmake -E tar xf "$zip") || fail "the zip does not extract"
top=$work/$(basename "$zip" .zip)
(cd "$top" && find . -type f -printf '%p  %s bytes\n' | sort)
[ -s "$top/INSTALL.txt" ] || fail "no INSTALL.txt at the top"
if [[ $zip == *-linux.zip ]]; then
  module=$top/lib/skyrun/Skyrun.so host=$top/bin/skyrun-host
else
  module=$top/Skyrun.dll host=$top/skyrun-host.exe
fi
[ -f "$module" ] && [ -f "$host" ] || fail "the zip lacks $module or $host"
out=$("$@" "$host" info "$module" 2>&1) || fail "info failed: $out"
grep -q "^effect name: Kestrigo" <<<"$out" || fail "info does not read the effect: $out"
echo "info reads the module: $(grep -E '^(effect name|vendor):' <<<"$out" | tr '\n' ' ')"
clap=$(dirname "$module")/Skyrun.clap
[[ $zip == *-linux.zip ]] && clap=$top/lib/clap/Skyrun.clap
if [[ $zip != *-win32.zip ]]; then
  out=$("$@" "$host" info "$clap" 2>&1) || fail "info failed on the CLAP plug-in: $out"
  grep -q "^id: example.orvane.skyrun" <<<"$out" || fail "info does not read the CLAP plug-in: $out"
  echo "info reads the CLAP plug-in"
fi
if [[ $zip == *-linux.zip ]]; then
  "$(dirname "$0")/../lv2/Lv2InfoTest.sh" "$top/lib/lv2" || fail "lv2info does not read the bundle"
fi
