# SPDX-License-Identifier: Apache-2.0
# Installation and the Debian package.
#
# `cmake --install <build> --prefix <prefix>` installs the three programs (their install rules
# are in src/app, src/tool and src/sim), their manual pages (cmake/ManPages.cmake), the
# console's desktop entry, AppStream metadata and icon, and the documentation. `cpack` in the
# build folder makes the Debian package quven-console_<version>-<release>_<arch>.deb of the same
# files, with Debian's copyright file and changelog. Tests and benchmarks have no install rules
# and stay out of both.
#
#   bin/quven-console, bin/quven-table, bin/quven-sim
#   share/man/man1/quven-console.1.gz, quven-table.1.gz, quven-sim.1.gz
#   share/applications/quven-console.desktop
#   share/metainfo/org.example.quven.console.metainfo.xml
#   share/icons/hicolor/scalable/apps/quven-console.svg
#   share/icons/hicolor/64x64/apps/quven-console.png
#   share/lintian/overrides/quven-console
#   share/doc/quven-console/: README.md, copyright, changelog.Debian.gz,
#                             docs/ (the guides and their screenshots)

include(GNUInstallDirs)

set(QUVEN_PACKAGING_DIR ${PROJECT_SOURCE_DIR}/packaging)

install(FILES ${QUVEN_PACKAGING_DIR}/quven-console.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${QUVEN_PACKAGING_DIR}/quven-console.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo
        RENAME org.example.quven.console.metainfo.xml)
install(FILES ${QUVEN_PACKAGING_DIR}/quven-console.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
# Rendered from the SVG: rsvg-convert -w 64 -h 64 quven-console.svg -o quven-console-64.png
install(FILES ${QUVEN_PACKAGING_DIR}/quven-console-64.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/64x64/apps
        RENAME quven-console.png)

# The README links docs/..., so the documentation keeps that layout. The manual pages' sources
# stay out: the pages themselves are installed.
# The licence (Apache-2.0) is named in Debian's copyright file, whose text points to
# /usr/share/common-licenses/Apache-2.0.
install(FILES ${PROJECT_SOURCE_DIR}/README.md ${QUVEN_PACKAGING_DIR}/debian/copyright
        DESTINATION ${CMAKE_INSTALL_DOCDIR})
install(DIRECTORY ${PROJECT_SOURCE_DIR}/docs/
        DESTINATION ${CMAKE_INSTALL_DOCDIR}/docs
        FILES_MATCHING
        PATTERN "*.md"
        PATTERN "*.png"
        PATTERN "man" EXCLUDE)

# What lintian says of this package and that is right for it, each with its reason there.
install(FILES ${QUVEN_PACKAGING_DIR}/debian/lintian-overrides
        DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides RENAME quven-console)

# Debian's changelog of the package, compressed the same on every build (with the gzip that
# ManPages.cmake found).
if(QUVEN_GZIP)
    set(QUVEN_CHANGELOG ${PROJECT_BINARY_DIR}/changelog.Debian.gz)
    add_custom_command(
        OUTPUT ${QUVEN_CHANGELOG}
        COMMAND ${QUVEN_GZIP} -n9 -c ${QUVEN_PACKAGING_DIR}/debian/changelog
                > ${QUVEN_CHANGELOG}
        DEPENDS ${QUVEN_PACKAGING_DIR}/debian/changelog
        COMMENT "Debian changelog")
    add_custom_target(quven_debian_changelog ALL DEPENDS ${QUVEN_CHANGELOG})
    install(FILES ${QUVEN_CHANGELOG} DESTINATION ${CMAKE_INSTALL_DOCDIR})
endif()

# --- The Debian package ------------------------------------------------------------------

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quven-console)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "QUVEN-01 console maintainers")
set(CPACK_PACKAGE_CONTACT
    "QUVEN-01 console maintainers <maintainers@users.noreply.c-seed-23bc51c7.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "operator console for the QUVEN-01 motor controller")
# Lines of at most 78 characters: the control file indents each by one, and lintian counts
# the first line together with the synopsis' indentation.
set(CPACK_PACKAGE_DESCRIPTION
    "A desktop program with which one operator drives a QUVEN-01 eight-axis
motor controller over plain TCP: it polls the controller live, sends motion
and keypad commands, offers a raw command line and a communication log, and
keeps the controller's setting table (read, write, save to and load from a
file). The package also holds quven-table, which backs up, restores, verifies
and compares the setting tables of whole plants from the command line, and
quven-sim, a simulator of the controller for trying out, training and
testing without hardware.")
set(CPACK_PACKAGE_INSTALL_DIRECTORY quven-console)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
# The programs are stripped as Debian's own are (dh_strip): no symbols, no compiler notes.
set(CPACK_STRIP_FILES OFF)
set(CPACK_PRE_BUILD_SCRIPTS ${PROJECT_SOURCE_DIR}/cmake/StripPrograms.cmake)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${PROJECT_HOMEPAGE_URL})
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
