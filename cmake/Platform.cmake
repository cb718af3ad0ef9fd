# SPDX-License-Identifier: MIT
# Per-target settings: the Windows builds link their runtimes statically so
# the module and programs import only system DLLs, and run under Wine.
include(cmake/WineLoader.cmake)
if(WIN32)
  add_link_options(-static -static-libgcc -static-libstdc++)
  add_compile_definitions(WIN32_LEAN_AND_MEAN NOMINMAX)
  # 32-bit code too does floating point in SSE2 registers. On the x87 stack
  # g++ 12 keeps C++ intermediates at extended precision and may skip the
  # rounding to float that the synthesizer's arithmetic requires wherever a
  # value is stored, so the 32-bit module sounded different from the others.
  if(CMAKE_SIZEOF_VOID_P EQUAL 4)
    add_compile_options(-msse2 -mfpmath=sse)
  endif()
  skyrun_find_wine_loader(${CMAKE_SIZEOF_VOID_P} SKYRUN_WINE_LOADER SKYRUN_RUNS_WINDOWS_PROGRAMS)
  set(SKYRUN_WINEPREFIX ${CMAKE_BINARY_DIR}/wineprefix)
  configure_file(${CMAKE_SOURCE_DIR}/cmake/wine-run.sh.in ${CMAKE_BINARY_DIR}/wine-run.sh
                 FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
                                  WORLD_READ WORLD_EXECUTE @ONLY)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_BINARY_DIR}/wine-run.sh)
  # The Wine prefix is made once by the build, so tests never race to make it.
  add_custom_command(OUTPUT ${SKYRUN_WINEPREFIX}/.ready
    COMMAND ${CMAKE_BINARY_DIR}/wine-run.sh --init
    DEPENDS ${CMAKE_BINARY_DIR}/wine-run.sh
    COMMENT "Making the Wine prefix")
  if(SKYRUN_RUNS_WINDOWS_PROGRAMS)
    add_custom_target(wineprefix ALL DEPENDS ${SKYRUN_WINEPREFIX}/.ready)
  endif()
endif()
