# The Debian package, made by CPack from the install step's files (packaging/CMakeLists.txt):
#   cpack --preset default      (or: cd build && cpack -G DEB)
# writes kesto-tarvel2-assistant_VERSION_ARCH.deb with the dependencies dpkg-shlibdeps computes
# from the programs and libraries. Included from the top-level CMakeLists.txt, because CPack
# reads its configuration from the top of the build tree.

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ${KESTO_PACKAGE_NAME})
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "KESTO")
set(CPACK_PACKAGE_CONTACT ${KESTO_PACKAGE_MAINTAINER})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
# The package's own changelog and copyright are installed by the project; the binaries go in
# without their debugging information.
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "configuration assistant for the KESTO Tarvel 2 flight controller")
# The long description below the summary; CPack indents it and marks the empty line.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "KESTO Tarvel 2 Assistant configures the KESTO Tarvel 2 flight controller of a
small unmanned aircraft on a serial port (a USB serial adapter): it reads and
uploads the controller's parameters, shows live telemetry, runs the
calibrations, keeps a history of configurations and upgrades the firmware.

The package holds the graphical program Skydesk, the feedback program Saybox,
the command-line client fctool, the simulated flight controller fcsim and the
firmware file writer mkfirmware. Opening a serial port needs membership of the
dialout group.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${KESTO_HOMEPAGE})
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Fclink and FirmwareUpgrade are the package's own private libraries: dpkg-shlibdeps finds them
# there (the path is taken from the root of the package's files).
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS usr/${KESTO_PRIVATE_LIBDIR})
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
