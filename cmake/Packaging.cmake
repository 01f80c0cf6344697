# Installation of the program's data and the Debian package.
#
#   cmake --install <build> --prefix /usr           (DESTDIR=... for a staging tree)
#   cpack -G DEB --config <build>/CPackConfig.cmake  (./package.sh does both)
#
# The program itself and its icon renderings are installed by app/.  Nothing
# here is read by the program at run time: its icon is compiled in, and Qt's own
# translations come from the system's Qt.
include(GNUInstallDirs)

# VEKTUM_APP_ID, the program's id, is set by the top-level CMakeLists.txt.
set(data ${PROJECT_SOURCE_DIR}/data)

install(FILES ${data}/${VEKTUM_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${data}/${VEKTUM_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${data}/${VEKTUM_APP_ID}.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${data}/copyright
        DESTINATION ${CMAKE_INSTALL_DOCDIR})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vektum)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "ВЕКТУМ-W developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "desktop tutor for statics / обучающая система по статике")
# CPack writes the summary as the Description's first line and indents these.
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "VEKTUM-W explains how to solve statics problems with reference pages and\n"
    "schemes, drills the student step by step in writing equilibrium equations,\n"
    "checking every typed formula numerically, runs an entrance test and solves\n"
    "linear systems AX = B of order 6 or 9. The interface is in Russian.")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# dpkg takes the Maintainer field as free text; the project has no public
# address, so none is given.
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "ВЕКТУМ-W developers")
# Libraries through dpkg-shlibdeps (dpkg-dev and file); the fonts the windows
# ask for and Qt's Russian translations by name.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2, fonts-dejavu-core, qt6-translations-l10n")

include(CPack)
