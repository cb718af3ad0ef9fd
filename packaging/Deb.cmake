# SPDX-License-Identifier: MIT
# The Debian package: module, LV2 bundle, CLAP plug-in, host, man page,
# documents and menu entry under /usr, its dependencies read from the binaries.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_PACKAGE_ARCHITECTURE amd64)
set(CPACK_DEBIAN_FILE_NAME "skyrun_${CPACK_PACKAGE_VERSION}_amd64.deb")
set(CPACK_DEBIAN_PACKAGE_SECTION sound)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${CPACK_PACKAGE_CONTACT}")
set(CPACK_PACKAGE_DESCRIPTION "${CPACK_PACKAGE_DESCRIPTION}
.
The module is installed as /usr/lib/skyrun/Skyrun.so. To use it in a music
program (DAW), add the folder /usr/lib/skyrun to the program's plug-in
search path and let it scan again; it lists the effect as Skyrun or
Kestrigo (Orvane).
.
The same effect, with the game as its window, is installed as the LV2
plug-in /usr/lib/lv2/skyrun.lv2, which LV2 hosts (Ardour, Carla, Qtractor,
Zrythm, Audacity) find without any setting, and as the CLAP plug-in
/usr/lib/clap/Skyrun.clap, which CLAP hosts (Qtractor, Bitwig Studio,
REAPER) find the same way.
.
The package also holds skyrun-host, which loads the module like a host:
\"skyrun-host check /usr/lib/skyrun/Skyrun.so\" tries it the way a careful
host does, and the Skyrun entry in the Games menu plays the game with
sound without a DAW.")
