# The browser build: the engine, the sprite sheet from artgen built for this machine, and the
# web shell that makes the page's folder and its zip. Errors travel as exceptions here too,
# which emscripten leaves out unless asked: WebAssembly's own, since emscripten's older way
# sends every call that may throw out to JavaScript and back, and its glue slowed the start.
add_compile_options(-fwasm-exceptions)
add_link_options(-fwasm-exceptions)
# Filling and copying memory as one instruction each: the start fills its fresh pictures, which
# the size-optimised C library's byte loops took milliseconds over. Every browser with
# WebAssembly's exceptions has these instructions.
add_compile_options(-mbulk-memory)
add_link_options(-mbulk-memory)
add_subdirectory(view)
add_subdirectory(game)
add_subdirectory(files)
add_subdirectory(session)
include(cmake/host_sprite_data.cmake)
add_subdirectory(web)
