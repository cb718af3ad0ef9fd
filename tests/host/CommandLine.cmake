# SPDX-License-Identifier: MIT
# The host's command line: help and version, every command's --help, and
# wrong arguments named above the command's usage with status 2.

# Runs the host with the arguments after the pattern; checks the status
# and that stdout or stderr (`out` or `err`) matches the pattern.
function(expect status stream pattern)
  execute_process(COMMAND ${EMULATOR} ${HOST} ${ARGN}
    RESULT_VARIABLE got OUTPUT_VARIABLE out ERROR_VARIABLE err)
  string(REPLACE "\r\n" "\n" out "${out}")
  string(REPLACE "\r\n" "\n" err "${err}")
  if(NOT got EQUAL status)
    message(FATAL_ERROR "skyrun-host ${ARGN}: status ${got}, expected ${status}\n${out}${err}")
  endif()
  string(REGEX MATCH "${pattern}" found "${${stream}}")
  if(NOT found)
    message(FATAL_ERROR "skyrun-host ${ARGN}: ${stream} does not match ${pattern}:\n${${stream}}")
  endif()
endfunction()

expect(0 out "^Usage: skyrun-host COMMAND.*\n  check MODULE +what a careful host" --help)
expect(0 out "^skyrun-host ${VERSION}\n$" --version)
expect(2 err "^Usage: skyrun-host COMMAND")
expect(2 err "^skyrun-host: unknown command 'bogus'\nUsage: skyrun-host COMMAND" bogus)

foreach(command info render editor demo play check)
  # --help anywhere, even after a module and an unknown option, prints the usage.
  expect(0 out "^usage: skyrun-host ${command} MODULE.*\n  --help +prints this text\n$"
    ${command} ${MODULE} --bogus --help)
  # Wherever it stands, an unknown option is named and nothing runs.
  expect(2 err
    "^skyrun-host ${command}: unknown option '--bogus'\nusage: skyrun-host ${command} MODULE[^\n]*\n$"
    ${command} --bogus ${MODULE})
endforeach()

expect(2 err "^skyrun-host info: MODULE is missing\n" info)
expect(2 err "^skyrun-host info: one MODULE only, not also 'second'\n" info ${MODULE} second)
expect(2 err "^skyrun-host demo: --seconds needs a value\n" demo ${MODULE} --out dir --seconds)
expect(2 err "^skyrun-host demo: --seconds is missing\n" demo --out dir ${MODULE})
expect(2 err "^skyrun-host demo: --seconds must be between 0 and 600\n"
  demo --seconds 0 --out dir ${MODULE})
expect(2 err "^skyrun-host render: --block must be between 1 and 1048576\n"
  render ${MODULE} --block 12x --in a.wav --out b.wav)
# Of a repeated option the last one counts, here the --block out of range.
expect(2 err "^skyrun-host render: --block must be between"
  render ${MODULE} --block 300 --block 0 --in a.wav --out b.wav)
expect(2 err "^skyrun-host check: --only takes a check's number" check ${MODULE} --only 99)
