# SPDX-License-Identifier: MIT
# Opens the module's editor in the host's window, flies right and fires, and
# checks the screenshot: the background's START lamp and displays are where
# they belong and the game has drawn its play area over the dark screen.
# With ZOOM, at that zoom: every place is ZOOM times as far, the picture's
# far corner too.
set(zoom_args)
if(ZOOM)
  set(zoom_args --zoom ${ZOOM})
else()
  set(ZOOM 1)
endif()
set(shot ${WORK_DIR}/editor-shot-${ZOOM}.png)
set(script ${WORK_DIR}/editor-script.txt)
file(REMOVE ${shot})
file(WRITE ${script} "3 hold right\n9 release right\n10 hold shift\n16 release shift\n")
execute_process(COMMAND ${EMULATOR} ${HOST} editor ${MODULE} --idles 20 --audio ${zoom_args}
    --script ${script} --screenshot ${shot}
  RESULT_VARIABLE status OUTPUT_VARIABLE said ERROR_VARIABLE err TIMEOUT 120)
message("${said}${err}")
if(NOT status EQUAL 0)
  message(FATAL_ERROR "the editor session failed: ${status}")
endif()

# Each channel of the pixel at (x, y) of the unzoomed picture must lie within
# its range.
function(expect_pixel x y rmin rmax gmin gmax bmin bmax)
  math(EXPR x "${x} * ${ZOOM}")
  math(EXPR y "${y} * ${ZOOM}")
  execute_process(COMMAND ${EMULATOR} ${WAV_TOOL} pixel ${shot} ${x} ${y}
    OUTPUT_VARIABLE rgb RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "the screenshot has no pixel (${x}, ${y})")
  endif()
  string(STRIP "${rgb}" rgb)
  string(REPLACE " " ";" rgb "${rgb}")
  list(GET rgb 0 r)
  list(GET rgb 1 g)
  list(GET rgb 2 b)
  if(r LESS rmin OR r GREATER rmax OR g LESS gmin OR g GREATER gmax OR b LESS bmin OR b GREATER bmax)
    message(FATAL_ERROR "pixel (${x}, ${y}) is ${r} ${g} ${b}, outside ${rmin}-${rmax} ${gmin}-${gmax} ${bmin}-${bmax}")
  endif()
endfunction()

expect_pixel(31 94 180 255 140 255 0 120)    # the START lamp
expect_pixel(252 68 150 255 150 255 100 255)  # the score display's light background
math(EXPR right "302 * ${ZOOM} - 1")
math(EXPR bottom "214 * ${ZOOM} - 1")
execute_process(COMMAND ${EMULATOR} ${WAV_TOOL} pixel ${shot} ${right} ${bottom} RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "the screenshot is smaller than ${right} x ${bottom}")
endif()
# The game's ground covers the dark screen: most of a row of the play area is green.
set(green 0)
math(EXPR row "30 * ${ZOOM}")
foreach(x RANGE 70 230 20)
  math(EXPR x "${x} * ${ZOOM}")
  execute_process(COMMAND ${EMULATOR} ${WAV_TOOL} pixel ${shot} ${x} ${row} OUTPUT_VARIABLE rgb)
  string(STRIP "${rgb}" rgb)
  string(REPLACE " " ";" rgb "${rgb}")
  list(GET rgb 0 r)
  list(GET rgb 1 g)
  if(g GREATER r AND g GREATER 60)
    math(EXPR green "${green} + 1")
  endif()
endforeach()
if(green LESS 5)
  message(FATAL_ERROR "the play area shows no ground (${green} of 9 samples green)")
endif()
