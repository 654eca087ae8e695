# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Cifrolo developers
#
# Installation and the Debian package (`cmake --build build --target package`).
# The program goes to <prefix>/bin and its files, read-only, to
# <prefix>/share/cifrolo/juego; each user plays in a copy of them under
# $XDG_DATA_HOME/cifrolo (app/GameFolder).
include(GNUInstallDirs)

set(CIFROLO_APP_ID "io.github.cifrolo.cifrolo" CACHE STRING "AppStream component id")
set(CIFROLO_HOMEPAGE "https://cifrolo.github.io/" CACHE STRING "Where the project is published")
set(CIFROLO_SCREENSHOT_URL "${CIFROLO_HOMEPAGE}pantalla.png" CACHE STRING "Screenshot shown by software centres")
set(CIFROLO_MAINTAINER "The Cifrolo developers <cifrolo@users.noreply.github.com>"
  CACHE STRING "Debian package maintainer")

set(CIFROLO_PACKAGING_DIR ${CMAKE_CURRENT_LIST_DIR})
set(CIFROLO_DESKTOP_DIR ${PROJECT_SOURCE_DIR}/assets/desktop)
set(CIFROLO_GENERATED ${PROJECT_BINARY_DIR}/packaging)

# Relocations read-only and bound at start, as Debian builds its programs.
target_link_options(cifrolo PRIVATE -Wl,-z,relro -Wl,-z,now)
install(TARGETS cifrolo RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(DIRECTORY ${PROJECT_SOURCE_DIR}/assets/game/ DESTINATION ${CMAKE_INSTALL_DATADIR}/cifrolo/juego)

# Menu entry, icons and software-centre data.
install(FILES ${CIFROLO_DESKTOP_DIR}/cifrolo.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
foreach(size 48 64 128 256)
  install(FILES ${CIFROLO_DESKTOP_DIR}/cifrolo-${size}.png
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps RENAME cifrolo.png)
endforeach()
install(FILES ${CIFROLO_DESKTOP_DIR}/cifrolo.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
configure_file(${CIFROLO_DESKTOP_DIR}/cifrolo.metainfo.xml.in
  ${CIFROLO_GENERATED}/${CIFROLO_APP_ID}.metainfo.xml @ONLY)
install(FILES ${CIFROLO_GENERATED}/${CIFROLO_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# Manual page and changelog, compressed the way Debian keeps them (no name or
# time stamp in the gzip header, so the package builds the same every time).
set(VERSION ${PROJECT_VERSION})
set(MAINTAINER ${CIFROLO_MAINTAINER})
configure_file(${CIFROLO_PACKAGING_DIR}/cifrolo.6 ${CIFROLO_GENERATED}/cifrolo.6 @ONLY)
configure_file(${CIFROLO_PACKAGING_DIR}/changelog ${CIFROLO_GENERATED}/changelog @ONLY)
add_custom_command(OUTPUT ${CIFROLO_GENERATED}/cifrolo.6.gz ${CIFROLO_GENERATED}/changelog.gz
  COMMAND gzip -9nkf cifrolo.6 changelog
  WORKING_DIRECTORY ${CIFROLO_GENERATED}
  DEPENDS ${CIFROLO_GENERATED}/cifrolo.6 ${CIFROLO_GENERATED}/changelog
  COMMENT "Compressing the manual page and changelog")
add_custom_target(cifrolo_docs ALL DEPENDS ${CIFROLO_GENERATED}/cifrolo.6.gz ${CIFROLO_GENERATED}/changelog.gz)
install(FILES ${CIFROLO_GENERATED}/cifrolo.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(FILES ${CIFROLO_GENERATED}/changelog.gz ${CIFROLO_PACKAGING_DIR}/copyright
  DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/cifrolo)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME cifrolo)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Cifrolo developers")
set(CPACK_PACKAGE_CONTACT ${CIFROLO_MAINTAINER})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${CIFROLO_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${CIFROLO_HOMEPAGE})
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "game for children to learn written addition
Cifrolo is a game in Spanish in which children practise written addition
the way it is done on paper: the numbers stand in columns and the result is
typed digit by digit, from the units leftwards, with the carried digit too.
Several named players take turns at one computer and collect points, hits
and misses; every fifth finished sum brings a tune and a funny face. There
is also mental arithmetic, results files, the ten best scores and printed
worksheets.")
# Libraries come from dpkg-shlibdeps; the rest is loaded at run time: the
# tune's soundfont, the fonts, the sound back ends, the Spanish buttons and
# the SQL drivers of the practice history (SQLite) and of a computer room's
# shared history (PostgreSQL).
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "timgm6mb-soundfont, fonts-sil-andika, fonts-liberation2, \
gstreamer1.0-plugins-base, gstreamer1.0-plugins-good, qt6-translations-l10n, libqt6sql6-sqlite, libqt6sql6-psql, libqt6charts6")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
