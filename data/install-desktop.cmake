# Writes the desktop entry for the prefix being installed to, so that Path= names
# the installed landscapes folder.
set(prefix "${CMAKE_INSTALL_PREFIX}")
set(BINDIR "${prefix}/bin")
set(LANDSCAPEDIR "${prefix}/share/vezo-vizoziv/landscapes")
configure_file("${SOURCE_DIR}/data/vezo-vizoziv.desktop.in" "${BINARY_DIR}/vezo-vizoziv.desktop" @ONLY)
file(INSTALL "${BINARY_DIR}/vezo-vizoziv.desktop" DESTINATION "${prefix}/share/applications")
