# SPDX-License-Identifier: MIT
# What `cmake --install` puts where. Files are grouped in components that the
# packages pick from (packaging/): module, lv2 (the LV2 bundle, Linux only),
# host, docs, desktop (the Linux menu entry) and notes (the zips' INSTALL.txt,
# left out of a plain install).
set(SKYRUN_PACKAGING_DIR ${CMAKE_SOURCE_DIR}/packaging)
# Packing runs the install rules of trees whose installed files are built
# already; it should not build the tests as well.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)

if(WIN32)
  # One flat folder, the way a Windows user copies files by hand.
  set(SKYRUN_MODULE_DIR .)
  set(SKYRUN_HOST_DIR .)
  set(SKYRUN_DOC_DIR .)
  set(SKYRUN_LICENSE_FILE ${CMAKE_SOURCE_DIR}/LICENSE.txt)
else()
  # Plug-in hosts scan whole folders, so the module has one of its own.
  # The LV2 bundle goes where every LV2 host looks, under lib/lv2/.
  set(SKYRUN_MODULE_DIR lib/skyrun)
  set(SKYRUN_HOST_DIR bin)
  set(SKYRUN_DOC_DIR share/doc/skyrun)
  # Debian's machine-readable copyright file, made from LICENSE.txt: its
  # copyright line, and the licence's text as the field's indented lines.
  file(READ ${CMAKE_SOURCE_DIR}/LICENSE.txt license)
  string(REGEX MATCH "Copyright \\(c\\) ([^\n]*)\n\n(.*)" license "${license}")
  set(SKYRUN_COPYRIGHT ${CMAKE_MATCH_1})
  string(STRIP "${CMAKE_MATCH_2}" license)
  string(REPLACE "\n\n" "\n.\n" license "${license}")
  string(REPLACE "\n" "\n " SKYRUN_LICENSE_TEXT " ${license}")
  set(SKYRUN_LICENSE_FILE ${CMAKE_BINARY_DIR}/copyright)
  configure_file(${SKYRUN_PACKAGING_DIR}/copyright.in ${SKYRUN_LICENSE_FILE} @ONLY)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/LICENSE.txt)
endif()

# The Windows import library is of no use to anyone; it stays out.
install(TARGETS Skyrun
  RUNTIME DESTINATION ${SKYRUN_MODULE_DIR} COMPONENT module
  LIBRARY DESTINATION ${SKYRUN_MODULE_DIR} COMPONENT module
    PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ
  ARCHIVE DESTINATION lib COMPONENT import_library EXCLUDE_FROM_ALL)
install(TARGETS skyrun-host RUNTIME DESTINATION ${SKYRUN_HOST_DIR} COMPONENT host)
install(FILES ${SKYRUN_PACKAGING_DIR}/README.txt DESTINATION ${SKYRUN_DOC_DIR} COMPONENT docs)
install(FILES ${SKYRUN_LICENSE_FILE} DESTINATION ${SKYRUN_DOC_DIR} COMPONENT docs)

# What the release files hold, for building just that (tools/dist.sh).
add_custom_target(skyrun_release_files)
add_dependencies(skyrun_release_files Skyrun skyrun-host)

# The CLAP module goes where every CLAP host on Linux looks by itself; on
# Windows it lies beside the module, and the setup puts it in Common
# Files\CLAP. It is built for 64-bit Windows and Linux only.
if(TARGET skyrun_clap)
  if(WIN32)
    set(SKYRUN_CLAP_DIR .)
  else()
    set(SKYRUN_CLAP_DIR lib/clap)
  endif()
  install(TARGETS skyrun_clap
    RUNTIME DESTINATION ${SKYRUN_CLAP_DIR} COMPONENT clap
    LIBRARY DESTINATION ${SKYRUN_CLAP_DIR} COMPONENT clap
      PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
  add_dependencies(skyrun_release_files skyrun_clap)
endif()

# The icon of the Start-menu shortcut and of the desktop entry is made from
# the game's own pictures: an .ico for Windows, a .png for Linux menus.
if(WIN32)
  set(SKYRUN_ICON ${CMAKE_BINARY_DIR}/skyrun.ico)
else()
  set(SKYRUN_ICON ${CMAKE_BINARY_DIR}/skyrun.png)
endif()
add_custom_command(OUTPUT ${SKYRUN_ICON}
  COMMAND ${CMAKE_COMMAND} -DRESOURCE_DIR=${CMAKE_SOURCE_DIR}/resources
    -DOUTPUT=${SKYRUN_ICON} -P ${CMAKE_SOURCE_DIR}/cmake/MakeIcon.cmake
  DEPENDS ${CMAKE_SOURCE_DIR}/cmake/MakeIcon.cmake ${RESOURCE_BITMAPS}
  COMMENT "Making the icon from the game's pictures")
add_custom_target(skyrun_icon ALL DEPENDS ${SKYRUN_ICON})
add_dependencies(skyrun_release_files skyrun_icon)

if(WIN32)
  install(FILES ${SKYRUN_PACKAGING_DIR}/INSTALL-windows.txt DESTINATION .
    RENAME INSTALL.txt COMPONENT notes EXCLUDE_FROM_ALL)
  install(FILES ${SKYRUN_ICON} DESTINATION . COMPONENT host)
  return()
endif()

install(FILES ${SKYRUN_PACKAGING_DIR}/INSTALL-linux.txt DESTINATION .
  RENAME INSTALL.txt COMPONENT notes EXCLUDE_FROM_ALL)

set(SKYRUN_LV2_DIR lib/lv2/skyrun.lv2)
install(TARGETS skyrun_lv2 LIBRARY DESTINATION ${SKYRUN_LV2_DIR} COMPONENT lv2
  PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
install(FILES ${SKYRUN_LV2_BUNDLE}/manifest.ttl ${SKYRUN_LV2_BUNDLE}/skyrun.ttl
  DESTINATION ${SKYRUN_LV2_DIR} COMPONENT lv2)
add_dependencies(skyrun_release_files skyrun_lv2)

# Debian wants a changelog with every package; it carries the one version.
string(TIMESTAMP SKYRUN_RELEASE_DATE "%a, %d %b %Y %H:%M:%S +0000" UTC)
configure_file(${SKYRUN_PACKAGING_DIR}/changelog.in ${CMAKE_BINARY_DIR}/changelog @ONLY)
add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/changelog.gz
  COMMAND gzip -9nkf ${CMAKE_BINARY_DIR}/changelog
  DEPENDS ${CMAKE_BINARY_DIR}/changelog)
add_custom_target(skyrun_changelog ALL DEPENDS ${CMAKE_BINARY_DIR}/changelog.gz)
install(FILES ${CMAKE_BINARY_DIR}/changelog.gz DESTINATION ${SKYRUN_DOC_DIR} COMPONENT docs)

# The man page is skyrun-host's own --help, so the two cannot disagree.
find_program(HELP2MAN help2man REQUIRED)
set(SKYRUN_MAN_PAGE ${CMAKE_BINARY_DIR}/skyrun-host.1)
add_custom_command(OUTPUT ${SKYRUN_MAN_PAGE}.gz
  COMMAND ${HELP2MAN} --no-info --no-discard-stderr --section 1
    --name "loads the Skyrun plug-in like a host and plays, checks or renders with it"
    --include ${SKYRUN_PACKAGING_DIR}/skyrun-host.h2m
    --output ${SKYRUN_MAN_PAGE} $<TARGET_FILE:skyrun-host>
  COMMAND gzip -9nf ${SKYRUN_MAN_PAGE}
  DEPENDS skyrun-host ${SKYRUN_PACKAGING_DIR}/skyrun-host.h2m
  COMMENT "Writing the man page of skyrun-host")
add_custom_target(skyrun_man_page ALL DEPENDS ${SKYRUN_MAN_PAGE}.gz)
install(FILES ${SKYRUN_MAN_PAGE}.gz DESTINATION share/man/man1 COMPONENT host)

add_dependencies(skyrun_release_files skyrun_changelog skyrun_man_page)
install(FILES ${SKYRUN_ICON} DESTINATION share/icons/hicolor/48x48/apps COMPONENT desktop)

# The menu entry plays the installed module, so its path is known only when
# installing (a package installs under another prefix than a plain install).
install(CODE "
  set(SKYRUN_HOST \"\${CMAKE_INSTALL_PREFIX}/${SKYRUN_HOST_DIR}/skyrun-host\")
  set(SKYRUN_MODULE \"\${CMAKE_INSTALL_PREFIX}/${SKYRUN_MODULE_DIR}/Skyrun.so\")
  configure_file(${SKYRUN_PACKAGING_DIR}/skyrun.desktop.in ${CMAKE_BINARY_DIR}/skyrun.desktop @ONLY)
  file(INSTALL DESTINATION \"\${CMAKE_INSTALL_PREFIX}/share/applications\" TYPE FILE
    FILES ${CMAKE_BINARY_DIR}/skyrun.desktop)
" COMPONENT desktop)
