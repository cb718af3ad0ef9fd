#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The Debian package: its paths and control fields, then, extracted into a
# temporary root, the licence in the copyright file, the host's version, `check`
# on the module and the CLAP plug-in found there, the LV2 bundle as lv2info
# reads it, the man page and the menu entry.
#   DebTest.sh PACKAGE.deb VERSION WORK_DIR
set -uo pipefail
deb=$1
version=$2
work=$3
fail() { echo "FAIL: $*"; exit 1; }

echo "== dpkg-deb -c $(basename "$deb")"
listing=$(dpkg-deb -c "$deb") || fail "dpkg-deb cannot read the package"
echo "$listing"
for path in usr/lib/skyrun/Skyrun.so usr/lib/lv2/skyrun.lv2/skyrun.so usr/lib/clap/Skyrun.clap \
            usr/lib/lv2/skyrun.lv2/manifest.ttl usr/lib/lv2/skyrun.lv2/skyrun.ttl usr/bin/skyrun-host usr/share/man/man1/skyrun-host.1.gz \
            usr/share/doc/skyrun/copyright usr/share/doc/skyrun/README.txt \
            usr/share/applications/skyrun.desktop usr/share/icons/hicolor/48x48/apps/skyrun.png; do
  grep -q " \./$path\$" <<<"$listing" || fail "the package lacks /$path"
done
fields=$(dpkg-deb -f "$deb")
echo "$fields"
grep -qx "Section: sound" <<<"$fields" || fail "the section is not sound"
grep -qx "Version: $version" <<<"$fields" || fail "the version is not $version"
grep -q "^Depends:.*libfreetype6.*" <<<"$fields" || fail "the dependencies were not read from the binaries"
grep -q "add the folder /usr/lib/skyrun" <<<"$fields" || fail "the description does not name the module's folder"

root=$work/root
rm -rf "$root"
mkdir -p "$root"
dpkg-deb -x "$deb" "$root" || fail "the package does not extract"

echo "== usr/share/doc/skyrun/copyright"
copyright=$root/usr/share/doc/skyrun/copyright
head -n 7 "$copyright"
grep -qx "Files: \*" "$copyright" && grep -qx "License: MIT" "$copyright" &&
  grep -q "^ Permission is hereby granted" "$copyright" || fail "the copyright file does not name MIT with its text"

echo "== skyrun-host --version"
[ "$("$root/usr/bin/skyrun-host" --version)" = "skyrun-host $version" ] ||
  fail "skyrun-host --version does not print $version"

for module in usr/lib/skyrun/Skyrun.so usr/lib/clap/Skyrun.clap; do
  echo "== skyrun-host check $module"
  out=$("$root/usr/bin/skyrun-host" check "$root/$module" 2>&1)
  status=$?
  echo "$out" | tail -n 3
  [ $status -eq 0 ] && tail -n 1 <<<"$out" | grep -q " 0 failed" || fail "check failed on $module"
done

echo "== lv2info on usr/lib/lv2"
"$(dirname "$0")/../lv2/Lv2InfoTest.sh" "$root/usr/lib/lv2" || fail "lv2info does not read the bundle"

echo "== man -l skyrun-host.1.gz"
page=$(MANWIDTH=80 man -l -P cat "$root/usr/share/man/man1/skyrun-host.1.gz" 2>&1) ||
  fail "man cannot render the page"
head -n 12 <<<"$page"
grep -q "skyrun-host - loads the Skyrun plug-in" <<<"$page" || fail "the page has no NAME line"
grep -q "check MODULE" <<<"$page" || fail "the page lacks the commands"

echo "== the menu entry"
entry=$root/usr/share/applications/skyrun.desktop
desktop-file-validate "$entry" || fail "desktop-file-validate rejects the entry"
grep -qx 'Exec="/usr/bin/skyrun-host" play "/usr/lib/skyrun/Skyrun.so"' "$entry" ||
  fail "the entry does not play the installed module: $(grep Exec "$entry")"
echo "passed"
