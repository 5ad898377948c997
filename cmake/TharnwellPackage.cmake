# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package: `cpack -G DEB` in the build folder makes
# tharnwell_VERSION-RELEASE_ARCH.deb of what `cmake --install` installs, the
# program in /usr/games, with the documents Debian asks of every package.
# dpkg-shlibdeps (dpkg-dev) works out the libraries it depends on.
set(THARNWELL_MAINTAINER "The Tharnwell developers <tharnwell@users.noreply.github.com>"
    CACHE STRING "The Maintainer field of the Debian package")

# Debian keeps its games in /usr/games, so the package (section games) puts
# the program there; it is on the PATH Debian gives its users, so the desktop
# entry still runs a plain `tharnwell`. Beside it, the copyright file in
# Debian's machine-readable format and the Debian changelog, compressed as
# Debian does (-n: no time stamp). These are the component deb, which only
# the package installs.
set(_debian ${PROJECT_SOURCE_DIR}/data/debian)
set(_built ${PROJECT_BINARY_DIR}/data/debian)
configure_file(${_debian}/copyright.in ${_built}/copyright @ONLY)
configure_file(${_debian}/changelog.in ${_built}/changelog.Debian @ONLY)
add_custom_command(
    OUTPUT ${_built}/changelog.Debian.gz
    COMMAND gzip -9nkf ${_built}/changelog.Debian
    DEPENDS ${_built}/changelog.Debian
    COMMENT "Compressing the Debian changelog"
    VERBATIM
)
add_custom_target(tharnwell_debian_changelog DEPENDS ${_built}/changelog.Debian.gz)
add_dependencies(tharnwell tharnwell_debian_changelog)

tharnwell_install_program(games COMPONENT deb EXCLUDE_FROM_ALL)
install(FILES ${_built}/copyright ${_built}/changelog.Debian.gz
    DESTINATION ${CMAKE_INSTALL_DOCDIR} COMPONENT deb EXCLUDE_FROM_ALL)
# lintian's tags that do not apply to this package, each with its reason.
install(FILES ${_debian}/lintian-overrides RENAME tharnwell
    DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides COMPONENT deb EXCLUDE_FROM_ALL)
unset(_debian)
unset(_built)

# The package holds the data files (Unspecified) and the component deb, not
# the program in bin/.
set(CPACK_INSTALL_CMAKE_PROJECTS
    "${PROJECT_BINARY_DIR};${PROJECT_NAME};Unspecified;/"
    "${PROJECT_BINARY_DIR};${PROJECT_NAME};deb;/")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tharnwell)
set(CPACK_PACKAGE_VENDOR "The Tharnwell developers")
set(CPACK_PACKAGE_CONTACT "${THARNWELL_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "plan and make magic items for a hex-map fantasy role-playing game")
set(CPACK_PACKAGE_DESCRIPTION
    "Tharnwell is a companion for the players and the game master of a hex-map\n\
fantasy role-playing game whose characters have ST, DX and IQ and whose\n\
wizards make magic items. It carries the game's catalogs compiled in and lists\n\
any of them in one click; a wizard plans a magic item on a five-slot\n\
workbench and makes it week by week with 3d6 against DX, and the game master\n\
rolls random treasure.")
set(CPACK_PACKAGE_HOMEPAGE_URL "${THARNWELL_HOMEPAGE}")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
# Debian ships its programs without their debugging information, also when
# THARNWELL_STRIP_INSTALL is off.
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${THARNWELL_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The window's fixed-width text is drawn in Liberation Mono. SQLite keeps the
# workshop journal; the program loads it at the journal's first use, so
# dpkg-shlibdeps does not see it.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation, libsqlite3-0")

include(CPack)
