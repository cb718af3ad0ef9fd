# SPDX-License-Identifier: MIT
# The browser tests: node drives Debian's Chromium (playwright-core) over
# the built site from a local server; each case of run.mjs is a test. The
# pixel cases compare with what the native skyrun-host draws, from the
# linux preset's build (skipped when it is missing). Pictures and pages the
# cases write go to out/ here (chromium-zoom1.png, chromium-zoom2.png).
add_executable(sound_golden_wasm SoundGoldenWasm.cpp ${CMAKE_SOURCE_DIR}/tests/plugin/SoundCases.cpp)
target_link_libraries(sound_golden_wasm PRIVATE skyrun_plugin)
target_include_directories(sound_golden_wasm PRIVATE ${CMAKE_SOURCE_DIR})
set_target_properties(sound_golden_wasm PROPERTIES SUFFIX .wasm)
target_link_options(sound_golden_wasm PRIVATE --no-entry -sSTANDALONE_WASM -sALLOW_MEMORY_GROWTH
  -sERROR_ON_UNDEFINED_SYMBOLS=1)

set(SKYRUN_NATIVE_BUILD ${CMAKE_SOURCE_DIR}/build/linux CACHE PATH
  "The linux preset's build, whose skyrun-host and module draw the pixel tests' references")
find_program(NODE_PROGRAM node REQUIRED)
set(BROWSER_CASES page_pixels_zoom1 page_pixels_zoom2 page_start_and_keys page_touch
  wam_host_lifecycle wam_offline_bit_exact wam_golden_synth bad_input figures)
foreach(name ${BROWSER_CASES})
  add_test(NAME web_${name}
    COMMAND ${NODE_PROGRAM} ${CMAKE_CURRENT_SOURCE_DIR}/run.mjs ${name}
      --site ${SKYRUN_WEB_SITE}
      --golden $<TARGET_FILE:sound_golden_wasm>
      --native ${SKYRUN_NATIVE_BUILD}
      --out ${CMAKE_CURRENT_BINARY_DIR}/out)
  # Exit 77: the native build the case compares with is missing.
  set_tests_properties(web_${name} PROPERTIES SKIP_RETURN_CODE 77 TIMEOUT 120)
endforeach()
# Their references are read back from the display's windows, which all lie at
# (0, 0): nothing else may open a window meanwhile.
set_tests_properties(web_page_pixels_zoom1 web_page_pixels_zoom2 PROPERTIES RUN_SERIAL TRUE)
