# What `cmake --install` puts beside the programs (each target installs itself into bin/ where
# it is defined; the side tables install from tools/), and the Debian package made of all of it.

# Manual pages: every share/man/*.1.
file(GLOB RAVENPOST_MAN_PAGES CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/share/man/*.1)
install(FILES ${RAVENPOST_MAN_PAGES} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

# The desktop entry and the icon, in the hicolor theme.
install(FILES ${PROJECT_SOURCE_DIR}/share/applications/ravenpost.desktop
    DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/share/icons/hicolor/scalable/apps/ravenpost.svg
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${PROJECT_SOURCE_DIR}/share/icons/hicolor/48x48/apps/ravenpost.png
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/48x48/apps)

# `cmake --build build --target package` (or `make package`): a .deb of everything installed.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ravenpost)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Ravenpost developers")
set(CPACK_PACKAGE_CONTACT "Ravenpost developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Desktop mailing-list manager on xBase address files")
# One line each, as the control file's description wants them short.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
    "Ravenpost keeps address lists in xBase tables (DBF with memo and CDX index"
    "files) and prints label sheets and envelopes from them, with bulk-mail"
    "presort and POSTNET barcodes. The package also holds xbase-tool, which"
    "looks into, fills and repairs xBase tables.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Ravenpost developers")
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6widgets6, libqt6printsupport6, libqt6network6, \
libqt6gui6, libqt6core6, libqt6serialport6, libzint2.11, libicu72, libharfbuzz0b, libharfbuzz-subset0, \
libdeflate0, fonts-liberation2, \
qt6-translations-l10n")
# The label products of "Find More Products" come from the gLabels template files.
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "glabels-data")
include(CPack)

# Installs the build into a temporary prefix and checks what landed there.
if(RAVENPOST_TESTS)
    add_test(NAME install.layout
        COMMAND sh ${PROJECT_SOURCE_DIR}/tests/install/install-test.sh ${CMAKE_COMMAND} ${CMAKE_BINARY_DIR})
    set_tests_properties(install.layout PROPERTIES TIMEOUT 120)
endif()
