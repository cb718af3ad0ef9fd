# The Windows setup program: both modules and the 32-bit host, from
# packaging/NSIS.template.in.
set(CPACK_GENERATOR NSIS)
set(CPACK_PACKAGE_FILE_NAME "skyrun-${CPACK_PACKAGE_VERSION}-setup")
set(CPACK_MODULE_PATH "${SKYRUN_SOURCE_DIR}/packaging")
set(CPACK_PACKAGE_INSTALL_DIRECTORY Skyrun)
