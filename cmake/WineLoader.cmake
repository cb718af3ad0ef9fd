# SPDX-License-Identifier: MIT
# Wine's loader for Windows programs of the given pointer size (4 or 8), and
# whether this machine can start it. Some machines' kernels refuse 32-bit
# programs, and Wine's 32-bit loader is one; there the 32-bit Windows programs
# are built but not run. The 64-bit loader is named directly, since Debian's
# `wine` command always tries the 32-bit one first.
function(skyrun_find_wine_loader pointer_size loader_var runs_var)
  if(pointer_size EQUAL 8)
    set(name wine64)
  else()
    set(name wine)
  endif()
  find_program(loader ${name} PATHS /usr/lib/wine NO_DEFAULT_PATH NO_CACHE)
  # The `wine` on the PATH answers --version even without the 32-bit loader
  # (wine32 not installed), so only the loader itself says the 32-bit side runs.
  if(NOT loader AND pointer_size EQUAL 8)
    find_program(loader ${name} NO_CACHE)
  endif()
  set(runs OFF)
  if(loader)
    execute_process(COMMAND ${loader} --version RESULT_VARIABLE status OUTPUT_QUIET ERROR_QUIET)
    if(status EQUAL 0)
      set(runs ON)
    endif()
  endif()
  if(NOT runs)
    math(EXPR bits "${pointer_size} * 8")
    message(WARNING "This machine cannot start Wine's ${name} loader (${loader}): "
      "the ${bits}-bit Windows programs are built, but their tests are skipped.")
  endif()
  set(${loader_var} ${loader} PARENT_SCOPE)
  set(${runs_var} ${runs} PARENT_SCOPE)
endfunction()

# Marks the tests of the calling folder skipped, but for those named after
# EXCEPT, when this build's Windows programs cannot be started here; ctest
# lists them as not run.
function(skyrun_skip_tests_here_without_wine)
  cmake_parse_arguments(PARSE_ARGV 0 arg "" "" EXCEPT)
  if(WIN32 AND NOT SKYRUN_RUNS_WINDOWS_PROGRAMS)
    get_property(tests DIRECTORY PROPERTY TESTS)
    list(REMOVE_ITEM tests ${arg_EXCEPT})
    if(tests)
      set_tests_properties(${tests} PROPERTIES DISABLED TRUE)
    endif()
  endif()
endfunction()
