# SPDX-License-Identifier: GPL-3.0-or-later
# Manual page, AppStream metainfo, documentation, and the Debian package.

set(VEZO_MAINTAINER "vezo-vizoziv developers <maintainers@vezo-vizoziv.invalid>")
set(VEZO_METAINFO org.vezovizoziv.vezovizoziv.metainfo.xml)

# The manual page names installed paths: it is made at install time, for the prefix
# installed to (data/install-prefixed.cmake.in).
configure_file(data/${VEZO_METAINFO}.in ${VEZO_METAINFO} @ONLY)
configure_file(data/changelog.Debian.in changelog.Debian @ONLY)

# Debian keeps changelogs compressed, without time stamps.
add_custom_command(OUTPUT changelog.Debian.gz
    COMMAND gzip -9 -n -c ${CMAKE_CURRENT_BINARY_DIR}/changelog.Debian > ${CMAKE_CURRENT_BINARY_DIR}/changelog.Debian.gz
    DEPENDS ${CMAKE_CURRENT_BINARY_DIR}/changelog.Debian)
add_custom_target(compressed-docs ALL DEPENDS changelog.Debian.gz)

install(FILES ${CMAKE_CURRENT_BINARY_DIR}/${VEZO_METAINFO} DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES data/copyright ${CMAKE_CURRENT_BINARY_DIR}/changelog.Debian.gz
        DESTINATION ${CMAKE_INSTALL_DOCDIR})
# The user guide with the pictures it shows; the manual page points to it.
set(VEZO_GUIDE_PICTURES window running observatory observatory-zoomed generation schemata editor experiment lesson)
list(TRANSFORM VEZO_GUIDE_PICTURES PREPEND docs/)
list(TRANSFORM VEZO_GUIDE_PICTURES APPEND .png)
install(FILES docs/guide.md ${VEZO_GUIDE_PICTURES} DESTINATION ${CMAKE_INSTALL_DOCDIR})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vezo-vizoziv)
set(CPACK_PACKAGE_VENDOR "vezo-vizoziv developers")
set(CPACK_PACKAGE_CONTACT "${VEZO_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "watch a genetic algorithm evolve genomes on a landscape")
# CPack puts the summary first and indents every line of this by one space.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Ten members, each a nine-bit genome, live on a landscape of 512 fitness
values. Every generation draws parents in proportion to their fitness,
crosses them over and now and then flips a bit. Students watch the members
climb the landscape and gather on a peak, and see what mutation and its bias
do.
.
An observatory window plots best, mean and worst fitness, diversity and the
share of each bit over the generations, with a pace control, a seed to replay
a run and CSV export. A headless mode writes the same CSV without a display.")
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's own texts (its dialogs' buttons) in the user's language.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-translations-l10n)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX ${CMAKE_INSTALL_PREFIX})
set(CPACK_SET_DESTDIR ON)
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
include(CPack)
