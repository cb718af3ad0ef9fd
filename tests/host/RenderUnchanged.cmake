# SPDX-License-Identifier: MIT
# Makes an input file at RATE, renders it through the module and checks that
# the output holds exactly the input, at EXPECT_RATE: a fresh effect adds no
# sound, and the output keeps the rate the effect ran at; a reader not ours
# finds the output's header sound.
set(frames 5000)
set(in ${WORK_DIR}/${NAME}-in.wav)
set(out ${WORK_DIR}/${NAME}-out.wav)
file(REMOVE ${out})
execute_process(COMMAND ${EMULATOR} ${WAV_TOOL} make ${in} ${FORMAT} ${LAYOUT} ${frames} ${RATE}
  RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "could not make ${in}")
endif()
execute_process(COMMAND ${EMULATOR} ${HOST} render ${MODULE} --in ${in} --out ${out} ${OPTIONS}
  RESULT_VARIABLE status OUTPUT_VARIABLE said ERROR_VARIABLE err)
message("${said}${err}")
if(NOT status EQUAL 0)
  message(FATAL_ERROR "render failed")
endif()
execute_process(COMMAND ${EMULATOR} ${WAV_TOOL} same ${in} ${out} ${EXPECT_RATE}
  RESULT_VARIABLE status OUTPUT_VARIABLE said ERROR_VARIABLE err)
message("${said}${err}")
if(NOT status EQUAL 0)
  message(FATAL_ERROR "the output differs from the input or is not at ${EXPECT_RATE} Hz")
endif()
execute_process(COMMAND ${PYTHON} ${CMAKE_CURRENT_LIST_DIR}/check_wav.py ${out} ${EXPECT_RATE} ${frames}
  RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "libsndfile finds fault with the output's header")
endif()
