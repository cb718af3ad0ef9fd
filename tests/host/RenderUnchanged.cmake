# Makes an input file, renders it through the module and checks that the
# output holds exactly the input: a fresh effect adds no sound.
set(in ${WORK_DIR}/${NAME}-in.wav)
set(out ${WORK_DIR}/${NAME}-out.wav)
file(REMOVE ${out})
execute_process(COMMAND ${EMULATOR} ${WAV_TOOL} make ${in} ${FORMAT} ${LAYOUT} 5000
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
execute_process(COMMAND ${EMULATOR} ${WAV_TOOL} same ${in} ${out}
  RESULT_VARIABLE status OUTPUT_VARIABLE said ERROR_VARIABLE err)
message("${said}${err}")
if(NOT status EQUAL 0)
  message(FATAL_ERROR "output differs from input")
endif()
