# SPDX-License-Identifier: MIT
# Runs FUZZER for SECONDS on a copy of CORPUS inside WORK_DIR; crash
# inputs land there too.
file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR})
file(COPY ${CORPUS}/ DESTINATION ${WORK_DIR}/corpus)
execute_process(
  COMMAND ${FUZZER} -max_total_time=${SECONDS} -artifact_prefix=${WORK_DIR}/ ${WORK_DIR}/corpus
  RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "the fuzzer stopped with ${result}; see ${WORK_DIR} for the input")
endif()
