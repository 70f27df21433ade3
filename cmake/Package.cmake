# The Debian package: `cpack -G DEB` in the build folder writes waylume_<version>_amd64.deb
# from what cmake --install puts under /usr, with the manual pages, the AppStream metadata
# and the files Debian wants in /usr/share/doc.

find_program(WAYLUME_GZIP gzip REQUIRED)
set(package_files ${CMAKE_BINARY_DIR}/package)
set(manual_pages waylume waylume-probe waylume-export waylume-simulate)
set(compressed)
# -n: no name or time stamp in the header, so the same source gives the same package.
foreach(page ${manual_pages})
  set(out ${package_files}/${page}.1.gz)
  add_custom_command(OUTPUT ${out}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${package_files}
    COMMAND ${WAYLUME_GZIP} -9nc ${CMAKE_SOURCE_DIR}/resources/man/${page}.1 > ${out}
    DEPENDS ${CMAKE_SOURCE_DIR}/resources/man/${page}.1 VERBATIM)
  list(APPEND compressed ${out})
endforeach()
# A native package's changelog is changelog.gz.
add_custom_command(OUTPUT ${package_files}/changelog.gz
  COMMAND ${CMAKE_COMMAND} -E make_directory ${package_files}
  COMMAND ${WAYLUME_GZIP} -9nc ${CMAKE_SOURCE_DIR}/resources/package/changelog > ${package_files}/changelog.gz
  DEPENDS ${CMAKE_SOURCE_DIR}/resources/package/changelog VERBATIM)
list(APPEND compressed ${package_files}/changelog.gz)
add_custom_target(waylume_package_files ALL DEPENDS ${compressed})

foreach(page ${manual_pages})
  install(FILES ${package_files}/${page}.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endforeach()
install(FILES ${CMAKE_SOURCE_DIR}/resources/desktop/org.quorvix.waylume.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${package_files}/changelog.gz ${CMAKE_SOURCE_DIR}/resources/package/copyright
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/waylume)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME waylume)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR Quorvix)
set(CPACK_PACKAGE_CONTACT "Waylume maintainers <waylume@example.org>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION video)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Our static libraries are no shared libraries the package provides; shlibdeps needs no
# private search path.
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS OFF)
# What the player loads or runs at run time, which no binary links: Qt's GStreamer media
# plugin and the GStreamer plugin sets it decodes with, ffmpeg for screenshots, Leaflet
# (copied beside the pages), the fonts the forms are laid out for, Qt's own catalogues and
# the PCI ID database of the decoding check.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "libqt5multimedia5-plugins, gstreamer1.0-plugins-base, gstreamer1.0-plugins-good, \
gstreamer1.0-plugins-bad, gstreamer1.0-libav, gstreamer1.0-x, ffmpeg, libjs-leaflet, \
fonts-wqy-microhei, fonts-crosextra-carlito, qttranslations5-l10n, pci.ids")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "dash-camera player with map, speed and G-sensor\n\
Waylume plays the recordings of a dash camera's memory card: it groups the\n\
files that the front, rear, third and fourth cameras wrote at the same time\n\
and plays one to four channels side by side. While a recording plays it shows\n\
the GPS track on a map, the speed on a gauge, the heading on a compass and the\n\
G-sensor axes on a chart, read from the records the camera embedded in the\n\
MP4, MOV or AVI file.")
include(CPack)
