# The browser build: the engine, the sprite sheet from artgen built for this machine, and the
# web shell that makes the page's folder and its zip. Errors travel as exceptions here too,
# which emscripten leaves out unless asked.
add_compile_options(-fexceptions)
add_link_options(-fexceptions)
add_subdirectory(view)
add_subdirectory(game)
include(cmake/host_sprite_data.cmake)
add_subdirectory(web)
