#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# A folder of LV2 bundles as hosts find it: searching only there, lv2ls
# lists one plug-in, and lv2info shows it with the effect's name, its four
# audio ports (two in, two out) and its X11 UI.
#   Lv2InfoTest.sh LV2_FOLDER
set -uo pipefail
fail() { echo "FAIL: $*"; exit 1; }
export LV2_PATH=$1
# Every other entry of a build folder is named on stderr as no bundle.
uris=$(lv2ls 2>/dev/null) || fail "lv2ls failed"
[ "$(wc -l <<<"$uris")" -eq 1 ] && [ -n "$uris" ] || fail "lv2ls lists not one plug-in: $uris"
out=$(lv2info "$uris" 2>/dev/null) || fail "lv2info failed"
echo "$out"
count() { grep -c "$1" <<<"$out"; }
grep -q "^\s*Name:\s*Kestrigo$" <<<"$out" || fail "the name is not Kestrigo"
[ "$(count '^\s*Port [0-9]*:$')" -eq 4 ] || fail "not four ports"
[ "$(count 'lv2core#AudioPort')" -eq 4 ] || fail "not four audio ports"
[ "$(count 'lv2core#InputPort')" -eq 2 ] || fail "not two inputs"
[ "$(count 'lv2core#OutputPort')" -eq 2 ] || fail "not two outputs"
grep -q "Class:\s*http://lv2plug.in/ns/extensions/ui#X11UI" <<<"$out" || fail "no X11 UI"
grep -q "lv2core#hardRTCapable" <<<"$out" || fail "not hard-real-time capable"
grep -A1 "Presets:" <<<"$out" | tail -n 1 | grep -q . && fail "the programs became presets"
echo "passed"
