# Installs the game as Linux games are installed: the program the player starts in bin/, the game
# proper it becomes in libexec/ (found as ../libexec/morvel-racing from bin/), its read-only game
# folder in share/morvel-racing/ (found as ../share/morvel-racing from libexec/), the desktop
# entry, the icons, the software-centre entry and the manual page. The player's settings and
# progress then live in the player's own data folder.
include(GNUInstallDirs)
include(${PROJECT_SOURCE_DIR}/packaging/AppId.cmake)

install(TARGETS morvel-racing RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(TARGETS morvel-racing-game RUNTIME DESTINATION libexec)

# What the game reads from its folder: the packages, tracks, sounds, the closing screen and the
# shortcut files; not the program, nor settings files a developer's runs left in the build.
install(DIRECTORY ${MORVEL_GAME_DIR}/
        DESTINATION share/morvel-racing
        FILES_MATCHING
        PATTERN "*.url"
        REGEX "/(Data|Sounds|wdata)/[^/]+$")

install(FILES ${PROJECT_SOURCE_DIR}/packaging/${MORVEL_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/${MORVEL_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(DIRECTORY ${MORVEL_ICON_DIR}/ DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/morvel-racing.6 DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
