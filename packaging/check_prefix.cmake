# Runs first inside `cmake --install`: the desktop entry will name the game's folder in a quoted
# command line, where these characters would need escapes that menus read differently. Such a
# prefix is refused before anything is copied.
set(ZAPTRAIL_GAME_DIR "${CMAKE_INSTALL_PREFIX}/${ZAPTRAIL_GAME_SUBDIR}")
foreach(awkward "\"" "`" "$" "\\" "%" "\n")
  string(FIND "${ZAPTRAIL_GAME_DIR}" "${awkward}" at)
  if(NOT at EQUAL -1)
    message(FATAL_ERROR "zaptrail: the install prefix '${CMAKE_INSTALL_PREFIX}' holds a quote, "
                        "backquote, dollar, backslash, percent or line break, which a desktop "
                        "entry cannot carry; choose another prefix")
  endif()
endforeach()
