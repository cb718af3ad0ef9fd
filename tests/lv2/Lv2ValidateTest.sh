#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The bundle's data against LV2's own schemas, checked by sord's validator:
# every class, property and value type must be defined. The schemas are the
# files of lv2-dev alone (with the RDF, OWL, DOAP and FOAF ones it ships),
# not whatever else lies in /usr/lib/lv2: other plug-ins' data is not ours
# to judge.
#   Lv2ValidateTest.sh BUNDLE
set -uo pipefail
bundle=$1
mapfile -t schemas < <(dpkg -L lv2-dev | grep '\.ttl$' | grep -v '/manifest\.ttl$' | sort)
[ ${#schemas[@]} -gt 0 ] || { echo "FAIL: dpkg lists no LV2 schemas in lv2-dev"; exit 1; }
out=$(sord_validate "${schemas[@]}" "$bundle/manifest.ttl" "$bundle/skyrun.ttl" 2>&1)
status=$?
echo "$out"
[ $status -eq 0 ] && grep -q "^Found 0 errors" <<<"$out"
