# Installation and the Debian package.
#
# `cmake --install <build> --prefix <prefix>` installs the two programs (their install rules are
# in src/app and src/sim), the console's desktop entry and icon, and the documentation. `cpack`
# in the build folder makes the Debian package quven-console_<version>_<arch>.deb of the same
# files. Tests and benchmarks have no install rules and stay out of both.
#
#   bin/quven-console, bin/quven-sim
#   share/applications/quven-console.desktop
#   share/icons/hicolor/scalable/apps/quven-console.svg
#   share/icons/hicolor/64x64/apps/quven-console.png
#   share/doc/quven-console/: README.md, docs/ (the guides and their screenshots)

include(GNUInstallDirs)

set(QUVEN_PACKAGING_DIR ${PROJECT_SOURCE_DIR}/packaging)

install(FILES ${QUVEN_PACKAGING_DIR}/quven-console.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${QUVEN_PACKAGING_DIR}/quven-console.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
# Rendered from the SVG: rsvg-convert -w 64 -h 64 quven-console.svg -o quven-console-64.png
install(FILES ${QUVEN_PACKAGING_DIR}/quven-console-64.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/64x64/apps
        RENAME quven-console.png)

# The README links docs/..., so the documentation keeps that layout.
install(FILES ${PROJECT_SOURCE_DIR}/README.md DESTINATION ${CMAKE_INSTALL_DOCDIR})
install(DIRECTORY ${PROJECT_SOURCE_DIR}/docs/
        DESTINATION ${CMAKE_INSTALL_DOCDIR}/docs
        FILES_MATCHING
        PATTERN "*.md"
        PATTERN "*.png")

# --- The Debian package ------------------------------------------------------------------

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quven-console)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "QUVEN-01 console maintainers")
set(CPACK_PACKAGE_CONTACT
    "QUVEN-01 console maintainers <maintainers@users.noreply.c-seed-23bc51c7.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "operator console for the QUVEN-01 motor controller")
set(CPACK_PACKAGE_DESCRIPTION
    "A desktop program with which one operator drives a QUVEN-01 eight-axis motor controller over
plain TCP: it polls the controller live, sends motion and keypad commands, offers a raw command
line, and keeps the controller's setting table (read, write, save to and load from a file).
The package also holds quven-sim, a simulator of the controller for trying out, training and
testing without hardware.")
set(CPACK_PACKAGE_INSTALL_DIRECTORY quven-console)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

# The Qt 6 libraries the programs link come from the libraries themselves when dpkg-shlibdeps
# (Debian's dpkg-dev) is there to read them, with the versions Debian's symbol files demand;
# without it they are named here. The platform plugins are loaded at run time, not linked, so
# they are always named. The two font packages give the panel its faces.
set(QUVEN_DEBIAN_RUNTIME qt6-qpa-plugins)
find_program(QUVEN_DPKG_SHLIBDEPS dpkg-shlibdeps)
find_program(QUVEN_FILE file)
if(QUVEN_DPKG_SHLIBDEPS AND QUVEN_FILE)
    set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
else()
    set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS OFF)
    list(PREPEND QUVEN_DEBIAN_RUNTIME libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6
         libqt6network6)
endif()
list(JOIN QUVEN_DEBIAN_RUNTIME ", " CPACK_DEBIAN_PACKAGE_DEPENDS)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-dejavu-core, fonts-ipafont-gothic")

include(CPack)
