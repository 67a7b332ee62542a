# `cmake --install` puts the game where a desktop finds it: the programs and their manual pages
# (section 6, games), the menu entry, the icon in the hicolor theme at every size and as SVG,
# the AppStream description, and the licences. A headless build installs the script driver
# only: there is no game a menu could start.
include(GNUInstallDirs)

# Debian's policy puts games in /usr/games (debian/rules says so); elsewhere, bin.
set(TOTECHITA_INSTALL_BINDIR ${CMAKE_INSTALL_BINDIR} CACHE STRING
  "Where the programs go, under the install prefix")
# A distribution package carries the licences in its own copyright file.
option(TOTECHITA_INSTALL_LICENSES "Install the licence texts with the documentation" ON)
# Folders made by the install are readable by all, whatever the umask of the one installing.
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ
  GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(made ${PROJECT_BINARY_DIR}/data)

install(TARGETS totechita-script DESTINATION ${TOTECHITA_INSTALL_BINDIR})
install(FILES ${made}/man/totechita-script.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
set(licences ${PROJECT_SOURCE_DIR}/LICENSE)

if(TARGET totechita)
  install(TARGETS totechita DESTINATION ${TOTECHITA_INSTALL_BINDIR})
  install(FILES ${made}/man/totechita.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
  # The menu entry starts the program by its installed path, so that a launcher whose PATH lacks
  # the folder (/usr/games) starts it all the same. The prefix is known only when installing
  # (`cmake --install --prefix`), so the entry is written then.
  set(entry ${made}/installed/${TOTECHITA_APP_ID}.desktop)
  install(CODE "
    set(TOTECHITA_EXEC \"\${CMAKE_INSTALL_PREFIX}/${TOTECHITA_INSTALL_BINDIR}/totechita\")
    configure_file(\"${PROJECT_SOURCE_DIR}/data/${TOTECHITA_APP_ID}.desktop.in\" \"${entry}\"
      @ONLY)")
  install(FILES ${entry} DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(DIRECTORY ${TOTECHITA_ICON_THEME_DIR}/ DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
  install(FILES ${PROJECT_SOURCE_DIR}/assets/icon.svg
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
    RENAME ${TOTECHITA_APP_ID}.svg)
  install(FILES ${PROJECT_SOURCE_DIR}/data/${TOTECHITA_APP_ID}.metainfo.xml
    DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
  # The game's font, cut from IPA P Gothic, is under the IPA Font License.
  list(APPEND licences ${PROJECT_SOURCE_DIR}/LICENSE-IPA-Font)
endif()

if(TOTECHITA_INSTALL_LICENSES)
  install(FILES ${licences} DESTINATION ${CMAKE_INSTALL_DOCDIR})
endif()
