# The files the game opens from its own folder: the three sound cues, in the order of the cues'
# indexes, and the help. Every build, install rule, package and archive, and the game itself,
# take them from these lists, out of assets/.
set(ZAPTRAIL_CUES TAK.WAV CLIA.WAV WIN.WAV)
set(ZAPTRAIL_BESIDE_GAME ${ZAPTRAIL_CUES} zaptrail-help.html)
list(TRANSFORM ZAPTRAIL_BESIDE_GAME PREPEND "${CMAKE_SOURCE_DIR}/assets/"
     OUTPUT_VARIABLE ZAPTRAIL_BESIDE_GAME_SOURCES)

# Copies them beside the executables of the build, before `target` is built.
function(zaptrail_copy_beside_game target)
  set(copies)
  foreach(file IN LISTS ZAPTRAIL_BESIDE_GAME)
    add_custom_command(
      OUTPUT "${CMAKE_BINARY_DIR}/${file}"
      COMMAND "${CMAKE_COMMAND}" -E copy_if_different "${CMAKE_SOURCE_DIR}/assets/${file}"
              "${CMAKE_BINARY_DIR}/${file}"
      DEPENDS "${CMAKE_SOURCE_DIR}/assets/${file}"
      COMMENT "Copying ${file} beside the game"
      VERBATIM)
    list(APPEND copies "${CMAKE_BINARY_DIR}/${file}")
  endforeach()
  add_custom_target(zaptrail_beside_game ALL DEPENDS ${copies})
  add_dependencies(${target} zaptrail_beside_game)
endfunction()
