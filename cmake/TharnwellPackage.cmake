# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package: `cpack -G DEB` in the build folder makes
# tharnwell_VERSION-RELEASE_ARCH.deb of what `cmake --install` installs.
# dpkg-shlibdeps (dpkg-dev) works out the libraries it depends on.
set(THARNWELL_MAINTAINER "Tharnwell developers <tharnwell@example.org>"
    CACHE STRING "The Maintainer field of the Debian package")

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
# Debian ships its programs without their debugging information.
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${THARNWELL_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The window's fixed-width text is drawn in Liberation Mono.
set(CPACK_DEBIAN_PACKAGE_DEPENDS fonts-liberation)

include(CPack)
