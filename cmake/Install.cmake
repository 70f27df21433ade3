# cmake --install: the Debian layout. The player looks for its map pages, its font and Qt's
# catalogues beside its executable, so the executable lives in lib/waylume with links to
# where those files belong (share/waylume, the font package, Qt's translations), and
# bin/waylume links to it; /proc/self/exe, and so the application folder, resolves the link.
include(GNUInstallDirs)

# Private executables belong in lib/PACKAGE, not in the multiarch library folder.
set(WAYLUME_PRIVATE_DIR lib/waylume)
set(WAYLUME_DATA_DIR ${CMAKE_INSTALL_DATADIR}/waylume)
set(WAYLUME_SYSTEM_FONT /usr/share/fonts/truetype/wqy/wqy-microhei.ttc)
get_target_property(qmake_path Qt5::qmake IMPORTED_LOCATION)
execute_process(COMMAND ${qmake_path} -query QT_INSTALL_TRANSLATIONS
                OUTPUT_VARIABLE WAYLUME_QT_TRANSLATIONS OUTPUT_STRIP_TRAILING_WHITESPACE)

install(TARGETS waylume RUNTIME DESTINATION ${WAYLUME_PRIVATE_DIR})
install(TARGETS waylume-probe waylume-simulate waylume-export RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

# The map pages the build puts beside the executable, when there are any.
install(DIRECTORY ${CMAKE_BINARY_DIR}/bin/maps/ DESTINATION ${WAYLUME_DATA_DIR}/maps OPTIONAL)
# Our catalogues are compiled in; the files are installed for translators' tools.
install(DIRECTORY ${CMAKE_BINARY_DIR}/resources/translations/ DESTINATION ${WAYLUME_DATA_DIR}/translations
        FILES_MATCHING PATTERN "*.qm")

install(FILES ${CMAKE_SOURCE_DIR}/resources/desktop/waylume.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_SOURCE_DIR}/resources/images/logo.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps RENAME waylume.svg)
install(FILES ${CMAKE_BINARY_DIR}/resources/image/logo.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/128x128/apps RENAME waylume.png)

# Links made at install time, relative where both ends are ours.
install(CODE "
  set(root \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}\")
  set(private \"\${root}/${WAYLUME_PRIVATE_DIR}\")
  file(MAKE_DIRECTORY \"\${private}/resources/fonts\" \"\${root}/${CMAKE_INSTALL_BINDIR}\")
  file(RELATIVE_PATH to_maps \"\${private}\" \"\${root}/${WAYLUME_DATA_DIR}/maps\")
  file(RELATIVE_PATH to_player \"\${root}/${CMAKE_INSTALL_BINDIR}\" \"\${private}/waylume\")
  file(REMOVE \"\${private}/maps\" \"\${private}/translations\"
       \"\${private}/resources/fonts/wqy-microhei.ttf\" \"\${root}/${CMAKE_INSTALL_BINDIR}/waylume\")
  file(CREATE_LINK \"\${to_maps}\" \"\${private}/maps\" SYMBOLIC)
  # Debian wants links within /usr relative (a package's root may be mounted elsewhere);
  # under any other prefix the system's files are named absolutely.
  set(to_qt \"${WAYLUME_QT_TRANSLATIONS}\")
  set(to_font \"${WAYLUME_SYSTEM_FONT}\")
  if(\"\${CMAKE_INSTALL_PREFIX}\" STREQUAL \"/usr\")
    file(RELATIVE_PATH to_qt \"/usr/${WAYLUME_PRIVATE_DIR}\" \"${WAYLUME_QT_TRANSLATIONS}\")
    file(RELATIVE_PATH to_font \"/usr/${WAYLUME_PRIVATE_DIR}/resources/fonts\" \"${WAYLUME_SYSTEM_FONT}\")
  endif()
  file(CREATE_LINK \"\${to_qt}\" \"\${private}/translations\" SYMBOLIC)
  file(CREATE_LINK \"\${to_font}\" \"\${private}/resources/fonts/wqy-microhei.ttf\" SYMBOLIC)
  file(CREATE_LINK \"\${to_player}\" \"\${root}/${CMAKE_INSTALL_BINDIR}/waylume\" SYMBOLIC)
  message(STATUS \"Linked: \${root}/${CMAKE_INSTALL_BINDIR}/waylume -> \${to_player}\")
")
