# SPDX-License-Identifier: MIT
# Stops packing with a plain message when a build tree it needs is missing.
#   cmake -DTREES=build "-DNAMES=linux;win32" -P CheckTrees.cmake
foreach(name IN LISTS NAMES)
  if(NOT EXISTS ${TREES}/${name}/cmake_install.cmake)
    message(FATAL_ERROR "The ${name} tree is not built (${TREES}/${name}); build it first: "
      "cmake --preset ${name} && cmake --build --preset ${name}")
  endif()
endforeach()
