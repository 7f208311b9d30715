# Runs last inside `cmake --install`: the menu entry for the folder the game went to. The folder
# and the file get the permissions the rest of the install has, whatever the umask, so that the
# package is the same whoever builds it.
set(entry "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/share/applications/zaptrail.desktop")
cmake_path(GET entry PARENT_PATH folder)
if(NOT EXISTS "${folder}")
  file(MAKE_DIRECTORY "${folder}")
  file(CHMOD "${folder}" PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ
                                     GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
endif()
message(STATUS "Installing: ${entry}")
configure_file("${ZAPTRAIL_DESKTOP_TEMPLATE}" "${entry}" @ONLY
               FILE_PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
