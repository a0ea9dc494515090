# Install rules of the program: the window program, the "tolvazen" command
# that starts it in its data folder, its desktop entry and its icon.
# Included from the folder that defines the tolvazen target.
include(GNUInstallDirs)

install(TARGETS tolvazen RUNTIME DESTINATION ${CMAKE_INSTALL_LIBEXECDIR}/tolvazen)
install(PROGRAMS ${CMAKE_CURRENT_LIST_DIR}/tolvazen-launcher
        DESTINATION ${CMAKE_INSTALL_BINDIR} RENAME tolvazen)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/tolvazen.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/tolvazen.xpm
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/32x32/apps)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/tolvazen.xpm
        DESTINATION ${CMAKE_INSTALL_DATADIR}/pixmaps)
