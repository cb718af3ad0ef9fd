# SPDX-License-Identifier: MIT
# Names every tool that the release files and their tests need and this
# machine lacks, with the Debian package that brings it (tools/setup.sh
# installs them all).
set(SKYRUN_RELEASE_TOOLS
  makensis:nsis dpkg-deb:dpkg dpkg-shlibdeps:dpkg-dev lintian:lintian
  help2man:help2man convert:imagemagick desktop-file-validate:desktop-file-utils
  man:man-db wine:wine lv2info:lilv-utils emcc:emscripten zip:zip)
set(missing "")
foreach(entry IN LISTS SKYRUN_RELEASE_TOOLS)
  string(REPLACE ":" ";" entry ${entry})
  list(GET entry 0 tool)
  list(GET entry 1 package)
  find_program(found ${tool} NO_CACHE)
  if(NOT found)
    string(APPEND missing "\n  ${tool} (Debian package ${package})")
  endif()
  unset(found)
endforeach()
if(missing)
  message(FATAL_ERROR "The release files need tools this machine lacks:${missing}\n"
    "tools/setup.sh installs them.")
endif()
