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

# The Debian changelog and the manual pages (English, and Russian under ru/),
# compressed as Debian installs them: gzip -9 without a name or a time stamp,
# so that the same sources give the same bytes.  Without gzip (a build for
# another system) they are left out.
find_program(VEKTUM_GZIP gzip)
if(VEKTUM_GZIP)
  set(docs ${PROJECT_BINARY_DIR}/docs)
  configure_file(${data}/vektum.1.in ${docs}/man/vektum.1 @ONLY)
  configure_file(${data}/vektum.ru.1.in ${docs}/man/ru/vektum.1 @ONLY)
  configure_file(${data}/changelog ${docs}/changelog COPYONLY)
  set(compressed)
  foreach(file man/vektum.1 man/ru/vektum.1 changelog)
    add_custom_command(OUTPUT ${docs}/${file}.gz
      COMMAND ${VEKTUM_GZIP} -9nkf ${docs}/${file}
      DEPENDS ${docs}/${file}
      COMMENT "Compressing ${file}"
      VERBATIM)
    list(APPEND compressed ${docs}/${file}.gz)
  endforeach()
  add_custom_target(vektum_docs ALL DEPENDS ${compressed})
  install(FILES ${docs}/man/vektum.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  install(FILES ${docs}/man/ru/vektum.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/ru/man1)
  install(FILES ${docs}/changelog.gz DESTINATION ${CMAKE_INSTALL_DOCDIR})
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vektum)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "ВЕКТУМ-W developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "desktop tutor for statics")
# CPack writes the summary as the Description's first line and indents these.
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "VEKTUM-W explains how to solve statics problems with reference pages and\n"
    "schemes, drills the student step by step in writing equilibrium equations,\n"
    "checking every typed formula numerically, runs an entrance test and solves\n"
    "linear systems AX = B of order 6 or 9.\n"
    "\n"
    "The program speaks Russian and English: it follows the desktop's language,\n"
    "or the option --lang ru|en.")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The project's own address: the project has no public address, and a
# person's would not be the project's.  It is taken under the reserved
# "invalid" domain, which never routes mail; the id's "local" is refused as a
# mail host by lintian.
set(VEKTUM_MAINTAINER "ВЕКТУМ-W developers <vektum@vektum.invalid>")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${VEKTUM_MAINTAINER})
set(CPACK_PACKAGE_CONTACT ${VEKTUM_MAINTAINER})
# Libraries through dpkg-shlibdeps (dpkg-dev and file); the fonts the windows
# ask for and Qt's Russian translations by name.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2, fonts-dejavu-core, qt6-translations-l10n")

include(CPack)
