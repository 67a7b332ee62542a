# `cmake --install` puts the game where a desktop finds it: the program, its menu entry, its icon
# in the hicolor theme and its AppStream description. Without the desktop game there is nothing
# a menu could start, so a headless build installs nothing.
include(GNUInstallDirs)

if(TARGET totechita)
  install(TARGETS totechita)
  install(FILES ${PROJECT_SOURCE_DIR}/data/${TOTECHITA_APP_ID}.desktop
    DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${PROJECT_SOURCE_DIR}/assets/icon.svg
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
    RENAME ${TOTECHITA_APP_ID}.svg)
  install(FILES ${PROJECT_SOURCE_DIR}/data/${TOTECHITA_APP_ID}.metainfo.xml
    DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
endif()
