# Installs the build into a scratch DESTDIR under /usr, as a distribution package would, and
# checks that exactly the files a desktop needs arrive, that the menu entry starts the installed
# program by its path, and that the AppStream file finds its menu entry there. Takes BUILD_DIR,
# DESTDIR, BINDIR (the programs' folder under the prefix), LICENSES (whether the licences are
# installed), APP_ID, ICON_SIZES and, when it is installed, APPSTREAMCLI.
file(REMOVE_RECURSE ${DESTDIR})
set(ENV{DESTDIR} ${DESTDIR})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix /usr
  OUTPUT_QUIET RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "cmake --install failed")
endif()

set(expected
  usr/${BINDIR}/totechita
  usr/${BINDIR}/totechita-script
  usr/share/applications/${APP_ID}.desktop
  usr/share/icons/hicolor/scalable/apps/${APP_ID}.svg
  usr/share/man/man6/totechita.6.gz
  usr/share/man/man6/totechita-script.6.gz
  usr/share/metainfo/${APP_ID}.metainfo.xml)
if(LICENSES)
  list(APPEND expected usr/share/doc/totechita/LICENSE usr/share/doc/totechita/LICENSE-IPA-Font)
endif()
string(REPLACE "," ";" ICON_SIZES ${ICON_SIZES})
foreach(side IN LISTS ICON_SIZES)
  list(APPEND expected usr/share/icons/hicolor/${side}x${side}/apps/${APP_ID}.png)
endforeach()
list(SORT expected)
file(GLOB_RECURSE installed RELATIVE ${DESTDIR} ${DESTDIR}/*)
list(SORT installed)
if(NOT installed STREQUAL expected)
  message(FATAL_ERROR "installed:\n  ${installed}\nexpected:\n  ${expected}")
endif()

foreach(program totechita totechita-script)
  execute_process(COMMAND test -x ${DESTDIR}/usr/${BINDIR}/${program} RESULT_VARIABLE not_executable)
  if(not_executable)
    message(FATAL_ERROR "usr/${BINDIR}/${program} is not executable")
  endif()
endforeach()

file(STRINGS ${DESTDIR}/usr/share/applications/${APP_ID}.desktop exec REGEX "^Exec=")
if(NOT exec STREQUAL "Exec=/usr/${BINDIR}/totechita")
  message(FATAL_ERROR "the menu entry says ${exec}, not the installed program's path")
endif()

if(APPSTREAMCLI)
  execute_process(COMMAND ${APPSTREAMCLI} validate-tree --no-net --strict ${DESTDIR}
    RESULT_VARIABLE invalid)
  if(invalid)
    message(FATAL_ERROR "appstreamcli validate-tree failed")
  endif()
endif()
message(STATUS "installed: ${installed}")
