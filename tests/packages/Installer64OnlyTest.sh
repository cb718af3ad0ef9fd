#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The setup program asked, silently, for the 64-bit module alone, in a fresh
# Wine prefix: it installs that module, the CLAP plug-in in Common
# Files\CLAP (on by default) and the 64-bit host and no 32-bit file, the
# Start-menu entry plays that module with that host, and the host passes
# `check` on the module and on the CLAP plug-in.
#   Installer64OnlyTest.sh SETUP.exe WINE64_LOADER WORK_DIR
set -uo pipefail
setup=$1
wine=$2
work=$3
source "$(dirname "$0")/WinePrefix.sh"
fresh_prefix "$work" "$wine"
drive_files >"$work/before.txt"

echo "== wine $(basename "$setup") /S /NOMODULE32 /MODULE64=C:\\Plug64 /D=C:\\Skyrun"
"$wine" "$setup" /S /NOMODULE32 '/MODULE64=C:\Plug64' '/D=C:\Skyrun' || fail "the setup exited with $?"
wineserver -w
drive_files >"$work/installed.txt"
echo "installed:"
show_added "$work/before.txt" "$work/installed.txt"
shortcut="ProgramData/Microsoft/Windows/Start Menu/Programs/Skyrun.lnk"
clap="Program Files/Common Files/CLAP"
expected=$(printf './%s\n' Plug64 Plug64/Skyrun.dll "$clap" "$clap/Skyrun.clap" "$shortcut" \
  Skyrun Skyrun/LICENSE.txt Skyrun/README.txt Skyrun/skyrun-host64.exe Skyrun/skyrun.ico \
  Skyrun/uninstall.exe | sort)
added=$(comm -13 "$work/before.txt" "$work/installed.txt")
[ "$added" = "$expected" ] || fail "installed $(echo $added), not $(echo $expected)"
x86_64-w64-mingw32-objdump -f "$drive/Skyrun/skyrun-host64.exe" | grep -q "pei-x86-64" ||
  fail "skyrun-host64.exe is no 64-bit program"

echo "== the Start-menu entry"
# The target's whole path is kept in the shortcut's ANSI part, the arguments
# in its UTF-16 one.
target=$(strings "$drive/$shortcut" | grep '^C:\\.*\.exe$')
arguments=$(strings -el "$drive/$shortcut" | grep '^play ')
echo "target $target, arguments $arguments"
[ "$target" = 'C:\Skyrun\skyrun-host64.exe' ] || fail "the entry does not start the 64-bit host"
[ "$arguments" = 'play "C:\Plug64\Skyrun.dll"' ] || fail "the entry does not play the 64-bit module"

for module in 'C:\Plug64\Skyrun.dll' 'C:\Program Files\Common Files\CLAP\Skyrun.clap'; do
  echo "== wine C:\\Skyrun\\skyrun-host64.exe check $module"
  out=$("$wine" 'C:\Skyrun\skyrun-host64.exe' check "$module" 2>&1)
  status=$?
  echo "$out"
  [ $status -eq 0 ] || fail "check exited with $status"
  tail -n 1 <<<"$out" | grep -q " 0 failed" || fail "check found faults in $module"
done
echo "passed"
