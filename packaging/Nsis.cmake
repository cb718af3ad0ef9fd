# SPDX-License-Identifier: MIT
# The Windows setup program: both modules and a host of each size, from
# packaging/NSIS.template.in.
set(CPACK_GENERATOR NSIS)
set(CPACK_PACKAGE_FILE_NAME "skyrun-${CPACK_PACKAGE_VERSION}-setup")
set(CPACK_MODULE_PATH "${SKYRUN_SOURCE_DIR}/packaging")
set(CPACK_PACKAGE_INSTALL_DIRECTORY Skyrun)
# The program's own processor and character set, as makensis names them.
set(SKYRUN_NSIS_TARGET x86-unicode)
