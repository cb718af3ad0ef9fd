#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The Windows setup program under Wine, in a fresh prefix:
#  1. a silent install puts each module, and the host of its size, in the
#     folder asked for, and the CLAP plug-in in Common Files\CLAP; the
#     Start-menu entry plays the 64-bit module;
#  2. the installed 32-bit host passes `check` on the installed 32-bit module;
#  3. the silent uninstaller leaves none of the installed files behind;
#  4. a folder that cannot be written stops the setup, which says so and
#     installs nothing.
#   InstallerTest.sh SETUP.exe WORK_DIR
set -uo pipefail
setup=$1
work=$2
source "$(dirname "$0")/WinePrefix.sh"
fresh_prefix "$work" wine
drive_files >"$work/before.txt"

echo "== wine $(basename "$setup") /S /MODULE32=C:\\Plug32 /MODULE64=C:\\Plug64 /D=C:\\Skyrun"
wine "$setup" /S '/MODULE32=C:\Plug32' '/MODULE64=C:\Plug64' '/D=C:\Skyrun' ||
  fail "the setup exited with $?"
wineserver -w
drive_files >"$work/installed.txt"
echo "installed:"
show_added "$work/before.txt" "$work/installed.txt"
for f in Plug32/Skyrun.dll Plug64/Skyrun.dll Skyrun/skyrun-host.exe Skyrun/skyrun-host64.exe Skyrun/README.txt \
         Skyrun/LICENSE.txt Skyrun/uninstall.exe; do
  [ -f "$drive/$f" ] || fail "C:/$f is missing"
done
x86_64-w64-mingw32-objdump -f "$drive/Plug32/Skyrun.dll" | grep -q "pei-i386" || fail "C:/Plug32 holds no 32-bit DLL"
x86_64-w64-mingw32-objdump -f "$drive/Plug64/Skyrun.dll" | grep -q "pei-x86-64" || fail "C:/Plug64 holds no 64-bit DLL"
clap="$drive/Program Files/Common Files/CLAP/Skyrun.clap"
x86_64-w64-mingw32-objdump -f "$clap" | grep -q "pei-x86-64" || fail "no 64-bit Skyrun.clap in Common Files/CLAP"
grep -q 'Orvane' "$WINEPREFIX/system.reg" || fail "no uninstall entry in the registry"
shortcut="$drive/ProgramData/Microsoft/Windows/Start Menu/Programs/Skyrun.lnk"
[ -f "$shortcut" ] || fail "no Start-menu shortcut"
strings "$shortcut" | grep -qx 'C:\\Skyrun\\skyrun-host64.exe' &&
  strings -el "$shortcut" | grep -qx 'play "C:\\Plug64\\Skyrun.dll"' ||
  fail "the shortcut does not play C:\\Plug64\\Skyrun.dll with the 64-bit host"

echo "== wine C:\\Skyrun\\skyrun-host.exe check C:\\Plug32\\Skyrun.dll"
out=$(wine 'C:\Skyrun\skyrun-host.exe' check 'C:\Plug32\Skyrun.dll' 2>&1)
status=$?
echo "$out"
[ $status -eq 0 ] || fail "check exited with $status"
echo "$out" | tail -n 1 | grep -q " 0 failed" || fail "check found faults"

echo "== wine C:\\Skyrun\\uninstall.exe /S"
wine 'C:\Skyrun\uninstall.exe' /S || fail "the uninstaller exited with $?"
wineserver -w
drive_files >"$work/after.txt"
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
drive_files >"$work/refused.txt"
left=$(comm -13 "$work/before.txt" "$work/refused.txt")
[ -z "$left" ] || fail "half installed: $left"
echo "installed: nothing"
echo "passed"
