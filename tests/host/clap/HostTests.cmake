# SPDX-License-Identifier: MIT
# skyrun-host driving Skyrun.clap as a CLAP host: the same end-to-end runs
# as the module's, and the module file exporting clap_entry alone.

set(clap $<TARGET_FILE:skyrun_clap>)
set(work ${CMAKE_CURRENT_BINARY_DIR}/clap)
file(MAKE_DIRECTORY ${work})

add_test(NAME clap_exports_only_clap_entry
  COMMAND ${CMAKE_COMMAND} ${SYMBOL_TOOL} -DSYMBOL=clap_entry -DMODULE=${clap}
    -P ${CMAKE_CURRENT_SOURCE_DIR}/CheckModuleSymbols.cmake)
skyrun_host_test(host_clap_info ARGS info ${clap}
  EXPECT_FILE ${CMAKE_CURRENT_SOURCE_DIR}/clap/expected_info.txt EXPECT_STATUS 0)
skyrun_host_test(host_clap_check ARGS check ${clap}
  EXPECT_STATUS 0 EXPECT_LINE "skip: every opcode with a zeroed buffer" EXPECT_LAST_LINE " 0 failed")

# Rendering through the plug-in: bit-exact, at odd block sizes and rates.
skyrun_render_test(render_clap_float_stereo_block_1 ${clap} float stereo 44100 44100
  --block 1)
skyrun_render_test(render_clap_pcm16_rate_22050 ${clap} pcm16 stereo 48000 22050
  --rate 22050)

# The GUI in a real window of the host, with injected input and a screenshot.
add_test(NAME host_clap_editor_screenshot
  COMMAND ${CMAKE_COMMAND} "-DEMULATOR=${CMAKE_CROSSCOMPILING_EMULATOR}"
    -DHOST=$<TARGET_FILE:skyrun-host> -DWAV_TOOL=$<TARGET_FILE:wav-tool>
    -DMODULE=${clap} -DWORK_DIR=${work} -P ${CMAKE_CURRENT_SOURCE_DIR}/EditorScreenshot.cmake)

add_test(NAME host_clap_screenshot_as_module
  COMMAND ${CMAKE_COMMAND} "-DEMULATOR=${CMAKE_CROSSCOMPILING_EMULATOR}"
    -DHOST=$<TARGET_FILE:skyrun-host> -DMODULE=$<TARGET_FILE:Skyrun> -DCLAP=${clap}
    -DWORK_DIR=${work} -P ${CMAKE_CURRENT_SOURCE_DIR}/clap/SameScreenshot.cmake)

set(gui_tests host_clap_editor_screenshot host_clap_screenshot_as_module)
set_tests_properties(host_clap_check ${gui_tests} PROPERTIES
  ENVIRONMENT "ASAN_OPTIONS=detect_leaks=0:abort_on_error=1")
set_tests_properties(${gui_tests} PROPERTIES RUN_SERIAL TRUE)

# The host's side of the conversation, recorded by a plug-in of the test's own.
add_library(RecordingClapPlugin MODULE clap/RecordingClapPlugin.cpp)
target_include_directories(RecordingClapPlugin PRIVATE ${CMAKE_SOURCE_DIR})
set_target_properties(RecordingClapPlugin PROPERTIES PREFIX "" SUFFIX .clap)
set(recording $<TARGET_FILE:RecordingClapPlugin>)
set(opened entry.init create_plugin init)
set(closed destroy entry.deinit)
function(clap_conversation_test name)
  cmake_parse_arguments(T "" "" "COMMAND;EXPECT;OPTIONS" ${ARGN})
  add_test(NAME clap_conversation_${name}
    COMMAND ${CMAKE_COMMAND} "-DEMULATOR=${CMAKE_CROSSCOMPILING_EMULATOR}"
      -DHOST=$<TARGET_FILE:skyrun-host> "-DCOMMAND=${T_COMMAND}" "-DEXPECT=${T_EXPECT}"
      -DRECORD=${work}/${name}.calls ${T_OPTIONS} -P ${CMAKE_CURRENT_SOURCE_DIR}/clap/Conversation.cmake)
endfunction()
clap_conversation_test(info COMMAND info ${recording}
  EXPECT ${opened} gui.create gui.get_size gui.destroy ${closed})
clap_conversation_test(render COMMAND render ${recording} --in ${work}/in.wav --out ${work}/out.wav
  OPTIONS -DWAV_TOOL=$<TARGET_FILE:wav-tool> -DIN=${work}/in.wav
  EXPECT ${opened} "activate 44100 1 [0-9]+" start_processing process stop_processing deactivate
    ${closed})
# set_scale before get_size; the first timer let go of at its first call.
clap_conversation_test(editor_zoom_2 COMMAND editor ${recording} --zoom 2 --idles 3
  EXPECT ${opened} "activate .*" start_processing gui.create "gui.set_scale 2" gui.get_size
    gui.set_parent gui.show on_timer unregister_timer on_timer gui.destroy unregister_timer
    stop_processing deactivate ${closed})
set_tests_properties(clap_conversation_editor_zoom_2 PROPERTIES
  ENVIRONMENT "ASAN_OPTIONS=detect_leaks=0:abort_on_error=1")
