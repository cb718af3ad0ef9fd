# SPDX-License-Identifier: MIT
# Makes the glyph table anew and fails, naming the fix, when it differs from
# the committed one.
execute_process(COMMAND ${TOOL} ${MADE} RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "glyph_table failed (${result})")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${COMMITTED} ${MADE} RESULT_VARIABLE differs)
if(differs)
  message(FATAL_ERROR "${COMMITTED} is not what FreeType draws here: copy ${MADE} over it")
endif()
