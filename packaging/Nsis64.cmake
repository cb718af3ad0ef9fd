# SPDX-License-Identifier: MIT
# The setup program of Nsis.cmake built as a 64-bit program. Not released:
# the tests run it on machines that cannot start the 32-bit one.
include(${CMAKE_CURRENT_LIST_DIR}/Nsis.cmake)
set(SKYRUN_NSIS_TARGET amd64-unicode)
set(CPACK_PACKAGE_FILE_NAME "skyrun-${CPACK_PACKAGE_VERSION}-setup64")
