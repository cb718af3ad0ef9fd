# SPDX-License-Identifier: MIT
# skyrun-host driving the LV2 bundle through lilv, by its folder and by its
# URI: the same end-to-end runs as the module's, and clear failures for
# names that lead to no plug-in or to one without a UI.

set(bundle ${SKYRUN_LV2_BUNDLE})
set(work ${CMAKE_CURRENT_BINARY_DIR}/lv2)
# An LV2_PATH holding the bundle alone, so that lilv finds nothing else to
# complain about on stderr.
file(MAKE_DIRECTORY ${work}/path)
file(CREATE_LINK ${bundle} ${work}/path/skyrun.lv2 SYMBOLIC)
# The bundle with its UI of a kind this host cannot show; the binary is the real one.
set(noUi ${work}/no-ui.lv2)
file(MAKE_DIRECTORY ${noUi})
foreach(data manifest.ttl skyrun.ttl)
  file(READ ${bundle}/${data} text)
  string(REPLACE "ui:X11UI" "ui:Gtk3UI" text "${text}")
  file(WRITE ${noUi}/${data} "${text}")
endforeach()
file(CREATE_LINK ${bundle}/skyrun.so ${noUi}/skyrun.so SYMBOLIC)

skyrun_host_test(host_lv2_info_bundle ARGS info ${bundle}
  EXPECT_FILE ${CMAKE_CURRENT_SOURCE_DIR}/lv2/expected_info.txt EXPECT_STATUS 0
  EXPECT_LINE "bundle: ${bundle}/")
skyrun_host_test(host_lv2_info_uri ARGS info ${SKYRUN_LV2_URI}
  EXPECT_FILE ${CMAKE_CURRENT_SOURCE_DIR}/lv2/expected_info.txt EXPECT_STATUS 0)
skyrun_host_test(host_lv2_check ARGS check ${bundle}
  EXPECT_STATUS 0 EXPECT_LINE "skip: every opcode with a zeroed buffer" EXPECT_LAST_LINE "5 passed, 0 failed")
skyrun_host_test(host_lv2_demo ARGS demo ${bundle} --seconds 2 --out ${work}/demo
  EXPECT_STATUS 0 EXPECT_LINE "frames: [1-9][0-9]* in .*frames" EXPECT_LAST_LINE "sound: .*demo.wav"
  EXPECT_FILES ${work}/demo/demo.wav ${work}/demo/frames/frame_0000.png)

skyrun_host_test(host_lv2_unknown_uri ARGS info https://www.orvane.example/plugins/none
  EXPECT_STATUS 1
  EXPECT_STDERR "plugins/none: no LV2 plug-in has this URI in LV2_PATH \\(${work}/path\\)")
# The failures below need an input that reads; it is made by a test of its
# own, so that they never wait on a render test that a preset leaves out.
set(renderInput ${work}/failures-in.wav)
add_test(NAME host_lv2_failures_input
  COMMAND $<TARGET_FILE:wav-tool> make ${renderInput} float stereo 100 44100)
set_tests_properties(host_lv2_failures_input PROPERTIES FIXTURES_SETUP lv2_render_input)
skyrun_host_test(host_lv2_no_manifest ARGS editor ${CMAKE_CURRENT_SOURCE_DIR}/lv2 --idles 1
  EXPECT_STATUS 1 EXPECT_STDERR "host/lv2: not an LV2 bundle: the folder holds no manifest.ttl")
skyrun_host_test(host_lv2_missing_bundle ARGS render ${work}/absent.lv2
    --in ${renderInput} --out ${work}/x.wav
  EXPECT_STATUS 1 EXPECT_STDERR "absent.lv2: no such bundle folder")
skyrun_host_test(host_lv2_no_plugin ARGS check ${CMAKE_CURRENT_SOURCE_DIR}/lv2/empty.lv2
  EXPECT_STATUS 1 EXPECT_LINE "fail: instantiate, activate and clean up 100 times \\(run 0: the bundle holds no LV2 plug-in"
  EXPECT_LAST_LINE "0 passed, 5 failed")
skyrun_host_test(host_lv2_no_ui ARGS editor ${noUi} --idles 1
  EXPECT_STATUS 1 EXPECT_STDERR "no-ui.lv2: the effect has no editor")
skyrun_host_test(host_lv2_no_accumulating ARGS render ${bundle} --in ${renderInput}
    --out ${work}/x.wav --accumulating
  EXPECT_STATUS 1 EXPECT_STDERR "skyrun.lv2: an LV2 plug-in has no accumulating callback")
set_tests_properties(host_lv2_info_uri host_lv2_unknown_uri PROPERTIES
  ENVIRONMENT LV2_PATH=${work}/path)

# Rendering through the bundle and through the URI: bit-exact, at odd block sizes and rates.
skyrun_render_test(render_lv2_float_stereo_block_1 ${bundle} float stereo 44100 44100
  --block 1)
skyrun_render_test(render_lv2_pcm16_mono_block_7 ${bundle} pcm16 mono 48000 48000
  --block 7)
skyrun_render_test(render_lv2_uri_rate_22050 ${SKYRUN_LV2_URI} pcm16 stereo 48000 22050
  --rate 22050)
set_tests_properties(render_lv2_uri_rate_22050 PROPERTIES ENVIRONMENT LV2_PATH=${work}/path)
set_tests_properties(host_lv2_no_accumulating host_lv2_missing_bundle PROPERTIES
  FIXTURES_REQUIRED lv2_render_input)

# The UI in a real window of the host, with injected input and a screenshot.
add_test(NAME host_lv2_editor_screenshot
  COMMAND ${CMAKE_COMMAND} -DHOST=$<TARGET_FILE:skyrun-host> -DWAV_TOOL=$<TARGET_FILE:wav-tool>
    -DMODULE=${bundle} -DWORK_DIR=${work} -P ${CMAKE_CURRENT_SOURCE_DIR}/EditorScreenshot.cmake)

set_tests_properties(host_lv2_check host_lv2_demo host_lv2_editor_screenshot PROPERTIES
  ENVIRONMENT "ASAN_OPTIONS=detect_leaks=0:abort_on_error=1")
set_tests_properties(host_lv2_demo host_lv2_editor_screenshot PROPERTIES RUN_SERIAL TRUE)
