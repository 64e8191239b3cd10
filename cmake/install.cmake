# What `cmake --install` puts where, in the folders of Debian's games: vantoki and vantoki-cli in
# PREFIX/VANTOKI_INSTALL_BINDIR (games), vantoki-cli's picture maker in
# PREFIX/VANTOKI_INSTALL_LIBEXECDIR (libexec/vantoki), the help page, the shipped stage sets and their replays
# in PREFIX/VANTOKI_INSTALL_DATADIR (share/games/vantoki), where the game finds them by the path
# from the one folder to the other; the launcher, the icon at the sizes desktops ask for, the
# types of the game's files, the AppStream metadata and the manual pages where desktops, file
# managers, software centres and man look for them.
# Tests, benchmarks and the build-time tools are not installed.
include(${CMAKE_CURRENT_LIST_DIR}/release_date.cmake)

install(TARGETS vantoki vantoki-cli RUNTIME DESTINATION ${VANTOKI_INSTALL_BINDIR})
install(TARGETS vantoki-picture-maker RUNTIME DESTINATION ${VANTOKI_INSTALL_LIBEXECDIR})
# The programs need only the system's Qt; a search path of their own would only be a place for
# stray libraries to be picked up from.
set_target_properties(vantoki vantoki-cli vantoki-picture-maker PROPERTIES INSTALL_RPATH "")
install(FILES $<TARGET_FILE_DIR:vantoki>/help.html DESTINATION ${VANTOKI_INSTALL_DATADIR})
# From the sources, not from beside the built program, where a test play may have saved files.
install(DIRECTORY ${PROJECT_SOURCE_DIR}/stagedata ${PROJECT_SOURCE_DIR}/replaydata
        DESTINATION ${VANTOKI_INSTALL_DATADIR})

# The launcher opens the game on the shipped basic set, or on the stage set or replay a file
# manager hands it; its command names the installed paths, known only once the prefix of the
# install is.
install(CODE "
  set(LAUNCHER_TEMPLATE \"${PROJECT_SOURCE_DIR}/desktop/vantoki.desktop.in\")
  set(LAUNCHER_OUT \"${PROJECT_BINARY_DIR}/launcher/vantoki.desktop\")
  set(LAUNCHER_BINDIR \"${VANTOKI_INSTALL_BINDIR}\")
  set(LAUNCHER_DATADIR \"${VANTOKI_INSTALL_DATADIR}\")
  include(\"${PROJECT_SOURCE_DIR}/cmake/install_launcher.cmake\")
")
install(FILES ${PROJECT_BINARY_DIR}/launcher/vantoki.desktop
        DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/applications)

# The artwork is 32 pixels; menus, docks and software centres show larger icons, which would be
# blurred if the desktop enlarged them itself.
set(vantoki_icons "")
foreach(size 32 48 64 128 256)
  set(icon_folder ${PROJECT_BINARY_DIR}/icons/${size}x${size}/apps)
  add_custom_command(OUTPUT ${icon_folder}/vantoki.png
    COMMAND ${CMAKE_COMMAND} -E make_directory ${icon_folder}
    COMMAND vantoki_icon_enlarger ${PROJECT_SOURCE_DIR}/assets/icon.png ${size}
            ${icon_folder}/vantoki.png
    DEPENDS vantoki_icon_enlarger ${PROJECT_SOURCE_DIR}/assets/icon.png
    COMMENT "Enlarging the icon to ${size} × ${size} pixels")
  list(APPEND vantoki_icons ${icon_folder}/vantoki.png)
  install(FILES ${icon_folder}/vantoki.png
          DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/icons/hicolor/${size}x${size}/apps)
endforeach()
add_custom_target(vantoki_icons ALL DEPENDS ${vantoki_icons})

# The two kinds of file, known to file managers by their extensions; the launcher and the
# AppStream metadata name their types.
install(FILES ${PROJECT_SOURCE_DIR}/desktop/vantoki.xml
        DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/mime/packages)

configure_file(${PROJECT_SOURCE_DIR}/desktop/org.example.vantoki.metainfo.xml.in
               ${PROJECT_BINARY_DIR}/org.example.vantoki.metainfo.xml @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/org.example.vantoki.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/metainfo)

foreach(page vantoki.6 vantoki-cli.6)
  configure_file(${PROJECT_SOURCE_DIR}/man/${page}.in ${PROJECT_BINARY_DIR}/man/${page} @ONLY)
  install(FILES ${PROJECT_BINARY_DIR}/man/${page} DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
endforeach()
