# What `cmake --install` puts where. The program looks for help.html, stagedata/ and replaydata/
# in its own folder, so all four live together in one program folder. bin/vantoki is a relative
# symlink to the program for shells and for the launcher's Exec; the program still finds its
# folder, since Qt takes it from the resolved binary. The launcher and the icon go where desktops
# look for them. Tests, benchmarks and the companion tools are not installed.
set(VANTOKI_INSTALL_PROGRAM_DIR lib/vantoki)

install(TARGETS vantoki RUNTIME DESTINATION ${VANTOKI_INSTALL_PROGRAM_DIR})
# The program needs only the system's Qt; a search path of its own would only be a place for
# stray libraries to be picked up from.
set_target_properties(vantoki PROPERTIES INSTALL_RPATH "")
install(FILES $<TARGET_FILE_DIR:vantoki>/help.html DESTINATION ${VANTOKI_INSTALL_PROGRAM_DIR})
# From the sources, not from beside the built program, where a test play may have saved files.
install(DIRECTORY ${PROJECT_SOURCE_DIR}/stagedata ${PROJECT_SOURCE_DIR}/replaydata
        DESTINATION ${VANTOKI_INSTALL_PROGRAM_DIR})

# Made once in the build tree and copied as a link, so it holds under any prefix and DESTDIR.
file(RELATIVE_PATH vantoki_link_target /bin /${VANTOKI_INSTALL_PROGRAM_DIR}/vantoki)
file(CREATE_LINK ${vantoki_link_target} ${PROJECT_BINARY_DIR}/vantoki-bin-link SYMBOLIC)
install(FILES ${PROJECT_BINARY_DIR}/vantoki-bin-link DESTINATION bin RENAME vantoki)

install(FILES ${PROJECT_SOURCE_DIR}/desktop/vantoki.desktop DESTINATION share/applications)
install(FILES ${PROJECT_SOURCE_DIR}/assets/icon.png
        DESTINATION share/icons/hicolor/32x32/apps RENAME vantoki.png)
