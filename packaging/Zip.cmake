# SPDX-License-Identifier: MIT
# A zip for people who copy the files by hand: SKYRUN_PLATFORM's install tree
# with an INSTALL.txt at the top.
set(CPACK_GENERATOR ZIP)
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
