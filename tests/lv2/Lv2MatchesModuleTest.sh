#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The bundle's data says what the module itself answers: the effect's name,
# its vendor as the author, its pin names as the port names, and its
# programs' names in order.
#   Lv2MatchesModuleTest.sh SKYRUN_HOST MODULE LV2_FOLDER
set -uo pipefail
host=$1
module=$2
export LV2_PATH=$3
fail() { echo "FAIL: $*"; exit 1; }
info=$("$host" info "$module") || fail "skyrun-host info failed"
uri=$(lv2ls 2>/dev/null)
lv2=$(lv2info "$uri" 2>/dev/null) || fail "lv2info failed"
field() { sed -n "s/^$1: //p" <<<"$info"; }
lv2field() { sed -n "s/^\s*$1:\s*//p" <<<"$lv2" | head -n 1; }

[ "$(lv2field Name)" = "$(field 'effect name')" ] || fail "name $(lv2field Name) is not $(field 'effect name')"
[ "$(lv2field Author)" = "$(field vendor)" ] || fail "author $(lv2field Author) is not $(field vendor)"
pins=$(sed -n 's/^\(input\|output\) pin [0-9]*: \(.*\) (flags .*/\2/p' <<<"$info")
ports=$(sed -n '/Port 0:/,$p' <<<"$lv2" | sed -n 's/^\s*Name:\s*//p')
[ "$ports" = "$pins" ] || fail "port names $(echo $ports) are not the pins $(echo $pins)"
programs=$(sed -n 's/^program [0-9]*: //p' <<<"$info")
bundle=$(lv2field Bundle)
listed=$(grep -o 'programNames ( [^)]* )' "${bundle#file://}skyrun.ttl" | grep -o '"[^"]*"' | tr -d '"')
[ -n "$programs" ] && [ "$listed" = "$programs" ] ||
  fail "program names $(echo $listed) are not the module's $(echo $programs)"
echo "name, author, $(wc -l <<<"$pins") port names and $(wc -l <<<"$programs") program names match"
