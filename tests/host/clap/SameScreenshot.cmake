# SPDX-License-Identifier: MIT
# The GUI through the CLAP plug-in shows the very picture the module's editor
# shows after the same idles: the adapter adds and loses nothing.
foreach(module ${MODULE} ${CLAP})
  get_filename_component(name ${module} NAME)
  execute_process(COMMAND ${EMULATOR} ${HOST} editor ${module} --idles 5
      --screenshot ${WORK_DIR}/${name}.png
    RESULT_VARIABLE status ERROR_VARIABLE err TIMEOUT 120)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "the editor session of ${name} failed: ${status} ${err}")
  endif()
  list(APPEND shots ${WORK_DIR}/${name}.png)
endforeach()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${shots} RESULT_VARIABLE differ)
if(differ)
  message(FATAL_ERROR "the screenshots differ: ${shots}")
endif()
