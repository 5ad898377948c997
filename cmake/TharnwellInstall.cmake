# SPDX-License-Identifier: GPL-3.0-or-later
# What `cmake --install` puts on a system, by Debian's and freedesktop.org's
# conventions: the program, its desktop entry, its icon, its AppStream
# metadata and its man page. The driver, the tests and the benchmarks stay in
# the build folder.
include(GNUInstallDirs)

set(THARNWELL_RELEASE_DATE 2026-12-07)
set(THARNWELL_HOMEPAGE https://github.com/tharnwell/tharnwell)
set(THARNWELL_SCREENSHOT_URL
    https://raw.githubusercontent.com/tharnwell/tharnwell/main/docs/tharnwell-window.png)

set(_data ${PROJECT_SOURCE_DIR}/data)
set(_built ${PROJECT_BINARY_DIR}/data)

# The metadata and the man page carry the version and the release date.
configure_file(${_data}/${THARNWELL_APP_ID}.metainfo.xml.in
    ${_built}/${THARNWELL_APP_ID}.metainfo.xml @ONLY)
configure_file(${_data}/tharnwell.6.in ${_built}/tharnwell.6 @ONLY)

# Debian installs man pages compressed; -n leaves out the time stamp, so the
# same page always compresses to the same bytes.
add_custom_command(
    OUTPUT ${_built}/tharnwell.6.gz
    COMMAND gzip -9nkf ${_built}/tharnwell.6
    DEPENDS ${_built}/tharnwell.6
    COMMENT "Compressing the man page"
    VERBATIM
)
add_custom_target(tharnwell_man_page DEPENDS ${_built}/tharnwell.6.gz)
# Whatever builds the program builds everything it installs.
add_dependencies(tharnwell tharnwell_man_page)

install(TARGETS tharnwell RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${_data}/${THARNWELL_APP_ID}.desktop
    DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${_data}/icons/${THARNWELL_APP_ID}.svg
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
# The PNG beside the SVG is the SVG drawn at 256 x 256 by rsvg-convert
# (librsvg2-bin): rsvg-convert -w 256 -h 256 NAME.svg -o NAME.png
install(FILES ${_data}/icons/${THARNWELL_APP_ID}.png
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/256x256/apps)
install(FILES ${_built}/${THARNWELL_APP_ID}.metainfo.xml
    DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${_built}/tharnwell.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)

unset(_data)
unset(_built)
