# Runs last inside `cmake --install`: the menu entry for the folder the game went to.
set(entry "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/share/applications/zaptrail.desktop")
message(STATUS "Installing: ${entry}")
configure_file("${ZAPTRAIL_DESKTOP_TEMPLATE}" "${entry}" @ONLY)
