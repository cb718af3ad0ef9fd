#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# lilv's lv2apply renders a stereo float WAV through the plug-in; with the
# game not running, every sample comes out exactly as it went in.
#   Lv2ApplyTest.sh LV2_FOLDER URI WORK_DIR
# SKYRUN_HOST_PRELOAD: libraries lv2apply loads first (a sanitizer's runtime).
set -uo pipefail
export LV2_PATH=$1
uri=$2
work=$3
fail() { echo "FAIL: $*"; exit 1; }
rm -rf "$work"
mkdir -p "$work"
sox -n -r 44100 -c 2 -e floating-point -b 32 "$work/in.wav" \
  synth 2 sine 440 whitenoise remix 1 2 gain -6 || fail "sox cannot make the input"
LD_PRELOAD=${SKYRUN_HOST_PRELOAD:-} lv2apply -i "$work/in.wav" -o "$work/out.wav" "$uri" ||
  fail "lv2apply failed"
sox "$work/in.wav" -t f32 "$work/in.raw" && sox "$work/out.wav" -t f32 "$work/out.raw" ||
  fail "sox cannot read the WAV files"
[ -s "$work/in.raw" ] || fail "the input is empty"
cmp "$work/in.raw" "$work/out.raw" || fail "the output differs from the input"
echo "$(stat -c %s "$work/in.raw") bytes of samples pass through bit-exact"
