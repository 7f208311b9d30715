# The Debian package, built by `make package` with CPack: the game's folder under /usr/lib, a
# launcher in /usr/games, the menu entry and icons as for a per-user install, and what a system
# package carries besides (manual page, AppStream metadata, copyright and changelog). Those extra
# files belong to the "system" component, which a plain `cmake --install` leaves out.

set(ZAPTRAIL_HOMEPAGE "https://lumlum.example/zaptrail/")
set(ZAPTRAIL_APPSTREAM_ID "example.lumlum.zaptrail")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "zap trail maintainers <zaptrail@lumlum.example>")
set(generated "${CMAKE_CURRENT_BINARY_DIR}")

# The changelog entry carries the release date in the form Debian's tools read.
execute_process(COMMAND date -R -u -d "${ZAPTRAIL_RELEASE_DATE}"
                OUTPUT_VARIABLE ZAPTRAIL_RELEASE_STAMP OUTPUT_STRIP_TRAILING_WHITESPACE
                COMMAND_ERROR_IS_FATAL ANY)
configure_file(zaptrail.6.in "${generated}/zaptrail.6" @ONLY)
configure_file(changelog.in "${generated}/changelog" @ONLY)
configure_file(zaptrail.metainfo.xml.in "${generated}/${ZAPTRAIL_APPSTREAM_ID}.metainfo.xml" @ONLY)

# Compressed as Debian expects: best compression, no name or time stamp in the header.
set(compressed)
foreach(name zaptrail.6 changelog)
  add_custom_command(
    OUTPUT "${generated}/${name}.gz"
    COMMAND gzip -9nkf "${generated}/${name}"
    DEPENDS "${generated}/${name}"
    VERBATIM)
  list(APPEND compressed "${generated}/${name}.gz")
endforeach()
add_custom_target(zaptrail_package_files ALL DEPENDS ${compressed})
add_dependencies(zaptrail zaptrail_package_files)

# /usr/games/zaptrail: the game finds its folder from the kernel's path of the running
# executable, so a link to it starts it with its cues and help beside it.
file(CREATE_LINK "../${ZAPTRAIL_GAME_SUBDIR}/zaptrail" "${generated}/zaptrail" SYMBOLIC)
set(system COMPONENT system EXCLUDE_FROM_ALL)
install(FILES "${generated}/zaptrail" DESTINATION games ${system})
install(FILES "${generated}/zaptrail.6.gz" DESTINATION share/man/man6 ${system})
install(FILES "${generated}/${ZAPTRAIL_APPSTREAM_ID}.metainfo.xml" DESTINATION share/metainfo
        ${system})
install(FILES copyright "${generated}/changelog.gz" DESTINATION share/doc/zaptrail ${system})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zaptrail)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ
                                                GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
# Everything in one package: the per-user install's files and the system ones.
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL Unspecified system)
set(CPACK_COMPONENTS_GROUPING ALL_COMPONENTS_IN_ONE)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${ZAPTRAIL_HOMEPAGE}")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# The libraries come from the binary; the dialogs' Japanese face is only ever looked up by name,
# and without it every Japanese caption shows as empty boxes.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS fonts-ipafont-gothic)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "action maze game: steer a chick to the pinwheel")
# The summary comes first on its own; this is the long description below it.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "A chick runs through a random maze, seen through a window of 15 x 13 tiles,
picks up power jugs and must reach the turning pinwheel before its power runs
out. Every cleared level grows the maze, and the level number picks one of
eight variants: fewer or more walls, rising clouds with gravity, wandering wall
blocks, a wandering goal, a shaking window. The best time of every level is
kept in each player's own data folder.")
include(CPack)
