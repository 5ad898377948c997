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

option(THARNWELL_STRIP_INSTALL
    "Strip the installed program as Debian's dh_strip does (off: keep its debugging information)" ON)

# tharnwell_install_program(DIR [COMPONENT NAME [EXCLUDE_FROM_ALL]]) installs
# the program into DIR under the prefix and strips it there: no debugging
# information, and no .comment or .note section (the compiler's version
# strings, which lintian calls unneeded). The copy in the build folder keeps
# everything for the debugger.
function(tharnwell_install_program dir)
    install(TARGETS tharnwell RUNTIME DESTINATION ${dir} ${ARGN})
    if(THARNWELL_STRIP_INSTALL AND CMAKE_STRIP)
        install(CODE "
            set(_program \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${dir}/tharnwell\")
            execute_process(COMMAND \"${CMAKE_STRIP}\" --remove-section=.comment
                --remove-section=.note \"\${_program}\" RESULT_VARIABLE _failed)
            if(_failed)
                message(FATAL_ERROR \"Could not strip \${_program}\")
            endif()" ${ARGN})
    endif()
endfunction()

# A plain install puts the program into bin/; the Debian package puts it
# elsewhere (cmake/TharnwellPackage.cmake), so this copy is a component of its
# own. Everything else is in the default component, Unspecified.
tharnwell_install_program(${CMAKE_INSTALL_BINDIR} COMPONENT program)
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
