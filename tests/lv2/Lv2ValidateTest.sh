#!/usr/bin/env bash
# The bundle's data against LV2's own schemas (lv2-dev's
# /usr/lib/lv2, with the RDF, OWL, DOAP and FOAF ones it ships), checked by
# sord's validator: every class, property and value type must be defined.
#   Lv2ValidateTest.sh BUNDLE
set -uo pipefail
bundle=$1
mapfile -t schemas < <(find /usr/lib/lv2 -name '*.ttl' ! -name manifest.ttl | sort)
[ ${#schemas[@]} -gt 0 ] || { echo "FAIL: no LV2 schemas under /usr/lib/lv2 (lv2-dev)"; exit 1; }
out=$(sord_validate "${schemas[@]}" "$bundle/manifest.ttl" "$bundle/skyrun.ttl" 2>&1)
status=$?
echo "$out"
[ $status -eq 0 ] && grep -q "^Found 0 errors" <<<"$out"
