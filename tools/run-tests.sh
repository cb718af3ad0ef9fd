#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs each named preset's workflow (configure, build, test), then prints one
# summary line for all of them, counted from ctest's JUnit files. Windows
# presets run their tests under Wine.
set -uo pipefail
cd "$(dirname "$0")/.."

# Window tests need a display: always a new Xvfb of their own, even on a
# desktop, so that no window manager, other program's window or person at
# the keyboard changes what they see, and their injected input stays there.
runner=(xvfb-run -a -s "-screen 0 1024x768x24")

passed=0
failed=0
skipped=0
status=0
for preset in "$@"; do
  echo "== $preset"
  junit="build/$preset/junit.xml"
  rm -f "$junit"
  "${runner[@]}" cmake --workflow --preset "$preset" || status=1
  # A preset that did not build or ran no test counts as one failure.
  if counts=$(python3 tools/junit_counts.py "$junit"); then
    read -r good bad unrun <<<"$counts"
    passed=$((passed + good))
    failed=$((failed + bad))
    skipped=$((skipped + unrun))
  else
    echo "== $preset: no test results"
    failed=$((failed + 1))
    status=1
  fi
done
echo
if [ "$skipped" -gt 0 ]; then
  echo "total: $passed passed, $failed failed, $skipped skipped"
else
  echo "total: $passed passed, $failed failed"
fi
exit $status
