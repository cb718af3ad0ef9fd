#!/usr/bin/env bash
# The Windows setup program under Wine, in a fresh prefix:
#  1. a silent install puts each module and the host in the folder asked for;
#  2. the installed host passes `check` on the installed 32-bit module;
#  3. the silent uninstaller leaves none of the installed files behind;
#  4. a folder that cannot be written stops the setup, which says so and
#     installs nothing.
#   InstallerTest.sh SETUP.exe WORK_DIR
set -uo pipefail
setup=$1
work=$2
export WINEPREFIX=$work/wineprefix WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml,winemenubuilder.exe="
drive=$WINEPREFIX/drive_c
fail() { echo "FAIL: $*"; exit 1; }
files() { (cd "$drive" && find . -path ./windows -prune -o -path ./users -prune -o -print | sort); }

rm -rf "$work"
mkdir -p "$WINEPREFIX"
wineboot --init >/dev/null 2>&1
wineserver -w
files >"$work/before.txt"

echo "== wine $(basename "$setup") /S /MODULE32=C:\\Plug32 /MODULE64=C:\\Plug64 /D=C:\\Skyrun"
wine "$setup" /S '/MODULE32=C:\Plug32' '/MODULE64=C:\Plug64' '/D=C:\Skyrun' ||
  fail "the setup exited with $?"
wineserver -w
files >"$work/installed.txt"
echo "installed:"
comm -13 "$work/before.txt" "$work/installed.txt" | while read -r f; do
  [ -f "$drive/$f" ] && printf '  C:%s  %s bytes\n' "${f#.}" "$(stat -c %s "$drive/$f")"
done
for f in Plug32/Skyrun.dll Plug64/Skyrun.dll Skyrun/skyrun-host.exe Skyrun/README.txt \
         Skyrun/LICENSE.txt Skyrun/uninstall.exe; do
  [ -f "$drive/$f" ] || fail "C:/$f is missing"
done
x86_64-w64-mingw32-objdump -f "$drive/Plug32/Skyrun.dll" | grep -q "pei-i386" || fail "C:/Plug32 holds no 32-bit DLL"
x86_64-w64-mingw32-objdump -f "$drive/Plug64/Skyrun.dll" | grep -q "pei-x86-64" || fail "C:/Plug64 holds no 64-bit DLL"
grep -q 'Orvane' "$WINEPREFIX/system.reg" || fail "no uninstall entry in the registry"
shortcut=$(find "$drive" -name Skyrun.lnk | head -n 1)
[ -n "$shortcut" ] || fail "no Start-menu shortcut"
strings -el "$shortcut" | grep -q 'play "C:\\Plug32\\Skyrun.dll"' || fail "the shortcut does not play C:\\Plug32\\Skyrun.dll"

echo "== wine C:\\Skyrun\\skyrun-host.exe check C:\\Plug32\\Skyrun.dll"
out=$(wine 'C:\Skyrun\skyrun-host.exe' check 'C:\Plug32\Skyrun.dll' 2>&1)
status=$?
echo "$out"
[ $status -eq 0 ] || fail "check exited with $status"
echo "$out" | tail -n 1 | grep -q " 0 failed" || fail "check found faults"

echo "== wine C:\\Skyrun\\uninstall.exe /S"
wine 'C:\Skyrun\uninstall.exe' /S || fail "the uninstaller exited with $?"
wineserver -w
files >"$work/after.txt"
left=$(comm -13 "$work/before.txt" "$work/after.txt")
[ -z "$left" ] || fail "left behind: $left"
! grep -q 'Orvane' "$WINEPREFIX/system.reg" || fail "registry keys left behind"
echo "left behind: nothing (files or registry keys)"

echo "== a folder that cannot be written: /MODULE64=R:\\Plugins, R: being /proc"
ln -s /proc "$WINEPREFIX/dosdevices/r:"
err=$(wine "$setup" /S '/MODULE32=C:\Plug32' '/MODULE64=R:\Plugins' '/D=C:\Skyrun' 2>&1)
status=$?
wineserver -w
echo "exit status $status: $err"
[ $status -ne 0 ] || fail "the setup reported success"
echo "$err" | grep -q 'cannot write to the folder R:\\Plugins' || fail "the setup did not name the folder"
files >"$work/refused.txt"
left=$(comm -13 "$work/before.txt" "$work/refused.txt")
[ -z "$left" ] || fail "half installed: $left"
echo "installed: nothing"
echo "passed"
