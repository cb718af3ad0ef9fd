#!/usr/bin/env bash
# Configures, builds and tests each named preset, then prints one summary
# line for all of them. Windows presets run their tests under Wine.
set -uo pipefail
cd "$(dirname "$0")/.."

passed=0
failed=0
status=0
for preset in "$@"; do
  echo "== $preset: configure and build"
  if ! cmake --preset "$preset" >/dev/null || ! cmake --build --preset "$preset"; then
    echo "== $preset: build failed"
    status=1
    failed=$((failed + 1))
    continue
  fi
  echo "== $preset: test"
  log=$(mktemp)
  # Window tests need a display; Xvfb stands in when there is none.
  runner=()
  if [ -z "${DISPLAY:-}" ] && command -v xvfb-run >/dev/null; then
    runner=(xvfb-run -a -s "-screen 0 1024x768x24")
  fi
  "${runner[@]}" ctest --preset "$preset" 2>&1 | tee "$log"
  [ "${PIPESTATUS[0]}" -eq 0 ] || status=1
  summary=$(grep -E "tests passed, [0-9]+ tests failed out of [0-9]+" "$log" | tail -n 1)
  if [ -n "$summary" ]; then
    total=$(sed -E 's/.* out of ([0-9]+).*/\1/' <<<"$summary")
    bad=$(sed -E 's/.*passed, ([0-9]+) tests failed.*/\1/' <<<"$summary")
    passed=$((passed + total - bad))
    failed=$((failed + bad))
  else
    failed=$((failed + 1))
    status=1
  fi
  rm -f "$log"
done
echo
echo "total: $passed passed, $failed failed"
exit $status
