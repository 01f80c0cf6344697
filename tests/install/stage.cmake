# Installs the build BUILD into STAGE with DESTDIR and the prefix /usr, then
# checks that the installed tree holds what a desktop needs.
#   cmake -DBUILD=... -DSTAGE=... -DAPP_ID=... -P stage.cmake
file(REMOVE_RECURSE ${STAGE})
set(ENV{DESTDIR} ${STAGE})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD} --prefix /usr
                RESULT_VARIABLE rc OUTPUT_QUIET)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${rc}")
endif()

set(expected
  usr/bin/vektum
  usr/share/applications/${APP_ID}.desktop
  usr/share/metainfo/${APP_ID}.metainfo.xml
  usr/share/icons/hicolor/scalable/apps/${APP_ID}.svg
  usr/share/icons/hicolor/48x48/apps/${APP_ID}.png
  usr/share/icons/hicolor/128x128/apps/${APP_ID}.png
  usr/share/icons/hicolor/256x256/apps/${APP_ID}.png
  usr/share/doc/vektum/copyright
  usr/share/doc/vektum/changelog.gz
  usr/share/man/man1/vektum.1.gz
  usr/share/man/ru/man1/vektum.1.gz)
set(missing)
foreach(f IN LISTS expected)
  if(NOT EXISTS ${STAGE}/${f} OR IS_DIRECTORY ${STAGE}/${f})
    list(APPEND missing ${f})
  else()
    file(SIZE ${STAGE}/${f} size)
    if(size EQUAL 0)
      list(APPEND missing "${f} (empty)")
    endif()
  endif()
endforeach()

# Nothing else: no test program, library or header slips into the package.
file(GLOB_RECURSE installed RELATIVE ${STAGE} ${STAGE}/*)
set(extra ${installed})
list(REMOVE_ITEM extra ${expected})
if(missing OR extra)
  message(FATAL_ERROR "missing: ${missing}\nunexpected: ${extra}")
endif()
